#include "base/IniDocument.h"
#include "base/IniFile.h"
#include "support/FileSizeLimit.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestIniFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void namesMatchWithoutCaseOrBlanks_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::newRow("exact") << "Schedule"
                               << "During day value";
        QTest::newRow("trailing blank") << "Schedule"
                                        << "During day value ";
        QTest::newRow("letter case") << "SCHEDULE"
                                     << "during DAY value";
        QTest::newRow("blanks around") << " Schedule "
                                       << "  During day value";
    }
    void namesMatchWithoutCaseOrBlanks()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        const auto document
            = IniDocument::Parse("[Main]\nDuring day value=1\n[ schedule ]\n during day value  = 45 \n");
        QCOMPARE(document.ReadString(section, key, "none"), QString("45"));
    }

    void keyWrittenWithTrailingBlankIsFoundWithout()
    {
        IniDocument document;
        document.Write("Schedule", "Daily value ", "07:30");
        QCOMPARE(document.ReadString("Schedule", "Daily value", ""), QString("07:30"));
        document.Write("Schedule", "Daily value", "08:00");
        QCOMPARE(document.ReadSection("Schedule"), QStringList { "Daily value=08:00" });
    }

    void integersAndFlags_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("integer");
        QTest::addColumn<bool>("flag");
        QTest::newRow("one") << "1" << 1 << true;
        QTest::newRow("two is not on") << "2" << 2 << false;
        QTest::newRow("negative") << "-3" << -3 << false;
        QTest::newRow("padded") << "  1  " << 1 << true;
        QTest::newRow("not a number") << "abc" << 77 << false;
        QTest::newRow("fraction") << "1.5" << 77 << false;
        QTest::newRow("trailing text") << "1x" << 77 << false;
        QTest::newRow("empty") << "" << 77 << false;
        QTest::newRow("too large") << "99999999999" << 77 << false;
    }
    void integersAndFlags()
    {
        QFETCH(QString, text);
        QFETCH(int, integer);
        QFETCH(bool, flag);
        const auto document = IniDocument::Parse(("[Main]\nValue=" + text + "\n").toUtf8());
        QCOMPARE(document.ReadInteger("Main", "Value", 77), integer);
        QCOMPARE(document.ReadFlag("Main", "Value", 1), flag);
    }

    void missingSectionOrKeyGivesDefault()
    {
        const auto document = IniDocument::Parse("[Main]\nA=1\n");
        QCOMPARE(document.ReadString("Other", "A", "d"), QString("d"));
        QCOMPARE(document.ReadString("Main", "B", "d"), QString("d"));
        QCOMPARE(document.ReadInteger("Main", "B", 8), 8);
        QVERIFY(document.ReadFlag("Main", "B", 1));
        QVERIFY(!document.ReadFlag("Main", "B", 0));
        QVERIFY(document.ReadSection("Other").isEmpty());
    }

    void sectionLinesInFileOrder()
    {
        const auto document = IniDocument::Parse("\xEF\xBB\xBF[Form1]\r\n; note\r\nLabel1=a=b\r\n\r\n"
                                                 "junk line\r\nmessage_x= leading blank\r\n[Form2]\r\nLabel1=c\r\n");
        QCOMPARE(document.ReadSection("form1"), (QStringList { "Label1=a=b", "message_x= leading blank" }));
        QCOMPARE(document.ReadString("Form1", "Label1", ""), QString("a=b"));
    }

    void rewriteKeepsEverythingElse()
    {
        const QByteArray original = "; settings\n[Main]\nFirst start=1\nunknown line\n\n[Notify]\nPara=0\n";
        IniDocument document = IniDocument::Parse(original);
        document.Write("main", "first START", "0");
        document.Write("Main", "Kol starts", "3");
        document.Write("Schedule", "Daily", "1");
        QCOMPARE(document.Serialize(),
            QByteArray("; settings\n[Main]\nFirst start=0\nunknown line\nKol starts=3\n\n[Notify]\nPara=0\n\n"
                       "[Schedule]\nDaily=1\n"));
    }

    void valueCannotAddLines()
    {
        IniDocument document;
        document.Write("Main", "Dict", "/tmp/a\n[Main]\nFirst start=1");
        QCOMPARE(document.ReadSection("Main").size(), 1);
        QVERIFY(!document.Value("Main", "First start").has_value());
    }

    void rewriteIsStable_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("line breaks of another system")
            << QByteArray("[Main]\r\nA=1\r\n") << QByteArray("[Main]\nA=1\n");
        QTest::newRow("several carriage returns")
            << QByteArray("[Main]\r\r\nA=1\r\r\r\n\r\r\n") << QByteArray("[Main]\nA=1\n\n");
        QTest::newRow("carriage return inside a line kept") << QByteArray("; a\rb\n") << QByteArray("; a\rb\n");
    }
    void rewriteIsStable()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, written);
        QCOMPARE(IniDocument::Parse(text).Serialize(), written);
        QCOMPARE(IniDocument::Parse(written).Serialize(), written);
    }

    // U+FEFF marks the byte order only at the very start of a file; elsewhere it is text, so
    // a line beginning with it keeps its name through a rewrite.
    void byteOrderMarkInsideTheFileIsText()
    {
        IniDocument document = IniDocument::Parse("[Main]\n\xEF\xBB\xBFKey=1\n");
        const QString key = QChar(0xFEFF) + QString("Key");
        QVERIFY(!document.Value("Main", "Key").has_value());
        QCOMPARE(document.ReadString("Main", key, ""), QString("1"));
        document.Write("Main", key, "2");
        QCOMPARE(IniDocument::Parse(document.Serialize()).ReadString("Main", key, ""), QString("2"));
    }

    void byteOrderMarkKept()
    {
        IniDocument document = IniDocument::Parse("\xEF\xBB\xBF[Main]\nA=1\n");
        document.Write("Main", "A", "2");
        QCOMPARE(document.Serialize(), QByteArray("\xEF\xBB\xBF[Main]\nA=2\n"));
    }

    void fileWritesCreateAndReplace()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("settings.ini");
        const IniFile file(path);
        QCOMPARE(file.ReadString("Main", "Language", "english"), QString("english"));
        QVERIFY(file.WriteString("Main", "Language", "russian"));
        QVERIFY(file.WriteInteger("Main", "Kol starts", 4));
        QCOMPARE(ReadAll(path), QByteArray("[Main]\nLanguage=russian\nKol starts=4\n"));
        QCOMPARE(file.ReadInteger("Main", "Kol starts", 0), 4);
        // Nothing but the file itself is left in the folder.
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList { "settings.ini" });
    }

    void writeThatCannotHappenChangesNothing()
    {
        QTemporaryDir folder;
        // The folder does not exist: nothing can be written and nothing is created.
        const IniFile missingFolder(folder.filePath("absent/settings.ini"));
        QVERIFY(!missingFolder.WriteString("Main", "A", "1"));
        QVERIFY(!QFile::exists(folder.filePath("absent")));

        // A file that exists but cannot be read is never rewritten from nothing.
        const QString path = folder.filePath("locked.ini");
        WriteAll(path, "[Main]\nKeep=me\n");
        QFile::setPermissions(path, QFileDevice::WriteOwner);
        if (QFile(path).open(QIODevice::ReadOnly)) {
            QSKIP("running with rights that read any file");
        }
        QVERIFY(!IniFile(path).WriteString("Main", "A", "1"));
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(ReadAll(path), QByteArray("[Main]\nKeep=me\n"));
    }

    void writeCutShortByAFullDiskChangesNothing()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("settings.ini");
        WriteAll(path, "[Main]\nA=1\n");
        bool written = true;
        {
            const FileSizeLimit fullDisk(16); // room for half of the new copy
            QVERIFY(fullDisk.Applied());
            written = IniFile(path).WriteString("Main", "B", "a value that does not fit");
        }
        QVERIFY(!written);
        QCOMPARE(ReadAll(path), QByteArray("[Main]\nA=1\n"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList { "settings.ini" });
    }

    void readOnlyFileIsNotReplaced()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("settings.ini");
        WriteAll(path, "[Main]\nA=1\n");
        QFile::setPermissions(path, QFileDevice::ReadOwner);
        QDir(folder.path()).mkdir("x");
        QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const bool written = IniFile(path).WriteString("Main", "A", "2");
        QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        if (written) {
            QSKIP("running with rights that write any folder");
        }
        QCOMPARE(ReadAll(path), QByteArray("[Main]\nA=1\n"));
    }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_IniFile.moc"
