#pragma once

#include <QString>
#include <QStringList>
#include <array>

class Random;

// The rules of one choice-of-translation question: the options are the translations of the
// block's cards, mixed by as many random exchanges of two options as there are cards (so
// an option may stay on its row); an option is right when its text equals the asked card's
// translation exactly, whichever card it came from.
class ChoiceQuestion {
public:
    static constexpr int kCapacity = 10;

    // Takes the block's translations in row order and the asked card's translation; reseeds
    // the generator and mixes the options.
    void Prepare(const QStringList& translations, const QString& answer, Random& random);

    int OptionCount() const { return m_count; }
    // Option n, 1-based, in display order; empty beyond the block.
    const QString& ChoiceOptions(int n) const { return m_choiceOptions.at(static_cast<std::size_t>(n - 1)); }
    const QString& ChoiceAnswer() const { return m_choiceAnswer; }
    // Case-sensitive, untrimmed comparison with the answer.
    bool IsRight(const QString& option) const { return option == m_choiceAnswer; }

private:
    std::array<QString, kCapacity> m_choiceOptions;
    QString m_choiceAnswer;
    int m_count = 0;
};
