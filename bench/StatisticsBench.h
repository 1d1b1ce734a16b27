#pragma once

#include <QString>

class FigureTable;
class QTextStream;

// Opening the statistics window on a large dictionary with a year of history of learning:
// the status counts, reading the history and computing the chart's longer period with its
// streak, all that runs before the window paints, against one frame of 16 ms. The floor is
// the bare engine reading the same history.
namespace StatisticsBench {

// Adds a year of history to the dictionary at `path` (a copy the benchmark may change) and
// measures opening the statistics over it.
void MeasureOpening(const QString& path, int cards, int runs, FigureTable& table, QTextStream& out);

} // namespace StatisticsBench
