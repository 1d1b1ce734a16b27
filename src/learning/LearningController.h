#pragma once

// Memorization mode: a learning block drilled through four exercises in the learning window.
//
// How the pieces meet. LearningSession is the state every piece shares: the block table
// (each card's right answers in exercises 1 to 4, copied from the dictionary and raised in
// step with it), the exercise and card on screen, and whether the current question saw a
// wrong answer. ExerciseSequencer holds the rules that move a block along (first and next
// exercise, skipping disabled ones, the question card, the percentages). Each exercise is
// a unit of its own on its panel of LearningWindow: ChoiceExercise (ChoiceQuestion),
// PairExercise (PairBoard) and RecallExercise (recall and typed translation); the two
// unscheduled picture exercises (AssociationExercise, MosaicExercise) answer there too. The
// controller below starts a session from the main window, presents each exercise, and is
// the ExerciseHost the units call back when an answer is right (the counter is written to
// the dictionary at once) and when a question ends. When nothing is left to drill the
// whole block becomes learned and familiarization mode returns.

#include "learning/ExerciseHost.h"
#include "learning/ExerciseSequencer.h"
#include "learning/LearningSession.h"

#include <QObject>
#include <QString>
#include <memory>

class AssociationExercise;
class ChoiceExercise;
class DictionaryStore;
class LanguageTable;
class LearningWindow;
class MosaicExercise;
class PairExercise;
class RecallExercise;
class SettingsStore;
class Tray;
class QWidget;
struct Services;

class LearningController final : public QObject, public ExerciseHost {
    Q_OBJECT

public:
    struct Context {
        Services& services;
        SettingsStore& settings;
        const LanguageTable& texts;
        DictionaryStore& store;
        Tray& tray;
        QWidget& mainWindow; // shown whenever the learning window is not
    };

    LearningController(LearningWindow& window, Context context, QObject* parent = nullptr);
    ~LearningController() override;

    // "Режим заучивания": selects the block and presents its first exercise in place of the
    // main window, or says why there is nothing to learn. Errors are shown, not thrown.
    void StartLearningSession();

    // A session is on the screen, or hidden in the notification area.
    bool SessionShown() const;
    // Brings the learning window back from the notification area or a minimize, in place
    // of the main window.
    void BringBack();

    const LearningSession& State() const { return m_session; }
    ChoiceExercise& Choice() { return *m_choice; }
    PairExercise& Pairs() { return *m_pairs; }
    RecallExercise& Recall() { return *m_recall; }
    AssociationExercise& Association() { return *m_association; }
    MosaicExercise& Mosaic() { return *m_mosaic; }

    // ExerciseHost
    LearningSession& Session() override { return m_session; }
    Dataset& LearningCards() override;
    Random& Randomness() override;
    void ScoreCorrectAnswer(ExerciseKind kind) override;
    void RecordWrongAnswer() override;
    void AdvanceSession() override;
    int ShowExerciseProgress() override;
    void RunAnswer(const std::function<void()>& answer) override;
    QString Message(const QString& key) const override;
    bool TypedAnyMeaning() const override;

Q_SIGNALS:
    // The block became learned and the card list was read again.
    void BlockLearned();

private:
    enum class FinishVariant {
        NothingLeft, // no exercise from the current one on has a card below the threshold
        PastLastExercise, // the block reached a disabled exercise 4
    };

    void Start();
    void FinishAtStart();
    void ShowKeyTips();
    void ShowSpeechState();
    void SayQuestionWord();
    void ShowProgress(const ExerciseSequencer::Progress& progress);
    void PrepareWindow(int exercise);
    void SetUpExercise(int exercise);
    void PresentExercise(int exercise);
    void ShowNoticeOnce(int exercise);
    // Shows the answer popup for the popup delay; true when the user left the window meanwhile.
    bool ShowAnswerPopup();
    bool FinishBlock(FinishVariant variant);
    void MarkLearned();
    void ShowInPlaceOfMainWindow();
    // The local date the history of learning files today's answers under.
    QDate Today() const;
    void HideToTray();

    LearningWindow& m_window;
    Context m_context;
    LearningSession m_session;
    ExerciseSequencer m_sequencer;
    std::unique_ptr<ChoiceExercise> m_choice;
    std::unique_ptr<PairExercise> m_pairs;
    std::unique_ptr<RecallExercise> m_recall;
    std::unique_ptr<AssociationExercise> m_association;
    std::unique_ptr<MosaicExercise> m_mosaic;
    bool m_advancing = false; // AdvanceSession is preparing the next question
    bool m_inTray = false; // the learning window was minimized to the notification area
};
