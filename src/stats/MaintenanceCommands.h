#pragma once

// The commands that work on the open dictionary as a whole: its information text, the
// learning statistics, the reset of all learning progress and the return of removed
// cards. Each does nothing while no dictionary is open.

#include "store/InformationFile.h"
#include "store/StatusCounts.h"

#include <QString>
#include <functional>

class CardBrowser;
class Dataset;
class DictionaryInfoWindow;
class DictionaryStore;
class GradientPanel;
class LanguageTable;
class QDialog;
class QWidget;
class StatisticsWindow;
struct Services;

class MaintenanceCommands {
public:
    struct Context {
        DictionaryStore& store;
        Services& services;
        const LanguageTable& texts;
        CardBrowser& browser;
        GradientPanel* busyPanel;
        QString languageName;
        QWidget* owner;
    };

    explicit MaintenanceCommands(Context context);

    void SetWindows(StatisticsWindow* statistics, DictionaryInfoWindow* information);
    // Shows a window modally; tests replace it so nothing blocks.
    void SetModalRunner(std::function<void(QDialog&)> runner) { m_showModal = std::move(runner); }

    void ShowDictionaryInfo();
    void ShowStatistics();
    void ResetStatistics();
    void ReturnRemovedCards();

private:
    void ShowBusy();
    void HideBusy();

    Context m_context;
    StatisticsWindow* m_statistics = nullptr;
    DictionaryInfoWindow* m_information = nullptr;
    std::function<void(QDialog&)> m_showModal;
};
