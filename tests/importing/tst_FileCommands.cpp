#include "app/GlossmereApp.h"
#include "app/MainWindow.h"
#include "importing/FileCommands.h"
#include "importing/ImportDialog.h"
#include "store/CardCsv.h"
#include "store/DictionaryFile.h"
#include "store/SqliteConnection.h"
#include "support/DictionaryProbe.h"
#include "support/TestProgram.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>

namespace {

struct Running {
    TestProgram program;
    QString dictionary;
    std::unique_ptr<GlossmereApp> app;

    explicit Running(const QString& pattern)
    {
        dictionary = program.MakeDictionary("cards.dat", pattern);
        program.WriteSettings("[Main]\nLanguage=english\nDict=" + dictionary.toUtf8() + "\n");
        app = std::make_unique<GlossmereApp>(program.paths, program.services, program.tray);
        app->SetModalRunner([](QDialog&) {});
        app->Start();
    }
    MainWindow* Main() const { return app->Main(); }
    QString Word() const { return Main()->findChild<QLabel*>("Label_word")->text(); }
    QString Position() const { return Main()->findChild<QLabel*>("StatusPanel0")->text(); }
    QString File(const QString& name) const { return program.paths.ExeFolder + name; }
    QString Write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(File(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return File(name);
    }
    // Runs the import dialog (the word list is chosen in the file dialog the test expects):
    // `drive` works the dialog as the user would.
    void Import(const std::function<void(ImportDialog&)>& drive)
    {
        Main()->Files().SetModalRunner([&drive](QDialog& dialog) { drive(static_cast<ImportDialog&>(dialog)); });
        Main()->ImportWordsCommand();
    }
};

QString Cell(ImportDialog& dialog, int row, int column)
{
    const QTableWidgetItem* item = dialog.Preview()->item(row, column);
    return item ? item->text() : QString();
}

} // namespace

class TestFileCommands : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The preview follows the column choice; the words reach the file and the main window
    // stays on its card, wherever the new cards put it.
    void importIntoTheOpenDictionary()
    {
        Running r(".L*..");
        QCOMPARE(r.Word(), QString("w02"));
        const QString list = r.Write("list.csv", "a1,an,ə\nw02,t2\nzz,зз\n,нет\n");
        r.program.prompts.ExpectOpenFile(list).ExpectInformation();
        r.Import([](ImportDialog& dialog) {
            QCOMPARE(Cell(dialog, 0, 0), QString("a1"));
            QCOMPARE(Cell(dialog, 0, 2), QString("an"));
            dialog.ColumnBox(WordField::Transcription)->setCurrentIndex(3); // the third column
            QCOMPARE(Cell(dialog, 0, 1), QString("ə"));
            QCOMPARE(Cell(dialog, 3, 0), QString("line 4: no word"));
            QTest::mouseClick(dialog.ImportButton(), Qt::LeftButton);
            QVERIFY(!dialog.isVisible());
        });
        VERIFY_PROMPTS(r.program.prompts);
        QCOMPARE(r.program.prompts.LastText(),
            QString("Words imported: 2. Skipped as duplicates: 1. Rejected: 1.\n\nThe first rejected rows:\n"
                    "line 4: no word"));
        QCOMPARE(
            DictionaryProbe::Column(r.dictionary, "header"), QStringList({ "w01", "w02", "w03", "w04", "a1", "zz" }));
        QCOMPARE(DictionaryProbe::Text(r.dictionary, 5, "transcription"), QString("ə"));
        QCOMPARE(r.Word(), QString("w02"));
        QCOMPARE(r.Position(), QString("3/6"));
    }

    // A file that cannot be imported is reported before the dialog shows; nothing changes.
    void badFileIsReportedAndWritesNothing()
    {
        Running r(".L*");
        const QStringList before = DictionaryProbe::Column(r.dictionary, "header");
        r.program.prompts
            .ExpectOpenFile(r.Write("list.kvtml",
                "<kvtml version=\"2.0\"><identifiers><identifier id=\"0\"/><identifier "
                "id=\"1\"/></identifiers>\n<entries>\n<entry>"))
            .ExpectError();
        bool shown = false;
        r.Import([&shown](ImportDialog&) { shown = true; });
        VERIFY_PROMPTS(r.program.prompts);
        QVERIFY(!shown);
        QVERIFY2(r.program.prompts.LastText().contains("its XML is broken on line 3"),
            qPrintable(r.program.prompts.LastText()));
        QCOMPARE(DictionaryProbe::Column(r.dictionary, "header"), before);
    }

    void importIntoANewDictionaryOpensIt()
    {
        Running r("L*");
        const QString list = r.Write("list.tsv", "word\ttranslation\nsun\tсолнце\n");
        r.program.prompts.ExpectOpenFile(list).ExpectSaveFile(r.File("sky")).ExpectInformation();
        r.Import([](ImportDialog& dialog) {
            dialog.IntoNewButton()->setChecked(true);
            dialog.ImportButton()->click();
        });
        VERIFY_PROMPTS(r.program.prompts);
        QCOMPARE(r.Main()->DictionaryPath(), r.File("sky.dat"));
        QCOMPARE(r.Word(), QString("sun"));
        QCOMPARE(r.program.Setting("Main", "Dict"), r.File("sky.dat"));
        QCOMPARE(DictionaryProbe::Column(r.dictionary, "header"), QStringList({ "w01" }));
    }

    // An existing file is replaced only after a Yes; the new dictionary is empty and open.
    void newDictionary()
    {
        Running r("L*.");
        QSignalSpy opened(r.Main(), &MainWindow::NewDictionaryOpened);
        r.program.prompts.ExpectSaveFile(r.dictionary).ExpectConfirm(false);
        r.Main()->NewDictionaryCommand();
        QCOMPARE(DictionaryProbe::Column(r.dictionary, "header"), QStringList({ "w01", "w02" }));
        QCOMPARE(opened.count(), 0);

        r.program.prompts.ExpectSaveFile(r.File("fresh"));
        r.Main()->NewDictionaryCommand();
        VERIFY_PROMPTS(r.program.prompts);
        QCOMPARE(r.Main()->DictionaryPath(), r.File("fresh.dat"));
        QCOMPARE(DictionaryFile::Problem(r.File("fresh.dat")), QString());
        QCOMPARE(DictionaryProbe::Query(r.File("fresh.dat"), "SELECT count(*) FROM tab"), QString("0"));
        QCOMPARE(r.Position(), QString("0/0"));
        QCOMPARE(opened.count(), 1);
    }

    // Export writes what the dictionary tool's export writes.
    void exportToCsv()
    {
        Running r("DL*I");
        r.program.prompts.ExpectSaveFile(r.File("out")).ExpectInformation();
        r.Main()->findChild<QAction*>("N_export")->trigger();
        VERIFY_PROMPTS(r.program.prompts);
        QCOMPARE(r.program.prompts.LastText(), QString("Cards exported: 3."));
        QFile written(r.File("out.csv"));
        QVERIFY(written.open(QIODevice::ReadOnly));
        auto connection = DictionaryFile::Open(r.dictionary);
        QCOMPARE(written.readAll(), CardCsv::Write(DictionaryFile::ReadCards(*connection), CardCsv::Separator::Comma));
    }
};

QTEST_MAIN(TestFileCommands)
#include "tst_FileCommands.moc"
