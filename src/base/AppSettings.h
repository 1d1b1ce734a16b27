#pragma once

#include "base/ExerciseKind.h"

#include <QString>
#include <QtGlobal>

// The settings the running program consults, filled from the settings file when the main
// window is created and changed by the settings dialog.
struct AppSettings {
    quint16 CorrectAnswerThreshold = 2; // right answers per exercise that complete a card
    quint16 MaxBlockSize = 8; // cards in a learning block
    quint16 PopupDelay = 2; // seconds the answer popup stays; 0 means none
    bool TypedAnyMeaning = false; // a typed answer may be any one meaning, not the whole translation
    bool SayWords = false; // each word is said aloud as it appears
    ExerciseFlags UseExercise;
    quint16 EnabledExerciseCount = 0; // flags of UseExercise that are on, counted as set
    ExerciseFlags NoticeShown; // one-time notice already shown

    // Reminders. Both modes share one value, written by whichever mode was armed last: the
    // minutes of the interval as decimal text ("120") or the daily time ("12:00"). A mode
    // armed earlier stays armed but no longer matches it (a time is no number of minutes,
    // a number never equals a time), so the mode armed last is the one that reminds.
    bool DuringDayArmed = false;
    bool DailyArmed = false;
    QString ScheduleValue;
    qint64 IntervalStartTick = 0; // monotonic ms when the interval last started
    bool ReminderTimerOn = false; // whether the one-second reminder timer runs
};
