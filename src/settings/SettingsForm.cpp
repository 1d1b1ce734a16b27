#include "settings/SettingsForm.h"

#include "base/AppSettings.h"
#include "base/IniDocument.h"
#include "base/IniFile.h"
#include "base/SettingsKeys.h"
#include "settings/DailyTime.h"

#include <algorithm>
#include <iterator>

using namespace SettingsKeys;

namespace {

constexpr int kDefaultInterval = 10;
constexpr int kLargestInterval = 65535; // the interval editor's upper bound

// The order the exercise keys are written in, and the boxes OK requires one of.
constexpr ExerciseKind kSaveOrder[] = { ExerciseKind::associaciya, ExerciseKind::mozaika, ExerciseKind::vibor_perevoda,
    ExerciseKind::vspomnit, ExerciseKind::perevod, ExerciseKind::para };
constexpr ExerciseKind kRequiredOneOf[] = { ExerciseKind::associaciya, ExerciseKind::mozaika,
    ExerciseKind::vibor_perevoda, ExerciseKind::vspomnit, ExerciseKind::perevod };

// The interval editor holds whole minutes from 0 up. A negative or non-numeric interval
// would mean no reminder, which the editor cannot show: it shows the dialog's default.
int IntervalOf(const QString& text)
{
    const std::optional<int> minutes = IniDocument::ParseInteger(text);
    if (!minutes || *minutes < 0) {
        return kDefaultInterval;
    }
    return std::min(*minutes, kLargestInterval);
}

} // namespace

void SettingsForm::Load(const IniDocument& file, AppSettings& settings)
{
    CorrectAnswers = file.ReadInteger(kMain, kKolCorrectAnswers, 2);
    BlockSize = file.ReadInteger(kMain, kMaxBlockSize, 8);
    PopupDelay = file.ReadInteger(kMain, kPopupDelay, 2);
    for (ExerciseKind kind : kAllExerciseKinds) {
        Exercises[kind] = file.ReadFlag(kMain, UseSettingKey(kind), 1);
    }

    ScheduleOn = file.ReadFlag(kSchedule, kUseSchedule, 1);
    if (!ScheduleOn) {
        settings.DuringDayArmed = false;
        settings.DailyArmed = false;
        return;
    }
    // Both flags at 1 leave the daily mode selected; neither keeps the last selection.
    if (file.ReadFlag(kSchedule, kDuringDay, 1)) {
        DailySelected = false;
    }
    if (file.ReadFlag(kSchedule, kDaily, 1)) {
        DailySelected = true;
    }
    IntervalMinutes = IntervalOf(file.ReadString(kSchedule, kDuringDayValue, QString::number(kDefaultInterval)));
    const DailyTime::Parts time = DailyTime::Split(file.ReadString(kSchedule, kDailyValue, QString()));
    Hour = time.Hour;
    Minute = time.Minute;
}

bool SettingsForm::IsValid() const
{
    return std::any_of(
        std::begin(kRequiredOneOf), std::end(kRequiredOneOf), [this](ExerciseKind kind) { return Exercises[kind]; });
}

bool SettingsForm::Save(const IniFile& file, AppSettings& settings) const
{
    bool written = true;
    written &= file.WriteInteger(kMain, kKolCorrectAnswers, CorrectAnswers);
    settings.CorrectAnswerThreshold = static_cast<quint16>(CorrectAnswers);
    written &= file.WriteInteger(kMain, kMaxBlockSize, BlockSize);
    settings.MaxBlockSize = static_cast<quint16>(BlockSize);
    written &= file.WriteInteger(kMain, kPopupDelay, PopupDelay);
    settings.PopupDelay = static_cast<quint16>(PopupDelay);

    settings.EnabledExerciseCount = 0;
    for (ExerciseKind kind : kSaveOrder) {
        written &= file.WriteInteger(kMain, UseSettingKey(kind), Exercises[kind] ? 1 : 0);
        settings.UseExercise[kind] = Exercises[kind];
        if (Exercises[kind]) {
            ++settings.EnabledExerciseCount;
        }
    }

    if (!ScheduleOn) {
        written &= file.WriteInteger(kSchedule, kUseSchedule, 0);
        settings.ReminderTimerOn = false;
        return written;
    }
    written &= file.WriteInteger(kSchedule, kUseSchedule, 1);
    // Arming one mode leaves the other's flag as it was (the shared value silences it), and
    // the interval keeps its starting point.
    if (DailySelected) {
        settings.ScheduleValue = DailyTime::Join(Hour, Minute);
        written &= file.WriteInteger(kSchedule, kDaily, 1);
        written &= file.WriteString(kSchedule, kDailyValue, settings.ScheduleValue);
        settings.DailyArmed = true;
        written &= file.WriteInteger(kSchedule, kDuringDay, 0);
    } else {
        settings.ScheduleValue = QString::number(IntervalMinutes);
        written &= file.WriteInteger(kSchedule, kDuringDay, 1);
        written &= file.WriteString(kSchedule, kDuringDayValue, settings.ScheduleValue);
        settings.DuringDayArmed = true;
        written &= file.WriteInteger(kSchedule, kDaily, 0);
    }
    settings.ReminderTimerOn = true;
    return written;
}
