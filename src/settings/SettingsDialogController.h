#pragma once

#include "settings/SettingsForm.h"

#include <QObject>
#include <functional>

class LanguageTable;
class Prompts;
class QDialog;
class ReminderTimer;
class SettingsDialog;
class SettingsStore;
class Tray;

// Runs the settings dialog: OpenSettingsDialog loads every control from the settings file
// and shows the dialog; OK checks the exercises, writes the file and updates the running
// program's settings and reminder timer; Cancel and the close box keep nothing. A dialog
// opened from the notification area asks, when it closes, for the program to go back there.
class SettingsDialogController final : public QObject {
    Q_OBJECT

public:
    struct Context {
        SettingsDialog& dialog;
        SettingsStore& settings;
        const LanguageTable& texts;
        Prompts& prompts;
        Tray& tray;
        ReminderTimer& reminders;
    };

    explicit SettingsDialogController(Context context);

    // Loads the controls and shows the dialog through the given modal runner, which
    // returns when the dialog closes (tests pass one that does not block).
    void OpenSettingsDialog(const std::function<void(QDialog&)>& showModal);

    SettingsForm ReadControls() const;
    void ShowForm(const SettingsForm& form);

Q_SIGNALS:
    // The dialog was opened from the notification area and has closed.
    void BackToTrayRequested();

private:
    void ApplyScheduleEnabling(bool scheduleOn);
    void FillLanguages();
    void FillTypedAnswerRules();
    void Confirm();
    void Closed();

    Context m_context;
};
