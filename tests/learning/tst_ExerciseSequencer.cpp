#include "ScriptedRandom.h"
#include "base/AppSettings.h"
#include "learning/ExerciseNumbers.h"
#include "learning/ExerciseSequencer.h"
#include "learning/LearningSession.h"

#include <QtTest>

using Step = ExerciseSequencer::Step;
Q_DECLARE_METATYPE(ExerciseSequencer::Step)

namespace {

// A block written card by card, each card as its four counters: "2013 0000" is a block of
// two cards, the first with 2, 0, 1 and 3 right answers in exercises 1 to 4.
LearningSession Block(const QString& counters)
{
    LearningSession session;
    const QStringList cards = counters.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    session.BlockSize = int(cards.size());
    for (int k = 1; k <= session.BlockSize; ++k) {
        session.Card(k).Position = k;
        for (int exercise = 1; exercise <= 4; ++exercise) {
            session.Card(k).Counters.at(size_t(exercise - 1)) = cards.at(k - 1).at(exercise - 1).digitValue();
        }
    }
    return session;
}

// Settings with a threshold and the four exercise flags written as "1011" (exercises 1 to 4).
AppSettings Settings(int threshold, const QString& enabled = QStringLiteral("1111"))
{
    AppSettings settings;
    settings.CorrectAnswerThreshold = quint16(threshold);
    settings.EnabledExerciseCount = 0;
    for (int exercise = 1; exercise <= 4; ++exercise) {
        const bool on = enabled.at(exercise - 1) == QLatin1Char('1');
        settings.UseExercise[ExerciseNumbers::KindOf(exercise)] = on;
        settings.EnabledExerciseCount += on ? 1 : 0;
    }
    return settings;
}

} // namespace

