#pragma once

#include "CrashPlan.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

class SqliteConnection;

// The paging dictionary as the crash checks see it: each card's status, in record order
// (the cards' ids follow their header order), and which cards carry the mark.
struct PagingState {
    QStringList statuses;
    // Record numbers, ascending (a standard vector: Qt 6.4 compares two empty lists of
    // plain values by handing memcmp a null pointer, which the sanitizer build reports).
    std::vector<int> marked;

    bool operator==(const PagingState& other) const = default;
    // The marked card, 0 when none or several are.
    int Current() const { return marked.size() == 1 ? marked.front() : 0; }
    // "mark 12; statuses .LDI..." for failure messages.
    QString Describe() const;
};

namespace PagingModel {

// What a browser step writes, commit by commit: the state of the file after each commit of
// the step, the last one being the step done (every question answered Yes). A step moves
// the mark in one commit; a removal first saves the card's new status in one of its own.
// A kill leaves the file in the state before the step or in one of these.
QList<PagingState> StepStages(const PagingState& before, CrashPlan::Step step);

PagingState Read(SqliteConnection& connection);

} // namespace PagingModel
