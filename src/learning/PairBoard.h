#pragma once

#include <QString>
#include <QStringList>
#include <array>

class Random;

// The rules of one pair-matching board: the block's words in a left column and their
// translations in a right one, each column mixed on its own by as many random exchanges as
// there are cards. The user selects a label in either column, then one in the other: a
// left and a right entry form a pair when they come from the same card (texts are never
// compared, so equal translations are still told apart). A wrong pair marks the card of
// the word as missed for this board; a found pair leaves both columns.
class PairBoard {
public:
    static constexpr int kRows = 8;
    // PairSelection: 0 nothing, 1..8 left row n, 9..16 right row n - 8.
    static constexpr int kNothingSelected = 0;

    struct Click {
        enum class Outcome {
            Selected, // the selection moved to the clicked label
            Missed, // a wrong pair: both sides deselected, the word's card missed
            Matched, // a pair found: both sides leave the board
            Ignored, // not a label on the board
        };
        Outcome outcome = Outcome::Ignored;
        int card = 0; // the word's card, for Missed and Matched
        // Matched: without a miss on that card on this board (the pair scores). Missed: the
        // card's first miss on this board (a wrong answer for the history).
        bool counts = false;
    };

    // Deals a new board from the block's words and translations in row order (card k is
    // entry k); reseeds the generator for the mixing.
    void Deal(const QStringList& words, const QStringList& translations, Random& random);

    int Rows() const { return m_rows; }
    int PairsLeft() const { return m_pairsLeft; }
    int PairSelection() const { return m_pairSelection; }
    bool PairMissed(int card) const { return m_pairMissed.at(static_cast<std::size_t>(card - 1)); }

    // Row n of each column, 1-based: the card it stands for (the id a pair is matched by), its
    // text, whether it is found.
    int PairLeftIds(int n) const { return Left(n).card; }
    int PairRightIds(int m) const { return Right(m).card; }
    const QString& PairLeftTexts(int n) const { return Left(n).text; }
    const QString& PairRightTexts(int m) const { return Right(m).text; }
    bool LeftFound(int n) const { return Left(n).found; }
    bool RightFound(int m) const { return Right(m).found; }
    bool LeftSelected(int n) const { return m_pairSelection == n; }
    bool RightSelected(int m) const { return m_pairSelection == kRows + m; }

    Click ClickLeft(int n);
    Click ClickRight(int m);
    // Puts the found pair of card `card` back on the board, as it was before it was found:
    // for a pair whose right answer could not be saved.
    void Unmatch(int card);

private:
    struct Entry {
        int card = 0;
        QString text;
        bool found = false;
    };
    using Column = std::array<Entry, kRows>;

    const Entry& Left(int n) const { return m_left.at(static_cast<std::size_t>(n - 1)); }
    const Entry& Right(int m) const { return m_right.at(static_cast<std::size_t>(m - 1)); }
    bool IsOpen(const Column& column, int row) const;
    Click TryPair(int left, int right);
    void Mix(Column& column, Random& random) const;

    Column m_left {};
    Column m_right {};
    int m_rows = 0;
    int m_pairsLeft = 0;
    int m_pairSelection = kNothingSelected;
    std::array<bool, kRows> m_pairMissed {};
};
