#include "settings/SettingsDialogController.h"

#include "base/Clock.h"
#include "base/CommandGuard.h"
#include "base/Prompts.h"
#include "base/SettingsStore.h"
#include "base/Tray.h"
#include "base/UserText.h"
#include "i18n/LanguageTable.h"
#include "settings/DailyTimeEditor.h"
#include "settings/InterfaceSettingsPage.h"
#include "settings/LearningSettingsPage.h"
#include "settings/ReminderTimer.h"
#include "settings/ScheduleSettingsPage.h"
#include "settings/SettingsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

SettingsDialogController::SettingsDialogController(Context context)
    : m_context(context)
{
    SettingsDialog& dialog = m_context.dialog;
    connect(dialog.OkButton(), &QPushButton::clicked, this, &SettingsDialogController::Confirm);
    connect(dialog.Schedule()->ScheduleCheckBox(), &QCheckBox::toggled, this,
        &SettingsDialogController::ApplyScheduleEnabling);
    connect(&dialog, &QDialog::finished, this, &SettingsDialogController::Closed);
}

void SettingsDialogController::OpenSettingsDialog(const std::function<void(QDialog&)>& showModal)
{
    // Asked for again while it is open (the tray's menu is not held by the dialog): the
    // open dialog keeps what the user has typed and comes to the front.
    if (m_context.dialog.isVisible()) {
        m_context.dialog.raise();
        m_context.dialog.activateWindow();
        return;
    }
    FillLanguages();
    FillTypedAnswerRules();
    SettingsForm form = ReadControls();
    form.Load(m_context.settings.File().Load(), m_context.settings.Settings());
    ShowForm(form);
    ApplyScheduleEnabling(form.ScheduleOn);
    m_context.dialog.Pages()->setCurrentIndex(0);
    showModal(m_context.dialog);
}

SettingsForm SettingsDialogController::ReadControls() const
{
    const LearningSettingsPage* learning = m_context.dialog.Learning();
    const ScheduleSettingsPage* schedule = m_context.dialog.Schedule();
    SettingsForm form;
    form.CorrectAnswers = learning->ThresholdEditor()->value();
    form.BlockSize = learning->BlockSizeEditor()->value();
    form.PopupDelay = learning->PopupDelayEditor()->value();
    form.TypedAnyMeaning = learning->TypedAnswerBox()->currentIndex() == 1;
    for (ExerciseKind kind : kAllExerciseKinds) {
        form.Exercises[kind] = learning->ExerciseCheckBox(kind)->isChecked();
    }
    form.ScheduleOn = schedule->ScheduleCheckBox()->isChecked();
    form.DailySelected = schedule->DailyButton()->isChecked();
    form.IntervalMinutes = schedule->IntervalEditor()->value();
    form.Hour = schedule->HourEditor()->value();
    form.Minute = schedule->MinuteEditor()->value();
    form.Language = m_context.dialog.Interface()->LanguageBox()->currentData().toString();
    form.SayWords = m_context.dialog.Interface()->SayWordsBox()->isChecked();
    return form;
}

void SettingsDialogController::ShowForm(const SettingsForm& form)
{
    LearningSettingsPage* learning = m_context.dialog.Learning();
    ScheduleSettingsPage* schedule = m_context.dialog.Schedule();
    learning->ThresholdEditor()->setValue(form.CorrectAnswers);
    learning->BlockSizeEditor()->setValue(form.BlockSize);
    learning->PopupDelayEditor()->setValue(form.PopupDelay);
    learning->TypedAnswerBox()->setCurrentIndex(form.TypedAnyMeaning ? 1 : 0);
    for (ExerciseKind kind : kAllExerciseKinds) {
        learning->ExerciseCheckBox(kind)->setChecked(form.Exercises[kind]);
    }
    schedule->ScheduleCheckBox()->setChecked(form.ScheduleOn);
    (form.DailySelected ? schedule->DailyButton() : schedule->DuringDayButton())->setChecked(true);
    schedule->IntervalEditor()->setValue(form.IntervalMinutes);
    schedule->HourEditor()->setValue(form.Hour);
    schedule->MinuteEditor()->setValue(form.Minute);
    m_context.dialog.Interface()->SayWordsBox()->setChecked(form.SayWords);
    // A language the program has no file for shows as the language of this run.
    QComboBox* languages = m_context.dialog.Interface()->LanguageBox();
    int index = languages->findData(form.Language);
    if (index < 0) {
        index = languages->findData(m_context.texts.LanguageName());
    }
    languages->setCurrentIndex(index);
}

void SettingsDialogController::FillTypedAnswerRules()
{
    QComboBox* rules = m_context.dialog.Learning()->TypedAnswerBox();
    rules->clear();
    for (const char* key : { "form5_message_typed_exact", "form5_message_typed_meaning" }) {
        rules->addItem(m_context.texts.LookupMessage(QString::fromLatin1(key)));
    }
}

void SettingsDialogController::FillLanguages()
{
    // Each language is named in the interface language.
    QComboBox* languages = m_context.dialog.Interface()->LanguageBox();
    languages->clear();
    for (const QString& name : m_context.texts.AvailableLanguages()) {
        QString caption = m_context.texts.LookupMessage(QStringLiteral("form5_message_language_") + name);
        languages->addItem(caption.isEmpty() ? name : caption, name);
    }
}

void SettingsDialogController::ApplyScheduleEnabling(bool scheduleOn)
{
    // The captions of the modes (Label7, Label8) keep their state.
    ScheduleSettingsPage* schedule = m_context.dialog.Schedule();
    for (QWidget* control : std::initializer_list<QWidget*> { schedule->DuringDayButton(), schedule->IntervalEditor(),
             schedule->IntervalUnitLabel(), schedule->DailyButton(), schedule->HourEditor(), schedule->MinuteEditor(),
             schedule->TimeSeparatorLabel() }) {
        control->setEnabled(scheduleOn);
    }
}

void SettingsDialogController::Confirm()
{
    const SettingsForm form = ReadControls();
    if (!form.IsValid()) {
        m_context.prompts.Error(m_context.texts.LookupMessage(QStringLiteral("form5_message_error1")));
        return;
    }
    bool written = true;
    const bool applied = CommandGuard(m_context.prompts).Run([this, &form, &written] {
        SettingsStore& store = m_context.settings;
        written = form.Save(store.File(), store.Settings(), store.Time().MonotonicMs());
        m_context.reminders.Apply();
    });
    if (!applied) {
        return;
    }
    // The new settings hold for this run either way; the user learns that the next start
    // will not have them.
    if (!written) {
        const UserText text(QStringLiteral("form1_message_error_settings"),
            QStringLiteral("The settings could not be saved to %1. They apply until Glossmere is closed."),
            { QDir::toNativeSeparators(m_context.settings.File().Path()) });
        m_context.prompts.Error(text.In([this](const QString& key) { return m_context.texts.LookupMessage(key); }));
    }
    m_context.dialog.accept();
}

void SettingsDialogController::Closed()
{
    // Opened from the notification area: the program goes back there.
    if (m_context.tray.IsShown()) {
        Q_EMIT BackToTrayRequested();
    }
}
