#pragma once

#include <QFrame>

class QLabel;

// Panel_popup: the framed white box that shows the asked word (label1) over its
// translation in red (label2) for a moment after each question. Hidden until then.
class AnswerPopup final : public QFrame {
    Q_OBJECT

public:
    static constexpr int kWidth = 273;
    static constexpr int kHeight = 91;
    static constexpr int kTextWidth = kWidth - 8; // within the frame, with a margin
    static constexpr int kTextHeight = 38; // the word and the translation are 40 pixels apart

    explicit AnswerPopup(QWidget* parent);

    QLabel* WordLabel() const { return m_word; }
    QLabel* TranslationLabel() const { return m_translation; }

private:
    QLabel* AddLabel(const QString& name, const QString& text, int top, const QColor& colour);

    QLabel* m_word = nullptr;
    QLabel* m_translation = nullptr;
};
