#include "app/GlossmereApp.h"
#include "app/MainWindow.h"
#include "base/IniDocument.h"
#include "support/DictionaryProbe.h"
#include "support/TempFolder.h"
#include "support/TestProgram.h"
#include "ui/GradientPanel.h"

#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QRandomGenerator>
#include <QToolButton>
#include <QtTest>
#include <grp.h>
#include <sqlite3.h>
#include <unistd.h>

// Bad files given to the whole program, as a user or a damaged disk would: each gives an
// error box naming the file and saying what is wrong with it (or the program falls back to
// its defaults), the program goes on (its main window is there, and another dictionary
// then opens and pages), and the bad file is left exactly as it was.

namespace {

QByteArray RandomBytes(int size, quint32 seed)
{
    QByteArray bytes(size, '\0');
    QRandomGenerator random(seed);
    for (char& byte : bytes) {
        byte = char(random.bounded(256));
    }
    return bytes;
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A database made by the engine without the dictionary password, with a card table.
void MakePlainDatabase(const QString& path)
{
    sqlite3* db = nullptr;
    QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
    const char* sql = "CREATE TABLE tab (id INTEGER PRIMARY KEY, header TEXT, transcription TEXT, translation TEXT, "
                      "status TEXT, part_of_speech TEXT, active_word INTEGER, associaciya_true INTEGER, "
                      "mozaika_true INTEGER, example TEXT, picture BLOB, vibor_perevoda_true INTEGER, comment TEXT, "
                      "vspomnit_true INTEGER, perevod_true INTEGER, para_true INTEGER);"
                      "INSERT INTO tab (header, translation, active_word) VALUES ('apple', 'яблоко', 1);";
    const int code = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    sqlite3_close(db);
    QCOMPARE(code, SQLITE_OK);
}

// Makes the bad dictionary of a kind; returns what the error box must say about it.
QString MakeBadDictionary(TestProgram& program, const QString& kind, const QString& path)
{
    if (kind == "truncated") {
        // A real dictionary, cut in half as an interrupted copy would leave it.
        const QString whole = program.MakeDictionary("whole.dat", QString(".").repeated(1500));
        QByteArray bytes = DictionaryProbe::Bytes(whole);
        bytes.truncate(bytes.size() / 2);
        WriteBytes(path, bytes);
        return QStringLiteral("damaged");
    }
    if (kind == "random") {
        WriteBytes(path, RandomBytes(64 * 1024, 11));
        return QStringLiteral("not a database encrypted with the dictionary password");
    }
    if (kind == "plain") {
        MakePlainDatabase(path);
        return QStringLiteral("plain, unencrypted SQLite database");
    }
    if (kind == "folder") {
        QDir().mkpath(path);
        return QStringLiteral("it is a folder");
    }
    return QStringLiteral("the file does not exist");
}

void AddBadDictionaryRows()
{
    QTest::addColumn<QString>("kind");
    for (const char* kind : { "truncated", "random", "plain", "folder", "missing" }) {
        QTest::newRow(kind) << QString::fromLatin1(kind);
    }
}

QString Position(MainWindow* main)
{
    return main->findChild<QLabel*>("StatusPanel0")->text();
}

// The next-card button of the toolbar, which runs the step through the window's guard.
void ClickNext(MainWindow* main)
{
    main->findChild<QToolButton*>("LMDSpeedButton2")->click();
}

QString Word(MainWindow* main)
{
    return main->findChild<QLabel*>("Label_word")->text();
}

// The program goes on: another dictionary opens from the File menu and pages.
void OpenAnotherAndPage(TestProgram& program, MainWindow* main)
{
    const QString good = program.MakeDictionary("good.dat", "L*..");
    program.prompts.ExpectOpenFile(good);
    main->OpenDictionaryCommand();
    VERIFY_PROMPTS(program.prompts);
    QCOMPARE(Position(main), QString("1/3"));
    ClickNext(main);
    QCOMPARE(Position(main), QString("2/3"));
    QCOMPARE(Word(main), QString("w02"));
    QCOMPARE(program.DictionaryPattern(good), QString("LL*."));
}

// The text of the one error box shown names the file and says why.
void CheckError(const TestProgram& program, const QString& path, const QString& reason)
{
    QStringList errors;
    for (const ScriptedPrompts::Shown& shown : program.prompts.ShownPrompts()) {
        if (shown.kind == ScriptedPrompts::Kind::Error) {
            errors << shown.text;
        }
    }
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors.first().contains(path), qPrintable(errors.first()));
    QVERIFY2(errors.first().contains(reason), qPrintable(errors.first()));
}

// The bad file lies alone in a folder of its own, to see that nothing is made beside it.
QString BadPath(const TestProgram& program)
{
    QDir().mkpath(program.root.filePath("bad"));
    return program.root.filePath("bad/bad.dat");
}

QStringList Beside(const QString& path)
{
    return QFileInfo(path).dir().entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// Runs one test function of this executable again as the unprivileged user "nobody" and
// checks that it passed there; false when this process cannot change its user.
bool RunAsOrdinaryUser(const QString& function)
{
    constexpr int kCannotChange = 77;
    QProcess child;
    child.setProgram(QCoreApplication::applicationFilePath());
    child.setArguments({ function });
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.setChildProcessModifier([] {
        const gid_t nobody = 65534;
        if (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0) {
            ::_exit(kCannotChange);
        }
    });
    child.start();
    if (!child.waitForFinished(60000)) {
        QTest::qFail("the test run as an ordinary user did not finish", __FILE__, __LINE__);
        return true;
    }
    const QByteArray output = child.readAll();
    if (child.exitStatus() == QProcess::NormalExit && child.exitCode() == kCannotChange) {
        return false;
    }
    const QByteArray passed = "PASS   : TestBadInput::" + function.toUtf8() + "()";
    if (child.exitCode() != 0 || !output.contains(passed)) {
        QTest::qFail(qPrintable("as an ordinary user:\n" + output), __FILE__, __LINE__);
    }
    return true;
}

} // namespace

class TestBadInput : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void badDictionaryRememberedFromLastTime_data() { AddBadDictionaryRows(); }
    void badDictionaryRememberedFromLastTime()
    {
        QFETCH(QString, kind);
        TestProgram program;
        const QString path = BadPath(program);
        const QString reason = MakeBadDictionary(program, kind, path);
        const QByteArray before = DictionaryProbe::Bytes(path);
        const QStringList files = Beside(path);
        program.WriteSettings("[Main]\nLanguage=english\nDict=" + path.toUtf8() + "\n");
        program.prompts.ExpectError();
        GlossmereApp app(program.paths, program.services, program.tray);
        app.Start();
        VERIFY_PROMPTS(program.prompts);
        CheckError(program, path, reason);

        MainWindow* main = app.Main();
        QVERIFY(main != nullptr);
        QVERIFY(Word(main).isEmpty());
        // Paging without a dictionary does nothing and asks nothing.
        ClickNext(main);
        VERIFY_PROMPTS(program.prompts);
        OpenAnotherAndPage(program, main);

        QCOMPARE(DictionaryProbe::Bytes(path), before);
        QCOMPARE(QFileInfo::exists(path), kind != "missing");
        QCOMPARE(Beside(path), files);
    }

