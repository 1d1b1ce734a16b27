#include "support/DictionaryBuilder.h"
#include "support/DictionaryProbe.h"
#include "support/FakeSeams.h"
#include "support/FileSizeLimit.h"
#include "support/TempFolder.h"

#include "base/AppError.h"
#include "learning/LearningSession.h"
#include "store/DictionaryStore.h"

#include <QFileInfo>
#include <QtTest>
#include <optional>

using namespace CardTable;

namespace {
const QDate kToday(2026, 3, 2);
} // namespace

class TestLearningSession : public QObject {
    Q_OBJECT

private:
    // An open store over a dictionary a test built.
    struct OpenStore {
        CountingEventPump events;
        DictionaryStore store { events };
        QString path;

        explicit OpenStore(const QString& dictionary)
            : path(dictionary)
        {
            store.OpenDictionary(path);
        }
    };

    // Headers of the learning block, in block order.
    static QStringList BlockHeaders(DictionaryStore& store, const LearningSession& session)
    {
        QStringList headers;
        for (int k = 1; k <= session.BlockSize; ++k) {
            store.Learning().MoveTo(session.Card(k).Position);
            headers << store.Learning().TextAt(Header);
        }
        return headers;
    }

private Q_SLOTS:
    void blockIsTheFirstLearningCardsInHeaderOrder_data()
    {
        QTest::addColumn<int>("learning");
        QTest::addColumn<int>("maxBlockSize");
        QTest::addColumn<int>("blockSize");
        QTest::newRow("twelve cards, blocks of 8") << 12 << 8 << 8;
        QTest::newRow("exactly two cards") << 2 << 8 << 2;
        QTest::newRow("one card") << 1 << 8 << 1;
        QTest::newRow("blocks of 3") << 12 << 3 << 3;
        // More than the exercises' eight rows would leave cards without a label.
        QTest::newRow("a hand-edited size of 12 is held to 8") << 12 << 12 << 8;
    }

    void blockIsTheFirstLearningCardsInHeaderOrder()
    {
        QFETCH(int, learning);
        QFETCH(int, maxBlockSize);
        QFETCH(int, blockSize);
        TempFolder folder;
        // Written in reverse order, with cards of every other status in between.
        DictionaryBuilder builder;
        QStringList expected;
        for (int k = learning; k >= 1; --k) {
            builder.Card(QStringLiteral("w%1").arg(k, 2, 10, QLatin1Char('0'))).Status("learning");
            builder.Card(QStringLiteral("w%1a").arg(k, 2, 10, QLatin1Char('0'))).Status(k % 2 ? "learned" : "ignore");
            builder.Card(QStringLiteral("w%1b").arg(k, 2, 10, QLatin1Char('0')));
        }
        for (int k = 1; k <= blockSize; ++k) {
            expected << QStringLiteral("w%1").arg(k, 2, 10, QLatin1Char('0'));
        }
        OpenStore open(builder.Write(folder.File("cards.dat")));
        open.store.OpenLearningBlock(LearningSession::BlockLimit(maxBlockSize));
        LearningSession session;
        session.LoadBlock(open.store.Learning());
        QCOMPARE(session.BlockSize, blockSize);
        QCOMPARE(BlockHeaders(open.store, session), expected);
        for (int k = 1; k <= blockSize; ++k) {
            QCOMPARE(session.Card(k).Position, k);
        }
    }

    void blockCopiesTheFourCountersNullAsZero()
    {
        TempFolder folder;
        const QString path = DictionaryBuilder()
                                 .Card("a")
                                 .Status("learning")
                                 .Set(ViborPerevodaTrue, qint64(1))
                                 .Set(ParaTrue, qint64(2))
                                 .Set(VspomnitTrue, qint64(3))
                                 .Set(PerevodTrue, qint64(4))
                                 .Card("b")
                                 .Status("learning")
                                 .Set(ViborPerevodaTrue, SqlValue())
                                 .Set(ParaTrue, SqlValue())
                                 .Set(VspomnitTrue, SqlValue())
                                 .Set(PerevodTrue, qint64(7))
                                 .Write(folder.File("cards.dat"));
        OpenStore open(path);
        open.store.OpenLearningBlock(8);
        LearningSession session;
        session.LoadBlock(open.store.Learning());
        // Exercises 1 to 4 are choice, pairs, recall and typed translation.
        QCOMPARE(session.Card(1).Counters, (std::array<int, 4> { 1, 2, 3, 4 }));
        QCOMPARE(session.Card(2).Counters, (std::array<int, 4> { 0, 0, 0, 7 }));
    }

