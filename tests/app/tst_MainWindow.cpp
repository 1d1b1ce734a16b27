#include "app/GlossmereApp.h"
#include "app/MainWindow.h"
#include "stats/DictionaryInfoWindow.h"
#include "stats/MaintenanceCommands.h"
#include "stats/StatisticsWindow.h"
#include "support/DictionaryBuilder.h"
#include "support/DictionaryProbe.h"
#include "support/TestProgram.h"
#include "ui/GradientPanel.h"
#include "windows/HelpWindow.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

class TestMainWindow : public QObject {
    Q_OBJECT

private:
    struct Running {
        TestProgram program;
        QString dictionary;
        std::unique_ptr<GlossmereApp> app;
        QStringList modal;

        explicit Running(const QString& pattern, const QByteArray& language = "russian")
        {
            dictionary = program.MakeDictionary("cards.dat", pattern);
            program.WriteSettings("[Main]\nLanguage=" + language + "\nDict=" + dictionary.toUtf8() + "\n");
            app = std::make_unique<GlossmereApp>(program.paths, program.services, program.tray);
            app->SetModalRunner([this](QDialog& dialog) { modal.append(dialog.objectName()); });
            app->Start();
        }
        MainWindow* Main() const { return app->Main(); }
        QString Position() const { return Main()->findChild<QLabel*>("StatusPanel0")->text(); }
        QString Learned() const { return Main()->findChild<QLabel*>("StatusPanel1")->text(); }
        QString LearnedOf(int learned, int cards) const
        {
            return Message("form1_message_learned_count").arg(learned).arg(cards);
        }
        QString Word() const { return Main()->findChild<QLabel*>("Label_word")->text(); }
        QString Message(const char* key) const { return app->Texts().LookupMessage(QString::fromLatin1(key)); }
        QAction* ServiceItem(int index) const { return Main()->menuBar()->actions()[1]->menu()->actions()[index]; }
    };

private Q_SLOTS:
    void windowLayout()
    {
        Running r("L*..");
        MainWindow* main = r.Main();
        QCOMPARE(main->centralWidget()->width(), 447);
        QCOMPARE(main->centralWidget()->height() + main->statusBar()->height(), 220);
        QVERIFY(main->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!(main->windowFlags() & Qt::WindowMaximizeButtonHint));
        auto* word = main->findChild<QLabel*>("Label_word");
        QCOMPARE(word->y(), 60);
        QCOMPARE(word->x(), 447 / 2 - word->width() / 2);
        QCOMPARE(main->findChild<QLabel*>("label_transcription")->y(), 100);
        QCOMPARE(main->findChild<QLabel*>("label_translation")->text(), QString("t1"));
        QVERIFY(main->BusyPanel()->isHidden());
        // The three picture buttons take their hints from the language file.
        QCOMPARE(
            main->findChild<QToolButton*>("LMDSpeedButton2")->toolTip(), r.Message("form1_message_button_next_hint"));
        QVERIFY(main->findChild<QToolButton*>("LMDSpeedButton2")->text().isEmpty());
    }

