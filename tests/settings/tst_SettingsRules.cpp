#include "base/AppSettings.h"
#include "base/IniFile.h"
#include "base/SettingsStore.h"
#include "settings/DailyTime.h"
#include "settings/SettingsForm.h"
#include "support/FakeSeams.h"
#include "support/FileSizeLimit.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// The settings dialog's rules without its window: the daily-time editors' wrap-round, what
// opening loads from the file, what OK accepts and what it writes.
class TestSettingsRules : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    FakeClock m_clock;

    QString Path() const { return m_folder.filePath("settings.ini"); }
    IniFile File() const { return IniFile(Path()); }

    void WriteFile(const QByteArray& text) const
    {
        QFile file(Path());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }

    QByteArray Bytes() const
    {
        QFile file(Path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    SettingsForm Loaded(const QByteArray& text, SettingsForm form = {}) const
    {
        WriteFile(text);
        AppSettings settings;
        form.Load(File().Load(), settings);
        return form;
    }

    QString Stored(const QString& section, const QString& key) const
    {
        return File().ReadString(section, key, "<missing>");
    }

    static SettingsForm OnlyExercise(ExerciseKind only)
    {
        SettingsForm form;
        for (ExerciseKind kind : kAllExerciseKinds) {
            form.Exercises[kind] = kind == only;
        }
        return form;
    }

private Q_SLOTS:
    void editorsWrapRound_data()
    {
        QTest::addColumn<bool>("hour");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("wrapped");
        QTest::newRow("minute up from 59") << false << 60 << 0;
        QTest::newRow("minute down from 0") << false << -1 << 59;
        QTest::newRow("minute 59 stays") << false << 59 << 59;
        QTest::newRow("minute 0 stays") << false << 0 << 0;
        QTest::newRow("minute far above") << false << 75 << 0;
        QTest::newRow("hour up from 23") << true << 24 << 0;
        QTest::newRow("hour down from 0") << true << -1 << 23;
        QTest::newRow("hour 23 stays") << true << 23 << 23;
        QTest::newRow("hour far below") << true << -7 << 23;
    }

    void editorsWrapRound()
    {
        QFETCH(bool, hour);
        QFETCH(int, value);
        QFETCH(int, wrapped);
        QCOMPARE(DailyTime::Wrap(hour ? DailyTime::Field::Hour : DailyTime::Field::Minute, value), wrapped);
    }

    void valuesShowWithTwoDigits()
    {
        QCOMPARE(DailyTime::TwoDigits(5), QString("05"));
        QCOMPARE(DailyTime::TwoDigits(0), QString("00"));
        QCOMPARE(DailyTime::TwoDigits(30), QString("30"));
        QCOMPARE(DailyTime::Join(7, 5), QString("07:05"));
        QCOMPARE(DailyTime::Join(23, 59), QString("23:59"));
    }

    void dailyValueLoads_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("hour");
        QTest::addColumn<int>("minute");
        QTest::newRow("07:30") << QByteArray("Daily value=07:30\n") << 7 << 30;
        QTest::newRow("23:59") << QByteArray("Daily value=23:59\n") << 23 << 59;
        QTest::newRow("empty") << QByteArray("Daily value=\n") << 12 << 0;
        QTest::newRow("missing") << QByteArray() << 12 << 0;
        QTest::newRow("trailing blank in the key") << QByteArray("Daily value =06:15\n") << 6 << 15;
        QTest::newRow("one-digit hour") << QByteArray("Daily value=7:30\n") << 12 << 0;
        QTest::newRow("not a time") << QByteArray("Daily value=noon\n") << 12 << 0;
        QTest::newRow("one-digit minute") << QByteArray("Daily value=08:5\n") << 8 << 5;
        QTest::newRow("out of range wraps") << QByteArray("Daily value=24:60\n") << 0 << 0;
    }

    void dailyValueLoads()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, hour);
        QFETCH(int, minute);
        SettingsForm previous;
        previous.Hour = 3;
        previous.Minute = 3;
        const SettingsForm form = Loaded("[Schedule]\nUse schedule=1\n" + line, previous);
        QCOMPARE(form.Hour, hour);
        QCOMPARE(form.Minute, minute);
    }

    void openingLoadsTheDefaultsStartUpUses()
    {
        const SettingsForm form = Loaded("");
        QCOMPARE(form.CorrectAnswers, 2);
        QCOMPARE(form.BlockSize, 8);
        QCOMPARE(form.PopupDelay, 2);
        for (ExerciseKind kind : kAllExerciseKinds) {
            QVERIFY(form.Exercises[kind]);
        }
        QVERIFY(form.ScheduleOn);
        QVERIFY(form.DailySelected); // both mode flags default to 1: the daily one wins
        QCOMPARE(form.IntervalMinutes, 120);
        QCOMPARE(form.Hour, 12);
        QCOMPARE(form.Minute, 0);
    }

    void openingSelectsTheMode_data()
    {
        QTest::addColumn<QByteArray>("flags");
        QTest::addColumn<bool>("before");
        QTest::addColumn<bool>("daily");
        QTest::newRow("both at 1: daily") << QByteArray("During day=1\nDaily=1\n") << false << true;
        QTest::newRow("during day only") << QByteArray("During day=1\nDaily=0\n") << true << false;
        QTest::newRow("daily only") << QByteArray("During day=0\nDaily=1\n") << false << true;
        QTest::newRow("neither keeps during day") << QByteArray("During day=0\nDaily=0\n") << false << false;
        QTest::newRow("neither keeps daily") << QByteArray("During day=0\nDaily=2\n") << true << true;
    }

    void openingSelectsTheMode()
    {
        QFETCH(QByteArray, flags);
        QFETCH(bool, before);
        QFETCH(bool, daily);
        SettingsForm previous;
        previous.DailySelected = before;
        QCOMPARE(Loaded("[Schedule]\n" + flags, previous).DailySelected, daily);
    }

    void intervalEditorShowsWholeMinutes_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<int>("minutes");
        QTest::newRow("45") << QByteArray("45") << 45;
        QTest::newRow("0 reads as 1") << QByteArray("0") << 1;
        QTest::newRow("not a number") << QByteArray("12:00") << 120;
        QTest::newRow("negative reads as 1") << QByteArray("-5") << 1;
        QTest::newRow("beyond the editor") << QByteArray("99999") << 65535;
    }

    void intervalEditorShowsWholeMinutes()
    {
        QFETCH(QByteArray, value);
        QFETCH(int, minutes);
        QCOMPARE(Loaded("[Schedule]\nDuring day value=" + value + "\n").IntervalMinutes, minutes);
    }

    void openingShowsWhatTheProgramRunsWith_data()
    {
        QTest::addColumn<QByteArray>("main");
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("below") << QByteArray(
            "Kol correct answers=0\nMax block size learning words=1\nPopup delay=-1\n");
        QTest::newRow("above") << QByteArray("Kol correct answers=65537\nMax block size learning words=65538\n"
                                             "Popup delay=65536\n");
        QTest::newRow("not numbers") << QByteArray("Kol correct answers=two\nPopup delay=\n");
    }

    void openingShowsWhatTheProgramRunsWith()
    {
        QFETCH(QByteArray, main);
        const SettingsForm form = Loaded("[Main]\n" + main + "[Schedule]\nDaily=0\n");
        SettingsStore store(Path(), m_clock);
        store.LoadSettings();
        QCOMPARE(form.CorrectAnswers, int(store.Settings().CorrectAnswerThreshold));
        QCOMPARE(form.BlockSize, int(store.Settings().MaxBlockSize));
        QCOMPARE(form.PopupDelay, int(store.Settings().PopupDelay));
        QCOMPARE(QString::number(form.IntervalMinutes), store.Settings().ScheduleValue);
    }

    void scheduleSwitchedOffDisarmsAtOpening()
    {
        WriteFile("[Schedule]\nUse schedule=0\nDuring day=1\nDaily=1\nDuring day value=30\nDaily value=07:30\n");
        AppSettings settings;
        settings.DuringDayArmed = true;
        settings.DailyArmed = true;
        settings.ReminderTimerOn = true;
        SettingsForm form;
        form.IntervalMinutes = 77;
        form.Hour = 5;
        form.Load(File().Load(), settings);
        QVERIFY(!form.ScheduleOn);
        QVERIFY(!settings.DuringDayArmed);
        QVERIFY(!settings.DailyArmed);
        QVERIFY(settings.ReminderTimerOn); // the timer is left as it was
        // The reminder controls keep what they held.
        QCOMPARE(form.IntervalMinutes, 77);
        QCOMPARE(form.Hour, 5);

        // Switched on, opening arms nothing by itself.
        WriteFile("[Schedule]\nUse schedule=1\n");
        AppSettings untouched;
        SettingsForm reopened;
        reopened.Load(File().Load(), untouched);
        QVERIFY(!untouched.DuringDayArmed && !untouched.DailyArmed);
    }

    void okNeedsAnExerciseOtherThanPairs()
    {
        QVERIFY(!OnlyExercise(ExerciseKind::para).IsValid());
        SettingsForm none = OnlyExercise(ExerciseKind::para);
        none.Exercises[ExerciseKind::para] = false;
        QVERIFY(!none.IsValid());
        for (ExerciseKind kind : { ExerciseKind::vibor_perevoda, ExerciseKind::vspomnit, ExerciseKind::perevod,
                 ExerciseKind::associaciya, ExerciseKind::mozaika }) {
            QVERIFY2(OnlyExercise(kind).IsValid(), qPrintable(ExerciseIdentifier(kind)));
        }
    }

    void okWritesEveryLearningKeyInOrder()
    {
        WriteFile("[Main]\nLanguage=russian\n");
        SettingsForm form;
        form.CorrectAnswers = 3;
        form.BlockSize = 5;
        form.PopupDelay = 0;
        for (ExerciseKind kind : kAllExerciseKinds) {
            form.Exercises[kind] = true;
        }
        form.Exercises[ExerciseKind::associaciya] = false;
        form.Exercises[ExerciseKind::mozaika] = false;
        form.Exercises[ExerciseKind::vspomnit] = false;
        AppSettings settings;
        settings.UseExercise[ExerciseKind::vspomnit] = true;
        settings.EnabledExerciseCount = 9;
        form.Save(File(), settings, m_clock.MonotonicMs());

        const QStringList main = File().ReadSection("Main");
        QCOMPARE(main,
            QStringList({ "Language=russian", "Kol correct answers=3", "Max block size learning words=5",
                "Popup delay=0", "Use associaciya=0", "Use mozaika=0", "Use vibor perevoda=1", "Use vspomnit=0",
                "Use perevod=1", "Use para=1", "Typed answer any meaning=0", "Say words=0" }));
        QCOMPARE(settings.CorrectAnswerThreshold, quint16(3));
        QCOMPARE(settings.MaxBlockSize, quint16(5));
        QCOMPARE(settings.PopupDelay, quint16(0));
        QCOMPARE(settings.EnabledExerciseCount, quint16(3));
        QVERIFY(!settings.UseExercise[ExerciseKind::vspomnit]);
        QVERIFY(settings.UseExercise[ExerciseKind::para]);
        QVERIFY(!settings.UseExercise[ExerciseKind::associaciya]);
    }

    void okWithScheduleOffLeavesTheRemindersAlone()
    {
        const QByteArray schedule
            = "[Schedule]\nUse schedule=1\nDuring day=1\nDuring day value=30\nDaily=0\nDaily value=07:30\n";
        WriteFile(schedule);
        SettingsForm form;
        form.ScheduleOn = false;
        form.IntervalMinutes = 99;
        form.DailySelected = true;
        AppSettings settings;
        settings.DuringDayArmed = true;
        settings.ScheduleValue = "30";
        settings.ReminderTimerOn = true;
        form.Save(File(), settings, m_clock.MonotonicMs());
        QCOMPARE(File().ReadSection("Schedule"),
            QStringList({ "Use schedule=0", "During day=1", "During day value=30", "Daily=0", "Daily value=07:30" }));
        QVERIFY(!settings.ReminderTimerOn);
        QVERIFY(settings.DuringDayArmed); // disarming is the opening's business
        QCOMPARE(settings.ScheduleValue, QString("30"));
    }

    void okArmsTheSelectedModeOnly()
    {
        WriteFile("[Schedule]\nDuring day=1\nDuring day value=120\n");
        SettingsForm form;
        form.DailySelected = true;
        form.Hour = 7;
        form.Minute = 5;
        form.IntervalMinutes = 45;
        AppSettings settings;
        settings.DuringDayArmed = true;
        settings.ScheduleValue = "120";
        settings.IntervalStartTick = 4242;
        form.Save(File(), settings, m_clock.MonotonicMs());
        QCOMPARE(Stored("Schedule", "Use schedule"), QString("1"));
        QCOMPARE(Stored("Schedule", "Daily"), QString("1"));
        QCOMPARE(Stored("Schedule", "Daily value"), QString("07:05"));
        QCOMPARE(Stored("Schedule", "During day"), QString("0"));
        QCOMPARE(Stored("Schedule", "During day value"), QString("120"));
        QVERIFY(settings.DailyArmed);
        QCOMPARE(settings.ScheduleValue, QString("07:05"));
        // The interval armed before stays armed with its starting point; the shared value
        // now holds the daily time.
        QVERIFY(settings.DuringDayArmed);
        QCOMPARE(settings.IntervalStartTick, qint64(4242));
        QVERIFY(settings.ReminderTimerOn);

        form.DailySelected = false;
        AppSettings other;
        m_clock.SetMonotonic(9000);
        form.Save(File(), other, m_clock.MonotonicMs());
        QCOMPARE(Stored("Schedule", "During day"), QString("1"));
        QCOMPARE(Stored("Schedule", "During day value"), QString("45"));
        QCOMPARE(Stored("Schedule", "Daily"), QString("0"));
        QVERIFY(other.DuringDayArmed && !other.DailyArmed);
        QCOMPARE(other.ScheduleValue, QString("45"));
        QCOMPARE(other.IntervalStartTick, qint64(9000)); // it counts from OK
    }

    void okThatCannotBeWrittenWholeChangesNothing()
    {
        // The disk fills up a few lines past the old file: every key goes in one rewrite of
        // the file, so it keeps the old settings rather than half of each.
        const QByteArray before = "[Main]\nLanguage=russian\nKol correct answers=2\n";
        WriteFile(before);
        SettingsForm form;
        form.CorrectAnswers = 3;
        AppSettings settings;
        bool written = true;
        {
            const FileSizeLimit fullDisk(before.size() + 40);
            QVERIFY(fullDisk.Applied());
            written = form.Save(File(), settings, 0);
        }
        QVERIFY(!written);
        QCOMPARE(Bytes(), before);
        QCOMPARE(settings.CorrectAnswerThreshold, quint16(3)); // it still holds for this run
    }

    void whatOkWritesIsWhatTheNextRunReads()
    {
        WriteFile("");
        SettingsForm form = OnlyExercise(ExerciseKind::perevod);
        form.Exercises[ExerciseKind::para] = true;
        form.CorrectAnswers = 4;
        form.DailySelected = true;
        form.Hour = 18;
        form.Minute = 45;
        AppSettings saved;
        form.Save(File(), saved, m_clock.MonotonicMs());

        m_clock.SetMonotonic(777);
        SettingsStore store(Path(), m_clock);
        store.LoadSettings();
        const AppSettings& next = store.Settings();
        QCOMPARE(next.CorrectAnswerThreshold, quint16(4));
        QCOMPARE(next.EnabledExerciseCount, quint16(2));
        QVERIFY(next.UseExercise[ExerciseKind::perevod] && next.UseExercise[ExerciseKind::para]);
        QVERIFY(!next.UseExercise[ExerciseKind::vibor_perevoda]);
        QVERIFY(next.DailyArmed && !next.DuringDayArmed);
        QCOMPARE(next.ScheduleValue, QString("18:45"));
        QVERIFY(next.ReminderTimerOn);

        // And the dialog opens on what it saved.
        SettingsForm reopened;
        reopened.Load(File().Load(), store.Settings());
        QCOMPARE(reopened.CorrectAnswers, 4);
        QVERIFY(reopened.DailySelected);
        QCOMPARE(reopened.Hour, 18);
        QCOMPARE(reopened.Minute, 45);
        QVERIFY(!reopened.Exercises[ExerciseKind::vspomnit]);
    }
};

QTEST_GUILESS_MAIN(TestSettingsRules)
#include "tst_SettingsRules.moc"
