#pragma once

#include <QDate>
#include <QTime>
#include <QtGlobal>

// Time as the program sees it: a monotonic millisecond counter (milliseconds since the
// system started), the local time of day and the local date. Tests move a fake one by hand.
class Clock {
public:
    virtual ~Clock() = default;
    virtual qint64 MonotonicMs() const = 0;
    virtual QTime LocalTime() const = 0;
    virtual QDate LocalDate() const = 0;
};

class SystemClock final : public Clock {
public:
    qint64 MonotonicMs() const override;
    QTime LocalTime() const override;
    QDate LocalDate() const override;
};
