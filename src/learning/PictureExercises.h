#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <cstdint>

class AssociationPanel;
class ChoicePanel;
class ExerciseHost;

// The two picture exercises. No session schedules them and nothing prepares their
// questions yet (the dictionary holds no pictures), so their panels stay hidden; their
// answer rules stand ready for a question that a preparation would put in place. Both
// follow the choice exercise: a wrong answer is marked and the user tries again, only a
// right answer at the first try counts, and the right answer ends the question.

// The association exercise on Panel1: a picture and eight translations under it.
class AssociationExercise final : public QObject {
    Q_OBJECT

public:
    AssociationExercise(AssociationPanel& panel, ExerciseHost& host, QObject* parent = nullptr);

    // The translation the right option carries, set by the question's preparation.
    void SetAssociationAnswer(const QString& answer) { m_associationAnswer = answer; }
    const QString& AssociationAnswer() const { return m_associationAnswer; }

    // The user clicked option label n (1 to 8): a caption other than the answer (compared
    // exactly) is struck through and counts as a mistake; the answer ends the question.
    void ChooseAssociationOption(int n);

private:
    AssociationPanel& m_panel;
    ExerciseHost& m_host;
    QString m_associationAnswer;
};

// The mosaic exercise on Panel2: the asked word over four pictures, each showing a card.
class MosaicExercise final : public QObject {
    Q_OBJECT

public:
    static constexpr int kPictureCount = 4;

    MosaicExercise(ChoicePanel& panel, ExerciseHost& host, QObject* parent = nullptr);

    // Picture n (1 to 4) shows card `card` of the block (1-based), set by the preparation.
    void SetMosaicImageCard(int n, std::uint16_t card) { m_mosaicImageCard.at(Index(n)) = card; }
    std::uint16_t MosaicImageCard(int n) const { return m_mosaicImageCard.at(Index(n)); }

    // The user clicked picture n (1 to 4): the picture of the asked card ends the question;
    // any other picture is hidden and counts as a mistake.
    void ChooseMosaicPicture(int n);

private:
    static std::size_t Index(int n) { return static_cast<std::size_t>(n - 1); }

    ChoicePanel& m_panel;
    ExerciseHost& m_host;
    std::array<std::uint16_t, kPictureCount> m_mosaicImageCard {};
};
