#pragma once

#include "BenchDictionary.h"

#include <QString>
#include <functional>
#include <vector>

// The actions a user takes, each timed from the command to its result in memory, against one
// frame of the screen (16 ms): a paging step, a session start, an answer, the next question,
// the end of a block. Their durable commits are the disk's time, not the program's, so they
// are timed on a copy of the dictionary in a memory-backed folder (/dev/shm), where a sync
// costs nothing; without one the syncs stay in and the figures say so.
class FrameActions {
public:
    struct Timing {
        QString action;
        double ms = 0;
    };

    // `copy(purpose)` gives a fresh copy of the dictionary in the memory-backed folder;
    // `runs` is the number of runs each median is taken over.
    FrameActions(const BenchDictionary& dictionary, std::function<QString(const QString&)> copy, int runs);

    // The median time of each action, in the order above.
    std::vector<Timing> Measure();

private:
    double PagingStep();
    std::vector<Timing> Learning();

    const BenchDictionary& m_dictionary;
    std::function<QString(const QString&)> m_copy;
    int m_runs;
};
