#pragma once

#include "PowerCutVfs.h"

#include <QByteArray>
#include <QList>
#include <functional>

// Runs work in a forked child whose dictionary writes go through the power-cut layer, until
// the power goes. The work reports each change on standard output (a pipe to the parent) the
// moment it has returned, with ReportLine, and never ends by itself.
struct PowerCutRun {
    QList<QByteArray> lines; // the work's complete report lines
    QByteArray cut; // the cut's summary line; empty when the child ended otherwise
    int exitCode = -1; // the child's exit code, or minus the signal that ended it

    bool WasCut() const { return exitCode == PowerCutDisk::kCutExitCode && !cut.isEmpty(); }
    // The report lines and how the child ended, for a failure message.
    QByteArray Describe() const;
    // The number after the cut summary's word ("kept", "garbled", ...), 0 when absent.
    int CutFigure(const QByteArray& word) const;
};

PowerCutRun RunUntilPowerCut(const PowerCutPlan& plan, const std::function<int()>& work);

// Writes one line to standard output at once: what the parent reads is exactly what had
// finished when the power went.
void ReportLine(const QByteArray& line);
