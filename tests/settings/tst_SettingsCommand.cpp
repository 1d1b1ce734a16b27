#include "app/GlossmereApp.h"
#include "app/MainWindow.h"
#include "settings/DailyTimeEditor.h"
#include "settings/InterfaceSettingsPage.h"
#include "settings/LearningSettingsPage.h"
#include "settings/ReminderTimer.h"
#include "settings/ScheduleSettingsPage.h"
#include "settings/SettingsDialog.h"
#include "support/TestProgram.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace {

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// The settings dialog as the user meets it: opened from the menu or the tray, loaded from
// the settings file, confirmed or cancelled by its buttons.
class TestSettingsCommand : public QObject {
    Q_OBJECT

private:
    // A started program whose settings dialog runs `onOpen` while it is "modal".
    struct Running {
        TestProgram program;
        std::unique_ptr<GlossmereApp> app;
        std::function<void(SettingsDialog&)> onOpen;
        int opened = 0;

        explicit Running(const QByteArray& settings = {})
        {
            const QString dictionary = program.MakeDictionary("cards.dat", "L*..");
            program.WriteSettings("[Main]\nLanguage=russian\nDict=" + dictionary.toUtf8() + "\n" + settings);
            app = std::make_unique<GlossmereApp>(program.paths, program.services, program.tray);
            app->SetModalRunner([this](QDialog& dialog) {
                if (dialog.objectName() == QLatin1String("Form5")) {
                    ++opened;
                    dialog.show();
                    if (onOpen) {
                        onOpen(Dialog());
                    }
                }
            });
            app->Start();
        }
        SettingsDialog& Dialog() const { return *app->SettingsWindow(); }
        AppSettings& Settings() const { return app->Settings().Settings(); }
        QString Setting(const char* section, const char* key) const { return program.Setting(section, key); }
        QByteArray File() const { return FileBytes(program.paths.SettingsPath); }
        QCheckBox* Box(ExerciseKind kind) const { return Dialog().Learning()->ExerciseCheckBox(kind); }
        ScheduleSettingsPage* Schedule() const { return Dialog().Schedule(); }
        void OpenFromMenu() const { app->Main()->menuBar()->actions()[1]->menu()->actions()[0]->trigger(); }
        // On the left end, where a check box's indicator is: a wide box takes no click past its text.
        void Click(QAbstractButton* button) const
        {
            QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
        }
        void Ok() const { Click(Dialog().OkButton()); }
    };

private Q_SLOTS:
    void openingLoadsEveryControl()
    {
        Running r("Kol correct answers=3\nMax block size learning words=5\nPopup delay=4\nUse para=0\n"
                  "[Schedule]\nUse schedule=1\nDuring day=1\nDaily=0\nDuring day value=45\nDaily value=07:30\n");
        r.Dialog().Pages()->setCurrentIndex(1);
        r.onOpen = [&r](SettingsDialog& dialog) {
            QCOMPARE(dialog.Pages()->currentIndex(), 0);
            QCOMPARE(dialog.Learning()->ThresholdEditor()->value(), 3);
            QCOMPARE(dialog.Learning()->BlockSizeEditor()->value(), 5);
            QCOMPARE(dialog.Learning()->PopupDelayEditor()->value(), 4);
            QVERIFY(!r.Box(ExerciseKind::para)->isChecked());
            QVERIFY(r.Box(ExerciseKind::vibor_perevoda)->isChecked());
            // Start-up wrote association and mosaic as 0: unticked, and never shown.
            QVERIFY(!r.Box(ExerciseKind::associaciya)->isChecked());
            QVERIFY(!r.Box(ExerciseKind::mozaika)->isChecked());
            QVERIFY(!r.Box(ExerciseKind::associaciya)->isVisible());
            QVERIFY(r.Schedule()->ScheduleCheckBox()->isChecked());
            QVERIFY(r.Schedule()->DuringDayButton()->isChecked());
            QCOMPARE(r.Schedule()->IntervalEditor()->value(), 45);
            QCOMPARE(r.Schedule()->HourEditor()->text(), QString("07"));
            QCOMPARE(r.Schedule()->MinuteEditor()->text(), QString("30"));
            QVERIFY(r.Schedule()->IntervalEditor()->isEnabled());
            r.Click(dialog.CancelButton());
        };
        r.OpenFromMenu();
        QCOMPARE(r.opened, 1);
        QVERIFY(!r.Dialog().isVisible());

        // The tray's item opens the same dialog, loaded afresh.
        r.program.WriteSettings("[Main]\nKol correct answers=6\n");
        r.onOpen = [&r](SettingsDialog& dialog) {
            QCOMPARE(dialog.Learning()->ThresholdEditor()->value(), 6);
            QVERIFY(r.Box(ExerciseKind::para)->isChecked());
            QCOMPARE(r.Schedule()->HourEditor()->text(), QString("12"));
            QCOMPARE(r.Schedule()->MinuteEditor()->text(), QString("00"));
            dialog.close();
        };
        Q_EMIT r.program.tray.SettingsRequested();
        QCOMPARE(r.opened, 2);
        VERIFY_PROMPTS(r.program.prompts);
    }

