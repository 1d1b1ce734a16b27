#pragma once

#include "settings/ReminderScheduler.h"

#include <QObject>
#include <functional>

class Clock;
class QTimer;
class QWidget;
struct AppSettings;

// The one-second reminder timer ("Scheduler"). It runs while the settings say so; at each
// tick it asks the ReminderScheduler, and a reminder brings the program back from the
// notification area (the learning window while a session runs, else the main window) and
// flashes that window once, so that a reminder while the program is already on the screen
// is still noticed.
class ReminderTimer final : public QObject {
    Q_OBJECT

public:
    static constexpr int kPeriodMs = 1000;
    static constexpr int kFlashMs = 1000;

    // `bringBack` brings the program back to the screen and returns the window it shows.
    ReminderTimer(AppSettings& settings, const Clock& clock, std::function<QWidget&()> bringBack);

    // Starts or stops the timer as ReminderTimerOn of the settings says.
    void Apply();
    bool IsRunning() const;
    QTimer* Timer() const { return m_timer; }

    // What the timer runs every second.
    void Tick();

    // Flashes a window; tests replace it to see the flash, which an offscreen window drops.
    void SetFlash(std::function<void(QWidget&)> flash);

Q_SIGNALS:
    void Reminded();

private:
    AppSettings& m_settings;
    std::function<QWidget&()> m_bringBack;
    ReminderScheduler m_scheduler;
    QTimer* m_timer;
    std::function<void(QWidget&)> m_flash;
};
