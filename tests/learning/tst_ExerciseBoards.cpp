#include "ScriptedRandom.h"
#include "learning/ChoiceQuestion.h"
#include "learning/PairBoard.h"
#include "learning/TypedAnswer.h"
#include "store/PartOfSpeech.h"

#include <QtTest>

using Outcome = PairBoard::Click::Outcome;

namespace {

// Deals a board of `count` cards "w1"/"t1", ... with every exchange drawn as (0, 0), so
// row n of both columns is card n.
PairBoard StraightBoard(int count, const QStringList& translations = {})
{
    QStringList words;
    QStringList texts = translations;
    for (int k = 1; k <= count; ++k) {
        words << QStringLiteral("w%1").arg(k);
        if (translations.isEmpty()) {
            texts << QStringLiteral("t%1").arg(k);
        }
    }
    ScriptedRandom random;
    for (int i = 0; i < 4 * count; ++i) {
        random.Queue({ 0 });
    }
    PairBoard board;
    board.Deal(words, texts, random);
    return board;
}

// "S" selected, "M" missed, "X" matched (with the card when it counts, e.g. "X2"),
// "I" ignored.
QString Describe(const PairBoard::Click& click)
{
    switch (click.outcome) {
    case Outcome::Selected:
        return QStringLiteral("S");
    case Outcome::Missed:
        return QStringLiteral("M");
    case Outcome::Matched:
        return click.counts ? QStringLiteral("X%1").arg(click.card) : QStringLiteral("X");
    case Outcome::Ignored:
        break;
    }
    return QStringLiteral("I");
}

} // namespace