    void onlyPairsIsRefusedAndNothingWritten()
    {
        Running r;
        const QByteArray before = r.File();
        const AppSettings settings = r.Settings();
        r.program.prompts.ExpectError();
        r.onOpen = [&r](SettingsDialog& dialog) {
            dialog.Learning()->ThresholdEditor()->setValue(5);
            for (ExerciseKind kind : { ExerciseKind::vibor_perevoda, ExerciseKind::vspomnit, ExerciseKind::perevod }) {
                r.Click(r.Box(kind));
                QVERIFY(!r.Box(kind)->isChecked());
            }
            QVERIFY(r.Box(ExerciseKind::para)->isChecked());
            r.Ok();
        };
        r.OpenFromMenu();
        VERIFY_PROMPTS(r.program.prompts);
        QCOMPARE(r.program.prompts.LastText(), r.app->Texts().LookupMessage("form5_message_error1"));
        QVERIFY(!r.program.prompts.LastText().isEmpty());
        QVERIFY(r.Dialog().isVisible());
        QCOMPARE(r.File(), before);
        QCOMPARE(r.Settings().CorrectAnswerThreshold, settings.CorrectAnswerThreshold);
        QCOMPARE(r.Settings().EnabledExerciseCount, settings.EnabledExerciseCount);

        // One more exercise and OK goes through.
        r.Click(r.Box(ExerciseKind::perevod));
        r.Ok();
        QVERIFY(!r.Dialog().isVisible());
        QCOMPARE(r.Setting("Main", "Kol correct answers"), QString("5"));
        QCOMPARE(r.Setting("Main", "Use perevod"), QString("1"));
        QCOMPARE(r.Setting("Main", "Use vibor perevoda"), QString("0"));
        QCOMPARE(r.Settings().CorrectAnswerThreshold, quint16(5));
        QCOMPARE(r.Settings().EnabledExerciseCount, quint16(2));
        QVERIFY(!r.Settings().UseExercise[ExerciseKind::vspomnit]);
    }

    void okWritesEveryKeyEvenUnchanged()
    {
        // No learning key in the file but start-up's two zeros; both reminder modes on.
        Running r("[Schedule]\nUse schedule=1\nDuring day=1\nDaily=1\nDuring day value=30\n");
        QCOMPARE(r.Setting("Main", "Use associaciya"), QString("0"));
        r.onOpen = [&r](SettingsDialog&) {
            QVERIFY(r.Schedule()->DailyButton()->isChecked());
            r.Ok();
        };
        r.OpenFromMenu();
        QVERIFY(!r.Dialog().isVisible());
        const std::pair<const char*, const char*> written[]
            = { { "Kol correct answers", "2" }, { "Max block size learning words", "8" }, { "Popup delay", "2" },
                  { "Use associaciya", "0" }, { "Use mozaika", "0" }, { "Use vibor perevoda", "1" },
                  { "Use vspomnit", "1" }, { "Use perevod", "1" }, { "Use para", "1" } };
        for (const auto& [key, value] : written) {
            QCOMPARE(r.Setting("Main", key), QString(value));
        }
        QCOMPARE(r.Settings().EnabledExerciseCount, quint16(4));
        QVERIFY(!r.Settings().UseExercise[ExerciseKind::associaciya]);
        // The daily mode was selected and is the one written; the interval armed at
        // start-up stays armed, but the shared value is now the daily time.
        QCOMPARE(r.Setting("Schedule", "Use schedule"), QString("1"));
        QCOMPARE(r.Setting("Schedule", "Daily"), QString("1"));
        QCOMPARE(r.Setting("Schedule", "Daily value"), QString("12:00"));
        QCOMPARE(r.Setting("Schedule", "During day"), QString("0"));
        QCOMPARE(r.Setting("Schedule", "During day value"), QString("30"));
        QVERIFY(r.Settings().DailyArmed && r.Settings().DuringDayArmed);
        QCOMPARE(r.Settings().ScheduleValue, QString("12:00"));
    }

