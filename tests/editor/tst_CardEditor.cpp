// The card editor through its real window: what reaches the dictionary file and what the
// main window shows after each change.

#include "support/DictionaryBuilder.h"
#include "support/DictionaryProbe.h"
#include "support/FileSizeLimit.h"
#include "support/TestProgram.h"

#include "app/GlossmereApp.h"
#include "app/MainWindow.h"
#include "editor/CardEditorWindow.h"
#include "editor/CardListModel.h"
#include "store/DictionaryStore.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

namespace {

struct Running {
    TestProgram program;
    QString dictionary;
    std::unique_ptr<GlossmereApp> app;
    QStringList modal;

    explicit Running(const DictionaryBuilder& cards, const QByteArray& language = "english")
    {
        dictionary = cards.Write(program.paths.ExeFolder + "Dicts/cards.dat");
        program.WriteSettings("[Main]\nLanguage=" + language + "\nDict=" + dictionary.toUtf8() + "\n");
        app = std::make_unique<GlossmereApp>(program.paths, program.services, program.tray);
        app->SetModalRunner([this](QDialog& dialog) { modal.append(dialog.objectName()); });
        app->Start();
        // The editor opens from its toolbar button; the test runner shows it without a loop.
        QTest::mouseClick(app->Main()->findChild<QToolButton*>("LMDSpeedButton_edit"), Qt::LeftButton);
        Editor()->show();
        QApplication::setActiveWindow(Editor());
        QVERIFY(QTest::qWaitForWindowActive(Editor()));
        Table()->setFocus();
    }
    CardEditorWindow* Editor() const { return app->Editor(); }
    QTableView* Table() const { return Editor()->Table(); }
    CardListModel& Model() const { return Editor()->Model(); }
    QString Main(const char* label) const { return app->Main()->findChild<QLabel*>(label)->text(); }
    // The table's words, from the top, as the user sees them.
    QString Words() const
    {
        QStringList words;
        for (int row = 0; row < Model().rowCount(); ++row) {
            words << Model().index(row, CardListModel::Word).data().toString();
        }
        return words.join(' ');
    }
    int RowOf(const QString& word) const { return Words().split(' ').indexOf(word); }
    // Starts editing a cell with F2, types the text over it and presses Enter.
    void Type(int row, int column, const QString& text) const
    {
        Table()->setCurrentIndex(Model().index(row, column));
        QTest::keyClick(Table(), Qt::Key_F2);
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor != nullptr && editor->parent() == Table()->viewport());
        editor->selectAll();
        editor->insert(text); // as typed: QTest types ASCII only
        QTest::keyClick(editor, Qt::Key_Return);
        const QPointer<QLineEdit> typed(editor);
        QTRY_VERIFY(typed.isNull() || typed->isHidden()); // the delegate commits queued
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

DictionaryBuilder Fruit()
{
    DictionaryBuilder cards;
    cards.Card("apple", "яблоко").Status("learning").Marked().Set(CardTable::Transcription, QString("ˈæpl"));
    cards.Card("Banana", "банан").Status("learned");
    cards.Card("cherry", "вишня");
    cards.Card("date", "финик").Status("ignore");
    return cards;
}

} // namespace

class TestCardEditor : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void showsEveryCardInOrderWithStatusAndCounters()
    {
        Running r(Fruit());
        QCOMPARE(r.modal, QStringList { "Form_editor" });
        QCOMPARE(r.Words(), QString("apple Banana cherry date"));
        QCOMPARE(r.Model().index(0, CardListModel::Transcription).data().toString(), QString("ˈæpl"));
        QCOMPARE(r.Model().index(1, CardListModel::Status).data().toString(), QString("Learned"));
        QCOMPARE(r.Model().index(3, CardListModel::Status).data().toString(), QString("Removed from learning"));
        QCOMPARE(r.Model().index(0, CardListModel::ChoiceCount).data().toInt(), 0);
        QVERIFY(!(r.Model().flags(r.Model().index(0, CardListModel::Status)) & Qt::ItemIsEditable));
        QCOMPARE(r.Editor()->findChild<QLabel*>("Label_count")->text(), QString("Shown: 4 of 4 cards"));
    }

    void searchFiltersAsTheUserTypesInAnyLetterCase()
    {
        Running r(Fruit());
        QTest::keyClick(r.Table(), Qt::Key_F, Qt::ControlModifier);
        auto* search = r.Editor()->findChild<QLineEdit*>("Edit_search");
        QVERIFY(search->hasFocus());
        search->insert("В");
        search->insert("И");
        QCOMPARE(r.Words(), QString("cherry"));
        QTest::keyClicks(search, "x");
        QCOMPARE(r.Words(), QString());
        search->setText("AN");
        QCOMPARE(r.Words(), QString("Banana"));
        search->setText("æp"); // the transcription
        QCOMPARE(r.Words(), QString("apple"));
        QCOMPARE(r.Editor()->findChild<QLabel*>("Label_count")->text(), QString("Shown: 1 of 4 cards"));
        search->clear();
        QCOMPARE(r.Words(), QString("apple Banana cherry date"));
    }

