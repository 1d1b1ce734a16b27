#include "learning/PictureExercises.h"

#include "learning/AssociationPanel.h"
#include "learning/ChoicePanel.h"
#include "learning/ExerciseHost.h"
#include "learning/LearningSession.h"
#include "ui/ClickableLabel.h"
#include "ui/DesignLook.h"

AssociationExercise::AssociationExercise(AssociationPanel& panel, ExerciseHost& host, QObject* parent)
    : QObject(parent)
    , m_panel(panel)
    , m_host(host)
{
    for (int n = 1; n <= AssociationPanel::kOptionCount; ++n) {
        connect(m_panel.OptionLabel(n), &ClickableLabel::clicked, this,
            [this, n] { m_host.RunAnswer([this, n] { ChooseAssociationOption(n); }); });
    }
}

void AssociationExercise::ChooseAssociationOption(int n)
{
    ClickableLabel* option = m_panel.OptionLabel(n);
    if (option->text() != m_associationAnswer) {
        StrikeOut(option);
        m_host.NoteMistake();
        return;
    }
    if (!m_host.Session().MistakeMade) {
        m_host.ScoreCorrectAnswer(ExerciseKind::associaciya);
    }
    m_host.AdvanceSession();
}

MosaicExercise::MosaicExercise(ChoicePanel& panel, ExerciseHost& host, QObject* parent)
    : QObject(parent)
    , m_panel(panel)
    , m_host(host)
{
    for (int n = 1; n <= kPictureCount; ++n) {
        connect(m_panel.PictureVariant(n), &ClickableLabel::clicked, this,
            [this, n] { m_host.RunAnswer([this, n] { ChooseMosaicPicture(n); }); });
    }
}

void MosaicExercise::ChooseMosaicPicture(int n)
{
    LearningSession& session = m_host.Session();
    if (m_mosaicImageCard.at(Index(n)) != session.CurrentCard) {
        m_panel.PictureVariant(n)->hide();
        m_host.NoteMistake();
        return;
    }
    if (!session.MistakeMade) {
        m_host.ScoreCorrectAnswer(ExerciseKind::mozaika);
    }
    m_host.AdvanceSession();
}
