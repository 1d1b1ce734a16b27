#pragma once

#include "stats/HistoryChart.h"
#include "store/HistoryDay.h"

#include <QColor>
#include <QDate>
#include <QDialog>
#include <array>
#include <vector>

class QLabel;
class QRadioButton;
class ShareBar;
struct StatusCounts;

// The learning statistics: four rows of a caption and its figure, and below them a picture
// of the dictionary by status (cards not seen yet, in learning, learned, removed) with a
// legend giving each status's count and share. Under the picture, the progress over time:
// a choice of the last 30 or 90 days, the chart of those days (HistoryChart, computed by
// HistorySeries), and the streak of days with learning. A period without any learning shows
// a plain sentence in place of the chart and the streak.
class StatisticsWindow : public QDialog {
    Q_OBJECT

public:
    // What the legend says, in the interface language.
    struct LegendTexts {
        QString NotSeen;
        QString Learning;
        QString Learned;
        QString Removed;
        QString LineFormat; // %1 the status, %2 its count, %3 its share in percent
    };

    // What the progress over time says, in the interface language.
    struct HistoryTexts {
        HistoryChart::Texts Chart;
        QString StreakFormat; // %1 the days in a row
    };

    explicit StatisticsWindow(QWidget* parent = nullptr);

    // Cards in the dictionary, cards past familiarization, learned and removed cards, and
    // the picture of all four statuses.
    void SetCounts(const StatusCounts& counts, const LegendTexts& texts);
    // The history of learning and the day it is today; the chart shows the chosen period.
    void SetHistory(std::vector<HistoryDay> history, const QDate& today, const HistoryTexts& texts);
    QString Figure(int row) const; // row 0 to 3
    ShareBar* Shares() const { return m_shares; }
    HistoryChart* Chart() const { return m_chart; }

    // The statuses' colours, in the picture's order: from light to dark, each clearly
    // apart from the others in lightness, so the picture reads in grey as well.
    static std::array<QColor, 4> StatusColours();

private:
    void ShowPeriod();
    void Arrange();

    QLabel* m_values[4] {};
    ShareBar* m_shares = nullptr;
    QRadioButton* m_periods[2] {};
    HistoryChart* m_chart = nullptr;
    QLabel* m_noHistory = nullptr;
    QLabel* m_streak = nullptr;
    std::vector<HistoryDay> m_history;
    QDate m_today;
    HistoryTexts m_historyTexts;
};
