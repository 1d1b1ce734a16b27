#include "learning/LearningController.h"

#include "base/Clock.h"
#include "base/CommandGuard.h"
#include "base/EventPump.h"
#include "base/Prompts.h"
#include "base/Services.h"
#include "base/SettingsStore.h"
#include "base/Speech.h"
#include "base/Tray.h"
#include "i18n/LanguageTable.h"
#include "learning/AnswerHold.h"
#include "learning/AnswerPopup.h"
#include "learning/AssociationPanel.h"
#include "learning/ChoiceExercise.h"
#include "learning/ChoicePanel.h"
#include "learning/ExerciseNumbers.h"
#include "learning/LearningKeys.h"
#include "learning/LearningWindow.h"
#include "learning/PairExercise.h"
#include "learning/PairPanel.h"
#include "learning/PictureExercises.h"
#include "learning/RecallExercise.h"
#include "learning/RecallPanel.h"
#include "store/CardTable.h"
#include "store/DictionaryStore.h"
#include "ui/GradientPanel.h"
#include "ui/Placement.h"
#include "ui/WordLanguageQuestion.h"

#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QTimer>
#include <QToolButton>

using namespace ExerciseNumbers;

namespace {

// Clears a flag when the scope ends, however it ends.
class FlagScope {
public:
    explicit FlagScope(bool& flag)
        : m_flag(flag)
    {
        m_flag = true;
    }
    ~FlagScope() { m_flag = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& m_flag;
};

} // namespace

LearningController::LearningController(LearningWindow& window, Context context, QObject* parent)
    : QObject(parent)
    , m_window(window)
    , m_context(context)
    , m_sequencer(m_session, m_context.settings.Settings(), m_context.services.random)
    , m_choice(std::make_unique<ChoiceExercise>(*window.Choice(), *window.Popup(), *this))
    , m_pairs(std::make_unique<PairExercise>(*window.Pairs(), *this))
    , m_recall(std::make_unique<RecallExercise>(*window.Recall(), *window.Popup(), *this))
    , m_association(std::make_unique<AssociationExercise>(*window.Association(), *this))
    , m_mosaic(std::make_unique<MosaicExercise>(*window.Choice(), *this))
{
    new LearningKeys(m_window, this);
    connect(m_window.SayButton(), &QToolButton::clicked, this, &LearningController::SayQuestionWord);
    connect(&m_context.services.speech, &Speech::Changed, this, &LearningController::ShowSpeechState);
    connect(m_window.FamiliarizationButton(), &QToolButton::clicked, &m_window, &QWidget::close);
    connect(&m_window, &LearningWindow::Closed, this, [this] {
        // A window closed while it sat in the notification area leaves nothing there.
        m_inTray = false;
        m_context.tray.HideIcon();
        m_context.mainWindow.show();
    });
    // The state change is still being delivered: leave the screen once it is done.
    connect(&m_window, &LearningWindow::Minimized, this,
        [this] { QTimer::singleShot(0, this, &LearningController::HideToTray); });
}

LearningController::~LearningController() = default;

Dataset& LearningController::LearningCards()
{
    return m_context.store.Learning();
}

Random& LearningController::Randomness()
{
    return m_context.services.random;
}

QString LearningController::Message(const QString& key) const
{
    return m_context.texts.LookupMessage(key);
}

bool LearningController::TypedAnyMeaning() const
{
    return m_context.settings.Settings().TypedAnyMeaning;
}

void LearningController::StartLearningSession()
{
    CommandGuard(m_context.services.prompts).Run([this] { Start(); });
}

void LearningController::Start()
{
    const AppSettings& settings = m_context.settings.Settings();
    m_context.store.OpenLearningBlock(LearningSession::BlockLimit(settings.MaxBlockSize));
    m_session.LoadBlock(LearningCards());
    if (m_session.BlockSize < 2) {
        m_context.services.prompts.Information(Message(QStringLiteral("form1_message_learning_words_notfound")));
        return;
    }
    // A session begins here, even one whose block turns out to have nothing left to drill.
    m_context.store.AddToHistory({ Today(), 0, 0, 0, 1 });
    m_window.ExerciseProgressLabel()->clear();
    m_window.OverallProgressLabel()->clear();
    ShowKeyTips();
    if (m_sequencer.ChooseStartExercise() != ExerciseSequencer::Step::Present) {
        FinishAtStart();
        return;
    }
    LearningCards().MoveTo(m_session.CurrentCard);
    ShowProgress(m_sequencer.ComputeProgress());
    PresentExercise(m_session.CurrentExercise);
    m_inTray = false;
    ShowInPlaceOfMainWindow();
    ShowNoticeOnce(m_session.CurrentExercise);
}

void LearningController::ShowSpeechState()
{
    // Only the choice, recall and typed questions ask one word; the pair board asks them all.
    QToolButton* say = m_window.SayButton();
    const UserText problem = m_context.services.speech.ProblemFor(m_context.store.Language());
    say->setEnabled(problem.IsEmpty() && m_session.CurrentExercise != kPairs);
    say->setToolTip(problem.IsEmpty() ? Message(QStringLiteral("form4_message_say_hint"))
                                      : problem.In([this](const QString& key) { return Message(key); }));
}

void LearningController::SayQuestionWord()
{
    if (!m_window.SayButton()->isEnabled()) {
        return;
    }
    CommandGuard(m_context.services.prompts).Run([this] {
        // A dictionary that does not name its language learns it from the user, once.
        if (m_context.store.Language().isEmpty()) {
            if (!AskWordLanguage(m_context.services.prompts, m_context.services.speech, m_context.store,
                    [this](const QString& key) { return Message(key); })) {
                return;
            }
            ShowSpeechState();
        }
        LearningCards().MoveTo(m_session.CurrentCard);
        m_context.services.speech.Say(LearningCards().TextAt(CardTable::Header), m_context.store.Language());
    });
}

void LearningController::ShowKeyTips()
{
    // The keys of LearningKeys, where the user looks for them: on each button's tooltip.
    RecallPanel* recall = m_window.Recall();
    for (const auto& [widget, key] : { std::pair<QWidget*, const char*> { recall->ShowAnswerButton(), "show_answer" },
             { recall->RightButton(), "right" }, { recall->WrongButton(), "wrong" }, { recall->CheckButton(), "check" },
             { m_window.FamiliarizationButton(), "familiarization" } }) {
        widget->setToolTip(Message(QStringLiteral("form4_message_keys_") + QLatin1String(key)));
    }
}

void LearningController::FinishAtStart()
{
    if (m_context.services.prompts.Information(Message(QStringLiteral("form4_message_learning_is_finished")))) {
        MarkLearned();
    }
}

void LearningController::ShowInPlaceOfMainWindow()
{
    Placement::PlaceOver(m_window, &m_context.mainWindow);
    m_window.show();
    m_window.activateWindow();
    m_context.mainWindow.hide();
}

void LearningController::ShowProgress(const ExerciseSequencer::Progress& progress)
{
    m_window.ExerciseProgressLabel()->setText(
        Message(QStringLiteral("form4_message_exercise_statistic")) + QStringLiteral(" %1%").arg(progress.exercise));
    m_window.OverallProgressLabel()->setText(
        Message(QStringLiteral("form4_message_full_statistic")) + QStringLiteral(" %1%").arg(progress.overall));
}

void LearningController::PrepareWindow(int exercise)
{
    m_window.setWindowTitle(Message(TitleKey(exercise)));
    m_window.Association()->hide();
    QWidget* shown = exercise == kChoice ? static_cast<QWidget*>(m_window.Choice())
        : exercise == kPairs             ? static_cast<QWidget*>(m_window.Pairs())
                                         : static_cast<QWidget*>(m_window.Recall());
    for (QWidget* panel : { static_cast<QWidget*>(m_window.Choice()), static_cast<QWidget*>(m_window.Pairs()),
             static_cast<QWidget*>(m_window.Recall()) }) {
        panel->setVisible(panel == shown);
    }
    shown->move(LearningPanel::kLeft, LearningPanel::kTop);
    if (exercise == kChoice) {
        m_choice->PreparePanel();
    } else if (exercise == kRecall) {
        m_recall->PrepareRecallPanel();
    } else if (exercise == kTyped) {
        m_recall->PrepareTypedPanel();
    }
    ShowSpeechState();
}

void LearningController::SetUpExercise(int exercise)
{
    switch (exercise) {
    case kChoice:
        m_choice->SetUpChoiceExercise();
        break;
    case kPairs:
        m_pairs->SetUpPairExercise();
        break;
    case kRecall:
        m_recall->SetUpRecallExercise();
        break;
    default:
        m_recall->SetUpTypedExercise();
        break;
    }
    // Said as it appears only in a language already known: a question never waits for another.
    if (m_context.settings.Settings().SayWords && !m_context.store.Language().isEmpty()) {
        SayQuestionWord();
    }
}

void LearningController::PresentExercise(int exercise)
{
    PrepareWindow(exercise);
    SetUpExercise(exercise);
}

void LearningController::ShowNoticeOnce(int exercise)
{
    const ExerciseKind kind = KindOf(exercise);
    if (m_context.settings.Settings().NoticeShown[kind]) {
        return;
    }
    m_context.settings.MarkNoticeShown(kind);
    m_context.services.prompts.Information(Message(NoticeKey(exercise)));
}

void LearningController::ScoreCorrectAnswer(ExerciseKind kind)
{
    m_session.ScoreCorrectAnswer(m_context.store, kind, Today());
}

QDate LearningController::Today() const
{
    return m_context.services.clock.LocalDate();
}

void LearningController::RecordWrongAnswer()
{
    m_context.store.AddToHistory({ Today(), 0, 0, 1, 0 });
}

int LearningController::ShowExerciseProgress()
{
    const int percentage = m_sequencer.ExercisePercentage();
    m_window.ExerciseProgressLabel()->setText(
        Message(QStringLiteral("form4_message_exercise_statistic")) + QStringLiteral(" %1%").arg(percentage));
    if (percentage == 100) {
        AdvanceSession();
    }
    return percentage;
}

void LearningController::RunAnswer(const std::function<void()>& answer)
{
    if (m_advancing) {
        return;
    }
    CommandGuard(m_context.services.prompts).Run(answer);
}

void LearningController::AdvanceSession()
{
    const FlagScope advancing(m_advancing);
    const AppSettings& settings = m_context.settings.Settings();
    if (settings.PopupDelay != 0 && m_session.CurrentExercise != kPairs && ShowAnswerPopup()) {
        m_window.close(); // left during the popup: the question goes no further
        return;
    }
    ExerciseSequencer::Step step = m_sequencer.ChooseNextExercise();
    if (step == ExerciseSequencer::Step::FinishBlock) {
        if (FinishBlock(FinishVariant::NothingLeft)) {
            return;
        }
        step = m_sequencer.ContinueAfterDeclinedFinish();
    }
    if (step == ExerciseSequencer::Step::FinishBlockPastLast) {
        FinishBlock(FinishVariant::PastLastExercise);
        return;
    }
    const int exercise = m_session.CurrentExercise;
    ShowProgress(m_sequencer.ComputeProgress());
    PrepareWindow(exercise);
    if (exercise != kPairs) {
        m_sequencer.PickQuestionCard();
        LearningCards().MoveTo(m_session.CurrentCard);
    }
    SetUpExercise(exercise);
    ShowNoticeOnce(exercise);
}

bool LearningController::ShowAnswerPopup()
{
    AnswerPopup* popup = m_window.Popup();
    const bool right = !m_session.MistakeMade;
    popup->ShowVerdict(right,
        Message(right ? QStringLiteral("form4_message_answer_right") : QStringLiteral("form4_message_answer_wrong")));
    for (QLabel* label : { popup->WordLabel(), popup->TranslationLabel() }) {
        Placement::CentreHorizontally(label);
    }
    Placement::CentreInParent(popup);
    popup->raise();
    popup->show();
    AnswerHold hold(m_window, *popup, m_context.services.events);
    const bool leave = hold.Run(m_context.settings.Settings().PopupDelay * 1000);
    popup->hide();
    return leave;
}

bool LearningController::FinishBlock(FinishVariant variant)
{
    ShowProgress({ 100, 100 });
    const bool ok
        = m_context.services.prompts.Information(Message(QStringLiteral("form4_message_learning_is_finished")));
    if (variant == FinishVariant::NothingLeft) {
        if (!ok) {
            return false;
        }
        MarkLearned();
    } else if (ok) {
        GradientPanel* busy = m_window.BusyNotice();
        Placement::CentreInParent(busy);
        busy->raise();
        busy->show();
        const auto hideBusy = qScopeGuard([busy] { busy->hide(); });
        m_context.services.events.ProcessPendingEvents();
        MarkLearned();
    }
    m_window.close();
    return true;
}

void LearningController::MarkLearned()
{
    // The card list shows the new statuses as they are written (the store passes the block's
    // edits on to it), so paging never puts the cards back into learning from an old copy.
    m_session.MarkBlockLearned(m_context.store, Today());
    Q_EMIT BlockLearned();
}

void LearningController::HideToTray()
{
    // Nothing to hide once the window is closed or restored.
    if (!m_window.isVisible() || !m_window.isMinimized() || !m_context.tray.IsAvailable()) {
        return; // without a notification area the window stays an ordinary minimized one
    }
    m_context.tray.ShowIcon();
    m_inTray = true;
    m_window.hide();
}

bool LearningController::SessionShown() const
{
    return m_inTray || m_window.isVisible();
}

void LearningController::BringBack()
{
    // A window already on the screen keeps its place and the user's focus.
    if (m_inTray || m_window.isHidden() || m_window.isMinimized()) {
        m_inTray = false;
        m_context.mainWindow.hide();
        m_window.showNormal();
        m_window.raise();
        m_window.activateWindow();
    }
    m_context.tray.HideIcon();
}
