#pragma once

#include "base/Clock.h"
#include "base/EventPump.h"
#include "base/Shell.h"
#include "base/Speech.h"

#include <QDateTime>
#include <QList>
#include <QStringList>
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
    // The system's time zone changes by `seconds` (east positive): the local date and time
    // jump by that much, the monotonic counter does not.
    void ChangeTimeZone(qint64 seconds)
    {
        const QDateTime moved = QDateTime(m_date, m_time, Qt::UTC).addSecs(seconds);
        m_date = moved.date();
        m_time = moved.time();
    }

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

// Speech that says nothing aloud: it records what it was asked to say (a new word cuts off the
// one before, so only the last is "being said"), and speaks the languages it is given.
class FakeSpeech final : public Speech {
public:
    QStringList Languages() const override { return m_languages; }
    void Say(const QString& text, const QString& language) override
    {
        if (!language.isEmpty() && ProblemFor(language).IsEmpty()) {
            m_said.append(text + QLatin1Char('/') + language);
        }
    }
    // The voices the system has: Changed() tells the windows, as the real one does.
    void SetLanguages(const QStringList& languages)
    {
        m_languages = languages;
        Q_EMIT Changed();
    }
    const QStringList& Said() const { return m_said; }

private:
    UserText Problem(const QString& language) const override
    {
        if (m_languages.contains(language)) {
            return {};
        }
        return UserText(QStringLiteral("form1_message_speech_no_voice"), QStringLiteral("No voice"));
    }

    QStringList m_languages { QStringLiteral("en"), QStringLiteral("ru"), QStringLiteral("es") };
    QStringList m_said;
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
