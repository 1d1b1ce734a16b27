#include "words/DictionaryTool.h"

#include "base/AppError.h"
#include "store/CardCsv.h"
#include "store/DictionaryFile.h"
#include "store/DictionaryWriter.h"
#include "store/SqliteConnection.h"
#include "store/SqliteStatement.h"
#include "words/WordLists.h"

#include <QFileInfo>
#include <QMap>
#include <QTextStream>

namespace {

struct Command {
    QString name;
    QStringList files;
    bool force = false;
    QString language; // create: the language of the words, a code such as "en"
    WordLists::Choice words; // create and import from a word list
};

class UsageError : public AppError {
public:
    using AppError::AppError;
};

Command ParseCommandLine(const QStringList& arguments)
{
    Command command;
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("--force") || argument == QLatin1String("-f")) {
            command.force = true;
        } else if (argument.startsWith(QLatin1String("--language="))) {
            command.language = argument.section(QLatin1Char('='), 1);
        } else if (argument.startsWith(QLatin1String("--word-language="))) {
            command.words.wordLanguage = argument.section(QLatin1Char('='), 1);
        } else if (argument.startsWith(QLatin1String("--translation-language="))) {
            command.words.translationLanguage = argument.section(QLatin1Char('='), 1);
        } else if (argument.startsWith(QLatin1String("--encoding="))) {
            TextEncoding encoding {};
            if (!TextEncodings::FromName(argument.section(QLatin1Char('='), 1), encoding)) {
                throw UsageError(
                    QStringLiteral("unknown encoding in %1 (known: utf-8, windows-1251, latin-1)").arg(argument));
            }
            command.words.encoding = encoding;
        } else if (argument.startsWith(QLatin1Char('-')) && argument != QLatin1String("-")) {
            throw UsageError(QStringLiteral("unknown option %1").arg(argument));
        } else if (command.name.isEmpty()) {
            command.name = argument;
        } else {
            command.files << argument;
        }
    }
    return command;
}

void RequireFiles(const Command& command, qsizetype least, qsizetype most)
{
    if (command.files.size() < least || command.files.size() > most) {
        throw UsageError(
            QStringLiteral("%1 takes %2 file name%3")
                .arg(command.name,
                    least == most ? QString::number(least) : QStringLiteral("%1 or %2").arg(least).arg(most),
                    most == 1 ? QString() : QStringLiteral("s")));
    }
}

void RefuseOverwrite(const QString& path, bool force)
{
    if (!force && QFileInfo::exists(path)) {
        throw AppError(QStringLiteral("%1 exists already; add --force to replace it.").arg(path));
    }
}

void Create(const Command& command, QTextStream& out)
{
    RequireFiles(command, 2, 2);
    const QString& target = command.files.at(0);
    const QString& source = command.files.at(1);
    RefuseOverwrite(target, command.force);
    const auto existing = command.force ? DictionaryWriter::Existing::Replace : DictionaryWriter::Existing::Keep;
    if (!WordLists::IsCardCsv(source)) {
        WordLists::Opened words = WordLists::Open(source, command.words);
        WordImport::Outcome outcome;
        DictionaryWriter::Write(target, existing, command.language,
            [&](SqliteConnection& connection) { outcome = WordImport::Run(connection, *words.source, words.mapping); });
        out << WordLists::Summary(outcome, target);
        return;
    }
    const std::vector<CardRecord> cards = CardCsv::ReadFile(source);
    DictionaryWriter::Write(target, cards, existing, command.language);
    out << QStringLiteral("Created %1 with %2 cards.\n").arg(target).arg(cards.size());
}

void Import(const Command& command, QTextStream& out)
{
    RequireFiles(command, 2, 2);
    const QString& target = command.files.at(0);
    auto connection = DictionaryFile::Open(target);
    WordLists::Opened words = WordLists::Open(command.files.at(1), command.words);
    out << WordLists::Summary(WordImport::Run(*connection, *words.source, words.mapping), target);
}

void Export(const Command& command, QTextStream& out, QTextStream& err)
{
    RequireFiles(command, 1, 2);
    const QString& source = command.files.at(0);
    const QString target = command.files.value(1);
    if (!target.isEmpty()) {
        RefuseOverwrite(target, command.force);
    }
    auto connection = DictionaryFile::Open(source);
    const std::vector<CardRecord> cards = DictionaryFile::ReadCards(*connection);
    if (target.isEmpty() || target == QLatin1String("-")) {
        out << QString::fromUtf8(CardCsv::Write(cards, CardCsv::Separator::Comma));
        return;
    }
    CardCsv::WriteFile(target, cards);
    err << QStringLiteral("Exported %1 cards to %2.\n").arg(cards.size()).arg(target);
}

