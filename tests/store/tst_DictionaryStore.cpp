#include "support/DictionaryBuilder.h"
#include "support/DictionaryProbe.h"
#include "support/FakeSeams.h"
#include "support/TempFolder.h"

#include "base/AppError.h"
#include "store/DictionaryFile.h"
#include "store/DictionaryStore.h"
#include "store/HeaderOrder.h"
#include "store/SqliteConnection.h"
#include "store/SqliteStatement.h"
#include "store/StatementCatalogue.h"
#include "store/StatusCounts.h"

#include <QtTest>
#include <thread>

using namespace CardTable;

namespace {

const QString kStatus = QStringLiteral("status");
const QString kActive = QStringLiteral("active_word");
const QString kHeader = QStringLiteral("header");

// The headers of a dataset's records in record order.
QStringList Headers(Dataset& dataset)
{
    QStringList headers;
    for (int record = 1; record <= dataset.RecordCount(); ++record) {
        dataset.MoveTo(record);
        headers << dataset.Text(kHeader);
    }
    return headers;
}

// Where the current record of a dataset differs from its row in the file, or empty. A
// picture has no text in the dataset; only its presence is compared.
QString DifferenceFromFile(const Dataset& cards, const QString& path)
{
    for (int column = 0; column < kColumnCount; ++column) {
        const SqlValue inFile = DictionaryProbe::Value(path, cards.RowId(), ColumnName(column));
        const bool same = IsNull(inFile)              ? cards.IsNullAt(column)
            : std::holds_alternative<qint64>(inFile)  ? cards.IntegerAt(column) == std::get<qint64>(inFile)
            : std::holds_alternative<QString>(inFile) ? cards.TextAt(column) == std::get<QString>(inFile)
                                                      : !cards.IsNullAt(column);
        if (!same) {
            return QStringLiteral("card %1, column %2").arg(cards.RowId()).arg(ColumnName(column));
        }
    }
    return {};
}

QString DifferenceFromFile(Dataset& cards, const QString& path, int records)
{
    for (int record = 1; record <= records; ++record) {
        cards.MoveTo(record);
        if (QString difference = DifferenceFromFile(cards, path); !difference.isEmpty()) {
            return difference;
        }
    }
    return {};
}

// The ids of the learning block as the catalogue's statement reads it from the file, in
// its order: the rule the store's block, picked from its card list, must keep.
QList<qint64> StatementBlock(const QString& path, int maxBlockSize)
{
    const HeaderOrder order;
    const std::unique_ptr<SqliteConnection> connection = DictionaryFile::Open(path);
    order.Register(*connection);
    const StatementCatalogue::Entry entry = StatementCatalogue::LearningBlock(maxBlockSize);
    SqliteStatement statement(*connection, entry.sql);
    for (const auto& [name, value] : entry.parameters) {
        statement.Bind(name.constData(), value);
    }
    QList<qint64> ids;
    while (statement.Step()) {
        ids << statement.ColumnInteger(0);
    }
    return ids;
}

QList<qint64> RowIds(Dataset& cards)
{
    QList<qint64> ids;
    for (int record = 1; record <= cards.RecordCount(); ++record) {
        cards.MoveTo(record);
        ids << cards.RowId();
    }
    return ids;
}

// Cards, learning, learned and removed, as "7 1 1 1".
QString Figures(const StatusCounts& counts)
{
    return QStringLiteral("%1 %2 %3 %4").arg(counts.Cards).arg(counts.Learning).arg(counts.Learned).arg(counts.Removed);
}

} // namespace

