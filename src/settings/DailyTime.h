#pragma once

#include <QString>

// The time of the daily reminder, "HH:MM" on a 24-hour clock, and the wrap-round rules of
// its two editors: stepping past either end of the hours or minutes comes round to the
// other end, and every value shows with two digits.
namespace DailyTime {

enum class Field { Hour, Minute };

struct Parts {
    int Hour = 12;
    int Minute = 0;
};

// One step past the end of a field comes round: hours 24 and up become 0, below 0 become
// 23; minutes 60 and up become 0, below 0 become 59.
int Wrap(Field field, int value);
// A value as its editor shows it: one digit gets a leading "0" ("05"); others unchanged.
QString TwoDigits(int value);
// Hours from characters 1-2 and minutes from characters 4-5, each wrapped into range. An
// empty text, or one whose two places do not hold integers, gives 12:00.
Parts Split(const QString& value);
// "HH:MM" as the settings file keeps it.
QString Join(int hour, int minute);

} // namespace DailyTime
