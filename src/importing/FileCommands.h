#pragma once

// The File menu's commands that make files: a new, empty dictionary; words imported from a
// word list (the import dialog); the open dictionary exported as CSV, as the dictionary
// tool's export writes it. The main window opens what they made and shows what changed.

#include <QString>
#include <functional>
#include <memory>
#include <optional>

class DictionaryStore;
class ImportController;
class ImportDialog;
class LanguageTable;
class QDialog;
class QWidget;
struct Services;

class FileCommands {
public:
    struct Context {
        DictionaryStore& store;
        Services& services;
        const LanguageTable& texts;
        QString dictionaryFolder; // where new dictionaries and word lists are looked for first
    };

    // What an import left to do: open a new dictionary, or show the open one anew.
    struct Imported {
        std::optional<QString> newDictionary;
        bool openChanged = false;
    };

    explicit FileCommands(Context context);
    ~FileCommands();

    // The import dialog, made with the other windows (so it gets its language with them).
    void SetImportDialog(ImportDialog* dialog);
    ImportDialog* Dialog() const { return m_dialog; }
    // Shows a window modally; tests replace it so that they drive the window themselves.
    void SetModalRunner(std::function<void(QDialog&)> runner) { m_showModal = std::move(runner); }

    // Asks for the new dictionary's file and writes it, empty; its path, or nothing when the
    // user cancelled.
    std::optional<QString> NewDictionary();
    // Asks for a word list and runs the import dialog over it.
    Imported ImportWords();
    // Asks for the CSV file and writes every card of the open dictionary to it.
    void ExportCsv();

private:
    QString Message(const char* key) const;

    Context m_context;
    ImportDialog* m_dialog = nullptr;
    std::unique_ptr<ImportController> m_controller;
    std::function<void(QDialog&)> m_showModal;
    QString m_wordListFolder;
};
