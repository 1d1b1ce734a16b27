#include "app/GlossmereApp.h"
#include "app/MainWindow.h"
#include "support/TestProgram.h"
#include "windows/SplashWindow.h"

#include <QDialog>
#include <QLabel>
#include <QMenuBar>
#include <QtTest>

namespace {

QString Position(MainWindow* main)
{
    return main->findChild<QLabel*>("StatusPanel0")->text();
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void firstStartChoosesAShippedDictionary()
    {
        TestProgram program;
        const QString shipped = program.MakeDictionary("english.dat", "...");
        // The dialog offers the user's own copy of the shipped dictionary.
        const QString dictionary = program.paths.UserDictsFolder + "/english.dat";
        program.prompts.ExpectOpenFile(dictionary);
        GlossmereApp app(program.paths, program.services, program.tray);
        app.Start();
        VERIFY_PROMPTS(program.prompts);

        // The template made the settings file; the first start runs in Russian.
        QCOMPARE(app.LanguageName(), QString("russian"));
        QCOMPARE(program.Setting("Main", "First start"), QString("0"));
        QCOMPARE(program.Setting("Main", "Language"), QString("russian"));
        QCOMPARE(program.Setting("Main", "Kol starts"), QString("1"));
        QCOMPARE(program.Setting("Main", "Dict"), dictionary);

        const auto dialog = program.prompts.Prompt(0);
        QCOMPARE(dialog.text, app.Texts().LookupMessage("form1_message_select_dictionary"));
        QVERIFY(!dialog.text.isEmpty());
        QCOMPARE(dialog.folder, program.paths.UserDictsFolder);

        MainWindow* main = app.Main();
        QCOMPARE(main->objectName(), QString("Form1"));
        QCOMPARE(main->windowTitle(), "[english.dat]" + app.Texts().LookupMessage("form1_message_mode1"));
        QCOMPARE(Position(main), QString("1/3"));
        QCOMPARE(main->findChild<QLabel*>("Label_word")->text(), QString("w01"));
        QCOMPARE(program.DictionaryPattern(dictionary), QString("L*.."));
        // Every window is localized: the main menu speaks Russian from the language file.
        QCOMPARE(main->menuBar()->actions().first()->text(), QString("Файл"));
        QVERIFY(!app.SubscriptionPromptShown());
        QVERIFY(app.Splash()->isHidden());
    }

    void noDictionaryChosen()
    {
        TestProgram program;
        // OK on the error reopens the dialog; closing the error box stops asking.
        program.prompts.ExpectOpenFile("").ExpectError(true).ExpectOpenFile("").ExpectError(false).ExpectError();
        GlossmereApp app(program.paths, program.services, program.tray);
        app.Start();
        VERIFY_PROMPTS(program.prompts);
        QCOMPARE(program.prompts.Prompt(1).text, app.Texts().LookupMessage("form1_message_dict_notselect"));
        QCOMPARE(program.Setting("Main", "Dict"), QString("<missing>"));
        MainWindow* main = app.Main();
        QVERIFY(main->findChild<QLabel*>("Label_word")->text().isEmpty());

        // Without a dictionary, paging and maintenance do nothing and ask nothing.
        main->Browser().NextStep();
        main->Browser().RemoveFromLearning();
        VERIFY_PROMPTS(program.prompts);
    }

    void rememberedDictionaryThatIsGone()
    {
        TestProgram program;
        program.WriteSettings("[Main]\nLanguage=english\nDict=" + program.root.filePath("gone.dat").toUtf8() + "\n");
        program.prompts.ExpectError();
        GlossmereApp app(program.paths, program.services, program.tray);
        app.Start();
        VERIFY_PROMPTS(program.prompts);
        QVERIFY(program.prompts.LastText().contains("gone.dat"));
        QCOMPARE(app.LanguageName(), QString("english"));
        QCOMPARE(app.Main()->menuBar()->actions().first()->text(), QString("File"));
    }

    void subscriptionPromptOnTheFifthStart_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<bool>("shown");
        QTest::newRow("fourth before") << 4 << true;
        QTest::newRow("fifth before") << 5 << false;
    }
    void subscriptionPromptOnTheFifthStart()
    {
        QFETCH(int, before);
        QFETCH(bool, shown);
        TestProgram program;
        const QString dictionary = program.MakeDictionary("a.dat", "L*");
        program.WriteSettings(
            QString("[Main]\nLanguage=russian\nKol starts=%1\nDict=%2\n").arg(before).arg(dictionary).toUtf8());
        GlossmereApp app(program.paths, program.services, program.tray);
        QStringList modal;
        app.SetModalRunner([&](QDialog& dialog) {
            modal.append(dialog.objectName());
            // The main window is not on screen yet while the prompt shows.
            QVERIFY(!app.Main()->isVisible());
        });
        app.Start();
        QCOMPARE(modal, shown ? QStringList { "Form15" } : QStringList {});
        QCOMPARE(program.Setting("Main", "Kol starts"), QString::number(before + 1));
    }

    void associationAndMosaicOffAfterStart()
    {
        TestProgram program;
        const QString dictionary = program.MakeDictionary("a.dat", "L*");
        program.WriteSettings(
            ("[Main]\nLanguage=russian\nUse associaciya=1\nUse mozaika=1\nDict=" + dictionary + "\n").toUtf8());
        GlossmereApp app(program.paths, program.services, program.tray);
        app.Start();
        QCOMPARE(program.Setting("Main", "Use associaciya"), QString("0"));
        QCOMPARE(program.Setting("Main", "Use mozaika"), QString("0"));
        QVERIFY(!app.Settings().Settings().UseExercise[ExerciseKind::associaciya]);
        QCOMPARE(app.Settings().Settings().EnabledExerciseCount, quint16(4));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_Startup.moc"
