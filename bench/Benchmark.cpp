#include "Benchmark.h"

#include "BenchSeams.h"
#include "EditorBench.h"
#include "FrameActions.h"
#include "PeakMemory.h"
#include "RawDictionary.h"
#include "StatisticsBench.h"
#include "Stopwatch.h"
#include "base/AppError.h"
#include "browser/CardBrowser.h"
#include "i18n/LanguageTable.h"
#include "store/CardTable.h"
#include "store/Dataset.h"
#include "store/DictionaryCipher.h"
#include "store/DictionaryStore.h"
#include "store/HeaderOrder.h"
#include "store/StatusCounts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTextStream>
#include <QThread>
#include <algorithm>
#include <optional>
#include <sqlite3.h>

using namespace CardTable;
using Figure = FigureTable::Figure;

namespace {

constexpr int kBlockSize = 8;
constexpr int kRemovedRun = 10000;
constexpr double kMegabyte = 1e6;
constexpr double kFrameMs = 16;

QString Count(int number)
{
    return QLocale(QLocale::English).toString(number);
}

// The machine's load over the last minute: other work slows every figure, ours and the
// floor alike, and makes the medians vary more.
QString LoadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly)) {
        return QStringLiteral("unknown");
    }
    return QString::fromLatin1(file.read(64).split(' ').value(0));
}

// Our code and the floor must have read the same thing, or the comparison means nothing.
void Check(bool agrees, const QString& what)
{
    if (!agrees) {
        throw AppError(QStringLiteral("The benchmark's check failed: %1.").arg(what));
    }
}

} // namespace

Benchmark::Benchmark(Options options, QTextStream& out)
    : m_options(options)
    , m_out(out)
{
    m_folder = options.folder;
    if (m_folder.isEmpty()) {
        if (!m_temporary.isValid()) {
            throw AppError(QStringLiteral("Cannot make a temporary folder: %1").arg(m_temporary.errorString()));
        }
        m_folder = m_temporary.path();
    } else if (!QDir().mkpath(m_folder)) {
        throw AppError(QStringLiteral("Cannot make the folder %1.").arg(m_folder));
    }
}

QString Benchmark::FilePath(const QString& name) const
{
    return QDir(m_folder).filePath(name);
}

int Benchmark::Runs(int cards) const
{
    if (m_options.runs > 0) {
        return m_options.runs;
    }
    if (m_options.quick) {
        return 3;
    }
    return cards >= 100000 ? 5 : 7;
}

int Benchmark::StepRuns() const
{
    // Durable commits cost milliseconds that vary with the disk: more runs steady the medians.
    return Runs(0) * 2 + 1;
}

QString Benchmark::CopyOf(const BenchDictionary& dictionary, const QString& purpose) const
{
    return CopyInto(m_folder, dictionary, purpose);
}

QString Benchmark::MemoryCopyOf(const BenchDictionary& dictionary, const QString& purpose) const
{
    return CopyInto(m_memory.isValid() ? m_memory.path() : m_folder, dictionary, purpose);
}

QString Benchmark::CopyInto(const QString& folder, const BenchDictionary& dictionary, const QString& purpose)
{
    const QString copy = QDir(folder).filePath(QStringLiteral("%1-%2.dat").arg(dictionary.cards).arg(purpose));
    QFile::remove(copy);
    if (!QFile::copy(dictionary.path, copy)) {
        throw AppError(QStringLiteral("Cannot copy %1 to %2.").arg(dictionary.path, copy));
    }
    return copy;
}

BenchDictionary Benchmark::Make(int cards, unsigned seed)
{
    const Stopwatch watch;
    const QString path = FilePath(QStringLiteral("%1.dat").arg(cards));
    BenchDictionary made = BenchDictionary::Make(path, cards, kRemovedRun, seed);
    m_out << QStringLiteral("dictionary: %1 cards, %2 MB, written in %3 s")
                 .arg(Count(made.cards))
                 .arg(double(QFileInfo(path).size()) / kMegabyte, 0, 'f', 1)
                 .arg(watch.ElapsedMs() / 1000, 0, 'f', 1)
          << Qt::endl;
    return made;
}