class TestExerciseSequencer : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void findExerciseFrom_data()
    {
        QTest::addColumn<QString>("counters");
        QTest::addColumn<int>("threshold");
        QTest::addColumn<QString>("enabled");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("found");
        QTest::newRow("everything reached") << "2222 2222" << 2 << "1111" << 1 << 0;
        QTest::newRow("counters above the threshold count as reached") << "3959 2222" << 2 << "1111" << 1 << 0;
        QTest::newRow("one card below in exercise 1") << "2222 1222" << 2 << "1111" << 1 << 1;
        QTest::newRow("exercise 1 done, exercise 2 not") << "2222 2122" << 2 << "1111" << 1 << 2;
        QTest::newRow("earlier exercises are not looked at") << "0022 0022" << 2 << "1111" << 3 << 0;
        QTest::newRow("the search starts at its first number") << "0002 0022" << 2 << "1111" << 3 << 3;
        QTest::newRow("disabled exercises are looked at too") << "2202 2222" << 2 << "1011" << 2 << 3;
        QTest::newRow("disabled exercise 1 is found") << "0222 2222" << 2 << "0111" << 1 << 1;
    }

    void findExerciseFrom()
    {
        QFETCH(QString, counters);
        QFETCH(int, threshold);
        QFETCH(QString, enabled);
        QFETCH(int, first);
        QFETCH(int, found);
        LearningSession session = Block(counters);
        const AppSettings settings = Settings(threshold, enabled);
        ScriptedRandom random;
        QCOMPARE(ExerciseSequencer(session, settings, random).FindExerciseFrom(first), found);
    }

    void skipDisabledExercises_data()
    {
        QTest::addColumn<QString>("enabled");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("after");
        QTest::addColumn<bool>("moved");
        QTest::newRow("all enabled") << "1111" << 1 << 1 << false;
        QTest::newRow("1 disabled") << "0111" << 1 << 2 << true;
        QTest::newRow("1 and 2 disabled") << "0011" << 1 << 3 << true;
        QTest::newRow("one call moves 1 to 4") << "0001" << 1 << 4 << true;
        QTest::newRow("4 is never skipped") << "0000" << 1 << 4 << true;
        QTest::newRow("4 disabled stays on 4") << "1110" << 4 << 4 << false;
        QTest::newRow("a disabled 1 does not touch 2") << "0111" << 2 << 2 << false;
        QTest::newRow("1 to 2 only when 2 is enabled") << "0101" << 1 << 2 << true;
        QTest::newRow("2 disabled") << "1011" << 2 << 3 << true;
        QTest::newRow("3 disabled") << "1101" << 3 << 4 << true;
    }

    void skipDisabledExercises()
    {
        QFETCH(QString, enabled);
        QFETCH(int, current);
        QFETCH(int, after);
        QFETCH(bool, moved);
        LearningSession session = Block("0000 0000");
        session.CurrentExercise = quint16(current);
        const AppSettings settings = Settings(1, enabled);
        ScriptedRandom random;
        QCOMPARE(ExerciseSequencer(session, settings, random).SkipDisabledExercises(), moved);
        QCOMPARE(int(session.CurrentExercise), after);
    }

    void computeProgress_data()
    {
        QTest::addColumn<QString>("counters");
        QTest::addColumn<int>("threshold");
        QTest::addColumn<QString>("enabled");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("exercise");
        QTest::addColumn<int>("overall");
        // 5 x 100 / 8 = 62.5, truncated; the counter of 3 counts as 2.
        QTest::newRow("62 percent") << "2000 1000 0000 3000" << 2 << "1111" << 1 << 62 << 15;
        QTest::newRow("nothing yet") << "0000 0000" << 1 << "1111" << 1 << 0 << 0;
        QTest::newRow("overall covers exercises up to the current one") << "1110 1100" << 1 << "1111" << 3 << 50 << 62;
        QTest::newRow("later exercises do not count") << "1011 1011" << 1 << "1111" << 1 << 100 << 25;
        QTest::newRow("everything done") << "2222 2222" << 2 << "1111" << 4 << 100 << 100;
        // Old answers of disabled exercises would carry the figure past 100.
        QTest::newRow("disabled exercises do not count") << "2222 2222" << 2 << "0001" << 4 << 100 << 100;
        QTest::newRow("only enabled work counts") << "2220 2220" << 2 << "0001" << 4 << 0 << 0;
        QTest::newRow("three of four enabled") << "2200 2200" << 2 << "0111" << 2 << 100 << 33;
        QTest::newRow("no exercise enabled gives 0, not a crash") << "1111 1111" << 1 << "0000" << 4 << 100 << 0;
        QTest::newRow("threshold 0 gives 0, not a crash") << "1111 1111" << 0 << "1111" << 1 << 0 << 0;
    }

    void computeProgress()
    {
        QFETCH(QString, counters);
        QFETCH(int, threshold);
        QFETCH(QString, enabled);
        QFETCH(int, current);
        QFETCH(int, exercise);
        QFETCH(int, overall);
        LearningSession session = Block(counters);
        session.CurrentExercise = quint16(current);
        const AppSettings settings = Settings(threshold, enabled);
        ScriptedRandom random;
        ExerciseSequencer sequencer(session, settings, random);
        const ExerciseSequencer::Progress progress = sequencer.ComputeProgress();
        QCOMPARE(progress.exercise, exercise);
        QCOMPARE(progress.overall, overall);
        QCOMPARE(sequencer.ExercisePercentage(), exercise);
    }

    void chooseStartExercise_data()
    {
        QTest::addColumn<QString>("counters");
        QTest::addColumn<int>("threshold");
        QTest::addColumn<QString>("enabled");
        QTest::addColumn<Step>("step");
        QTest::addColumn<int>("exercise");
        QTest::addColumn<int>("card");
        QTest::newRow("the card with the fewest answers")
            << "2000 1000 0000 3000" << 2 << "1111" << Step::Present << 1 << 3;
        QTest::newRow("the lowest-numbered among the fewest")
            << "1000 0000 0000 1000" << 2 << "1111" << Step::Present << 1 << 2;
        QTest::newRow("exercise 1 done opens with 2") << "2022 2122" << 2 << "1111" << Step::Present << 2 << 1;
        QTest::newRow("NULL counters read as 0 open with 1") << "0000 0000" << 1 << "1111" << Step::Present << 1 << 1;
        QTest::newRow("disabled 1, nothing after it: 2 all the same")
            << "0222 0222" << 2 << "0111" << Step::Present << 2 << 1;
        QTest::newRow("disabled 1, search again from 2") << "0202 0212" << 2 << "0111" << Step::Present << 3 << 1;
        QTest::newRow("card chosen for the exercise presented")
            << "0200 0100 0000" << 2 << "0111" << Step::Present << 2 << 3;
        QTest::newRow("disabled 1 and 2 skip to 3") << "0000 0000" << 1 << "0011" << Step::Present << 3 << 1;
        QTest::newRow("only a disabled 4 left") << "2220 2220" << 2 << "1110" << Step::FinishBlock << 4 << 1;
        QTest::newRow("everything reached") << "2222 3232" << 2 << "1111" << Step::FinishBlock << 0 << 0;
        QTest::newRow("every exercise disabled") << "0000 0000" << 2 << "0000" << Step::FinishBlock << 4 << 1;
    }

    void chooseStartExercise()
    {
        QFETCH(QString, counters);
        QFETCH(int, threshold);
        QFETCH(QString, enabled);
        QFETCH(Step, step);
        QFETCH(int, exercise);
        QFETCH(int, card);
        LearningSession session = Block(counters);
        const AppSettings settings = Settings(threshold, enabled);
        ScriptedRandom random;
        QCOMPARE(ExerciseSequencer(session, settings, random).ChooseStartExercise(), step);
        QCOMPARE(int(session.CurrentExercise), exercise);
        QCOMPARE(session.CurrentCard, card);
        QVERIFY(random.Finished()); // the first card is never drawn
    }

    void chooseNextExercise_data()
    {
        QTest::addColumn<QString>("counters");
        QTest::addColumn<QString>("enabled");
        QTest::addColumn<int>("current");
        QTest::addColumn<Step>("step");
        QTest::addColumn<int>("exercise");
        // Threshold 1 throughout.
        QTest::newRow("the same exercise goes on") << "1000 0000"
                                                   << "1111" << 1 << Step::Present << 1;
        QTest::newRow("the next one with work") << "1000 1000"
                                                << "1111" << 1 << Step::Present << 2;
        QTest::newRow("exercises without work are passed") << "1110 1110"
                                                           << "1111" << 1 << Step::Present << 4;
        QTest::newRow("a disabled one is skipped without a new search") << "1010 1010"
                                                                        << "1011" << 1 << Step::Present << 3;
        QTest::newRow("2 and 3 disabled with work, 4 done") << "1001 1001"
                                                            << "1001" << 1 << Step::Present << 4;
        QTest::newRow("3 done, disabled 4 with work") << "1110 1110"
                                                      << "1110" << 3 << Step::FinishBlockPastLast << 4;
        QTest::newRow("3 done, 4 done and disabled") << "1111 1111"
                                                     << "1110" << 3 << Step::FinishBlock << 3;
        QTest::newRow("4 done") << "1111 1111"
                                << "1111" << 4 << Step::FinishBlock << 4;
        QTest::newRow("never back to an earlier exercise") << "0011 0011"
                                                           << "1111" << 3 << Step::FinishBlock << 3;
    }

    void chooseNextExercise()
    {
        QFETCH(QString, counters);
        QFETCH(QString, enabled);
        QFETCH(int, current);
        QFETCH(Step, step);
        QFETCH(int, exercise);
        LearningSession session = Block(counters);
        session.CurrentExercise = quint16(current);
        const AppSettings settings = Settings(1, enabled);
        ScriptedRandom random;
        QCOMPARE(ExerciseSequencer(session, settings, random).ChooseNextExercise(), step);
        QCOMPARE(int(session.CurrentExercise), exercise);
    }

    void declinedFinishPresentsTheCurrentExerciseAgain()
    {
        LearningSession session = Block("1111 1111");
        session.CurrentExercise = 2;
        const AppSettings settings = Settings(1);
        ScriptedRandom random;
        ExerciseSequencer sequencer(session, settings, random);
        QCOMPARE(sequencer.ChooseNextExercise(), Step::FinishBlock);
        QCOMPARE(sequencer.ContinueAfterDeclinedFinish(), Step::Present);
        QCOMPARE(int(session.CurrentExercise), 2);
    }

    void pickQuestionCard_data()
    {
        QTest::addColumn<QString>("counters");
        QTest::addColumn<QList<int>>("draws");
        QTest::addColumn<int>("previous");
        QTest::addColumn<bool>("mistake");
        QTest::addColumn<int>("card");
        QTest::newRow("strictly smallest wins over the draw")
            << "2000 2000 1000" << QList<int> { 0 } << 1 << false << 3;
        QTest::newRow("equal counters: drawn card 1") << "1000 1000 1000" << QList<int> { 0 } << 1 << false << 1;
        QTest::newRow("equal counters: drawn card 2") << "1000 1000 1000" << QList<int> { 1 } << 1 << false << 2;
        QTest::newRow("equal counters: drawn card 3") << "1000 1000 1000" << QList<int> { 2 } << 1 << false << 3;
        QTest::newRow("drawn card among the smallest") << "1000 0000 0000" << QList<int> { 2 } << 1 << false << 3;
        QTest::newRow("else the lowest-numbered smallest") << "1000 0000 0000" << QList<int> { 0 } << 1 << false << 2;
        QTest::newRow("a right answer may ask the same card") << "1000 1000" << QList<int> { 1 } << 2 << false << 2;
        QTest::newRow("after a mistake another card") << "1000 1000" << QList<int> { 0, 0, 1 } << 1 << true << 2;
        QTest::newRow("after a mistake, redrawn until different")
            << "1000 1000 1000" << QList<int> { 1, 1, 1, 0 } << 2 << true << 1;
        QTest::newRow("a mistake on another card changes nothing") << "1000 1000" << QList<int> { 1 } << 1 << true << 2;
    }

    void pickQuestionCard()
    {
        QFETCH(QString, counters);
        QFETCH(QList<int>, draws);
        QFETCH(int, previous);
        QFETCH(bool, mistake);
        QFETCH(int, card);
        LearningSession session = Block(counters);
        session.CurrentExercise = 1;
        session.CurrentCard = previous;
        session.MistakeMade = mistake;
        const AppSettings settings = Settings(2);
        ScriptedRandom random;
        for (int draw : draws) {
            random.Queue({ draw });
        }
        ExerciseSequencer(session, settings, random).PickQuestionCard();
        QCOMPARE(session.CurrentCard, card);
        QVERIFY(random.Finished());
        QVERIFY(random.Reseeds() >= 1);
        for (int count : random.Counts()) {
            QCOMPARE(count, session.BlockSize); // every draw is over the whole block
        }
    }

    void pickQuestionCardReadsTheCurrentExercise()
    {
        LearningSession session = Block("0100 0010 0000");
        session.CurrentExercise = 3;
        const AppSettings settings = Settings(2);
        ScriptedRandom random;
        random.Queue({ 0 });
        ExerciseSequencer(session, settings, random).PickQuestionCard();
        QCOMPARE(session.CurrentCard, 1); // exercise 3's counters 0, 1, 0: the drawn card 1 has the fewest
    }

    void pickOtherCardNeverGivesThePreviousOne()
    {
        LearningSession session = Block("0000 0000");
        const AppSettings settings = Settings(1);
        ScriptedRandom random;
        random.Queue({ 2, 2, 2, 0 });
        ExerciseSequencer sequencer(session, settings, random);
        QCOMPARE(sequencer.PickOtherCard(4, 3), 1);
        QCOMPARE(random.Reseeds(), 1);
        QVERIFY(random.Finished());
        // A one-card block has no other card; the draw must not loop for ever.
        QCOMPARE(sequencer.PickOtherCard(1, 1), 1);
    }
};

QTEST_APPLESS_MAIN(TestExerciseSequencer)
#include "tst_ExerciseSequencer.moc"
