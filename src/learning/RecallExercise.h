#pragma once

#include <QObject>
#include <QString>

class AnswerPopup;
class ExerciseHost;
class RecallPanel;

// Exercises 3 (recall) and 4 (typed translation), which share Panel3. Recall shows the
// word; "Посмотреть ответ" reveals the translation in the button's place and the user
// grades the answer with "Верно" or "Неверно". The typed exercise takes the translation in
// Edit1 and checks it with "Проверить" or Enter (TypedAnswer holds the rule). Either way a
// question is one attempt.
class RecallExercise final : public QObject {
    Q_OBJECT

public:
    RecallExercise(RecallPanel& panel, AnswerPopup& popup, ExerciseHost& host, QObject* parent = nullptr);

    // Set every control the other exercise of the panel changes, before a question.
    void PrepareRecallPanel();
    void PrepareTypedPanel();
    // Set up a question for the card the learning dataset stands on (the same for both).
    void SetUpRecallExercise();
    void SetUpTypedExercise();

    void ShowAnswer(); // Button1, "Посмотреть ответ"
    void GradeRight(); // Button2, "Верно"
    void GradeWrong(); // Button3, "Неверно"
    void CheckTypedAnswer(); // Button4, "Проверить", or Enter in Edit1

private:
    void SetUpQuestion();
    void PrepareCommon();

    RecallPanel& m_panel;
    AnswerPopup& m_popup;
    ExerciseHost& m_host;
};
