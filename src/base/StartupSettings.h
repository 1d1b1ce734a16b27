#pragma once

#include <QString>

struct AppPaths;
struct AppSettings;

// What the settings file decides before any window exists.
struct StartupDecision {
    QString LanguageName; // "russian", "english" or whatever the file names
    bool SubscriptionPromptDue = false; // true on the start that makes the start count 5
};

// The settings-file steps of start-up.
namespace StartupSettings {

// Puts a settings file at the settings path when none is there: creates the settings
// folder with its parents and copies the data folder's template. An existing file is
// never overwritten; a missing template or a failure is not reported (the file then
// comes into being with the first write).
void PrepareSettingsFile(const AppPaths& paths);

// Reads and writes the start-up keys: first start and language, the association and
// mosaic exercises switched off (also in settings), and the start count.
StartupDecision ReadStartupSettings(const QString& settingsPath, AppSettings& settings);

} // namespace StartupSettings
