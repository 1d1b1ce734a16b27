#include "base/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString WithSlash(const QString& folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

} // namespace

QString AppPaths::DataFolderFor(const QString& executableFolder)
{
    const QDir folder(executableFolder);
    if (QFileInfo(folder.filePath(QStringLiteral("Language"))).isDir()) {
        return WithSlash(folder.absolutePath());
    }
    return WithSlash(QDir::cleanPath(folder.absoluteFilePath(QStringLiteral("../share/glossmere"))));
}

AppPaths AppPaths::Resolve(const QString& executableFolder, const QString& configFolder, const QString& dataFolder)
{
    AppPaths paths;
    paths.ExeFolder = DataFolderFor(executableFolder);
    paths.Installed = !QFileInfo(QDir(executableFolder).filePath(QStringLiteral("Language"))).isDir();
    paths.SettingsFolder = QDir::cleanPath(configFolder + QStringLiteral("/Glossmere"));
    paths.SettingsPath = paths.SettingsFolder + QStringLiteral("/settings.ini");
    paths.UserDictsFolder = QDir::cleanPath(dataFolder + QStringLiteral("/Glossmere/Dicts"));
    return paths;
}

AppPaths AppPaths::ForThisProgram()
{
    return Resolve(QCoreApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
}
