#include "support/DictionaryBuilder.h"
#include "support/DictionaryProbe.h"
#include "support/FileSizeLimit.h"
#include "support/TempFolder.h"

#include "base/AppError.h"
#include "store/DictionaryFile.h"
#include "store/SqliteConnection.h"
#include "words/WordImport.h"
#include "words/WordLists.h"

#include <QtTest>

namespace {

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Every row of a word list as the import would take it: "word|transcription|translation",
// or "! line 3: no translation" for a row it would reject.
QStringList ReadAsCards(const QString& path, const WordLists::Choice& choice = {})
{
    WordLists::Opened opened = WordLists::Open(path, choice);
    QStringList cards;
    WordRow row;
    while (opened.source->Next(row)) {
        const WordImport::RowCard made = WordImport::CardOf(row, opened.mapping);
        if (!made.rejection.IsEmpty()) {
            cards << "! " + QString::number(row.place) + ": " + made.rejection.English();
            continue;
        }
        const auto text = [&made](int column) {
            const auto* value = std::get_if<QString>(&made.card[column]);
            return value ? *value : QString("<null>");
        };
        cards << QStringList { text(CardTable::Header), text(CardTable::Transcription), text(CardTable::Translation) }
                     .join('|');
    }
    return cards;
}

const QByteArray kKvtml2
    = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" \"http://edu.kde.org/kvtml/kvtml2.dtd\">\n"
      "<kvtml version=\"2.0\">\n"
      "  <information><title>Animals</title></information>\n"
      "  <identifiers>\n"
      "    <identifier id=\"0\"><name>English</name><locale>en</locale></identifier>\n"
      "    <identifier id=\"1\"><name>Deutsch</name><locale>de</locale></identifier>\n"
      "    <identifier id=\"2\"><name>Русский</name><locale>ru</locale></identifier>\n"
      "  </identifiers>\n"
      "  <entries>\n"
      "    <entry id=\"0\">\n"
      "      <translation id=\"0\"><text>cat</text><pronunciation>kæt</pronunciation></translation>\n"
      "      <translation "
      "id=\"1\"><text>Katze</text><comparison><comparative>x</comparative></comparison></translation>\n"
      "      <translation id=\"2\"><text>кошка</text></translation>\n"
      "    </entry>\n"
      "    <entry id=\"1\">\n"
      "      <translation id=\"0\"><text>dog</text></translation>\n"
      "      <translation id=\"2\"><text>собака</text></translation>\n"
      "    </entry>\n"
      "  </entries>\n"
      "  <lessons><container><name>One</name><entry id=\"0\"/><entry id=\"1\"/></container></lessons>\n"
      "</kvtml>\n";

const QByteArray kKvtml1
    = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<kvtml version=\"1.0\" encoding=\"UTF-8\" generator=\"trainer\" cols=\"2\" lines=\"2\" title=\"Colours\">\n"
      " <e m=\"1\"><o l=\"en\" p=\"rɛd\">red</o><t l=\"ru\">красный</t></e>\n"
      " <e><o>blue</o><t>синий</t></e>\n"
      "</kvtml>\n";

} // namespace

