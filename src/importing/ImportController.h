#pragma once

#include "words/TextEncoding.h"
#include "words/WordFile.h"
#include "words/WordImport.h"

#include <QObject>
#include <QString>
#include <optional>

class DictionaryStore;
class ImportDialog;
class LanguageTable;
class SqliteConnection;
struct Services;

// Runs the import dialog: loads a word list chosen by the user, fills the encoding and
// column choices from what the file says, shows the first rows as cards under the current
// choices, and imports the whole file into the open dictionary or a new one when the user
// says so, the progress bar following and Cancel stopping it (nothing is written then).
// What the file cannot give (a broken document, a binary file) is shown in an error box.
class ImportController : public QObject {
    Q_OBJECT

public:
    struct Context {
        ImportDialog& dialog;
        Services& services;
        const LanguageTable& texts;
        DictionaryStore& store;
        QString folder; // where a new dictionary is offered first
    };

    explicit ImportController(Context context, QObject* parent = nullptr);

    // Reads the file's kind and first rows into the dialog. Throws AppError for a file that
    // cannot be imported; the dialog is left as it was then.
    void Load(const QString& path);

    // After the dialog closes: the new dictionary the words went into, if that was the
    // choice, and whether the open one received words.
    const std::optional<QString>& NewDictionary() const { return m_newDictionary; }
    bool ChangedOpenDictionary() const { return m_changedOpen; }

private:
    QString Text(const char* key) const;
    void Browse();
    void FillChoices();
    void ShowPreview();
    // The source as chosen in the dialog, opened afresh from its first row.
    std::unique_ptr<WordSource> OpenSource() const;
    ColumnMapping ChosenMapping() const;
    void RunImport();
    WordImport::Outcome ImportInto(SqliteConnection& connection);
    bool ReportProgress(qint64 done, qint64 total);
    void ShowOutcome(const WordImport::Outcome& outcome);
    void SetBusy(bool busy);

    Context m_context;
    QString m_path;
    WordFile::Kind m_kind;
    TextEncoding m_detected = TextEncoding::Utf8;
    std::vector<WordColumn> m_sourceColumns;
    bool m_linesArePlaces = true;
    bool m_filling = false; // the choices are being refilled: no preview for each step
    bool m_running = false;
    bool m_cancelRequested = false;
    std::optional<QString> m_newDictionary;
    bool m_changedOpen = false;
};
