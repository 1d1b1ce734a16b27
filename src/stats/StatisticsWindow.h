#pragma once

#include <QDialog>

class QLabel;

// The learning statistics: four rows of a caption and its figure.
class StatisticsWindow : public QDialog {
    Q_OBJECT

public:
    explicit StatisticsWindow(QWidget* parent = nullptr);

    // Cards in the dictionary, cards past familiarization, learned and removed cards.
    void SetFigures(int cards, int familiar, int learned, int removed);
    QString Figure(int row) const; // row 0 to 3

private:
    QLabel* m_values[4] {};
};
