#include "base/EventPump.h"

#include <QCoreApplication>
#include <QThread>

void QtEventPump::ProcessPendingEvents()
{
    // Windows repaint, but what the user does waits until the work is done: a click in the
    // middle of opening a dictionary must act on the new one, not on the one being left.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtEventPump::Hold(int milliseconds)
{
    QCoreApplication::processEvents();
    if (milliseconds > 0) {
        QThread::msleep(static_cast<unsigned long>(milliseconds));
        QCoreApplication::processEvents();
    }
}
