#include "stats/MaintenanceCommands.h"

#include "base/Clock.h"
#include "base/EventPump.h"
#include "base/IniFile.h"
#include "base/Prompts.h"
#include "base/Services.h"
#include "browser/CardBrowser.h"
#include "i18n/LanguageTable.h"
#include "stats/DictionaryInfoWindow.h"
#include "stats/StatisticsWindow.h"
#include "store/CardTable.h"
#include "store/Dataset.h"
#include "store/DictionaryStore.h"
#include "store/InformationFile.h"
#include "store/StatusCounts.h"
#include "ui/GradientPanel.h"

#include <QDialog>
#include <QFileInfo>

using namespace CardTable;

MaintenanceCommands::MaintenanceCommands(Context context)
    : m_context(std::move(context))
    , m_showModal([](QDialog& dialog) { dialog.exec(); })
{
}

void MaintenanceCommands::SetWindows(StatisticsWindow* statistics, DictionaryInfoWindow* information)
{
    m_statistics = statistics;
    m_information = information;
}

void MaintenanceCommands::ShowDictionaryInfo()
{
    if (!m_context.store.IsOpen() || m_information == nullptr) {
        return;
    }
    const IniFile info(InformationFilePath(m_context.store.Path()));
    m_information->SetInfo(info.ReadString(m_context.languageName, QStringLiteral("Info"), QString()));
    m_showModal(*m_information);
}

void MaintenanceCommands::ShowStatistics()
{
    if (!m_context.store.IsOpen() || m_statistics == nullptr) {
        return;
    }
    const auto text = [this](const char* key) { return m_context.texts.LookupMessage(QString::fromLatin1(key)); };
    m_statistics->SetCounts(m_context.store.Browser().Statuses(),
        { text("form2_message_status_new"), text("form2_message_status_learning"), text("form2_message_status_learned"),
            text("form2_message_status_removed"), text("form2_message_share_line") });
    // Today as the clock has it now: the same day the history was written under.
    m_statistics->SetHistory(m_context.store.History(), m_context.services.clock.LocalDate(),
        { { text("form2_message_chart_learned"), text("form2_message_chart_answers"), text("form2_message_chart_right"),
              text("form2_message_chart_wrong"), text("form2_message_chart_date") },
            text("form2_message_streak") });
    m_showModal(*m_statistics);
}

void MaintenanceCommands::ShowBusy()
{
    if (m_context.busyPanel != nullptr) {
        m_context.busyPanel->ShowCentredHorizontally();
    }
    m_context.services.events.ProcessPendingEvents();
}

void MaintenanceCommands::HideBusy()
{
    if (m_context.busyPanel != nullptr) {
        m_context.busyPanel->hide();
    }
}

void MaintenanceCommands::ResetStatistics()
{
    if (!m_context.store.IsOpen()) {
        return;
    }
    Prompts& prompts = m_context.services.prompts;
    if (!prompts.ConfirmIrreversible(
            m_context.texts.LookupMessage(QStringLiteral("form1_message_statistics_clear_question")))) {
        return;
    }
    // The history of learning goes only when the user says so; with none, nothing is asked.
    const bool clearHistory = !m_context.store.History().empty()
        && prompts.ConfirmIrreversible(
            m_context.texts.LookupMessage(QStringLiteral("form1_message_history_clear_question")));
    ShowBusy();
    try {
        m_context.store.ResetStatistics(clearHistory);
        m_context.store.ReloadBrowserDataset();
    } catch (...) {
        HideBusy(); // the error box follows; the notice must not stay on screen
        throw;
    }
    HideBusy();
    prompts.Information(m_context.texts.LookupMessage(QStringLiteral("form1_message_statistics_clear_ok")));
    // An empty dictionary has no first card to stand on.
    CardBrowser& browser = m_context.browser;
    browser.SetCurrentRecord(m_context.store.Browser().RecordCount() > 0 ? 1 : 0);
    browser.ShowCard(browser.CurrentRecord());
    browser.ShowPosition();
}

void MaintenanceCommands::ReturnRemovedCards()
{
    if (!m_context.store.IsOpen()) {
        return;
    }
    ShowBusy();
    int returned = 0;
    try {
        returned = m_context.store.ReturnRemovedCards();
        m_context.store.ReloadBrowserDataset();
        m_context.services.events.ProcessPendingEvents();
    } catch (...) {
        HideBusy();
        throw;
    }
    HideBusy();
    // The text says how many came back (none is an answer too) where it has a place for it.
    QString text = m_context.texts.LookupMessage(QStringLiteral("form1_message_ignore_clear_ok"));
    if (text.contains(QLatin1String("%1"))) {
        text = text.arg(returned);
    }
    m_context.browser.ShowPosition(); // the same card, but the cards' figures may have changed
    m_context.services.prompts.Information(text);
}
