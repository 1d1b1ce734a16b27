#include "store/CardCsv.h"
#include "store/CardTable.h"
#include "store/DictionaryFile.h"
#include "store/DictionaryProperties.h"
#include "store/SqliteConnection.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>
#include <algorithm>

// The conventions of the shipped dictionary sources (data/dictionaries/SOURCES.md) that a
// program can check, for every *.csv file of that folder. Rules that depend on the language
// of the words are chosen by the file's name; a file of another language gets the rules
// that hold for all.

using namespace CardTable;

namespace {

enum class Words { English, Spanish, Russian, Other };

// The longest translation the right column of the pair board shows whole on two lines of
// the smallest size (see SOURCES.md for the measurement).
constexpr qsizetype kLongestTranslation = 44;

const QSet<QString> kPartsOfSpeech { "verb", "noun", "adj.", "adv.", "pron.", "prep.", "conj.", "num.", "interj.",
    "other" };

const QString kPrimary = QStringLiteral("ˈ");
const QString kSecondary = QStringLiteral("ˌ");

// Spanish words unstressed in the sentence, written without a stress mark.
const QSet<QString> kUnstressedSpanish { "que", "de", "el", "la", "lo", "en", "por", "me", "te", "se", "con", "para",
    "mi", "tu", "su", "si", "pero", "como", "le", "nos", "os", "cuando", "hasta", "sin", "sobre", "ni", "desde",
    "entre", "contra", "hacia", "durante", "aunque", "porque", "sino", "tras" };

struct Card {
    int row; // the file's line, the header being line 1
    QString word;
    QString transcription;
    QString translation;
    QString partOfSpeech;
};

QString Text(const SqlValue& value)
{
    const auto* text = std::get_if<QString>(&value);
    return text ? *text : QString();
}

QString SourceFolder()
{
    return qEnvironmentVariable("GLOSSMERE_SOURCE_DIR") + QStringLiteral("/data/dictionaries");
}

std::vector<Card> ReadCards(const QString& path)
{
    std::vector<Card> cards;
    int row = 1;
    for (const CardRecord& record : CardCsv::ReadFile(path)) {
        cards.push_back({ ++row, Text(record[Header]), Text(record[Transcription]), Text(record[Translation]),
            Text(record[PartOfSpeech]) });
    }
    return cards;
}

Words WordsOf(const QString& path)
{
    static const QHash<QString, Words> kByName { { "english", Words::English }, { "spanish", Words::Spanish },
        { "russian", Words::Russian } };
    return kByName.value(QFileInfo(path).completeBaseName(), Words::Other);
}

QString IpaLetters(Words words)
{
    const QString english = QStringLiteral("abdefhijklmnprstuvwzæðŋɑɒɔəɜɡɪʃʊʌʒθ");
    const QString spanish = QStringLiteral("abdefijklmnoprstuwxðŋɡɣɲɾʃʝβθ");
    const QString russian = QStringLiteral("abdefijklmnoprstuvxzæçŋɐɕəɛɡɣɨɪɫɔɵʂʃʉʊʐʑʒʝᵻʲ\u0361");
    const QString marks = QStringLiteral("ˈˌː ");
    switch (words) {
    case Words::English:
        return english + marks;
    case Words::Spanish:
        return spanish + marks;
    case Words::Russian:
        return russian + marks;
    case Words::Other:
        break;
    }
    return english + spanish + russian + marks;
}

// The vowel symbols of a language's transcriptions, longest first so that a diphthong is
// one syllable.
QStringList Vowels(Words words)
{
    switch (words) {
    case Words::English:
        return { "eɪ", "aɪ", "ɔɪ", "əʊ", "aʊ", "ɪə", "eə", "ʊə", "iː", "ɑː", "ɔː", "uː", "ɜː", "ɪ", "e", "æ", "ʌ", "ɒ",
            "ʊ", "ə", "i", "u" };
    case Words::Spanish:
        return { "a", "e", "i", "o", "u" };
    default:
        return { "a", "e", "i", "o", "u", "ɨ", "ə", "ɐ", "ɪ", "ʊ", "æ", "ɵ", "ʉ", "ɛ", "ɔ", "ᵻ" };
    }
}

// The positions where the syllables of one transcribed word start their vowel. English l
// and n between a consonant and the end or another consonant are syllables of their own
// (little ˈlɪtl, suddenly ˈsʌdnli).
QList<qsizetype> Syllables(QStringView ipa, Words words)
{
    const QStringList vowels = Vowels(words);
    const auto vowelAt = [&](qsizetype at) -> qsizetype {
        for (const QString& vowel : vowels) {
            if (ipa.mid(at).startsWith(vowel)) {
                return vowel.size();
            }
        }
        return 0;
    };
    // A letter that is neither a vowel nor a modifier such as ː or ʲ.
    const auto consonantAt = [&](qsizetype at) {
        return at >= 0 && at < ipa.size() && ipa.at(at).isLetter() && ipa.at(at).category() != QChar::Letter_Modifier
            && vowelAt(at) == 0;
    };
    QList<qsizetype> starts;
    for (qsizetype at = 0; at < ipa.size();) {
        if (const qsizetype length = vowelAt(at)) {
            starts << at;
            at += length;
            continue;
        }
        const bool syllabic = words == Words::English && (ipa.at(at) == u'l' || ipa.at(at) == u'n')
            && consonantAt(at - 1) && (at + 1 == ipa.size() || consonantAt(at + 1));
        if (syllabic) {
            starts << at;
        }
        ++at;
    }
    return starts;
}

QString Unmarked(QString ipa)
{
    return ipa.remove(kPrimary).remove(kSecondary);
}

bool IsSpanishVowel(QChar c)
{
    return QStringLiteral("aeiouáéíóúü").contains(c);
}

// How many syllables, counted from the end, the stressed one is as Spanish spelling says:
// a written accent marks the stressed vowel; otherwise words ending in a vowel, n or s
// stress the last syllable but one, the others the last. Each strong vowel (a, e, o or an
// accented one) is a syllable; i and u join their neighbour, or each other.
int SpellingStressFromEnd(const QString& word)
{
    QString spelling = word.toLower();
    spelling.replace(QRegularExpression(QStringLiteral("(?<=[qg])u(?=[eéií])")), QString()); // que, gui
    spelling.replace(QRegularExpression(QStringLiteral("(?<=[aeiou])y$")), QStringLiteral("i")); // muy, hoy
    int syllables = 0;
    int stressed = -1;
    for (qsizetype at = 0; at < spelling.size(); ++at) {
        if (!IsSpanishVowel(spelling.at(at))) {
            continue;
        }
        int strong = 0;
        for (; at < spelling.size() && IsSpanishVowel(spelling.at(at)); ++at) {
            if (QStringLiteral("áéíóú").contains(spelling.at(at))) {
                stressed = syllables + strong;
            }
            strong += QStringLiteral("aeoáéíóú").contains(spelling.at(at)) ? 1 : 0;
        }
        syllables += std::max(strong, 1); // a group of i and u only is one syllable
    }
    if (stressed < 0) {
        const bool penultimate = QStringLiteral("aeiouns").contains(word.toLower().back());
        stressed = std::max(0, syllables - (penultimate ? 2 : 1));
    }
    return syllables - stressed;
}

void AddFileRows()
{
    QTest::addColumn<QString>("path");
    const QDir folder(SourceFolder());
    for (const QString& name : folder.entryList({ QStringLiteral("*.csv") }, QDir::Files, QDir::Name)) {
        QTest::newRow(qPrintable(name)) << folder.filePath(name);
    }
}

QString Where(const Card& card)
{
    return QStringLiteral("row %1 (%2)").arg(card.row).arg(card.word);
}

void ReportProblems(const QStringList& problems)
{
    QVERIFY2(problems.isEmpty(), qPrintable(QLatin1Char('\n') + problems.join(QLatin1Char('\n'))));
}

} // namespace

