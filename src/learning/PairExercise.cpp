#include "learning/PairExercise.h"

#include "learning/ExerciseHost.h"
#include "learning/ExerciseNumbers.h"
#include "learning/LearningSession.h"
#include "learning/PairPanel.h"
#include "store/CardTable.h"
#include "store/Dataset.h"
#include "ui/ClickableLabel.h"
#include "ui/FittedText.h"

namespace {

void ShowEntry(ClickableLabel* label, bool shown, const QString& text, int maxWidth, bool selected)
{
    FittedText::Show(label, text, maxWidth, PairPanel::kTextHeight);
    LearningPanel::SpanRow(label, label->x(), maxWidth, PairPanel::kTextHeight, Qt::AlignLeft);
    label->SetTextColour(selected ? Qt::red : Qt::black);
    label->setVisible(shown);
}

} // namespace

PairExercise::PairExercise(PairPanel& panel, ExerciseHost& host, QObject* parent)
    : QObject(parent)
    , m_panel(panel)
    , m_host(host)
{
    for (int n = 1; n <= PairPanel::kRowCount; ++n) {
        connect(m_panel.LeftLabel(n), &ClickableLabel::clicked, this,
            [this, n] { m_host.RunAnswer([this, n] { ClickLeft(n); }); });
        connect(m_panel.RightLabel(n), &ClickableLabel::clicked, this,
            [this, n] { m_host.RunAnswer([this, n] { ClickRight(n); }); });
    }
}

void PairExercise::SetUpPairExercise()
{
    Dataset& cards = m_host.LearningCards();
    QStringList words;
    QStringList translations;
    for (int k = 1; k <= m_host.Session().BlockSize; ++k) {
        cards.MoveTo(k);
        words << cards.TextAt(CardTable::Header);
        translations << cards.TextAt(CardTable::Translation);
    }
    m_board.Deal(words, translations, m_host.Randomness());
    ShowBoard();
}

void PairExercise::ShowBoard()
{
    for (int n = 1; n <= PairPanel::kRowCount; ++n) {
        const bool onBoard = n <= m_board.Rows();
        ShowEntry(m_panel.LeftLabel(n), onBoard && !m_board.LeftFound(n),
            onBoard ? m_board.PairLeftTexts(n) : QString(), PairPanel::kLeftTextWidth, m_board.LeftSelected(n));
        ShowEntry(m_panel.RightLabel(n), onBoard && !m_board.RightFound(n),
            onBoard ? m_board.PairRightTexts(n) : QString(), PairPanel::kRightTextWidth, m_board.RightSelected(n));
    }
}

void PairExercise::ClickLeft(int n)
{
    Handle(m_board.ClickLeft(n));
}

void PairExercise::ClickRight(int m)
{
    Handle(m_board.ClickRight(m));
}

void PairExercise::Handle(const PairBoard::Click& click)
{
    ShowBoard();
    if (click.outcome == PairBoard::Click::Outcome::Missed && click.counts) {
        m_host.RecordWrongAnswer();
    }
    if (click.outcome != PairBoard::Click::Outcome::Matched) {
        return;
    }
    LearningSession& session = m_host.Session();
    if (click.counts) {
        session.CurrentCard = click.card;
        try {
            m_host.ScoreCorrectAnswer(ExerciseKind::para);
        } catch (...) {
            // Not saved: the pair goes back on the board to be found again.
            m_board.Unmatch(click.card);
            ShowBoard();
            throw;
        }
    }
    // At 100 the session has already moved on (or ended): this board is over.
    if (m_host.ShowExerciseProgress() == 100) {
        return;
    }
    if (m_board.PairsLeft() == 0 && session.CurrentExercise == ExerciseNumbers::kPairs) {
        m_host.AdvanceSession();
    }
}
