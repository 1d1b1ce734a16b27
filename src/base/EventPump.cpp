#include "base/EventPump.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

void QtEventPump::ProcessPendingEvents()
{
    // Windows repaint, but what the user does waits until the work is done: a click in the
    // middle of opening a dictionary must act on the new one, not on the one being left.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtEventPump::Hold(int milliseconds)
{
    QCoreApplication::processEvents();
    if (milliseconds <= 0 || m_hold != nullptr) {
        return;
    }
    // A local event loop, not a sleep: the desktop never sees the program as not responding,
    // and the popup stays painted on a real screen for the whole hold.
    QEventLoop hold;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &hold, &QEventLoop::quit);
    timer.start(milliseconds);
    m_hold = &hold;
    hold.exec();
    m_hold = nullptr;
}

void QtEventPump::EndHold()
{
    if (m_hold != nullptr) {
        m_hold->quit();
    }
}
