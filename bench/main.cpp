// glossmere-bench: measures the dictionary store and the browser against the floor the bare
// engine reaches on the same files. See Benchmark.h.

#include "Benchmark.h"
#include "PeakMemory.h"
#include "base/AppError.h"
#include "store/DictionaryCipher.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("glossmere-bench"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Generates dictionaries of 10,000 and 100,000 cards and prints how long the store takes to open them,\n"
        "step through them, count, reset and pick a learning block, and how much memory an open one takes,\n"
        "each beside the floor the bare database engine reaches on the same file, with the ratio."));
    parser.addHelpOption();
    const QCommandLineOption quick(QStringLiteral("quick"),
        QStringLiteral("Small dictionaries (1,000 and 5,000 cards) and 3 runs: a smoke test, not figures."));
    const QCommandLineOption runs(QStringLiteral("runs"),
        QStringLiteral("Runs per figure (default 7, 5 for 100,000 cards)."), QStringLiteral("n"));
    const QCommandLineOption folder(QStringLiteral("folder"),
        QStringLiteral(
            "Write the dictionaries into <dir> and keep them (default: a temporary folder, removed at the end)."),
        QStringLiteral("dir"));
    QCommandLineOption child(QLatin1String(PeakMemory::kChildOption),
        QStringLiteral("Internal: report the peak memory of opening a file."), QStringLiteral("mode"));
    QCommandLineOption childFile(QLatin1String(PeakMemory::kChildFileOption),
        QStringLiteral("Internal: the file the peak memory child opens."), QStringLiteral("file"));
    child.setFlags(QCommandLineOption::HiddenFromHelp);
    childFile.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions({ quick, runs, folder, child, childFile });
    parser.process(application);

    QTextStream out(stdout);
    QTextStream err(stderr);
    try {
        DictionaryCipher::CheckEngine();
        if (parser.isSet(child)) {
            return PeakMemory::RunChild(parser.value(child), parser.value(childFile), out);
        }
        Benchmark::Options options;
        options.quick = parser.isSet(quick);
        options.runs = parser.value(runs).toInt();
        options.folder = parser.value(folder);
        Benchmark(options, out).Run();
        return 0;
    } catch (const AppError& error) {
        err << "glossmere-bench: " << error.Message() << Qt::endl;
        return 1;
    }
}
