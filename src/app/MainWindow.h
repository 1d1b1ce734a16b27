#pragma once

// The main window: familiarization mode and the home of every command. It shows one card
// at a time (CardBrowser holds the paging rules), carries the menus, the toolbar, the
// status bar and the tray icon, and closing it ends the program.

#include "browser/CardBrowser.h"

#include <QMainWindow>
#include <memory>

struct AppPaths;
class DictionaryStore;
class FileCommands;
class GradientPanel;
class HelpWindow;
class LanguageTable;
class MaintenanceCommands;
class QLabel;
class QToolButton;
class SettingsStore;
class Tray;
struct Services;

class MainWindow : public QMainWindow, private CardView {
    Q_OBJECT

public:
    struct Context {
        Services& services;
        const AppPaths& paths;
        SettingsStore& settings;
        LanguageTable& texts;
        DictionaryStore& store;
        Tray& tray;
        QString languageName;
    };

    // Builds the window and runs its creation: settings, language, choosing and opening
    // the dictionary, the first card.
    explicit MainWindow(Context context, QWidget* parent = nullptr);
    ~MainWindow() override;

    CardBrowser& Browser() { return m_browser; }
    MaintenanceCommands& Maintenance() { return *m_maintenance; }
    FileCommands& Files() { return *m_files; }
    GradientPanel* BusyPanel() const { return m_busyPanel; }
    const QString& DictionaryPath() const { return m_dictionaryPath; }

    // The open command of the File menu: choose a dictionary and open it; cancelling the
    // dialog reopens the current one.
    void OpenDictionaryCommand();
    // File > New dictionary: an empty dictionary, opened at once.
    void NewDictionaryCommand();
    // File > Import words: the import dialog; the words land in the open dictionary (shown
    // anew, on the same card) or in a new one, which is opened.
    void ImportWordsCommand();
    // Shows the help page of the interface language in the help window; a missing page is
    // an error.
    void ShowHelp();
    HelpWindow* Help() const { return m_help; }
    // Leaves the screen for the notification area (an ordinary minimize where there is
    // none) and comes back; a window already on the screen stays as it is.
    void HideToTray();
    void BringBack();
    // The speaker button: enabled when the dictionary's language can be said, its tooltip
    // saying what is missing otherwise.
    void ShowSpeechState();

Q_SIGNALS:
    void SettingsRequested();
    void AboutRequested();
    void LearningRequested();
    void EditorRequested();
    // A new, empty dictionary was made and opened: the place for its first words.
    void NewDictionaryOpened();
    void Closed(); // closing the main window ends the program

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildToolbar(QWidget* client);
    void BuildCardArea(QWidget* client);
    void BuildStatusBar();
    void BuildMenu();
    void ChooseDictionaryAtFirstStart();
    void SayWord();
    // The file dialog's filter: dictionary files, named in the interface language.
    QString DictionaryFilter() const;
    void OpenAndShow();
    // Opens another dictionary file for good: the settings remember it.
    void SwitchTo(const QString& path);
    // Reads the cards again after a change made around the browser (an import) and shows
    // the card that was current, wherever the order put it.
    void ReloadKeepingCurrentCard();
    void SetDictionaryCaption();
    QString DictionaryFolder() const;
    void ShowCardTexts(const QString& word, const QString& transcription, const QString& translation) override;
    void ShowPositionText(const QString& text) override;
    void ShowLearnedText(const QString& text) override;
    template <class Command> void Guarded(Command&& command);

    Context m_context;
    CardBrowser m_browser;
    std::unique_ptr<MaintenanceCommands> m_maintenance;
    std::unique_ptr<FileCommands> m_files;
    QString m_dictionaryPath;
    QString m_dialogTitle;
    HelpWindow* m_help = nullptr; // made on the first request for help
    QToolButton* m_say = nullptr; // LMDSpeedButton_say
    QString m_shownWord; // the word of the card on show
    QString m_dialogFolder;
    QLabel* m_word = nullptr;
    QLabel* m_transcription = nullptr;
    QLabel* m_translation = nullptr;
    QLabel* m_position = nullptr;
    QLabel* m_learned = nullptr;
    GradientPanel* m_busyPanel = nullptr;
};
