#include "LearningFixture.h"

using namespace CardTable;

namespace {

// Two learning cards (apple, pear) and a new one; the block is the first two.
DictionaryBuilder TwoCards()
{
    return std::move(DictionaryBuilder()
                         .Card("apple", "яблоко")
                         .Status("learning")
                         .Marked()
                         .Set(PartOfSpeech, QString("noun"))
                         .Card("pear", "груша")
                         .Status("learning")
                         .Set(PartOfSpeech, QString("other"))
                         .Card("plum", "слива"));
}

QString TranslationOf(const QString& word)
{
    return word == "apple" ? QString("яблоко") : QString("груша");
}

// Sets the four counters (exercises 1 to 4) of the card added last.
void SetCounters(DictionaryBuilder& cards, std::initializer_list<int> counters)
{
    const int columns[] = { ViborPerevodaTrue, ParaTrue, VspomnitTrue, PerevodTrue };
    int i = 0;
    for (int value : counters) {
        cards.Set(columns[i++], qint64(value));
    }
}

} // namespace

class TestLearningWindowSession : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void twoCardBlockRunsThroughAllFourExercises()
    {
        Running r(TwoCards(), "Kol correct answers=1\nPopup delay=2\n");
        QStringList popups;
        r.events.onHold = [&] {
            const bool shown = r.Find<QWidget>("Panel_popup")->isVisible();
            popups << (shown ? r.Find<QLabel>("label1")->text() + "/" + r.Find<QLabel>("label2")->text() : "hidden");
            QCOMPARE(r.Overlaps().join(", "), QString());
        };
        r.StartLearning();
        QCOMPARE(r.Overlaps().join(", "), QString()); // with the fonts really used, no text runs over a line
        QVERIFY(r.Window()->isVisible());
        QVERIFY(!r.Main()->isVisible());
        const QPoint offCentre = r.Window()->frameGeometry().center() - r.Main()->frameGeometry().center();
        QVERIFY2(offCentre.manhattanLength() <= 2, qPrintable(QString("%1,%2").arg(offCentre.x()).arg(offCentre.y())));
        QCOMPARE(r.Window()->windowTitle(), r.Message("form4_message_vibor_perevoda"));
        QCOMPARE(r.VisiblePanel(), QString("Panel2"));
        QCOMPARE(r.Find<QLabel>("TntLabel1")->text(), QString("apple (сущ.)"));
        QCOMPARE(r.VisibleLabels("label_translation2_"), 2);
        QCOMPARE(r.ExerciseStatus(), r.Percent("exercise_statistic", 0));
        QCOMPARE(r.OverallStatus(), r.Percent("full_statistic", 0));

        // Choice: card 1, then card 2 (strictly fewer answers), whose "other" marker is dropped.
        r.ChooseOption("яблоко");
        QCOMPARE(r.Find<QLabel>("TntLabel1")->text(), QString("pear "));
        QCOMPARE(r.ExerciseStatus(), r.Percent("exercise_statistic", 50));
        QCOMPARE(r.OverallStatus(), r.Percent("full_statistic", 12));
        r.ChooseOption("груша");

        // Pairs: the second pair brings the exercise to 100 and moves on at once.
        QCOMPARE(r.Window()->windowTitle(), r.Message("form4_message_para"));
        QCOMPARE(r.VisiblePanel(), QString("Panel4"));
        QCOMPARE(r.VisibleLabels("word_left") + r.VisibleLabels("word_right"), 4);
        QCOMPARE(r.Overlaps().join(", "), QString());
        QCOMPARE(r.OverallStatus(), r.Percent("full_statistic", 25));
        r.MatchPair("apple", "яблоко");
        QCOMPARE(r.VisibleLabels("word_left"), 1);
        QCOMPARE(r.ExerciseStatus(), r.Percent("exercise_statistic", 50));
        r.MatchPair("pear", "груша");

        // Recall: one card, then the other.
        QCOMPARE(r.Window()->windowTitle(), r.Message("form4_message_vspomnit"));
        QCOMPARE(r.VisiblePanel(), QString("Panel3"));
        QCOMPARE(r.OverallStatus(), r.Percent("full_statistic", 50));
        QStringList asked;
        for (int question = 0; question < 2; ++question) {
            asked << r.AskedWord();
            QCOMPARE(r.Overlaps().join(", "), QString());
            r.Click(r.Find<QPushButton>("Button1"));
            QCOMPARE(r.Overlaps().join(", "), QString());
            QCOMPARE(r.Find<QLabel>("Label_otvet")->text(), TranslationOf(asked.last()));
            r.Click(r.Find<QPushButton>("Button2"));
        }
        QCOMPARE(QSet<QString>(asked.begin(), asked.end()), QSet<QString>({ "apple", "pear" }));

        // Typed translation, once with Enter and blanks around, once with "Проверить".
        QCOMPARE(r.Window()->windowTitle(), r.Message("form4_message_perevod"));
        auto* edit = r.Find<QLineEdit>("Edit1");
        QVERIFY(edit->isVisible() && edit->text().isEmpty());
        QCOMPARE(r.Overlaps().join(", "), QString());
        edit->setText(" " + TranslationOf(r.AskedWord()) + "  ");
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(edit->text().isEmpty());
        edit->setText(TranslationOf(r.AskedWord()));
        r.program.prompts.ExpectInformation(true);
        r.Click(r.Find<QPushButton>("Button4"));

        VERIFY_PROMPTS(r.program.prompts);
        QCOMPARE(r.program.prompts.LastText(), r.Message("form4_message_learning_is_finished"));
        QVERIFY(!r.Window()->isVisible());
        QVERIFY(r.Main()->isVisible());
        // Every first-try answer was written; the block, and only the block, is learned.
        for (const char* column : { "vibor_perevoda_true", "para_true", "vspomnit_true", "perevod_true" }) {
            QCOMPARE(r.Column(column), QStringList({ "1", "1", "0" }));
        }
        QCOMPARE(r.Column("status"), QStringList({ "learned", "learned", "" }));
        // The day's history: two cards learned, eight first-try answers, one session.
        QCOMPARE(r.History(), QString("2026-03-02 2 8 0 1"));
        // The popup followed every question but the pairs, showing the card just asked.
        QCOMPARE(r.events.holds, QList<int>(6, 2000));
        QCOMPARE(popups.mid(0, 2), QStringList({ "apple/яблоко", "pear/груша" }));
        QVERIFY(!popups.contains("hidden"));
        QVERIFY(r.Find<QWidget>("Panel_popup")->isHidden());
    }

    void wrongChoiceScoresNothingAndAsksAnotherCard()
    {
        DictionaryBuilder cards = TwoCards();
        Running r(cards, "Kol correct answers=2\nPopup delay=0\n");
        DictionaryProbe::Execute(r.dictionary, "UPDATE tab SET vibor_perevoda_true = 1 WHERE header = 'apple'");
        r.StartLearning();
        QCOMPARE(r.AskedWord(), QString("pear"));
        QLabel* wrong = r.LabelShowing("label_translation2_", "яблоко");
        r.Click(wrong);
        QVERIFY(wrong->font().strikeOut());
        r.Click(wrong); // clicking a struck option again changes nothing more
        QVERIFY(wrong->isVisible());
        r.ChooseOption("груша");
        QCOMPARE(r.Column("vibor_perevoda_true"), QStringList({ "1", "0", "0" }));
        // Pear still has the fewest answers, but the question after a mistake asks another card.
        QCOMPARE(r.AskedWord(), QString("apple"));
        for (int n = 1; n <= 2; ++n) {
            QVERIFY(!r.Find<QLabel>(QString("label_translation2_%1").arg(n))->font().strikeOut());
        }
        QVERIFY(r.events.holds.isEmpty()); // popup delay 0: no popup at all
        // One question answered wrongly, however often; its later right choice scores nothing.
        QCOMPARE(r.History(), QString("2026-03-02 0 0 1 1"));
        VERIFY_PROMPTS(r.program.prompts);
    }

    // Each answer goes to the local day on the clock when it is given, not the day the
    // session began; a change of time zone sends later answers to the new local day and
    // leaves the days already written where they are.
    void answersAreRecordedOnTheLocalDayOfTheAnswer()
    {
        Running r(TwoCards(), "Kol correct answers=1\nPopup delay=0\n");
        r.program.clock.SetLocalTime(QTime(23, 59, 40));
        r.StartLearning();
        r.ChooseOption(TranslationOf(r.AskedWord()));
        QCOMPARE(r.History(), QString("2026-03-02 0 1 0 1"));

        r.program.clock.SetLocalDate(QDate(2026, 3, 3));
        r.program.clock.SetLocalTime(QTime(0, 0, 5));
        const QString asked = r.AskedWord();
        r.Click(r.LabelShowing("label_translation2_", TranslationOf(asked == "apple" ? "pear" : "apple")));
        QCOMPARE(r.History(), QString("2026-03-02 0 1 0 1; 2026-03-03 0 0 1 0"));

        r.program.clock.ChangeTimeZone(-3 * 3600); // back to 21:00:05 on the 2nd
        r.ChooseOption(TranslationOf(asked)); // right after a wrong answer: scores nothing
        r.Click(r.LabelShowing("label_translation2_", TranslationOf(r.AskedWord() == "apple" ? "pear" : "apple")));
        QCOMPARE(r.History(), QString("2026-03-02 0 1 1 1; 2026-03-03 0 0 1 0"));
    }

    void translationCutShortOnScreenIsJudgedWhole()
    {
        const QString endless = QString("необыкновенно длинный перевод ").repeated(10).trimmed();
        Running r(std::move(DictionaryBuilder()
                                .Card("apple", endless)
                                .Status("learning")
                                .Marked()
                                .Card("pear", "груша")
                                .Status("learning")),
            "Kol correct answers=2\nPopup delay=0\n");
        r.StartLearning();
        QCOMPARE(r.AskedWord(), QString("apple"));
        QLabel* cut = nullptr;
        for (int n = 1; n <= 2; ++n) {
            auto* option = r.Find<QLabel>(QString("label_translation2_%1").arg(n));
            cut = option->text() == "груша" ? cut : option;
        }
        QVERIFY(cut != nullptr && cut->text() != endless);
        QVERIFY(cut->width() <= 457);
        r.Click(cut);
        QVERIFY(!cut->font().strikeOut());
        QCOMPARE(r.Column("vibor_perevoda_true"), QStringList({ "1", "0" }));
    }

    void longTextsKeepClearOfLinesOnEveryPanel_data()
    {
        QTest::addColumn<int>("done"); // exercises the block is already through
        QTest::newRow("choice, and the popup") << 0;
        QTest::newRow("pairs") << 1;
        QTest::newRow("recall, and its answer") << 2;
        QTest::newRow("typed") << 3;
    }

    void longTextsKeepClearOfLinesOnEveryPanel()
    {
        // Two-line words and translations, in the fonts this program really uses.
        QFETCH(int, done);
        DictionaryBuilder cards;
        for (const char* word : { "to take something into consideration", "notwithstanding everything" }) {
            cards.Card(word, "принимать что-либо во внимание, учитывать, иметь в виду")
                .Status("learning")
                .Set(PartOfSpeech, QString("verb"));
            SetCounters(cards, { done > 0, done > 1, done > 2, 0 });
        }
        Running r(cards, "Kol correct answers=1\nPopup delay=1\n");
        r.events.onHold = [&] { QCOMPARE(r.Overlaps().join(", "), QString()); };
        r.StartLearning();
        QCOMPARE(r.Overlaps().join(", "), QString());
        if (done == 0) {
            r.Click(r.Find<QLabel>("label_translation2_1"));
            QCOMPARE(r.events.holds.size(), 1);
        } else if (done == 2) {
            r.Click(r.Find<QPushButton>("Button1"));
            QCOMPARE(r.Overlaps().join(", "), QString());
        }
    }

    void aClickAnywhereOnARowAnswers()
    {
        // "I" is a few pixels wide: a click at the far end of its row still chooses it.
        Running r(std::move(DictionaryBuilder().Card("я", "I").Status("learning").Card("он", "he").Status("learning")),
            "Kol correct answers=1\nPopup delay=0\nUse vibor perevoda=1\n");
        r.StartLearning();
        // A click where a real one would land: on whatever the panel has at that point.
        const auto clickRowEnd = [&](QLabel* label) {
            QWidget* panel = label->parentWidget();
            const QPoint at(label->x() < 216 && r.VisiblePanel() == "Panel4" ? 200 : 440, label->y() + 8);
            QWidget* target = panel->childAt(at);
            QVERIFY(target != nullptr);
            QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(panel, at));
        };
        for (int question = 0; question < 2; ++question) {
            clickRowEnd(r.LabelShowing("label_translation2_", r.AskedWord() == "я" ? "I" : "he"));
        }
        QCOMPARE(r.Column("vibor_perevoda_true"), QStringList({ "1", "1" }));
        QCOMPARE(r.VisiblePanel(), QString("Panel4"));
        clickRowEnd(r.LabelShowing("word_left", "я"));
        clickRowEnd(r.LabelShowing("word_right", "I"));
        QCOMPARE(r.Column("para_true"), QStringList({ "1", "0" }));
    }

    void doubleClickAnswersOnlyTheQuestionItWasMeantFor()
    {
        // No popup: the next question is on the screen before the second half of the click.
        DictionaryBuilder cards = TwoCards();
        Running r(cards, "Kol correct answers=2\nPopup delay=0\n");
        r.StartLearning();
        QLabel* option = r.LabelShowing("label_translation2_", "яблоко");
        r.Click(option);
        QCOMPARE(r.AskedWord(), QString("pear"));
        QTest::mouseDClick(option, Qt::LeftButton);
        QTest::mouseRelease(option, Qt::LeftButton);
        for (int n = 1; n <= 2; ++n) {
            QVERIFY(!r.Find<QLabel>(QString("label_translation2_%1").arg(n))->font().strikeOut());
        }
        QCOMPARE(r.AskedWord(), QString("pear"));
        r.ChooseOption("груша");
        QCOMPARE(r.Column("vibor_perevoda_true"), QStringList({ "1", "1", "0" }));
    }

    void doubleClickOnCheckChecksOnlyOnce()
    {
        DictionaryBuilder cards;
        cards.Card("apple", "яблоко").Status("learning").Marked();
        SetCounters(cards, { 2, 2, 2, 0 });
        cards.Card("pear", "груша").Status("learning");
        SetCounters(cards, { 2, 2, 2, 0 });
        Running r(cards, "Kol correct answers=2\nPopup delay=0\n");
        r.StartLearning();
        auto* edit = r.Find<QLineEdit>("Edit1");
        auto* check = r.Find<QPushButton>("Button4");
        const QString first = r.AskedWord();
        edit->setText(TranslationOf(first));
        QTest::mouseClick(check, Qt::LeftButton);
        const QString second = r.AskedWord();
        QVERIFY(second != first);
        QTest::mouseDClick(check, Qt::LeftButton);
        QTest::mouseRelease(check, Qt::LeftButton);
        // The empty box was not checked: the next question still counts at the first try.
        edit->setText(TranslationOf(second));
        QTest::mouseClick(check, Qt::LeftButton);
        QCOMPARE(r.Column("perevod_true"), QStringList({ "1", "1" }));
    }

    void pairBoardWithAMissDealsAnotherBoard()
    {
        DictionaryBuilder cards = TwoCards();
        Running r(cards, "Kol correct answers=1\nPopup delay=2\n");
        DictionaryProbe::Execute(r.dictionary, "UPDATE tab SET vibor_perevoda_true = 1");
        r.StartLearning();
        QCOMPARE(r.VisiblePanel(), QString("Panel4"));
        QLabel* apple = r.LabelShowing("word_left", "apple");
        r.Click(apple);
        QCOMPARE(apple->palette().color(QPalette::WindowText), QColor(Qt::red));
        QLabel* pear = r.LabelShowing("word_right", "груша");
        r.Click(pear);
        QCOMPARE(apple->palette().color(QPalette::WindowText), QColor(Qt::black));
        QCOMPARE(pear->palette().color(QPalette::WindowText), QColor(Qt::black));

        r.MatchPair("apple", "яблоко"); // found, but apple was missed on this board
        r.MatchPair("pear", "груша");
        QCOMPARE(r.Column("para_true"), QStringList({ "0", "1", "0" }));
        // The board is empty below 100: a new one with every card again.
        QCOMPARE(r.VisiblePanel(), QString("Panel4"));
        QCOMPARE(r.VisibleLabels("word_left") + r.VisibleLabels("word_right"), 4);
        QCOMPARE(r.Overlaps().join(", "), QString());
        QCOMPARE(r.ExerciseStatus(), r.Percent("exercise_statistic", 50));
        // Apple's pair lifts the last card to the threshold: recall comes at once.
        r.MatchPair("apple", "яблоко");
        QCOMPARE(r.VisiblePanel(), QString("Panel3"));
        QCOMPARE(r.Column("para_true"), QStringList({ "1", "1", "0" }));
        QVERIFY(r.events.holds.isEmpty());
        QCOMPARE(r.History(), QString("2026-03-02 0 2 1 1")); // apple's miss, pear's and apple's pairs
    }

    void recallGradesOnlyAfterTheAnswerIsShown()
    {
        DictionaryBuilder cards = TwoCards();
        Running r(cards, "Kol correct answers=1\nPopup delay=2\nUse vibor perevoda=0\nUse para=0\n");
        QStringList popups;
        r.events.onHold = [&] { popups << r.Find<QLabel>("label1")->text(); };
        r.StartLearning();
        QCOMPARE(r.AskedWord(), QString("apple"));
        QCOMPARE(r.Find<QLabel>("Label_vspomnit")->text(), QString("apple (сущ.)"));
        auto* right = r.Find<QPushButton>("Button2");
        auto* wrong = r.Find<QPushButton>("Button3");
        QVERIFY(right->isVisible() && !right->isEnabled() && wrong->isVisible() && !wrong->isEnabled());
        QVERIFY(r.Find<QLabel>("Label_otvet")->isHidden());
        r.Click(right);
        QCOMPARE(r.Column("vspomnit_true"), QStringList({ "0", "0", "0" }));
        r.Click(r.Find<QPushButton>("Button1"));
        QVERIFY(r.Find<QPushButton>("Button1")->isHidden());
        QVERIFY(r.Find<QLabel>("Label_otvet")->isVisible());
        QCOMPARE(r.Find<QLabel>("Label_otvet")->y(), 256 + 4);
        r.Click(wrong);
        // Nothing counted; the popup showed the card answered wrongly; the next card is pear.
        QCOMPARE(r.Column("vspomnit_true"), QStringList({ "0", "0", "0" }));
        QCOMPARE(popups, QStringList { "apple" });
        QCOMPARE(r.History(), QString("2026-03-02 0 0 1 1"));
        QCOMPARE(r.AskedWord(), QString("pear"));
        QVERIFY(!r.Find<QPushButton>("Button2")->isEnabled());
        // The keyboard never rests on "Режим ознакомления", where Space would end the lesson.
        QVERIFY(r.Window()->focusWidget() != r.Find<QToolButton>("LMDSpeedButton3"));
    }

    void typedAnswerMustMatchTheTranslationExactly_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("counted");
        QTest::addColumn<QByteArray>("rule"); // the settings line of the typed-answer rule
        QTest::newRow("as stored") << "to go, to walk"
                                   << "1" << QByteArray();
        QTest::newRow("blanks and a tab around") << "  to go, to walk\t"
                                                 << "1" << QByteArray();
        QTest::newRow("a doubled inner blank") << "to go,  to walk"
                                               << "0" << QByteArray();
        QTest::newRow("another letter case") << "To go, to walk"
                                             << "0" << QByteArray();
        QTest::newRow("one meaning of several") << "to go"
                                                << "0" << QByteArray();
        QTest::newRow("nothing") << ""
                                 << "0" << QByteArray();
        const QByteArray anyMeaning = "Typed answer any meaning=1";
        QTest::newRow("any meaning: one of several") << " To Walk"
                                                     << "1" << anyMeaning;
        QTest::newRow("any meaning: the whole") << "to go, to walk"
                                                << "1" << anyMeaning;
        QTest::newRow("any meaning: a part of one") << "go"
                                                    << "0" << anyMeaning;
        QTest::newRow("any meaning: nothing") << ""
                                              << "0" << anyMeaning;
    }

    void typedAnswerMustMatchTheTranslationExactly()
    {
        QFETCH(QString, typed);
        QFETCH(QString, counted);
        QFETCH(QByteArray, rule);
        DictionaryBuilder cards;
        cards.Card("go", "to go, to walk").Status("learning").Marked();
        SetCounters(cards, { 1, 1, 1, 0 });
        cards.Card("run", "бежать").Status("learning");
        SetCounters(cards, { 1, 1, 1, 0 });
        Running r(cards, "Kol correct answers=1\nPopup delay=0\n" + rule);
        r.StartLearning();
        QCOMPARE(r.Window()->windowTitle(), r.Message("form4_message_perevod"));
        QCOMPARE(r.AskedWord(), QString("go"));
        QCOMPARE(r.Window()->focusWidget(), r.Find<QLineEdit>("Edit1")); // typed into at once
        r.Find<QLineEdit>("Edit1")->setText(typed);
        QTest::keyClick(r.Find<QLineEdit>("Edit1"), Qt::Key_Enter);
        QCOMPARE(r.Column("perevod_true"), QStringList({ counted, "0" }));
        QCOMPARE(r.AskedWord(), QString("run")); // one attempt per question, right or wrong
        QCOMPARE(r.Window()->focusWidget(), r.Find<QLineEdit>("Edit1"));
    }

    void popupSaysWhetherTheAnswerWasRightAndWhatWasTyped()
    {
        DictionaryBuilder cards = TwoCards();
        Running r(cards, "Kol correct answers=1\nPopup delay=1\nUse para=0\nUse vspomnit=0\n");
        QStringList popups;
        r.events.onHold = [&] {
            auto* typed = r.Find<QLabel>("label_typed");
            auto* verdict = r.Find<QLabel>("label_verdict");
            popups << verdict->text() + (typed->isVisible() ? " / " + typed->text() : QString());
            // Told in words and in colour, and every line inside the frame.
            const QColor colour = verdict->palette().color(QPalette::WindowText);
            QVERIFY(verdict->text() == r.Message("form4_message_answer_right") ? colour.green() > colour.red()
                                                                               : colour.red() > colour.green());
            QCOMPARE(r.Overlaps().join(", "), QString());
        };
        r.StartLearning();
        r.ChooseOption(TranslationOf(r.AskedWord()) == "яблоко" ? "груша" : "яблоко"); // wrong first
        r.ChooseOption(TranslationOf(r.AskedWord()));
        while (r.VisiblePanel() == "Panel2") {
            r.ChooseOption(TranslationOf(r.AskedWord()));
        }
        QCOMPARE(r.VisiblePanel(), QString("Panel3"));
        r.Find<QLineEdit>("Edit1")->setText("  ябл ");
        QTest::keyClick(r.Find<QLineEdit>("Edit1"), Qt::Key_Return);
        QCOMPARE(popups.first(), QString("Неверно"));
        QCOMPARE(popups.count("Верно!"), popups.size() - 2);
        QCOMPARE(popups.last(), QString("Неверно / Вы написали: ябл"));
    }

    void recallAfterTypedInALaterSessionShowsItsButtons()
    {
        DictionaryBuilder cards = TwoCards();
        Running r(cards, "Kol correct answers=1\nPopup delay=0\n");
        DictionaryProbe::Execute(
            r.dictionary, "UPDATE tab SET vibor_perevoda_true = 1, para_true = 1, vspomnit_true = 1");
        r.StartLearning();
        QVERIFY(r.Find<QLineEdit>("Edit1")->isVisible());
        r.Find<QLineEdit>("Edit1")->setText("left over");
        r.BackToFamiliarization();
        QVERIFY(!r.Window()->isVisible());
        QVERIFY(r.Main()->isVisible());

        DictionaryProbe::Execute(r.dictionary, "UPDATE tab SET vspomnit_true = 0");
        r.StartLearning();
        QCOMPARE(r.Window()->windowTitle(), r.Message("form4_message_vspomnit"));
        QVERIFY(r.Find<QPushButton>("Button1")->isVisible());
        QVERIFY(r.Find<QPushButton>("Button2")->isVisible());
        QVERIFY(r.Find<QPushButton>("Button3")->isVisible());
        QVERIFY(r.Find<QLineEdit>("Edit1")->isHidden());
        QVERIFY(r.Find<QPushButton>("Button4")->isHidden());
        QVERIFY(r.Find<QLabel>("Label_otvet")->isHidden());
        QCOMPARE(r.Find<QLabel>("Label_vspomnit")->y(), 88);
        // And back to typed: the box is emptied.
        r.BackToFamiliarization();
        DictionaryProbe::Execute(r.dictionary, "UPDATE tab SET vspomnit_true = 1");
        r.StartLearning();
        QVERIFY(r.Find<QLineEdit>("Edit1")->isVisible());
        QVERIFY(r.Find<QLineEdit>("Edit1")->text().isEmpty());
        QVERIFY(r.Find<QPushButton>("Button1")->isHidden());
    }

    void answersDuringThePopupBelongToNoQuestion()
    {
        DictionaryBuilder cards = TwoCards();
        Running r(cards, "Kol correct answers=2\nPopup delay=1\n");
        r.StartLearning();
        QLabel* right = r.LabelShowing("label_translation2_", "яблоко");
        // A second click on the same option arrives while the popup is up.
        r.events.onHold = [&, once = true]() mutable {
            if (once) {
                once = false;
                r.Click(right);
            }
        };
        r.Click(right);
        QCOMPARE(r.events.holds, QList<int> { 1000 });
        QCOMPARE(r.Column("vibor_perevoda_true"), QStringList({ "1", "0", "0" }));
        QCOMPARE(r.AskedWord(), QString("pear"));
    }

    void popupEndsEarlyByAKeyOrAClick_data()
    {
        QTest::addColumn<int>("key"); // 0: a click on the popup
        QTest::newRow("Space") << int(Qt::Key_Space);
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
        QTest::newRow("click") << 0;
    }

    void popupEndsEarlyByAKeyOrAClick()
    {
        QFETCH(int, key);
        Running r(TwoCards(), "Kol correct answers=2\nPopup delay=20\n");
        r.StartLearning();
        r.events.onHold = [&] {
            if (key == 0) {
                r.Click(r.Find<QLabel>("label2"));
            } else {
                QTest::keyClick(r.Window(), Qt::Key(key));
            }
        };
        r.ChooseOption("яблоко");
        QCOMPARE(r.events.holdsEnded, 1);
        // The key ended the hold and did nothing else: the lesson goes on with the next card.
        QVERIFY(r.Window()->isVisible());
        QCOMPARE(r.AskedWord(), QString("pear"));
    }

    void everyExerciseIsAnsweredFromTheKeyboard()
    {
        DictionaryBuilder cards = TwoCards();
        cards.Language("en");
        Running r(cards, "Kol correct answers=1\nPopup delay=1\nSay words=1\n");
        r.StartLearning();
        // Each question word is said as it appears, and again by the speaker; the pair board
        // asks no one word.
        r.Click(r.Find<QToolButton>("LMDSpeedButton_say"));
        QCOMPARE(r.program.speech.Said(), QStringList({ r.AskedWord() + "/en", r.AskedWord() + "/en" }));
        r.Window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(r.Window()));
        // Keys go where the keyboard is, as on a real screen, with the text they type.
        const auto press = [&r](int key) {
            QWidget* focus = QApplication::focusWidget();
            const QString text = key < 0x10000 && QChar(key).isPrint() ? QString(QChar(key)).toLower() : QString();
            for (const QEvent::Type type : { QEvent::KeyPress, QEvent::KeyRelease }) {
                QKeyEvent event(type, key, Qt::NoModifier, text);
                QApplication::sendEvent(focus != nullptr ? focus : r.Window(), &event);
            }
        };
        const auto row = [&r](const QString& prefix, const QString& text) {
            return r.LabelShowing(prefix, text)->objectName().mid(prefix.size()).toInt();
        };

        // Choice: the key beside each option; 8 is beyond this block of two and does nothing.
        QCOMPARE(r.Find<QLabel>("key_translation2_1")->text(), QString("1"));
        QVERIFY(r.Find<QLabel>("key_translation2_2")->isVisible() && r.Find<QLabel>("key_translation2_3")->isHidden());
        press(Qt::Key_8);
        QCOMPARE(r.AskedWord(), QString("apple"));
        for (int question = 0; question < 2; ++question) {
            press(Qt::Key_0 + row("label_translation2_", TranslationOf(r.AskedWord())));
        }
        QCOMPARE(r.Column("vibor_perevoda_true"), QStringList({ "1", "1", "0" }));

        // Pairs: 1 to 8 on the left, A to H on the right (or the same keys of a Russian layout).
        QCOMPARE(r.VisiblePanel(), QString("Panel4"));
        QVERIFY(!r.Find<QToolButton>("LMDSpeedButton_say")->isEnabled());
        QCOMPARE(r.Find<QLabel>("key_right2")->text(), QString("B"));
        press(Qt::Key_0 + row("word_left", "apple"));
        press(Qt::Key_A + row("word_right", "яблоко") - 1);
        const QChar russianKeys[] = { u'Ф', u'И' }; // A and B of a Russian layout
        press(Qt::Key_0 + row("word_left", "pear"));
        press(russianKeys[row("word_right", "груша") - 1].unicode());
        QCOMPARE(r.Column("para_true"), QStringList({ "1", "1", "0" }));

        // Recall: no grade before the answer shows; Space shows it, Y or Right grades it right.
        QCOMPARE(r.VisiblePanel(), QString("Panel3"));
        press(Qt::Key_Y);
        press(Qt::Key_Right);
        QCOMPARE(r.Column("vspomnit_true"), QStringList({ "0", "0", "0" }));
        press(Qt::Key_Space);
        QVERIFY(r.Find<QLabel>("Label_otvet")->isVisible());
        press(Qt::Key_Y);
        press(Qt::Key_Return);
        press(Qt::Key_Right);
        QCOMPARE(r.Column("vspomnit_true"), QStringList({ "1", "1", "0" }));

        // Typed: the text box has the keyboard, and what is typed there is text, not a command.
        auto* edit = r.Find<QLineEdit>("Edit1");
        QCOMPARE(QApplication::focusWidget(), edit);
        press(Qt::Key_Y);
        press(Qt::Key_1);
        QCOMPARE(edit->text(), QString("y1"));
        QCOMPARE(r.Column("perevod_true"), QStringList({ "0", "0", "0" }));
        edit->clear();
        edit->insert(TranslationOf(r.AskedWord()));
        press(Qt::Key_Return);
        QCOMPARE(r.Column("perevod_true").count("1"), 1);
    }

    void escapeReturnsToFamiliarizationAndTheMainWindowStartsMemorizationByKey()
    {
        Running r(TwoCards(), "Kol correct answers=1\n");
        r.Main()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(r.Main()));
        QTest::keyClick(r.Main(), Qt::Key_M);
        QVERIFY(r.Window()->isVisible());
        r.Window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(r.Window()));
        QTest::keyClick(r.Window(), Qt::Key_Escape);
        QVERIFY(!r.Window()->isVisible());
        QVERIFY(r.Main()->isVisible());
        QCOMPARE(r.Column("vibor_perevoda_true"), QStringList({ "0", "0", "0" }));
    }

    void handEditedBlockSizeIsHeldToTheExercisesRows()
    {
        DictionaryBuilder cards;
        for (int k = 1; k <= 12; ++k) {
            cards.Card(QString("w%1").arg(k, 2, 10, QLatin1Char('0')), QString("t%1").arg(k)).Status("learning");
        }
        Running r(cards, "Max block size learning words=12\n");
        r.StartLearning();
        QVERIFY(r.Window()->isVisible());
        QCOMPARE(r.VisibleLabels("label_translation2_"), 8);
    }
};

QTEST_MAIN(TestLearningWindowSession)
#include "tst_LearningWindowSession.moc"