void Benchmark::Run()
{
    const QList<int> sizes = m_options.quick ? QList<int> { 1000, 5000 } : QList<int> { 10000, 100000 };
    m_out << QStringLiteral("glossmere-bench: %1 cores, load average %2, SQLCipher %3 (SQLite %4)")
                 .arg(QThread::idealThreadCount())
                 .arg(LoadAverage())
                 .arg(DictionaryCipher::EngineVersion(), QLatin1String(sqlite3_libversion()))
          << Qt::endl;
    m_out << QStringLiteral("each figure the median of %1 runs (%2 for %3 cards, %4 for the steps), ours and the "
                            "floor alternating")
                 .arg(Runs(sizes.first()))
                 .arg(Runs(sizes.last()))
                 .arg(Count(sizes.last()))
                 .arg(StepRuns())
          << Qt::endl;
    const BenchDictionary small = Make(sizes.first(), 1);
    const BenchDictionary large = Make(sizes.last(), 2);
    m_table.PrintHeader(m_out);
    MeasureOpening(small);
    MeasureOpening(large);
    MeasureSteps(large);
    MeasureStatistics(large);
    StatisticsBench::MeasureOpening(
        CopyOf(large, QStringLiteral("history")), large.cards, Runs(large.cards), m_table, m_out);
    EditorBench(m_table, m_out, m_options.quick)
        .Run({ CopyOf(small, QStringLiteral("editor")), MemoryCopyOf(small, QStringLiteral("editor")), small.cards },
            { CopyOf(large, QStringLiteral("editor")), MemoryCopyOf(large, QStringLiteral("editor")), large.cards });
    MeasureReset(small);
    MeasureReset(large);
    MeasureLearningBlock(small, false);
    MeasureLearningBlock(large, false);
    MeasureLearningBlock(large, true);
    MeasurePeakMemory(large);
    MeasureFrameActions(small, large);
    m_table.PrintSummary(m_out);
    MeasureScale(m_options.quick ? 20000 : 1000000);
}

void Benchmark::MeasureOpening(const BenchDictionary& dictionary)
{
    // Opening does not write: the dictionary has a marked card, so no mark is repaired.
    IdleEventPump events;
    const auto ours = [&] {
        DictionaryStore store(events);
        int record = 0;
        const double ms = TimeMs([&] { record = store.OpenDictionary(dictionary.path); });
        Check(record == dictionary.marked && store.Browser().RecordCount() == dictionary.cards,
            QStringLiteral("the store opened on the wrong card or with the wrong count"));
        return ms;
    };
    const auto floor = [&] {
        std::optional<RawDictionary> raw;
        int rows = 0;
        const double ms = TimeMs([&] {
            raw.emplace(dictionary.path);
            rows = raw->ReadAllInBinaryOrder();
        });
        Check(
            rows == dictionary.cards, QStringLiteral("the engine read %1 cards of %2").arg(rows).arg(dictionary.cards));
        return ms;
    };
    const MedianTimes times = CompareRuns(Runs(dictionary.cards), ours, floor);
    m_table.Add(Figure(QStringLiteral("open %1 cards").arg(Count(dictionary.cards)), times.ours, times.floor), m_out);
}

