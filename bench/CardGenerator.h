#pragma once

#include "store/CardTable.h"

#include <QString>
#include <random>
#include <vector>

// Makes cards that look like those of a real dictionary for Russian speakers: English
// headwords with the word lengths of the shipped English dictionary, IPA transcriptions of
// a matching length, translations of one to three Russian words, now and then an example
// or a comment. The same seed always gives the same cards, so runs compare.
class CardGenerator {
public:
    explicit CardGenerator(unsigned seed);

    // A new card with the given id: texts, part of speech, status and counters filled.
    CardRecord Next(qint64 id);
    // A status drawn from a dictionary in use: new, learning, learned or removed.
    QString Status();

private:
    int Draw(const std::vector<int>& weights, int firstValue);
    QChar Letter(const QString& weightedLetters);
    QString Word(int length, const QString& weightedLetters);
    QString Header();
    QString Ipa(int letters);
    QString Translation();
    QString Sentence(int words);

    std::mt19937 m_random;
};
