#include "stats/HistorySeries.h"

#include <QtTest>

namespace {

const QDate kToday(2026, 3, 2);

HistoryDay Day(int daysBack, int learned, int right, int wrong, int sessions)
{
    return { kToday.addDays(-daysBack), learned, right, wrong, sessions };
}

HistoryDay Session(int daysBack)
{
    return Day(daysBack, 0, 0, 0, 1);
}

} // namespace

class TestHistorySeries : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void periodEndsTodayWithEveryDayFilled()
    {
        const std::vector<HistoryDay> history { Day(90, 9, 9, 9, 1), Day(30, 8, 40, 0, 1), Day(29, 1, 0, 3, 0),
            Day(3, 2, 4, 5, 1), Day(0, 3, 6, 1, 2), Day(-1, 50, 50, 50, 1), { QDate(), 70, 70, 70, 1 },
            Day(1, -4, -2, 2, 0) };
        const HistorySeries month(history, kToday, HistorySeries::kShortPeriod);
        QCOMPARE(month.Days().size(), size_t(30));
        QCOMPARE(month.Days().front(), Day(29, 1, 0, 3, 0));
        QCOMPARE(month.Days().back(), Day(0, 3, 6, 1, 2));
        QCOMPARE(month.Days()[26], Day(3, 2, 4, 5, 1));
        QCOMPARE(month.Days()[27], Day(2, 0, 0, 0, 0)); // a day without history
        QCOMPARE(month.Days()[28], Day(1, 0, 0, 2, 0)); // a damaged file's negatives count as none
        // The busiest days of the month, not of the history: later days, days before the
        // period and a day that is no date are in no period.
        QCOMPARE(month.MaxLearned(), 3);
        QCOMPARE(month.MaxAnswers(), 9); // 4 right and 5 wrong beat 6 and 1
        QVERIFY(month.HasActivity());

        const HistorySeries quarter(history, kToday, HistorySeries::kLongPeriod);
        QCOMPARE(quarter.Days().size(), size_t(90));
        QCOMPARE(quarter.Days().front().Day, kToday.addDays(-89));
        QCOMPARE(quarter.MaxLearned(), 8);
        QCOMPARE(quarter.MaxAnswers(), 40);
    }

    void periodWithoutLearningHasNoChart()
    {
        for (const std::vector<HistoryDay>& history :
            { std::vector<HistoryDay> {}, std::vector<HistoryDay> { Day(30, 5, 5, 5, 1), Day(-2, 1, 1, 1, 1) } }) {
            const HistorySeries month(history, kToday, HistorySeries::kShortPeriod);
            QCOMPARE(month.Days().size(), size_t(30));
            QVERIFY(!month.HasActivity());
            QCOMPARE(month.MaxLearned(), 0);
            QCOMPARE(month.MaxAnswers(), 0);
            QCOMPARE(month.Streak(), 0);
        }
    }

    void streak_data()
    {
        QTest::addColumn<std::vector<HistoryDay>>("history");
        QTest::addColumn<int>("streak");
        QTest::newRow("today and the two days before")
            << std::vector<HistoryDay> { Session(4), Session(2), Session(1), Session(0) } << 3;
        QTest::newRow("none yet today: counted to yesterday")
            << std::vector<HistoryDay> { Session(3), Session(2), Session(1) } << 3;
        QTest::newRow("a whole day without learning ends it")
            << std::vector<HistoryDay> { Session(3), Session(2) } << 0;
        QTest::newRow("answers after midnight count for the day")
            << std::vector<HistoryDay> { Session(2), Day(1, 0, 4, 1, 0), Day(0, 0, 0, 0, 0) } << 2;
        QTest::newRow("a day that only holds zeros breaks it")
            << std::vector<HistoryDay> { Session(2), Day(1, 0, 0, 0, 0), Session(0) } << 1;
        QTest::newRow("longer than the longer period") << [] {
            std::vector<HistoryDay> year;
            for (int back = 364; back >= 0; --back) {
                year.push_back(Session(back));
            }
            return year;
        }() << 365;
        QTest::newRow("in any order, later days ignored")
            << std::vector<HistoryDay> { Session(0), Session(-1), Session(2), Session(1) } << 3;
        QTest::newRow("only a later day") << std::vector<HistoryDay> { Session(-1) } << 0;
        QTest::newRow("none") << std::vector<HistoryDay> {} << 0;
    }
    void streak()
    {
        QFETCH(std::vector<HistoryDay>, history);
        QFETCH(int, streak);
        QCOMPARE(HistorySeries(history, kToday, HistorySeries::kShortPeriod).Streak(), streak);
    }
};

QTEST_MAIN(TestHistorySeries)
#include "tst_HistorySeries.moc"
