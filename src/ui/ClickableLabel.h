#pragma once

#include <QColor>
#include <QLabel>

// A label that reports a click with the left button (pressed and released over it), as the
// option labels of the exercises and the links of the About window need. It can also
// change its text colour while the mouse is over it, the way a link shows it reacts.
class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickableLabel(QWidget* parent = nullptr);

    // While the mouse is over the label its text takes the hover colour; when the mouse
    // leaves, the text turns to the rest colour. Without a hover colour nothing changes.
    void SetHoverColours(const QColor& hover, const QColor& rest);

    QColor TextColour() const;
    void SetTextColour(const QColor& colour);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool m_pressed = false;
    QColor m_hover;
    QColor m_rest;
};
