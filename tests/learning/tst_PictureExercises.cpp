#include "ScriptedRandom.h"
#include "learning/AssociationPanel.h"
#include "learning/ChoicePanel.h"
#include "learning/ExerciseHost.h"
#include "learning/LearningSession.h"
#include "learning/PictureExercises.h"
#include "ui/ClickableLabel.h"

#include <QtTest>

namespace {

// The session as the picture exercises see it: records what they score and when they end
// the question; answers run at once.
class RecordingHost final : public ExerciseHost {
public:
    LearningSession& Session() override { return session; }
    Dataset& LearningCards() override { qFatal("the picture exercises do not read the learning dataset"); }
    Random& Randomness() override { return random; }
    void ScoreCorrectAnswer(ExerciseKind kind) override { scored << ExerciseIdentifier(kind); }
    void RecordWrongAnswer() override { ++wrong; }
    void AdvanceSession() override { ++advanced; }
    int ShowExerciseProgress() override { return 0; }
    void RunAnswer(const std::function<void()>& answer) override { answer(); }
    QString Message(const QString&) const override { return {}; }

    LearningSession session;
    ScriptedRandom random;
    QStringList scored;
    int advanced = 0;
    int wrong = 0;
};

} // namespace

class tst_PictureExercises : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void associationStrikesWrongOptionsAndCountsOnlyAFirstTry()
    {
        QWidget window;
        AssociationPanel panel(&window);
        RecordingHost host;
        AssociationExercise exercise(panel, host);
        const QStringList captions { "дом", "кот", "Дом", "сад", "лес", "мост", "дым", "дом " };
        for (int n = 1; n <= AssociationPanel::kOptionCount; ++n) {
            panel.OptionLabel(n)->setText(captions.at(n - 1));
        }
        exercise.SetAssociationAnswer("Дом");

        // Differing only in case or by a trailing blank is wrong; each stays struck through.
        Q_EMIT panel.OptionLabel(1)->clicked();
        exercise.ChooseAssociationOption(8);
        QVERIFY(panel.OptionLabel(1)->font().strikeOut());
        QVERIFY(panel.OptionLabel(8)->font().strikeOut());
        QVERIFY(!panel.OptionLabel(3)->font().strikeOut());
        QVERIFY(host.session.MistakeMade);
        QCOMPARE(host.advanced, 0);

        Q_EMIT panel.OptionLabel(3)->clicked();
        QCOMPARE(host.advanced, 1);
        QVERIFY(host.scored.isEmpty());
        QVERIFY(!panel.OptionLabel(3)->font().strikeOut());

        host.session.MistakeMade = false;
        exercise.ChooseAssociationOption(3);
        QCOMPARE(host.scored, QStringList { "associaciya" });
        QCOMPARE(host.advanced, 2);
    }

    void mosaicHidesWrongPicturesAndCountsOnlyAFirstTry()
    {
        QWidget window;
        ChoicePanel panel(&window);
        window.show();
        panel.show();
        RecordingHost host;
        MosaicExercise exercise(panel, host);
        const std::uint16_t cards[] = { 4, 2, 7, 1 };
        for (int n = 1; n <= MosaicExercise::kPictureCount; ++n) {
            exercise.SetMosaicImageCard(n, cards[n - 1]);
            panel.PictureVariant(n)->show();
        }
        host.session.CurrentCard = 7;

        Q_EMIT panel.PictureVariant(1)->clicked();
        QVERIFY(!panel.PictureVariant(1)->isVisible());
        QVERIFY(panel.PictureVariant(2)->isVisible());
        QVERIFY(host.session.MistakeMade);
        QCOMPARE(host.advanced, 0);

        Q_EMIT panel.PictureVariant(3)->clicked();
        QCOMPARE(host.advanced, 1);
        QVERIFY(host.scored.isEmpty());
        QVERIFY(panel.PictureVariant(3)->isVisible());

        host.session.MistakeMade = false;
        host.session.CurrentCard = 1;
        exercise.ChooseMosaicPicture(4);
        QCOMPARE(host.scored, QStringList { "mozaika" });
        QCOMPARE(host.advanced, 2);
    }
};

QTEST_MAIN(tst_PictureExercises)
#include "tst_PictureExercises.moc"
