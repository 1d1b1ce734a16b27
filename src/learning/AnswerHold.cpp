#include "learning/AnswerHold.h"

#include "base/EventPump.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QScopeGuard>
#include <QWidget>

AnswerHold::AnswerHold(QWidget& window, QWidget& popup, EventPump& events)
    : m_window(window)
    , m_popup(popup)
    , m_events(events)
{
}

bool AnswerHold::Run(int milliseconds)
{
    m_leave = false;
    QCoreApplication::instance()->installEventFilter(this);
    const auto removeFilter = qScopeGuard([this] { QCoreApplication::instance()->removeEventFilter(this); });
    m_events.Hold(milliseconds);
    return m_leave;
}

bool AnswerHold::InWindow(QObject* object) const
{
    const auto* widget = qobject_cast<QWidget*>(object);
    return widget != nullptr && widget->window() == &m_window;
}

bool AnswerHold::OnPopup(QObject* object) const
{
    const auto* widget = qobject_cast<QWidget*>(object);
    return widget != nullptr && (widget == &m_popup || m_popup.isAncestorOf(widget));
}

bool AnswerHold::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Close:
        if (watched == &m_window) {
            event->ignore();
            m_leave = true;
            m_events.EndHold();
            return true;
        }
        break;
    case QEvent::KeyPress:
        if (InWindow(watched)) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space || key == Qt::Key_Escape) {
                m_events.EndHold();
                return true;
            }
        }
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (OnPopup(watched)) {
            m_events.EndHold();
            return true;
        }
        break;
    case QEvent::WindowStateChange:
        if (watched == &m_window && m_window.isMinimized()) {
            m_events.EndHold();
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
