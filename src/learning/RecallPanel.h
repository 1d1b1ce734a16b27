#pragma once

#include "learning/LearningPanel.h"

class QLineEdit;
class QPushButton;

// Panel3, shared by the recall and the typed-translation exercises. The asked word
// (Label_vspomnit) stands over a line; recall reveals the translation (Label_otvet) in
// place of "Посмотреть ответ" (Button1) and is graded with "Верно" (Button2) or "Неверно"
// (Button3); the typed exercise takes the answer in Edit1 and checks it with "Проверить"
// (Button4). The session sets which of them show for each question.
class RecallPanel final : public LearningPanel {
    Q_OBJECT

public:
    explicit RecallPanel(QWidget* parent);

    QLabel* WordLabel() const { return m_word; }
    QFrame* Separator() const { return m_separator; }
    QLabel* Picture() const { return m_picture; }
    QPushButton* ShowAnswerButton() const { return m_showAnswer; }
    QLabel* AnswerLabel() const { return m_answer; }
    QPushButton* RightButton() const { return m_right; }
    QPushButton* WrongButton() const { return m_wrong; }
    QLineEdit* AnswerEdit() const { return m_edit; }
    QPushButton* CheckButton() const { return m_check; }

private:
    void AddRecallControls();
    void AddTypedControls();
    QPushButton* AddButton(const QString& name, const QString& text, const QRect& place);

    QLabel* m_word = nullptr;
    QFrame* m_separator = nullptr;
    QLabel* m_picture = nullptr;
    QPushButton* m_showAnswer = nullptr;
    QLabel* m_answer = nullptr;
    QPushButton* m_right = nullptr;
    QPushButton* m_wrong = nullptr;
    QLineEdit* m_edit = nullptr;
    QPushButton* m_check = nullptr;
};
