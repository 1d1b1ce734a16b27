#pragma once

#include "learning/LearningPanel.h"

#include <array>

// Panel1, the association exercise: a picture (Image1) with the program's watermark over
// its lower right corner, a line under it and eight translations to choose from
// (label_translation1 .. label_translation8) in two columns. The exercise is not part of a
// session, so the panel and its controls stay hidden; they are kept so the exercise can
// be brought in without redrawing the window.
class AssociationPanel final : public LearningPanel {
    Q_OBJECT

public:
    static constexpr int kOptionCount = 8;

    explicit AssociationPanel(QWidget* parent);

    ClickableLabel* Picture() const { return m_picture; }
    // Option n, 1 to 8: odd numbers in the left column, even numbers in the right one.
    ClickableLabel* OptionLabel(int n) const { return m_options.at(static_cast<std::size_t>(n - 1)); }

private:
    ClickableLabel* m_picture = nullptr;
    std::array<ClickableLabel*, kOptionCount> m_options {};
};