class TestShippedDictionaries : public QObject {
    Q_OBJECT

private slots:
    void everyFileReads()
    {
        const QStringList files = QDir(SourceFolder()).entryList({ QStringLiteral("*.csv") }, QDir::Files);
        QVERIFY2(files.contains(QStringLiteral("english.csv")), qPrintable(SourceFolder()));
        for (const QString& name : files) {
            try {
                QVERIFY2(!ReadCards(QDir(SourceFolder()).filePath(name)).empty(), qPrintable(name));
            } catch (const std::exception& error) {
                QFAIL(error.what());
            }
        }
    }

    void builtDictionariesNameTheLanguageOfTheirWords()
    {
        // The built files, as the program ships them: each names the voice that says its words.
        const QString built = qEnvironmentVariable("GLOSSMERE_BIN_DIR") + QStringLiteral("/Dicts/");
        for (const auto& [name, language] :
            { std::pair { "english", "en" }, std::pair { "russian", "ru" }, std::pair { "spanish", "es" } }) {
            const auto connection = DictionaryFile::Open(built + QLatin1String(name) + QStringLiteral(".dat"));
            QCOMPARE(DictionaryProperties::Read(*connection, DictionaryProperties::kLanguage), QString(language));
        }
    }

    void everyCardIsComplete_data() { AddFileRows(); }
    void everyCardIsComplete()
    {
        QFETCH(QString, path);
        QStringList problems;
        for (const Card& card : ReadCards(path)) {
            if (card.word.isEmpty() || card.transcription.isEmpty() || card.translation.isEmpty()) {
                problems << Where(card) + QStringLiteral(": an empty field");
            }
            if (!kPartsOfSpeech.contains(card.partOfSpeech)) {
                problems << Where(card) + QStringLiteral(": part of speech \"%1\"").arg(card.partOfSpeech);
            }
        }
        ReportProblems(problems);
    }

