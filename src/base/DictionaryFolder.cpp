#include "base/DictionaryFolder.h"

#include "base/AppPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString PrepareDictionaryFolder(const AppPaths& paths)
{
    const QString shipped = paths.ExeFolder + QStringLiteral("Dicts");
    if (!QFileInfo(shipped).isDir()) {
        return shipped;
    }
    QDir().mkpath(paths.UserDictsFolder);
    const QDir source(shipped);
    const QStringList files
        = source.entryList({ QStringLiteral("*.dat"), QStringLiteral("*.inf") }, QDir::Files | QDir::Readable);
    for (const QString& name : files) {
        const QString target = paths.UserDictsFolder + QLatin1Char('/') + name;
        if (!QFileInfo::exists(target) && QFile::copy(source.filePath(name), target)) {
            // The copy must be writable even though the installed original is not.
            QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner);
        }
    }
    return paths.UserDictsFolder;
}
