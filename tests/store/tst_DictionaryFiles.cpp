#include "support/DictionaryBuilder.h"
#include "support/DictionaryProbe.h"
#include "support/FakeSeams.h"
#include "support/TempFolder.h"

#include "base/AppError.h"
#include "store/DictionaryCipher.h"
#include "store/DictionaryFile.h"
#include "store/DictionaryStore.h"
#include "store/SqliteConnection.h"

#include <QRandomGenerator>
#include <QtTest>
#include <sqlite3.h>

namespace {

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A database made with the engine but not as a dictionary: `key` empty for a plain file.
void MakeDatabase(const QString& path, const QByteArray& key, const char* sql)
{
    sqlite3* db = nullptr;
    QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
    if (!key.isEmpty()) {
        QCOMPARE(sqlite3_key(db, key.constData(), int(key.size())), SQLITE_OK);
    }
    QCOMPARE(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}

void MakeKeyed(const QString& path, const QByteArray& sql)
{
    SqliteConnection connection(path, SqliteConnection::Mode::CreateNew);
    DictionaryCipher::Apply(connection);
    connection.Execute(QString::fromUtf8(sql));
}

const char* kColumns16 = "id INTEGER PRIMARY KEY, header TEXT, transcription TEXT, translation TEXT, status TEXT, "
                         "part_of_speech TEXT, active_word INTEGER, associaciya_true INTEGER, mozaika_true INTEGER, "
                         "example TEXT, picture BLOB, vibor_perevoda_true INTEGER, comment TEXT, vspomnit_true "
                         "INTEGER, perevod_true INTEGER, para_true INTEGER";

} // namespace

class TestDictionaryFiles : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyConnectionWritesDurably()
    {
        // A killed process's writes stay in the page cache, so only this check sees a
        // weakened setting: an edit reported done must reach the disk, journal included.
        TempFolder folder;
        const QString path = DictionaryBuilder().Card("a").Write(folder.File("d.dat"));
        for (const auto& connection :
            { DictionaryFile::Open(path), DictionaryFile::CreateEmpty(folder.File("new.dat")) }) {
            QCOMPARE(connection->QueryText("PRAGMA synchronous"), QString("3")); // EXTRA
            QCOMPARE(connection->QueryText("PRAGMA journal_mode").toLower(), QString("delete"));
        }
    }

    void engineEncrypts()
    {
        QVERIFY(!DictionaryCipher::EngineVersion().isEmpty());
        DictionaryCipher::CheckEngine();
    }