    void interfacePageOffersTheLanguageForTheNextStartAndSaysWordsAtOnce()
    {
        Running r;
        r.onOpen = [&r](SettingsDialog& dialog) {
            QComboBox* languages = dialog.Interface()->LanguageBox();
            // Both languages whose files are there, named in the interface language.
            QCOMPARE(languages->count(), 2);
            QCOMPARE(languages->currentText(), QString("Русский"));
            QCOMPARE(languages->itemText(1), QString("Английский"));
            QVERIFY(dialog.Interface()->NoteLabel()->text().contains("следующем запуске"));
            languages->setCurrentIndex(1);
            QVERIFY(!dialog.Interface()->SayWordsBox()->isChecked());
            dialog.Interface()->SayWordsBox()->setChecked(true);
            r.Ok();
        };
        r.OpenFromMenu();
        QCOMPARE(r.Setting("Main", "Language"), QString("english"));
        // Saying words applies at once.
        QCOMPARE(r.Setting("Main", "Say words"), QString("1"));
        QVERIFY(r.Settings().SayWords);
        // This run keeps its language; the dialog shows what the next start will use.
        QCOMPARE(r.Dialog().windowTitle(), QString("Настройки"));
        r.onOpen = [](SettingsDialog& dialog) {
            QCOMPARE(dialog.Interface()->LanguageBox()->currentData().toString(), QString("english"));
            dialog.CancelButton()->click();
        };
        r.OpenFromMenu();
        QCOMPARE(r.opened, 2);
    }

    void dailyEditorsWrapAndOkWritesTheirTime()
    {
        Running r("[Schedule]\nDuring day=0\nDaily=1\nDaily value=23:59\n");
        r.onOpen = [&r](SettingsDialog&) {
            DailyTimeEditor* hour = r.Schedule()->HourEditor();
            DailyTimeEditor* minute = r.Schedule()->MinuteEditor();
            hour->show();
            minute->show();
            QTest::keyClick(minute, Qt::Key_Up);
            QCOMPARE(minute->text(), QString("00"));
            QTest::keyClick(minute, Qt::Key_Down);
            QCOMPARE(minute->text(), QString("59"));
            QTest::keyClick(minute, Qt::Key_Up);
            QTest::keyClick(hour, Qt::Key_Up);
            QCOMPARE(hour->text(), QString("00"));
            QTest::keyClick(hour, Qt::Key_Down);
            QCOMPARE(hour->text(), QString("23"));
            QTest::keyClick(hour, Qt::Key_Down);
            for (int i = 0; i < 5; ++i) {
                QTest::keyClick(minute, Qt::Key_Up);
            }
            QCOMPARE(minute->text(), QString("05"));
            r.Ok();
        };
        r.OpenFromMenu();
        QCOMPARE(r.Setting("Schedule", "Daily value"), QString("22:05"));
        QCOMPARE(r.Settings().ScheduleValue, QString("22:05"));
    }

