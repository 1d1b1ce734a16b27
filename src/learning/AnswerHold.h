#pragma once

#include <QObject>

class EventPump;
class QWidget;

// Holds the program while the answer popup shows the asked word and its translation, for
// the popup delay. The program's events go on meanwhile (the window repaints, reminders
// and the notification area work), answers given meanwhile belong to no question and are
// dropped by the session, and the user can end the hold early: a click on the popup, or
// Enter, Space or Escape in the learning window. Leaving the window meanwhile (its close
// box, "Режим ознакомления") ends the hold first; the window is closed by the caller once
// the hold is over, so nothing of the interrupted question runs after the window has gone.
// Minimizing ends the hold and then minimizes as usual.
class AnswerHold final : public QObject {
public:
    AnswerHold(QWidget& window, QWidget& popup, EventPump& events);

    // Runs the hold; true when the user asked to leave the window during it.
    bool Run(int milliseconds);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool InWindow(QObject* object) const;
    bool OnPopup(QObject* object) const;

    QWidget& m_window;
    QWidget& m_popup;
    EventPump& m_events;
    bool m_leave = false;
};
