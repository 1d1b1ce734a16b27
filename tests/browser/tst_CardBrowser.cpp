#include "browser/CardBrowser.h"
#include "i18n/LanguageTable.h"
#include "store/DictionaryStore.h"
#include "store/DictionaryWriter.h"
#include "support/FakeSeams.h"
#include "support/ScriptedPrompts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

using namespace CardTable;

namespace {

// Records what the browser shows.
struct RecordingView final : CardView {
    QString word, transcription, translation, position, learned;
    void ShowCardTexts(const QString& w, const QString& t, const QString& tr) override
    {
        word = w;
        transcription = t;
        translation = tr;
    }
    void ShowPositionText(const QString& text) override { position = text; }
    void ShowLearnedText(const QString& text) override { learned = text; }
};

// Status letters: '.' new, 'L' learning, 'D' learned, 'I' removed; '*' after a letter
// marks the card as the active one.
std::vector<CardRecord> Cards(const QString& pattern)
{
    std::vector<CardRecord> cards;
    for (int i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == QLatin1Char('*')) {
            cards.back()[ActiveWord] = qint64(1);
            continue;
        }
        CardRecord card = CardRecord::Make(
            QString("w%1").arg(cards.size() + 1, 2, 10, QLatin1Char('0')), QString("t%1").arg(cards.size() + 1));
        const QChar c = pattern[i];
        card[Status] = c == 'L' ? QString("learning")
            : c == 'D'          ? QString("learned")
            : c == 'I'          ? QString("ignore")
                                : QString();
        card[ActiveWord] = qint64(0);
        cards.push_back(card);
    }
    return cards;
}

} // namespace

