#include "learning/ChoiceExercise.h"

#include "learning/AnswerPopup.h"
#include "learning/ChoicePanel.h"
#include "learning/ExerciseHost.h"
#include "learning/LearningSession.h"
#include "store/CardTable.h"
#include "store/Dataset.h"
#include "store/PartOfSpeech.h"
#include "ui/ClickableLabel.h"
#include "ui/DesignLook.h"
#include "ui/FittedText.h"
#include "ui/Placement.h"

#include <algorithm>

ChoiceExercise::ChoiceExercise(ChoicePanel& panel, AnswerPopup& popup, ExerciseHost& host, QObject* parent)
    : QObject(parent)
    , m_panel(panel)
    , m_popup(popup)
    , m_host(host)
{
    for (int n = 1; n <= ChoicePanel::kOptionCount; ++n) {
        connect(m_panel.OptionLabel(n), &ClickableLabel::clicked, this,
            [this, n] { m_host.RunAnswer([this, n] { ChooseOption(n); }); });
    }
}

void ChoiceExercise::PreparePanel()
{
    for (int n = 1; n <= ChoicePanel::kPictureCount; ++n) {
        m_panel.PictureVariant(n)->hide();
    }
}

void ChoiceExercise::SetUpChoiceExercise()
{
    Dataset& cards = m_host.LearningCards();
    LearningSession& session = m_host.Session();
    const QString word = cards.TextAt(CardTable::Header);
    const QString answer = cards.TextAt(CardTable::Translation);
    const QString code = cards.TextAt(CardTable::PartOfSpeech);
    FittedText::Show(m_popup.WordLabel(), word, AnswerPopup::kTextWidth, AnswerPopup::kTextHeight, Qt::AlignHCenter);
    FittedText::Show(
        m_popup.TranslationLabel(), answer, AnswerPopup::kTextWidth, AnswerPopup::kTextHeight, Qt::AlignHCenter);
    session.MistakeMade = false;
    m_popup.ShowTyped({});

    QLabel* question = m_panel.WordLabel();
    FittedText::Show(question,
        PartOfSpeech::QuestionWordCaption(word, code, [this](const QString& key) { return m_host.Message(key); }),
        LearningPanel::kTextWidth, 0);
    Placement::CentreHorizontally(question);
    // The word stands above its line: at its place where it fits, else just above the line.
    question->move(question->x(), std::min(ChoicePanel::kWordTop, m_panel.Separator()->y() - question->height()));

    QStringList translations;
    for (int n = 1; n <= session.BlockSize; ++n) {
        cards.MoveTo(n);
        translations << cards.TextAt(CardTable::Translation);
    }
    cards.MoveTo(session.CurrentCard);
    m_question.Prepare(translations, answer, m_host.Randomness());
    ShowOptions();
}

void ChoiceExercise::ShowOptions()
{
    for (int n = 1; n <= ChoicePanel::kOptionCount; ++n) {
        m_panel.OptionLabel(n)->hide();
    }
    PreparePanel();
    for (int n = 1; n <= std::min(m_question.OptionCount(), int(ChoicePanel::kOptionCount)); ++n) {
        ClickableLabel* option = m_panel.OptionLabel(n);
        option->show();
        // Shown plain: an earlier question may have struck it through.
        FittedText::Show(option, m_question.ChoiceOptions(n), ChoicePanel::kOptionTextWidth,
            ChoicePanel::kOptionTextHeight, Qt::AlignHCenter);
        option->setContentsMargins(0, 0, ChoicePanel::kKeyColumn, 0);
        LearningPanel::SpanRow(option, ChoicePanel::kOptionLeft, ChoicePanel::kOptionRowWidth,
            ChoicePanel::kOptionTextHeight, Qt::AlignHCenter);
    }
}

void ChoiceExercise::ChooseOption(int n)
{
    ClickableLabel* option = m_panel.OptionLabel(n);
    // The whole text, not the label's caption, which a long text shows cut short.
    if (!m_question.IsRight(m_question.ChoiceOptions(n))) {
        StrikeOut(option);
        m_host.NoteMistake();
        return;
    }
    if (!m_host.Session().MistakeMade) {
        m_host.ScoreCorrectAnswer(ExerciseKind::vibor_perevoda);
    }
    m_host.AdvanceSession();
}
