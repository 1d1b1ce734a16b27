#include "PagingModel.h"

#include "store/CardTable.h"
#include "store/SqliteConnection.h"
#include "store/SqliteStatement.h"

#include <algorithm>

using namespace CardTable;

QString PagingState::Describe() const
{
    QString letters;
    for (const QString& status : statuses) {
        letters += status.isEmpty()            ? QLatin1Char('.')
            : status == StatusValue::kLearning ? QLatin1Char('L')
            : status == StatusValue::kLearned  ? QLatin1Char('D')
            : status == StatusValue::kIgnore   ? QLatin1Char('I')
                                               : QLatin1Char('?');
    }
    QStringList marks;
    for (int record : marked) {
        marks << QString::number(record);
    }
    return QStringLiteral("marked {%1}; statuses %2").arg(marks.join(QLatin1Char(',')), letters);
}

namespace PagingModel {

namespace {

// A state being stepped through, recording itself after every commit.
struct Steps {
    PagingState state;
    QList<PagingState> stages;

    bool Removed(int record) const { return state.statuses.at(record - 1) == StatusValue::kIgnore; }
    void Committed() { stages.append(state); }
    // The card left loses the mark, the card reached gets it and enters learning unless it is
    // learned (or removed, when that is kept): one commit.
    void MoveMark(int from, int to, bool keepRemoved)
    {
        std::erase(state.marked, from);
        std::erase(state.marked, to);
        state.marked.push_back(to);
        std::sort(state.marked.begin(), state.marked.end());
        QString& status = state.statuses[to - 1];
        if (status != StatusValue::kLearned && !(keepRemoved && status == StatusValue::kIgnore)) {
            status = StatusValue::kLearning;
        }
        Committed();
    }
    void Next(int from)
    {
        for (int record = from + 1; record <= state.statuses.size(); ++record) {
            if (!Removed(record)) {
                MoveMark(from, record, false);
                return;
            }
        }
        MoveMark(from, 1, true);
    }
    void Previous(int from)
    {
        if (from == 1) {
            MoveMark(from, int(state.statuses.size()), true);
            return;
        }
        int taken = from;
        for (int record = from - 1; record >= 1; --record) {
            if (!Removed(record)) {
                taken = record;
                break;
            }
        }
        MoveMark(from, taken, false);
    }
};

} // namespace

QList<PagingState> StepStages(const PagingState& before, CrashPlan::Step step)
{
    Steps steps { before, {} };
    const int from = before.Current();
    switch (step) {
    case CrashPlan::Step::Next:
        steps.Next(from);
        break;
    case CrashPlan::Step::Previous:
        steps.Previous(from);
        break;
    case CrashPlan::Step::Remove:
        steps.state.statuses[from - 1] = StatusValue::kIgnore;
        steps.Committed();
        steps.Next(from);
        break;
    }
    return steps.stages;
}

PagingState Read(SqliteConnection& connection)
{
    SqliteStatement select(connection, QStringLiteral("SELECT status, active_word FROM tab ORDER BY id"));
    PagingState state;
    while (select.Step()) {
        state.statuses << select.ColumnText(0);
        if (select.ColumnInteger(1) != 0) {
            state.marked.push_back(int(state.statuses.size()));
        }
    }
    return state;
}

} // namespace PagingModel