    void addedCardGoesToItsPlaceInFileAndMainWindow()
    {
        Running r(Fruit());
        QTest::keyClick(r.Table(), Qt::Key_Insert);
        QCOMPARE(r.Words(), QString(" apple Banana cherry date"));
        // No word: refused with a message, nothing written.
        const QByteArray before = DictionaryProbe::Bytes(r.dictionary);
        r.program.prompts.ExpectError();
        r.Type(0, CardListModel::Translation, "черника");
        r.Type(0, CardListModel::Word, " ");
        VERIFY_PROMPTS(r.program.prompts);
        QVERIFY(r.program.prompts.LastText().contains("needs a word"));
        QCOMPARE(DictionaryProbe::Bytes(r.dictionary), before);

        r.Type(0, CardListModel::Word, "blueberry");
        QCOMPARE(r.Words(), QString("apple Banana blueberry cherry date"));
        QCOMPARE(r.Table()->currentIndex().row(), 2);
        QCOMPARE(DictionaryProbe::Column(r.dictionary, "header"),
            QStringList({ "apple", "Banana", "cherry", "date", "blueberry" }));
        QCOMPARE(DictionaryProbe::Column(r.dictionary, "translation").last(), QString("черника"));
        QCOMPARE(r.program.DictionaryPattern(r.dictionary), QString("L*D..I"));
        // The main window stays on its card and counts the new one; Ctrl+N adds too.
        QCOMPARE(r.Main("StatusPanel0"), QString("1/5"));
        QCOMPARE(r.Main("StatusPanel1"), QString("Learned 1 of 5"));
        QTest::keyClick(r.Table(), Qt::Key_N, Qt::ControlModifier);
        QVERIFY(r.Model().HasDraft());
    }

    void editedTextsReachFileAndMainWindow()
    {
        Running r(Fruit());
        r.Type(0, CardListModel::Translation, "  яблочко ");
        QCOMPARE(DictionaryProbe::Text(r.dictionary, 1, "translation"), QString("яблочко"));
        QCOMPARE(r.Main("label_translation"), QString("яблочко"));
        // A new word moves the card, current and marked still, to its place.
        r.Type(0, CardListModel::Word, "zucchini");
        QCOMPARE(r.Words(), QString("Banana cherry date zucchini"));
        QCOMPARE(r.Table()->currentIndex().row(), 3);
        QCOMPARE(r.Main("Label_word"), QString("zucchini"));
        QCOMPARE(r.Main("StatusPanel0"), QString("4/4"));
        QCOMPARE(r.program.DictionaryPattern(r.dictionary), QString("D.IL*"));
        // The part of speech from its list.
        r.Table()->setCurrentIndex(r.Model().index(3, CardListModel::PartOfSpeech));
        QTest::keyClick(r.Table(), Qt::Key_F2);
        auto* list = r.Table()->viewport()->findChild<QComboBox*>("ComboBox_part_of_speech");
        QVERIFY(list != nullptr);
        QCOMPARE(list->itemText(list->findData("noun")), QString("noun (n.)"));
        list->setCurrentIndex(list->findData("noun"));
        Q_EMIT list->activated(list->currentIndex());
        QTRY_COMPARE(DictionaryProbe::Text(r.dictionary, 1, "part_of_speech"), QString("noun"));
        QCOMPARE(r.Model().index(3, CardListModel::PartOfSpeech).data().toString(), QString("noun (n.)"));
    }

    void deletingTheCurrentCardMakesTheNextCurrentAndMarked()
    {
        Running r(Fruit());
        r.Table()->selectRow(0);
        r.program.prompts.ExpectConfirm(false).ExpectConfirm(true);
        QTest::keyClick(r.Table(), Qt::Key_Delete);
        QCOMPARE(r.Words(), QString("apple Banana cherry date"));
        QTest::keyClick(r.Table(), Qt::Key_Delete);
        VERIFY_PROMPTS(r.program.prompts);
        QVERIFY(r.program.prompts.Prompt(1).noByDefault);
        QCOMPARE(r.Words(), QString("Banana cherry date"));
        // Banana is learned: the mark goes to it without a change of status.
        QCOMPARE(r.program.DictionaryPattern(r.dictionary), QString("D*.I"));
        QCOMPARE(r.Main("Label_word"), QString("Banana"));
        QCOMPARE(r.Main("StatusPanel0"), QString("1/3"));
        QCOMPARE(r.Main("StatusPanel1"), QString("Learned 1 of 3"));
        QCOMPARE(r.app->Main()->Browser().CurrentRecord(), 1);
    }

    void failedWriteLeavesTableAndFileAsTheyWere()
    {
        Running r(Fruit());
        const QByteArray before = DictionaryProbe::Bytes(r.dictionary);
        r.program.prompts.ExpectError().ExpectConfirm(true).ExpectError();
        {
            const FileSizeLimit full(256); // the journal cannot be written
            QVERIFY(full.Applied());
            r.Type(2, CardListModel::Word, "apricot");
            r.Table()->selectRow(1);
            r.Editor()->DeleteSelectedCards();
        }
        VERIFY_PROMPTS(r.program.prompts);
        QVERIFY(r.program.prompts.Prompt(0).text.contains(r.dictionary));
        QCOMPARE(r.Words(), QString("apple Banana cherry date"));
        QCOMPARE(DictionaryProbe::Bytes(r.dictionary), before);
        QCOMPARE(r.Main("StatusPanel0"), QString("1/4"));
        // The program goes on: the next change is written.
        r.Type(2, CardListModel::Word, "apricot");
        QCOMPARE(r.Words(), QString("apple apricot Banana date"));
    }

    void languageOfTheWordsIsSavedInTheFile()
    {
        Running r(Fruit());
        auto* languages = r.Editor()->findChild<QComboBox*>("ComboBox_language");
        QCOMPARE(languages->currentText(), QString("not set"));
        const int english = languages->findData("en");
        QCOMPARE(languages->itemText(english), QString("English"));
        languages->setCurrentIndex(english);
        Q_EMIT languages->activated(english);
        QCOMPARE(r.app->Store().Language(), QString("en"));
        QCOMPARE(DictionaryProbe::Query(r.dictionary, "SELECT value FROM glossmere_properties WHERE name = 'language'"),
            QString("en"));
    }
};

QTEST_MAIN(TestCardEditor)
#include "tst_CardEditor.moc"
