#include "ui/SingleClick.h"

#include <QEvent>
#include <QWidget>

namespace {

// Drops the double-click event, which a button would take as a second press.
class DoubleClickFilter final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        return event->type() == QEvent::MouseButtonDblClick || QObject::eventFilter(watched, event);
    }
};

} // namespace

void TakeDoubleClickAsOne(QWidget* widget)
{
    widget->installEventFilter(new DoubleClickFilter(widget));
}
