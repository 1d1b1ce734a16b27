#include "base/SettingsStore.h"

#include "base/Clock.h"
#include "base/SettingsKeys.h"

using namespace SettingsKeys;

SettingsStore::SettingsStore(QString settingsPath, const Clock& clock)
    : m_file(std::move(settingsPath))
    , m_clock(clock)
{
}

void SettingsStore::LoadSettings()
{
    const IniDocument file = m_file.Load();
    AppSettings& s = m_settings;

    // Integer fields keep the low 16 bits of what the file holds; no range is applied.
    s.CorrectAnswerThreshold = static_cast<quint16>(file.ReadInteger(kMain, kKolCorrectAnswers, 2));
    s.MaxBlockSize = static_cast<quint16>(file.ReadInteger(kMain, kMaxBlockSize, 8));
    s.PopupDelay = static_cast<quint16>(file.ReadInteger(kMain, kPopupDelay, 2));

    // Association and mosaic are left as start-up set them: they are never scheduled.
    s.EnabledExerciseCount = 0;
    for (ExerciseKind kind :
        { ExerciseKind::vibor_perevoda, ExerciseKind::para, ExerciseKind::vspomnit, ExerciseKind::perevod }) {
        s.UseExercise[kind] = file.ReadFlag(kMain, UseSettingKey(kind), 1);
        if (s.UseExercise[kind]) {
            ++s.EnabledExerciseCount;
        }
    }

    // The modes are only ever armed here; the settings dialog is what disarms them.
    if (file.ReadFlag(kSchedule, kUseSchedule, 1)) {
        if (file.ReadFlag(kSchedule, kDuringDay, 1)) {
            s.DuringDayArmed = true;
            s.ScheduleValue = file.ReadString(kSchedule, kDuringDayValue, QStringLiteral("120"));
            s.IntervalStartTick = m_clock.MonotonicMs();
        }
        if (file.ReadFlag(kSchedule, kDaily, 1)) {
            s.DailyArmed = true;
            s.ScheduleValue = file.ReadString(kSchedule, kDailyValue, QStringLiteral("12:00"));
        }
        s.ReminderTimerOn = true;
    } else {
        s.ReminderTimerOn = false;
    }

    for (ExerciseKind kind : { ExerciseKind::associaciya, ExerciseKind::mozaika, ExerciseKind::vibor_perevoda,
             ExerciseKind::vspomnit, ExerciseKind::perevod, ExerciseKind::para }) {
        s.NoticeShown[kind] = file.ReadFlag(kNotify, NotifyKey(kind), 1);
    }
}

void SettingsStore::MarkNoticeShown(ExerciseKind kind)
{
    m_settings.NoticeShown[kind] = true;
    m_file.WriteInteger(kNotify, NotifyKey(kind), 1);
}