    void badDictionaryChosenWhileAnotherIsOpen_data() { AddBadDictionaryRows(); }
    void badDictionaryChosenWhileAnotherIsOpen()
    {
        QFETCH(QString, kind);
        TestProgram program;
        const QString path = BadPath(program);
        const QString reason = MakeBadDictionary(program, kind, path);
        const QByteArray before = DictionaryProbe::Bytes(path);
        const QStringList files = Beside(path);
        const QString current = program.MakeDictionary("current.dat", "L*...");
        program.WriteSettings("[Main]\nLanguage=english\nDict=" + current.toUtf8() + "\n");
        GlossmereApp app(program.paths, program.services, program.tray);
        app.Start();
        MainWindow* main = app.Main();
        ClickNext(main);
        QCOMPARE(Position(main), QString("2/4"));

        program.prompts.ExpectOpenFile(path).ExpectError();
        main->OpenDictionaryCommand();
        VERIFY_PROMPTS(program.prompts);
        CheckError(program, path, reason);
        // The dictionary open before stays open, on its card, and pages on.
        QCOMPARE(main->DictionaryPath(), current);
        QCOMPARE(program.Setting("Main", "Dict"), current);
        QCOMPARE(Position(main), QString("2/4"));
        QCOMPARE(Word(main), QString("w02"));
        ClickNext(main);
        QCOMPARE(Position(main), QString("3/4"));
        QCOMPARE(program.DictionaryPattern(current), QString("LLL*."));
        QCOMPARE(DictionaryProbe::Bytes(path), before);
        QCOMPARE(Beside(path), files);
    }

