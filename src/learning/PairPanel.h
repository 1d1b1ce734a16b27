#pragma once

#include "learning/LearningPanel.h"

#include <array>

// Panel4, the pair-matching board: the block's words in the left column (word_left1 ..
// word_left8), their translations in the right one (word_right1 .. word_right8), a
// vertical line between them. Each row holds one card; rows beyond the block stay hidden.
// The key that selects each word stands at its left: 1 to 8 for the words (key_left1 ..),
// A to H for the translations (key_right1 ..).
class PairPanel final : public LearningPanel {
    Q_OBJECT

public:
    static constexpr int kRowCount = 8;
    // Where the columns start, and how wide a text may be in each: the left one ends short
    // of the dividing line, the right one short of the panel's edge.
    static constexpr int kLeftColumn = 14;
    static constexpr int kRightColumn = 246;
    static constexpr int kDividerLeft = 216;
    static constexpr int kLeftTextWidth = kDividerLeft - kLeftColumn - 8;
    static constexpr int kRightTextWidth = kWidth - kRightColumn - 8;
    static constexpr int kTextHeight = 50; // the rows are 52 pixels or more apart

    explicit PairPanel(QWidget* parent);

    // Row n, 1 to 8, top to bottom.
    ClickableLabel* LeftLabel(int n) const { return m_left.at(static_cast<std::size_t>(n - 1)); }
    ClickableLabel* RightLabel(int n) const { return m_right.at(static_cast<std::size_t>(n - 1)); }
    QFrame* Divider() const { return m_divider; }

private:
    std::array<ClickableLabel*, kRowCount> m_left {};
    std::array<ClickableLabel*, kRowCount> m_right {};
    QFrame* m_divider = nullptr;
};
