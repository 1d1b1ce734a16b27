// The card editor's commands in the store: a card added, changed or deleted reaches the file
// in one commit and the browser list at its place in header order, without a reload.

#include "support/DictionaryBuilder.h"
#include "support/DictionaryProbe.h"
#include "support/FakeSeams.h"
#include "support/TempFolder.h"

#include "base/AppError.h"
#include "store/DictionaryStore.h"
#include "store/HeaderOrder.h"
#include "store/StatusCounts.h"

#include <QtTest>

using namespace CardTable;

namespace {

// The list as "header:status[*]" per record, '*' on a marked card.
QString Listing(Dataset& cards)
{
    QStringList rows;
    for (int record = 1; record <= cards.RecordCount(); ++record) {
        cards.MoveTo(record);
        rows << cards.TextAt(Header) + ':' + cards.TextAt(Status) + (cards.IntegerAt(ActiveWord) ? "*" : "");
    }
    return rows.join(' ');
}

// The same of a file, read by a store of its own: what a restart would show.
QString FileListing(const QString& path)
{
    CountingEventPump events;
    DictionaryStore store(events);
    store.OpenDictionary(path);
    return Listing(store.Browser());
}

QString Figures(const StatusCounts& counts)
{
    return QStringLiteral("%1 %2 %3 %4").arg(counts.Cards).arg(counts.Learning).arg(counts.Learned).arg(counts.Removed);
}

struct Opened {
    TempFolder folder;
    CountingEventPump events;
    DictionaryStore store { events };
    QString path;

    explicit Opened(const DictionaryBuilder& cards)
    {
        path = cards.Write(folder.File("cards.dat"));
        store.OpenDictionary(path);
    }
    Dataset& Cards() { return store.Browser(); }
};

DictionaryBuilder Fruit()
{
    DictionaryBuilder cards;
    cards.Card("apple", "яблоко").Status("learning").Marked();
    cards.Card("Banana", "банан").Status("ignore");
    cards.Card("cherry", "вишня").Status("learned");
    cards.Card("ёж", "hedgehog");
    return cards;
}

} // namespace

