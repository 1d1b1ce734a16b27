#pragma once

#include <QString>
#include <Qt>

class QLabel;

// Card texts come in every length, while the windows give each label a fixed place. A
// label shows its card text in its own font when the text fits the width it has. A wider
// text is shown a little smaller (down to three quarters of the font), else on two lines
// as large as fit (down to kMinPixelSize); a text that two lines of the smallest size
// cannot hold is cut short with "…" at that size and shown whole in the label's tooltip.
// The label is sized to what it shows, its middle where one line of its own font had it,
// so a smaller text stays level with its neighbours.
namespace FittedText {

inline constexpr int kMinPixelSize = 12;
inline constexpr int kMaxLines = 2;

// Shows `text` as plain text on `label` within `maxWidth` pixels. Two lines are used only
// when they fit in `maxHeight` pixels (0: never), so that they reach no neighbour; `lines`
// aligns them. The label's font and place when it is first shown this way count as its
// own from then on.
void Show(QLabel* label, const QString& text, int maxWidth, int maxHeight, Qt::Alignment lines = Qt::AlignLeft);

} // namespace FittedText
