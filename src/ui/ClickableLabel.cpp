#include "ui/ClickableLabel.h"

#include "ui/DesignLook.h"

#include <QMouseEvent>

ClickableLabel::ClickableLabel(QWidget* parent)
    : QLabel(parent)
{
}

void ClickableLabel::SetHoverColours(const QColor& hover, const QColor& rest)
{
    m_hover = hover;
    m_rest = rest;
    SetTextColour(rest);
}

QColor ClickableLabel::TextColour() const
{
    return palette().color(QPalette::WindowText);
}

void ClickableLabel::SetTextColour(const QColor& colour)
{
    ::SetTextColour(this, colour);
}

void ClickableLabel::mousePressEvent(QMouseEvent* event)
{
    // Taken here, so that the release comes back to this label rather than its parent.
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click) {
        Q_EMIT clicked();
    }
}

void ClickableLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    // A double click is one click: its second half would otherwise answer whatever the
    // label shows by then, a question the user has not seen.
    m_pressed = false;
    event->accept();
}

void ClickableLabel::enterEvent(QEnterEvent* event)
{
    if (m_hover.isValid()) {
        SetTextColour(m_hover);
    }
    QLabel::enterEvent(event);
}

void ClickableLabel::leaveEvent(QEvent* event)
{
    if (m_hover.isValid()) {
        SetTextColour(m_rest);
    }
    QLabel::leaveEvent(event);
}
