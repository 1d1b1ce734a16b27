#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <unistd.h>

namespace {

bool RunChattr(const QString& flag, const QString& path)
{
    QProcess chattr;
    chattr.start(QStringLiteral("chattr"), { flag, path });
    return chattr.waitForFinished(10000) && chattr.exitStatus() == QProcess::NormalExit && chattr.exitCode() == 0;
}

} // namespace

TempFolder::TempFolder() = default;

TempFolder::~TempFolder()
{
    for (const QString& path : m_protected) {
        Unprotect(path);
    }
}

bool TempFolder::Protect(const QString& path)
{
    bool done = false;
    if (::geteuid() == 0) {
        done = RunChattr(QStringLiteral("+i"), path);
    } else {
        done = QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    if (done) {
        m_protected << path;
    }
    return done;
}

void TempFolder::Unprotect(const QString& path)
{
    if (::geteuid() == 0) {
        RunChattr(QStringLiteral("-i"), path);
    } else {
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
}

QStringList TempFolder::Entries() const
{
    return QDir(Path()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}
