#include "base/AppPaths.h"
#include "base/DictionaryFolder.h"
#include "base/SettingsStore.h"
#include "base/StartupSettings.h"
#include "support/FakeSeams.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    FakeClock m_clock;

    QString SettingsPath() const { return m_folder.filePath("settings.ini"); }

    AppSettings Load(const QByteArray& file)
    {
        WriteFile(SettingsPath(), file);
        SettingsStore store(SettingsPath(), m_clock);
        store.LoadSettings();
        return store.Settings();
    }

    StartupDecision Start(const QByteArray& file)
    {
        WriteFile(SettingsPath(), file);
        AppSettings settings;
        return StartupSettings::ReadStartupSettings(SettingsPath(), settings);
    }

    QString Stored(const QString& key) { return IniFile(SettingsPath()).ReadString("Main", key, "<missing>"); }

private Q_SLOTS:
    void emptyFileGivesEveryDefault()
    {
        m_clock.SetMonotonic(123456);
        const AppSettings s = Load("");
        QCOMPARE(s.CorrectAnswerThreshold, quint16(2));
        QCOMPARE(s.MaxBlockSize, quint16(8));
        QCOMPARE(s.PopupDelay, quint16(2));
        QCOMPARE(s.EnabledExerciseCount, quint16(4));
        for (ExerciseKind kind :
            { ExerciseKind::vibor_perevoda, ExerciseKind::para, ExerciseKind::vspomnit, ExerciseKind::perevod }) {
            QVERIFY(s.UseExercise[kind]);
        }
        QVERIFY(!s.UseExercise[ExerciseKind::associaciya]);
        QVERIFY(!s.UseExercise[ExerciseKind::mozaika]);
        QVERIFY(s.ReminderTimerOn);
        QVERIFY(s.DuringDayArmed);
        QVERIFY(s.DailyArmed);
        QCOMPARE(s.ScheduleValue, QString("12:00")); // the daily time, read last
        QCOMPARE(s.IntervalStartTick, qint64(123456));
        for (ExerciseKind kind : kAllExerciseKinds) {
            QVERIFY(s.NoticeShown[kind]);
        }
    }

    void valuesFromTheFile()
    {
        const AppSettings s = Load("[Main]\nKol correct answers=3\nMax block size learning words=abc\n"
                                   "Popup delay=0\nUse para=2\nUse vspomnit=0\nUse associaciya=1\n"
                                   "[Notify]\nPara=0\nVspomnit=1\nMozaika=5\n");
        QCOMPARE(s.CorrectAnswerThreshold, quint16(3));
        QCOMPARE(s.MaxBlockSize, quint16(8));
        QCOMPARE(s.PopupDelay, quint16(0));
        QVERIFY(!s.UseExercise[ExerciseKind::para]);
        QVERIFY(!s.UseExercise[ExerciseKind::vspomnit]);
        QVERIFY(!s.UseExercise[ExerciseKind::associaciya]);
        QCOMPARE(s.EnabledExerciseCount, quint16(2));
        QVERIFY(!s.NoticeShown[ExerciseKind::para]);
        QVERIFY(s.NoticeShown[ExerciseKind::vspomnit]);
        QVERIFY(!s.NoticeShown[ExerciseKind::mozaika]);
        QVERIFY(s.NoticeShown[ExerciseKind::perevod]);
    }

    void integersKeepTheirLow16Bits()
    {
        const AppSettings s = Load("[Main]\nKol correct answers=65537\nPopup delay=65535\n");
        QCOMPARE(s.CorrectAnswerThreshold, quint16(1));
        QCOMPARE(s.PopupDelay, quint16(65535));
    }

    // A hand-edited or damaged file must not break the drill: each value is held within what
    // the drill can run with, after the 16-bit reading, and the file itself is left alone.
    void valuesReadWithinTheirBounds_data()
    {
        QTest::addColumn<QByteArray>("main");
        QTest::addColumn<QByteArray>("minutes");
        QTest::addColumn<int>("threshold");
        QTest::addColumn<int>("blockSize");
        QTest::addColumn<int>("popupDelay");
        QTest::addColumn<QString>("interval");
        QTest::newRow("in range") << QByteArray(
            "Kol correct answers=1\nMax block size learning words=2\nPopup delay=0\n")
                                  << QByteArray("1") << 1 << 2 << 0 << "1";
        QTest::newRow("zeros") << QByteArray("Kol correct answers=0\nMax block size learning words=0\n")
                               << QByteArray("0") << 1 << 2 << 2 << "1";
        QTest::newRow("negatives") << QByteArray(
            "Kol correct answers=-3\nMax block size learning words=-1\nPopup delay=-5\n")
                                   << QByteArray("-30") << 1 << 2 << 2 << "1";
        QTest::newRow("above the block") << QByteArray("Max block size learning words=9\n") << QByteArray("120") << 2
                                         << 8 << 2 << "120";
        QTest::newRow("16 bits first") << QByteArray("Kol correct answers=65536\nMax block size learning words=65539\n")
                                       << QByteArray("45") << 1 << 3 << 2 << "45";
        QTest::newRow("not numbers") << QByteArray(
            "Kol correct answers=x\nMax block size learning words=\nPopup delay=1.5\n")
                                     << QByteArray("often") << 2 << 8 << 2 << "often";
    }
    void valuesReadWithinTheirBounds()
    {
        QFETCH(QByteArray, main);
        QFETCH(QByteArray, minutes);
        QFETCH(int, threshold);
        QFETCH(int, blockSize);
        QFETCH(int, popupDelay);
        QFETCH(QString, interval);
        const QByteArray file = "[Main]\n" + main + "[Schedule]\nDaily=0\nDuring day value=" + minutes + "\n";
        const AppSettings s = Load(file);
        QCOMPARE(s.CorrectAnswerThreshold, quint16(threshold));
        QCOMPARE(s.MaxBlockSize, quint16(blockSize));
        QCOMPARE(s.PopupDelay, quint16(popupDelay));
        QCOMPARE(s.ScheduleValue, interval);
        QCOMPARE(ReadFile(SettingsPath()), file);
    }

    void scheduleSwitchedOff()
    {
        const AppSettings s = Load("[Schedule]\nUse schedule=0\nDuring day=1\nDaily=1\n");
        QVERIFY(!s.ReminderTimerOn);
        QVERIFY(!s.DuringDayArmed);
        QVERIFY(!s.DailyArmed);
    }

    void bothModesShareOneValue()
    {
        const AppSettings s = Load("[Schedule]\nUse schedule=1\nDuring day=1\nDuring day value =45\nDaily=1\n"
                                   "daily value=07:30\n");
        QVERIFY(s.DuringDayArmed && s.DailyArmed);
        QCOMPARE(s.ScheduleValue, QString("07:30"));
        QCOMPARE(Load("[Schedule]\nDuring day value=45\nDaily=0\n").ScheduleValue, QString("45"));
    }

    void noticeShownIsWrittenAtOnce()
    {
        WriteFile(SettingsPath(), "[Notify]\nPara=0\n");
        SettingsStore store(SettingsPath(), m_clock);
        store.LoadSettings();
        store.MarkNoticeShown(ExerciseKind::para);
        QVERIFY(store.Settings().NoticeShown[ExerciseKind::para]);
        QCOMPARE(ReadFile(SettingsPath()), QByteArray("[Notify]\nPara=1\n"));
    }

    // Start-up.

    void firstStartWritesRussian_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("storedLanguage");
        QTest::addColumn<QString>("storedFirstStart");
        QTest::newRow("first start over english")
            << QByteArray("[Main]\nFirst start=1\nLanguage=english\n") << "russian"
            << "russian"
            << "0";
        QTest::newRow("two is a later start") << QByteArray("[Main]\nFirst start=2\nLanguage=english\n") << "english"
                                              << "english"
                                              << "2";
        QTest::newRow("1 and more is a later start") << QByteArray("[Main]\nFirst start=1a\n") << "english"
                                                     << "<missing>"
                                                     << "1a";
        QTest::newRow("language empty") << QByteArray("[Main]\nLanguage=\n") << "english"
                                        << "english"
                                        << "<missing>";
        QTest::newRow("language missing") << QByteArray("") << "english"
                                          << "<missing>"
                                          << "<missing>";
        QTest::newRow("other language kept") << QByteArray("[Main]\nLanguage=klingon\n") << "klingon"
                                             << "klingon"
                                             << "<missing>";
    }
    void firstStartWritesRussian()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, language);
        QFETCH(QString, storedLanguage);
        QFETCH(QString, storedFirstStart);
        QCOMPARE(Start(file).LanguageName, language);
        QCOMPARE(Stored("Language"), storedLanguage);
        QCOMPARE(Stored("First start"), storedFirstStart);
    }

    void associationAndMosaicSwitchedOffOnEveryStart()
    {
        WriteFile(SettingsPath(), "[Main]\nUse associaciya=1\nUse mozaika=1\n");
        AppSettings settings;
        settings.UseExercise[ExerciseKind::associaciya] = true;
        settings.UseExercise[ExerciseKind::mozaika] = true;
        StartupSettings::ReadStartupSettings(SettingsPath(), settings);
        QCOMPARE(Stored("Use associaciya"), QString("0"));
        QCOMPARE(Stored("Use mozaika"), QString("0"));
        QVERIFY(!settings.UseExercise[ExerciseKind::associaciya]);
        QVERIFY(!settings.UseExercise[ExerciseKind::mozaika]);
    }

    void startCountAndSubscriptionPrompt_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("due");
        QTest::newRow("missing") << QByteArray("") << "1" << false;
        QTest::newRow("four") << QByteArray("[Main]\nKol starts=4\n") << "5" << true;
        QTest::newRow("five") << QByteArray("[Main]\nKol starts=5\n") << "6" << false;
        QTest::newRow("not a number") << QByteArray("[Main]\nKol starts=many\n") << "1" << false;
        QTest::newRow("largest") << QByteArray("[Main]\nKol starts=2147483647\n") << "2147483648" << false;
    }
    void startCountAndSubscriptionPrompt()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, stored);
        QFETCH(bool, due);
        QCOMPARE(Start(file).SubscriptionPromptDue, due);
        QCOMPARE(Stored("Kol starts"), stored);
    }

    void freshAccountGetsTheTemplate()
    {
        QTemporaryDir root;
        QDir(root.path()).mkpath("bin/Language");
        WriteFile(root.filePath("bin/settings.ini"), "[Main]\nFirst start=1\n");
        // A fresh account may not even have the configuration folder.
        const AppPaths paths = AppPaths::Resolve(
            root.filePath("bin"), root.filePath("home/.config"), root.filePath("home/.local/share"));
        QCOMPARE(paths.ExeFolder, root.filePath("bin") + "/");
        QCOMPARE(paths.SettingsPath, root.filePath("home/.config/Glossmere/settings.ini"));
        StartupSettings::PrepareSettingsFile(paths);
        QCOMPARE(ReadFile(paths.SettingsPath), QByteArray("[Main]\nFirst start=1\n"));

        // An existing file is never overwritten, whatever either file holds.
        WriteFile(paths.SettingsPath, "[Main]\nLanguage=english\n");
        StartupSettings::PrepareSettingsFile(paths);
        QCOMPARE(ReadFile(paths.SettingsPath), QByteArray("[Main]\nLanguage=english\n"));
    }

    void freshAccountWithoutTemplate()
    {
        QTemporaryDir root;
        const AppPaths paths = AppPaths::Resolve(root.filePath("bin"), root.filePath("cfg"), root.filePath("data"));
        StartupSettings::PrepareSettingsFile(paths);
        QVERIFY(!QFile::exists(paths.SettingsPath));
        AppSettings settings;
        const StartupDecision decision = StartupSettings::ReadStartupSettings(paths.SettingsPath, settings);
        QCOMPARE(decision.LanguageName, QString("english"));
        QCOMPARE(IniFile(paths.SettingsPath).ReadString("Main", "Kol starts", ""), QString("1"));
    }

    void installedProgramCopiesTheShippedDictionaries()
    {
        QTemporaryDir root;
        QDir(root.path()).mkpath("usr/bin");
        QDir(root.path()).mkpath("usr/share/glossmere/Dicts");
        WriteFile(root.filePath("usr/share/glossmere/Dicts/english.dat"), "shipped");
        WriteFile(root.filePath("usr/share/glossmere/Dicts/english.inf"), "[english]\nInfo=x\n");
        WriteFile(root.filePath("usr/share/glossmere/Dicts/notes.txt"), "not a dictionary");
        const AppPaths paths = AppPaths::Resolve(root.filePath("usr/bin"), root.filePath("cfg"), root.filePath("home"));
        QVERIFY(paths.Installed);
        QDir().mkpath(paths.UserDictsFolder);
        WriteFile(paths.UserDictsFolder + "/english.inf", "mine");

        QCOMPARE(PrepareDictionaryFolder(paths), root.filePath("home/Glossmere/Dicts"));
        QCOMPARE(ReadFile(paths.UserDictsFolder + "/english.dat"), QByteArray("shipped"));
        QCOMPARE(ReadFile(paths.UserDictsFolder + "/english.inf"), QByteArray("mine")); // never overwritten
        QVERIFY(!QFile::exists(paths.UserDictsFolder + "/notes.txt"));

        // Run from the build tree, the program offers the user's copies too: the shipped
        // files there are replaced by the next build.
        QDir(root.path()).mkpath("build/bin/Language");
        QDir(root.path()).mkpath("build/bin/Dicts");
        WriteFile(root.filePath("build/bin/Dicts/spanish.dat"), "built");
        const AppPaths build
            = AppPaths::Resolve(root.filePath("build/bin"), root.filePath("cfg"), root.filePath("home"));
        QVERIFY(!build.Installed);
        QCOMPARE(PrepareDictionaryFolder(build), root.filePath("home/Glossmere/Dicts"));
        QCOMPARE(ReadFile(build.UserDictsFolder + "/spanish.dat"), QByteArray("built"));
    }

    void installedProgramFindsItsDataFolder()
    {
        QTemporaryDir root;
        QDir(root.path()).mkpath("usr/bin");
        const AppPaths paths = AppPaths::Resolve(root.filePath("usr/bin"), "/c", "/d");
        QCOMPARE(paths.ExeFolder, root.filePath("usr/share/glossmere/"));
        QCOMPARE(paths.UserDictsFolder, QString("/d/Glossmere/Dicts"));
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_Settings.moc"
