#include "base/AppSettings.h"
#include "settings/ReminderScheduler.h"
#include "support/FakeSeams.h"

#include <QtTest>

namespace {

constexpr qint64 kSecond = 1000;
constexpr qint64 kMinute = 60 * kSecond;

} // namespace

// When the one-second timer reminds, driven tick by tick on a clock moved by hand.
class TestReminderScheduler : public QObject {
    Q_OBJECT

private:
    // Ticks once a second for the given time; the monotonic times of the reminders.
    static QList<qint64> RunFor(ReminderScheduler& scheduler, FakeClock& clock, qint64 duration)
    {
        QList<qint64> reminders;
        for (qint64 waited = 0; waited < duration; waited += kSecond) {
            clock.Advance(kSecond);
            if (scheduler.Tick()) {
                reminders.append(clock.MonotonicMs());
            }
        }
        return reminders;
    }

private Q_SLOTS:
    void intervalArmedAtStartRemindsEveryInterval()
    {
        FakeClock clock;
        const qint64 start = 5 * kMinute + 300; // armed between two ticks
        clock.SetMonotonic(start);
        AppSettings settings;
        settings.DuringDayArmed = true;
        settings.ScheduleValue = "120";
        settings.IntervalStartTick = start;
        ReminderScheduler scheduler(settings, clock);

        const QList<qint64> reminders = RunFor(scheduler, clock, 250 * kMinute);
        QCOMPARE(reminders, QList<qint64>({ start + 120 * kMinute, start + 240 * kMinute }));
        QCOMPARE(settings.IntervalStartTick, start + 240 * kMinute);
    }

    void intervalCountsFromTheFirstTickPastIt()
    {
        FakeClock clock;
        clock.SetMonotonic(0);
        AppSettings settings;
        settings.DuringDayArmed = true;
        settings.ScheduleValue = "1";
        settings.IntervalStartTick = 0;
        ReminderScheduler scheduler(settings, clock);
        clock.SetMonotonic(kMinute - 1);
        QVERIFY(!scheduler.Tick());
        clock.SetMonotonic(kMinute + 700); // a late tick reminds, and the next minute counts from it
        QVERIFY(scheduler.Tick());
        clock.SetMonotonic(2 * kMinute + 699);
        QVERIFY(!scheduler.Tick());
        clock.SetMonotonic(2 * kMinute + 700);
        QVERIFY(scheduler.Tick());
    }

    void zeroMinutesRemindsAtEveryTick()
    {
        FakeClock clock;
        AppSettings settings;
        settings.DuringDayArmed = true;
        settings.ScheduleValue = "0";
        settings.IntervalStartTick = clock.MonotonicMs();
        ReminderScheduler scheduler(settings, clock);
        QCOMPARE(RunFor(scheduler, clock, 3 * kSecond).size(), 3);
    }

    void intervalWithoutStartingPointCountsFromZero()
    {
        // A starting point never set is 0: the first reminder comes once the system has been
        // up for the interval.
        FakeClock clock;
        clock.SetMonotonic(30 * kMinute);
        AppSettings settings;
        settings.DuringDayArmed = true;
        settings.ScheduleValue = "60";
        ReminderScheduler scheduler(settings, clock);
        QCOMPARE(settings.IntervalStartTick, qint64(0));
        const QList<qint64> reminders = RunFor(scheduler, clock, 31 * kMinute);
        QCOMPARE(reminders, QList<qint64>({ 60 * kMinute }));

        // Already up longer than the interval: the very next tick reminds.
        AppSettings late;
        late.DuringDayArmed = true;
        late.ScheduleValue = "60";
        ReminderScheduler lateScheduler(late, clock);
        QVERIFY(lateScheduler.Tick());
    }

    void dailyTimeRemindsOnceADay()
    {
        // The timer ticks 60 times in the set minute; the user is reminded at the first only,
        // and again the next day.
        FakeClock clock;
        AppSettings settings;
        settings.DailyArmed = true;
        settings.ScheduleValue = "12:00";
        ReminderScheduler scheduler(settings, clock);
        QStringList reminded;
        const auto tickThrough = [&](QTime from, QTime to) {
            for (QTime time = from; time <= to; time = time.addSecs(1)) {
                clock.SetLocalTime(time);
                clock.Advance(kSecond);
                if (scheduler.Tick()) {
                    reminded.append(time.toString("HH:mm:ss"));
                    QCOMPARE(settings.IntervalStartTick, clock.MonotonicMs());
                }
            }
        };
        tickThrough(QTime(11, 59, 58), QTime(12, 1, 1));
        QCOMPARE(reminded, QStringList { "12:00:00" });
        tickThrough(QTime(12, 0, 10), QTime(12, 0, 12)); // the next day, a tick late
        QCOMPARE(reminded, QStringList({ "12:00:00", "12:00:10" }));
    }