    // A choice or pair board built from two cards with one translation shows two options
    // nobody can tell apart.
    void noCardRepeats_data() { AddFileRows(); }
    void noCardRepeats()
    {
        QFETCH(QString, path);
        QStringList problems;
        QHash<QString, int> wordAndTranslation;
        QHash<QString, int> wordAndPart;
        QHash<QString, int> translation;
        const auto once = [&](QHash<QString, int>& seen, const QString& key, const Card& card, const char* what) {
            if (seen.contains(key)) {
                problems << Where(card) + QStringLiteral(": same %1 as row %2").arg(what).arg(seen.value(key));
            }
            seen.insert(key, card.row);
        };
        for (const Card& card : ReadCards(path)) {
            once(wordAndTranslation, card.word + u'\t' + card.translation, card, "word and translation");
            once(wordAndPart, card.word + u'\t' + card.partOfSpeech, card, "word and part of speech");
            once(translation, card.translation, card, "translation");
        }
        ReportProblems(problems);
    }

    void translationsFitThePairBoard_data() { AddFileRows(); }
    void translationsFitThePairBoard()
    {
        QFETCH(QString, path);
        QStringList problems;
        for (const Card& card : ReadCards(path)) {
            if (card.translation.size() > kLongestTranslation) {
                problems << Where(card) + QStringLiteral(": %1 characters").arg(card.translation.size());
            }
        }
        ReportProblems(problems);
    }

    // Commas, semicolons and the colon of a phrase gloss are followed by one space and
    // preceded by none; no dash stands for the colon.
    void translationsArePunctuatedAlike_data() { AddFileRows(); }
    void translationsArePunctuatedAlike()
    {
        QFETCH(QString, path);
        const QRegularExpression badSpacing(QStringLiteral("\\s[,;:]|[,;:](?=\\S)|\\s\\s|^\\s|\\s$|[—–]| - "));
        QStringList problems;
        for (const Card& card : ReadCards(path)) {
            const bool balanced = card.translation.count(u'(') == card.translation.count(u')');
            if (badSpacing.match(card.translation).hasMatch() || !balanced) {
                problems << Where(card) + QStringLiteral(": \"%1\"").arg(card.translation);
            }
        }
        ReportProblems(problems);
    }

    void transcriptionsUseIpaOnly_data() { AddFileRows(); }
    void transcriptionsUseIpaOnly()
    {
        QFETCH(QString, path);
        const QString letters = IpaLetters(WordsOf(path));
        QStringList problems;
        for (const Card& card : ReadCards(path)) {
            for (const QChar c : card.transcription) {
                if (!letters.contains(c)) {
                    problems << Where(card) + QStringLiteral(": \"%1\" in %2").arg(c).arg(card.transcription);
                    break;
                }
            }
        }
        ReportProblems(problems);
    }

