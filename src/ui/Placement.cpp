#include "ui/Placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace Placement {

void CentreHorizontally(QWidget* widget)
{
    if (const QWidget* container = widget->parentWidget()) {
        widget->move(CentredLeft(container->width(), widget->width()), widget->y());
    }
}

void CentreInParent(QWidget* widget)
{
    if (const QWidget* container = widget->parentWidget()) {
        widget->move(
            CentredLeft(container->width(), widget->width()), CentredLeft(container->height(), widget->height()));
    }
}

QRect KeptInside(QRect frame, const QRect& area)
{
    if (!area.isValid()) {
        return frame;
    }
    frame.moveLeft(std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width())));
    frame.moveTop(std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height())));
    return frame;
}

void PlaceOver(QWidget& window, const QWidget* anchor)
{
    const bool anchored = anchor != nullptr && anchor->isVisible();
    const QWidget& framed = window.isVisible() || !anchored ? window : *anchor;
    const QSize margins = framed.frameGeometry().size() - framed.geometry().size();
    QScreen* screen = anchored ? anchor->screen() : window.screen();
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    const QRect area = screen != nullptr ? screen->availableGeometry() : QRect();
    QRect frame(QPoint(), window.size() + margins);
    frame.moveCenter(anchored ? anchor->frameGeometry().center() : area.center());
    frame = KeptInside(frame, area);
    // move() places the frame's top left corner for a top-level window.
    window.move(frame.topLeft());
}

} // namespace Placement
