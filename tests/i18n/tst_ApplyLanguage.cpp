#include "i18n/LanguageTable.h"
#include "ui/GradientPanel.h"

#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

namespace {

template <class Widget> Widget* Make(QWidget* parent, const char* name)
{
    auto* widget = new Widget(parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A main window with the named parts a language file addresses.
struct MainLike {
    QMainWindow window;
    QMenu* file;
    QMenu* service;
    QMenu* help;

    MainLike()
    {
        window.setObjectName("Form1");
        auto* bar = window.menuBar();
        bar->setObjectName("MainMenu1");
        file = bar->addMenu("Файл");
        file->addAction("Открыть словарь...");
        file->addSeparator();
        file->addAction("Выход");
        service = bar->addMenu("Сервис");
        for (int i = 0; i < 6; ++i) {
            service->addAction(QString("item %1").arg(i));
        }
        help = bar->addMenu("Помощь");
        help->addAction("Справка");
        auto* client = new QWidget(&window);
        window.setCentralWidget(client);
        Make<QLabel>(client, "Label_word")->setText("word");
        for (const char* name : { "LMDSpeedButton1", "LMDSpeedButton2", "LMDSpeedButton3", "LMDSpeedButton4" }) {
            Make<QToolButton>(client, name);
        }
        Make<GradientPanel>(client, "XPPanel1");
    }
};

} // namespace

class TestApplyLanguage : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_folder;

    void WriteLanguage(const QByteArray& russian)
    {
        QDir(m_folder.path()).mkpath("Language");
        QFile file(m_folder.filePath("Language/rus.lng"));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(russian);
    }
    QString Folder() const { return m_folder.path() + "/"; }

private Q_SLOTS:
    void mainWindowEntries()
    {
        WriteLanguage("[Form1]\nLabel_word=Hello=there\nLMDSpeedButton3=Learn\nXPPanel1=Busy\n"
                      "MainMenu1[2]=Help\nMainMenu1[1][3]=Stats\nMainMenu1[1][1]=Sep\nMainMenu1[0][0]=Open\n"
                      "MainMenu1[9][0]=nothing\nMainMenu1[x]=nothing\nNoSuchLabel1=ignored\nButton1=not a kind here\n"
                      "message_delete=Remove?\nmessage_delete=second\nmessage_button_next_hint=Next card\n"
                      "message_button_last_hint=Previous card\n[Form2]\nmessage_other=x\n");
        MainLike main;
        LanguageTable table(Folder());
        table.ApplyLanguage("form1", "russian", &main.window);
        QCOMPARE(main.window.findChild<QLabel*>("Label_word")->text(), QString("Hello=there"));
        QCOMPARE(main.window.findChild<QToolButton*>("LMDSpeedButton3")->text(), QString("Learn"));
        QCOMPARE(main.window.findChild<GradientPanel*>("XPPanel1")->text(), QString("Busy"));
        QCOMPARE(main.help->title(), QString("Help"));
        QCOMPARE(main.service->actions()[3]->text(), QString("Stats"));
        QCOMPARE(main.service->actions()[1]->text(), QString("Sep"));
        QCOMPARE(main.service->title(), QString("Сервис"));
        QCOMPARE(main.file->actions()[0]->text(), QString("Open"));
        QCOMPARE(main.window.findChild<QToolButton*>("LMDSpeedButton2")->toolTip(), QString("Next card"));
        QCOMPARE(main.window.findChild<QToolButton*>("LMDSpeedButton4")->toolTip(), QString("Previous card"));
        // The first of two entries wins; keys keep their window prefix; case matters.
        QCOMPARE(table.LookupMessage("form1_message_delete"), QString("Remove?"));
        QCOMPARE(table.LookupMessage("form1_message_button_next_hint"), QString("Next card"));
        QCOMPARE(table.LookupMessage("Form1_message_delete"), QString());
        QCOMPARE(table.LookupMessage("form1_message_other"), QString());
        QCOMPARE(table.LookupMessage("message_delete"), QString());
    }

    void settingsDialogEntriesAndArrangement()
    {
        WriteLanguage("[Form5]\nForm5=Settings\nXPGroupBox1=Упражнения\nXPTabSheet2=Schedule\nXPCheckBox3=Choice\n"
                      "Label1=a=b\nmessage_error1=Tick one\n");
        QDialog dialog;
        auto* tabs = Make<QTabWidget>(&dialog, "XPPageControl1");
        auto* first = Make<QWidget>(nullptr, "XPTabSheet1");
        auto* second = Make<QWidget>(nullptr, "XPTabSheet2");
        tabs->addTab(first, "one");
        tabs->addTab(second, "two");
        auto* group = Make<QGroupBox>(first, "XPGroupBox1");
        for (int i = 1; i <= 7; ++i) {
            Make<QCheckBox>(group, qPrintable(QString("XPCheckBox%1").arg(i)))->move(200, 200);
        }
        Make<QLabel>(&dialog, "Label1");
        dialog.show();
        LanguageTable table(Folder());
        table.ApplyLanguage("form5", "russian", &dialog);
        QCOMPARE(dialog.windowTitle(), QString("Settings"));
        QCOMPARE(group->title(), QString(" Упражнения "));
        QCOMPARE(tabs->tabText(1), QString("Schedule"));
        QCOMPARE(dialog.findChild<QLabel*>("Label1")->text(), QString("a=b"));
        QCOMPARE(table.LookupMessage("form5_message_error1"), QString("Tick one"));
        QVERIFY(!dialog.findChild<QWidget*>("XPCheckBox1")->isVisibleTo(&dialog));
        QVERIFY(!dialog.findChild<QWidget*>("XPCheckBox2")->isVisibleTo(&dialog));
        QCOMPARE(dialog.findChild<QWidget*>("XPCheckBox7")->pos(), QPoint(32, 48));
        QCOMPARE(dialog.findChild<QWidget*>("XPCheckBox3")->y(), 24);
        QCOMPARE(dialog.findChild<QWidget*>("XPCheckBox4")->y(), 72);
        QCOMPARE(dialog.findChild<QWidget*>("XPCheckBox5")->y(), 96);
    }

    void missingFileKeepsBuiltInTextsButStillLaysOut()
    {
        QDialog statistics;
        auto* caption = Make<QLabel>(&statistics, "Label1");
        caption->setText("Количество слов в словаре:");
        caption->adjustSize();
        caption->move(16, 24);
        auto* value = Make<QLabel>(&statistics, "Label5");
        value->move(300, 24);
        LanguageTable table(Folder() + "absent/");
        table.ApplyLanguage("form2", "russian", &statistics);
        QCOMPARE(caption->text(), QString("Количество слов в словаре:"));
        QCOMPARE(value->x(), 16 + caption->width() + 10);
        QVERIFY(table.Messages().isEmpty());
    }

    void everyMessageHasABuiltInText_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QByteArray>("file"); // empty: no language file at all
        QTest::newRow("no Russian file") << "russian" << QByteArray();
        QTest::newRow("no English file") << "english" << QByteArray();
        QTest::newRow("a partial file") << "russian" << QByteArray("[Form1]\nmessage_delete=Убрать?\n");
        QTest::newRow("an empty text") << "english" << QByteArray("[Form1]\nmessage_statistics_clear_question=\n");
    }

