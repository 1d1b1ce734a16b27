#include "settings/ReminderTimer.h"

#include "base/AppSettings.h"

#include <QApplication>
#include <QTimer>

ReminderTimer::ReminderTimer(AppSettings& settings, const Clock& clock, std::function<QWidget&()> bringBack)
    : m_settings(settings)
    , m_bringBack(std::move(bringBack))
    , m_scheduler(settings, clock)
    , m_timer(new QTimer(this))
    , m_flash([](QWidget& window) { QApplication::alert(&window, kFlashMs); })
{
    m_timer->setObjectName(QStringLiteral("Scheduler"));
    m_timer->setInterval(kPeriodMs);
    connect(m_timer, &QTimer::timeout, this, &ReminderTimer::Tick);
}

void ReminderTimer::Apply()
{
    if (m_settings.ReminderTimerOn) {
        // A running timer keeps its rhythm; starting it again would restart the second.
        if (!m_timer->isActive()) {
            m_timer->start();
        }
    } else {
        m_timer->stop();
    }
}

bool ReminderTimer::IsRunning() const
{
    return m_timer->isActive();
}

void ReminderTimer::SetFlash(std::function<void(QWidget&)> flash)
{
    m_flash = std::move(flash);
}

void ReminderTimer::Tick()
{
    if (!m_scheduler.Tick()) {
        return;
    }
    m_flash(m_bringBack());
    Q_EMIT Reminded();
}
