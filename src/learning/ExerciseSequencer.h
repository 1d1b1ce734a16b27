#pragma once

#include "learning/LearnedRule.h"

#include <QtGlobal>

struct AppSettings;
struct LearningSession;
class Random;

// The rules that move a learning block through its exercises, without a window: which
// exercise comes first and next, which card is asked, the two progress percentages.
// It reads the settings and changes only the session's current exercise and card; the
// controller does the rest (the dataset, the window, the messages).
class ExerciseSequencer {
public:
    // What the session does after a decision.
    enum class Step {
        Present, // present CurrentExercise
        FinishBlock, // no exercise from the current one on has a card below the threshold
        FinishBlockPastLast, // the block reached exercise 4 and exercise 4 is disabled
    };

    struct Progress {
        int exercise = 0; // percentage of the current exercise
        int overall = 0; // percentage of the block over the enabled exercises so far
    };

    ExerciseSequencer(LearningSession& session, const AppSettings& settings, Random& random);

    bool IsEnabled(int exercise) const;

    // LearnedRule::FirstExerciseWithWork under the settings' threshold.
    int FindExerciseFrom(int first) const;
    // Moves CurrentExercise past disabled exercises 1, 2 and 3, each tested once in that
    // order (so one call can move 1 to 4); true when it moved. Exercise 4 stays.
    bool SkipDisabledExercises();

    Progress ComputeProgress() const;
    int ExercisePercentage() const;

    // The session start: chooses the first exercise and the first card (the lowest-numbered
    // card with the fewest right answers in it). FinishBlock when nothing is left to drill or
    // only a disabled exercise 4 is.
    Step ChooseStartExercise();
    // After a question: the same exercise while one of its cards is below the threshold, else
    // the next one that has such a card, past disabled ones without a new search.
    Step ChooseNextExercise();
    // After the finish message was dismissed without OK: goes on from CurrentExercise.
    Step ContinueAfterDeclinedFinish();

    // Chooses the card of the next question of CurrentExercise: one with the fewest right
    // answers (the drawn card when it has them, else the lowest-numbered such card), and
    // after a wrong answer never the card just asked.
    void PickQuestionCard();
    // A card number from 1 to count other than `previous`, drawn at random.
    int PickOtherCard(int count, int previous);

private:
    LearnedRule Rule() const;
    int CappedCounter(int card, int exercise) const;
    void ChooseFirstCard();
    Step SkipAndCheckLast();

    LearningSession& m_session;
    const AppSettings& m_settings;
    Random& m_random;
};
