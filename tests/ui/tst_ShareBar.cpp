#include "ui/ShareBar.h"

#include <QtTest>
#include <numeric>

Q_DECLARE_METATYPE(std::vector<int>)

namespace {

std::vector<ShareBar::Part> Parts(const std::vector<int>& counts)
{
    std::vector<ShareBar::Part> parts;
    for (size_t i = 0; i < counts.size(); ++i) {
        parts.push_back({ QStringLiteral("p%1").arg(i + 1), counts[i], Qt::gray });
    }
    return parts;
}

} // namespace

class TestShareBar : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void legendSharesAddUpAndNeverHideAPart_data()
    {
        QTest::addColumn<std::vector<int>>("counts");
        QTest::addColumn<QStringList>("legend");
        QTest::newRow("thirds: the first remainder takes the missing point")
            << std::vector<int> { 1, 1, 1 } << QStringList { "p1 1 34", "p2 1 33", "p3 1 33" };
        QTest::newRow("largest remainders round up")
            << std::vector<int> { 3, 1, 2, 1 } << QStringList { "p1 3 43", "p2 1 14", "p3 2 29", "p4 1 14" };
        QTest::newRow("a single card among many is not 0, the rest not 100")
            << std::vector<int> { 99999, 1 } << QStringList { "p1 99999 >99", "p2 1 <1" };
        QTest::newRow("one part holds everything")
            << std::vector<int> { 0, 5, 0 } << QStringList { "p1 0 0", "p2 5 100", "p3 0 0" };
        QTest::newRow("nothing counted: no division by zero")
            << std::vector<int> { 0, 0, 0, 0 } << QStringList { "p1 0 0", "p2 0 0", "p3 0 0", "p4 0 0" };
        QTest::newRow("counts near the integer limit do not overflow")
            << std::vector<int> { 2000000000, 2000000000 } << QStringList { "p1 2000000000 50", "p2 2000000000 50" };
    }
    void legendSharesAddUpAndNeverHideAPart()
    {
        QFETCH(std::vector<int>, counts);
        QFETCH(QStringList, legend);
        ShareBar bar;
        bar.SetLineFormat("%1 %2 %3");
        bar.SetParts(Parts(counts));
        QCOMPARE(bar.LegendLines(), legend);
        const std::vector<int> percents = ShareBar::WholePercents(counts);
        const int sum = std::accumulate(percents.begin(), percents.end(), 0);
        QCOMPARE(sum, std::accumulate(counts.begin(), counts.end(), 0LL) > 0 ? 100 : 0);
        QCOMPARE(bar.accessibleDescription(), legend.join('\n'));
    }

    void segmentsFillTheBarInProportion()
    {
        ShareBar bar;
        bar.SetParts(Parts({ 1, 0, 2, 1 }));
        QCOMPARE(bar.SegmentWidths(300), (std::vector<int> { 75, 0, 150, 75 }));
        // Rounding spreads over the edges: the bar is filled exactly, no segment is off by more than one.
        bar.SetParts(Parts({ 1, 1, 1 }));
        const std::vector<int> thirds = bar.SegmentWidths(100);
        QCOMPARE(std::accumulate(thirds.begin(), thirds.end(), 0), 100);
        for (const int width : thirds) {
            QVERIFY(width == 33 || width == 34);
        }
        bar.SetParts(Parts({ 0, 0 }));
        QCOMPARE(bar.SegmentWidths(300), (std::vector<int> { 0, 0 }));
        QCOMPARE(bar.SegmentWidths(0), (std::vector<int> { 0, 0 }));
    }

    void paintsEmptyAndFullBars()
    {
        // What the window shows for an empty dictionary and a full one: painting must not fail.
        for (const std::vector<int>& counts : { std::vector<int> { 0, 0, 0, 0 }, std::vector<int> { 5, 1, 0, 2 } }) {
            ShareBar bar;
            bar.SetParts(Parts(counts));
            bar.resize(bar.sizeHint());
            QVERIFY(bar.sizeHint().height() > 4 * bar.fontMetrics().height());
            QVERIFY(!bar.grab().isNull());
        }
    }
};

QTEST_MAIN(TestShareBar)
#include "tst_ShareBar.moc"
