#pragma once

#include "app/ExerciseKind.h"

#include <QString>
#include <QtGlobal>

// The settings the running program consults, filled from the settings file when the main
// window is created and changed by the settings dialog.
struct AppSettings {
    quint16 CorrectAnswerThreshold = 2; // right answers per exercise that complete a card
    quint16 MaxBlockSize = 8; // cards in a learning block
    quint16 PopupDelay = 2; // seconds the answer popup stays; 0 means none
    ExerciseFlags UseExercise;
    quint16 EnabledExerciseCount = 0; // flags of UseExercise that are on, counted as set
    ExerciseFlags NoticeShown; // one-time notice already shown

    // Reminders. The interval (minutes) and the daily time are kept apart, so both modes
    // can be armed at once without reading "12:00" as a number of minutes.
    bool DuringDayArmed = false;
    bool DailyArmed = false;
    QString DuringDayValue; // minutes as decimal text, e.g. "120"
    QString DailyValue; // "HH:MM", e.g. "12:00"
    qint64 IntervalStartTick = 0; // monotonic ms when the interval last started
    bool ReminderTimerOn = false; // whether the one-second reminder timer runs
};
