#pragma once

#include <QObject>

class LearningWindow;

// Memorization from the keyboard. While the learning window is the active window, a key
// does what a click on the control it names would do, and only when that control is on the
// screen and enabled:
// - choice of translation: 1 to 8 choose that option;
// - pair matching: 1 to 8 select that word, A to H that translation;
// - recall: Space or Enter shows the answer, then Right or Y grades it right, Left or N
//   wrong;
// - typed translation: Enter checks (the text box does that itself while it has focus);
// - everywhere: Escape returns to familiarization mode.
// Letters are also taken from the same keys of a Russian keyboard layout. Whatever the text
// box is given is typed, never taken as a command, Escape aside. The answer popup takes
// its own keys while it holds (AnswerHold), before these.
class LearningKeys final : public QObject {
    Q_OBJECT

public:
    enum class Panel { Choice, Pairs, Recall, Typed, Other };
    enum class Target { None, Option, LeftWord, RightWord, ShowAnswer, Right, Wrong, Check, Familiarization };
    struct Action {
        Target target = Target::None;
        int row = 0; // 1 to 8, for options and words
    };

    // What a key does on the panel shown; `typing` when the text box has the keyboard.
    static Action ActionFor(int key, Panel panel, bool typing);

    LearningKeys(LearningWindow& window, QObject* parent = nullptr);
    ~LearningKeys() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Panel ShownPanel() const;
    // Clicks the control of the action; false when it is not there to click.
    bool Perform(const Action& action) const;

    LearningWindow& m_window;
};
