#pragma once

#include <QDialog>

class CardListModel;
class DictionaryStore;
class LanguageTable;
class Prompts;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

// The card editor's window (Form_editor): the search box and the language of the words on
// top, the table of cards, the add and delete buttons and the count of cards below.
// Keys: Enter or F2 edits the current cell, Delete deletes the selected cards (after a
// question), Insert or Ctrl+N adds a card, Ctrl+F goes to the search box.
class CardEditorWindow : public QDialog {
    Q_OBJECT

public:
    struct Context {
        DictionaryStore& store;
        Prompts& prompts;
        const LanguageTable& texts;
    };

    explicit CardEditorWindow(Context context, QWidget* parent = nullptr);

    // Reads the open dictionary afresh (its cards and its language); the window's search
    // stays. Called before each showing.
    void OpenDictionary();

    CardListModel& Model() { return *m_model; }
    QTableView* Table() const { return m_table; }

    // Adds a row for a new card and starts typing its word.
    void AddCard();
    // Deletes the selected cards after the user's Yes.
    void DeleteSelectedCards();

Q_SIGNALS:
    // Cards were added, changed or deleted: the main window finds its card again.
    void CardsChanged();
    // The language of the words changed.
    void LanguageChanged();

private:
    void BuildControls();
    void BuildKeys();
    void FillLanguages();
    void ChooseLanguage(int item);
    void ShowCount();
    void ShowPlaced(const QModelIndex& index);
    QString Message(const char* key) const;

    Context m_context;
    CardListModel* m_model = nullptr;
    QTableView* m_table = nullptr; // Grid_cards
    QLineEdit* m_search = nullptr; // Edit_search
    QComboBox* m_language = nullptr; // ComboBox_language
    QLabel* m_count = nullptr; // Label_count
    QPushButton* m_add = nullptr; // Button_add
    QPushButton* m_delete = nullptr; // Button_delete
};
