#include "app/GlossmereApp.h"
#include "app/MainWindow.h"
#include "base/IniFile.h"
#include "editor/CardEditorWindow.h"
#include "i18n/ComponentText.h"
#include "i18n/LanguageEntry.h"
#include "importing/ImportDialog.h"
#include "learning/LearningWindow.h"
#include "settings/SettingsDialog.h"
#include "stats/DictionaryInfoWindow.h"
#include "stats/StatisticsWindow.h"
#include "support/TestProgram.h"
#include "windows/AboutWindow.h"
#include "windows/SplashWindow.h"
#include "windows/SubscriptionPrompt.h"

#include <QMenuBar>
#include <QtTest>

namespace {

QStringList Range(const QString& prefix, int first, int last)
{
    QStringList keys;
    for (int i = first; i <= last; ++i) {
        keys.append(prefix + QString::number(i));
    }
    return keys;
}

QStringList Prefixed(const QString& prefix, const QStringList& names)
{
    QStringList keys;
    for (const QString& name : names) {
        keys.append(prefix + name);
    }
    return keys;
}

// Every key each window's section must carry: the components a language addresses and
// the messages the program looks up.
QMap<QString, QStringList> RequiredKeys()
{
    QMap<QString, QStringList> keys;
    keys["Form1"] = Range("LMDSpeedButton", 1, 4)
        + QStringList { "XPPanel1", "MainMenu1[0]", "MainMenu1[0][0]", "MainMenu1[0][1]", "MainMenu1[0][2]",
              "MainMenu1[0][3]", "MainMenu1[0][4]", "MainMenu1[0][5]", "MainMenu1[0][6]", "MainMenu1[1]",
              "MainMenu1[1][0]", "MainMenu1[1][1]", "MainMenu1[1][2]", "MainMenu1[1][3]", "MainMenu1[1][4]",
              "MainMenu1[1][5]", "MainMenu1[2]", "MainMenu1[2][0]", "MainMenu1[2][1]", "message_select_dictionary",
              "message_dict_notselect", "message_mode1", "message_learning_info1", "message_learning_info2",
              "message_delete", "message_statistics_clear_question", "message_statistics_clear_ok",
              "message_history_clear_question", "message_ignore_clear_ok", "message_learned_count",
              "message_learning_words_notfound", "message_button_delete_hint", "message_button_next_hint",
              "message_button_last_hint", "message_button_say_hint", "message_button_learn_hint", "message_tray_open",
              "message_tray_settings", "message_tray_exit", "message_tray_hint", "message_dictionary_filter",
              "message_error_open", "message_error_access", "message_error_command", "message_error_exists",
              "message_error_not_open", "message_error_not_chosen", "message_error_card_gone", "message_error_settings",
              "message_error_unexpected", "message_error_help", "message_error_detail", "message_error_no_word",
              "message_button_edit_hint", "MainMenu1[1][6]" }
        + Prefixed("message_reason_",
            { "no_file", "missing", "folder", "unreadable", "empty", "plain_database", "no_card_table", "layout",
                "unopenable", "engine", "read_only", "no_journal", "locked", "disk_full", "no_permission",
                "not_dictionary", "damaged" })
        + QStringList { "message_new_dictionary_title", "message_export_title", "message_csv_filter",
              "message_replace_question", "message_export_ok", "message_error_create", "message_error_write",
              "message_reason_exists", "message_reason_unwritable", "message_error_import", "message_import_line",
              "message_import_entry" }
        + Prefixed("message_import_reason_",
            { "missing", "folder", "unreadable", "too_big", "utf16", "binary", "empty", "no_column", "open_quote",
                "xml", "not_kvtml", "kvtml_version", "languages", "no_language" })
        + Prefixed("message_import_reject_", { "no_word", "no_translation", "encoding" })
        + Prefixed("message_speech_", { "starting", "no_plugin", "no_service", "no_voice" })
        + Prefixed("message_word_language_", { "en", "de", "es", "fr", "it", "nl", "pl", "pt", "ru", "uk" })
        + QStringList { "message_ask_word_language" }
        + Prefixed("message_purpose_",
            { "read_cards", "save_cards", "save_card", "reset", "return_removed", "card_order", "save_history",
                "read_history", "save_language", "add_card", "delete_cards", "import" });
    keys["Form2"] = QStringList { "Form2" } + Range("Label", 1, 9) + Range("RadioButton", 1, 2)
        + Prefixed("message_",
            { "status_new", "status_learning", "status_learned", "status_removed", "share_line", "chart_learned",
                "chart_answers", "chart_right", "chart_wrong", "chart_date", "streak" });
    keys["Form3"] = QStringList { "Form3" };
    keys["Form4"] = QStringList { "Label_vspomnit", "Label_otvet", "XPPanel1", "message_exercise_statistic",
        "message_full_statistic", "message_learning_is_finished", "message_vibor_perevoda",
        "message_vibor_perevoda_info", "message_para", "message_para_info", "message_vspomnit", "message_vspomnit_info",
        "message_perevod", "message_perevod_info", "Button1", "Button2", "Button3", "Button4", "LMDSpeedButton3",
        "message_pos_verb", "message_pos_noun", "message_pos_adj", "message_pos_adv", "message_pos_pron",
        "message_pos_prep", "message_pos_conj", "message_pos_num", "message_pos_interj", "message_keys_show_answer",
        "message_keys_right", "message_keys_wrong", "message_keys_check", "message_keys_familiarization",
        "message_answer_right", "message_answer_wrong", "message_answer_typed", "message_say_hint" };
    keys["Form6"] = QStringList { "Label1" };
    keys["Form5"] = QStringList { "Form5", "Button1", "Button2", "XPGroupBox1", "XPTabSheet1", "XPTabSheet2",
        "XPTabSheet3", "message_error1", "Label_language", "Label_language_note", "message_language_russian",
        "message_language_english", "Label_typed", "message_typed_exact", "message_typed_meaning", "XPCheckBox_say" }
        + Range("Label", 1, 8) + Range("XPCheckBox", 1, 7);
    keys["Form7"] = QStringList { "Form7", "Label1", "Label2", "Label3", "Label6", "Label7", "Button1" };
    keys["Form_editor"]
        = QStringList { "Form_editor", "Label_search", "Label_language", "Button_add", "Button_delete", "Button_close" }
        + Prefixed("message_",
            { "button_add_hint", "button_delete_hint", "search_keys_hint", "search_hint", "count", "delete_question",
                "counter_hint", "status_new", "status_learning", "status_learned", "status_removed" })
        + Prefixed("message_column_",
            { "word", "transcription", "translation", "part_of_speech", "status", "choice", "pairs", "recall",
                "typed" })
        + QStringList { "message_language_none" };
    keys["Form_import"] = QStringList { "Form_import", "Label_file", "Button_browse", "Label_encoding", "Label_word",
        "Label_translation", "Label_transcription", "Label_part", "Label_example", "Label_comment", "Label_preview",
        "Label_target", "RadioButton_open", "RadioButton_new", "Button_import", "Button_cancel" }
        + Prefixed("message_",
            { "open_title", "filter", "new_title", "format_csv", "format_tsv", "format_notes", "format_kvtml",
                "encoding_auto", "column_none", "column_number", "column_pronunciation", "preview_word",
                "preview_transcription", "preview_translation", "preview_part", "choose_columns", "result",
                "first_rejections", "cancelled" });
    keys["Form15"] = QStringList { "Form15", "Label1", "Button1", "glWizardHeader1", "glWizardHeader2" };
    return keys;
}

bool MenuItemExists(QWidget* window, const QString& line)
{
    const auto target = ParseMenuEntry(line);
    auto* bar = window->findChild<QMenuBar*>("MainMenu1");
    if (!target || bar == nullptr || target->Top >= bar->actions().size()) {
        return false;
    }
    if (target->IsTopLevel) {
        return true;
    }
    QMenu* menu = bar->actions()[target->Top]->menu();
    return menu != nullptr && target->Item < menu->actions().size();
}

} // namespace