    void everyMessageHasABuiltInText()
    {
        QFETCH(QString, language);
        QFETCH(QByteArray, file);
        const QString folder = file.isEmpty() ? Folder() + "absent/" : Folder();
        if (!file.isEmpty()) {
            QDir().mkpath(Folder() + "Language");
            QFile out(Folder() + LanguageTable::LanguageFileName(language));
            QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
            out.write(file);
        }
        LanguageTable table(folder, language);
        QDialog window;
        table.ApplyLanguage("form1", language, &window);
        const QStringList shown { "form1_message_select_dictionary", "form1_message_dict_notselect",
            "form1_message_mode1", "form1_message_learning_info1", "form1_message_learning_info2",
            "form1_message_delete", "form1_message_statistics_clear_question", "form1_message_statistics_clear_ok",
            "form1_message_ignore_clear_ok", "form1_message_learning_words_notfound",
            "form4_message_exercise_statistic", "form4_message_full_statistic", "form4_message_learning_is_finished",
            "form4_message_vibor_perevoda", "form4_message_vibor_perevoda_info", "form4_message_para",
            "form4_message_para_info", "form4_message_vspomnit", "form4_message_vspomnit_info", "form4_message_perevod",
            "form4_message_perevod_info", "form5_message_error1" };
        for (const QString& key : shown) {
            QVERIFY2(!table.LookupMessage(key).isEmpty(), qPrintable(key));
        }
        // The file's own text wins where it has one; the built-in one follows the language.
        if (file.contains("Убрать")) {
            QCOMPARE(table.LookupMessage("form1_message_delete"), QString("Убрать?"));
        }
        QCOMPARE(table.LookupMessage("form4_message_para").startsWith("Find"), language == "english");
        QVERIFY(table.LookupMessage("form9_message_unknown").isEmpty());
    }

    void statisticsValuesFollowTheirLocalizedCaptions()
    {
        WriteLanguage("[Form2]\nForm2=Stats\nLabel1=Cards:\n");
        QDialog statistics;
        auto* caption = Make<QLabel>(&statistics, "Label1");
        caption->setText("A much longer built-in caption:");
        caption->adjustSize();
        auto* value = Make<QLabel>(&statistics, "Label5");
        LanguageTable table(Folder());
        table.ApplyLanguage("form2", "russian", &statistics);
        QCOMPARE(statistics.windowTitle(), QString("Stats"));
        QCOMPARE(caption->width(), caption->sizeHint().width());
        QCOMPARE(value->x(), caption->x() + caption->width() + 10);
    }

    void otherLanguageNamesSelectNoFile()
    {
        WriteLanguage("[Form3]\nForm3=Info\n");
        QDialog info;
        info.setWindowTitle("built-in");
        LanguageTable table(Folder());
        table.ApplyLanguage("form3", "klingon", &info);
        QCOMPARE(info.windowTitle(), QString("built-in"));
        table.ApplyLanguage("form3", "russian", &info);
        QCOMPARE(info.windowTitle(), QString("Info"));
        QCOMPARE(LanguageTable::LanguageFileName("english"), QString("Language/eng.lng"));
    }

    void headerBandLines()
    {
        WriteLanguage("[Form15]\nglWizardHeader1=Title\nglWizardHeader2=Comment\n");
        QDialog prompt;
        auto* band = Make<QWidget>(&prompt, "glWizardHeader1");
        band->setProperty("title", "x");
        band->setProperty("comment", "y");
        LanguageTable table(Folder());
        table.ApplyLanguage("form15", "russian", &prompt);
        QCOMPARE(band->property("title").toString(), QString("Title"));
        QCOMPARE(band->property("comment").toString(), QString("Comment"));
    }
};

QTEST_MAIN(TestApplyLanguage)
#include "tst_ApplyLanguage.moc"
