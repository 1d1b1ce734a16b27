#include "learning/ExerciseSequencer.h"

#include "base/AppSettings.h"
#include "base/Random.h"
#include "learning/ExerciseNumbers.h"
#include "learning/LearnedRule.h"
#include "learning/LearningSession.h"

#include <algorithm>

using namespace ExerciseNumbers;

ExerciseSequencer::ExerciseSequencer(LearningSession& session, const AppSettings& settings, Random& random)
    : m_session(session)
    , m_settings(settings)
    , m_random(random)
{
}

bool ExerciseSequencer::IsEnabled(int exercise) const
{
    return exercise >= 1 && exercise <= kCount && m_settings.UseExercise[KindOf(exercise)];
}

LearnedRule ExerciseSequencer::Rule() const
{
    return LearnedRule(m_settings.CorrectAnswerThreshold);
}

int ExerciseSequencer::CappedCounter(int card, int exercise) const
{
    return Rule().Counted(m_session.Counter(card, exercise));
}

int ExerciseSequencer::FindExerciseFrom(int first) const
{
    return Rule().FirstExerciseWithWork(m_session, first);
}

bool ExerciseSequencer::SkipDisabledExercises()
{
    bool moved = false;
    for (int exercise : { kChoice, kPairs, kRecall }) {
        if (!IsEnabled(exercise) && m_session.CurrentExercise == exercise) {
            m_session.CurrentExercise = static_cast<quint16>(exercise + 1);
            moved = true;
        }
    }
    return moved;
}

ExerciseSequencer::Progress ExerciseSequencer::ComputeProgress() const
{
    // Only enabled exercises count toward the whole block, as only they are divided by:
    // counting a disabled exercise's old answers would let the figure pass 100.
    long long overall = 0;
    for (int exercise = 1; exercise <= m_session.CurrentExercise && exercise <= kCount; ++exercise) {
        for (int k = 1; IsEnabled(exercise) && k <= m_session.BlockSize; ++k) {
            overall += CappedCounter(k, exercise);
        }
    }
    const long long whole
        = static_cast<long long>(m_session.BlockSize) * Rule().Threshold() * m_settings.EnabledExerciseCount;
    return { ExercisePercentage(), whole > 0 ? static_cast<int>(overall * 100 / whole) : 0 };
}

int ExerciseSequencer::ExercisePercentage() const
{
    const int exercise = m_session.CurrentExercise;
    if (exercise < 1 || exercise > kCount) {
        return 0;
    }
    long long sum = 0;
    for (int k = 1; k <= m_session.BlockSize; ++k) {
        sum += CappedCounter(k, exercise);
    }
    const long long whole = static_cast<long long>(m_session.BlockSize) * Rule().Threshold();
    return whole > 0 ? static_cast<int>(sum * 100 / whole) : 0;
}

void ExerciseSequencer::ChooseFirstCard()
{
    m_session.CurrentCard = 1;
    for (int k = 2; k <= m_session.BlockSize; ++k) {
        if (m_session.Counter(k, m_session.CurrentExercise)
            < m_session.Counter(m_session.CurrentCard, m_session.CurrentExercise)) {
            m_session.CurrentCard = k;
        }
    }
}

ExerciseSequencer::Step ExerciseSequencer::ChooseStartExercise()
{
    int first = 1;
    for (bool firstPass = true;; firstPass = false) {
        const int found = FindExerciseFrom(first);
        if (found != 0) {
            m_session.CurrentExercise = static_cast<quint16>(found);
        } else if (firstPass) {
            return Step::FinishBlock;
        }
        // Without a find on a later pass the exercise stays where the skip put it.
        ChooseFirstCard();
        const bool moved = SkipDisabledExercises();
        if (!IsEnabled(kTyped) && m_session.CurrentExercise == kTyped) {
            return Step::FinishBlock;
        }
        if (!moved) {
            return Step::Present;
        }
        first = m_session.CurrentExercise;
    }
}

ExerciseSequencer::Step ExerciseSequencer::ChooseNextExercise()
{
    const int found = FindExerciseFrom(m_session.CurrentExercise);
    if (found == 0) {
        return Step::FinishBlock;
    }
    m_session.CurrentExercise = static_cast<quint16>(found);
    return SkipAndCheckLast();
}

ExerciseSequencer::Step ExerciseSequencer::ContinueAfterDeclinedFinish()
{
    return SkipAndCheckLast();
}

ExerciseSequencer::Step ExerciseSequencer::SkipAndCheckLast()
{
    SkipDisabledExercises();
    if (!IsEnabled(kTyped) && m_session.CurrentExercise == kTyped) {
        return Step::FinishBlockPastLast;
    }
    return Step::Present;
}

void ExerciseSequencer::PickQuestionCard()
{
    const int exercise = m_session.CurrentExercise;
    const int previous = m_session.CurrentCard;
    m_random.Reseed();
    m_session.CurrentCard = m_random.Below(m_session.BlockSize) + 1;
    int best = m_session.Counter(m_session.CurrentCard, exercise);
    for (int k = 1; k <= m_session.BlockSize; ++k) {
        if (m_session.Counter(k, exercise) < best) {
            best = m_session.Counter(k, exercise);
            m_session.CurrentCard = k;
        }
    }
    if (m_session.CurrentCard == previous && m_session.MistakeMade) {
        m_session.CurrentCard = PickOtherCard(m_session.BlockSize, previous);
    }
}

int ExerciseSequencer::PickOtherCard(int count, int previous)
{
    if (count < 2) {
        return 1; // a block always has two cards; one card would leave nothing else to draw
    }
    m_random.Reseed();
    int card = previous;
    while (card == previous) {
        card = m_random.Below(count) + 1;
    }
    return card;
}
