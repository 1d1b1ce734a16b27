#pragma once

#include "store/SqlValue.h"
#include "store/StatusCounts.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class HeaderOrder;
class SqliteConnection;
class SqliteStatement;

// One dataset: the rows of a query over `tab`, held in memory in a fixed order, with 1-based
// record numbers, a current record, reads by column name or 0-based position, and row
// edits written to the file at once.
//
// Rows are kept compactly: one 4-byte cell per column (a small integer, NULL, or the place of
// a text in one shared buffer of UTF-8 bytes), so a dictionary of 100,000 cards costs about
// 12 MB and no allocation per card. The dataset is a snapshot: changes made through
// another dataset or statement show only after it is loaded again, or when they are
// passed on to it (SetPostListener, ApplyWritten), except the rows the store adds, removes
// or moves itself (InsertRecord, RemoveRecord, MoveRecord), which keep that layout: the
// cells shift in place and a new row's texts go to the end of the shared buffer.
class Dataset {
public:
    Dataset() = default;
    Dataset(const Dataset&) = delete;
    Dataset& operator=(const Dataset&) = delete;

    // Fills the dataset from a statement whose first column is the row id and whose other
    // columns are the table's, in table order. With an order given, the rows are sorted by
    // header and id; else they keep the statement's order. Edits are posted through
    // `connection`, which must outlive the dataset's contents (Clear() lets it go).
    // `maxRows` is a bound on the rows the statement can return (more is allowed, only slower).
    void Load(SqliteStatement& statement, SqliteConnection& connection, const HeaderOrder* order, qint64 maxRows);
    // Fills the dataset with copies of some of `source`'s records, in the order given (1-based
    // record numbers), with its columns and connection: a list picked from one already in
    // memory, without a statement.
    void LoadRecords(const Dataset& source, const std::vector<int>& records);
    // Forgets every row and the connection; RecordCount() becomes 0.
    void Clear();
    // Exchanges the contents of two datasets; each keeps its own post listener.
    void Swap(Dataset& other) noexcept;

    int RecordCount() const { return int(m_rowIds.size()); }
    // Moves to a 1-based record number; throws AppError when out of range.
    void MoveTo(int record);
    // The current record number; 0 when the dataset holds no rows.
    int Record() const { return m_record; }

    QStringList ColumnNames() const { return m_columns; }
    QString Text(const QString& column) const; // NULL reads as empty text
    bool IsNull(const QString& column) const;
    bool Flag(const QString& column) const; // non-zero
    qint64 Integer(const QString& column) const; // NULL reads as 0
    QString TextAt(int position) const; // by 0-based column position
    qint64 IntegerAt(int position) const;
    bool IsNullAt(int position) const;
    // The row id of the current record in the file.
    qint64 RowId() const;
    // The rows by status, kept up to date by Load and Post, so asking costs nothing.
    StatusCounts Statuses() const;

    // Starts editing the current row; the Set calls collect changes that Post writes.
    void Edit();
    bool IsEditing() const { return m_editing; }
    void SetText(const QString& column, const QString& value);
    void SetFlag(const QString& column, bool value);
    void SetInteger(const QString& column, qint64 value);
    // Writes the changed columns of the row to the file in one durable commit, then shows
    // them in the dataset. On failure it throws AppError and the row stays as it is in the
    // file; either way the edit ends.
    void Post();
    // Drops the collected changes.
    void Cancel();
    // Sets a column to NULL in the edit under way.
    void SetNull(const QString& column);

    // The record number a row with this header and id takes in header order among the other
    // rows (those of a dataset loaded with that order); `movingRecord`, when given, is a row
    // being moved, left out of the count.
    int PlaceInOrder(const HeaderOrder& order, const QString& header, qint64 id, int movingRecord = 0) const;
    // Puts a row before `record` (RecordCount() + 1 appends), its values in column order
    // (missing ones NULL), in memory only: the caller has written it to the file.
    void InsertRecord(int record, qint64 rowId, const std::vector<SqlValue>& values);
    // Takes a row out of memory; the caller has deleted it from the file.
    void RemoveRecord(int record);
    // Moves a row so that it becomes record `to`; the rows between shift by one.
    void MoveRecord(int from, int to);
    // The record number of the row with this row id; 0 when the dataset holds none.
    int RecordOf(qint64 rowId) const;

    // One column's new value, as a post wrote it.
    using Change = std::pair<QString, SqlValue>;
    // Called after each successful Post with the row id and the columns written, so another
    // list of the same cards can follow the file without reading it again.
    using PostListener = std::function<void(qint64 rowId, const std::vector<Change>& changes)>;
    void SetPostListener(PostListener listener) { m_postListener = std::move(listener); }
    // Shows changes already in the file on the row with `rowId`, without writing anything;
    // false when the list holds no such row or a change would move the row in the order
    // (its header), which only a new reading can show.
    bool ApplyWritten(qint64 rowId, const std::vector<Change>& changes);
    // The first records (at most `limit`, in record order) whose cell at `position` is
    // exactly the text `value`, as the engine's `=` compares texts: byte for byte.
    std::vector<int> FindText(int position, const QString& value, int limit) const;

private:
    using Cell = quint32;

    int ColumnIndex(const QString& column) const;
    Cell CellAt(int position) const;
    void Require(int position) const;
    Cell StoreValue(const SqlValue& value);
    Cell StoreBytes(std::string_view bytes, Cell tag);
    std::string_view BytesOf(Cell cell) const;
    // Lays the rows out in record order; rows[k] is the row of record k + 1, rowStarts[row]
    // where the row's values begin in m_bytes.
    void ArrangeInRecordOrder(const std::vector<int>& rows, const std::vector<Cell>& rowStarts);
    QString TextOf(Cell cell) const;
    qint64 IntegerOf(Cell cell) const;
    void Set(const QString& column, SqlValue value);
    // Stores a value in a row's cell, keeping the status counts.
    void SetCell(size_t row, int position, const SqlValue& value);
    // Counts a status cell in or out of m_statuses; only a text can be a known status.
    void TallyStatus(Cell cell, int delta);
    void RequireRecord(int record) const;

    QStringList m_columns;
    QHash<QString, int> m_columnIndex;
    int m_width = 0;
    std::vector<Cell> m_cells; // row-major: m_width cells per row, in record order
    std::vector<qint64> m_rowIds; // per row, in record order
    std::string m_bytes; // texts and big integers the cells point into
    int m_record = 0;
    SqliteConnection* m_connection = nullptr;
    bool m_editing = false;
    std::vector<std::pair<int, SqlValue>> m_changes;
    int m_statusColumn = -1; // the status column's position, -1 for a query without one
    StatusCounts m_statuses;
    PostListener m_postListener;
};
