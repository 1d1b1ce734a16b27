#pragma once

struct LearningSession;

// How many right answers make a card learned, and when a whole block becomes learned.
//
// - A card is through an exercise once its counter for that exercise reaches the threshold,
//   the "Kol correct answers" setting. Only a right answer at the first try of
//   a question raises a counter, and only exercises 1 to 4 (choice of translation, pairs,
//   recall, typed translation) count: the association and mosaic counters decide nothing.
// - Surprise: the block is learned as a whole. No card becomes learned on its own when it
//   reaches the threshold everywhere; the block is marked learned, every card at once, when
//   no exercise from the current one on has a card below the threshold.
// - Surprise: the search for the next exercise with work left looks at disabled exercises
//   too. A disabled exercise 1, 2 or 3 that still has work is stepped over to the next
//   exercise without a new search, so that exercise runs even when all its cards are
//   through it; a block that arrives at a disabled exercise 4 is finished there, whatever
//   its cards' counters say.
// - Surprise: an exercise counts only the answers up to the threshold toward the progress
//   percentages, so answers beyond it (from an earlier, higher threshold) never push a
//   figure past 100.
class LearnedRule {
public:
    explicit LearnedRule(int threshold);

    int Threshold() const { return m_threshold; }
    // True when a counter has reached the threshold.
    bool Reached(int rightAnswers) const { return rightAnswers >= m_threshold; }
    // The right answers that count toward the progress: at most the threshold.
    int Counted(int rightAnswers) const;

    // The first exercise number from `first` to 4 in which some card of the block is below
    // the threshold, disabled exercises included; 0 when there is none, which is when the
    // block becomes learned.
    int FirstExerciseWithWork(const LearningSession& session, int first) const;

private:
    int m_threshold;
};
