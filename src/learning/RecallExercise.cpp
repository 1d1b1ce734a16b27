#include "learning/RecallExercise.h"

#include "learning/AnswerPopup.h"
#include "learning/ExerciseHost.h"
#include "learning/LearningSession.h"
#include "learning/RecallPanel.h"
#include "learning/TypedAnswer.h"
#include "store/CardTable.h"
#include "store/Dataset.h"
#include "store/PartOfSpeech.h"
#include "ui/FittedText.h"
#include "ui/Placement.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int kWordTop = 88;
constexpr int kSeparatorTop = 199;
constexpr int kEditTop = 256;
constexpr int kCheckTop = 296;
constexpr int kRevealDrop = 4; // the revealed translation sits this much below the button's top
// How high the asked word and the revealed translation may grow on two lines, clear of the
// line under the word and of the grading buttons.
constexpr int kWordTextHeight = 90;
constexpr int kAnswerTextHeight = 60;

} // namespace

RecallExercise::RecallExercise(RecallPanel& panel, AnswerPopup& popup, ExerciseHost& host, QObject* parent)
    : QObject(parent)
    , m_panel(panel)
    , m_popup(popup)
    , m_host(host)
{
    const auto answer = [this](void (RecallExercise::*step)()) {
        return [this, step] { m_host.RunAnswer([this, step] { (this->*step)(); }); };
    };
    connect(m_panel.ShowAnswerButton(), &QPushButton::clicked, this, answer(&RecallExercise::ShowAnswer));
    connect(m_panel.RightButton(), &QPushButton::clicked, this, answer(&RecallExercise::GradeRight));
    connect(m_panel.WrongButton(), &QPushButton::clicked, this, answer(&RecallExercise::GradeWrong));
    connect(m_panel.CheckButton(), &QPushButton::clicked, this, answer(&RecallExercise::CheckTypedAnswer));
    connect(m_panel.AnswerEdit(), &QLineEdit::returnPressed, this, answer(&RecallExercise::CheckTypedAnswer));
}

void RecallExercise::PrepareCommon()
{
    m_panel.Picture()->hide();
    m_panel.WordLabel()->move(m_panel.WordLabel()->x(), kWordTop);
    QFrame* separator = m_panel.Separator();
    separator->move(separator->x(), kSeparatorTop);
    m_panel.AnswerLabel()->hide();
}

void RecallExercise::PrepareRecallPanel()
{
    PrepareCommon();
    m_panel.ShowAnswerButton()->show();
    for (QPushButton* grade : { m_panel.RightButton(), m_panel.WrongButton() }) {
        grade->show();
        grade->setEnabled(false);
    }
    m_panel.AnswerEdit()->hide();
    m_panel.CheckButton()->hide();
}

void RecallExercise::PrepareTypedPanel()
{
    PrepareCommon();
    QLineEdit* edit = m_panel.AnswerEdit();
    edit->move(edit->x(), kEditTop);
    edit->clear();
    edit->show();
    QPushButton* check = m_panel.CheckButton();
    check->move(check->x(), kCheckTop);
    check->show();
    m_panel.ShowAnswerButton()->hide();
    m_panel.RightButton()->hide();
    m_panel.WrongButton()->hide();
}

void RecallExercise::SetUpRecallExercise()
{
    SetUpQuestion();
}

void RecallExercise::SetUpTypedExercise()
{
    SetUpQuestion();
    // The answer is typed at once, with no click into the box first.
    m_panel.AnswerEdit()->setFocus();
}

void RecallExercise::SetUpQuestion()
{
    const Dataset& cards = m_host.LearningCards();
    const QString word = cards.TextAt(CardTable::Header);
    FittedText::Show(m_popup.WordLabel(), word, AnswerPopup::kTextWidth, AnswerPopup::kTextHeight, Qt::AlignHCenter);
    FittedText::Show(m_popup.TranslationLabel(), cards.TextAt(CardTable::Translation), AnswerPopup::kTextWidth,
        AnswerPopup::kTextHeight, Qt::AlignHCenter);
    m_host.Session().MistakeMade = false;
    m_popup.ShowTyped({});
    FittedText::Show(m_panel.WordLabel(),
        PartOfSpeech::QuestionWordCaption(
            word, cards.TextAt(CardTable::PartOfSpeech), [this](const QString& key) { return m_host.Message(key); }),
        LearningPanel::kTextWidth, kWordTextHeight, Qt::AlignHCenter);
    Placement::CentreHorizontally(m_panel.WordLabel());
}

void RecallExercise::ShowAnswer()
{
    QLabel* answer = m_panel.AnswerLabel();
    FittedText::Show(answer, m_host.LearningCards().TextAt(CardTable::Translation), LearningPanel::kTextWidth,
        kAnswerTextHeight, Qt::AlignHCenter);
    answer->move(answer->x(), m_panel.ShowAnswerButton()->y() + kRevealDrop);
    Placement::CentreHorizontally(answer);
    m_panel.ShowAnswerButton()->hide();
    answer->show();
    m_panel.RightButton()->setEnabled(true);
    m_panel.WrongButton()->setEnabled(true);
}

void RecallExercise::GradeRight()
{
    m_host.ScoreCorrectAnswer(ExerciseKind::vspomnit);
    m_host.AdvanceSession();
}

void RecallExercise::GradeWrong()
{
    m_host.NoteMistake();
    m_host.AdvanceSession();
}

void RecallExercise::CheckTypedAnswer()
{
    const QString expected = m_host.LearningCards().TextAt(CardTable::Translation);
    const QString typedText = m_panel.AnswerEdit()->text();
    if (m_host.TypedAnyMeaning() ? TypedAnswer::IsAnyMeaning(typedText, expected)
                                 : TypedAnswer::IsRight(typedText, expected)) {
        m_host.ScoreCorrectAnswer(ExerciseKind::perevod);
    } else {
        m_host.NoteMistake();
        // What was typed, beside the translation the popup shows.
        const QString typed = TypedAnswer::Trim(typedText);
        m_popup.ShowTyped(m_host.Message(QStringLiteral("form4_message_answer_typed"))
                              .replace(QStringLiteral("%1"), typed.isEmpty() ? QStringLiteral("—") : typed));
    }
    m_host.AdvanceSession();
}
