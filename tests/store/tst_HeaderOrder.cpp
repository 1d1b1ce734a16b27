#include "support/DictionaryBuilder.h"
#include "support/FakeSeams.h"
#include "support/TempFolder.h"

#include "store/DictionaryStore.h"
#include "store/HeaderOrder.h"

#include <QCollator>
#include <QRandomGenerator>
#include <QtTest>

namespace {

// "header#id" of every record of a dataset, in record order.
QStringList Listed(Dataset& dataset)
{
    QStringList listed;
    for (int record = 1; record <= dataset.RecordCount(); ++record) {
        dataset.MoveTo(record);
        listed << QStringLiteral("%1#%2").arg(dataset.Text("header")).arg(dataset.Integer("id"));
    }
    return listed;
}

} // namespace

class TestHeaderOrder : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The browser (sorted in the program) and the learning block (sorted by SQL) must list
    // the same cards in the same order: case-insensitive, script-aware, ties by id.
    void browserAndLearningBlockAgree_data()
    {
        QTest::addColumn<QStringList>("headers"); // in id order: id 1, 2, ...
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("case does not matter") << QStringList { "cherry", "Banana", "apple", "Apricot" }
                                              << QStringList { "apple#3", "Apricot#4", "Banana#2", "cherry#1" };
        QTest::newRow("Cyrillic alphabet, ё after е") << QStringList { "яблоко", "Жук", "ёж", "еда", "Арбуз",
            "ель" } << QStringList { "Арбуз#5", "еда#4", "ёж#3", "ель#6", "Жук#2", "яблоко#1" };
        QTest::newRow("Latin before Cyrillic")
            << QStringList { "дом", "house", "Дом", "Home" } << QStringList { "Home#4", "house#2", "дом#1", "Дом#3" };
        QTest::newRow("equal headers by id whatever their case")
            << QStringList { "Bank", "bank", "BANK", "bank" } << QStringList { "Bank#1", "bank#2", "BANK#3", "bank#4" };
        QTest::newRow("accents after the plain letter") << QStringList { "résumé", "rose", "resume", "año", "ano",
            "ant" } << QStringList { "ano#5", "año#4", "ant#6", "resume#3", "résumé#1", "rose#2" };
        QTest::newRow("phrases and punctuation")
            << QStringList { "to be", "to-do", "toad", "to" } << QStringList { "to#4", "to be#1", "to-do#2", "toad#3" };
        QTest::newRow("empty headers first")
            << QStringList { "b", "", "a", "" } << QStringList { "#2", "#4", "a#3", "b#1" };
    }
    void browserAndLearningBlockAgree()
    {
        QFETCH(QStringList, headers);
        QFETCH(QStringList, expected);
        TempFolder folder;
        DictionaryBuilder builder;
        for (const QString& header : headers) {
            builder.Card(header).Status("learning");
        }
        builder.Write(folder.File("d.dat"));
        CountingEventPump events;
        DictionaryStore store(events);
        store.OpenDictionary(folder.File("d.dat"));
        QCOMPARE(Listed(store.Browser()), expected);
        store.OpenLearningBlock(int(headers.size()));
        QCOMPARE(Listed(store.Learning()), expected);
    }

    void nullHeaderSortsWithEmptyOnes()
    {
        TempFolder folder;
        const QString path = DictionaryBuilder()
                                 .Card("a")
                                 .Status("learning")
                                 .Card("")
                                 .Status("learning")
                                 .Card("x")
                                 .Status("learning")
                                 .Set(CardTable::Header, std::monostate())
                                 .Write(folder.File("d.dat"));
        CountingEventPump events;
        DictionaryStore store(events);
        store.OpenDictionary(path);
        const QStringList expected { "#2", "#3", "a#1" };
        QCOMPARE(Listed(store.Browser()), expected);
        store.OpenLearningBlock(8);
        QCOMPARE(Listed(store.Learning()), expected);
    }

    void compareIsCaseInsensitiveButAccentSensitive()
    {
        HeaderOrder order;
        QCOMPARE(order.Compare(u"Apple", u"apple"), 0);
        QVERIFY(order.Compare(u"resume", u"résumé") < 0);
        QVERIFY(order.Compare(u"zebra", u"абрикос") < 0);
        QVERIFY(order.Compare(u"", u"a") < 0);
    }

    // ASCII headers are ordered by character ranks instead of the collator's keys; both must
    // give the same order, punctuation, digits and case included.
    void asciiShortcutAgreesWithTheCollator()
    {
        QCollator collator(QLocale(QLocale::English, QLocale::UnitedStates));
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        collator.setIgnorePunctuation(false);
        HeaderOrder order;
        QRandomGenerator random(20241208);
        const QString alphabet = QStringLiteral(" !\"#$%&'()*+,-./09:;<=>?@AZ[\\]^_`az{|}~bBmM");
        const auto draw = [&] {
            QString text;
            for (int length = int(random.bounded(6)); length > 0; --length) {
                text += alphabet.at(int(random.bounded(alphabet.size())));
            }
            return text;
        };
        const auto sign = [](int value) { return (value > 0) - (value < 0); };
        for (int i = 0; i < 20000; ++i) {
            const QString a = draw();
            const QString b = random.bounded(4) == 0 ? a.toUpper() : draw();
            QVERIFY2(sign(order.Compare(a, b)) == sign(collator.compare(a, b)), qPrintable(a + " | " + b));
        }
        // A list sorted through the shortcut, and the same list with one header that is not
        // ASCII, which makes it go through the collator's keys.
        std::vector<QString> headers;
        for (int i = 0; i < 3000; ++i) {
            headers.push_back(draw());
        }
        const auto sorted = [&](const std::vector<QString>& list) {
            const std::vector<int> rows = order.Sort(
                int(list.size()), [&](int row) { return list[size_t(row)]; }, [](int row) { return qint64(row); });
            QStringList result;
            for (const int row : rows) {
                result << list[size_t(row)];
            }
            return result;
        };
        QStringList shortcut = sorted(headers);
        headers.push_back(QStringLiteral("ё"));
        QStringList keys = sorted(headers);
        QCOMPARE(keys.takeLast(), QStringLiteral("ё"));
        QCOMPARE(shortcut, keys);
    }

    void orderDoesNotDependOnTheMachinesLocale()
    {
        const QLocale saved;
        QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden)); // sorts ä and z differently
        HeaderOrder order;
        QLocale::setDefault(saved);
        QVERIFY(order.Compare(u"ä", u"z") < 0);
    }
};

QTEST_GUILESS_MAIN(TestHeaderOrder)
#include "tst_HeaderOrder.moc"