    void scoringRaisesTheExercisesColumnInFileAndBlock_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("column");
        QTest::addColumn<int>("exercise");
        QTest::newRow("choice") << int(ExerciseKind::vibor_perevoda) << "vibor_perevoda_true" << 1;
        QTest::newRow("pairs") << int(ExerciseKind::para) << "para_true" << 2;
        QTest::newRow("recall") << int(ExerciseKind::vspomnit) << "vspomnit_true" << 3;
        QTest::newRow("typed") << int(ExerciseKind::perevod) << "perevod_true" << 4;
    }

    void scoringRaisesTheExercisesColumnInFileAndBlock()
    {
        QFETCH(int, kind);
        QFETCH(QString, column);
        QFETCH(int, exercise);
        TempFolder folder;
        // Card 2 (id 1) comes second in header order; its counter is NULL.
        const QString path = DictionaryBuilder()
                                 .Card("b")
                                 .Status("learning")
                                 .Set(FindColumn(column), SqlValue())
                                 .Card("a")
                                 .Status("learning")
                                 .Set(FindColumn(column), qint64(5))
                                 .Write(folder.File("cards.dat"));
        OpenStore open(path);
        open.store.OpenLearningBlock(8);
        LearningSession session;
        session.LoadBlock(open.store.Learning());
        session.CurrentCard = 2;
        session.ScoreCorrectAnswer(open.store, ExerciseKind(kind), kToday);
        QCOMPARE(DictionaryProbe::Integer(path, 1, column), 1);
        QCOMPARE(session.Counter(2, exercise), 1);
        session.CurrentCard = 1;
        session.ScoreCorrectAnswer(open.store, ExerciseKind(kind), kToday);
        session.ScoreCorrectAnswer(open.store, ExerciseKind(kind), kToday);
        QCOMPARE(DictionaryProbe::Integer(path, 2, column), 7);
        QCOMPARE(session.Counter(1, exercise), 7);
        // The other columns are left alone.
        for (const char* other : { "vibor_perevoda_true", "para_true", "vspomnit_true", "perevod_true" }) {
            if (column != QLatin1String(other)) {
                QCOMPARE(DictionaryProbe::Integer(path, 1, other), 0);
            }
        }
    }

    void pictureExercisesAreNotScored()
    {
        TempFolder folder;
        const QString path
            = DictionaryBuilder().Card("a").Status("learning").Card("b").Status("learning").Write(folder.File("c.dat"));
        OpenStore open(path);
        open.store.OpenLearningBlock(8);
        LearningSession session;
        session.LoadBlock(open.store.Learning());
        session.CurrentCard = 1;
        const QByteArray before = DictionaryProbe::Bytes(path);
        const auto counters = session.Card(1).Counters;
        session.ScoreCorrectAnswer(open.store, ExerciseKind::associaciya, kToday);
        session.ScoreCorrectAnswer(open.store, ExerciseKind::mozaika, kToday);
        QCOMPARE(DictionaryProbe::Bytes(path), before);
        QCOMPARE(session.Card(1).Counters, counters);
    }

    void aFailedWriteIsNotCountedInTheBlockEither()
    {
        TempFolder folder;
        const QString path
            = DictionaryBuilder().Card("a").Status("learning").Card("b").Status("learning").Write(folder.File("c.dat"));
        OpenStore open(path);
        open.store.OpenLearningBlock(8);
        LearningSession session;
        session.LoadBlock(open.store.Learning());
        session.CurrentCard = 2;
        DictionaryProbe::Execute(
            path, "CREATE TRIGGER refuse BEFORE UPDATE ON tab BEGIN SELECT RAISE(ABORT, 'refused'); END");
        QVERIFY_THROWS_EXCEPTION(AppError, session.ScoreCorrectAnswer(open.store, ExerciseKind::para, kToday));
        QCOMPARE(session.Counter(2, 2), 0);
        QCOMPARE(DictionaryProbe::Integer(path, 2, "para_true"), 0);
    }

    // A change and its history are one commit: when it fails, the file has neither.
    void aFailedCommitLeavesNeitherTheChangeNorItsHistory_data()
    {
        QTest::addColumn<QString>("refusal");
        QTest::newRow("the history refused")
            << "CREATE TABLE history (day TEXT PRIMARY KEY NOT NULL, learned INTEGER NOT NULL DEFAULT 0, "
               "right_answers INTEGER NOT NULL DEFAULT 0, wrong_answers INTEGER NOT NULL DEFAULT 0, "
               "sessions INTEGER NOT NULL DEFAULT 0); "
               "CREATE TRIGGER refuse BEFORE UPDATE ON history BEGIN SELECT RAISE(ABORT, 'refused'); END";
        QTest::newRow("the card refused")
            << "CREATE TRIGGER refuse BEFORE UPDATE ON tab BEGIN SELECT RAISE(ABORT, 'refused'); END";
        QTest::newRow("the disk full") << "";
    }
    void aFailedCommitLeavesNeitherTheChangeNorItsHistory()
    {
        QFETCH(QString, refusal);
        TempFolder folder;
        const QString path
            = DictionaryBuilder().Card("a").Status("learning").Card("b").Status("learning").Write(folder.File("c.dat"));
        if (!refusal.isEmpty()) {
            DictionaryProbe::Execute(path, refusal);
        }
        OpenStore open(path);
        open.store.OpenLearningBlock(8);
        LearningSession session;
        session.LoadBlock(open.store.Learning());
        session.CurrentCard = 2;
        const QStringList statuses = DictionaryProbe::Column(path, "status");
        {
            // No file may grow: the history's new table needs room the disk does not have.
            std::optional<FileSizeLimit> fullDisk;
            if (refusal.isEmpty()) {
                fullDisk.emplace(QFileInfo(path).size());
                QVERIFY(fullDisk->Applied());
            }
            QVERIFY_THROWS_EXCEPTION(AppError, session.ScoreCorrectAnswer(open.store, ExerciseKind::para, kToday));
            QVERIFY_THROWS_EXCEPTION(AppError, session.MarkBlockLearned(open.store, kToday));
        }
        QCOMPARE(DictionaryProbe::Column(path, "para_true"), QStringList({ "0", "0" }));
        QCOMPARE(DictionaryProbe::Column(path, "status"), statuses);
        QVERIFY(open.store.History().empty());
        // Neither the block table nor the block's list counts what the file does not hold.
        QCOMPARE(session.Counter(2, 2), 0);
        open.store.Learning().MoveTo(2);
        QCOMPARE(open.store.Learning().Integer("para_true"), 0);
        // With the file willing again, both go through together.
        DictionaryProbe::Execute(path, "DROP TRIGGER IF EXISTS refuse");
        session.ScoreCorrectAnswer(open.store, ExerciseKind::para, kToday);
        session.MarkBlockLearned(open.store, kToday);
        QVERIFY(open.store.History() == std::vector<HistoryDay>({ { kToday, 2, 1, 0, 0 } }));
        QCOMPARE(DictionaryProbe::Column(path, "status"), QStringList({ "learned", "learned" }));
    }

    void markingLearnsTheWholeBlockOnly()
    {
        TempFolder folder;
        const QString path = DictionaryBuilder()
                                 .Card("c")
                                 .Status("learning")
                                 .Card("a")
                                 .Status("learning")
                                 .Card("b")
                                 .Status("learning")
                                 .Card("d")
                                 .Status("learning")
                                 .Write(folder.File("c.dat"));
        OpenStore open(path);
        open.store.OpenLearningBlock(3);
        LearningSession session;
        session.LoadBlock(open.store.Learning());
        session.MarkBlockLearned(open.store, kToday);
        QCOMPARE(DictionaryProbe::Column(path, "status"), QStringList({ "learned", "learned", "learned", "learning" }));
        // The next block is the following cards.
        open.store.OpenLearningBlock(3);
        session.LoadBlock(open.store.Learning());
        QCOMPARE(session.BlockSize, 1);
        QCOMPARE(BlockHeaders(open.store, session), QStringList { "d" });
    }
};

QTEST_GUILESS_MAIN(TestLearningSession)
#include "tst_LearningSession.moc"