    void windowsOpenOnTheScreen()
    {
        Running r("L*..");
        MainWindow* main = r.Main();
        const QRect screen = main->screen()->availableGeometry();
        QVERIFY((main->frameGeometry().center() - screen.center()).manhattanLength() <= 2);
        // The main window dragged to the top edge: a window centred over it would start above
        // the screen, so it comes down just far enough.
        main->move(screen.center().x() - main->frameGeometry().width() / 2, screen.top());
        main->show();
        QMap<QString, QRect> placed;
        r.app->SetModalRunner([&](QDialog& dialog) { placed[dialog.objectName()] = dialog.frameGeometry(); });
        r.ServiceItem(0)->trigger(); // settings
        r.ServiceItem(2)->trigger(); // information
        r.ServiceItem(3)->trigger(); // statistics
        main->menuBar()->actions()[2]->menu()->actions()[1]->trigger(); // About
        QCOMPARE(placed.keys(), QStringList({ "Form2", "Form3", "Form5", "Form7" }));
        for (const QRect& frame : placed) {
            QVERIFY(screen.contains(frame));
        }
        // Before its first showing a window's frame is not drawn yet: a few pixels either way.
        const auto near = [](QPoint a, QPoint b) { return (a - b).manhattanLength() <= 4; };
        QVERIFY(near(placed["Form5"].center(), screen.center())); // the settings: the screen's middle
        QVERIFY(near(placed["Form3"].center(), main->frameGeometry().center()));
        // The statistics and About windows are taller than the main window.
        for (const char* taller : { "Form2", "Form7" }) {
            QVERIFY(near(QPoint(placed[taller].center().x(), 0), QPoint(main->frameGeometry().center().x(), 0)));
            QCOMPARE(placed[taller].top(), screen.top());
        }
        // A separator of the menus shows no caption.
        for (QAction* top : main->menuBar()->actions()) {
            for (QAction* item : top->menu()->actions()) {
                QVERIFY(!item->isSeparator() || item->text().isEmpty());
            }
        }
    }