    void settingsThatCannotBeWrittenAreReportedAndStillApply()
    {
        // A folder in place of the file: no write can replace it, not even as root.
        Running r("Popup delay=2\n");
        const QString path = r.program.paths.SettingsPath;
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkpath(path + "/keep"));
        r.onOpen = [&r](SettingsDialog& dialog) {
            dialog.Learning()->PopupDelayEditor()->setValue(5);
            r.program.prompts.ExpectError();
            r.Ok();
        };
        r.OpenFromMenu();
        VERIFY_PROMPTS(r.program.prompts);
        QVERIFY(r.program.prompts.LastText().contains(path));
        QVERIFY(!r.Dialog().isVisible());
        QCOMPARE(r.Settings().PopupDelay, quint16(5));
        QVERIFY(QFileInfo(path).isDir());
    }

    void askingAgainWhileOpenKeepsWhatWasTyped()
    {
        Running r("Popup delay=2\n");
        r.onOpen = [&r](SettingsDialog& dialog) {
            dialog.Learning()->PopupDelayEditor()->setValue(7);
            Q_EMIT r.program.tray.SettingsRequested(); // the tray's menu, while the dialog is open
            QCOMPARE(dialog.Learning()->PopupDelayEditor()->value(), 7);
            r.Ok();
        };
        r.OpenFromMenu();
        QCOMPARE(r.opened, 1);
        QCOMPARE(r.Setting("Main", "Popup delay"), QString("7"));
    }

    void scheduleOffAtOpeningDisarmsEvenOnCancel()
    {
        Running r("[Schedule]\nUse schedule=0\nDuring day=1\nDaily=1\n");
        QVERIFY(!r.Settings().DuringDayArmed); // start-up armed nothing
        r.Settings().DuringDayArmed = true;
        r.Settings().DailyArmed = true;
        r.Settings().ReminderTimerOn = true;
        r.app->Reminders()->Apply();
        const QByteArray before = r.File();
        r.onOpen = [&r](SettingsDialog& dialog) {
            QVERIFY(!r.Schedule()->ScheduleCheckBox()->isChecked());
            for (QWidget* control : std::initializer_list<QWidget*> { r.Schedule()->IntervalEditor(),
                     r.Schedule()->IntervalUnitLabel(), r.Schedule()->DuringDayButton(), r.Schedule()->DailyButton(),
                     r.Schedule()->HourEditor(), r.Schedule()->MinuteEditor(), r.Schedule()->TimeSeparatorLabel() }) {
                QVERIFY2(!control->isEnabled(), qPrintable(control->objectName()));
            }
            QVERIFY(r.Schedule()->IntervalLabel()->isEnabled());
            r.Click(dialog.CancelButton());
        };
        r.OpenFromMenu();
        QVERIFY(!r.Settings().DuringDayArmed);
        QVERIFY(!r.Settings().DailyArmed);
        QVERIFY(r.app->Reminders()->IsRunning()); // the timer is not the opening's business
        QCOMPARE(r.File(), before);
    }

    void switchingTheScheduleOffStopsTheTimer()
    {
        Running r("[Schedule]\nUse schedule=1\nDuring day=1\nDaily=0\nDuring day value=30\nDaily value=08:15\n");
        QVERIFY(r.app->Reminders()->IsRunning());
        r.onOpen = [&r](SettingsDialog&) {
            r.Click(r.Schedule()->ScheduleCheckBox());
            QVERIFY(!r.Schedule()->IntervalEditor()->isEnabled());
            r.Schedule()->IntervalEditor()->setValue(99);
            r.Ok();
        };
        r.OpenFromMenu();
        QCOMPARE(r.Setting("Schedule", "Use schedule"), QString("0"));
        QCOMPARE(r.Setting("Schedule", "During day value"), QString("30"));
        QCOMPARE(r.Setting("Schedule", "During day"), QString("1"));
        QCOMPARE(r.Setting("Schedule", "Daily value"), QString("08:15"));
        QVERIFY(!r.app->Reminders()->IsRunning());
        QVERIFY(!r.Settings().ReminderTimerOn);
    }

    void closingLeavesTheProgramWhereItWas()
    {
        Running r;
        MainWindow* main = r.app->Main();
        main->show();
        main->showMinimized();
        QTRY_VERIFY(r.program.tray.IsShown());
        QTRY_VERIFY(!main->isVisible());

        // From the tray: OK, Cancel and the close box all leave the program in the tray.
        const std::function<void(SettingsDialog&)> closings[] = { [&r](SettingsDialog&) { r.Ok(); },
            [&r](SettingsDialog& d) { r.Click(d.CancelButton()); }, [](SettingsDialog& d) { d.close(); } };
        for (const auto& closing : closings) {
            r.onOpen = closing;
            Q_EMIT r.program.tray.SettingsRequested();
            QVERIFY(!r.Dialog().isVisible());
            QVERIFY(r.program.tray.IsShown());
            QVERIFY(!main->isVisible());
        }

        // From the menu of a window on the screen, the window stays.
        r.program.tray.DoubleClick();
        QVERIFY(main->isVisible());
        r.onOpen = [](SettingsDialog& d) { d.close(); };
        r.OpenFromMenu();
        QVERIFY(main->isVisible());
        QVERIFY(!r.program.tray.IsShown());
        QCOMPARE(r.opened, 4);
    }

    void realModalDialogReturnsWhenConfirmed()
    {
        // The production runner: the dialog really runs modally until OK is pressed.
        TestProgram program;
        const QString dictionary = program.MakeDictionary("cards.dat", "L*");
        program.WriteSettings("[Main]\nLanguage=russian\nDict=" + dictionary.toUtf8() + "\nPopup delay=7\n");
        GlossmereApp app(program.paths, program.services, program.tray);
        app.Start();
        bool seen = false;
        int polls = 0;
        QTimer poll;
        poll.setInterval(20);
        QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
            auto* dialog = qobject_cast<SettingsDialog*>(QApplication::activeModalWidget());
            if (++polls > 250) {
                app.SettingsWindow()->reject(); // never shown modally: give up rather than hang
            } else if (dialog != nullptr && dialog->isVisible()) {
                seen = dialog->Learning()->PopupDelayEditor()->value() == 7;
                dialog->Learning()->PopupDelayEditor()->setValue(3);
                QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
            }
        });
        poll.start();
        app.Main()->menuBar()->actions()[1]->menu()->actions()[0]->trigger();
        poll.stop();
        QVERIFY(seen);
        QCOMPARE(program.Setting("Main", "Popup delay"), QString("3"));
        QCOMPARE(app.Settings().Settings().PopupDelay, quint16(3));
    }
};

QTEST_MAIN(TestSettingsCommand)
#include "tst_SettingsCommand.moc"