class TestWordLists : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsEachFormat_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("wordLanguage");
        QTest::addColumn<QStringList>("cards");
        QTest::newRow("csv, header in its own order")
            << "a.csv"
            << QByteArray("Translation,Word,IPA\nкот,cat,kæt\n\"да, нет\",\"yes, "
                          "no\",\n")
            << "" << QStringList { "cat|kæt|кот", "yes, no|<null>|да, нет" };
        QTest::newRow("csv without header, semicolons, a line break in quotes")
            << "b.csv" << QByteArray("sun;солнце\r\n\"two\nlines\";\"две строки\"\r\nmoon;\r\n") << ""
            << QStringList { "sun|<null>|солнце", "two\nlines|<null>|две строки", "! 4: no translation" };
        QTest::newRow("tsv with a byte-order mark")
            << "c.tsv" << QByteArray("\xEF\xBB\xBFword\ttranslation\ta\tб\n") << "" << QStringList {};
        QTest::newRow("tsv rows") << "d.tsv"
                                  << QByteArray("\xEF\xBB\xBF"
                                                "house\tдом\nhat\tшляпа\n")
                                  << "" << QStringList { "house|<null>|дом", "hat|<null>|шляпа" };
        QTest::newRow("windows-1251, detected")
            << "e.csv" << QByteArray("milk,\xEC\xEE\xEB\xEE\xEA\xEE\n") << "" << QStringList { "milk|<null>|молоко" };
        QTest::newRow("latin-1, detected") << "f.csv" << QByteArray("caf\xE9,кофе\n").replace("кофе", "coffee") << ""
                                           << QStringList { "café|<null>|coffee" };
        QTest::newRow("notes export with markup and bookkeeping")
            << "g.txt"
            << QByteArray("#separator:tab\n#html:true\n#guid column:1\n#tags column:4\n"
                          "x1\t<b>fish</b>&nbsp;&amp; chips\tрыба<br>с картошкой\tfood\n")
            << "" << QStringList { "fish & chips|<null>|рыба с картошкой" };
        QTest::newRow("notes export, comma-separated, markup kept")
            << "h.txt" << QByteArray("#separator:Comma\n#html:false\nbread,<i>хлеб</i>\n") << ""
            << QStringList { "bread|<null>|<i>хлеб</i>" };
        QTest::newRow("kvtml 2, first two languages; an entry without one is rejected")
            << "i.kvtml" << kKvtml2 << "" << QStringList { "cat|kæt|Katze", "! 2: no translation" };
        QTest::newRow("kvtml 2, languages chosen")
            << "j.kvtml" << kKvtml2 << "ru" << QStringList { "кошка|<null>|cat", "собака|<null>|dog" };
        QTest::newRow("kvtml 1") << "k.xml" << kKvtml1 << "" << QStringList { "red|rɛd|красный", "blue|<null>|синий" };
    }
    void readsEachFormat()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, wordLanguage);
        QFETCH(QStringList, cards);
        TempFolder folder;
        WriteBytes(folder.File(name), bytes);
        WordLists::Choice choice;
        choice.wordLanguage = wordLanguage;
        choice.translationLanguage = wordLanguage.isEmpty() ? QString() : QString("en");
        QCOMPARE(ReadAsCards(folder.File(name), choice), cards);
    }

    void chosenEncodingOverridesTheGuess()
    {
        TempFolder folder;
        WriteBytes(folder.File("a.csv"), "word,translation\nsmall,\xEC\xE0\xEB\xFB\xE9\n");
        WordLists::Choice choice;
        choice.encoding = TextEncoding::Latin1;
        QCOMPARE(ReadAsCards(folder.File("a.csv")), QStringList { "small|<null>|малый" });
        QCOMPARE(ReadAsCards(folder.File("a.csv"), choice), QStringList { "small|<null>|ìàëûé" });
    }

    void badFilesAreRefusedWithTheReason_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("empty") << "a.csv" << QByteArray() << "the file holds no words";
        QTest::newRow("blank lines") << "a.csv" << QByteArray("\xEF\xBB\xBF\n \n") << "the file holds no words";
        QTest::newRow("binary") << "a.csv" << QByteArray("PK\x03\x04\0\0\x14\0word", 12) << "not a text file";
        QTest::newRow("utf-16") << "a.txt" << QByteArray("\xFF\xFEw\0o\0", 6) << "UTF-16";
        QTest::newRow("one column") << "a.csv" << QByteArray("apple\npear\n") << "no two columns";
        QTest::newRow("open quote") << "a.csv" << QByteArray("a,b\nc,\"d\ne,f\n") << "starts on line 2 is not closed";
        QTest::newRow("broken xml") << "a.kvtml" << QByteArray("<kvtml version=\"2.0\">\n<identifiers>\n</kvtml>")
                                    << "broken on line 3";
        QTest::newRow("other xml") << "a.xml" << QByteArray("<html><body/></html>") << "not a vocabulary one";
        QTest::newRow("unknown version") << "a.kvtml" << QByteArray("<kvtml version=\"7\"/>") << "version 7";
        QTest::newRow("one language")
            << "a.kvtml"
            << QByteArray("<kvtml version=\"2.0\"><identifiers><identifier id=\"0\"/></identifiers></kvtml>")
            << "fewer than two languages";
        QTest::newRow("missing language") << "b.kvtml" << kKvtml2 << "no language fr (it has en, de, ru)";
    }
    void badFilesAreRefusedWithTheReason()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        TempFolder folder;
        WriteBytes(folder.File(name), bytes);
        WordLists::Choice choice;
        choice.wordLanguage = "fr";
        try {
            const WordLists::Opened opened = WordLists::Open(folder.File(name), choice);
            WordRow row;
            while (opened.source->Next(row)) { }
            QFAIL("no error");
        } catch (const AppError& error) {
            QVERIFY2(error.Text().English().contains(reason), qPrintable(error.Message()));
            QVERIFY2(error.Text().English().startsWith("Cannot import words from " + folder.File(name)),
                qPrintable(error.Message()));
        }
    }

    void aHugeFileIsRefusedBeforeItIsRead()
    {
        TempFolder folder;
        QFile file(folder.File("huge.csv"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(qint64(200) << 20)); // sparse: nothing to read, no disk used
        file.close();
        QVERIFY_THROWS_EXCEPTION(AppError, WordLists::Open(folder.File("huge.csv"), {}));
        try {
            WordLists::Open(folder.File("huge.csv"), {});
        } catch (const AppError& error) {
            QCOMPARE(error.Text().English().section(": ", 1),
                QString("it is 200 MB, and a word list may have at most 64 MB; split it into parts."));
        }
    }

    // Duplicates of cards already there and of earlier rows are skipped, rejected rows are
    // counted with their line, and new cards get a new card's values.
    void importAddsNewCardsOnly()
    {
        TempFolder folder;
        const QString dictionary
            = DictionaryBuilder().Card("cat", "кот").Status("learned").Marked().Write(folder.File("d.dat"));
        WriteBytes(folder.File("w.csv"),
            "word,translation,transcription\ncat,кот,kæt\ndog,собака,dɒg\ndog,собака,\n,нет\ncow,\nowl,сова,\n"
            "cat,кошка,\n");
        auto connection = DictionaryFile::Open(dictionary);
        WordLists::Opened words = WordLists::Open(folder.File("w.csv"), {});
        const WordImport::Outcome outcome = WordImport::Run(*connection, *words.source, words.mapping);
        QCOMPARE(outcome.imported, 3);
        QCOMPARE(outcome.duplicates, 2);
        QCOMPARE(outcome.rejected, 2);
        QCOMPARE(outcome.firstRejections.size(), size_t(2));
        QCOMPARE(outcome.firstRejections[0].English(), QString("line 5: no word"));
        QCOMPARE(outcome.firstRejections[1].English(), QString("line 6: no translation"));
        connection.reset();
        QCOMPARE(DictionaryProbe::Column(dictionary, "header"), QStringList({ "cat", "dog", "owl", "cat" }));
        QCOMPARE(
            DictionaryProbe::Column(dictionary, "transcription"), QStringList({ "<null>", "dɒg", "<null>", "<null>" }));
        QCOMPARE(DictionaryProbe::Column(dictionary, "status"), QStringList({ "learned", "", "", "" }));
        QCOMPARE(DictionaryProbe::Column(dictionary, "active_word"), QStringList({ "1", "0", "0", "0" }));
        QCOMPARE(DictionaryProbe::Column(dictionary, "para_true"), QStringList({ "0", "0", "0", "0" }));
    }

    // A write that fails half-way (the disk fills up) or a cancel leaves the file as it was.
    void failedOrCancelledImportWritesNothing()
    {
        TempFolder folder;
        const QString dictionary = DictionaryBuilder().Cards(3).Write(folder.File("d.dat"));
        QByteArray words;
        for (int i = 0; i < 20000; ++i) {
            words += "word" + QByteArray::number(i) + ",перевод " + QByteArray::number(i) + "\n";
        }
        WriteBytes(folder.File("w.csv"), words);
        const QStringList before = DictionaryProbe::Column(dictionary, "header");
        const qint64 size = QFileInfo(dictionary).size();
        for (const bool cancel : { false, true }) {
            auto connection = DictionaryFile::Open(dictionary);
            WordLists::Opened opened = WordLists::Open(folder.File("w.csv"), {});
            int reports = 0;
            bool ordered = true;
            const auto progress = [&](qint64 done, qint64 total) {
                ordered = ordered && done <= total;
                return !(cancel && ++reports == 10);
            };
            if (cancel) {
                QVERIFY(WordImport::Run(*connection, *opened.source, opened.mapping, progress).cancelled);
            } else {
                const FileSizeLimit full(size + 64 * 1024);
                QVERIFY(full.Applied());
                QVERIFY_THROWS_EXCEPTION(AppError, WordImport::Run(*connection, *opened.source, opened.mapping));
            }
            connection.reset();
            QVERIFY(ordered);
            // Pages written back from the journal are encrypted anew, so the cards are compared.
            QCOMPARE(DictionaryProbe::Column(dictionary, "header"), before);
            QCOMPARE(DictionaryProbe::Query(dictionary, "PRAGMA integrity_check"), QString("ok"));
            QCOMPARE(folder.Entries(), QStringList({ "d.dat", "w.csv" }));
        }
    }
};

QTEST_MAIN(TestWordLists)
#include "tst_WordLists.moc"
