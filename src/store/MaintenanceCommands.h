#pragma once

// The commands that work on the open dictionary as a whole: its information text, the
// learning statistics, the reset of all learning progress and the return of removed
// cards. Each does nothing while no dictionary is open.

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

// Cards of the browser dataset by status.
struct StatusCounts {
    int Cards = 0;
    int Learning = 0;
    int Learned = 0;
    int Removed = 0;
};
StatusCounts CountStatuses(Dataset& cards);

// The information file of a dictionary: its path with the extension replaced by ".inf".
QString InformationFilePath(const QString& dictionaryPath);

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
