#pragma once

#include <QString>

class QTextStream;

// Peak resident memory (VmHWM) of a process that opens one dictionary and does nothing else.
// The parent has generated dictionaries and run the other figures, so its own peak says
// nothing; each measurement runs this program again as a fresh child, which starts up as
// the benchmark does, opens the file and reports its peak.
namespace PeakMemory {

// The command-line options that make the program such a child: the mode and the file.
inline constexpr const char* kChildOption = "peak-memory-child";
inline constexpr const char* kChildFileOption = "peak-memory-file";
// How the child opens the file: through the store, or by the bare engine holding every
// cell in one buffer.
inline constexpr const char* kStoreMode = "store";
inline constexpr const char* kRawMode = "raw";

// This process's peak resident memory in KiB, from /proc/self/status; -1 when unknown.
qint64 PeakKiB();

// The child's work: opens `path` the way `mode` says, then prints "peak-kib N" and "cards N".
// Returns the exit status.
int RunChild(const QString& mode, const QString& path, QTextStream& out);

// Runs this program as a child in `mode` on `path` and returns its peak in KiB and the cards
// it held. Throws AppError when the child fails.
struct ChildPeak {
    qint64 peakKiB = 0;
    int cards = 0;
};
ChildPeak MeasureInChild(const QString& mode, const QString& path);

} // namespace PeakMemory