class TestExerciseBoards : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void partOfSpeechMarker_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("marker");
        QTest::newRow("verb") << "verb"
                              << "(глаг.)";
        QTest::newRow("noun") << "noun"
                              << "(сущ.)";
        QTest::newRow("adj.") << "adj."
                              << "(прил.)";
        QTest::newRow("adv.") << "adv."
                              << "(нареч.)";
        QTest::newRow("other") << "other"
                               << "(др.)";
        QTest::newRow("interj.") << "interj."
                                 << "(межд.)";
        QTest::newRow("capital letter is unknown") << "Verb"
                                                   << "(before)";
        QTest::newRow("without its dot") << "adj"
                                         << "(before)";
        QTest::newRow("with a blank") << "verb "
                                      << "(before)";
        QTest::newRow("empty") << ""
                               << "(before)";
    }

    void partOfSpeechMarker()
    {
        QFETCH(QString, code);
        QFETCH(QString, marker);
        QString result = QStringLiteral("(before)");
        PartOfSpeech::PartOfSpeechMarker(code, result);
        QCOMPARE(result, marker);
    }

    void questionWordCaption_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("caption");
        QTest::newRow("verb") << "verb"
                              << "go (глаг.)";
        QTest::newRow("other drops its marker, keeps the blank") << "other"
                                                                 << "go ";
        QTest::newRow("unknown code") << "Verb"
                                      << "go ";
        QTest::newRow("no code") << ""
                                 << "go ";
    }

    void questionWordCaption()
    {
        QFETCH(QString, code);
        QFETCH(QString, caption);
        QCOMPARE(PartOfSpeech::QuestionWordCaption("go", code), caption);
    }

    void markersComeFromTheInterfaceLanguage()
    {
        QStringList asked;
        const auto english = [&](const QString& key) {
            asked << key;
            return key.endsWith("_pron") ? QString("(pron.)") : QString();
        };
        QCOMPARE(PartOfSpeech::QuestionWordCaption("it", "pron.", english), QString("it (pron.)"));
        // A language without the key keeps the built-in marker; "other" shows none.
        QCOMPARE(PartOfSpeech::QuestionWordCaption("go", "verb", english), QString("go (глаг.)"));
        QCOMPARE(PartOfSpeech::QuestionWordCaption("so", "other", english), QString("so "));
        QCOMPARE(asked, QStringList({ "form4_message_pos_pron", "form4_message_pos_verb" }));
    }

    void choiceOptionsAreMixedByExchanges_data()
    {
        QTest::addColumn<QList<int>>("draws");
        QTest::addColumn<QStringList>("options");
        QTest::newRow("exchanges that change nothing")
            << QList<int> { 0, 0, 1, 1, 2, 2 } << QStringList { "a", "b", "c" };
        QTest::newRow("first with last, then back and on")
            << QList<int> { 0, 2, 2, 0, 1, 2 } << QStringList { "a", "c", "b" };
        QTest::newRow("a then b are exchanged in draw order")
            << QList<int> { 1, 0, 0, 0, 0, 0 } << QStringList { "b", "a", "c" };
    }

    void choiceOptionsAreMixedByExchanges()
    {
        QFETCH(QList<int>, draws);
        QFETCH(QStringList, options);
        ScriptedRandom random;
        for (int draw : draws) {
            random.Queue({ draw });
        }
        ChoiceQuestion question;
        question.Prepare({ "a", "b", "c" }, "b", random);
        QCOMPARE(question.OptionCount(), 3);
        QStringList shown;
        for (int n = 1; n <= question.OptionCount(); ++n) {
            shown << question.ChoiceOptions(n);
        }
        QCOMPARE(shown, options);
        QVERIFY(question.ChoiceOptions(4).isEmpty());
        QCOMPARE(random.Reseeds(), 1);
        QVERIFY(random.Finished()); // exactly two draws per card
    }

    void choiceAnswerIsComparedExactly()
    {
        ScriptedRandom random;
        random.Queue({ 0, 0, 0, 0, 0, 0 });
        ChoiceQuestion question;
        question.Prepare({ "cat", "dog", "cat" }, "cat", random);
        // Two cards with the same translation: either option is right.
        QVERIFY(question.IsRight(question.ChoiceOptions(1)));
        QVERIFY(question.IsRight(question.ChoiceOptions(3)));
        QVERIFY(!question.IsRight("dog"));
        QVERIFY(!question.IsRight("Cat"));
        QVERIFY(!question.IsRight("cat "));
        // A new question forgets the old options.
        random.Queue({ 0, 0, 0, 0 });
        question.Prepare({ "x", "y" }, "y", random);
        QCOMPARE(question.OptionCount(), 2);
        QVERIFY(question.ChoiceOptions(3).isEmpty());
        QVERIFY(!question.IsRight("cat"));
    }

    void pairColumnsAreMixedApart()
    {
        ScriptedRandom random;
        // Round 1 exchanges left 1 and 3, then right 1 and 2; round 2 left 2 and 2, right 3
        // and 1; round 3 changes nothing.
        random.Queue({ 0, 2, 0, 1, 1, 1, 2, 0, 0, 0, 0, 0 });
        PairBoard board;
        board.Deal({ "w1", "w2", "w3" }, { "t1", "t2", "t3" }, random);
        QVERIFY(random.Finished());
        QCOMPARE(random.Reseeds(), 1);
        QCOMPARE(
            QList<int>({ board.PairLeftIds(1), board.PairLeftIds(2), board.PairLeftIds(3) }), QList<int>({ 3, 2, 1 }));
        QCOMPARE(QList<int>({ board.PairRightIds(1), board.PairRightIds(2), board.PairRightIds(3) }),
            QList<int>({ 3, 1, 2 }));
        QCOMPARE(board.PairLeftTexts(1), QString("w3"));
        QCOMPARE(board.PairRightTexts(2), QString("t1"));
        QCOMPARE(board.PairsLeft(), 3);
        QCOMPARE(board.PairSelection(), 0);
    }

    void pairClicks_data()
    {
        QTest::addColumn<int>("cards");
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("outcomes");
        QTest::addColumn<int>("selection");
        QTest::addColumn<QString>("missed");
        QTest::addColumn<int>("pairsLeft");
        QTest::newRow("same label twice stays selected") << 3 << "L1 L1"
                                                         << "S S" << 1 << "" << 3;
        QTest::newRow("same column moves the selection") << 3 << "L1 L2"
                                                         << "S S" << 2 << "" << 3;
        QTest::newRow("right column selects 9 to 16") << 3 << "R1 R3"
                                                      << "S S" << 11 << "" << 3;
        QTest::newRow("word then translation") << 3 << "L2 R2"
                                               << "S X2" << 0 << "" << 2;
        QTest::newRow("translation then word") << 3 << "R3 L3"
                                               << "S X3" << 0 << "" << 2;
        QTest::newRow("a wrong pair marks the word's card") << 3 << "L1 R2 L1 R1 L2 R2"
                                                            << "S M S X S X2" << 0 << "1" << 1;
        QTest::newRow("from the right it still marks the word's card") << 3 << "R2 L1 R2 L2 R1 L1"
                                                                       << "S M S X2 S X" << 0 << "1" << 1;
        QTest::newRow("found labels take no clicks") << 2 << "L1 R1 L1 R1"
                                                     << "S X1 I I" << 0 << "" << 1;
        QTest::newRow("a board of one card") << 1 << "R1 L1"
                                             << "S X1" << 0 << "" << 0;
        QTest::newRow("rows beyond the block take no clicks") << 2 << "L3 R5"
                                                              << "I I" << 0 << "" << 2;
    }

    void pairClicks()
    {
        QFETCH(int, cards);
        QFETCH(QString, clicks);
        QFETCH(QString, outcomes);
        QFETCH(int, selection);
        QFETCH(QString, missed);
        QFETCH(int, pairsLeft);
        PairBoard board = StraightBoard(cards);
        QStringList seen;
        for (const QString& click : clicks.split(' ')) {
            const int row = click.mid(1).toInt();
            seen << Describe(click.startsWith('L') ? board.ClickLeft(row) : board.ClickRight(row));
        }
        QCOMPARE(seen.join(' '), outcomes);
        QCOMPARE(board.PairSelection(), selection);
        QString missedCards;
        for (int k = 1; k <= cards; ++k) {
            missedCards += board.PairMissed(k) ? QString::number(k) : QString();
        }
        QCOMPARE(missedCards, missed);
        QCOMPARE(board.PairsLeft(), pairsLeft);
    }

    void equalTranslationsAreToldApartByCard()
    {
        PairBoard board = StraightBoard(2, { "same", "same" });
        QCOMPARE(board.ClickLeft(1).outcome, Outcome::Selected);
        QCOMPARE(board.ClickRight(2).outcome, Outcome::Missed);
        QVERIFY(board.PairMissed(1));
        QVERIFY(!board.PairMissed(2));
    }

    void aNewBoardForgetsMissesAndFoundPairs()
    {
        PairBoard board = StraightBoard(2);
        board.ClickLeft(1);
        board.ClickRight(2);
        board.ClickLeft(2);
        board.ClickRight(2);
        board.ClickLeft(1);
        board = StraightBoard(2);
        QVERIFY(!board.PairMissed(1));
        QVERIFY(!board.LeftFound(2) && !board.RightFound(2));
        QCOMPARE(board.PairSelection(), 0);
        QCOMPARE(board.PairsLeft(), 2);
    }

    void typedAnswersAreTrimmedOfBlanksAndControlsOnly_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("trimmed");
        QTest::newRow("blanks around") << "  house "
                                       << "house";
        QTest::newRow("tabs and newline") << "\thouse\r\n"
                                          << "house";
        QTest::newRow("inner blanks stay") << " big  house "
                                           << "big  house";
        QTest::newRow("a non-breaking space is not a blank")
            << QString("house") + QChar(0xA0) << QString("house") + QChar(0xA0);
        // What tells this trim from QString::trimmed(): controls go, other Unicode blanks stay.
        QTest::newRow("a control character goes") << QString(QChar(0x01)) + "house" + QChar(0x1F) << "house";
        QTest::newRow("an ideographic space stays")
            << QString(QChar(0x3000)) + "house" << QString(QChar(0x3000)) + "house";
        QTest::newRow("only blanks") << "   "
                                     << "";
        QTest::newRow("empty") << ""
                               << "";
    }

    void typedAnswersAreTrimmedOfBlanksAndControlsOnly()
    {
        QFETCH(QString, typed);
        QFETCH(QString, trimmed);
        QCOMPARE(TypedAnswer::Trim(typed), trimmed);
        QVERIFY(TypedAnswer::IsRight(typed, trimmed));
    }

    void anyMeaningIgnoresCaseBlanksAndTheKindOfDash()
    {
        const QString translation = QString::fromUtf8("самолёт; воздушное судно, авиа\u2013лайнер");
        for (const char* right : { "самолёт", " Воздушное судно", "АВИА-ЛАЙНЕР", "авиа\u2014лайнер",
                 "самолёт; воздушное судно, авиа-лайнер" }) {
            QVERIFY2(TypedAnswer::IsAnyMeaning(QString::fromUtf8(right), translation), right);
        }
        for (const char* wrong : { "", " ", "самолет", "воздушное", "самолёт; воздушное судно", "авиалайнер" }) {
            QVERIFY2(!TypedAnswer::IsAnyMeaning(QString::fromUtf8(wrong), translation), wrong);
        }
    }
};

QTEST_APPLESS_MAIN(TestExerciseBoards)
#include "tst_ExerciseBoards.moc"
