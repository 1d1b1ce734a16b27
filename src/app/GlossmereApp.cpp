#include "app/GlossmereApp.h"

#include "app/MainWindow.h"
#include "base/AppError.h"
#include "base/Prompts.h"
#include "base/Services.h"
#include "base/StartupSettings.h"
#include "base/Tray.h"
#include "base/UserText.h"
#include "editor/CardEditorWindow.h"
#include "i18n/QtTranslations.h"
#include "importing/FileCommands.h"
#include "importing/ImportDialog.h"
#include "learning/LearningController.h"
#include "learning/LearningWindow.h"
#include "settings/ReminderTimer.h"
#include "settings/SettingsDialog.h"
#include "settings/SettingsDialogController.h"
#include "stats/DictionaryInfoWindow.h"
#include "stats/MaintenanceCommands.h"
#include "stats/StatisticsWindow.h"
#include "store/DictionaryCipher.h"
#include "ui/Placement.h"
#include "windows/AboutWindow.h"
#include "windows/SplashWindow.h"
#include "windows/SubscriptionPrompt.h"

#include <QApplication>
#include <QDialog>
#include <QTranslator>

GlossmereApp::GlossmereApp(AppPaths paths, Services& services, Tray& tray)
    : m_paths(std::move(paths))
    , m_services(services)
    , m_tray(tray)
    , m_runModal([](QDialog& dialog) { dialog.exec(); })
    , m_showModal([this](QDialog& dialog) {
        Placement::PlaceOver(dialog, AnchorOf(dialog));
        m_runModal(dialog);
    })
{
}

GlossmereApp::~GlossmereApp()
{
    UserText::InstallLookup({});
}

void GlossmereApp::SetModalRunner(std::function<void(QDialog&)> runner)
{
    m_runModal = std::move(runner);
}

QWidget* GlossmereApp::AnchorOf(const QDialog& dialog) const
{
    // The settings dialog and the subscription prompt open in the middle of the screen; the
    // other windows over the main window.
    if (&dialog == m_settingsDialog || &dialog == m_subscription.get()) {
        return nullptr;
    }
    return m_main.get();
}

void GlossmereApp::Start()
{
    m_splash = std::make_unique<SplashWindow>();
    StartupSettings::PrepareSettingsFile(m_paths);
    m_settings = std::make_unique<SettingsStore>(m_paths.SettingsPath, m_services.clock);
    const StartupDecision decision = StartupSettings::ReadStartupSettings(m_paths.SettingsPath, m_settings->Settings());
    m_languageName = decision.LanguageName;
    m_texts = std::make_unique<LanguageTable>(m_paths.ExeFolder, m_languageName);
    m_qtTexts = QtTranslations::Install(m_languageName);
    // Errors composed below the windows reach the user in the interface language too.
    UserText::InstallLookup([texts = m_texts.get()](const QString& key) { return texts->LookupMessage(key); });
    m_texts->ApplyLanguage(QStringLiteral("form6"), m_languageName, m_splash.get());
    m_splash->ShowCentred();

    CreateWindows();
    for (const auto& [key, window] :
        { std::pair<const char*, QWidget*> { "form2", m_statistics }, { "form3", m_information },
            { "form4", m_learning.get() }, { "form5", m_settingsDialog }, { "form7", m_about },
            { "form_editor", m_editor }, { "form15", m_subscription.get() }, { "formimport", m_import } }) {
        m_texts->ApplyLanguage(QString::fromLatin1(key), m_languageName, window);
    }
    m_splash->hide();
    if (decision.SubscriptionPromptDue) {
        m_subscriptionPromptShown = true;
        m_showModal(*m_subscription);
    }
}

