#pragma once

#include "base/ExerciseKind.h"

#include <QString>

// The four exercises a learning block moves through, numbered 1 to 4 in that order. The
// session addresses them by number; each number names an exercise kind (its counter
// column, its enabling setting, its one-time notice) and the message keys of its window
// title and notice. Association and mosaic have no number: no session schedules them.
namespace ExerciseNumbers {

inline constexpr int kChoice = 1; // vibor_perevoda
inline constexpr int kPairs = 2; // para
inline constexpr int kRecall = 3; // vspomnit
inline constexpr int kTyped = 4; // perevod
inline constexpr int kCount = 4;

// The kind of exercise number 1 to 4.
ExerciseKind KindOf(int number);
// The number of a kind, 1 to 4; 0 for association and mosaic.
int NumberOf(ExerciseKind kind);
// The 0-based position of the exercise's counter column in the card table.
int CounterPosition(int number);
// "form4_message_vibor_perevoda" and so on: the window title while the exercise is shown.
QString TitleKey(int number);
// The same key followed by "_info": the text of the exercise's one-time notice.
QString NoticeKey(int number);

} // namespace ExerciseNumbers
