#pragma once

#include "editor/CardSearch.h"
#include "store/CardTable.h"

#include <QAbstractTableModel>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class DictionaryStore;
class LanguageTable;
class Prompts;

// The card editor's table: the cards of the browser dataset on view (all, or those the
// search found), read from the dataset as the table paints them, never copied. Row 0 is a
// new card being typed while there is one (AddDraft); it reaches the dictionary when its
// word is given. Every accepted change is one commit of the store, after which the rows
// follow the record numbers the store reports; a change that fails leaves the rows as they
// were (the store has read the file again) and its error is shown through Prompts.
class CardListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column : int {
        Word,
        Transcription,
        Translation,
        PartOfSpeech,
        Status,
        ChoiceCount,
        PairCount,
        RecallCount,
        TypedCount,
        kColumnCount
    };

    CardListModel(DictionaryStore& store, Prompts& prompts, const LanguageTable& texts, QObject* parent = nullptr);

    // Reads the open dictionary's cards afresh, keeping the search.
    void Reload();
    // Shows only the cards whose word, transcription or translation contains the query,
    // whatever the letter case; every card for an empty query.
    void SetFilter(const QString& query);
    int CardCount() const { return m_search.Count(); }
    int ShownCount() const { return int(m_rows.size()); }
    // The record number (header order, from 1) of a row; 0 for the new card's row.
    int RecordAt(int row) const;

    // Puts a row for a new card at the top (or keeps the one there) and returns its word cell.
    QModelIndex AddDraft();
    bool HasDraft() const { return m_draft.has_value(); }
    // Deletes the cards of the rows (a new card's row is simply dropped). True when done.
    bool DeleteRows(std::vector<int> rows);

    // The part-of-speech code with its marker in the interface language ("noun (n.)").
    QString PartOfSpeechCaption(const QString& code) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

Q_SIGNALS:
    // A change reached the dictionary: the main window finds its card again.
    void CardsChanged();
    // An added or renamed card stands at this cell now.
    void CardPlaced(const QModelIndex& index);

private:
    static CardTable::Column TextColumn(int column);
    QString Message(const QString& key) const;
    QString StatusText(const QString& status) const;
    QVariant CardData(int record, int column, int role) const;
    bool AddFromDraft(int column, const QString& text);
    bool ChangeText(int row, int column, const QString& text);
    // The card at `position` of the rows got record `to` (from `from`): the rows follow.
    void MoveRow(int position, int from, int to, int column);
    // Runs a store command; false when it failed and its error was shown.
    bool Guarded(const std::function<void()>& command);
    int Offset() const { return m_draft ? 1 : 0; }

    DictionaryStore& m_store;
    Prompts& m_prompts;
    const LanguageTable& m_texts;
    CardSearch m_search;
    std::vector<int> m_rows; // the records on view, ascending
    std::string m_query; // the folded query they were found by
    std::optional<std::array<QString, 4>> m_draft; // word, transcription, translation, code
};
