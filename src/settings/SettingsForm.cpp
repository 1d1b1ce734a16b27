#include "settings/SettingsForm.h"

#include "base/AppSettings.h"
#include "base/IniDocument.h"
#include "base/IniFile.h"
#include "base/SettingsKeys.h"
#include "base/SettingsStore.h"
#include "settings/DailyTime.h"

#include <algorithm>
#include <iterator>

using namespace SettingsKeys;

namespace {

constexpr int kLargestInterval = 65535; // the interval editor's upper bound

// The order the exercise keys are written in, and the boxes OK requires one of.
constexpr ExerciseKind kSaveOrder[] = { ExerciseKind::associaciya, ExerciseKind::mozaika, ExerciseKind::vibor_perevoda,
    ExerciseKind::vspomnit, ExerciseKind::perevod, ExerciseKind::para };
constexpr ExerciseKind kRequiredOneOf[] = { ExerciseKind::associaciya, ExerciseKind::mozaika,
    ExerciseKind::vibor_perevoda, ExerciseKind::vspomnit, ExerciseKind::perevod };

// The interval editor holds whole minutes from 1 up. An interval that is no number means
// no reminder, which the editor cannot show: it shows the default.
int IntervalOf(const QString& text)
{
    const std::optional<int> minutes = IniDocument::ParseInteger(text);
    if (!minutes) {
        return SettingsStore::kDefaultIntervalMinutes;
    }
    return std::min(*minutes, kLargestInterval);
}

QString Flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

void SettingsForm::Load(const IniDocument& file, AppSettings& settings)
{
    CorrectAnswers = SettingsStore::ReadCorrectAnswerThreshold(file);
    BlockSize = SettingsStore::ReadMaxBlockSize(file);
    PopupDelay = SettingsStore::ReadPopupDelay(file);
    TypedAnyMeaning = file.ReadFlag(kMain, kTypedAnyMeaning, 0);
    SayWords = file.ReadFlag(kMain, kSayWords, 0);
    for (ExerciseKind kind : kAllExerciseKinds) {
        Exercises[kind] = file.ReadFlag(kMain, UseSettingKey(kind), 1);
    }
    Language = file.ReadString(kMain, kLanguage, Language);

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
    IntervalMinutes = IntervalOf(SettingsStore::ReadIntervalMinutes(file));
    const DailyTime::Parts time = DailyTime::Split(file.ReadString(kSchedule, kDailyValue, QString()));
    Hour = time.Hour;
    Minute = time.Minute;
}

bool SettingsForm::IsValid() const
{
    return std::any_of(
        std::begin(kRequiredOneOf), std::end(kRequiredOneOf), [this](ExerciseKind kind) { return Exercises[kind]; });
}

bool SettingsForm::Save(const IniFile& file, AppSettings& settings, qint64 now) const
{
    const bool written = file.Edit([this](IniDocument& document) { WriteTo(document); });
    ApplyTo(settings, now);
    return written;
}

void SettingsForm::WriteTo(IniDocument& file) const
{
    file.Write(kMain, kKolCorrectAnswers, QString::number(CorrectAnswers));
    file.Write(kMain, kMaxBlockSize, QString::number(BlockSize));
    file.Write(kMain, kPopupDelay, QString::number(PopupDelay));
    for (ExerciseKind kind : kSaveOrder) {
        file.Write(kMain, UseSettingKey(kind), Flag(Exercises[kind]));
    }
    // Keys the program added later come after the ones stored files have always had.
    file.Write(kMain, kTypedAnyMeaning, Flag(TypedAnyMeaning));
    file.Write(kMain, kSayWords, Flag(SayWords));
    if (!Language.isEmpty()) {
        file.Write(kMain, kLanguage, Language);
    }
    file.Write(kSchedule, kUseSchedule, Flag(ScheduleOn));
    if (!ScheduleOn) {
        return;
    }
    // The selected mode's flag and value, then the other mode's flag.
    if (DailySelected) {
        file.Write(kSchedule, kDaily, Flag(true));
        file.Write(kSchedule, kDailyValue, DailyTime::Join(Hour, Minute));
        file.Write(kSchedule, kDuringDay, Flag(false));
    } else {
        file.Write(kSchedule, kDuringDay, Flag(true));
        file.Write(kSchedule, kDuringDayValue, QString::number(IntervalMinutes));
        file.Write(kSchedule, kDaily, Flag(false));
    }
}

void SettingsForm::ApplyTo(AppSettings& settings, qint64 now) const
{
    settings.CorrectAnswerThreshold = static_cast<quint16>(CorrectAnswers);
    settings.MaxBlockSize = static_cast<quint16>(BlockSize);
    settings.PopupDelay = static_cast<quint16>(PopupDelay);
    settings.TypedAnyMeaning = TypedAnyMeaning;
    settings.SayWords = SayWords;
    settings.EnabledExerciseCount = 0;
    for (ExerciseKind kind : kSaveOrder) {
        settings.UseExercise[kind] = Exercises[kind];
        if (Exercises[kind]) {
            ++settings.EnabledExerciseCount;
        }
    }

    settings.ReminderTimerOn = ScheduleOn;
    if (!ScheduleOn) {
        return;
    }
    // Arming one mode leaves the other armed (the shared value silences it). The interval
    // counts from OK: from any earlier point, a user who has just switched it on could be
    // reminded at once.
    if (DailySelected) {
        settings.ScheduleValue = DailyTime::Join(Hour, Minute);
        settings.DailyArmed = true;
    } else {
        settings.ScheduleValue = QString::number(IntervalMinutes);
        settings.DuringDayArmed = true;
        settings.IntervalStartTick = now;
    }
}
