#include "settings/ReminderScheduler.h"

#include "base/AppSettings.h"
#include "base/Clock.h"
#include "base/IniDocument.h"
#include "settings/DailyTime.h"

namespace {

constexpr qint64 kMsPerMinute = 60000;

} // namespace

ReminderScheduler::ReminderScheduler(AppSettings& settings, const Clock& clock)
    : m_settings(settings)
    , m_clock(clock)
{
}

std::optional<qint64> ReminderScheduler::IntervalMs(const QString& minutes)
{
    const std::optional<int> value = IniDocument::ParseInteger(minutes);
    if (!value || *value < 0) {
        return std::nullopt;
    }
    // 64 bits: 65535 minutes in milliseconds does not fit a 32-bit integer.
    return *value * kMsPerMinute;
}

bool ReminderScheduler::Tick()
{
    const qint64 now = m_clock.MonotonicMs();
    // Both are asked at every tick, so that the daily minute is noticed even when the
    // interval reminds at its first second.
    const bool intervalDue = IntervalIsDue(now);
    const bool dailyDue = DailyTimeHasCome();
    if (!intervalDue && !dailyDue) {
        return false;
    }
    m_settings.IntervalStartTick = now;
    return true;
}

bool ReminderScheduler::IntervalIsDue(qint64 now) const
{
    if (!m_settings.DuringDayArmed) {
        return false;
    }
    const std::optional<qint64> interval = IntervalMs(m_settings.ScheduleValue);
    return interval && now - m_settings.IntervalStartTick >= *interval;
}

bool ReminderScheduler::DailyTimeHasCome()
{
    bool inMinute = false;
    if (m_settings.DailyArmed) {
        const QTime time = m_clock.LocalTime();
        inMinute = DailyTime::Join(time.hour(), time.minute()) == m_settings.ScheduleValue;
    }
    const bool first = inMinute && !m_inDailyMinute;
    m_inDailyMinute = inMinute;
    return first;
}