class TestCardBrowser : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    CountingEventPump m_events;
    QWidget m_window;
    std::unique_ptr<LanguageTable> m_texts;
    int m_dictionaries = 0;

    // A dictionary in a new file, opened, with a browser on it.
    struct Opened {
        QString path;
        DictionaryStore store;
        ScriptedPrompts prompts;
        RecordingView view;
        CardBrowser browser;
        Opened(const QString& file, EventPump& events, const LanguageTable& texts)
            : path(file)
            , store(events)
            , browser(store, prompts, texts, view)
        {
        }
    };

    std::unique_ptr<Opened> Open(const QString& pattern)
    {
        const QString path = m_folder.filePath(QString("d%1.dat").arg(++m_dictionaries));
        DictionaryWriter::Write(path, Cards(pattern));
        auto opened = std::make_unique<Opened>(path, m_events, *m_texts);
        opened->browser.SetCurrentRecord(opened->store.OpenDictionary(path));
        opened->browser.ShowPosition();
        opened->browser.ShowCard(opened->browser.CurrentRecord());
        return opened;
    }

    // The statuses and marks in the file, in the pattern's letters.
    QString InFile(const QString& path)
    {
        DictionaryStore store(m_events);
        store.OpenDictionary(path);
        QString pattern;
        for (int r = 1; r <= store.Browser().RecordCount(); ++r) {
            store.Browser().MoveTo(r);
            const QString status = store.Browser().Text("status");
            pattern += status == "learning" ? 'L' : status == "learned" ? 'D' : status == "ignore" ? 'I' : '.';
            if (store.Browser().Flag("active_word")) {
                pattern += '*';
            }
        }
        return pattern;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QDir(m_folder.path()).mkpath("Language");
        QFile file(m_folder.filePath("Language/rus.lng"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Form1]\nmessage_learning_info1=from the first?\nmessage_learning_info2=from the last?\n"
                   "message_delete=remove?\nmessage_learned_count=%1 of %2 learned\n");
        file.close();
        m_texts = std::make_unique<LanguageTable>(m_folder.path() + "/");
        m_texts->ApplyLanguage("form1", "russian", &m_window);
    }

    void nextSkipsRemovedCardsAndLearnsTheOneItReaches()
    {
        auto d = Open("L*IID..");
        d->browser.NextStep();
        QCOMPARE(d->view.position, QString("4/6"));
        QCOMPARE(d->view.word, QString("w04"));
        d->browser.NextStep();
        QCOMPARE(InFile(d->path), QString("LIIDL*."));
        VERIFY_PROMPTS(d->prompts);
    }

    void oneCardAsksBothWays()
    {
        auto d = Open("L*");
        d->prompts.ExpectConfirm(true).ExpectConfirm(true);
        d->browser.NextStep();
        QCOMPARE(d->view.position, QString("1/1"));
        d->browser.PreviousStep();
        QCOMPARE(d->prompts.Prompt(0).text, QString("from the first?"));
        QCOMPARE(d->prompts.Prompt(1).text, QString("from the last?"));
        QCOMPARE(d->view.position, QString("1/1"));
        QCOMPARE(InFile(d->path), QString("L*"));
        VERIFY_PROMPTS(d->prompts);
    }

    void noAtTheEndChangesNothing()
    {
        auto d = Open("LLLIIIII");
        d->browser.SetCurrentRecord(3);
        d->prompts.ExpectConfirm(false);
        d->browser.NextStep();
        QCOMPARE(d->view.position, QString("3/8"));
        QCOMPARE(InFile(d->path), QString("L*LLIIIII"));
        VERIFY_PROMPTS(d->prompts);
    }

    void removedRunAfterTheCurrentCardAsksToWrap()
    {
        auto d = Open("...L*IIIII");
        d->prompts.ExpectConfirm(false);
        d->browser.NextStep();
        QCOMPARE(d->view.position, QString("4/9"));
        VERIFY_PROMPTS(d->prompts);
    }

    void previousWithOnlyRemovedCardsBeforeStays()
    {
        auto d = Open("III.*..");
        d->browser.PreviousStep();
        QCOMPARE(d->view.position, QString("4/6"));
        QCOMPARE(InFile(d->path), QString("IIIL*.."));
        VERIFY_PROMPTS(d->prompts);
        auto learned = Open("IIID*");
        learned->browser.PreviousStep();
        QCOMPARE(InFile(learned->path), QString("IIID*"));
    }

    void wrappingOntoRemovedCardsShowsThemAndKeepsThemRemoved()
    {
        auto d = Open("I.L*");
        d->prompts.ExpectConfirm(true);
        d->browser.NextStep();
        QCOMPARE(d->view.position, QString("1/3"));
        QCOMPARE(d->view.word, QString("w01"));
        QCOMPARE(InFile(d->path), QString("I*.L"));

        auto back = Open("L*.I");
        back->prompts.ExpectConfirm(true);
        back->browser.PreviousStep();
        QCOMPARE(back->view.position, QString("3/3"));
        QCOMPARE(InFile(back->path), QString("L.I*"));
        VERIFY_PROMPTS(d->prompts);
        VERIFY_PROMPTS(back->prompts);
    }

    void learnedCardsAreShownAndStayLearned()
    {
        auto d = Open("L*DD");
        d->browser.NextStep();
        d->browser.NextStep();
        d->browser.PreviousStep();
        QCOMPARE(InFile(d->path), QString("LD*D"));
    }

    void removingTheOnlyCardLeftAsksToWrap()
    {
        auto d = Open("IL*I");
        d->prompts.ExpectConfirm(true).ExpectConfirm(false);
        d->browser.RemoveFromLearning();
        QCOMPARE(d->prompts.Prompt(0).text, QString("remove?"));
        QCOMPARE(d->prompts.Prompt(1).text, QString("from the first?"));
        // Answered No: the removed card keeps its mark and stays on screen.
        QCOMPARE(d->view.position, QString("2/3"));
        QCOMPARE(InFile(d->path), QString("II*I"));
        VERIFY_PROMPTS(d->prompts);
    }

    void removalAnsweredNoChangesNothing()
    {
        auto d = Open("L*.");
        d->prompts.ExpectConfirm(false);
        d->browser.RemoveFromLearning();
        QCOMPARE(InFile(d->path), QString("L*."));
        VERIFY_PROMPTS(d->prompts);
    }

    void emptyDictionaryDoesNothing()
    {
        auto d = Open("");
        QCOMPARE(d->view.position, QString("0/0"));
        d->browser.NextStep();
        d->browser.PreviousStep();
        d->browser.RemoveFromLearning();
        QCOMPARE(d->view.position, QString("0/0"));
        VERIFY_PROMPTS(d->prompts);
    }

    void withoutDictionaryNothingHappens()
    {
        DictionaryStore store(m_events);
        ScriptedPrompts prompts;
        RecordingView view;
        CardBrowser browser(store, prompts, *m_texts, view);
        browser.NextStep();
        browser.PreviousStep();
        browser.RemoveFromLearning();
        browser.ShowCard(1);
        QVERIFY(view.word.isEmpty());
        VERIFY_PROMPTS(prompts);
    }

    void transcriptionBrackets()
    {
        const QString path = m_folder.filePath("transcriptions.dat");
        std::vector<CardRecord> cards { CardRecord::Make("a", "x"), CardRecord::Make("b", "y"),
            CardRecord::Make("c", "z") };
        cards[1][Transcription] = QString();
        cards[2][Transcription] = QString("ˈsiː");
        DictionaryWriter::Write(path, cards);
        DictionaryStore store(m_events);
        ScriptedPrompts prompts;
        RecordingView view;
        CardBrowser browser(store, prompts, *m_texts, view);
        browser.SetCurrentRecord(store.OpenDictionary(path));
        const QStringList expected { "", "[]", "[ˈsiː]" };
        for (int r = 1; r <= 3; ++r) {
            browser.ShowCard(r);
            QCOMPARE(view.transcription, expected[r - 1]);
        }
    }
};

QTEST_MAIN(TestCardBrowser)
#include "tst_CardBrowser.moc"
