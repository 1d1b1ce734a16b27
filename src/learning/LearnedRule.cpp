#include "learning/LearnedRule.h"

#include "learning/ExerciseNumbers.h"
#include "learning/LearningSession.h"

#include <algorithm>

LearnedRule::LearnedRule(int threshold)
    : m_threshold(threshold)
{
}

int LearnedRule::Counted(int rightAnswers) const
{
    return std::min(rightAnswers, m_threshold);
}

int LearnedRule::FirstExerciseWithWork(const LearningSession& session, int first) const
{
    for (int exercise = std::max(first, 1); exercise <= ExerciseNumbers::kCount; ++exercise) {
        for (int k = 1; k <= session.BlockSize; ++k) {
            if (!Reached(session.Counter(k, exercise))) {
                return exercise;
            }
        }
    }
    return 0;
}
