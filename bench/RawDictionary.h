#pragma once

#include "store/SqlValue.h"

#include <QMap>
#include <QString>
#include <string>

class HeaderOrder;
struct sqlite3;

// The floor of every figure: a dictionary reached through the bare sqlite3 C API, keyed
// and set up exactly as the store does it (the dictionary key and cipher settings, the
// rollback journal with a full sync of every commit, the same busy timeout), with nothing of
// the program in between. Failures throw AppError.
class RawDictionary {
public:
    // Opens and keys the file; nothing is read yet.
    explicit RawDictionary(const QString& path);
    ~RawDictionary();
    RawDictionary(const RawDictionary&) = delete;
    RawDictionary& operator=(const RawDictionary&) = delete;

    // Makes "COLLATE header_order" available, comparing with the store's own order, so the
    // store's statements can run here as they are.
    void RegisterOrder(const HeaderOrder& order);

    // Steps through SELECT * FROM tab ORDER BY header (binary order), reading every column;
    // returns the rows. With `keep`, every cell's bytes are appended to it (the leanest way
    // to hold the cards in memory).
    int ReadAllInBinaryOrder(std::string* keep = nullptr);
    // SELECT status, count(*) FROM tab GROUP BY status; NULL counts as the empty status.
    QMap<QString, int> CountStatuses();
    // One single-row UPDATE in its own transaction: one durable commit.
    void UpdateOneRow(qint64 rowId, qint64 value);
    // The store's statistics reset statements in one BEGIN IMMEDIATE transaction.
    void ResetStatistics();
    // The store's learning block statement; returns the rows, every column read.
    int LearningBlock(int maxBlockSize);
    // The store's statement reading the history of learning; returns the days, every column read.
    int ReadHistory();

private:
    [[noreturn]] void Fail(const char* what) const;
    void Execute(const char* sql);

    sqlite3* m_db = nullptr;
};
