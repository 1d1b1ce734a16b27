#pragma once

#include <QDate>

// The history of learning: per local day, how many cards became learned, how many
// questions were answered right on the first try and how many saw a wrong answer, and how
// many memorization sessions began. It lives in the dictionary beside the card table (table
// `history`, see docs/dictionary-format.md), and every change to it is written in the
// same commit as the change to the cards it records.
struct HistoryDay {
    QDate Day;
    int Learned = 0;
    int RightAnswers = 0;
    int WrongAnswers = 0;
    int Sessions = 0;

    bool operator==(const HistoryDay&) const = default;
};
