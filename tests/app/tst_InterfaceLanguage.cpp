// The interface speaks one language: the running program, walked through every window,
// exercise, notice and message, shows no text in the other interface language's script
// (card contents, the product's name and file names aside). A new window or message with a
// hard-coded text fails here.

#include "learning/LearningFixture.h"
#include "support/InterfaceScript.h"

#include "editor/CardEditorWindow.h"
#include "importing/FileCommands.h"
#include "settings/SettingsDialog.h"
#include "stats/DictionaryInfoWindow.h"
#include "stats/StatisticsWindow.h"
#include "windows/AboutWindow.h"
#include "windows/SplashWindow.h"
#include "windows/SubscriptionPrompt.h"

#include "base/IniFile.h"

#include <QMenuBar>
#include <QMessageBox>
#include <QTableView>

namespace {

// Card contents, the product's name, file names, key names as keyboards print them, and the
// names of file formats and encodings.
const QStringList kCards { "apple", "яблоко", "pear", "груша", "plum", "слива", "Glossmere", "cards.dat", "Enter",
    "Insert", "Ctrl", "Delete", "Esc", "CSV", "TSV", "KVTML", "UTF", "Windows", "Latin", "words.csv" };

QString TranslationOf(const QString& word)
{
    return word == "apple" ? QString("яблоко") : QString("груша");
}

} // namespace

