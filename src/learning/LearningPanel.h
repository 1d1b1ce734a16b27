#pragma once

#include <QString>
#include <QWidget>

class ClickableLabel;
class QFont;
class QFrame;
class QLabel;

// One exercise page of the learning window: a white, borderless 457 x 487 panel that the
// session shows at left 8, top 40, one at a time. The exercise panels derive from it and
// build their controls with the helpers below, each at its place on the panel.
class LearningPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int kLeft = 8;
    static constexpr int kTop = 40;
    static constexpr int kWidth = 457;
    static constexpr int kHeight = 487;
    // The widest a centred caption may be: the panel less a margin on each side.
    static constexpr int kTextWidth = kWidth - 16;

    LearningPanel(const QString& name, QWidget* parent);

    // Stretches a fitted option over its row (left, width and height of the row), so that a
    // click anywhere on the row reaches it, not only on its letters; the text keeps its place.
    static void SpanRow(QLabel* label, int left, int width, int height, Qt::Alignment horizontal);

protected:
    // A label showing its text in the given font, sized to that text, at (left, top).
    QLabel* AddLabel(const QString& name, const QString& text, const QFont& font, int left, int top);
    // The same for a label the user clicks: hand cursor, hidden until an exercise fills it.
    ClickableLabel* AddOption(const QString& name, const QString& text, const QFont& font, int left, int top);
    // A picture stretched over its rectangle, hidden.
    ClickableLabel* AddPicture(const QString& name, const QRect& place);
    // A one-pixel black line, horizontal or vertical, filling the rectangle.
    QFrame* AddLine(const QString& name, const QRect& place, bool vertical = false);
};