class TestDictionaryStore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Opening: the mark and its repair.
    void emptyDictionaryOpensWithoutCurrentCardAndUnchanged()
    {
        TempFolder folder;
        const QString path = DictionaryBuilder().Write(folder.File("empty.dat"));
        const QByteArray before = DictionaryProbe::Bytes(path);
        CountingEventPump events;
        DictionaryStore store(events);
        QCOMPARE(store.OpenDictionary(path), 0);
        QVERIFY(store.IsOpen());
        QCOMPARE(store.Browser().RecordCount(), 0);
        QCOMPARE(store.Browser().Record(), 0);
        QVERIFY_THROWS_EXCEPTION(AppError, store.Browser().Text(kHeader));
        QCOMPARE(events.Processed(), 2);
        QCOMPARE(DictionaryProbe::Bytes(path), before);
    }

    void unmarkedDictionaryMarksFirstCardInOrder_data()
    {
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("expected");
        QTest::newRow("new becomes learning") << ""
                                              << "learning";
        QTest::newRow("learning stays") << "learning"
                                        << "learning";
        QTest::newRow("learned stays") << "learned"
                                       << "learned";
        QTest::newRow("removed stays") << "ignore"
                                       << "ignore";
    }
    void unmarkedDictionaryMarksFirstCardInOrder()
    {
        QFETCH(QString, status);
        QFETCH(QString, expected);
        TempFolder folder;
        // Id 2 comes first in header order.
        const QString path
            = DictionaryBuilder().Card("pear").Card("Apple").Status(status).Card("quince").Write(folder.File("d.dat"));
        CountingEventPump events;
        DictionaryStore store(events);
        QCOMPARE(store.OpenDictionary(path), 1);
        QCOMPARE(DictionaryProbe::Column(path, kActive), QStringList({ "0", "1", "0" }));
        QCOMPARE(DictionaryProbe::Text(path, 2, kStatus), expected);
        QCOMPARE(DictionaryProbe::Column(path, kStatus).at(0), QString());
        store.Browser().MoveTo(1);
        QVERIFY(store.Browser().Flag(kActive));
        QCOMPARE(store.Browser().Text(kStatus), expected);
    }

    void markedCardIsFoundAndFurtherMarksKept()
    {
        TempFolder folder;
        // In header order: alpha(3) beta(1) gamma(4) delta... marks on gamma and beta.
        const QString path
            = DictionaryBuilder().Card("beta").Marked().Card("delta").Card("alpha").Card("gamma").Marked().Write(
                folder.File("d.dat"));
        const QByteArray before = DictionaryProbe::Bytes(path);
        CountingEventPump events;
        DictionaryStore store(events);
        QCOMPARE(store.OpenDictionary(path), 2);
        QCOMPARE(DictionaryProbe::Column(path, kActive), QStringList({ "1", "0", "0", "1" }));
        QCOMPARE(DictionaryProbe::Bytes(path), before);
    }

    // Reading.
    void readsByNameAndPositionWithNullsAsEmptyOrZero()
    {
        TempFolder folder;
        const QString path = DictionaryBuilder()
                                 .Card("word", "слово")
                                 .Marked()
                                 .Set(Transcription, std::monostate())
                                 .Set(PartOfSpeech, QStringLiteral("noun"))
                                 .Set(ViborPerevodaTrue, qint64(3))
                                 .Set(VspomnitTrue, std::monostate())
                                 .Set(PerevodTrue, qint64(5))
                                 .Set(ParaTrue, qint64(-2))
                                 .Card("year", "год")
                                 .Set(Transcription, QStringLiteral(""))
                                 .Set(ParaTrue, qint64(1) << 40)
                                 .Write(folder.File("d.dat"));
        CountingEventPump events;
        DictionaryStore store(events);
        QCOMPARE(store.OpenDictionary(path), 1);
        Dataset& cards = store.Browser();
        cards.MoveTo(1);
        QCOMPARE(cards.TextAt(Header), QString("word"));
        QCOMPARE(cards.TextAt(Translation), QString("слово"));
        QCOMPARE(cards.TextAt(PartOfSpeech), QString("noun"));
        QCOMPARE(cards.IntegerAt(ViborPerevodaTrue), 3);
        QCOMPARE(cards.IntegerAt(VspomnitTrue), 0);
        QCOMPARE(cards.IntegerAt(PerevodTrue), 5);
        QCOMPARE(cards.IntegerAt(ParaTrue), -2);
        QVERIFY(cards.IsNull("transcription"));
        QCOMPARE(cards.Text("transcription"), QString());
        QVERIFY(cards.IsNull("vspomnit_true"));
        QCOMPARE(cards.Integer("vspomnit_true"), 0);
        cards.MoveTo(2);
        QVERIFY(!cards.IsNull("transcription"));
        QCOMPARE(cards.Integer("para_true"), qint64(1) << 40);
        QVERIFY_THROWS_EXCEPTION(AppError, cards.Text("no_such_column"));
        QVERIFY_THROWS_EXCEPTION(AppError, cards.TextAt(16));
        QVERIFY_THROWS_EXCEPTION(AppError, cards.MoveTo(0));
        QVERIFY_THROWS_EXCEPTION(AppError, cards.MoveTo(3));
        QCOMPARE(cards.Record(), 2);
    }

    void everyValueMovesWithItsCardIntoHeaderOrder()
    {
        // The file lists the cards in id order, the browser in header order: texts, NULLs,
        // a picture and a wide counter must each stay with their card, before and after an
        // edit adds a text.
        TempFolder folder;
        const QString path = DictionaryBuilder()
                                 .Card("pear", "груша")
                                 .Set(Picture, QByteArray("\x89PNG\0\1", 6))
                                 .Set(ParaTrue, qint64(1) << 40)
                                 .Card("Яблоко", "apple")
                                 .Set(Transcription, std::monostate())
                                 .Card("banana", "банан")
                                 .Set(Example, QStringLiteral("A ripe banana."))
                                 .Marked()
                                 .Card("", "пусто")
                                 .Card("apple", "яблоко")
                                 .Set(Comment, QStringLiteral("fruit"))
                                 .Set(MozaikaTrue, -(qint64(1) << 33))
                                 .Write(folder.File("d.dat"));
        CountingEventPump events;
        DictionaryStore store(events);
        QCOMPARE(store.OpenDictionary(path), 3);
        Dataset& cards = store.Browser();
        QCOMPARE(Headers(cards), QStringList({ "", "apple", "banana", "pear", "Яблоко" }));
        QCOMPARE(DifferenceFromFile(cards, path, 5), QString());

        cards.MoveTo(4);
        cards.Edit();
        cards.SetText(kStatus, "learning");
        cards.Post();
        QCOMPARE(cards.Text(kStatus), QString("learning"));
        QCOMPARE(DifferenceFromFile(cards, path, 5), QString());
        store.ReloadBrowserDataset();
        QCOMPARE(DifferenceFromFile(cards, path, 5), QString());
    }

    // Editing.
    void postWritesAtOnceAndOnlyTheChangedColumns()
    {
        TempFolder folder;
        const QString path = DictionaryBuilder()
                                 .Card("a")
                                 .Marked()
                                 .Status("learning")
                                 .Card("b")
                                 .Status("learning")
                                 .Write(folder.File("d.dat"));
        CountingEventPump events;
        DictionaryStore store(events);
        store.OpenDictionary(path);
        store.OpenLearningBlock(8);
        QCOMPARE(store.Learning().RecordCount(), 2);

        // The learning window raises a counter; the file has it as soon as Post returns.
        Dataset& block = store.Learning();
        block.MoveTo(2);
        block.Edit();
        block.SetInteger("para_true", block.Integer("para_true") + 1);
        block.Post();
        QCOMPARE(DictionaryProbe::Integer(path, 2, "para_true"), 1);
        QCOMPARE(block.Integer("para_true"), 1);

        // The card list shows it too, and its own post must not put the counter back.
        Dataset& browser = store.Browser();
        browser.MoveTo(2);
        QCOMPARE(browser.Integer("para_true"), 1);
        browser.Edit();
        browser.SetFlag(kActive, true);
        browser.SetText(kStatus, "learned");
        browser.Post();
        QCOMPARE(DictionaryProbe::Integer(path, 2, "para_true"), 1);
        QCOMPARE(DictionaryProbe::Text(path, 2, kStatus), QString("learned"));
        QCOMPARE(DictionaryProbe::Integer(path, 2, kActive), 1);

        store.ReloadBrowserDataset();
        browser.MoveTo(2);
        QCOMPARE(browser.Integer("para_true"), 1);
    }

    void editsNeedEditAndMovingAwayDropsThem()
    {
        TempFolder folder;
        const QString path = DictionaryBuilder().Card("a").Marked().Card("b").Write(folder.File("d.dat"));
        CountingEventPump events;
        DictionaryStore store(events);
        store.OpenDictionary(path);
        Dataset& cards = store.Browser();
        QVERIFY_THROWS_EXCEPTION(AppError, cards.SetText(kStatus, "learned"));
        QVERIFY_THROWS_EXCEPTION(AppError, cards.Post());
        cards.Edit();
        cards.SetText(kStatus, "learned");
        cards.MoveTo(2);
        QVERIFY(!cards.IsEditing());
        QVERIFY_THROWS_EXCEPTION(AppError, cards.Post());
        QCOMPARE(DictionaryProbe::Column(path, kStatus), QStringList({ "", "" }));
    }

    void postWaitsForAnotherProgramsLock()
    {
        TempFolder folder;
        const QString path = DictionaryBuilder().Card("a").Marked().Write(folder.File("d.dat"));
        CountingEventPump events;
        DictionaryStore store(events);
        store.OpenDictionary(path);
        auto other = DictionaryFile::Open(path);
        other->Execute("BEGIN EXCLUSIVE");
        // Timed from before the lock's holder starts its 300 ms: a Post that did not wait
        // returns well before, however the threads are scheduled.
        QElapsedTimer timer;
        timer.start();
        std::thread release([&other] {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            other->Execute("COMMIT");
        });
        Dataset& cards = store.Browser();
        cards.Edit();
        cards.SetText(kStatus, "learned");
        cards.Post();
        release.join();
        QVERIFY(timer.elapsed() >= 250);
        QCOMPARE(DictionaryProbe::Text(path, 1, kStatus), QString("learned"));
    }

    // The learning block.
    void learningBlockTakesFirstLearningCardsInOrder_data()
    {
        QTest::addColumn<int>("learningCards");
        QTest::addColumn<int>("maxBlockSize");
        QTest::addColumn<int>("expected");
        QTest::newRow("twelve, block of eight") << 12 << 8 << 8;
        QTest::newRow("fewer than the block") << 2 << 8 << 2;
        QTest::newRow("none") << 0 << 8 << 0;
        QTest::newRow("block of zero") << 5 << 0 << 0;
    }
    void learningBlockTakesFirstLearningCardsInOrder()
    {
        QFETCH(int, learningCards);
        QFETCH(int, maxBlockSize);
        QFETCH(int, expected);
        TempFolder folder;
        DictionaryBuilder builder;
        builder.Card("aaa").Marked().Status("learned").Card("AAB").Status("ignore").Card("aac");
        QStringList learning;
        // Written in reverse so that id order is not header order.
        for (int i = learningCards; i >= 1; --i) {
            const QString header = QStringLiteral("%1card%2").arg(i % 2 ? "" : "B").arg(i, 2, 10, QLatin1Char('0'));
            builder.Card(header).Status("learning");
            learning << header;
        }
        const QString path = builder.Write(folder.File("d.dat"));
        std::sort(learning.begin(), learning.end(),
            [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
        CountingEventPump events;
        DictionaryStore store(events);
        store.OpenDictionary(path);
        store.OpenLearningBlock(maxBlockSize);
        QCOMPARE(store.Learning().RecordCount(), expected);
        QCOMPARE(Headers(store.Learning()), learning.mid(0, expected));
    }

    // Block after block, the store's block is the statement's, and what a block writes shows
    // in the card list without reading the file again.
    void learningBlocksFollowTheirStatementAndReachTheCardList()
    {
        TempFolder folder;
        DictionaryBuilder builder;
        const QStringList words { "apple", "Apple", "résumé", "resume", "ёж", "Ель", "", "zebra", "Zebra", "b" };
        const QStringList statuses { "learning", "", "learning", "learned", "learning", "ignore", "learning" };
        for (int i = 0; i < 70; ++i) {
            builder.Card(words[(i * 7) % words.size()] + (i % 3 ? QString() : QString::number(i % 5)))
                .Status(statuses[i % statuses.size()]);
            if (i % 11 == 0) {
                builder.Set(Header, std::monostate());
            }
        }
        const QString path = builder.Write(folder.File("d.dat"));
        CountingEventPump events;
        DictionaryStore store(events);
        store.OpenDictionary(path);
        const int learningAtStart = store.Browser().Statuses().Learning;
        QVERIFY(learningAtStart > 24);
        for (int block = 1; block <= 3; ++block) {
            store.OpenLearningBlock(8);
            QCOMPARE(RowIds(store.Learning()), StatementBlock(path, 8));
            Dataset& cards = store.Learning();
            store.RunAsOneEdit([&] {
                for (int k = 1; k <= cards.RecordCount(); ++k) {
                    cards.MoveTo(k);
                    cards.Edit();
                    cards.SetText(kStatus, "learned");
                    cards.SetInteger(ColumnName(ParaTrue), 5);
                    cards.Post();
                }
            });
            QCOMPARE(store.Browser().Statuses().Learning, learningAtStart - 8 * block);
            QCOMPARE(DifferenceFromFile(store.Browser(), path, store.Browser().RecordCount()), QString());
        }
        store.OpenLearningBlock(100);
        QCOMPARE(RowIds(store.Learning()), StatementBlock(path, 100));
    }

    // Bulk statements.
    void resetLeavesOneLearningCardTheFirstAndSparesEmptyHeaders()
    {
        TempFolder folder;
        const QString path = DictionaryBuilder()
                                 .Card("zebra")
                                 .Status("learned")
                                 .Set(ParaTrue, qint64(4))
                                 .Set(MozaikaTrue, qint64(2))
                                 .Card("Mango")
                                 .Status("learning")
                                 .Marked()
                                 .Set(ViborPerevodaTrue, qint64(1))
                                 .Card("")
                                 .Status("ignore")
                                 .Set(PerevodTrue, qint64(7))
                                 .Card("apple")
                                 .Status("ignore")
                                 .Set(AssociaciyaTrue, qint64(3))
                                 .Set(VspomnitTrue, std::monostate())
                                 .Write(folder.File("d.dat"));
        CountingEventPump events;
        DictionaryStore store(events);
        QCOMPARE(store.OpenDictionary(path), 3);
        store.ResetStatistics();
        // The card with an empty header sorts first, so the first card in order is that one;
        // its status and counters stay but it becomes the marked card in learning.
        QCOMPARE(DictionaryProbe::Column(path, kStatus), QStringList({ "", "", "learning", "" }));
        QCOMPARE(DictionaryProbe::Column(path, kActive), QStringList({ "0", "0", "1", "0" }));
        for (const char* counter : { "associaciya_true", "mozaika_true", "vibor_perevoda_true", "vspomnit_true",
                 "perevod_true", "para_true" }) {
            const QStringList values = DictionaryProbe::Column(path, counter);
            QCOMPARE(values.at(0), QString("0"));
            QCOMPARE(values.at(1), QString("0"));
            QCOMPARE(values.at(3), QString("0"));
        }
        QCOMPARE(DictionaryProbe::Integer(path, 3, "perevod_true"), 7);
        store.ReloadBrowserDataset();
        QCOMPARE(store.OpenDictionary(path), 1);
    }

    void resetMarksFirstCardInOrderAndReopensThere()
    {
        TempFolder folder;
        const QString path = DictionaryBuilder()
                                 .Card("pear")
                                 .Status("learned")
                                 .Card("Apricot")
                                 .Status("ignore")
                                 .Card("banana")
                                 .Marked()
                                 .Status("learning")
                                 .Write(folder.File("d.dat"));
        CountingEventPump events;
        DictionaryStore store(events);
        QCOMPARE(store.OpenDictionary(path), 2);
        store.ResetStatistics();
        QCOMPARE(DictionaryProbe::Column(path, kStatus), QStringList({ "", "learning", "" }));
        QCOMPARE(DictionaryProbe::Column(path, kActive), QStringList({ "0", "1", "0" }));
        QCOMPARE(store.OpenDictionary(path), 1);
    }

    void resetIsAllOrNothing()
    {
        TempFolder folder;
        const QString path = DictionaryBuilder()
                                 .Card("a")
                                 .Marked()
                                 .Status("learned")
                                 .Set(ParaTrue, qint64(2))
                                 .Card("b")
                                 .Status("ignore")
                                 .Write(folder.File("d.dat"));
        // A file that refuses the last of the eight updates.
        DictionaryProbe::Execute(
            path, "CREATE TRIGGER refuse BEFORE UPDATE OF para_true ON tab BEGIN SELECT RAISE(ABORT, 'refused'); END");
        const QStringList statuses = DictionaryProbe::Column(path, kStatus);
        CountingEventPump events;
        DictionaryStore store(events);
        store.OpenDictionary(path);
        try {
            store.ResetStatistics();
            QFAIL("the reset went through a refusing file");
        } catch (const AppError& error) {
            QVERIFY2(error.Message().contains(path), qPrintable(error.Message()));
            QVERIFY2(error.Message().contains("refused"), qPrintable(error.Message()));
        }
        QCOMPARE(DictionaryProbe::Column(path, kStatus), statuses);
        QCOMPARE(DictionaryProbe::Integer(path, 1, "para_true"), 2);
        // The connection is usable afterwards: no transaction was left open.
        store.ReturnRemovedCards();
        QCOMPARE(DictionaryProbe::Column(path, kStatus), QStringList({ "learned", "" }));
    }

    void failedReloadKeepsTheListAsItWas()
    {
        TempFolder folder;
        const QString path = DictionaryBuilder().Card("a").Marked().Card("b").Write(folder.File("d.dat"));
        CountingEventPump events;
        DictionaryStore store(events);
        store.OpenDictionary(path);
        // Another program takes the card table away: the list cannot be read again.
        DictionaryProbe::Execute(path, "ALTER TABLE tab RENAME TO gone");
        QVERIFY_THROWS_EXCEPTION(AppError, store.ReloadBrowserDataset());
        QCOMPARE(Headers(store.Browser()), QStringList({ "a", "b" }));
    }

    // The running status counts: what the main window shows after every step.
    void statusCountsFollowEveryEditAndOnlyWhatReachedTheFile()
    {
        TempFolder folder;
        const QString path = DictionaryBuilder()
                                 .Card("a")
                                 .Marked()
                                 .Status("learned")
                                 .Card("b")
                                 .Status("learning")
                                 .Card("c")
                                 .Status("ignore")
                                 .Card("d")
                                 .Card("e")
                                 .Set(Status, SqlValue())
                                 .Card("f")
                                 .Status("Learned") // not a status the program knows
                                 .Card("g")
                                 .Set(Status, qint64(7))
                                 .Write(folder.File("d.dat"));
        CountingEventPump events;
        DictionaryStore store(events);
        store.OpenDictionary(path);
        Dataset& cards = store.Browser();
        QCOMPARE(Figures(cards.Statuses()), QString("7 1 1 1"));
        const auto setStatus = [&cards](int record, const SqlValue& status) {
            cards.MoveTo(record);
            cards.Edit();
            cards.SetInteger(kActive, 0); // a change beside the status does not count twice
            if (const auto* text = std::get_if<QString>(&status)) {
                cards.SetText(kStatus, *text);
            } else {
                cards.SetInteger(kStatus, std::get<qint64>(status));
            }
            cards.Post();
        };
        setStatus(1, QString("ignore")); // learned -> removed
        setStatus(4, QString("learned")); // new -> learned
        setStatus(5, QString("learning")); // NULL -> learning
        setStatus(2, qint64(3)); // learning -> a number: counts nowhere
        setStatus(7, QString("learned")); // a number -> learned
        QCOMPARE(Figures(cards.Statuses()), QString("7 1 2 2"));
        QCOMPARE(Figures(cards.Statuses()), Figures(CountStatuses(cards)));

        // A refused edit, alone or among others, changes no count.
        DictionaryProbe::Execute(path,
            "CREATE TRIGGER refuse BEFORE UPDATE OF status ON tab WHEN new.status = 'learned' "
            "BEGIN SELECT RAISE(ABORT, 'refused'); END");
        QVERIFY_THROWS_EXCEPTION(AppError, setStatus(3, QString("learned")));
        QCOMPARE(Figures(cards.Statuses()), QString("7 1 2 2"));
        QVERIFY_THROWS_EXCEPTION(AppError, store.RunAsOneEdit([&] {
            setStatus(6, QString("ignore"));
            setStatus(3, QString("learned"));
        }));
        QCOMPARE(Figures(store.Browser().Statuses()), QString("7 1 2 2"));
        QCOMPARE(Figures(store.Browser().Statuses()), Figures(CountStatuses(store.Browser())));

        // Bulk statements show once the list is read again; another dictionary brings its own.
        store.ReturnRemovedCards();
        store.ReloadBrowserDataset();
        QCOMPARE(Figures(store.Browser().Statuses()), QString("7 1 2 0"));
        store.OpenDictionary(DictionaryBuilder().Card("x").Status("learned").Write(folder.File("other.dat")));
        QCOMPARE(Figures(store.Browser().Statuses()), QString("1 0 1 0"));
        store.OpenDictionary(DictionaryBuilder().Write(folder.File("empty.dat")));
        QCOMPARE(Figures(store.Browser().Statuses()), QString("0 0 0 0"));
    }

    // The history of learning.
    void historyIsKeptByDayOutOfTheCardTablesWay()
    {
        TempFolder folder;
        const QString path
            = DictionaryBuilder().Card("a").Marked().Status("learned").Card("b").Write(folder.File("d.dat"));
        CountingEventPump events;
        DictionaryStore store(events);
        store.OpenDictionary(path);
        // Reading a dictionary without a history neither fails nor writes.
        const QByteArray before = DictionaryProbe::Bytes(path);
        QVERIFY(store.History().empty());
        QCOMPARE(DictionaryProbe::Bytes(path), before);

        const QDate monday(2026, 3, 2);
        store.AddToHistory({ monday, 0, 0, 0, 1 });
        store.AddToHistory({ monday.addDays(1), 1, 0, 0, 0 });
        store.AddToHistory({ monday, 8, 5, 2, 1 });
        const std::vector<HistoryDay> expected { { monday, 8, 5, 2, 2 }, { monday.addDays(1), 1, 0, 0, 0 } };
        QVERIFY(store.History() == expected);
        // A change and its history in one commit; the card list and reopening know nothing of it.
        store.RunAsOneEdit([&] {
            store.Browser().MoveTo(2);
            store.Browser().Edit();
            store.Browser().SetText(kStatus, "learned");
            store.Browser().Post();
            store.AddToHistory({ monday, 1, 0, 0, 0 });
        });
        QCOMPARE(store.History().front().Learned, 9);
        QCOMPARE(store.OpenDictionary(path), 1);
        QCOMPARE(Headers(store.Browser()), QStringList({ "a", "b" }));
        QCOMPARE(store.Browser().ColumnNames().size(), kColumnCount);

        // A reset keeps the history unless told otherwise.
        store.ResetStatistics();
        QCOMPARE(store.History().size(), size_t(2));
        store.ResetStatistics(true);
        QVERIFY(store.History().empty());
        QCOMPARE(DictionaryProbe::Column(path, kStatus), QStringList({ "learning", "" }));
    }

    void returnRemovedCardsKeepsCountersAndOtherStatuses()
    {
        TempFolder folder;
        const QString path = DictionaryBuilder()
                                 .Card("a")
                                 .Marked()
                                 .Status("ignore")
                                 .Set(ParaTrue, qint64(3))
                                 .Card("b")
                                 .Status("learned")
                                 .Card("c")
                                 .Status("learning")
                                 .Card("")
                                 .Status("ignore")
                                 .Card("e")
                                 .Status("IGNORE")
                                 .Write(folder.File("d.dat"));
        CountingEventPump events;
        DictionaryStore store(events);
        store.OpenDictionary(path);
        store.ReturnRemovedCards();
        QCOMPARE(
            DictionaryProbe::Column(path, kStatus), QStringList({ "", "learned", "learning", "ignore", "IGNORE" }));
        QCOMPARE(DictionaryProbe::Integer(path, 1, "para_true"), 3);
        QCOMPARE(DictionaryProbe::Integer(path, 1, kActive), 1);
        // The browser is a snapshot until it is reloaded.
        store.Browser().MoveTo(2);
        QCOMPARE(store.Browser().Text(kStatus), QString("ignore"));
        store.ReloadBrowserDataset();
        store.Browser().MoveTo(2);
        QCOMPARE(store.Browser().Text(kStatus), QString());
    }

    void commandsWithoutDictionaryFailClearly()
    {
        CountingEventPump events;
        DictionaryStore store(events);
        QVERIFY(!store.IsOpen());
        QCOMPARE(store.Path(), QString());
        QVERIFY_THROWS_EXCEPTION(AppError, store.ReloadBrowserDataset());
        QVERIFY_THROWS_EXCEPTION(AppError, store.OpenLearningBlock(8));
        QVERIFY_THROWS_EXCEPTION(AppError, store.ResetStatistics());
        QVERIFY_THROWS_EXCEPTION(AppError, store.ReturnRemovedCards());
        QCOMPARE(store.Browser().RecordCount(), 0);
    }
};

QTEST_GUILESS_MAIN(TestDictionaryStore)
#include "tst_DictionaryStore.moc"