void Benchmark::MeasureSteps(const BenchDictionary& dictionary)
{
    const QString path = CopyOf(dictionary, QStringLiteral("steps"));
    IdleEventPump events;
    RefusingPrompts prompts;
    NullCardView view;
    const LanguageTable texts { QString() };
    DictionaryStore store(events);
    store.OpenDictionary(path);
    CardBrowser browser(store, prompts, texts, view);
    RawDictionary raw(path);
    qint64 value = 0;
    const auto update = [&] { return TimeMs([&] { raw.UpdateOneRow(1, ++value % 4); }); };
    // Each run starts from the same card, so each step does the same work: unmark the card
    // left, mark the card reached.
    const auto stepFrom = [&](int from, int expected) {
        browser.SetCurrentRecord(from);
        const double ms = TimeMs([&] { browser.NextStep(); });
        Check(browser.CurrentRecord() == expected,
            QStringLiteral("a step from %1 reached %2, not %3").arg(from).arg(browser.CurrentRecord()).arg(expected));
        return ms;
    };
    // The two steps and the floor take turns, so all three see the disk in the same state.
    const std::vector<double> medians = MedianRuns(StepRuns(),
        { [&] { return stepFrom(dictionary.runStart, dictionary.RunEnd() + 1); },
            [&] { return stepFrom(dictionary.plainStep, dictionary.plainStep + 1); }, update });
    Figure figure(
        QStringLiteral("next step across %1 removed cards").arg(Count(dictionary.removedRun)), medians[0], medians[2]);
    figure.maxRatio = 3;
    figure.floorName = QStringLiteral("durable updates");
    m_table.Add(figure, m_out);
    figure = Figure(QStringLiteral("plain next step"), medians[1], medians[2]);
    figure.floorName = QStringLiteral("durable updates");
    m_table.Add(figure, m_out);
}

void Benchmark::MeasureStatistics(const BenchDictionary& dictionary)
{
    IdleEventPump events;
    DictionaryStore store(events);
    store.OpenDictionary(dictionary.path);
    RawDictionary raw(dictionary.path);
    StatusCounts counts;
    QMap<QString, int> rawCounts;
    const MedianTimes times = CompareRuns(
        Runs(dictionary.cards), [&] { return TimeMs([&] { counts = CountStatuses(store.Browser()); }); },
        [&] { return TimeMs([&] { rawCounts = raw.CountStatuses(); }); });
    Check(counts.Cards == dictionary.cards && counts.Learning == rawCounts.value(StatusValue::kLearning)
            && counts.Learned == rawCounts.value(StatusValue::kLearned)
            && counts.Removed == rawCounts.value(StatusValue::kIgnore),
        QStringLiteral("the statistics differ from the engine's count"));
    m_table.Add(
        Figure(QStringLiteral("statistics over %1 cards").arg(Count(dictionary.cards)), times.ours, times.floor),
        m_out);
}

void Benchmark::MeasureReset(const BenchDictionary& dictionary)
{
    // On a copy: the reset clears the statuses the other figures need.
    const QString path = CopyOf(dictionary, QStringLiteral("reset"));
    IdleEventPump events;
    DictionaryStore store(events);
    store.OpenDictionary(path);
    RawDictionary raw(path);
    const HeaderOrder order;
    raw.RegisterOrder(order);
    const MedianTimes times = CompareRuns(
        Runs(dictionary.cards), [&] { return TimeMs([&] { store.ResetStatistics(); }); },
        [&] { return TimeMs([&] { raw.ResetStatistics(); }); });
    const QMap<QString, int> after = raw.CountStatuses();
    Check(after.value(StatusValue::kLearning) == 1 && after.value(StatusValue::kNew) == dictionary.cards - 1,
        QStringLiteral("after the reset the cards are not all new but the first"));
    m_table.Add(
        Figure(QStringLiteral("reset statistics of %1 cards").arg(Count(dictionary.cards)), times.ours, times.floor),
        m_out);
}

