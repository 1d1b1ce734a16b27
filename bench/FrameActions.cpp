#include "FrameActions.h"

#include "BenchSeams.h"
#include "Stopwatch.h"
#include "base/AppError.h"
#include "base/AppSettings.h"
#include "base/Clock.h"
#include "base/ExerciseKind.h"
#include "base/Random.h"
#include "browser/CardBrowser.h"
#include "i18n/LanguageTable.h"
#include "learning/ExerciseSequencer.h"
#include "learning/LearningSession.h"
#include "store/CardTable.h"
#include "store/Dataset.h"
#include "store/DictionaryStore.h"

#include <QDate>
#include <algorithm>

namespace {

constexpr int kBlockSize = 8;

double Median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times.empty() ? 0 : times[times.size() / 2];
}

} // namespace

FrameActions::FrameActions(const BenchDictionary& dictionary, std::function<QString(const QString&)> copy, int runs)
    : m_dictionary(dictionary)
    , m_copy(std::move(copy))
    , m_runs(runs)
{
}

std::vector<FrameActions::Timing> FrameActions::Measure()
{
    std::vector<Timing> timings { { QStringLiteral("paging step"), PagingStep() } };
    for (Timing& timing : Learning()) {
        timings.push_back(std::move(timing));
    }
    return timings;
}

double FrameActions::PagingStep()
{
    IdleEventPump events;
    RefusingPrompts prompts;
    NullCardView view;
    const LanguageTable texts { QString() };
    DictionaryStore store(events);
    store.OpenDictionary(m_copy(QStringLiteral("frame-steps")));
    CardBrowser browser(store, prompts, texts, view);
    std::vector<double> times;
    for (int run = 0; run < m_runs; ++run) {
        browser.SetCurrentRecord(m_dictionary.plainStep);
        times.push_back(TimeMs([&] { browser.NextStep(); }));
        if (browser.CurrentRecord() != m_dictionary.plainStep + 1) {
            throw AppError(QStringLiteral("The benchmark's check failed: a paging step went astray."));
        }
    }
    return Median(times);
}

std::vector<FrameActions::Timing> FrameActions::Learning()
{
    IdleEventPump events;
    DictionaryStore store(events);
    store.OpenDictionary(m_copy(QStringLiteral("frame-learning")));
    AppSettings settings;
    settings.MaxBlockSize = kBlockSize;
    const SystemClock clock;
    Random random(clock);
    random.Seed(1);
    LearningSession session;
    ExerciseSequencer sequencer(session, settings, random);
    const QDate today = QDate::currentDate();
    std::vector<double> start;
    std::vector<double> answer;
    std::vector<double> next;
    std::vector<double> end;
    for (int run = 0; run < m_runs; ++run) {
        // What the learning window does at each step, without its painting.
        session = LearningSession();
        start.push_back(TimeMs([&] {
            store.OpenLearningBlock(kBlockSize);
            session.LoadBlock(store.Learning());
            store.AddToHistory({ today, 0, 0, 0, 1 });
            sequencer.ChooseStartExercise();
        }));
        if (session.BlockSize != kBlockSize) {
            throw AppError(
                QStringLiteral("The benchmark's check failed: the block holds %1 cards.").arg(session.BlockSize));
        }
        session.CurrentCard = 1;
        answer.push_back(TimeMs([&] { session.ScoreCorrectAnswer(store, ExerciseKind::vibor_perevoda, today); }));
        next.push_back(TimeMs([&] {
            sequencer.ChooseNextExercise();
            sequencer.PickQuestionCard();
            Dataset& cards = store.Learning();
            cards.MoveTo(std::clamp<int>(session.CurrentCard, 1, cards.RecordCount()));
            volatile qsizetype read
                = cards.TextAt(CardTable::Header).size() + cards.TextAt(CardTable::Translation).size();
            (void)read;
        }));
        end.push_back(TimeMs([&] { session.MarkBlockLearned(store, today); }));
    }
    return { { QStringLiteral("session start"), Median(start) }, { QStringLiteral("answer"), Median(answer) },
        { QStringLiteral("next question"), Median(next) }, { QStringLiteral("end of a block"), Median(end) } };
}
