#pragma once

// Reminders. The settings hold two reminder modes: during the day every N minutes (measured
// from IntervalStartTick on the monotonic clock: from start-up, from OK in the settings
// dialog, then from each reminder), and daily at a set time; they share one value
// (ScheduleValue), so only the mode armed last ever matches it. ReminderScheduler decides,
// once a second, whether the user is to be reminded; ReminderTimer runs it on a one-second
// timer and brings the program back to the screen. The settings dialog arms the modes and
// switches the timer on and off.

#include <QString>
#include <QtGlobal>
#include <optional>

class Clock;
struct AppSettings;

class ReminderScheduler {
public:
    ReminderScheduler(AppSettings& settings, const Clock& clock);

    // One tick of the reminder timer: true when the user is to be reminded now: the
    // interval has run out, or the daily time has come. The daily time holds for a whole
    // minute of ticks and reminds at the first of them only. A reminder by either mode
    // starts the interval anew.
    bool Tick();

    // The during-day interval in milliseconds; nothing for a value that is not a whole
    // number of minutes from 0 up, which never reminds.
    static std::optional<qint64> IntervalMs(const QString& minutes);

private:
    bool IntervalIsDue(qint64 now) const;
    bool DailyTimeHasCome();

    AppSettings& m_settings;
    const Clock& m_clock;
    bool m_inDailyMinute = false; // the last tick fell in the daily time's minute
};
