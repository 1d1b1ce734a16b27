#pragma once

#include "base/ExerciseKind.h"
#include "learning/LearningSession.h"

#include <QString>
#include <functional>

class Dataset;
class Random;

// What an exercise unit needs from the running session: the shared state, the learning
// dataset (standing on the asked card when a question is set up), the random source, and
// the calls back into the sequencer when an answer is right or a question ends.
class ExerciseHost {
public:
    virtual LearningSession& Session() = 0;
    virtual Dataset& LearningCards() = 0;
    virtual Random& Randomness() = 0;

    virtual void ScoreCorrectAnswer(ExerciseKind kind) = 0;
    // Counts one question answered wrongly in the history of learning.
    virtual void RecordWrongAnswer() = 0;
    // The current question saw a wrong answer; the first of the question is recorded.
    void NoteMistake()
    {
        if (!Session().MistakeMade) {
            Session().MistakeMade = true;
            RecordWrongAnswer();
        }
    }
    virtual void AdvanceSession() = 0;
    // Shows the current exercise's percentage and moves the session on when it is 100;
    // returns the percentage.
    virtual int ShowExerciseProgress() = 0;

    // Runs an answer the user gave through the program's error guard. An answer that
    // arrives while the session is moving to the next question belongs to no question and
    // is dropped.
    virtual void RunAnswer(const std::function<void()>& answer) = 0;

    // A message of the interface's language by its key (the part-of-speech markers).
    virtual QString Message(const QString& key) const = 0;
    // Whether a typed translation may be any one of the card's meanings (a setting).
    virtual bool TypedAnyMeaning() const { return false; }

protected:
    ~ExerciseHost() = default;
};
