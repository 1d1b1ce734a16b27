#pragma once

#include <QFrame>

class QLabel;

// Panel_popup: the framed white box that shows, for a moment after each question, whether
// the answer was right (label_verdict, in words and in colour), the asked word (label1) over
// its translation in red (label2), and after a wrong typed answer what was typed
// (label_typed). Hidden until then.
class AnswerPopup final : public QFrame {
    Q_OBJECT

public:
    static constexpr int kWidth = 273;
    static constexpr int kVerdictHeight = 22;
    static constexpr int kTypedHeight = 22;
    static constexpr int kHeight = 91 + kVerdictHeight; // without the typed answer
    static constexpr int kTextWidth = kWidth - 8; // within the frame, with a margin
    static constexpr int kTextHeight = 38; // the word and the translation are 40 pixels apart

    explicit AnswerPopup(QWidget* parent);

    QLabel* VerdictLabel() const { return m_verdict; }
    QLabel* WordLabel() const { return m_word; }
    QLabel* TranslationLabel() const { return m_translation; }
    QLabel* TypedLabel() const { return m_typed; }

    // "Right" in green or "Wrong" in dark red, the texts given.
    void ShowVerdict(bool right, const QString& text);
    // The line naming what was typed, under the translation; an empty text hides it and
    // the popup takes its usual height.
    void ShowTyped(const QString& text);

private:
    QLabel* AddLabel(const QString& name, const QString& text, int top, const QColor& colour);

    QLabel* m_verdict = nullptr;
    QLabel* m_word = nullptr;
    QLabel* m_translation = nullptr;
    QLabel* m_typed = nullptr;
};
