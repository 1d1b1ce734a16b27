#pragma once

// glossmere-bench: how fast and how lean the store and the browser are, each figure beside
// the floor the bare engine reaches on the same file in the same run.
//
// How the pieces meet. CardGenerator makes realistic cards and BenchDictionary writes them
// with the store's own writer, laid out so that each measurement finds what it needs (a run
// of removed cards, a marked card, learning cards). Benchmark times our code (DictionaryStore,
// CardBrowser, CountStatuses) against RawDictionary, the same file through the bare sqlite3
// API with the same key and settings, interleaving the runs (Stopwatch's CompareRuns);
// PeakMemory measures memory in fresh child processes. FrameActions times what a user does
// against one frame of the screen. FigureTable prints the lines.

#include "BenchDictionary.h"
#include "FigureTable.h"

#include <QString>
#include <QTemporaryDir>

class QTextStream;

class Benchmark {
public:
    struct Options {
        bool quick = false;
        int runs = 0; // 0: the default for the size
        QString folder; // where the dictionaries are written and kept; empty: a temporary folder
    };

    Benchmark(Options options, QTextStream& out);

    // Runs every figure and prints it; throws AppError when a measurement cannot be made or
    // our code and the floor disagree about what they read.
    void Run();

private:
    int Runs(int cards) const;
    int StepRuns() const;
    QString FilePath(const QString& name) const;
    QString CopyOf(const BenchDictionary& dictionary, const QString& purpose) const;
    // A copy in a memory-backed folder (/dev/shm), where a sync costs nothing, so an action's
    // own work can be timed apart from the disk; in the dictionaries' folder where there is none.
    QString MemoryCopyOf(const BenchDictionary& dictionary, const QString& purpose) const;
    static QString CopyInto(const QString& folder, const BenchDictionary& dictionary, const QString& purpose);
    BenchDictionary Make(int cards, unsigned seed);

    void MeasureOpening(const BenchDictionary& dictionary);
    void MeasureSteps(const BenchDictionary& dictionary);
    void MeasureStatistics(const BenchDictionary& dictionary);
    void MeasureReset(const BenchDictionary& dictionary);
    void MeasureLearningBlock(const BenchDictionary& dictionary, bool sessionStart);
    void MeasurePeakMemory(const BenchDictionary& dictionary);
    // Each action a user takes, at both sizes, against one frame (FrameActions).
    void MeasureFrameActions(const BenchDictionary& small, const BenchDictionary& large);
    // Opening and memory at a size far beyond the others: figures of scale, without a target.
    void MeasureScale(int cards);

    Options m_options;
    QTextStream& m_out;
    QTemporaryDir m_temporary;
    QTemporaryDir m_memory { QStringLiteral("/dev/shm/glossmere-bench-XXXXXX") };
    QString m_folder;
    FigureTable m_table;
};
