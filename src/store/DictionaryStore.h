#pragma once

// The dictionary store: the one open dictionary, its datasets and every statement run on it.
//
// How the pieces meet. DictionaryFile opens and checks a file (DictionaryCipher keys it; the
// table's layout is CardTable's), and hands over a SqliteConnection, which the store owns
// with the HeaderOrder collation registered on it. The store fills two Datasets from the
// StatementCatalogue: the browser (every card, sorted in the program by HeaderOrder) and the
// learning block (ordered by SQL with the same collation). Both are in-memory snapshots; a
// row edit is posted through the connection at once, in its own durable commit, and the
// other dataset sees it when it is loaded again. Bulk statements run on the connection
// directly, the statistics reset in one transaction. The history of learning (HistoryDay.h)
// is a table of its own beside the cards, written inside the commit of the change it records. The dictionary tool's
// pieces (DictionaryWriter, CardCsv, DictionaryTool) use the same file, table and cipher code.
//
// Durability: the file keeps SQLite's rollback journal with a full sync on every commit
// (see DictionaryFile::ApplyDurability), so a posted edit is on disk when Post returns and
// a crash at any moment leaves each edit wholly there or wholly absent.

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
    // Loads the learning block (at most maxBlockSize cards in learning) into Learning().
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
    // Loads every card of the file, in header order, into `cards`.
    void ReadAllCards(SqliteConnection& connection, Dataset& cards) const;
    static int FindOrRepairMark(Dataset& browser, SqliteConnection& connection);

    EventPump& m_events;
    HeaderOrder m_order; // registered on the connection: declared before it, so it outlives it
    std::unique_ptr<SqliteConnection> m_connection;
    QString m_language;
    Dataset m_browser;
    Dataset m_learning;
};
