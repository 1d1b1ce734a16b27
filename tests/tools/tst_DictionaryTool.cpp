#include "support/DictionaryBuilder.h"
#include "support/DictionaryProbe.h"
#include "support/TempFolder.h"

#include "store/DictionaryFile.h"

#include <QProcess>
#include <QtTest>

namespace {

struct Result {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs the real glossmere-dict of this build.
Result Tool(const QStringList& arguments)
{
    QProcess tool;
    tool.start(qEnvironmentVariable("GLOSSMERE_BIN_DIR") + "/glossmere-dict", arguments);
    Result result;
    if (tool.waitForFinished(60000) && tool.exitStatus() == QProcess::NormalExit) {
        result.exitCode = tool.exitCode();
    }
    result.out = QString::fromUtf8(tool.readAllStandardOutput());
    result.err = QString::fromUtf8(tool.readAllStandardError());
    return result;
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Cards with everything CSV makes hard: commas, quotes, line breaks in fields, Cyrillic and
// IPA, a byte-order mark and Windows line ends.
const QByteArray kAwkwardCsv = "\xEF\xBB\xBFword,transcription,translation,part_of_speech,example,comment\r\n"
                               "\"look, see\",lʊk,\"смотреть, видеть\",verb,\"Look!\nThere.\",\r\n"
                               "\"say \"\"hi\"\"\",,сказать «привет»,other,,\"a, b\"\r\n"
                               "ёж,joʂ,hedgehog,noun,\"\",\r\n";

} // namespace

class TestDictionaryTool : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void commandLineMistakesExitWithTwo_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("nothing") << QStringList {};
        QTest::newRow("unknown command") << QStringList { "make", "a.dat" };
        QTest::newRow("unknown option") << QStringList { "check", "--quick", "a.dat" };
        QTest::newRow("create without source") << QStringList { "create", "a.dat" };
        QTest::newRow("check of two files") << QStringList { "check", "a.dat", "b.dat" };
    }
    void commandLineMistakesExitWithTwo()
    {
        QFETCH(QStringList, arguments);
        const Result result = Tool(arguments);
        QCOMPARE(result.exitCode, 2);
        QVERIFY(result.err.contains("Usage: glossmere-dict"));
    }