    // Files that are not dictionaries: a clear error naming the file and the reason, nothing
    // written, no file created, and the dictionary open before stays open.
    void badFilesAreRefusedUntouched_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << "missing"
                                 << "does not exist";
        QTest::newRow("folder") << "folder"
                                << "folder";
        QTest::newRow("empty file") << "empty"
                                    << "empty";
        QTest::newRow("random bytes") << "random"
                                      << "not a database encrypted with the dictionary password";
        QTest::newRow("text file") << "text"
                                   << "not a database encrypted with the dictionary password";
        QTest::newRow("plain SQLite") << "plain"
                                      << "plain, unencrypted SQLite database";
        QTest::newRow("wrong password") << "wrongkey"
                                        << "not a database encrypted with the dictionary password";
        QTest::newRow("no table") << "notable"
                                  << "no card table";
        QTest::newRow("column missing") << "short"
                                        << "has 15 columns";
        QTest::newRow("columns out of order") << "swapped"
                                              << "column 3 of table \"tab\" is \"status\"";
        QTest::newRow("without row ids") << "norowid"
                                         << "WITHOUT ROWID";
        QTest::newRow("a view for the table") << "view"
                                              << "\"tab\" is a view";
        QTest::newRow("row ids hidden by a column") << "rowidcolumn"
                                                    << "column named \"rowid\"";
        QTest::newRow("truncated") << "truncated"
                                   << "";
    }
    void badFilesAreRefusedUntouched()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        TempFolder folder;
        const QString path = folder.File("bad.dat");
        if (kind == "folder") {
            QVERIFY(QDir().mkdir(path));
        } else if (kind == "empty") {
            WriteBytes(path, {});
        } else if (kind == "random") {
            QByteArray bytes(8192, '\0');
            QRandomGenerator rng(7);
            for (char& byte : bytes) {
                byte = char(rng.bounded(256));
            }
            WriteBytes(path, bytes);
        } else if (kind == "text") {
            WriteBytes(path, "[russian]\nInfo=not a dictionary\n");
        } else if (kind == "plain") {
            MakeDatabase(path, {}, "CREATE TABLE tab (id INTEGER PRIMARY KEY, header TEXT)");
        } else if (kind == "wrongkey") {
            MakeDatabase(path, "another password", "CREATE TABLE tab (id INTEGER PRIMARY KEY, header TEXT)");
        } else if (kind == "notable") {
            MakeKeyed(path, "CREATE TABLE cards (id INTEGER PRIMARY KEY)");
        } else if (kind == "short") {
            MakeKeyed(path, QByteArray("CREATE TABLE tab (").append(kColumns16).replace(", para_true INTEGER", ")"));
        } else if (kind == "swapped") {
            MakeKeyed(path,
                QByteArray("CREATE TABLE tab (")
                    .append(kColumns16)
                    .replace("translation TEXT, status TEXT", "status TEXT, translation TEXT")
                    .append(")"));
        } else if (kind == "norowid") {
            MakeKeyed(path, QByteArray("CREATE TABLE tab (").append(kColumns16).append(") WITHOUT ROWID"));
        } else if (kind == "view") {
            MakeKeyed(path,
                QByteArray("CREATE TABLE cards (")
                    .append(kColumns16)
                    .append("); CREATE VIEW tab AS SELECT *, rowid FROM cards"));
        } else if (kind == "rowidcolumn") {
            MakeKeyed(path, QByteArray("CREATE TABLE tab (").append(kColumns16).append(", rowid TEXT)"));
        } else if (kind == "truncated") {
            DictionaryBuilder builder;
            builder.Cards(3000);
            builder.Write(path);
            QByteArray bytes = DictionaryProbe::Bytes(path);
            bytes.truncate(bytes.size() / 2);
            WriteBytes(path, bytes);
        }
        const QByteArray before = DictionaryProbe::Bytes(path);
        const QStringList entries = folder.Entries();

        const QString good = DictionaryBuilder().Card("kept").Marked().Write(folder.File("good.dat"));
        CountingEventPump events;
        DictionaryStore store(events);
        QCOMPARE(store.OpenDictionary(good), 1);
        try {
            store.OpenDictionary(path);
            store.ReloadBrowserDataset();
            QFAIL("a bad file was opened");
        } catch (const AppError& error) {
            QVERIFY2(error.Message().contains(path), qPrintable(error.Message()));
            QVERIFY2(error.Message().contains(reason), qPrintable(error.Message()));
        }
        QCOMPARE(DictionaryProbe::Bytes(path), before);
        QCOMPARE(QFileInfo(path).isDir(), kind == "folder");
        QCOMPARE(QFileInfo::exists(path), kind != "missing");
        QVERIFY(QFileInfo::exists(good));
        QVERIFY(QFileInfo::exists(path + "-journal") == false);
        if (kind != "truncated") {
            QVERIFY(DictionaryFile::Problem(path).contains(reason));
            // The dictionary open before is still open and usable.
            QCOMPARE(store.Path(), QFileInfo(good).absoluteFilePath());
            store.Browser().MoveTo(1);
            QCOMPARE(store.Browser().Text("header"), QString("kept"));
        }
        QCOMPARE(folder.Entries().contains("bad.dat"), entries.contains("bad.dat"));
    }

    void emptyPathIsRefused()
    {
        CountingEventPump events;
        DictionaryStore store(events);
        QVERIFY_THROWS_EXCEPTION(AppError, store.OpenDictionary(QString()));
        QVERIFY(!store.IsOpen());
    }

    // Files that cannot be written open; the first edit fails with the reason, and the row
    // in memory stays as it is in the file.
    void unwritableDictionaryOpensAndEditsFailClearly_data()
    {
        QTest::addColumn<bool>("protectFolder");
        QTest::addColumn<QString>("reason");
        QTest::newRow("read-only file") << false << "read-only";
        QTest::newRow("folder closed to new files") << true << "journal file";
    }
    void unwritableDictionaryOpensAndEditsFailClearly()
    {
        QFETCH(bool, protectFolder);
        QFETCH(QString, reason);
        TempFolder outer;
        const QString folderPath = outer.File("dicts");
        QVERIFY(QDir().mkdir(folderPath));
        const QString path = DictionaryBuilder().Card("b").Status("learning").Card("a").Write(folderPath + "/d.dat");
        if (!outer.Protect(protectFolder ? folderPath : path)) {
            QSKIP("This system cannot write-protect files here.");
        }
        const QByteArray before = DictionaryProbe::Bytes(path);
        CountingEventPump events;
        DictionaryStore store(events);
        // No card is marked; the mark cannot be saved, but the dictionary opens on its first card.
        QCOMPARE(store.OpenDictionary(path), 1);
        QVERIFY(store.IsReadOnly());
        Dataset& cards = store.Browser();
        QCOMPARE(cards.Text("header"), QString("a"));
        QVERIFY(!cards.Flag("active_word"));
        cards.MoveTo(2);
        cards.Edit();
        cards.SetText("status", "learned");
        try {
            cards.Post();
            QFAIL("an edit was saved to a protected file");
        } catch (const AppError& error) {
            QVERIFY2(error.Message().contains(path), qPrintable(error.Message()));
            QVERIFY2(error.Message().contains(reason), qPrintable(error.Message()));
        }
        QCOMPARE(cards.Text("status"), QString("learning"));
        QVERIFY(!cards.IsEditing());
        QCOMPARE(DictionaryProbe::Bytes(path), before);
    }

    // Column names match without regard to letter case, as in the engine: a file the check
    // accepts opens, reads and saves by the card table's names.
    void columnNamesInOtherLetterCaseOpen()
    {
        TempFolder folder;
        const QString path = folder.File("upper.dat");
        const QByteArray columns = QByteArray(kColumns16)
                                       .replace("id INTEGER", "ID INTEGER")
                                       .replace("header", "Header")
                                       .replace("status", "STATUS")
                                       .replace("active_word", "Active_Word");
        MakeKeyed(path,
            "CREATE TABLE tab (" + columns
                + ");INSERT INTO tab (header, translation, active_word) VALUES ('b', 'x', 0), ('a', 'y', 0);");
        QCOMPARE(DictionaryFile::Problem(path), QString());
        CountingEventPump events;
        DictionaryStore store(events);
        QCOMPARE(store.OpenDictionary(path), 1);
        Dataset& cards = store.Browser();
        QCOMPARE(cards.Text("header"), QString("a"));
        store.ReloadBrowserDataset();
        QVERIFY(cards.Flag("active_word"));
        QCOMPARE(cards.Text("status"), QString("learning"));
    }

    // The engine keeps a file's texts in UTF-8 or UTF-16, as the file was made; the program
    // reads and orders both the same (texts of a UTF-16 file may lie at odd addresses).
    void textsOfAUtf16DictionaryRead()
    {
        TempFolder folder;
        const QString path = folder.File("utf16.dat");
        MakeKeyed(path,
            "PRAGMA encoding = 'UTF-16le'; CREATE TABLE tab (" + QByteArray(kColumns16)
                + "); INSERT INTO tab (header, translation, status, active_word) VALUES "
                  "('ёж', 'hedgehog', 'learning', 0), ('apple', 'яблоко', 'learning', 1), "
                  "('Banana', 'банан', 'learning', 0);");
        QCOMPARE(DictionaryFile::Problem(path), QString());
        CountingEventPump events;
        DictionaryStore store(events);
        QCOMPARE(store.OpenDictionary(path), 1);
        Dataset& cards = store.Browser();
        QCOMPARE(cards.Text("translation"), QString("яблоко"));
        cards.MoveTo(3);
        QCOMPARE(cards.Text("header"), QString("ёж"));
        store.OpenLearningBlock(10);
        QStringList block;
        for (int record = 1; record <= store.Learning().RecordCount(); ++record) {
            store.Learning().MoveTo(record);
            block << store.Learning().Text("header");
        }
        QCOMPARE(block, QStringList({ "apple", "Banana", "ёж" }));
        auto connection = DictionaryFile::Open(path);
        QCOMPARE(std::get<QString>(DictionaryFile::ReadCards(*connection).front()[CardTable::Header]), QString("ёж"));
    }

    // A file that refuses changes in a way its permissions do not show (here a trigger) still
    // opens on its first card, unmarked; the first edit says why it cannot be saved.
    void dictionaryRefusingEditsStillOpens()
    {
        TempFolder folder;
        const QString path = folder.File("refusing.dat");
        MakeKeyed(path,
            "CREATE TABLE tab (" + QByteArray(kColumns16)
                + "); INSERT INTO tab (header, translation, active_word) VALUES ('b', 'x', 0), ('a', 'y', 0);"
                  "CREATE TRIGGER no_edits BEFORE UPDATE ON tab BEGIN SELECT RAISE(ABORT, 'no edits here'); END;");
        const QByteArray before = DictionaryProbe::Bytes(path);
        CountingEventPump events;
        DictionaryStore store(events);
        QCOMPARE(store.OpenDictionary(path), 1);
        Dataset& cards = store.Browser();
        QCOMPARE(cards.Text("header"), QString("a"));
        QVERIFY(!cards.Flag("active_word"));
        cards.Edit();
        cards.SetText("status", "learned");
        try {
            cards.Post();
            QFAIL("an edit the file refuses was saved");
        } catch (const AppError& error) {
            QVERIFY2(error.Message().contains("no edits here"), qPrintable(error.Message()));
        }
        QCOMPARE(DictionaryProbe::Bytes(path), before);
    }

    // A dictionary made by the sqlcipher shell of this engine version, as documented.
    void fixtureOfThisEngineVersionOpens()
    {
        const QString source = qEnvironmentVariable("GLOSSMERE_SOURCE_DIR") + "/tests/fixtures/sqlcipher-3.4.1.dat";
        QVERIFY2(QFileInfo::exists(source), qPrintable(source));
        TempFolder folder;
        const QString path = folder.File("fixture.dat");
        QVERIFY(QFile::copy(source, path));
        QCOMPARE(DictionaryFile::Problem(path), QString());
        CountingEventPump events;
        DictionaryStore store(events);
        QCOMPARE(store.OpenDictionary(path), 3);
        Dataset& cards = store.Browser();
        QStringList headers;
        for (int record = 1; record <= cards.RecordCount(); ++record) {
            cards.MoveTo(record);
            headers << cards.Text("header");
        }
        QCOMPARE(headers, QStringList({ "apple", "Banana", "cherry", "ёж", "Яблоко" }));
        cards.MoveTo(3);
        QCOMPARE(cards.Text("transcription"), QString("ˈtʃɛri"));
        QCOMPARE(cards.IntegerAt(CardTable::ParaTrue), 2);
        cards.MoveTo(2);
        QVERIFY(cards.IsNull("transcription"));
        QCOMPARE(cards.Integer("vspomnit_true"), 0);
        QCOMPARE(DictionaryProbe::Query(path, "PRAGMA integrity_check"), QString("ok"));
    }
};

QTEST_GUILESS_MAIN(TestDictionaryFiles)
#include "tst_DictionaryFiles.moc"
