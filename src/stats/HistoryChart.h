#pragma once

#include "stats/HistorySeries.h"

#include <QColor>
#include <QString>
#include <QWidget>
#include <array>
#include <optional>

// The chart of the statistics window: two bar charts over the same days, one above the
// other. The upper one has a bar per day for the cards learned; the lower one a bar per day
// for the answers, right ones at the foot and wrong ones stacked on them. Each names itself
// in a title line, the lower one with a legend of its two colours, so the chart reads in
// grey and without colour too. The left side gives each chart's scale (the largest day at
// the top, 0 at the foot) and the line under the lower chart the first, middle and last
// date of the period.
class HistoryChart : public QWidget {
    Q_OBJECT

public:
    // What the chart says, in the interface language.
    struct Texts {
        QString Learned; // the upper chart's title
        QString Answers; // the lower chart's title
        QString Right; // the lower chart's legend
        QString Wrong;
        QString DateFormat; // QDate::toString format of the date line ("d MMM")
    };

    explicit HistoryChart(QWidget* parent = nullptr);

    void SetSeries(HistorySeries series, Texts texts);
    const std::optional<HistorySeries>& Series() const { return m_series; }
    // The texts of the scale and the date line, in reading order: the upper chart's top and
    // foot, the lower chart's top and foot, then the dates from left to right.
    QStringList AxisLabels() const;

    // The learned cards, the right and the wrong answers, each clearly apart in grey from
    // the other answers and from the window.
    static std::array<QColor, 3> SeriesColours();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Bars;

    int LineHeight() const;
    int ScaleWidth() const;
    QStringList DateLabels() const;
    void PaintTitle(QPainter& painter, int top, const QString& title, bool withLegend) const;
    void PaintBars(QPainter& painter, const QRect& plot, const Bars& bars) const;
    void PaintDates(QPainter& painter, const QRect& plot) const;

    std::optional<HistorySeries> m_series;
    Texts m_texts;
};