    void arrowKeysAndToolbarPage()
    {
        Running r("L*.I.");
        MainWindow* main = r.Main();
        main->show();
        QApplication::setActiveWindow(main);
        QVERIFY(QTest::qWaitForWindowActive(main));
        QTest::keyClick(main->findChild<QToolButton*>("LMDSpeedButton3"), Qt::Key_Right);
        QCOMPARE(r.Position(), QString("2/4"));
        QTest::keyClick(main, Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(r.Position(), QString("4/4"));
        QTest::keyClick(main, Qt::Key_Left);
        QCOMPARE(r.Position(), QString("2/4"));
        QTest::mouseClick(main->findChild<QToolButton*>("LMDSpeedButton2"), Qt::LeftButton);
        QCOMPARE(r.Word(), QString("w04"));
        QTest::mouseClick(main->findChild<QToolButton*>("LMDSpeedButton4"), Qt::LeftButton);
        QCOMPARE(r.Position(), QString("2/4"));
        QCOMPARE(r.program.DictionaryPattern(r.dictionary), QString("LL*IL"));
        VERIFY_PROMPTS(r.program.prompts);
    }

    void removeButtonAsksFirst()
    {
        Running r("L*..");
        r.program.prompts.ExpectConfirm(true);
        QTest::mouseClick(r.Main()->findChild<QToolButton*>("LMDSpeedButton1"), Qt::LeftButton);
        QCOMPARE(r.program.prompts.Prompt(0).text, r.Message("form1_message_delete"));
        QCOMPARE(r.program.DictionaryPattern(r.dictionary), QString("IL*."));
        VERIFY_PROMPTS(r.program.prompts);
    }

    void statisticsFigures()
    {
        Running r("L*DDI...");
        r.ServiceItem(3)->trigger();
        QCOMPARE(r.modal, QStringList { "Form2" });
        StatisticsWindow* statistics = r.app->Statistics();
        QCOMPARE(statistics->Figure(0), QString("7"));
        QCOMPARE(statistics->Figure(1), QString("3"));
        QCOMPARE(statistics->Figure(2), QString("2"));
        QCOMPARE(statistics->Figure(3), QString("1"));
        // The walk leaves the position alone.
        QCOMPARE(r.Position(), QString("1/7"));
    }

    void emptyDictionaryCountsNothingAndResetsQuietly()
    {
        Running r("");
        QCOMPARE(r.Position(), QString("0/0"));
        r.ServiceItem(3)->trigger();
        for (int figure = 0; figure < 4; ++figure) {
            QCOMPARE(r.app->Statistics()->Figure(figure), QString("0"));
        }
        r.program.prompts.ExpectConfirm(true).ExpectInformation();
        r.ServiceItem(4)->trigger();
        VERIFY_PROMPTS(r.program.prompts);
        QCOMPARE(r.Position(), QString("0/0"));
        QVERIFY(r.Main()->BusyPanel()->isHidden());
    }

    void resetAskedAndAnsweredNo()
    {
        Running r(".L*DI");
        r.program.prompts.ExpectConfirm(false);
        r.ServiceItem(4)->trigger();
        QCOMPARE(r.program.DictionaryPattern(r.dictionary), QString(".L*DI"));
        VERIFY_PROMPTS(r.program.prompts);
        QVERIFY(r.program.prompts.Prompt(0).noByDefault); // it cannot be undone
    }

    void resetLeavesOneLearningCard()
    {
        Running r(".DL*I");
        r.program.prompts.ExpectConfirm(true).ExpectInformation();
        r.ServiceItem(4)->trigger();
        VERIFY_PROMPTS(r.program.prompts);
        QCOMPARE(r.program.prompts.Prompt(0).text, r.Message("form1_message_statistics_clear_question"));
        QCOMPARE(r.program.prompts.Prompt(1).text, r.Message("form1_message_statistics_clear_ok"));
        QCOMPARE(r.program.DictionaryPattern(r.dictionary), QString("L*..."));
        QCOMPARE(r.Position(), QString("1/4"));
        QCOMPARE(r.Word(), QString("w01"));
        QVERIFY(r.Main()->BusyPanel()->isHidden());
        QVERIFY(r.program.events.Processed() > 0);
    }

    void resetAsksWhetherToClearTheHistoryToo_data()
    {
        QTest::addColumn<bool>("clear");
        QTest::newRow("kept") << false;
        QTest::newRow("cleared") << true;
    }
    void resetAsksWhetherToClearTheHistoryToo()
    {
        QFETCH(bool, clear);
        Running r(".DL*I");
        r.app->Store().AddToHistory({ QDate(2026, 3, 2), 2, 10, 3, 1 });
        r.program.prompts.ExpectConfirm(true).ExpectConfirm(clear).ExpectInformation();
        r.ServiceItem(4)->trigger();
        VERIFY_PROMPTS(r.program.prompts);
        QCOMPARE(r.program.prompts.Prompt(1).text, r.Message("form1_message_history_clear_question"));
        QVERIFY(r.program.prompts.Prompt(1).noByDefault);
        QCOMPARE(r.program.DictionaryPattern(r.dictionary), QString("L*..."));
        QCOMPARE(r.app->Store().History().empty(), clear);
    }

    void returnRemovedCards()
    {
        Running r("IL*ID");
        r.program.prompts.ExpectInformation();
        r.ServiceItem(5)->trigger();
        VERIFY_PROMPTS(r.program.prompts);
        QCOMPARE(r.program.prompts.LastText(), r.Message("form1_message_ignore_clear_ok").arg(2));
        QCOMPARE(r.program.DictionaryPattern(r.dictionary), QString(".L*.D"));
        // None to return is an answer too.
        r.program.prompts.ExpectInformation();
        r.ServiceItem(5)->trigger();
        QCOMPARE(r.program.prompts.LastText(), r.Message("form1_message_ignore_clear_ok").arg(0));
        QCOMPARE(r.Position(), QString("2/4"));
        // Removing a card after the reload removes the card shown.
        r.program.prompts.ExpectConfirm(true);
        r.Main()->Browser().RemoveFromLearning();
        QCOMPARE(r.program.DictionaryPattern(r.dictionary), QString(".IL*D"));
    }

    void learnedCountFollowsEveryCommand()
    {
        Running r("D*D.LI");
        QCOMPARE(r.Learned(), r.LearnedOf(2, 5));
        r.Main()->Browser().NextStep(); // onto a learned card: it stays learned
        QCOMPARE(r.Learned(), r.LearnedOf(2, 5));
        r.program.prompts.ExpectConfirm(true);
        r.Main()->Browser().RemoveFromLearning(); // a learned card removed
        QCOMPARE(r.Learned(), r.LearnedOf(1, 5));
        r.program.prompts.ExpectInformation();
        r.ServiceItem(5)->trigger(); // returned cards come back as new ones
        QCOMPARE(r.Learned(), r.LearnedOf(1, 5));
        r.program.prompts.ExpectConfirm(true).ExpectInformation();
        r.ServiceItem(4)->trigger();
        QCOMPARE(r.Learned(), r.LearnedOf(0, 5));
        r.program.prompts.ExpectOpenFile(r.program.MakeDictionary("other.dat", "DDDL*"));
        r.Main()->OpenDictionaryCommand();
        QCOMPARE(r.Learned(), r.LearnedOf(3, 4));
        VERIFY_PROMPTS(r.program.prompts);
        QCOMPARE(r.LearnedOf(3, 4), QString("Выучено 3 из 4"));
    }

    void learnedCountInEnglishAndForAnEmptyDictionary()
    {
        Running r("", "english");
        QCOMPARE(r.Learned(), QString("Learned 0 of 0"));
    }

    void dictionaryInformation()
    {
        Running r("L*", "english");
        QFile info(r.program.paths.ExeFolder + "Dicts/cards.inf");
        QVERIFY(info.open(QIODevice::WriteOnly));
        info.write("[russian]\nInfo=Русский текст\n[english]\nInfo=English text\n");
        info.close();
        r.ServiceItem(2)->trigger();
        QCOMPARE(r.modal, QStringList { "Form3" });
        QCOMPARE(r.app->Information()->Info(), QString("English text"));
        QCOMPARE(InformationFilePath("/a.b/c/english.dat"), QString("/a.b/c/english.inf"));
        QCOMPARE(InformationFilePath("/a.b/dict"), QString("/a.b/dict.inf"));
    }

    void cancellingTheOpenDialogReopensTheSameDictionary()
    {
        Running r("L...");
        r.Main()->Browser().NextStep();
        r.program.prompts.ExpectOpenFile("");
        r.Main()->OpenDictionaryCommand();
        QCOMPARE(r.Position(), QString("2/4"));
        QCOMPARE(r.Word(), QString("w02"));
        // The dialog opens where the current dictionary lies.
        QCOMPARE(r.program.prompts.Prompt(0).folder, r.program.paths.ExeFolder + "Dicts");

        const QString other = r.program.MakeDictionary("other.dat", "..L*");
        r.program.prompts.ExpectOpenFile(other);
        r.Main()->OpenDictionaryCommand();
        QCOMPARE(r.Position(), QString("3/3"));
        QCOMPARE(r.program.Setting("Main", "Dict"), other);
        QVERIFY(r.Main()->windowTitle().startsWith("[other.dat]"));
        VERIFY_PROMPTS(r.program.prompts);
    }

    void helpShowsTheLanguagesPageInItsWindow()
    {
        Running r("L*");
        r.program.prompts.ExpectError();
        r.Main()->ShowHelp(); // no help file: the error box says which
        QVERIFY(r.program.prompts.Prompt(0).text.contains("help/help_ru.html"));
        QVERIFY(!r.Main()->Help());

        QFile page(r.program.paths.ExeFolder + "help/help_ru.html");
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<html><head><title>Справка</title></head><body><a href=\"#end\">вниз</a> "
                   "<a href=\"https://example.org/\">сайт</a><p id=\"end\">конец</p></body></html>");
        page.close();
        r.Main()->ShowHelp();
        HelpWindow* help = r.Main()->Help();
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->windowTitle(), QString("Справка"));
        QVERIFY(help->Browser()->toPlainText().contains("конец"));
        // A link to the web opens in the desktop's browser; the page stays.
        Q_EMIT help->Browser()->anchorClicked(QUrl("https://example.org/"));
        QCOMPARE(r.program.shell.Opened(), QList<QUrl> { QUrl("https://example.org/") });
        QCOMPARE(help->Browser()->source(), QUrl::fromLocalFile(page.fileName()));
        VERIFY_PROMPTS(r.program.prompts);
    }

    void speakerSaysTheWordInTheDictionarysLanguage()
    {
        TestProgram program;
        const QString path = DictionaryBuilder()
                                 .Card("apple", "яблоко")
                                 .Status("learning")
                                 .Marked()
                                 .Card("pear", "груша")
                                 .Language("en")
                                 .Write(program.paths.ExeFolder + "Dicts/en.dat");
        const QString unset = DictionaryBuilder().Card("casa").Write(program.paths.ExeFolder + "Dicts/unset.dat");
        program.WriteSettings("[Main]\nLanguage=english\nDict=" + path.toUtf8() + "\n");
        GlossmereApp app(program.paths, program.services, program.tray);
        app.SetModalRunner([](QDialog&) {});
        app.Start();
        MainWindow* main = app.Main();
        main->show();
        auto* say = main->findChild<QToolButton*>("LMDSpeedButton_say");
        QVERIFY(say->isEnabled());
        QCOMPARE(say->toolTip(), app.Texts().LookupMessage("form1_message_button_say_hint"));
        QTest::mouseClick(say, Qt::LeftButton);
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main));
        QTest::keyClick(main, Qt::Key_Right);
        QTest::keyClick(main, Qt::Key_S);
        QCOMPARE(program.speech.Said(), QStringList({ "apple/en", "pear/en" }));
        // Said as it appears, once chosen in the settings.
        app.Settings().Settings().SayWords = true;
        QTest::keyClick(main, Qt::Key_Left);
        QCOMPARE(program.speech.Said().last(), QString("apple/en"));
        app.Settings().Settings().SayWords = false;

        // No voice for the language: the button says what is missing, and nothing is said.
        program.speech.SetLanguages({ "ru" });
        QVERIFY(!say->isEnabled());
        QCOMPARE(say->toolTip(), app.Texts().LookupMessage("form1_message_speech_no_voice"));
        QTest::keyClick(main, Qt::Key_S);
        QCOMPARE(program.speech.Said().size(), 3);
        // A dictionary that does not name its language: shown without a question, even when
        // words are said as they appear; the first word to be said asks, once, among the
        // languages with a voice, and the answer stays in the file.
        program.speech.SetLanguages({ "en", "es" });
        app.Settings().Settings().SayWords = true;
        program.prompts.ExpectOpenFile(unset);
        main->OpenDictionaryCommand();
        VERIFY_PROMPTS(program.prompts);
        QVERIFY(say->isEnabled());
        program.prompts.ExpectChoose({});
        QTest::keyClick(main, Qt::Key_S);
        QCOMPARE(program.prompts.ShownPrompts().last().options, QStringList({ "English", "Spanish" }));
        QCOMPARE(program.prompts.LastText(), app.Texts().LookupMessage("form1_message_ask_word_language"));
        QCOMPARE(program.speech.Said().size(), 3);
        program.prompts.ExpectChoose("Spanish");
        QTest::mouseClick(say, Qt::LeftButton);
        QTest::keyClick(main, Qt::Key_S);
        VERIFY_PROMPTS(program.prompts);
        QCOMPARE(program.speech.Said().mid(3), QStringList({ "casa/es", "casa/es" }));
        QCOMPARE(DictionaryProbe::Query(unset, "SELECT value FROM glossmere_properties WHERE name = 'language'"),
            QString("es"));
        app.Settings().Settings().SayWords = false;
    }

    void minimizingHidesToTheTray()
    {
        Running r("L*");
        MainWindow* main = r.Main();
        main->show();
        main->showMinimized();
        QTRY_VERIFY(r.program.tray.IsShown());
        QTRY_VERIFY(!main->isVisible());
        r.program.tray.DoubleClick();
        QVERIFY(main->isVisible());
        QVERIFY(!r.program.tray.IsShown());
    }

    void withoutTrayMinimizingIsOrdinary()
    {
        TestProgram program;
        FakeTray noTray(false);
        const QString dictionary = program.MakeDictionary("cards.dat", "L*");
        program.WriteSettings("[Main]\nLanguage=russian\nDict=" + dictionary.toUtf8() + "\n");
        GlossmereApp app(program.paths, program.services, noTray);
        app.Start();
        app.Main()->show();
        app.Main()->HideToTray();
        QVERIFY(app.Main()->isVisible());
        QVERIFY(!noTray.IsShown());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_MainWindow.moc"