    void helpExitsWithZero()
    {
        const Result result = Tool({ "--help" });
        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.out.contains("create [--force] [--language=CODE] [WORD-LIST OPTIONS] OUT.dat IN"));
        QVERIFY(result.out.contains("import [WORD-LIST OPTIONS] DICT.dat IN"));
    }

    void createExportAndCreateAgainGiveTheSameCards()
    {
        TempFolder folder;
        WriteBytes(folder.File("in.csv"), kAwkwardCsv);
        Result result = Tool({ "create", folder.File("a.dat"), folder.File("in.csv") });
        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.out.contains("3 cards"));
        QCOMPARE(
            DictionaryProbe::Column(folder.File("a.dat"), "header"), QStringList({ "look, see", "say \"hi\"", "ёж" }));
        QCOMPARE(
            DictionaryProbe::Column(folder.File("a.dat"), "example"), QStringList({ "Look!\nThere.", "<null>", "" }));
        QCOMPARE(
            DictionaryProbe::Column(folder.File("a.dat"), "transcription"), QStringList({ "lʊk", "<null>", "joʂ" }));
        QCOMPARE(DictionaryProbe::Column(folder.File("a.dat"), "translation"),
            QStringList({ "смотреть, видеть", "сказать «привет»", "hedgehog" }));

        const Result exported = Tool({ "export", folder.File("a.dat") });
        QCOMPARE(exported.exitCode, 0);
        QCOMPARE(Tool({ "export", folder.File("a.dat"), folder.File("out.csv") }).exitCode, 0);
        QCOMPARE(QString::fromUtf8(DictionaryProbe::Bytes(folder.File("out.csv"))), exported.out);
        QCOMPARE(Tool({ "create", folder.File("b.dat"), folder.File("out.csv") }).exitCode, 0);
        QCOMPARE(Tool({ "export", folder.File("b.dat") }).out, exported.out);
    }

    void exportKeepsProgressAndTsvWorksToo()
    {
        TempFolder folder;
        DictionaryBuilder()
            .Card("tab\there", "a")
            .Status("learned")
            .Marked()
            .Set(CardTable::ParaTrue, qint64(4))
            .Card("b", "c")
            .Status("ignore")
            .Set(CardTable::VspomnitTrue, std::monostate())
            .Write(folder.File("a.dat"));
        QCOMPARE(Tool({ "export", folder.File("a.dat"), folder.File("a.tsv") }).exitCode, 0);
        QVERIFY(DictionaryProbe::Bytes(folder.File("a.tsv")).startsWith("id\theader\t"));
        QCOMPARE(Tool({ "create", folder.File("b.dat"), folder.File("a.tsv") }).exitCode, 0);
        for (const char* column : { "id", "header", "status", "active_word", "para_true", "vspomnit_true" }) {
            QCOMPARE(DictionaryProbe::Column(folder.File("b.dat"), column),
                DictionaryProbe::Column(folder.File("a.dat"), column));
        }
    }

    void neverOverwritesWithoutForce()
    {
        TempFolder folder;
        WriteBytes(folder.File("in.csv"), "word,translation\na,b\n");
        WriteBytes(folder.File("other.csv"), "word,translation\nc,d\ne,f\n");
        QCOMPARE(Tool({ "create", folder.File("a.dat"), folder.File("in.csv") }).exitCode, 0);
        const QByteArray before = DictionaryProbe::Bytes(folder.File("a.dat"));
        const Result refused = Tool({ "create", folder.File("a.dat"), folder.File("other.csv") });
        QCOMPARE(refused.exitCode, 1);
        QVERIFY(refused.err.contains("--force"));
        QCOMPARE(DictionaryProbe::Bytes(folder.File("a.dat")), before);

        WriteBytes(folder.File("keep.csv"), "precious");
        QCOMPARE(Tool({ "export", folder.File("a.dat"), folder.File("keep.csv") }).exitCode, 1);
        QCOMPARE(DictionaryProbe::Bytes(folder.File("keep.csv")), QByteArray("precious"));

        QCOMPARE(Tool({ "create", "--force", folder.File("a.dat"), folder.File("other.csv") }).exitCode, 0);
        QCOMPARE(DictionaryProbe::Column(folder.File("a.dat"), "header"), QStringList({ "c", "e" }));
        QCOMPARE(Tool({ "export", "--force", folder.File("a.dat"), folder.File("keep.csv") }).exitCode, 0);
    }

    void badInputLeavesNoFileBehind_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("message");
        QTest::newRow("bad quoting") << QByteArray("word,translation\na,b\nc,\"d\"x\n") << "in.csv, line 3:";
        QTest::newRow("one column only") << QByteArray("word\na\n") << "in.csv: it has no two columns";
    }
    void badInputLeavesNoFileBehind()
    {
        QFETCH(QByteArray, csv);
        QFETCH(QString, message);
        TempFolder folder;
        WriteBytes(folder.File("in.csv"), csv);
        const Result result = Tool({ "create", folder.File("a.dat"), folder.File("in.csv") });
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.contains(message), qPrintable(result.err));
        QCOMPARE(folder.Entries(), QStringList({ "in.csv" }));

        // The same with --force over an existing dictionary: the old one stays as it was.
        DictionaryBuilder().Card("old").Write(folder.File("a.dat"));
        const QByteArray before = DictionaryProbe::Bytes(folder.File("a.dat"));
        QCOMPARE(Tool({ "create", "--force", folder.File("a.dat"), folder.File("in.csv") }).exitCode, 1);
        QCOMPARE(DictionaryProbe::Bytes(folder.File("a.dat")), before);
        QCOMPARE(folder.Entries(), QStringList({ "a.dat", "in.csv" }));
    }

    // Word lists of other formats: import adds to a dictionary, create makes one; a file that
    // cannot be imported changes nothing.
    void wordListsImportAndCreate()
    {
        TempFolder folder;
        const QString dictionary = DictionaryBuilder().Card("кошка", "cat").Write(folder.File("a.dat"));
        WriteBytes(folder.File("list.kvtml"),
            "<kvtml version=\"2.0\"><identifiers><identifier id=\"0\"><locale>en</locale></identifier>"
            "<identifier id=\"1\"><locale>ru</locale></identifier></identifiers><entries>"
            "<entry id=\"0\"><translation id=\"0\"><text>cat</text></translation>"
            "<translation id=\"1\"><text>кошка</text></translation></entry>"
            "<entry id=\"1\"><translation id=\"0\"><text>dog</text></translation>"
            "<translation id=\"1\"><text>собака</text></translation></entry>"
            "<entry id=\"2\"><translation id=\"0\"><text>owl</text></translation></entry></entries></kvtml>");
        Result result = Tool(
            { "import", "--word-language=ru", "--translation-language=en", dictionary, folder.File("list.kvtml") });
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.out,
            "Imported 1 cards into " + dictionary + "; 1 skipped as duplicates, 1 rejected.\n  entry 3: no word\n");
        QCOMPARE(DictionaryProbe::Column(dictionary, "header"), QStringList({ "кошка", "собака" }));

        WriteBytes(folder.File("notes.txt"), "#separator:Semicolon\n#html:true\nsun;<b>солнце</b>\n");
        result = Tool({ "create", "--language=en", folder.File("b.dat"), folder.File("notes.txt") });
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(DictionaryProbe::Column(folder.File("b.dat"), "translation"), QStringList({ "солнце" }));

        WriteBytes(folder.File("bad.csv"), QByteArray("\0\1\2", 3));
        const QByteArray before = DictionaryProbe::Bytes(dictionary);
        result = Tool({ "import", dictionary, folder.File("bad.csv") });
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.contains("it is not a text file"), qPrintable(result.err));
        QCOMPARE(DictionaryProbe::Bytes(dictionary), before);
    }

    void cardsWithoutIdAreNumberedAfterTheLargest()
    {
        TempFolder folder;
        WriteBytes(folder.File("in.csv"), "id,word,translation\n,a,b\n1,c,d\n,e,f\n5,g,h\n");
        QCOMPARE(Tool({ "create", folder.File("a.dat"), folder.File("in.csv") }).exitCode, 0);
        QCOMPARE(DictionaryProbe::Column(folder.File("a.dat"), "header"), QStringList({ "c", "g", "a", "e" }));
        QCOMPARE(DictionaryProbe::Column(folder.File("a.dat"), "id"), QStringList({ "1", "5", "6", "7" }));
    }

    void statsCountsCardsByStatus()
    {
        TempFolder folder;
        DictionaryBuilder()
            .Cards(3)
            .Card("l1")
            .Status("learning")
            .Card("l2")
            .Status("learned")
            .Card("l3")
            .Status("learned")
            .Card("i")
            .Status("ignore")
            .Card("n")
            .Set(CardTable::Status, std::monostate())
            .Write(folder.File("a.dat"));
        const Result result = Tool({ "stats", folder.File("a.dat") });
        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.out.contains("8 cards"));
        QVERIFY(result.out.contains("new: 4"));
        QVERIFY(result.out.contains("learning: 1"));
        QVERIFY(result.out.contains("learned: 2"));
        QVERIFY(result.out.contains("removed (ignore): 1"));
    }

    void checkTellsValidFromInvalid()
    {
        TempFolder folder;
        DictionaryBuilder().Cards(2).Write(folder.File("a.dat"));
        Result result = Tool({ "check", folder.File("a.dat") });
        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.out.contains("a valid dictionary with 2 cards"));

        WriteBytes(folder.File("b.dat"), "not a dictionary at all");
        result = Tool({ "check", folder.File("b.dat") });
        QCOMPARE(result.exitCode, 1);
        QVERIFY(result.out.contains("not a valid dictionary"));
        QCOMPARE(DictionaryProbe::Bytes(folder.File("b.dat")), QByteArray("not a dictionary at all"));

        result = Tool({ "stats", folder.File("missing.dat") });
        QCOMPARE(result.exitCode, 1);
        QVERIFY(result.err.contains("does not exist"));
        QVERIFY(!QFileInfo::exists(folder.File("missing.dat")));
    }

    void shippedDictionariesAreBuilt()
    {
        const QDir sources(qEnvironmentVariable("GLOSSMERE_SOURCE_DIR") + "/data/dictionaries");
        const QDir built(qEnvironmentVariable("GLOSSMERE_BIN_DIR") + "/Dicts");
        const QStringList csvFiles = sources.entryList({ "*.csv" }, QDir::Files);
        if (csvFiles.isEmpty()) {
            QSKIP("No dictionary sources in this checkout.");
        }
        for (const QString& csv : csvFiles) {
            const QString name = QFileInfo(csv).completeBaseName();
            QCOMPARE(DictionaryFile::Problem(built.filePath(name + ".dat")), QString());
            if (sources.exists(name + ".inf")) {
                QVERIFY(built.exists(name + ".inf"));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestDictionaryTool)
#include "tst_DictionaryTool.moc"
