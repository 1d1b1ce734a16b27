#pragma once

#include "settings/ReminderScheduler.h"

#include <QObject>
#include <functional>

class Clock;
class MainWindow;
class QTimer;
class QWidget;
struct AppSettings;

// The one-second reminder timer ("Scheduler"). It runs while the settings say so; at each
// tick it asks the ReminderScheduler, and a reminder brings the program back from the
// notification area and flashes its window once, so that a reminder while the program is
// already on the screen is still noticed.
class ReminderTimer final : public QObject {
    Q_OBJECT

public:
    static constexpr int kPeriodMs = 1000;
    static constexpr int kFlashMs = 1000;

    ReminderTimer(AppSettings& settings, const Clock& clock, MainWindow& main);

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
    MainWindow& m_main;
    ReminderScheduler m_scheduler;
    QTimer* m_timer;
    std::function<void(QWidget&)> m_flash;
};
