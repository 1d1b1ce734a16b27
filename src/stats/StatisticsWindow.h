#pragma once

#include <QColor>
#include <QDialog>
#include <array>

class QLabel;
class ShareBar;
struct StatusCounts;

// The learning statistics: four rows of a caption and its figure, and below them a picture
// of the dictionary by status (cards not seen yet, in learning, learned, removed) with a
// legend giving each status's count and share.
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

    explicit StatisticsWindow(QWidget* parent = nullptr);

    // Cards in the dictionary, cards past familiarization, learned and removed cards, and
    // the picture of all four statuses.
    void SetCounts(const StatusCounts& counts, const LegendTexts& texts);
    QString Figure(int row) const; // row 0 to 3
    ShareBar* Shares() const { return m_shares; }

    // The statuses' colours, in the picture's order: from light to dark, each clearly
    // apart from the others in lightness, so the picture reads in grey as well.
    static std::array<QColor, 4> StatusColours();

private:
    QLabel* m_values[4] {};
    ShareBar* m_shares = nullptr;
};
