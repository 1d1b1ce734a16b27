#pragma once

// The dictionary store: the one open dictionary, its datasets and every statement run on it.
//
// How the pieces meet. DictionaryFile opens and checks a file (DictionaryCipher keys it; the
// table's layout is CardTable's), and hands over a SqliteConnection, which the store owns
// with the HeaderOrder collation registered on it. The store keeps two Datasets: the browser
// (every card, read by the StatementCatalogue's statement and sorted in the program by
// HeaderOrder) and the learning block (its first cards in learning, copied from the
// browser: the cards of the catalogue's learning-block statement, without sorting the
// file again). A row edit is posted through the connection at once, in its own durable
// commit; the browser shows the learning block's edits as they are written, so it always
// holds what the file holds and never needs reading again after a block (unless another
// program changed the file meanwhile: the store reads it again then). Bulk statements run on the connection
// directly, the statistics reset in one transaction. The history of learning (HistoryDay.h)
// is a table of its own beside the cards, written inside the commit of the change it records.
// The card editor's additions, changes and deletions go to the file in one commit each and
// into the browser dataset row by row (Dataset::InsertRecord and friends), at their places in
// header order, so a dictionary of 100,000 cards is never read again for one edit. The dictionary tool's
// pieces (DictionaryWriter, CardCsv, DictionaryTool) use the same file, table and cipher code.
//
// Durability: the file keeps SQLite's rollback journal with a full sync on every commit
// (see DictionaryFile::ApplyDurability), so a posted edit is on disk when Post returns and
// a crash at any moment leaves each edit wholly there or wholly absent.

#include "store/CardTable.h"
#include "store/Dataset.h"
#include "store/HeaderOrder.h"
#include "store/HistoryDay.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

class EventPump;
class SqliteConnection;

class DictionaryStore {
public:
    explicit DictionaryStore(EventPump& events);
    ~DictionaryStore();
    DictionaryStore(const DictionaryStore&) = delete;
    DictionaryStore& operator=(const DictionaryStore&) = delete;

    // Opens the dictionary at `path`, loads the browser dataset and finds the marked card,
    // marking the first card when none is; returns its record number (0 for an empty
    // dictionary). Throws AppError naming the file and the reason when it cannot be opened;
    // the dictionary open before stays open then.
    int OpenDictionary(const QString& path);
    bool IsOpen() const { return m_connection != nullptr; }
    // The language of the open dictionary's words ("en"), empty when it does not say.
    const QString& Language() const { return m_language; }
    // Makes `code` the language of the open dictionary's words ("en"; empty for none), in a
    // durable commit of its own.
    void SetLanguage(const QString& code);
    QString Path() const;
    // True when the file could only be opened for reading: every edit will fail.
    bool IsReadOnly() const;

    Dataset& Browser() { return m_browser; }
    Dataset& Learning() { return m_learning; }

    void ReloadBrowserDataset();

    // Runs several row edits of the browser dataset as one durable commit: all of them
    // reach the file or none does. On failure the browser dataset is read again from the
    // file, so it never shows an edit the file does not hold, and the error is rethrown.
    void RunAsOneEdit(const std::function<void()>& edits);
    // The card editor's commands, each one durable commit through RunAsOneEdit, the browser
    // dataset following at once. Texts are kept without blanks at either end; an empty
    // transcription is stored as NULL (none); a card without a word is
    // refused with an AppError before anything is written.
    //
    // Adds a card and returns its record number in header order. The first card of an empty
    // dictionary becomes the marked one in learning, as opening the dictionary would make it.
    int AddCard(const CardRecord& card);
    // Sets one text column (word, transcription, translation or part of speech) of a
    // record's card and returns the card's record number afterwards: a new word moves it to
    // its place in header order.
    int ChangeCardText(int record, CardTable::Column column, const QString& text);
    // Deletes the cards of the records. When the marked card is among them, the next card in
    // order that is left and not removed (from the first again after the last) is marked in
    // the same commit, entering learning unless it is learned.
    void DeleteCards(std::vector<int> records);

    // Loads the learning block (at most maxBlockSize cards in learning) into Learning(),
    // picked from the card list in memory. Edits posted through Learning() show in Browser()
    // as soon as they are written.
    void OpenLearningBlock(int maxBlockSize);
    // Makes every card with a header new again and the first card the marked one in
    // learning, all or nothing; with clearHistory, the history of learning goes in the same
    // commit. The caller reloads the browser dataset.
    void ResetStatistics(bool clearHistory = false);
    // Makes removed cards with a header new again. The caller reloads the browser dataset.
    // Returns how many cards came back.
    int ReturnRemovedCards();

    // Adds a day's figures to the history of learning (making its table on the first
    // write). Inside RunAsOneEdit it is part of that commit, so the history holds exactly
    // the card changes that reached the file; alone it is a commit of its own.
    void AddToHistory(const HistoryDay& figures);
    // Every day of the history, in date order; none for a dictionary without a history.
    std::vector<HistoryDay> History();

    // The open file, for bulk work done above the store (an import runs its own transaction
    // on it; the caller reloads the browser dataset afterwards). Throws AppError when no
    // dictionary is open.
    SqliteConnection& Connection();

private:
    bool HasHistoryTable();
    // Changes when another program commits to the file (StatementCatalogue::DataVersion).
    static qint64 DataVersion(SqliteConnection& connection);
    // Loads every card of the file, in header order, into `cards`.
    void ReadAllCards(SqliteConnection& connection, Dataset& cards) const;
    static int FindOrRepairMark(Dataset& browser, SqliteConnection& connection);
    // Marks the record as the current card in the edit under way, in learning unless it is
    // learned or, when keepRemoved, removed.
    static void MarkAsCurrent(Dataset& cards, int record, bool keepRemoved);
    // After the marked card was deleted from `position`: the next card there or after it
    // that is not removed, from the first again after the last; 0 for an empty list.
    static int NextToMark(Dataset& cards, int position);

    EventPump& m_events;
    HeaderOrder m_order; // registered on the connection: declared before it, so it outlives it
    std::unique_ptr<SqliteConnection> m_connection;
    QString m_language;
    Dataset m_browser;
    qint64 m_browserVersion = 0; // the file's DataVersion when m_browser was read
    Dataset m_learning;
};
