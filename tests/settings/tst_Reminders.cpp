#include "app/GlossmereApp.h"
#include "app/MainWindow.h"
#include "settings/ReminderTimer.h"
#include "support/TestProgram.h"

#include <QCheckBox>
#include <QDialog>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

namespace {

constexpr qint64 kMinute = 60000;

} // namespace

// The reminder timer of a running program: when it runs, and what a reminder does to the
// program on the screen or in the notification area.
class TestReminders : public QObject {
    Q_OBJECT

private:
    struct Running {
        TestProgram program;
        std::unique_ptr<GlossmereApp> app;
        QList<QWidget*> flashed;
        bool startedRunning = false;

        explicit Running(const QByteArray& schedule)
        {
            const QString dictionary = program.MakeDictionary("cards.dat", "L*..");
            program.WriteSettings(
                "[Main]\nLanguage=russian\nDict=" + dictionary.toUtf8() + "\n[Schedule]\n" + schedule);
            app = std::make_unique<GlossmereApp>(program.paths, program.services, program.tray);
            app->SetModalRunner([](QDialog&) {});
            app->Start();
            Timer().SetFlash([this](QWidget& window) { flashed.append(&window); });
            // The tests tick by hand; a real tick in the middle of one would be noise.
            startedRunning = Timer().IsRunning();
            Timer().Timer()->stop();
        }
        ReminderTimer& Timer() const { return *app->Reminders(); }
        MainWindow* Main() const { return app->Main(); }
        AppSettings& Settings() const { return app->Settings().Settings(); }
        void Minimize() const
        {
            Main()->showMinimized();
            QTRY_VERIFY(program.tray.IsShown());
            QTRY_VERIFY(!Main()->isVisible());
        }
    };

private Q_SLOTS:
    void timerRunsAsTheSettingsFileSays()
    {
        Running on("Use schedule=1\nDuring day=1\nDaily=0\n");
        QTimer* timer = on.Timer().Timer();
        QCOMPARE(timer->objectName(), QString("Scheduler"));
        QCOMPARE(timer->interval(), 1000);
        QVERIFY(on.startedRunning);
        QVERIFY(on.Settings().DuringDayArmed);
        QCOMPARE(on.Settings().ScheduleValue, QString("120"));

        Running off("Use schedule=0\nDuring day=1\nDaily=1\n");
        QVERIFY(!off.startedRunning);
        QVERIFY(!off.Settings().DuringDayArmed && !off.Settings().DailyArmed);
    }

    void intervalArmedAtStartBringsTheProgramBack()
    {
        // Armed at start-up: 120 minutes from the moment the main window was created.
        Running r("Use schedule=1\nDuring day=1\nDaily=0\nDuring day value=120\n");
        const qint64 start = r.program.clock.MonotonicMs();
        QCOMPARE(r.Settings().IntervalStartTick, start);
        QSignalSpy reminded(&r.Timer(), &ReminderTimer::Reminded);
        r.Main()->show();
        r.Minimize();

        r.program.clock.SetMonotonic(start + 120 * kMinute - 1);
        r.Timer().Tick();
        QCOMPARE(reminded.count(), 0);
        QVERIFY(r.program.tray.IsShown());

        r.program.clock.SetMonotonic(start + 120 * kMinute);
        r.Timer().Tick();
        QCOMPARE(reminded.count(), 1);
        QVERIFY(r.Main()->isVisible());
        QVERIFY(!r.Main()->isMinimized());
        QVERIFY(!r.program.tray.IsShown());
        QCOMPARE(r.flashed, QList<QWidget*> { r.Main() });
        QCOMPARE(r.Settings().IntervalStartTick, start + 120 * kMinute);

        // The next one comes 120 minutes after the reminder.
        r.Minimize();
        r.program.clock.Advance(120 * kMinute - 1000);
        r.Timer().Tick();
        QCOMPARE(reminded.count(), 1);
        r.program.clock.Advance(1000);
        r.Timer().Tick();
        QCOMPARE(reminded.count(), 2);
        QVERIFY(r.Main()->isVisible());
    }

    void reminderOnTheScreenFlashesAndKeepsTheTrayIconHidden()
    {
        Running r("Use schedule=1\nDuring day=1\nDaily=0\nDuring day value=1\n");
        r.Main()->show();
        for (int minute = 0; minute < 2; ++minute) {
            r.program.clock.Advance(kMinute);
            r.Timer().Tick();
        }
        QCOMPARE(r.flashed.size(), 2);
        QVERIFY(r.Main()->isVisible());
        QVERIFY(!r.program.tray.IsShown());
    }

    void trayOpenReversesMinimizing()
    {
        Running r("Use schedule=0\n");
        r.Main()->show();
        r.Minimize();
        Q_EMIT r.program.tray.OpenRequested(); // "Открыть"
        QVERIFY(r.Main()->isVisible());
        QVERIFY(!r.program.tray.IsShown());
        r.Timer().Tick();
        QVERIFY(r.flashed.isEmpty());
    }

    void intervalArmedByTheDialogCountsFromOk()
    {
        // Nothing armed at start-up; half an hour later the dialog arms one minute, which
        // counts from OK, not from the start of the program or of the system.
        Running r("Use schedule=0\nDuring day=1\nDaily=0\n");
        QVERIFY(!r.Timer().IsRunning());
        r.program.clock.Advance(30 * kMinute);
        const qint64 ok = r.program.clock.MonotonicMs();
        r.app->SetModalRunner([](QDialog& dialog) {
            auto* schedule = dialog.findChild<QCheckBox*>("XPCheckBox6");
            QTest::mouseClick(schedule, Qt::LeftButton, {}, QPoint(6, schedule->height() / 2));
            dialog.findChild<QSpinBox*>("SpinEditor4")->setValue(1);
            QTest::mouseClick(dialog.findChild<QPushButton*>("Button2"), Qt::LeftButton);
        });
        r.Main()->menuBar()->actions()[1]->menu()->actions()[0]->trigger();
        QVERIFY(r.Timer().IsRunning());
        r.Timer().Timer()->stop();
        QVERIFY(r.Settings().DuringDayArmed);

        QSignalSpy reminded(&r.Timer(), &ReminderTimer::Reminded);
        r.program.clock.SetMonotonic(ok + kMinute - 1);
        r.Timer().Tick();
        QCOMPARE(reminded.count(), 0);
        r.program.clock.SetMonotonic(ok + kMinute);
        r.Timer().Tick();
        QCOMPARE(reminded.count(), 1);
    }

    void realTimerTicksOnItsOwn()
    {
        Running r("Use schedule=1\nDuring day=1\nDaily=0\nDuring day value=1\n");
        QSignalSpy reminded(&r.Timer(), &ReminderTimer::Reminded);
        r.program.clock.Advance(kMinute);
        r.Timer().Apply();
        QVERIFY(reminded.wait(3000));
        QVERIFY(!r.flashed.isEmpty());
    }
};

QTEST_MAIN(TestReminders)
#include "tst_Reminders.moc"
