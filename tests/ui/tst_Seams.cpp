#include "base/CommandGuard.h"
#include "base/EventPump.h"
#include "base/Random.h"
#include "support/FakeSeams.h"
#include "support/ScriptedPrompts.h"
#include "ui/QtPrompts.h"
#include "ui/SystemSpeech.h"
#include "ui/SystemTray.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <set>
#include <thread>

namespace {

// Waits for the real message box to appear, then answers it as a user would.
void AnswerBox(std::function<void(QMessageBox*)> answer)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            answer(box);
        }
    });
    timer->start();
}

} // namespace

class TestSeams : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void guardShowsTheErrorAndStopsTheCommand()
    {
        ScriptedPrompts prompts;
        prompts.ExpectError().ExpectError().ExpectError();
        const CommandGuard guard(prompts);
        // A failing command reports failure, and the program goes on to the next one.
        bool failed = true;
        QVERIFY_THROWS_NO_EXCEPTION(
            failed = !guard.Run([] { throw AppError("Cannot open /tmp/x.dat: file is not a database"); }));
        QVERIFY(failed);
        QVERIFY(!guard.Run([] { throw std::runtime_error("disk full"); }));
        QVERIFY(!guard.Run([] { throw 42; }));
        bool ran = false;
        QVERIFY(guard.Run([&] { ran = true; }));
        QVERIFY(ran);
        QCOMPARE(prompts.Prompt(0).text, QString("Cannot open /tmp/x.dat: file is not a database"));
        QCOMPARE(prompts.Prompt(1).text, QString("disk full"));
        QVERIFY(!prompts.Prompt(2).text.isEmpty());
        VERIFY_PROMPTS(prompts);
    }

    void holdDeliversWhatArrivedMeanwhileBeforeItReturns()
    {
        // A click during the answer popup must be handled while the popup still holds,
        // not on the question that follows it.
        QObject receiver;
        bool delivered = false;
        std::thread user([&receiver, &delivered] {
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
            QMetaObject::invokeMethod(
                &receiver, [&delivered] { delivered = true; }, Qt::QueuedConnection);
        });
        QtEventPump pump;
        pump.Hold(300);
        const bool deliveredInHold = delivered;
        user.join();
        QVERIFY(deliveredInHold);
    }

    void holdKeepsTheProgramRunningAndEndsOnRequest()
    {
        // Timers (the reminders, repainting) go on during a hold, and EndHold cuts it short.
        QtEventPump pump;
        int ticks = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, &timer, [&] {
            if (++ticks == 3) {
                pump.EndHold();
            }
        });
        timer.start(10);
        QElapsedTimer held;
        held.start();
        pump.Hold(60000);
        QCOMPARE(ticks, 3);
        QVERIFY(held.elapsed() < 10000);
        pump.EndHold(); // with no hold running: nothing
    }

    void trayIconMenuAndClicks()
    {
        SystemTray tray;
        auto* icon = tray.findChild<QSystemTrayIcon*>("RxTrayIcon1");
        QVERIFY(icon != nullptr);
        QCOMPARE(icon->toolTip(), QString("Glossmere"));
        QVERIFY(!icon->icon().isNull());
        QVERIFY(!icon->isVisible());
        QMenu* menu = icon->contextMenu();
        QCOMPARE(menu->objectName(), QString("PopupMenu1"));
        QStringList items;
        for (const QAction* action : menu->actions()) {
            items << (action->isSeparator() ? QString("-") : action->text());
        }
        QCOMPARE(items, QStringList({ "Открыть", "Настройки", "-", "Выход" }));

        QSignalSpy open(&tray, &Tray::OpenRequested);
        QSignalSpy settings(&tray, &Tray::SettingsRequested);
        QSignalSpy exit(&tray, &Tray::ExitRequested);
        menu->actions().at(0)->trigger();
        menu->actions().at(1)->trigger();
        menu->actions().at(3)->trigger();
        // A double click, and the single click many trays send instead, open the program;
        // the context-menu click does not.
        Q_EMIT icon->activated(QSystemTrayIcon::DoubleClick);
        Q_EMIT icon->activated(QSystemTrayIcon::Trigger);
        Q_EMIT icon->activated(QSystemTrayIcon::Context);
        QCOMPARE(open.count(), 3);
        QCOMPARE(settings.count(), 1);
        QCOMPARE(exit.count(), 1);
        tray.ShowIcon();
        QVERIFY(tray.IsShown());
        tray.HideIcon();
        QVERIFY(!tray.IsShown());
    }

    void randomDrawsStayInRangeAndFollowTheSeed()
    {
        FakeClock clock;
        Random random(clock);
        std::set<int> seen;
        for (int i = 0; i < 400; ++i) {
            const int value = random.Below(4);
            QVERIFY(value >= 0 && value < 4);
            seen.insert(value);
        }
        QCOMPARE(seen.size(), size_t(4));
        QCOMPARE(random.Below(0), 0);
        QCOMPARE(random.Below(-3), 0);

        clock.SetMonotonic(5000);
        random.Reseed();
        const int first = random.Below(1000000);
        random.Reseed();
        QCOMPARE(random.Below(1000000), first);
    }

    void realBoxesReportTheButtonPressed()
    {
        QtPrompts prompts;
        AnswerBox([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
        QVERIFY(prompts.Confirm("Remove the card?"));
        AnswerBox([](QMessageBox* box) { box->button(QMessageBox::No)->click(); });
        QVERIFY(!prompts.Confirm("Remove the card?"));
        // Before what cannot be undone, Enter answers No.
        AnswerBox([](QMessageBox* box) {
            QCOMPARE(box->defaultButton(), box->button(QMessageBox::No));
            box->defaultButton()->click();
        });
        QVERIFY(!prompts.ConfirmIrreversible("Reset the learning statistics?"));
        // Card texts and file names in a message are shown as they are, never as markup.
        AnswerBox([](QMessageBox* box) {
            QCOMPARE(box->textFormat(), Qt::PlainText);
            box->button(QMessageBox::Ok)->click();
        });
        QVERIFY(prompts.Error("Cannot save the card \"<b>word</b>\""));
        // Escape and the close box are not OK.
        AnswerBox([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
        QVERIFY(!prompts.Error("No dictionary was chosen"));
        AnswerBox([](QMessageBox* box) { box->close(); });
        QVERIFY(!prompts.Information("Done"));

        // With nothing active, as while the splash window shows, a box goes over the
        // window that stays on top instead of under it.
        QWidget splash(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
        splash.show();
        QWidget* owner = nullptr;
        AnswerBox([&owner](QMessageBox* box) {
            owner = box->parentWidget();
            box->button(QMessageBox::Ok)->click();
        });
        QApplication::setActiveWindow(nullptr);
        QVERIFY(prompts.Error("The dictionary cannot be opened"));
        QCOMPARE(owner, &splash);
    }

    void systemSpeechSaysTheShippedLanguagesWhereTheSystemHasVoices()
    {
        SystemSpeech speech;
        // Nothing is known, and nothing is said, before the event loop has turned.
        QVERIFY(!speech.ProblemFor("en").IsEmpty());
        QVERIFY(!speech.ProblemFor("").IsEmpty());
        // The engine starts on its own thread: the test goes on while the service is asked.
        QSignalSpy changed(&speech, &Speech::Changed);
        const bool known = changed.wait(10000);
        const QString missing = speech.ProblemFor("en").Key();
        if (!known || missing == "form1_message_speech_no_plugin" || missing == "form1_message_speech_no_service") {
            QSKIP(qPrintable("no speech engine here: " + speech.ProblemFor("en").English()));
        }
        for (const char* language : { "en", "ru", "es" }) {
            QVERIFY2(speech.ProblemFor(language).IsEmpty(), qPrintable(speech.ProblemFor(language).English()));
        }
        speech.Say("hello", "en");
        speech.Say("hola", "es"); // cuts off the first, never waits
    }
};

QTEST_MAIN(TestSeams)
#include "tst_Seams.moc"