    // A dictionary the program may not write opens, shows its cards, and every edit fails
    // with the reason. Root (as in CI) ignores mode bits, so there the test runs itself
    // again as the unprivileged user "nobody", for whom mode 0444 is real; where that cannot
    // be done either, the file is made immutable instead, and failing that the test skips.
    void readOnlyDictionary()
    {
        if (::geteuid() == 0 && RunAsOrdinaryUser(QStringLiteral("readOnlyDictionary"))) {
            return;
        }
        TestProgram program;
        TempFolder folder;
        const QString path = folder.File("read-only.dat");
        QVERIFY(QFile::copy(program.MakeDictionary("source.dat", "L*.."), path));
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
        if (!folder.Protect(path)) {
            QSKIP("This system cannot make a file read-only for this test: it runs as root, cannot become an "
                  "ordinary user, and the immutable attribute was refused.");
        }
        const QByteArray before = DictionaryProbe::Bytes(path);
        program.WriteSettings("[Main]\nLanguage=english\nDict=" + path.toUtf8() + "\n");
        GlossmereApp app(program.paths, program.services, program.tray);
        app.Start();
        VERIFY_PROMPTS(program.prompts);
        MainWindow* main = app.Main();
        QCOMPARE(Position(main), QString("1/3"));
        QCOMPARE(Word(main), QString("w01"));

        program.prompts.ExpectError();
        ClickNext(main);
        VERIFY_PROMPTS(program.prompts);
        CheckError(program, path, "read-only");
        // The step did not happen: the browser stays where the file says it is.
        QCOMPARE(Position(main), QString("1/3"));
        // The commands on the whole dictionary fail the same way, and take nothing down.
        QMenu* service = main->menuBar()->actions()[1]->menu();
        program.prompts.ExpectConfirm(true).ExpectError();
        service->actions()[4]->trigger(); // reset the learning statistics
        program.prompts.ExpectError();
        service->actions()[5]->trigger(); // return the removed cards
        VERIFY_PROMPTS(program.prompts);
        // Each error says, in the program's words, which command failed on which file and why.
        const QList<ScriptedPrompts::Shown> shown = program.prompts.ShownPrompts();
        QCOMPARE(shown.size(), 4);
        for (const auto& [index, command] : { std::pair { 2, "Cannot reset the learning statistics of " + path },
                 std::pair { 3, "Cannot return the removed cards to learning in " + path } }) {
            QVERIFY2(shown[index].text.startsWith(command), qPrintable(shown[index].text));
            QVERIFY2(shown[index].text.contains("read-only"), qPrintable(shown[index].text));
        }
        QVERIFY(main->BusyPanel()->isHidden());
        QCOMPARE(Position(main), QString("1/3"));
        QCOMPARE(DictionaryProbe::Bytes(path), before);
        QCOMPARE(folder.Entries(), QStringList { "read-only.dat" });
        OpenAnotherAndPage(program, main);
    }