    // Every file: at most one main stress a word. English and Russian: none on a word of
    // one syllable, one on a longer word; English marks a secondary stress before a main
    // stress on the third syllable or later, and never after it.
    void stressMarksStandWhereTheySound_data() { AddFileRows(); }
    void stressMarksStandWhereTheySound()
    {
        QFETCH(QString, path);
        const Words words = WordsOf(path);
        QStringList problems;
        for (const Card& card : ReadCards(path)) {
            const QStringList parts = card.transcription.split(u' ', Qt::SkipEmptyParts);
            for (const QString& ipa : parts) {
                const qsizetype syllables = Syllables(Unmarked(ipa), words).size();
                const qsizetype primary = ipa.count(kPrimary);
                const QString beforeMain = ipa.section(kPrimary, 0, 0);
                QString problem;
                if (primary > 1) {
                    problem = QStringLiteral("two main stresses");
                } else if (words == Words::English || words == Words::Russian) {
                    if (syllables < 2 && (primary > 0 || ipa.contains(kSecondary))) {
                        problem = QStringLiteral("a stress mark on one syllable");
                    } else if (syllables >= 2 && primary == 0 && parts.size() == 1) {
                        problem = QStringLiteral("no main stress");
                    } else if (words == Words::English && primary == 1
                        && (ipa.section(kPrimary, 1).contains(kSecondary)
                            || (Syllables(Unmarked(beforeMain), words).size() >= 2
                                && !beforeMain.contains(kSecondary)))) {
                        problem = QStringLiteral("secondary stress not before a late main stress");
                    }
                }
                if (!problem.isEmpty()) {
                    problems << Where(card) + QStringLiteral(": %1 in %2").arg(problem, card.transcription);
                }
            }
        }
        ReportProblems(problems);
    }

    // Spanish: the unstressed function words carry no stress mark, every other word one
    // main stress on the syllable its spelling stresses, and only -mente adverbs a secondary.
    void spanishStressFollowsSpelling_data() { AddFileRows(); }
    void spanishStressFollowsSpelling()
    {
        QFETCH(QString, path);
        if (WordsOf(path) != Words::Spanish) {
            QSKIP("Not Spanish words.");
        }
        QStringList problems;
        for (const Card& card : ReadCards(path)) {
            const QString& ipa = card.transcription;
            const bool unstressed = kUnstressedSpanish.contains(card.word);
            const bool marked = ipa.contains(kPrimary) || ipa.contains(kSecondary);
            bool fits = unstressed ? !marked : ipa.count(kPrimary) == 1;
            if (fits && !unstressed) {
                const qsizetype fromEnd = Syllables(ipa.section(kPrimary, -1), Words::Spanish).size();
                fits = fromEnd == SpellingStressFromEnd(card.word)
                    && (!ipa.contains(kSecondary) || card.word.endsWith(QLatin1String("mente")));
            }
            if (!fits) {
                problems << Where(card) + QStringLiteral(": %1").arg(ipa);
            }
        }
        ReportProblems(problems);
    }

    // English: the final unstressed vowel of happy is i, neither ɪ nor iː.
    void englishHappyVowelIsI_data() { AddFileRows(); }
    void englishHappyVowelIsI()
    {
        QFETCH(QString, path);
        if (WordsOf(path) != Words::English) {
            QSKIP("Not English words.");
        }
        QStringList problems;
        for (const Card& card : ReadCards(path)) {
            const QString plain = Unmarked(card.transcription);
            const QList<qsizetype> syllables = Syllables(plain, Words::English);
            const bool finalShortI = !syllables.isEmpty() && plain.mid(syllables.last()) == QStringLiteral("ɪ");
            const bool finalLongI = plain.endsWith(QStringLiteral("iː")) && syllables.size() > 1
                && Syllables(Unmarked(card.transcription.section(kPrimary, -1)), Words::English).size() > 1;
            if (finalShortI || finalLongI) {
                problems << Where(card) + QStringLiteral(": %1").arg(card.transcription);
            }
        }
        ReportProblems(problems);
    }

    // Russian words show their stress with an acute accent (U+0301) on the stressed vowel:
    // one on every word of two or more syllables whose stress is not on ё, none twice.
    void russianWordsShowTheirStress_data() { AddFileRows(); }
    void russianWordsShowTheirStress()
    {
        QFETCH(QString, path);
        if (WordsOf(path) != Words::Russian) {
            QSKIP("Not Russian words.");
        }
        const QString vowels = QStringLiteral("аеёиоуыэюя");
        QStringList problems;
        for (const Card& card : ReadCards(path)) {
            for (const QString& word : card.word.toLower().split(QRegularExpression(QStringLiteral("[\\s-]+")))) {
                const qsizetype syllables
                    = std::count_if(word.begin(), word.end(), [&](QChar c) { return vowels.contains(c); });
                const qsizetype accents = word.count(QChar(0x0301));
                if (accents > 1 || (syllables >= 2 && accents == 0 && !word.contains(u'ё'))) {
                    problems << Where(card) + QStringLiteral(": \"%1\"").arg(word);
                }
            }
        }
        ReportProblems(problems);
    }
};

QTEST_GUILESS_MAIN(TestShippedDictionaries)
#include "tst_ShippedDictionaries.moc"
