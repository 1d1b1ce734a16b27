#include "app/CommandGuard.h"
#include "app/EventPump.h"
#include "app/QtPrompts.h"
#include "app/Random.h"
#include "support/FakeSeams.h"
#include "support/ScriptedPrompts.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
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
        bool rest = false;
        QVERIFY(!guard.Run([&] {
            throw AppError("Cannot open /tmp/x.dat: file is not a database");
            rest = true;
        }));
        QVERIFY(!rest);
        QVERIFY(!guard.Run([] { throw std::runtime_error("disk full"); }));
        QVERIFY(!guard.Run([] { throw 42; }));
        QVERIFY(guard.Run([&] { rest = true; }));
        QVERIFY(rest);
        QCOMPARE(prompts.ShownPrompts()[0].text, QString("Cannot open /tmp/x.dat: file is not a database"));
        QCOMPARE(prompts.ShownPrompts()[1].text, QString("disk full"));
        QVERIFY(!prompts.ShownPrompts()[2].text.isEmpty());
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
        AnswerBox([](QMessageBox* box) { box->button(QMessageBox::Ok)->click(); });
        QVERIFY(prompts.Error("No dictionary was chosen"));
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
};

QTEST_MAIN(TestSeams)
#include "tst_Seams.moc"
