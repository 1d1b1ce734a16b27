#pragma once

#include "base/ExerciseKind.h"

#include <QDate>
#include <QtGlobal>
#include <array>

class Dataset;
class DictionaryStore;

// One card of the learning block: its row in the learning dataset and its right answers in
// exercises 1 to 4, kept in step with the counter columns of the dictionary.
struct BlockCard {
    int Position = 0; // 1-based row in the learning dataset; entry k holds k
    std::array<int, 4> Counters {}; // right answers in exercises 1 to 4

    int Counter(int exercise) const { return Counters.at(static_cast<std::size_t>(exercise - 1)); }
};

// The state memorization mode shares between the session start, the sequencer and the
// exercises. It lives as long as the program; every session start reloads the block.
struct LearningSession {
    // Room in the block table.
    static constexpr int kCapacity = 10;
    // The most cards a block may hold: the choice and pair exercises have eight rows.
    static constexpr int kMaxBlockSize = 8;

    std::array<BlockCard, kCapacity> BlockCards {};
    int BlockSize = 0;
    quint16 CurrentExercise = 0; // 1 to 4 once an exercise has been presented
    int CurrentCard = 0; // 1-based index into BlockCards of the card being asked
    bool MistakeMade = false; // a wrong answer was given on the current question

    // Entry k, 1-based.
    const BlockCard& Card(int k) const { return BlockCards.at(static_cast<std::size_t>(k - 1)); }
    BlockCard& Card(int k) { return BlockCards.at(static_cast<std::size_t>(k - 1)); }
    // Card k's right answers in exercise number `exercise`.
    int Counter(int k, int exercise) const { return Card(k).Counter(exercise); }

    // The block size a session asks the dictionary for: the configured size, but never
    // more cards than the exercises have rows for.
    static int BlockLimit(int maxBlockSize);

    // Copies the counters of every row of the learning dataset into the block table
    // (a NULL counter counts as 0). Leaves the dataset on its last row.
    void LoadBlock(Dataset& cards);
    // Counts a right answer of the current card in the exercise: the counter column is raised
    // in the dictionary, with the day's right answers in the history, in one durable commit;
    // then in the block table. Association and mosaic are not counted.
    void ScoreCorrectAnswer(DictionaryStore& store, ExerciseKind kind, const QDate& day);
    // Gives every card of the block the status learned, and adds them to the day's learned
    // cards in the history, in one durable commit: the whole block becomes learned or, when
    // the write fails, none of it does.
    void MarkBlockLearned(DictionaryStore& store, const QDate& day) const;
};
