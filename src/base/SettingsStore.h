#pragma once

#include "base/AppSettings.h"
#include "base/IniFile.h"

class Clock;

// Owns the settings file at the settings path and the in-memory AppSettings. It keeps no
// handle on the file: each read or write opens and closes it.
class SettingsStore {
public:
    SettingsStore(QString settingsPath, const Clock& clock);

    const IniFile& File() const { return m_file; }
    AppSettings& Settings() { return m_settings; }
    const AppSettings& Settings() const { return m_settings; }

    // Fills AppSettings from the file (one read of it), arms the reminder modes the file
    // switches on and records whether the reminder timer runs.
    void LoadSettings();

    // Marks an exercise's one-time notice as shown, in memory and in the file.
    void MarkNoticeShown(ExerciseKind kind);

private:
    IniFile m_file;
    const Clock& m_clock;
    AppSettings m_settings;
};
