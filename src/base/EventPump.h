#pragma once

// Lets pending window events run in the middle of work (so windows repaint while a
// dictionary opens or a bulk update runs; the user's input waits until the work is done),
// and holds the interface still for the answer popup. Tests replace it so that nothing
// sleeps.
class EventPump {
public:
    virtual ~EventPump() = default;
    virtual void ProcessPendingEvents() = 0;
    // Paints what is pending, then keeps the interface still for the given milliseconds.
    // What the user did meanwhile is delivered before it returns, while the caller is still
    // holding, so a click made during the hold cannot land on what comes after it.
    virtual void Hold(int milliseconds) = 0;
};

class QtEventPump final : public EventPump {
public:
    void ProcessPendingEvents() override;
    void Hold(int milliseconds) override;
};