void Stats(const Command& command, QTextStream& out)
{
    RequireFiles(command, 1, 1);
    auto connection = DictionaryFile::Open(command.files.at(0));
    SqliteStatement count(
        *connection, QStringLiteral("SELECT coalesce(status, ''), count(*) FROM tab GROUP BY coalesce(status, '')"));
    QMap<QString, qint64> byStatus;
    qint64 total = 0;
    while (count.Step()) {
        byStatus.insert(count.ColumnText(0), count.ColumnInteger(1));
        total += count.ColumnInteger(1);
    }
    out << QStringLiteral("%1: %2 cards\n").arg(command.files.at(0)).arg(total);
    const QList<QPair<QString, QString>> known
        = { { QString(), QStringLiteral("new") }, { QStringLiteral("learning"), QStringLiteral("learning") },
              { QStringLiteral("learned"), QStringLiteral("learned") },
              { QStringLiteral("ignore"), QStringLiteral("removed (ignore)") } };
    for (const auto& [status, label] : known) {
        out << QStringLiteral("  %1: %2\n").arg(label).arg(byStatus.take(status));
    }
    for (auto other = byStatus.cbegin(); other != byStatus.cend(); ++other) {
        out << QStringLiteral("  other status \"%1\": %2\n").arg(other.key()).arg(other.value());
    }
}

int Check(const Command& command, QTextStream& out)
{
    RequireFiles(command, 1, 1);
    const QString& path = command.files.at(0);
    QString problem = DictionaryFile::Problem(path);
    qint64 cards = 0;
    if (problem.isEmpty()) {
        auto connection = DictionaryFile::Open(path);
        const QString integrity = connection->QueryText(QStringLiteral("PRAGMA integrity_check"));
        if (integrity != QLatin1String("ok")) {
            problem = QStringLiteral("the file is damaged (%1)").arg(integrity);
        } else {
            cards = connection->QueryText(QStringLiteral("SELECT count(*) FROM tab")).toLongLong();
        }
    }
    if (!problem.isEmpty()) {
        out << QStringLiteral("%1: not a valid dictionary: %2.\n").arg(path, problem);
        return DictionaryTool::kFailed;
    }
    out << QStringLiteral("%1: a valid dictionary with %2 cards.\n").arg(path).arg(cards);
    return DictionaryTool::kOk;
}

} // namespace

namespace DictionaryTool {

QString Usage()
{
    return QStringLiteral(
        "Usage: glossmere-dict COMMAND [--force] FILE...\n"
        "Makes and inspects Glossmere dictionaries.\n"
        "\n"
        "  create [--force] [--language=CODE] [WORD-LIST OPTIONS] OUT.dat IN\n"
        "                                     make a dictionary from a CSV file or a word list (below);\n"
        "                                     CODE (en, ru, es...) is the language of its words\n"
        "  import [WORD-LIST OPTIONS] DICT.dat IN\n"
        "                                     add the words of a word list to a dictionary, as new cards,\n"
        "                                     in one transaction; pairs of word and translation it holds\n"
        "                                     already are skipped\n"
        "  export [--force] IN.dat [OUT.csv]  write every card and column as CSV (standard output without OUT)\n"
        "  stats IN.dat                       count the cards by status\n"
        "  check IN.dat                       tell whether the file is a valid dictionary, and why not\n"
        "  --help                             show this text\n"
        "\n"
        "The dictionary's own CSV file is UTF-8 with a header row naming its columns: word (or header) and\n"
        "translation, and optionally transcription, part_of_speech, example, comment, or any other column\n"
        "that export writes. An empty unquoted field is NULL, \"\" the empty text.\n"
        "Word lists, told apart by extension and content: CSV or TSV with or without a header row (without\n"
        "one the first two columns are word and translation), plain-text notes exports (.txt, with\n"
        "#separator: and #html: lines), and KVTML vocabulary documents (version 1 or 2).\n"
        "  --encoding=NAME                    utf-8, windows-1251 or latin-1 (detected by default)\n"
        "  --word-language=ID                 KVTML: the language of the words (id, locale or name;\n"
        "  --translation-language=ID          by default the document's first two languages)\n"
        "No file is overwritten without --force. Exit status: 0 success, 1 failure, 2 bad command line.\n");
}

int Run(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"))
        || arguments.value(0) == QLatin1String("help")) {
        out << Usage();
        return kOk;
    }
    try {
        const Command command = ParseCommandLine(arguments);
        if (command.name == QLatin1String("create")) {
            Create(command, out);
        } else if (command.name == QLatin1String("import")) {
            Import(command, out);
        } else if (command.name == QLatin1String("export")) {
            Export(command, out, err);
        } else if (command.name == QLatin1String("stats")) {
            Stats(command, out);
        } else if (command.name == QLatin1String("check")) {
            return Check(command, out);
        } else {
            throw UsageError(command.name.isEmpty() ? QStringLiteral("no command given")
                                                    : QStringLiteral("unknown command %1").arg(command.name));
        }
        return kOk;
    } catch (const UsageError& error) {
        err << QStringLiteral("glossmere-dict: %1\n\n").arg(error.Message()) << Usage();
        return kUsage;
    } catch (const AppError& error) {
        err << QStringLiteral("glossmere-dict: %1\n").arg(error.Message());
        return kFailed;
    }
}

} // namespace DictionaryTool