class TestLanguageFiles : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyKeyIsThereAndNamesSomethingReal_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("russian") << "rus.lng";
        QTest::newRow("english") << "eng.lng";
    }
    void everyKeyIsThereAndNamesSomethingReal()
    {
        QFETCH(QString, file);
        TestProgram program;
        program.prompts.ExpectOpenFile(program.MakeDictionary("a.dat", "L*"));
        GlossmereApp app(program.paths, program.services, program.tray);
        app.Start();
        const QMap<QString, QWidget*> windows { { "Form1", app.Main() }, { "Form2", app.Statistics() },
            { "Form3", app.Information() }, { "Form4", app.Learning() }, { "Form5", app.SettingsWindow() },
            { "Form6", app.Splash() }, { "Form7", app.About() }, { "Form15", app.Subscription() },
            { "Form_editor", app.Editor() }, { "Form_import", app.Import() } };
        const IniFile language(qEnvironmentVariable("GLOSSMERE_SOURCE_DIR") + "/data/Language/" + file);
        const QMap<QString, QStringList> required = RequiredKeys();
        for (auto section = required.begin(); section != required.end(); ++section) {
            QStringList present;
            QWidget* window = windows.value(section.key());
            for (const QString& line : language.ReadSection(section.key())) {
                const LanguageEntry entry = LanguageEntry::Parse(line);
                present.append(entry.Key);
                const bool real = entry.Kind == "message" || entry.Key == section.key()
                    || (entry.Kind == "MainMenu" && MenuItemExists(window, line))
                    || (entry.Key == "glWizardHeader2" && ComponentText::Find(window, "glWizardHeader1"))
                    || ComponentText::Find(window, entry.Key) != nullptr;
                QVERIFY2(real, qPrintable(section.key() + ": " + entry.Key + " names nothing"));
                QVERIFY2(section.value().contains(entry.Key), qPrintable(section.key() + ": unknown " + entry.Key));
            }
            for (const QString& key : section.value()) {
                QVERIFY2(present.contains(key), qPrintable(section.key() + " lacks " + key));
            }
        }
    }
};

QTEST_MAIN(TestLanguageFiles)
#include "tst_LanguageFiles.moc"
