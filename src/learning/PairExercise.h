#pragma once

#include "learning/PairBoard.h"

#include <QObject>

class ExerciseHost;
class PairPanel;

// Exercise 2, pair matching, on Panel4: the board of PairBoard on the panel's sixteen
// labels, the selected one in red. A found pair counts for its card unless a wrong pair
// was tried with that card's word on this board; each found pair refreshes the exercise
// percentage, which moves the session on as soon as it reaches 100. A board that runs out
// of pairs before that deals the next one through the sequencer.
class PairExercise final : public QObject {
    Q_OBJECT

public:
    PairExercise(PairPanel& panel, ExerciseHost& host, QObject* parent = nullptr);

    // Deals a new board of the whole block; leaves the learning dataset on its last row.
    void SetUpPairExercise();
    // The user clicked left row n or right row m (1 to 8).
    void ClickLeft(int n);
    void ClickRight(int m);

    const PairBoard& Board() const { return m_board; }

private:
    void Handle(const PairBoard::Click& click);
    void ShowBoard();

    PairPanel& m_panel;
    ExerciseHost& m_host;
    PairBoard m_board;
};