void GlossmereApp::CreateWindows()
{
    m_store = std::make_unique<DictionaryStore>(m_services.events);
    m_main = std::make_unique<MainWindow>(
        MainWindow::Context { m_services, m_paths, *m_settings, *m_texts, *m_store, m_tray, m_languageName });
    m_statistics = new StatisticsWindow(m_main.get());
    m_information = new DictionaryInfoWindow(m_main.get());
    m_learning = std::make_unique<LearningWindow>();
    m_settingsDialog = new SettingsDialog(m_main.get());
    m_about = new AboutWindow(m_services.shell, m_main.get());
    m_editor = new CardEditorWindow({ *m_store, m_services.prompts, *m_texts }, m_main.get());
    m_subscription = std::make_unique<SubscriptionPrompt>(m_services.shell);
    m_tray.SetTexts({ m_texts->LookupMessage(QStringLiteral("form1_message_tray_open")),
        m_texts->LookupMessage(QStringLiteral("form1_message_tray_settings")),
        m_texts->LookupMessage(QStringLiteral("form1_message_tray_exit")),
        m_texts->LookupMessage(QStringLiteral("form1_message_tray_hint")) });
    m_main->Maintenance().SetWindows(m_statistics, m_information);
    m_main->Maintenance().SetModalRunner(m_showModal);
    m_import = new ImportDialog(m_main.get());
    m_main->Files().SetImportDialog(m_import);
    m_main->Files().SetModalRunner(m_showModal);
    m_reminders = std::make_unique<ReminderTimer>(
        m_settings->Settings(), m_services.clock, [this]() -> QWidget& { return BringBack(); });
    m_settingsController = std::make_unique<SettingsDialogController>(SettingsDialogController::Context {
        *m_settingsDialog, *m_settings, *m_texts, m_services.prompts, m_tray, *m_reminders });
    QObject::connect(m_settingsController.get(), &SettingsDialogController::BackToTrayRequested, m_main.get(),
        &MainWindow::HideToTray);
    ConnectCommands();
}

void GlossmereApp::ConnectCommands()
{
    QObject::connect(m_main.get(), &MainWindow::Closed, qApp, &QCoreApplication::quit);
    QObject::connect(&m_tray, &Tray::ExitRequested, qApp, &QCoreApplication::quit);
    QObject::connect(m_main.get(), &MainWindow::AboutRequested, m_main.get(), [this] { m_showModal(*m_about); });
    // Memorization mode: the learning window owns the session that drives it.
    m_learningController = new LearningController(
        *m_learning, { m_services, *m_settings, *m_texts, *m_store, m_tray, *m_main }, m_learning.get());
    QObject::connect(
        m_main.get(), &MainWindow::LearningRequested, m_learningController, &LearningController::StartLearningSession);
    QObject::connect(m_learningController, &LearningController::BlockLearned, m_main.get(),
        [this] { m_main->Browser().ShowPosition(); });
    // The card editor over the open dictionary; the main window follows each change.
    const auto openEditor = [this] {
        m_editor->OpenDictionary();
        m_showModal(*m_editor);
    };
    QObject::connect(m_main.get(), &MainWindow::EditorRequested, m_main.get(), openEditor);
    // A new dictionary opens in the editor, ready for its first word.
    QObject::connect(m_main.get(), &MainWindow::NewDictionaryOpened, m_main.get(), openEditor);
    QObject::connect(
        m_editor, &CardEditorWindow::CardsChanged, m_main.get(), [this] { m_main->Browser().FollowCardChanges(); });
    QObject::connect(m_editor, &CardEditorWindow::LanguageChanged, m_main.get(), &MainWindow::ShowSpeechState);
    QObject::connect(&m_tray, &Tray::OpenRequested, m_main.get(), [this] { BringBack(); });
    const auto openSettings = [this] { m_settingsController->OpenSettingsDialog(m_showModal); };
    QObject::connect(m_main.get(), &MainWindow::SettingsRequested, m_main.get(), openSettings);
    QObject::connect(&m_tray, &Tray::SettingsRequested, m_main.get(), openSettings);
    m_reminders->Apply(); // as the settings file said when the main window was created
}

QWidget& GlossmereApp::BringBack()
{
    if (m_learningController->SessionShown()) {
        m_learningController->BringBack();
        return *m_learning;
    }
    m_main->BringBack();
    return *m_main;
}

int GlossmereApp::Run()
{
    // Without an encrypting engine every dictionary would read as damaged and new ones
    // would be written in clear: stop at once, saying why.
    try {
        DictionaryCipher::CheckEngine();
    } catch (const AppError& error) {
        m_services.prompts.Error(error.Message());
        return 1;
    }
    QApplication::setQuitOnLastWindowClosed(false);
    Start();
    m_main->show();
    return QApplication::exec();
}
