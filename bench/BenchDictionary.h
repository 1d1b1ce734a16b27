#pragma once

#include <QString>

// A generated dictionary for the benchmark, written with the store's own writer, and the
// places in it the measurements need (all 1-based record numbers in header order).
//
// In header order the cards are laid out like this:
//   1 .. runStart       mixed statuses
//   runStart + 1 ..     a run of `removedRun` removed cards
//   runEnd + 1          a learning card: where a step from runStart lands
//   plainStep, + 1      two learning cards: a step from one to the next
//   marked              the card the browser stands on when the file is opened (= plainStep)
struct BenchDictionary {
    QString path;
    int cards = 0;
    int runStart = 0;
    int removedRun = 0;
    int plainStep = 0;
    int marked = 0;

    int RunEnd() const { return runStart + removedRun; }

    // Generates `cards` cards (at least 100) from `seed` and writes them to `path`, with a
    // run of removed cards of at most `removedRun` (fewer in a small dictionary).
    static BenchDictionary Make(const QString& path, int cards, int removedRun, unsigned seed);
};
