#include "CardGenerator.h"

#include <QStringList>

using namespace CardTable;

namespace {

// How many of the 1,500 headwords of the shipped English dictionary have 1, 2, 3, ...
// letters, and how many of their transcriptions have 1, 2, 3, ... symbols.
const std::vector<int> kHeaderLengths { 2, 22, 141, 379, 338, 243, 169, 98, 59, 30, 10, 5, 2, 1, 1 };
const std::vector<int> kTranscriptionLengths { 1, 19, 248, 351, 237, 174, 194, 137, 72, 36, 19, 7, 1, 2, 0, 1, 1 };
// Russian words of 2 to 12 letters, most of them 5 to 8 long.
const std::vector<int> kRussianWordLengths { 3, 6, 10, 14, 16, 15, 13, 9, 6, 4, 3 };
// One, two or three words per translation, as in the shipped dictionary.
const std::vector<int> kTranslationWords { 45, 40, 15 };

// Letters repeated roughly as often as they occur in running text.
const QString kEnglishLetters = QStringLiteral("eeeeeeeeeeeetttttttttaaaaaaaaooooooooiiiiiiinnnnnnnssssss"
                                               "rrrrrrhhhhhddddllllluuucccmmmffwwyyggppbbvkxqjz");
const QString kRussianLetters = QStringLiteral("ооооооооооеееееееааааааааииииииинннннннтттттттссссссррррр"
                                               "вввввлллллккккммммдддпппууууяяыыььггззббччйххжшюцщэфё");
const QString kIpaVowels = QStringLiteral("ɪeæʌɒʊəiuɑɔɜ");
const QString kIpaConsonants = QStringLiteral("pbtdkɡfvθðszʃʒhmnŋlrjw");

const QStringList kPartsOfSpeech { QStringLiteral("noun"), QStringLiteral("verb"), QStringLiteral("adj."),
    QStringLiteral("other"), QStringLiteral("adv.") };
const std::vector<int> kPartOfSpeechWeights { 702, 282, 260, 137, 119 };

} // namespace

CardGenerator::CardGenerator(unsigned seed)
    : m_random(seed)
{
}

int CardGenerator::Draw(const std::vector<int>& weights, int firstValue)
{
    std::discrete_distribution<int> distribution(weights.begin(), weights.end());
    return firstValue + distribution(m_random);
}

QChar CardGenerator::Letter(const QString& weightedLetters)
{
    return weightedLetters.at(qsizetype(m_random() % quint32(weightedLetters.size())));
}

QString CardGenerator::Word(int length, const QString& weightedLetters)
{
    QString word;
    word.reserve(length);
    for (int i = 0; i < length; ++i) {
        word += Letter(weightedLetters);
    }
    return word;
}

QString CardGenerator::Header()
{
    QString header = Word(Draw(kHeaderLengths, 1), kEnglishLetters);
    const quint32 kind = m_random() % 100;
    if (kind < 4) {
        // A phrase: "look after", "by the way".
        header += QLatin1Char(' ') + Word(Draw(kHeaderLengths, 1), kEnglishLetters);
    } else if (kind < 7) {
        header[0] = header[0].toUpper(); // a name, or a word that starts a phrase
    }
    return header;
}

QString CardGenerator::Ipa(int letters)
{
    QString text;
    if (letters > 3 && m_random() % 2 == 0) {
        text += QChar(0x02C8); // stress mark
    }
    for (int i = 0; i < letters; ++i) {
        const bool vowel = i % 2 == 1 || m_random() % 4 == 0;
        text += Letter(vowel ? kIpaVowels : kIpaConsonants);
        if (vowel && m_random() % 4 == 0) {
            text += QChar(0x02D0); // length mark
        }
    }
    return text;
}

QString CardGenerator::Translation()
{
    QStringList words;
    const int count = Draw(kTranslationWords, 1);
    for (int i = 0; i < count; ++i) {
        words << Word(Draw(kRussianWordLengths, 2), kRussianLetters);
    }
    return words.join(m_random() % 3 == 0 ? QStringLiteral("; ") : QStringLiteral(", "));
}

QString CardGenerator::Sentence(int words)
{
    QStringList sentence;
    for (int i = 0; i < words; ++i) {
        sentence << Word(Draw(kHeaderLengths, 1), kEnglishLetters);
    }
    sentence[0][0] = sentence[0][0].toUpper();
    return sentence.join(QLatin1Char(' ')) + QLatin1Char('.');
}

QString CardGenerator::Status()
{
    const quint32 draw = m_random() % 100;
    if (draw < 35) {
        return QString(StatusValue::kNew);
    }
    if (draw < 70) {
        return QString(StatusValue::kLearning);
    }
    return QString(draw < 90 ? StatusValue::kLearned : StatusValue::kIgnore);
}

CardRecord CardGenerator::Next(qint64 id)
{
    const QString header = Header();
    CardRecord card = CardRecord::Make(header, Translation());
    card[Id] = id;
    // A few cards have no transcription, as in dictionaries put together by hand.
    if (m_random() % 20 != 0) {
        card[Transcription] = Ipa(Draw(kTranscriptionLengths, 1));
    }
    card[PartOfSpeech] = kPartsOfSpeech.at(Draw(kPartOfSpeechWeights, 0));
    if (m_random() % 10 < 3) {
        card[Example] = Sentence(4 + int(m_random() % 5));
    }
    if (m_random() % 20 == 0) {
        card[Comment] = Sentence(3);
    }
    for (const int counter : { AssociaciyaTrue, MozaikaTrue, ViborPerevodaTrue, VspomnitTrue, PerevodTrue, ParaTrue }) {
        card[counter] = qint64(m_random() % 4);
    }
    return card;
}
