#pragma once

#include <QString>

// Where the program finds its files. ExeFolder is the data folder (settings template,
// Language/, Dicts/, help/), ending in "/"; SettingsPath is the per-user settings file.
struct AppPaths {
    QString ExeFolder;
    QString SettingsFolder;
    QString SettingsPath;
    QString UserDictsFolder; // the user's own copies of the shipped dictionaries
    bool Installed = false; // the data folder is share/glossmere beside the program, not its own folder

    // The data folder for a program whose executable lies in executableFolder: that folder
    // itself when it holds "Language/" (the build tree), else ../share/glossmere/ beside it.
    static QString DataFolderFor(const QString& executableFolder);

    // Paths for an executable folder, a per-user configuration folder (normally ~/.config)
    // and a per-user data folder (normally ~/.local/share).
    static AppPaths Resolve(const QString& executableFolder, const QString& configFolder, const QString& dataFolder);

    // Paths of the running program, from its executable and the XDG folders.
    static AppPaths ForThisProgram();
};
