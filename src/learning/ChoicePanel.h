#pragma once

#include "learning/LearningPanel.h"

#include <array>

// Panel2, the choice-of-translation exercise: the asked word at the top (TntLabel1), a
// line under it, and up to eight translations of the block's cards below
// (label_translation2_1 .. label_translation2_8), hidden until a question fills them. The
// key that chooses each option stands beside it (key_translation2_1 .. 8). The
// four pictures of the mosaic exercise (Image_variant1 .. Image_variant4) share the panel
// and stay hidden.
class ChoicePanel final : public LearningPanel {
    Q_OBJECT

public:
    static constexpr int kOptionCount = 8;
    static constexpr int kPictureCount = 4;
    static constexpr int kWordTop = 8;
    static constexpr int kOptionTextHeight = 36; // the options are 37 pixels or more apart
    // Each option's key (1 to 8) stands in a column at its left. An option's row starts
    // right of it and runs to the usual right edge; its text keeps as far from that edge as
    // the key column is wide, so it stays centred on the panel.
    static constexpr int kKeyColumn = 24;
    static constexpr int kOptionLeft = (kWidth - kTextWidth) / 2 + kKeyColumn;
    static constexpr int kOptionRowWidth = kTextWidth - kKeyColumn;
    static constexpr int kOptionTextWidth = kTextWidth - 2 * kKeyColumn;

    explicit ChoicePanel(QWidget* parent);

    QLabel* WordLabel() const { return m_word; }
    QFrame* Separator() const { return m_separator; }
    // Option n, 1 to 8, top to bottom.
    ClickableLabel* OptionLabel(int n) const { return m_options.at(static_cast<std::size_t>(n - 1)); }
    // Mosaic picture n, 1 to 4.
    ClickableLabel* PictureVariant(int n) const { return m_pictures.at(static_cast<std::size_t>(n - 1)); }

private:
    QLabel* m_word = nullptr;
    QFrame* m_separator = nullptr;
    std::array<ClickableLabel*, kOptionCount> m_options {};
    std::array<ClickableLabel*, kPictureCount> m_pictures {};
};
