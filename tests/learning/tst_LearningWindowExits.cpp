#include "LearningFixture.h"

#include "settings/ReminderTimer.h"
#include "ui/GradientPanel.h"

#include <QTimer>

using namespace CardTable;

namespace {

// Two learning cards with their counters in exercises 1 to 4, written "1110 1100".
DictionaryBuilder TwoCards(const QString& counters)
{
    DictionaryBuilder cards;
    const int columns[] = { ViborPerevodaTrue, ParaTrue, VspomnitTrue, PerevodTrue };
    const QStringList perCard = counters.split(' ');
    const char* words[][2] = { { "apple", "яблоко" }, { "pear", "груша" } };
    for (int k = 0; k < 2; ++k) {
        cards.Card(words[k][0], words[k][1]).Status("learning");
        for (int e = 0; e < 4; ++e) {
            cards.Set(columns[e], qint64(perCard.at(k).at(e).digitValue()));
        }
    }
    return cards;
}

} // namespace

class TestLearningWindowExits : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fewerThanTwoLearningCardsStartNothing()
    {
        Running r(std::move(DictionaryBuilder()
                                .Card("a")
                                .Status("learning")
                                .Marked()
                                .Card("b")
                                .Status("learned")
                                .Card("c")
                                .Status("ignore")),
            "");
        r.program.prompts.ExpectInformation(true);
        r.StartLearning();
        VERIFY_PROMPTS(r.program.prompts);
        QCOMPARE(r.program.prompts.LastText(), r.Message("form1_message_learning_words_notfound"));
        QVERIFY(!r.Window()->isVisible());
        QVERIFY(r.Main()->isVisible());
    }

    void blockWithNothingLeftFinishesAtStart_data()
    {
        QTest::addColumn<QString>("counters");
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("status");
        QTest::newRow("everything reached, OK") << "1111 2121" << QByteArray() << true << "learned";
        QTest::newRow("everything reached, closed") << "1111 1111" << QByteArray() << false << "learning";
        QTest::newRow("only a disabled typed exercise left")
            << "1110 1110" << QByteArray("Use perevod=0\n") << true << "learned";
        QTest::newRow("every exercise disabled")
            << "0000 0000" << QByteArray("Use vibor perevoda=0\nUse para=0\nUse vspomnit=0\nUse perevod=0\n") << true
            << "learned";
    }

    void blockWithNothingLeftFinishesAtStart()
    {
        QFETCH(QString, counters);
        QFETCH(QByteArray, settings);
        QFETCH(bool, ok);
        QFETCH(QString, status);
        Running r(TwoCards(counters), "Kol correct answers=1\n" + settings);
        r.program.prompts.ExpectInformation(ok);
        r.StartLearning();
        VERIFY_PROMPTS(r.program.prompts);
        QCOMPARE(r.program.prompts.LastText(), r.Message("form4_message_learning_is_finished"));
        QVERIFY(!r.Window()->isVisible());
        QVERIFY(r.Main()->isVisible());
        QCOMPARE(r.Column("status"), QStringList({ status, status }));
        const int learned = status == "learned" ? 2 : 0;
        QCOMPARE(r.Main()->findChild<QLabel*>("StatusPanel1")->text(),
            r.Message("form1_message_learned_count").arg(learned).arg(2));
        // Paging to a card of the block afterwards must not put it back into learning.
        r.Main()->Browser().NextStep();
        QCOMPARE(r.Column("status"), QStringList({ status, status }));
    }

    void finishingAfterRecall_data()
    {
        QTest::addColumn<QString>("counters");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<bool>("busy");
        QTest::addColumn<QString>("status");
        // Typed translation disabled throughout; pear is asked in recall.
        QTest::newRow("typed left over: busy notice") << "1110 1100" << true << true << "learned";
        QTest::newRow("typed left over, closed: window closes unmarked") << "1110 1100" << false << false << "learning";
        QTest::newRow("nothing left: no busy notice") << "1111 1101" << true << false << "learned";
    }

    void finishingAfterRecall()
    {
        QFETCH(QString, counters);
        QFETCH(bool, ok);
        QFETCH(bool, busy);
        QFETCH(QString, status);
        Running r(TwoCards(counters), "Kol correct answers=1\nPopup delay=0\nUse perevod=0\n");
        bool busyShown = false;
        r.events.onProcess = [&] { busyShown = busyShown || r.Window()->BusyNotice()->isVisible(); };
        r.StartLearning();
        QCOMPARE(r.AskedWord(), QString("pear"));
        r.Click(r.Find<QPushButton>("Button1"));
        r.program.prompts.ExpectInformation(ok);
        r.Click(r.Find<QPushButton>("Button2"));
        VERIFY_PROMPTS(r.program.prompts);
        QCOMPARE(r.ExerciseStatus(), r.Percent("exercise_statistic", 100));
        QCOMPARE(r.OverallStatus(), r.Percent("full_statistic", 100));
        QCOMPARE(busyShown, busy);
        QVERIFY(r.Window()->BusyNotice()->isHidden());
        QVERIFY(!r.Window()->isVisible());
        QVERIFY(r.Main()->isVisible());
        QCOMPARE(r.Column("status"), QStringList({ status, status }));
        QCOMPARE(r.Main()->findChild<QLabel*>("StatusPanel1")->text(),
            r.Message("form1_message_learned_count").arg(status == "learned" ? 2 : 0).arg(2));
        QCOMPARE(r.Column("vspomnit_true"), QStringList({ "1", "1" }));
    }

    void leavingDuringThePopupEndsTheQuestionThere_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("Режим ознакомления") << false;
        QTest::newRow("the close box") << true;
    }

    void leavingDuringThePopupEndsTheQuestionThere()
    {
        QFETCH(bool, closeBox);
        // pear's right recall completes the block: the finish message would follow the popup.
        Running r(TwoCards("1111 1101"), "Kol correct answers=1\nPopup delay=5\n");
        r.StartLearning();
        QCOMPARE(r.AskedWord(), QString("pear"));
        r.events.onHold = [&] {
            if (closeBox) {
                r.Window()->close();
            } else {
                r.BackToFamiliarization();
            }
            // The window waits for the hold to end before it goes.
            QVERIFY(r.Window()->isVisible());
        };
        r.Click(r.Find<QPushButton>("Button1"));
        r.Click(r.Find<QPushButton>("Button2"));
        QCOMPARE(r.events.holdsEnded, 1);
        VERIFY_PROMPTS(r.program.prompts); // no finish message over the main window
        QVERIFY(!r.Window()->isVisible());
        QVERIFY(r.Main()->isVisible());
        QCOMPARE(r.Column("vspomnit_true"), QStringList({ "1", "1" }));
        QCOMPARE(r.Column("status"), QStringList({ "learning", "learning" }));
    }

    void closedFinishMessageGoesOnWithTheSameExercise()
    {
        Running r(TwoCards("1111 1110"), "Kol correct answers=1\nPopup delay=0\n");
        r.StartLearning();
        QCOMPARE(r.AskedWord(), QString("pear"));
        r.Find<QLineEdit>("Edit1")->setText("груша");
        r.program.prompts.ExpectInformation(false);
        r.Click(r.Find<QPushButton>("Button4"));
        VERIFY_PROMPTS(r.program.prompts);
        QVERIFY(r.Window()->isVisible());
        QCOMPARE(r.Window()->windowTitle(), r.Message("form4_message_perevod"));
        QCOMPARE(r.Column("status"), QStringList({ "learning", "learning" }));
        // Its next answer, right or wrong, brings the message back.
        r.program.prompts.ExpectInformation(true);
        r.Click(r.Find<QPushButton>("Button4"));
        VERIFY_PROMPTS(r.program.prompts);
        QVERIFY(!r.Window()->isVisible());
        QCOMPARE(r.Column("status"), QStringList({ "learned", "learned" }));
    }

    void pairThatCompletesTheBlockFinishesOnce()
    {
        Running r(TwoCards("1011 1111"), "Kol correct answers=1\nPopup delay=2\n");
        r.StartLearning();
        QCOMPARE(r.VisiblePanel(), QString("Panel4"));
        r.MatchPair("pear", "груша"); // pear has its answer already: 50%, one pair left
        r.program.prompts.ExpectInformation(true);
        r.MatchPair("apple", "яблоко");
        VERIFY_PROMPTS(r.program.prompts);
        QVERIFY(!r.Window()->isVisible());
        QCOMPARE(r.Column("para_true"), QStringList({ "1", "2" }));
        QVERIFY(r.events.holds.isEmpty());
    }

    void closedFinishMessageAfterThePairsDealsAnotherBoard()
    {
        Running r(TwoCards("1011 1111"), "Kol correct answers=1\nPopup delay=0\n");
        r.StartLearning();
        r.MatchPair("pear", "груша");
        r.program.prompts.ExpectInformation(false);
        r.MatchPair("apple", "яблоко");
        VERIFY_PROMPTS(r.program.prompts);
        QVERIFY(r.Window()->isVisible());
        QCOMPARE(r.VisiblePanel(), QString("Panel4"));
        QCOMPARE(r.VisibleLabels("word_left") + r.VisibleLabels("word_right"), 4);
        QCOMPARE(r.Column("status"), QStringList({ "learning", "learning" }));
        // Any pair of the new board brings the message back.
        r.program.prompts.ExpectInformation(true);
        r.MatchPair("pear", "груша");
        VERIFY_PROMPTS(r.program.prompts);
        QVERIFY(!r.Window()->isVisible());
        QCOMPARE(r.Column("status"), QStringList({ "learned", "learned" }));
    }

    void leavingKeepsTheAnswersAndTheNextStartGoesOn()
    {
        Running r(TwoCards("0000 0000"), "Kol correct answers=2\nPopup delay=0\n");
        r.StartLearning();
        QCOMPARE(r.AskedWord(), QString("apple"));
        r.ChooseOption("яблоко");
        r.BackToFamiliarization();
        QVERIFY(!r.Window()->isVisible());
        QVERIFY(r.Main()->isVisible());
        QCOMPARE(r.Column("vibor_perevoda_true"), QStringList({ "1", "0" }));
        r.StartLearning();
        QVERIFY(r.Window()->isVisible());
        QCOMPARE(r.AskedWord(), QString("pear"));
        // The close box leads back the same way.
        r.Window()->close();
        QVERIFY(r.Main()->isVisible());
        QCOMPARE(r.Column("status"), QStringList({ "learning", "learning" }));
    }

    void noticeComesOnceAfterTheWindow()
    {
        Running r(TwoCards("0000 0000"), "", "[Notify]\nVibor_perevoda=0\nPara=1\nVspomnit=1\nPerevod=1\n");
        QList<bool> windowShown;
        r.prompts.onPrompt = [&] { windowShown << r.Window()->isVisible(); };
        r.program.prompts.ExpectInformation(true);
        r.StartLearning();
        VERIFY_PROMPTS(r.program.prompts);
        QCOMPARE(r.program.prompts.LastText(), r.Message("form4_message_vibor_perevoda_info"));
        QCOMPARE(windowShown, QList<bool> { true });
        QCOMPARE(r.program.Setting("Notify", "Vibor_perevoda"), QString("1"));
        r.BackToFamiliarization();
        r.StartLearning(); // no second notice: an unexpected prompt would fail here
        VERIFY_PROMPTS(r.program.prompts);
    }

    void withoutANotifyKeyNoNoticeIsShown()
    {
        Running r(TwoCards("0000 0000"), "", "");
        r.StartLearning();
        QVERIFY(r.Window()->isVisible());
        VERIFY_PROMPTS(r.program.prompts);
        QCOMPARE(r.program.Setting("Notify", "Vibor_perevoda"), QString("<missing>"));
    }

    void minimizingHidesTheSessionInTheTray()
    {
        Running r(TwoCards("0000 0000"), "");
        r.StartLearning();
        r.Window()->showMinimized();
        QTRY_VERIFY(r.program.tray.IsShown());
        QTRY_VERIFY(!r.Window()->isVisible());
        QVERIFY(!r.Main()->isVisible());
        r.program.tray.DoubleClick();
        QVERIFY(r.Window()->isVisible());
        QVERIFY(!r.Main()->isVisible());
        QVERIFY(!r.program.tray.IsShown());
        QCOMPARE(r.AskedWord(), QString("apple")); // the question is still open
    }

    void reminderDuringASessionKeepsToTheLearningWindow()
    {
        // Every minute; the clock moves a minute before each tick.
        Running r(TwoCards("0000 0000"), "",
            kNoticesShown + "[Schedule]\nUse schedule=1\nDuring day=1\nDaily=0\nDuring day value=1\n");
        ReminderTimer& reminders = *r.app->Reminders();
        reminders.Timer()->stop();
        QList<QWidget*> flashed;
        reminders.SetFlash([&flashed](QWidget& window) { flashed.append(&window); });
        r.StartLearning();

        // On the screen the session only flashes; the main window stays hidden under it.
        r.program.clock.Advance(60000);
        reminders.Tick();
        QCOMPARE(flashed, QList<QWidget*> { r.Window() });
        QVERIFY(r.Window()->isVisible());
        QVERIFY(!r.Main()->isVisible());
        QVERIFY(!r.program.tray.IsShown());

        // From the tray the learning window comes back with its question still open.
        r.Window()->showMinimized();
        QTRY_VERIFY(r.program.tray.IsShown());
        r.program.clock.Advance(60000);
        reminders.Tick();
        QVERIFY(r.Window()->isVisible());
        QVERIFY(!r.Window()->isMinimized());
        QVERIFY(!r.Main()->isVisible());
        QVERIFY(!r.program.tray.IsShown());
        QCOMPARE(r.AskedWord(), QString("apple"));

        // Once the session is over, a reminder brings back the main window.
        r.BackToFamiliarization();
        r.Main()->showMinimized();
        QTRY_VERIFY(r.program.tray.IsShown());
        r.program.clock.Advance(60000);
        reminders.Tick();
        QVERIFY(r.Main()->isVisible());
        QVERIFY(!r.Window()->isVisible());
        QCOMPARE(flashed.last(), r.Main());
    }

    void settingsFromTheTrayLeaveTheSessionThere()
    {
        Running r(TwoCards("0000 0000"), "");
        r.app->SetModalRunner([](QDialog& dialog) { dialog.accept(); });
        r.StartLearning();
        r.Window()->showMinimized();
        QTRY_VERIFY(r.program.tray.IsShown());
        Q_EMIT r.program.tray.SettingsRequested(); // "Настройки", closed with OK at once
        QVERIFY(r.program.tray.IsShown());
        QVERIFY(!r.Window()->isVisible());
        QVERIFY(!r.Main()->isVisible());
        r.program.tray.DoubleClick();
        QVERIFY(r.Window()->isVisible());
        QVERIFY(!r.Main()->isVisible());
        QCOMPARE(r.AskedWord(), QString("apple"));
    }

    void sessionClosedInTheTrayTakesTheIconAway()
    {
        Running r(TwoCards("0000 0000"), "");
        r.StartLearning();
        r.Window()->showMinimized();
        QTRY_VERIFY(r.program.tray.IsShown());
        r.Window()->close(); // as the finish of a block does while the window is minimized
        QVERIFY(!r.program.tray.IsShown());
        QVERIFY(r.Main()->isVisible());
        r.program.tray.DoubleClick();
        QVERIFY(r.Main()->isVisible());
        QVERIFY(!r.Window()->isVisible());
    }

    void pairThatCannotBeSavedGoesBackOnTheBoard()
    {
        Running r(TwoCards("1000 1000"), "Kol correct answers=1\nPopup delay=0\n");
        r.StartLearning();
        QCOMPARE(r.VisiblePanel(), QString("Panel4"));
        DictionaryProbe::Execute(r.dictionary,
            "CREATE TRIGGER refuse BEFORE UPDATE OF para_true ON tab BEGIN SELECT RAISE(ABORT, 'refused'); END");
        r.program.prompts.ExpectError();
        r.MatchPair("pear", "груша");
        VERIFY_PROMPTS(r.program.prompts);
        QCOMPARE(r.VisibleLabels("word_left") + r.VisibleLabels("word_right"), 4);
        DictionaryProbe::Execute(r.dictionary, "DROP TRIGGER refuse");
        r.MatchPair("pear", "груша");
        r.MatchPair("apple", "яблоко");
        QCOMPARE(r.Column("para_true"), QStringList({ "1", "1" }));
        QCOMPARE(r.VisiblePanel(), QString("Panel3")); // on to the recall exercise
    }

    void failingDictionaryIsReportedAndCountsNothing()
    {
        Running r(TwoCards("0000 0000"), "Popup delay=0\n");
        r.StartLearning();
        DictionaryProbe::Execute(
            r.dictionary, "CREATE TRIGGER refuse BEFORE UPDATE ON tab BEGIN SELECT RAISE(ABORT, 'refused'); END");
        r.program.prompts.ExpectError(true);
        r.ChooseOption("яблоко");
        VERIFY_PROMPTS(r.program.prompts);
        QVERIFY(r.program.prompts.LastText().contains("refused"));
        // The question stays open; nothing was counted anywhere.
        QCOMPARE(r.AskedWord(), QString("apple"));
        QCOMPARE(r.Column("vibor_perevoda_true"), QStringList({ "0", "0" }));
        QVERIFY(r.Window()->isVisible());
    }

    void blockThatCannotBeMarkedLearnedStaysWhole()
    {
        // The second card of the block refuses its new status: the first must not keep its.
        Running r(TwoCards("1111 1101"), "Kol correct answers=1\nPopup delay=0\n");
        r.StartLearning();
        DictionaryProbe::Execute(r.dictionary,
            "CREATE TRIGGER refuse BEFORE UPDATE OF status ON tab "
            "WHEN NEW.header = 'pear' BEGIN SELECT RAISE(ABORT, 'refused'); END");
        r.program.prompts.ExpectInformation(true).ExpectError(true);
        r.Click(r.Find<QPushButton>("Button1"));
        r.Click(r.Find<QPushButton>("Button2"));
        VERIFY_PROMPTS(r.program.prompts);
        QVERIFY(r.program.prompts.LastText().contains("refused"));
        QCOMPARE(r.Column("status"), QStringList({ "learning", "learning" }));
    }
};

QTEST_MAIN(TestLearningWindowExits)
#include "tst_LearningWindowExits.moc"
