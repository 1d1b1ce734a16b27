#pragma once

// The program as a whole. Start-up runs once before the event loop, in a fixed order: the
// settings file is found or made from its template, the language decided and the start
// counted; the splash window shows while every window is built (the main window's
// creation opens the dictionary) and localized; the subscription prompt comes on the
// fifth start; then the event loop runs until the main window closes.

#include "base/AppPaths.h"
#include "base/AppSettings.h"
#include "base/SettingsStore.h"
#include "i18n/LanguageTable.h"
#include "store/DictionaryStore.h"

#include <functional>
#include <memory>

class AboutWindow;
class CardEditorWindow;
class DictionaryInfoWindow;
class ImportDialog;
class LearningController;
class LearningWindow;
class QWidget;
class MainWindow;
class QTranslator;
class QDialog;
class ReminderTimer;
class SettingsDialog;
class SettingsDialogController;
class SplashWindow;
class StatisticsWindow;
class SubscriptionPrompt;
class Tray;
struct Services;

class GlossmereApp {
public:
    GlossmereApp(AppPaths paths, Services& services, Tray& tray);
    ~GlossmereApp();

    // Shows a window modally, once it is placed on the screen; tests replace it so nothing
    // blocks.
    void SetModalRunner(std::function<void(QDialog&)> runner);

    // Start-up up to the event loop: everything but showing the main window.
    void Start();
    // Start-up, then the event loop; returns the program's exit code.
    int Run();

    const QString& LanguageName() const { return m_languageName; }
    bool SubscriptionPromptShown() const { return m_subscriptionPromptShown; }
    SettingsStore& Settings() { return *m_settings; }
    LanguageTable& Texts() { return *m_texts; }
    DictionaryStore& Store() { return *m_store; }
    MainWindow* Main() const { return m_main.get(); }
    StatisticsWindow* Statistics() const { return m_statistics; }
    DictionaryInfoWindow* Information() const { return m_information; }
    ImportDialog* Import() const { return m_import; }
    LearningWindow* Learning() const { return m_learning.get(); }
    SettingsDialog* SettingsWindow() const { return m_settingsDialog; }
    ReminderTimer* Reminders() const { return m_reminders.get(); }
    AboutWindow* About() const { return m_about; }
    CardEditorWindow* Editor() const { return m_editor; }
    SubscriptionPrompt* Subscription() const { return m_subscription.get(); }
    SplashWindow* Splash() const { return m_splash.get(); }

    // "Открыть", a double click on the tray icon, a reminder: the learning window comes back
    // while a session runs, the main window otherwise. Returns the window brought back.
    QWidget& BringBack();

private:
    void CreateWindows();
    void ConnectCommands();

    AppPaths m_paths;
    Services& m_services;
    Tray& m_tray;
    QWidget* AnchorOf(const QDialog& dialog) const;

    std::function<void(QDialog&)> m_runModal;
    std::function<void(QDialog&)> m_showModal; // places the window, then m_runModal
    QString m_languageName;
    bool m_subscriptionPromptShown = false;
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<LanguageTable> m_texts;
    std::unique_ptr<QTranslator> m_qtTexts; // Qt's own texts in the interface language
    std::unique_ptr<DictionaryStore> m_store;
    std::unique_ptr<SplashWindow> m_splash;
    std::unique_ptr<MainWindow> m_main;
    std::unique_ptr<LearningWindow> m_learning;
    // The main window's dialogs: owned by it, as their Qt parent.
    StatisticsWindow* m_statistics = nullptr;
    DictionaryInfoWindow* m_information = nullptr;
    ImportDialog* m_import = nullptr;
    SettingsDialog* m_settingsDialog = nullptr;
    AboutWindow* m_about = nullptr;
    CardEditorWindow* m_editor = nullptr;
    std::unique_ptr<SubscriptionPrompt> m_subscription;
    LearningController* m_learningController = nullptr; // owned by the learning window
    // Declared last, so they are destroyed before the windows they refer to.
    std::unique_ptr<ReminderTimer> m_reminders;
    std::unique_ptr<SettingsDialogController> m_settingsController;
};
