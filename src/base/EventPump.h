#pragma once

class QEventLoop;

// Lets pending window events run in the middle of work (so windows repaint while a
// dictionary opens or a bulk update runs; the user's input waits until the work is done),
// and holds the program at the answer popup. Tests replace it so that nothing waits.
class EventPump {
public:
    virtual ~EventPump() = default;
    virtual void ProcessPendingEvents() = 0;
    // Shows what is pending, then runs the program's events for the given milliseconds or
    // until EndHold: windows repaint, timers and the notification area go on, and what the
    // user does is delivered meanwhile, while the caller is still holding, so a click made
    // during the hold cannot land on what comes after it.
    virtual void Hold(int milliseconds) = 0;
    // Ends a running hold at once; nothing when none runs.
    virtual void EndHold() = 0;
};

class QtEventPump final : public EventPump {
public:
    void ProcessPendingEvents() override;
    void Hold(int milliseconds) override;
    void EndHold() override;

private:
    QEventLoop* m_hold = nullptr;
};
