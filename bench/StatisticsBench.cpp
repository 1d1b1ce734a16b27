#include "StatisticsBench.h"

#include "BenchSeams.h"
#include "FigureTable.h"
#include "RawDictionary.h"
#include "Stopwatch.h"
#include "base/AppError.h"
#include "stats/HistorySeries.h"
#include "store/Dataset.h"
#include "store/DictionaryStore.h"
#include "store/StatusCounts.h"

#include <QLocale>

namespace StatisticsBench {

namespace {

constexpr int kHistoryDays = 365;
constexpr double kFrameMs = 16;

// Every day of the year before `today` learned something: the streak runs through all of it.
void WriteYearOfHistory(DictionaryStore& store, const QDate& today)
{
    store.RunAsOneEdit([&] {
        for (int back = 0; back < kHistoryDays; ++back) {
            store.AddToHistory({ today.addDays(-back), back % 9, 20 + back % 31, back % 7, 1 + back % 2 });
        }
    });
}

} // namespace

void MeasureOpening(const QString& path, int cards, int runs, FigureTable& table, QTextStream& out)
{
    const QDate today(2026, 3, 2);
    IdleEventPump events;
    DictionaryStore store(events);
    store.OpenDictionary(path);
    WriteYearOfHistory(store, today);
    RawDictionary raw(path);
    StatusCounts counts;
    int streak = 0;
    int days = 0;
    const MedianTimes times = CompareRuns(
        runs,
        [&] {
            return TimeMs([&] {
                counts = store.Browser().Statuses();
                const HistorySeries series(store.History(), today, HistorySeries::kLongPeriod);
                streak = series.Streak();
            });
        },
        [&] { return TimeMs([&] { days = raw.ReadHistory(); }); });
    if (counts.Cards != cards || streak != kHistoryDays || days != kHistoryDays) {
        throw AppError(QStringLiteral("The benchmark's check failed: %1 cards, a year of history read as %2 days, "
                                      "streak %3.")
                           .arg(counts.Cards)
                           .arg(days)
                           .arg(streak));
    }
    FigureTable::Figure figure(
        QStringLiteral("opening the statistics: %1 cards, 1 year").arg(QLocale(QLocale::English).toString(cards)),
        times.ours, times.floor);
    figure.maxRatio = 3;
    figure.maxOurs = kFrameMs;
    figure.floorName = QStringLiteral("reading the history");
    table.Add(figure, out);
}

} // namespace StatisticsBench
