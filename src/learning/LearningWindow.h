#pragma once

// The learning window (Form4) of memorization mode. It is built once, with every control
// of the four running exercises, and reused by every session: the session shows one
// exercise panel at a time at left 8, top 40 and fills it, the status bar carries the
// exercise and overall percentages, the answer popup and the busy notice appear over the
// panels when needed. The window itself only lays the controls out; the session and the
// exercises drive them through the accessors below.

#include <QSize>
#include <QWidget>

class AnswerPopup;
class AssociationPanel;
class ChoicePanel;
class GradientPanel;
class PairPanel;
class QLabel;
class QToolButton;
class RecallPanel;

class LearningWindow : public QWidget {
    Q_OBJECT

public:
    // The window measures 480 x 582 with its frame, as the panels were laid out for: a
    // fixed 3-pixel border on each side and a 26-pixel title bar around this client area.
    static constexpr QSize kClientSize { 474, 550 };
    static constexpr int kStatusBarHeight = 22;
    static constexpr int kExercisePanelWidth = 260;
    static constexpr int kOverallPanelWidth = 240;

    explicit LearningWindow(QWidget* parent = nullptr);

    // "Режим ознакомления": back to familiarization mode.
    QToolButton* FamiliarizationButton() const { return m_familiarization; }
    // LMDSpeedButton_say: says the question word aloud.
    QToolButton* SayButton() const { return m_say; }
    // Status bar panel 0: the current exercise's percentage.
    QLabel* ExerciseProgressLabel() const { return m_exerciseProgress; }
    // Status bar panel 1: the whole block's percentage.
    QLabel* OverallProgressLabel() const { return m_overallProgress; }

    AssociationPanel* Association() const { return m_association; } // Panel1, kept hidden
    ChoicePanel* Choice() const { return m_choice; } // Panel2
    RecallPanel* Recall() const { return m_recall; } // Panel3
    PairPanel* Pairs() const { return m_pairs; } // Panel4
    AnswerPopup* Popup() const { return m_popup; } // Panel_popup
    GradientPanel* BusyNotice() const { return m_busyNotice; } // XPPanel1

Q_SIGNALS:
    // The window was closed, by its close box or by the program: familiarization mode returns.
    void Closed();
    // The window was minimized by the user.
    void Minimized();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void AddToolStrip();
    void AddStatusBar();
    void AddOverlays();
    QLabel* AddStatusPanel(QWidget* bar, const QString& name, int left, int width);

    QToolButton* m_familiarization = nullptr;
    QToolButton* m_say = nullptr;
    QLabel* m_exerciseProgress = nullptr;
    QLabel* m_overallProgress = nullptr;
    AssociationPanel* m_association = nullptr;
    ChoicePanel* m_choice = nullptr;
    RecallPanel* m_recall = nullptr;
    PairPanel* m_pairs = nullptr;
    AnswerPopup* m_popup = nullptr;
    GradientPanel* m_busyNotice = nullptr;
};