    // Settings files the program did not write. It starts with its defaults where the file
    // says nothing it understands (asking for a dictionary when none is named), reports a
    // dictionary path it cannot open, and its own writes keep every other line of the file
    // as it was, byte for byte: the file is the user's as well.
    void settingsFileItCannotUnderstand_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QString>("starts"); // the start count the program then writes
        QByteArray garbage = RandomBytes(8192, 5);
        // Make sure of the awkward bytes: a zero, a carriage return, a lone UTF-8 lead byte.
        garbage.insert(100, QByteArray("\0\r\xC3\n\xFF[Main\n", 9));
        QTest::newRow("binary garbage") << garbage << "1";
        // "; Мои настройки" as an older editor on another system saved it, in its 8-bit code page.
        QTest::newRow("comment in an 8-bit code page")
            << QByteArray("; \xCC\xEE\xE8 \xED\xE0\xF1\xF2\xF0\xEE\xE9\xEA\xE8\r\n[Main]\r\nLanguage=english\r\n")
            << "1";
        const QByteArray megabyte(1024 * 1024, 'x');
        QTest::newRow("1 MB unknown line") << "[Main]\nLanguage=english\n" + megabyte + "\nKol starts=7\n"
                                           << "8";
        QTest::newRow("1 MB values") << "[Main]\nLanguage=" + megabyte + "\nKol starts=" + megabyte + "\n"
                                     << "1";
        QTest::newRow("1 MB dictionary path") << "[Main]\nLanguage=english\nDict=/" + megabyte + ".dat\n"
                                              << "1";
    }
    void settingsFileItCannotUnderstand()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QString, starts);
        TestProgram program;
        program.WriteSettings(settings);
        const QString named = IniDocument::Parse(settings).ReadString("Main", "Dict", QString());
        const QString dictionary = program.MakeDictionary("cards.dat", "L*..");
        if (named.isEmpty()) {
            program.prompts.ExpectOpenFile(dictionary);
        } else {
            program.prompts.ExpectError();
        }
        GlossmereApp app(program.paths, program.services, program.tray);
        app.Start();
        VERIFY_PROMPTS(program.prompts);
        MainWindow* main = app.Main();
        QString opened = dictionary;
        if (named.isEmpty()) {
            QCOMPARE(Position(main), QString("1/3"));
            ClickNext(main);
            QCOMPARE(Word(main), QString("w02"));
        } else {
            CheckError(program, named, "does not exist");
            OpenAnotherAndPage(program, main);
            opened = main->DictionaryPath();
        }

        // The program's keys are there, readable, with the values it wrote.
        const QByteArray after = DictionaryProbe::Bytes(program.paths.SettingsPath);
        const IniDocument document = IniDocument::Parse(after);
        QCOMPARE(document.ReadString("Main", "Dict", QString()), opened);
        QCOMPARE(document.ReadString("Main", "Use associaciya", QString()), QString("0"));
        QCOMPARE(document.ReadString("Main", "Kol starts", QString()), starts);
        // Every other line is still there, in order (line ends aside).
        const QList<QByteArray> lines = after.split('\n');
        qsizetype found = 0;
        for (QByteArray line : settings.split('\n')) {
            while (line.endsWith('\r')) {
                line.chop(1); // line ends are the program's to write
            }
            if (line.startsWith("Kol starts=") || line.startsWith("Dict=") || line.isEmpty()) {
                continue; // the program's own keys, rewritten
            }
            while (found < lines.size() && lines[found] != line) {
                ++found;
            }
            QVERIFY2(found < lines.size(), qPrintable("a line was lost or changed: " + line.left(60).toHex()));
        }
    }

    // A language file of garbage: random bytes, or nonsense entries in every window's
    // section (menu places that do not exist, keys without values, controls no window has,
    // 100 KB texts). The windows keep their built-in texts where nothing applies, and the
    // program works.
    void languageFileOfGarbage_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("random bytes") << RandomBytes(16 * 1024, 23);
        QByteArray nonsense;
        const QByteArray longText(100 * 1024, 'x');
        for (const char* section : { "Form1", "Form2", "Form3", "Form4", "Form5", "Form7", "Form15" }) {
            nonsense += QByteArray("[") + section + "]\n"
                + "MainMenu1[99]=far\nMainMenu1[0][99]=far\nMainMenu1[-1][0]=negative\nMainMenu1[][]=empty\n"
                  "MainMenu1[0=open\n]][[=brackets\nMainMenu1[99999999999999999999][1]=huge\nLMDSpeedButton1\n"
                  "=no key\nmessage_=\nmessage_delete\nLabel99=no such label\nXPCheckBox1\x01=\x01\nForm1=\n"
                + "XPPanel1=" + longText + "\nLabel1=" + longText + "\nmessage_mode1=" + longText + "\n";
        }
        QTest::newRow("nonsense entries") << nonsense;
    }
    void languageFileOfGarbage()
    {
        QFETCH(QByteArray, text);
        TestProgram program;
        const QString language = program.paths.ExeFolder + "Language/eng.lng";
        WriteBytes(language, text);
        const QString dictionary = program.MakeDictionary("cards.dat", "L*..");
        program.WriteSettings("[Main]\nLanguage=english\nDict=" + dictionary.toUtf8() + "\n");
        GlossmereApp app(program.paths, program.services, program.tray);
        app.Start();
        VERIFY_PROMPTS(program.prompts);
        MainWindow* main = app.Main();
        QCOMPARE(main->menuBar()->actions().first()->text(), QString("Файл"));
        QCOMPARE(Position(main), QString("1/3"));
        ClickNext(main);
        QCOMPARE(Word(main), QString("w02"));
        OpenAnotherAndPage(program, main);
        QCOMPARE(DictionaryProbe::Bytes(language), text);
    }
};

QTEST_MAIN(TestBadInput)
#include "tst_BadInput.moc"
