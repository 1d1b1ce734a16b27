#include "base/SettingsStore.h"

#include "base/Clock.h"
#include "base/SettingsKeys.h"

#include <algorithm>

using namespace SettingsKeys;

namespace {

constexpr quint16 kLargest = 65535;

// The low 16 bits of a number from 0 up, held within [lowest, highest]; a negative number
// reads as `negative`.
quint16 ReadBounded(const IniDocument& file, const QString& key, quint16 defaultValue, quint16 lowest, quint16 highest,
    quint16 negative)
{
    const int value = file.ReadInteger(kMain, key, defaultValue);
    if (value < 0) {
        return negative;
    }
    return std::clamp(static_cast<quint16>(value), lowest, highest);
}

} // namespace

quint16 SettingsStore::ReadCorrectAnswerThreshold(const IniDocument& file)
{
    return ReadBounded(file, kKolCorrectAnswers, 2, 1, kLargest, 1);
}

quint16 SettingsStore::ReadMaxBlockSize(const IniDocument& file)
{
    // A block holds at most 8 cards: the exercises have 8 rows of options.
    return ReadBounded(file, kMaxBlockSize, 8, 2, 8, 2);
}

quint16 SettingsStore::ReadPopupDelay(const IniDocument& file)
{
    return ReadBounded(file, kPopupDelay, 2, 0, kLargest, 2);
}

QString SettingsStore::ReadIntervalMinutes(const IniDocument& file)
{
    const QString text = file.ReadString(kSchedule, kDuringDayValue, QString::number(kDefaultIntervalMinutes));
    const std::optional<int> minutes = IniDocument::ParseInteger(text);
    return minutes && *minutes < 1 ? QStringLiteral("1") : text;
}

SettingsStore::SettingsStore(QString settingsPath, const Clock& clock)
    : m_file(std::move(settingsPath))
    , m_clock(clock)
{
}

void SettingsStore::LoadSettings()
{
    const IniDocument file = m_file.Load();
    AppSettings& s = m_settings;

    s.CorrectAnswerThreshold = ReadCorrectAnswerThreshold(file);
    s.MaxBlockSize = ReadMaxBlockSize(file);
    s.PopupDelay = ReadPopupDelay(file);
    s.TypedAnyMeaning = file.ReadFlag(kMain, kTypedAnyMeaning, 0);
    s.SayWords = file.ReadFlag(kMain, kSayWords, 0);

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
            s.ScheduleValue = ReadIntervalMinutes(file);
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
