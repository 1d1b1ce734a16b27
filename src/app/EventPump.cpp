#include "app/EventPump.h"

#include <QCoreApplication>
#include <QThread>

void QtEventPump::ProcessPendingEvents()
{
    QCoreApplication::processEvents();
}

void QtEventPump::Hold(int milliseconds)
{
    QCoreApplication::processEvents();
    if (milliseconds > 0) {
        QThread::msleep(static_cast<unsigned long>(milliseconds));
        QCoreApplication::processEvents();
    }
}