class TestCardEdits : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The dataset's own row operations, in memory: places, counts, the cursor and row ids.
    void rowsGoInTakeOutAndMoveKeepingOrderAndCounts()
    {
        Opened d(Fruit());
        Dataset& cards = d.Cards();
        const HeaderOrder order;
        QCOMPARE(cards.PlaceInOrder(order, "Apricot", 99), 2);
        QCOMPARE(cards.PlaceInOrder(order, "apple", 0), 1); // an equal header: by id
        QCOMPARE(cards.PlaceInOrder(order, "apple", 99), 2);
        QCOMPARE(cards.PlaceInOrder(order, "Яблоко", 99), 5);
        QCOMPARE(cards.PlaceInOrder(order, "zebra", 1, 1), 3); // apple moved past the other three but ёж

        cards.MoveTo(3); // cherry
        std::vector<SqlValue> row(kColumnCount);
        row[Header] = QString("Apricot");
        row[Status] = QString("learned");
        cards.InsertRecord(2, 77, row);
        QCOMPARE(Listing(cards), QString("apple:learning* Apricot:learned Banana:ignore cherry:learned ёж:"));
        QCOMPARE(Figures(cards.Statuses()), QString("5 1 2 1"));
        QCOMPARE(cards.RecordOf(77), 2);
        cards.MoveTo(4);
        QCOMPARE(cards.TextAt(Translation), QString("вишня"));

        cards.MoveRecord(1, 4);
        QCOMPARE(Listing(cards), QString("Apricot:learned Banana:ignore cherry:learned apple:learning* ёж:"));
        cards.MoveRecord(4, 2);
        QCOMPARE(Listing(cards), QString("Apricot:learned apple:learning* Banana:ignore cherry:learned ёж:"));
        QCOMPARE(cards.RecordOf(77), 1);

        cards.MoveTo(5);
        cards.RemoveRecord(3);
        QCOMPARE(cards.Record(), 4); // the cursor stays on ёж
        QCOMPARE(Listing(cards), QString("Apricot:learned apple:learning* cherry:learned ёж:"));
        QCOMPARE(Figures(cards.Statuses()), QString("4 1 2 0"));
        QCOMPARE(cards.RecordOf(2), 0); // Banana's row is gone
        QVERIFY_THROWS_EXCEPTION(AppError, cards.RemoveRecord(5));
    }

    void addedCardTakesItsPlaceInFileAndList()
    {
        Opened d(Fruit());
        CardRecord card = CardRecord::Make("  blueberry ", "черника");
        card[Transcription] = QString("");
        QCOMPARE(d.store.AddCard(card), 3);
        QCOMPARE(Listing(d.Cards()), QString("apple:learning* Banana:ignore blueberry: cherry:learned ёж:"));
        QCOMPARE(FileListing(d.path), Listing(d.Cards()));
        d.Cards().MoveTo(3);
        const qint64 id = d.Cards().RowId();
        QCOMPARE(DictionaryProbe::Text(d.path, id, "header"), QString("blueberry"));
        QVERIFY(IsNull(DictionaryProbe::Value(d.path, id, "transcription")));
        QCOMPARE(DictionaryProbe::Integer(d.path, id, "id"), qint64(5));
        QCOMPARE(Figures(d.Cards().Statuses()), QString("5 1 1 1"));

        // No word: refused before anything is written.
        const QByteArray before = DictionaryProbe::Bytes(d.path);
        QVERIFY_THROWS_EXCEPTION(AppError, d.store.AddCard(CardRecord::Make(" ", "x")));
        QCOMPARE(DictionaryProbe::Bytes(d.path), before);
    }

    void firstCardOfEmptyDictionaryBecomesTheMarkedOne()
    {
        Opened d(DictionaryBuilder {});
        QCOMPARE(d.store.AddCard(CardRecord::Make("word", "слово")), 1);
        QCOMPARE(FileListing(d.path), QString("word:learning*"));
        QCOMPARE(d.store.AddCard(CardRecord::Make("another", "другое")), 1);
        QCOMPARE(FileListing(d.path), QString("another: word:learning*"));
    }

    void changedWordMovesTheCardAndOtherTextsStay()
    {
        Opened d(Fruit());
        QCOMPARE(d.store.ChangeCardText(1, Header, " zucchini "), 3);
        QCOMPARE(d.store.ChangeCardText(3, Transcription, "ˈzuːkiːni"), 3);
        QCOMPARE(d.store.ChangeCardText(4, Translation, "ёжик"), 4);
        QCOMPARE(Listing(d.Cards()), QString("Banana:ignore cherry:learned zucchini:learning* ёж:"));
        QCOMPARE(FileListing(d.path), Listing(d.Cards()));
        d.Cards().MoveTo(3);
        QCOMPARE(DictionaryProbe::Text(d.path, d.Cards().RowId(), "transcription"), QString("ˈzuːkiːni"));
        QCOMPARE(d.store.ChangeCardText(3, Transcription, ""), 3);
        QVERIFY(IsNull(DictionaryProbe::Value(d.path, d.Cards().RowId(), "transcription")));
        QVERIFY_THROWS_EXCEPTION(AppError, d.store.ChangeCardText(3, Header, ""));
        QVERIFY_THROWS_EXCEPTION(AppError, d.store.ChangeCardText(3, Status, "learned"));
    }

    // The marked card deleted: the next card left that is not removed takes the mark, in
    // the same commit, from the first again after the last.
    void deletingTheMarkedCardMarksTheNext_data()
    {
        QTest::addColumn<QString>("statuses");
        QTest::addColumn<QList<int>>("deleted");
        QTest::addColumn<QString>("after");
        QTest::newRow("next") << "L* I . D" << QList<int> { 1 } << "I L* D";
        QTest::newRow("with its neighbours") << "L . L* . ." << QList<int> { 2, 3, 4 } << "L L*";
        QTest::newRow("last, wrapping") << "I . L*" << QList<int> { 3 } << "I L*";
        QTest::newRow("learned keeps its status") << "L* D" << QList<int> { 1 } << "D*";
        QTest::newRow("only removed ones left") << "I L* I" << QList<int> { 2 } << "I I*";
        QTest::newRow("another card") << "L* . ." << QList<int> { 3, 2 } << "L*";
        QTest::newRow("every card") << "L* ." << QList<int> { 1, 2 } << "";
    }
    void deletingTheMarkedCardMarksTheNext()
    {
        QFETCH(QString, statuses);
        QFETCH(QList<int>, deleted);
        QFETCH(QString, after);
        DictionaryBuilder builder;
        const QStringList letters = statuses.split(' ');
        const QMap<QChar, QString> names { { 'L', "learning" }, { 'I', "ignore" }, { 'D', "learned" }, { '.', "" } };
        for (int i = 0; i < letters.size(); ++i) {
            builder.Card(QString("w%1").arg(i + 1)).Status(names.value(letters[i][0])).Marked(letters[i].endsWith('*'));
        }
        Opened d(builder);
        d.store.DeleteCards(std::vector<int>(deleted.begin(), deleted.end()));
        QStringList shown;
        for (QString row : FileListing(d.path).split(' ', Qt::SkipEmptyParts)) {
            const QString status = row.section(':', 1);
            shown << QString(status.startsWith("learning")  ? "L"
                             : status.startsWith("ignore")  ? "I"
                             : status.startsWith("learned") ? "D"
                                                            : ".")
                    + (row.endsWith('*') ? "*" : "");
        }
        QCOMPARE(shown.join(' '), after);
        QCOMPARE(FileListing(d.path), Listing(d.Cards()));
        QCOMPARE(d.Cards().Statuses().Cards, d.Cards().RecordCount());
    }

    void failedWritesLeaveFileAndListAsTheyWere()
    {
        Opened d(Fruit());
        const QString listed = Listing(d.Cards());
        const QByteArray before = DictionaryProbe::Bytes(d.path);
        if (!d.folder.Protect(d.path)) {
            QSKIP("this system cannot make a file read-only");
        }
        d.store.OpenDictionary(d.path);
        for (const auto& command :
            std::initializer_list<std::function<void()>> { [&] { d.store.AddCard(CardRecord::Make("date", "финик")); },
                [&] { d.store.ChangeCardText(1, Header, "zucchini"); },
                [&] {
                    d.store.DeleteCards({ 1, 2 });
                },
                [&] { d.store.SetLanguage("en"); } }) {
            try {
                command();
                QFAIL("a write to a read-only file succeeded");
            } catch (const AppError& error) {
                QVERIFY2(error.Message().contains(d.path), qPrintable(error.Message()));
            }
            QCOMPARE(Listing(d.Cards()), listed);
            QCOMPARE(Figures(d.Cards().Statuses()), QString("4 1 1 1"));
        }
        QCOMPARE(d.store.Language(), QString());
        QCOMPARE(DictionaryProbe::Bytes(d.path), before);
    }

    void languageOfTheWordsIsKeptInTheFile()
    {
        Opened d(Fruit().Language("ru"));
        d.store.SetLanguage("en");
        QCOMPARE(d.store.Language(), QString("en"));
        CountingEventPump events;
        DictionaryStore again(events);
        again.OpenDictionary(d.path);
        QCOMPARE(again.Language(), QString("en"));
        QCOMPARE(Listing(again.Browser()), Listing(d.Cards()));
    }
};

QTEST_MAIN(TestCardEdits)
#include "tst_CardEdits.moc"