class TestInterfaceLanguage : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyTextIsInTheInterfaceLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("russian") << "russian";
        QTest::newRow("english") << "english";
    }

    void everyTextIsInTheInterfaceLanguage()
    {
        QFETCH(QString, language);
        DictionaryBuilder cards;
        cards.Card("apple", "яблоко").Status("learning").Marked().Set(CardTable::PartOfSpeech, QString("noun"));
        cards.Card("pear", "груша").Status("learning").Set(CardTable::PartOfSpeech, QString("verb"));
        cards.Card("plum", "слива").Status("removed");
        // The one-time notices of the exercises are left to show.
        Running r(cards, "Kol correct answers=1\nPopup delay=1\n",
            "[Notify]\nVibor_perevoda=0\nPara=0\nVspomnit=0\nPerevod=0\n", language.toUtf8());
        QStringList foreign;
        const auto look = [&] { foreign << InterfaceScript::ForeignTexts(language, kCards); };
        r.events.onHold = look;
        r.events.onProcess = look;
        look();

        // The import dialog over a word list with a rejected row, and its result.
        const QString words = r.program.paths.ExeFolder + "words.csv";
        QFile list(words);
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write("apple,яблоко\nplum,\n"); // no header row: the columns go by number
        list.close();
        r.program.prompts.ExpectOpenFile(words).ExpectInformation();
        bool imported = false;
        r.app->Main()->Files().SetModalRunner([&](QDialog& dialog) {
            imported = true;
            dialog.show();
            look();
            dialog.findChild<QPushButton*>("Button_import")->click();
        });
        r.Main()->ImportWordsCommand();
        QVERIFY2(imported, qPrintable(r.program.prompts.Report()));

        // A whole session: choice, pairs, recall, typed, the popup after each answer; the
        // four one-time notices and the finish message are answered.
        for (int i = 0; i < 5; ++i) {
            r.program.prompts.ExpectInformation(true);
        }
        r.StartLearning();
        for (int step = 0; step < 40 && r.Window()->isVisible(); ++step) {
            look();
            const QString panel = r.VisiblePanel();
            if (panel == "Panel2") {
                r.ChooseOption(TranslationOf(r.AskedWord()));
            } else if (panel == "Panel4") {
                bool appleLeft = false;
                for (int n = 1; n <= 8; ++n) {
                    auto* label = r.Find<QLabel>("word_left" + QString::number(n));
                    appleLeft = appleLeft || (label->isVisible() && label->text() == "apple");
                }
                r.MatchPair(appleLeft ? "apple" : "pear", appleLeft ? "яблоко" : "груша");
            } else if (r.Find<QPushButton>("Button1")->isVisible()) {
                r.Click(r.Find<QPushButton>("Button1"));
                look();
                r.Click(r.Find<QPushButton>("Button2"));
            } else {
                r.Find<QLineEdit>("Edit1")->setText(TranslationOf(r.AskedWord()));
                QTest::keyClick(r.Find<QLineEdit>("Edit1"), Qt::Key_Return);
            }
        }
        QVERIFY(!r.Window()->isVisible());
        VERIFY_PROMPTS(r.program.prompts);

        // The maintenance commands, with their busy notices and messages.
        r.program.prompts.ExpectConfirm(true).ExpectConfirm(false).ExpectInformation().ExpectInformation();
        QMenu* service = r.Main()->menuBar()->actions()[1]->menu();
        service->actions()[4]->trigger(); // reset the learning statistics
        service->actions()[5]->trigger(); // return the removed cards
        look();

        // Every other window, as it opens.
        for (QWidget* window : std::initializer_list<QWidget*> { r.app->SettingsWindow(), r.app->Statistics(),
                 r.app->Information(), r.app->About(), r.app->Subscription(), r.app->Splash() }) {
            window->show();
            look();
            window->hide();
        }
        // The card editor from its menu item, with a new card's row and the question before a
        // deletion.
        service->actions()[6]->trigger();
        r.app->Editor()->show();
        r.app->Editor()->AddCard();
        look();
        r.program.prompts.ExpectConfirm(false);
        r.app->Editor()->Table()->selectRow(1);
        r.app->Editor()->DeleteSelectedCards();
        r.app->Editor()->hide();
        // The settings dialog's pages other than the first, the language list open.
        r.app->SettingsWindow()->show();
        for (int page = 1; page < r.app->SettingsWindow()->Pages()->count(); ++page) {
            r.app->SettingsWindow()->Pages()->setCurrentIndex(page);
            look();
        }
        r.app->SettingsWindow()->hide();
        // An error composed by the dictionary store.
        r.program.prompts.ExpectOpenFile(r.program.paths.ExeFolder + "missing.dat");
        r.program.prompts.ExpectError();
        r.Main()->OpenDictionaryCommand();
        VERIFY_PROMPTS(r.program.prompts);

        for (const auto& prompt : r.program.prompts.ShownPrompts()) {
            if (!InterfaceScript::ForeignWords(prompt.text, language, kCards).isEmpty()) {
                foreign << "message: " + prompt.text;
            }
        }
        foreign.removeDuplicates();
        for (const QString& text : foreign) {
            qWarning("%s", qPrintable(text));
        }
        QVERIFY2(foreign.isEmpty(), qPrintable(QString("%1 texts in the other language").arg(foreign.size())));
    }

    void brokenDictionaryIsReportedFromTheLanguageFile()
    {
        TestProgram program;
        const QString path = program.paths.ExeFolder + "broken.dat";
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'x'));
        file.close();
        program.WriteSettings("[Main]\nLanguage=russian\nDict=" + path.toUtf8() + "\n");
        program.prompts.ExpectError();
        GlossmereApp app(program.paths, program.services, program.tray);
        app.SetModalRunner([](QDialog&) {});
        app.Start();
        VERIFY_PROMPTS(program.prompts);
        // The message and the reason as rus.lng words them, the file named, the engine's
        // own text after them as the detail.
        const IniFile language(program.paths.ExeFolder + "Language/rus.lng");
        const auto entry = [&language](const QString& key) { return language.ReadString("Form1", key, QString()); };
        const QString expected
            = entry("message_error_open").replace("%1", path).replace("%2", entry("message_reason_not_dictionary"));
        const QString shown = program.prompts.LastText();
        QVERIFY2(
            shown.startsWith(expected + "\n\n" + entry("message_error_detail").section('%', 0, 0)), qPrintable(shown));
        QVERIFY(expected.startsWith("Не удалось открыть словарь"));
    }

    void russianInterfaceHasQtsOwnTextsInRussian()
    {
        for (const auto& [language, no] : { std::pair { "russian", "Нет" }, std::pair { "english", "&No" } }) {
            TestProgram program;
            program.WriteSettings(QByteArray("[Main]\nLanguage=") + language
                + "\nDict=" + program.MakeDictionary("a.dat", "L*").toUtf8() + "\n");
            GlossmereApp app(program.paths, program.services, program.tray);
            app.SetModalRunner([](QDialog&) {});
            app.Start();
            QMessageBox box(QMessageBox::Question, "", "", QMessageBox::Yes | QMessageBox::No);
            QCOMPARE(box.button(QMessageBox::No)->text().remove('&'), QString(no).remove('&'));
        }
    }
};

QTEST_MAIN(TestInterfaceLanguage)
#include "tst_InterfaceLanguage.moc"
