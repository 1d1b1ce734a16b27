#include "base/Clock.h"

#include <QDeadlineTimer>

qint64 SystemClock::MonotonicMs() const
{
    // QDeadlineTimer::current() reads the monotonic clock, which counts from system start.
    return QDeadlineTimer::current().deadline();
}

QTime SystemClock::LocalTime() const
{
    return QTime::currentTime();
}

QDate SystemClock::LocalDate() const
{
    return QDate::currentDate();
}
