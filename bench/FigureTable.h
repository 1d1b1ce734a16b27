#pragma once

#include <QList>
#include <QString>

class QTextStream;

// The benchmark's results: one line per figure with ours, the floor, their ratio and whether
// the figure meets its target, then a summary line.
class FigureTable {
public:
    enum class Unit { Milliseconds, Megabytes };

    struct Figure {
        explicit Figure(QString figureName, double oursValue, double floorValue, Unit figureUnit = Unit::Milliseconds)
            : name(std::move(figureName))
            , ours(oursValue)
            , floor(floorValue)
            , unit(figureUnit)
        {
        }

        QString name;
        double ours = 0;
        double floor = 0;
        Unit unit = Unit::Milliseconds;
        double maxRatio = 1.5;
        double maxOurs = 0; // an upper bound on ours itself; 0 for none
        QString floorName; // what the floor is, for the target text ("durable updates")
    };

    // A figure without a floor is held to its bound alone: maxOurs (one frame, for the
    // actions a user takes).
    // A figure held to a time allowed (a frame of 16 ms) instead of a measured floor.
    static Figure Budget(QString name, double ours, double allowedMs);

    static double Ratio(const Figure& figure);
    static bool Met(const Figure& figure);
    static QString TargetText(const Figure& figure);

    // Prints the figure's line at once, so a long run shows its progress.
    void Add(const Figure& figure, QTextStream& out);
    // A figure of scale, printed without a target and left out of the summary.
    void AddScale(const Figure& figure, QTextStream& out) const;
    void PrintHeader(QTextStream& out) const;
    void PrintSummary(QTextStream& out) const;

    int MissedCount() const;

private:
    static void PrintValues(const Figure& figure, QTextStream& out);

    QList<Figure> m_figures;
};
