#pragma once

#include "base/AppSettings.h"
#include "base/IniFile.h"

class Clock;

// Owns the settings file at the settings path and the in-memory AppSettings. It keeps no
// handle on the file: each read or write opens and closes it.
class SettingsStore {
public:
    // The interval of the during-day reminder when the file has none.
    static constexpr int kDefaultIntervalMinutes = 120;

    SettingsStore(QString settingsPath, const Clock& clock);

    const IniFile& File() const { return m_file; }
    const Clock& Time() const { return m_clock; }
    AppSettings& Settings() { return m_settings; }
    const AppSettings& Settings() const { return m_settings; }

    // Fills AppSettings from the file (one read of it), arms the reminder modes the file
    // switches on and records whether the reminder timer runs.
    void LoadSettings();

    // Marks an exercise's one-time notice as shown, in memory and in the file.
    void MarkNoticeShown(ExerciseKind kind);

    // The values the program runs with, as read from a file that may have been edited by
    // hand or damaged: each integer by its low 16 bits, as it has always been read, then
    // held within what the drill can use; a negative number is below every bound. A value
    // that is not a number reads as the default. The file is not rewritten for it, and the
    // settings dialog shows the same readings.
    static quint16 ReadCorrectAnswerThreshold(const IniDocument& file); // 1 and up; default 2
    static quint16 ReadMaxBlockSize(const IniDocument& file); // 2 .. 8; default 8
    static quint16 ReadPopupDelay(const IniDocument& file); // default 2, also for a negative one
    // The interval's minutes as text: a number below 1 reads as "1"; other text is kept as
    // it is (one that is no number never reminds).
    static QString ReadIntervalMinutes(const IniDocument& file);

private:
    IniFile m_file;
    const Clock& m_clock;
    AppSettings m_settings;
};
