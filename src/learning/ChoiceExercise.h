#pragma once

#include "learning/ChoiceQuestion.h"

#include <QObject>

class AnswerPopup;
class ChoicePanel;
class ExerciseHost;

// Exercise 1, choice of translation, on Panel2: the asked word with its marker over the
// block's translations; a wrong option is struck through and the user tries again; only a
// right option at the first try counts.
class ChoiceExercise final : public QObject {
    Q_OBJECT

public:
    ChoiceExercise(ChoicePanel& panel, AnswerPopup& popup, ExerciseHost& host, QObject* parent = nullptr);

    // Hides the mosaic pictures that share the panel, before a question is set up.
    void PreparePanel();
    // Sets up a question for the card the learning dataset stands on; leaves it there.
    void SetUpChoiceExercise();
    // The user clicked option label n (1 to 8).
    void ChooseOption(int n);

    const ChoiceQuestion& Question() const { return m_question; }

private:
    void ShowOptions();

    ChoicePanel& m_panel;
    AnswerPopup& m_popup;
    ExerciseHost& m_host;
    ChoiceQuestion m_question;
};
