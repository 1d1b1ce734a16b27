#pragma once

#include "base/Clock.h"
#include "base/EventPump.h"
#include "base/Shell.h"

#include <QList>
#include <QUrl>

// A clock the test moves by hand.
class FakeClock final : public Clock {
public:
    qint64 MonotonicMs() const override { return m_monotonic; }
    QTime LocalTime() const override { return m_time; }
    QDate LocalDate() const override { return m_date; }

    void SetMonotonic(qint64 ms) { m_monotonic = ms; }
    void Advance(qint64 ms) { m_monotonic += ms; }
    void SetLocalTime(const QTime& time) { m_time = time; }
    void SetLocalDate(const QDate& date) { m_date = date; }

private:
    qint64 m_monotonic = 1000;
    QTime m_time { 9, 0 };
    QDate m_date { 2026, 3, 2 };
};

// Counts the pauses for pending events and the answer popup's holds instead of waiting.
class CountingEventPump final : public EventPump {
public:
    void ProcessPendingEvents() override { ++m_processed; }
    void Hold(int milliseconds) override { m_holds.append(milliseconds); }
    void EndHold() override { }

    int Processed() const { return m_processed; }
    const QList<int>& Holds() const { return m_holds; }

private:
    int m_processed = 0;
    QList<int> m_holds;
};

// Records what the program asked the desktop to open.
class RecordingShell final : public Shell {
public:
    bool Open(const QUrl& url) override
    {
        m_opened.append(url);
        return m_succeeds;
    }
    void SetSucceeds(bool succeeds) { m_succeeds = succeeds; }
    const QList<QUrl>& Opened() const { return m_opened; }

private:
    QList<QUrl> m_opened;
    bool m_succeeds = true;
};
