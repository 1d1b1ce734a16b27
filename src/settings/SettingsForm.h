#pragma once

#include "base/ExerciseKind.h"

#include <QString>
#include <QtGlobal>

class IniDocument;
class IniFile;
struct AppSettings;

// What the settings dialog's controls hold, with the rules for loading them from the
// settings file and for saving them, kept apart from the widgets so they are tested without
// a window. The dialog copies a form into its controls on opening and reads one back on OK.
struct SettingsForm {
    int CorrectAnswers = 2; // SpinEditor1
    int BlockSize = 8; // SpinEditor2
    int PopupDelay = 2; // SpinEditor3, seconds
    bool TypedAnyMeaning = false; // ComboBox_typed: the whole translation, or any one meaning
    ExerciseFlags Exercises; // the exercise boxes, hidden ones included
    bool ScheduleOn = true; // XPCheckBox6
    bool DailySelected = false; // XPRadioButton2 selected; otherwise XPRadioButton1
    int IntervalMinutes = 120; // SpinEditor4
    int Hour = 12; // SpinEditor6
    int Minute = 0; // SpinEditor5
    QString Language; // ComboBox_language: "russian", "english"; empty writes nothing
    bool SayWords = false; // XPCheckBox_say

    // Loads the form from the file, starting from the controls' current values: with the
    // schedule on, the reminder controls are loaded too; with it off they keep what they
    // held, and both reminder modes are disarmed at once, whatever the user does next. The
    // values show as the program reads them at start-up, bounds and defaults alike.
    // The language is the one the file names, as the next start would read it.
    void Load(const IniDocument& file, AppSettings& settings);

    // At least one of choice of translation, recall, typed translation, association and
    // mosaic must be on; pair matching alone cannot make a session.
    bool IsValid() const;

    // Writes every learning key, the schedule switch and the interface language in one
    // rewrite of the file (the language takes effect at the next start), so it
    // holds either the old settings or the new ones, and updates the settings in memory. A
    // schedule switched on arms the selected mode (the other stays as it was) and asks for
    // the reminder timer; an interval armed here counts from `now`, the monotonic time of
    // OK. Switched off, it stops the timer and leaves the reminder keys of the file alone.
    // Returns false when the file could not be written; the settings in memory are updated
    // all the same.
    bool Save(const IniFile& file, AppSettings& settings, qint64 now) const;

private:
    void WriteTo(IniDocument& file) const;
    void ApplyTo(AppSettings& settings, qint64 now) const;
};
