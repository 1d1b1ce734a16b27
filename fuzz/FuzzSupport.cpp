#include "FuzzSupport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace FuzzSupport {

void Require(bool condition, const char* promise)
{
    if (!condition) {
        std::fprintf(stderr, "Broken promise: %s\n", promise);
        std::abort();
    }
}

QString ScratchFolder()
{
    // In memory where the system offers it: dictionaries sync every commit to disk, which
    // on a real disk would make each input take a hundred times longer.
    static const QTemporaryDir folder(QDir(QStringLiteral("/dev/shm")).exists()
            ? QStringLiteral("/dev/shm/glossmere-fuzz-XXXXXX")
            : QDir::tempPath() + QStringLiteral("/glossmere-fuzz-XXXXXX"));
    Require(folder.isValid(), "a scratch folder can be made");
    return folder.path();
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    Require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "the scratch file can be opened for writing");
    Require(file.write(bytes) == bytes.size(), "the scratch file takes every byte");
}

void EnsureApplication()
{
    if (QApplication::instance() != nullptr) {
        return;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char name[] = "glossmere-fuzz";
    static char* argv[] = { name, nullptr };
    // Kept for the whole run and never destroyed: widgets of the last input may still be
    // around when libFuzzer calls exit(). The pointer stays reachable, so it is no leak.
    static QApplication* application = new QApplication(argc, argv);
    Require(application != nullptr, "the application starts");
}

} // namespace FuzzSupport