    void dailyTimeMatchesTwoDigitHours()
    {
        FakeClock clock;
        AppSettings settings;
        settings.DailyArmed = true;
        settings.ScheduleValue = "07:05";
        ReminderScheduler scheduler(settings, clock);
        clock.SetLocalTime(QTime(7, 5, 30));
        QVERIFY(scheduler.Tick());
        clock.SetLocalTime(QTime(19, 5, 30));
        QVERIFY(!scheduler.Tick());
        settings.ScheduleValue = "7:05"; // not the two-digit form: never matches
        clock.SetLocalTime(QTime(7, 5, 30));
        QVERIFY(!scheduler.Tick());
    }

    void bothModesArmedOnlyTheLastArmedReminds()
    {
        // Both flags on share one value: a daily time is no number of minutes, so only the
        // daily mode reminds; after the interval is armed, its minutes never equal a time.
        FakeClock clock;
        clock.SetMonotonic(kMinute);
        AppSettings settings;
        settings.DuringDayArmed = true;
        settings.DailyArmed = true;
        settings.IntervalStartTick = 0;
        settings.ScheduleValue = "12:00";
        ReminderScheduler scheduler(settings, clock);
        clock.SetLocalTime(QTime(11, 0, 0));
        clock.SetMonotonic(1000 * kMinute);
        QVERIFY(!scheduler.Tick());
        clock.SetLocalTime(QTime(12, 0, 30));
        QVERIFY(scheduler.Tick());

        settings.ScheduleValue = "1";
        clock.Advance(kMinute);
        QVERIFY(scheduler.Tick());
        clock.SetLocalTime(QTime(0, 1, 0));
        clock.Advance(kSecond);
        QVERIFY(!scheduler.Tick());
    }

    void intervalThatIsNoWholeNumberNeverReminds_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("a daily time") << "12:00";
        QTest::newRow("fraction") << "1.5";
        QTest::newRow("empty") << "";
        QTest::newRow("text") << "often";
        QTest::newRow("negative") << "-5";
        QTest::newRow("beyond 32 bits") << "99999999999";
    }

    void intervalThatIsNoWholeNumberNeverReminds()
    {
        QFETCH(QString, value);
        FakeClock clock;
        clock.SetMonotonic(400 * 24 * 60 * kMinute); // a long uptime
        AppSettings settings;
        settings.DuringDayArmed = true;
        settings.ScheduleValue = value;
        ReminderScheduler scheduler(settings, clock);
        QVERIFY(!scheduler.Tick());
        QCOMPARE(settings.IntervalStartTick, qint64(0));
        QCOMPARE(ReminderScheduler::IntervalMs(value), std::nullopt);
    }

    void longIntervalDoesNotOverflow()
    {
        // 65535 minutes, the editor's largest, is past 2^31 milliseconds.
        FakeClock clock;
        clock.SetMonotonic(kSecond);
        AppSettings settings;
        settings.DuringDayArmed = true;
        settings.ScheduleValue = "65535";
        settings.IntervalStartTick = kSecond;
        ReminderScheduler scheduler(settings, clock);
        QCOMPARE(ReminderScheduler::IntervalMs("65535"), std::optional<qint64>(65535 * kMinute));
        clock.Advance(kSecond);
        QVERIFY(!scheduler.Tick());
        clock.SetMonotonic(kSecond + 65535 * kMinute - 1);
        QVERIFY(!scheduler.Tick());
        clock.Advance(1);
        QVERIFY(scheduler.Tick());
    }

    void nothingArmedNeverReminds()
    {
        FakeClock clock;
        clock.SetLocalTime(QTime(12, 0));
        AppSettings settings;
        settings.ScheduleValue = "0";
        ReminderScheduler scheduler(settings, clock);
        QVERIFY(RunFor(scheduler, clock, 5 * kSecond).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestReminderScheduler)
#include "tst_ReminderScheduler.moc"