void Benchmark::MeasureLearningBlock(const BenchDictionary& dictionary, bool sessionStart)
{
    IdleEventPump events;
    DictionaryStore store(events);
    store.OpenDictionary(dictionary.path);
    RawDictionary raw(dictionary.path);
    const HeaderOrder order;
    raw.RegisterOrder(order);
    qint64 answers = 0;
    const auto ours = [&] {
        return TimeMs([&] {
            store.OpenLearningBlock(kBlockSize);
            if (!sessionStart) {
                return;
            }
            // A session starts by reading each card's right answers by column position.
            Dataset& block = store.Learning();
            for (int record = 1; record <= block.RecordCount(); ++record) {
                block.MoveTo(record);
                for (const int counter :
                    { AssociaciyaTrue, MozaikaTrue, ViborPerevodaTrue, VspomnitTrue, PerevodTrue, ParaTrue }) {
                    answers += block.IntegerAt(counter);
                }
            }
        });
    };
    int rows = 0;
    const MedianTimes times = CompareRuns(
        Runs(dictionary.cards), ours, [&] { return TimeMs([&] { rows = raw.LearningBlock(kBlockSize); }); });
    Check(store.Learning().RecordCount() == kBlockSize && rows == kBlockSize,
        QStringLiteral("the learning block does not hold %1 cards").arg(kBlockSize));
    const QString name = sessionStart ? QStringLiteral("session start, block of %1 (%2 cards)")
                                      : QStringLiteral("learning block of %1 (%2 cards)");
    m_table.Add(Figure(name.arg(kBlockSize).arg(Count(dictionary.cards)), times.ours, times.floor), m_out);
}

void Benchmark::MeasurePeakMemory(const BenchDictionary& dictionary)
{
    const PeakMemory::ChildPeak ours
        = PeakMemory::MeasureInChild(QLatin1String(PeakMemory::kStoreMode), dictionary.path);
    const PeakMemory::ChildPeak floor
        = PeakMemory::MeasureInChild(QLatin1String(PeakMemory::kRawMode), dictionary.path);
    Check(ours.cards == dictionary.cards && floor.cards == dictionary.cards,
        QStringLiteral("a memory child did not hold every card"));
    Figure figure(QStringLiteral("peak resident memory, %1 cards open").arg(Count(dictionary.cards)),
        double(ours.peakKiB) * 1024 / kMegabyte, double(floor.peakKiB) * 1024 / kMegabyte,
        FigureTable::Unit::Megabytes);
    figure.maxOurs = 60;
    m_table.Add(figure, m_out);
}

void Benchmark::MeasureFrameActions(const BenchDictionary& small, const BenchDictionary& large)
{
    m_out << (m_memory.isValid()
            ? QStringLiteral("actions, on copies in a memory-backed folder (their syncs cost nothing):")
            : QStringLiteral("actions, syncs included (no memory-backed folder here):"))
          << Qt::endl;
    for (const BenchDictionary* dictionary : { &small, &large }) {
        const auto copy = [&](const QString& purpose) { return MemoryCopyOf(*dictionary, purpose); };
        for (const FrameActions::Timing& timing : FrameActions(*dictionary, copy, StepRuns()).Measure()) {
            m_table.Add(
                FigureTable::Budget(
                    QStringLiteral("%1 (%2 cards)").arg(timing.action, Count(dictionary->cards)), timing.ms, kFrameMs),
                m_out);
        }
    }
}

void Benchmark::MeasureScale(int cards)
{
    const BenchDictionary huge = Make(cards, 3);
    IdleEventPump events;
    std::vector<double> times;
    for (int run = 0; run < 3; ++run) {
        DictionaryStore store(events);
        times.push_back(TimeMs([&] { store.OpenDictionary(huge.path); }));
        Check(store.Browser().RecordCount() == huge.cards, QStringLiteral("the store did not hold every card"));
    }
    std::sort(times.begin(), times.end());
    m_table.AddScale(Figure(QStringLiteral("open %1 cards").arg(Count(cards)), times[1], 0), m_out);
    const PeakMemory::ChildPeak peak = PeakMemory::MeasureInChild(QLatin1String(PeakMemory::kStoreMode), huge.path);
    Check(peak.cards == huge.cards, QStringLiteral("the memory child did not hold every card"));
    m_table.AddScale(Figure(QStringLiteral("peak resident memory, %1 cards open").arg(Count(cards)),
                         double(peak.peakKiB) * 1024 / kMegabyte, 0, FigureTable::Unit::Megabytes),
        m_out);
    QFile::remove(huge.path);
}
