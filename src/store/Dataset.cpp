#include "store/Dataset.h"

#include "base/AppError.h"
#include "store/CardTable.h"
#include "store/HeaderOrder.h"
#include "store/SqliteConnection.h"
#include "store/SqliteStatement.h"
#include "store/StatementCatalogue.h"

#include <QFileInfo>
#include <algorithm>
#include <cstring>
#include <limits>
#include <sqlite3.h>

// A cell is one 32-bit word; its two low bits say what it holds:
//   0  an integer, in the upper 30 bits;
//   1  a text: offset into m_bytes in the upper 30 bits, where its size (a varint) and its
//      UTF-8 bytes lie;
//   2  a blob, laid out like a text;
//   3  NULL when the rest is 0, else a wider integer, stored as 8 bytes at the offset.
namespace {

constexpr quint32 kTagInteger = 0;
constexpr quint32 kTagText = 1;
constexpr quint32 kTagBlob = 2;
constexpr quint32 kTagOther = 3;
constexpr quint32 kNullCell = kTagOther;
constexpr qint64 kSmallIntegerLimit = qint64(1) << 29;
constexpr size_t kMaxBytes = size_t(1) << 30;
// The smallest a row of `tab` can take in the file (record header, cell pointer, row id), so
// the file's size bounds the number of rows.
constexpr qint64 kMinRowBytesInFile = 20;

} // namespace

void Dataset::Load(SqliteStatement& statement, SqliteConnection& connection, const HeaderOrder* order, qint64 maxRows)
{
    Clear();
    m_connection = &connection;
    m_width = statement.ColumnCount() - 1;
    for (int column = 0; column < m_width; ++column) {
        // The engine, and so the check of a dictionary, match column names without regard to
        // ASCII letter case: a file's "Active_Word" is the card table's active_word.
        const QString name = statement.ColumnName(column + 1);
        const int known = CardTable::FindColumn(QString::fromUtf8(name.toUtf8().toLower()));
        m_columns << (known >= 0 ? CardTable::ColumnName(known) : name);
        m_columnIndex.insert(m_columns.last(), column);
    }
    // Room for every row the file can hold is set aside at once, so the buffers never move
    // (and never exist twice) while loading; the part not filled is never touched, so it
    // takes no memory.
    const qint64 fileBytes = QFileInfo(connection.Path()).size();
    const qint64 rowBound = qMin(maxRows, fileBytes / kMinRowBytesInFile + 1);
    m_cells.reserve(size_t(qMax<qint64>(rowBound, 0)) * size_t(m_width));
    m_rowIds.reserve(size_t(qMax<qint64>(rowBound, 0)));
    m_bytes.reserve(size_t(qBound<qint64>(0, fileBytes, qint64(kMaxBytes))) + 1);
    m_bytes.push_back('\0'); // offset 0 is never a wide integer, so kNullCell stays unambiguous
    sqlite3_stmt* handle = statement.Handle();
    std::vector<Cell> rowStarts; // where each row's values begin in m_bytes, to move them when sorted
    while (statement.Step()) {
        if (order) {
            rowStarts.push_back(Cell(m_bytes.size()));
        }
        m_rowIds.push_back(sqlite3_column_int64(handle, 0));
        for (int column = 1; column <= m_width; ++column) {
            switch (sqlite3_column_type(handle, column)) {
            case SQLITE_INTEGER:
            case SQLITE_FLOAT:
                m_cells.push_back(StoreValue(SqlValue(qint64(sqlite3_column_int64(handle, column)))));
                break;
            case SQLITE_TEXT:
                m_cells.push_back(StoreBytes(statement.ColumnBytes(column), kTagText));
                break;
            case SQLITE_BLOB:
                m_cells.push_back(StoreBytes(statement.ColumnBytes(column), kTagBlob));
                break;
            default:
                m_cells.push_back(kNullCell);
            }
        }
    }
    const int rows = int(m_rowIds.size());
    m_statusColumn = m_columnIndex.value(CardTable::ColumnName(CardTable::Status), -1);
    for (int row = 0; m_statusColumn >= 0 && row < rows; ++row) {
        TallyStatus(m_cells[size_t(row) * size_t(m_width) + size_t(m_statusColumn)], 1);
    }
    if (order) {
        const int header = ColumnIndex(CardTable::ColumnName(CardTable::Header));
        const int id = ColumnIndex(CardTable::ColumnName(CardTable::Id));
        ArrangeInRecordOrder(
            order->Sort(
                rows, [&](int row) { return TextOf(m_cells[size_t(row) * size_t(m_width) + size_t(header)]); },
                [&](int row) { return IntegerOf(m_cells[size_t(row) * size_t(m_width) + size_t(id)]); }),
            rowStarts);
    }
    m_record = rows > 0 ? 1 : 0;
}

// Paging reads the cards record after record (a step past 10,000 removed cards reads the
// status of each), so the rows are laid out in that order: cells, row ids and texts alike
// then lie front to back in memory. Left in load order, every card read would jump across
// the 14 MB of a 100,000-card dictionary, a cache miss or two per card. Each row's values
// lie together in m_bytes (from rowStarts[row] to the next row's start), so they move in
// one piece, into a new buffer made after the sort keys are gone, so the load's peak memory
// stays that of the sort.
void Dataset::ArrangeInRecordOrder(const std::vector<int>& rows, const std::vector<Cell>& rowStarts)
{
    std::string bytes;
    bytes.reserve(m_bytes.capacity()); // room for the texts of later edits, as before
    bytes.push_back('\0');
    for (const int row : rows) {
        const size_t begin = rowStarts[size_t(row)];
        const size_t end = size_t(row) + 1 < rowStarts.size() ? rowStarts[size_t(row) + 1] : m_bytes.size();
        const size_t movedTo = bytes.size();
        bytes.append(m_bytes, begin, end - begin);
        for (int column = 0; column < m_width; ++column) {
            Cell& cell = m_cells[size_t(row) * size_t(m_width) + size_t(column)];
            if ((cell & 3) != kTagInteger && cell != kNullCell) {
                cell = Cell(((cell >> 2) - begin + movedTo) << 2) | (cell & 3);
            }
        }
    }
    m_bytes.swap(bytes);
    std::string().swap(bytes);

    // The cells and row ids move in place, cycle by cycle of the permutation: no second
    // copy of them is ever made (fresh memory costs a page fault per 4 KiB).
    const size_t width = size_t(m_width);
    std::vector<bool> placed(rows.size());
    std::vector<Cell> saved(width);
    for (size_t start = 0; start < rows.size(); ++start) {
        if (placed[start]) {
            continue;
        }
        std::copy_n(m_cells.begin() + ptrdiff_t(start * width), width, saved.begin());
        const qint64 savedId = m_rowIds[start];
        size_t record = start;
        for (size_t row = size_t(rows[record]); row != start; record = row, row = size_t(rows[record])) {
            std::copy_n(m_cells.begin() + ptrdiff_t(row * width), width, m_cells.begin() + ptrdiff_t(record * width));
            m_rowIds[record] = m_rowIds[row];
            placed[record] = true;
        }
        std::copy(saved.begin(), saved.end(), m_cells.begin() + ptrdiff_t(record * width));
        m_rowIds[record] = savedId;
        placed[record] = true;
    }
}

void Dataset::LoadRecords(const Dataset& source, const std::vector<int>& records)
{
    Clear();
    m_connection = source.m_connection;
    m_columns = source.m_columns;
    m_columnIndex = source.m_columnIndex;
    m_width = source.m_width;
    m_statusColumn = source.m_statusColumn;
    m_cells.reserve(records.size() * size_t(m_width));
    m_rowIds.reserve(records.size());
    m_bytes.push_back('\0'); // offset 0 is never a wide integer, so kNullCell stays unambiguous
    for (const int record : records) {
        if (record < 1 || record > source.RecordCount()) {
            throw AppError(
                QStringLiteral("There is no card number %1; the list holds %2.").arg(record).arg(source.RecordCount()));
        }
        m_rowIds.push_back(source.m_rowIds[size_t(record - 1)]);
        for (int column = 0; column < m_width; ++column) {
            const Cell cell = source.m_cells[size_t(record - 1) * size_t(m_width) + size_t(column)];
            switch (cell & 3) {
            case kTagText:
            case kTagBlob:
                m_cells.push_back(StoreBytes(source.BytesOf(cell), cell & 3));
                break;
            case kTagOther:
                m_cells.push_back(cell == kNullCell ? kNullCell : StoreValue(SqlValue(source.IntegerOf(cell))));
                break;
            default:
                m_cells.push_back(cell);
            }
        }
        if (m_statusColumn >= 0) {
            TallyStatus(m_cells[m_cells.size() - size_t(m_width) + size_t(m_statusColumn)], 1);
        }
    }
    m_record = records.empty() ? 0 : 1;
}

std::vector<int> Dataset::FindText(int position, const QString& value, int limit) const
{
    std::vector<int> found;
    if (position < 0 || position >= m_width) {
        return found;
    }
    const QByteArray utf8 = value.toUtf8();
    const std::string_view wanted(utf8.constData(), size_t(utf8.size()));
    const int rows = RecordCount();
    for (int row = 0; row < rows && int(found.size()) < limit; ++row) {
        const Cell cell = m_cells[size_t(row) * size_t(m_width) + size_t(position)];
        if ((cell & 3) == kTagText && BytesOf(cell) == wanted) {
            found.push_back(row + 1);
        }
    }
    return found;
}

bool Dataset::ApplyWritten(qint64 rowId, const std::vector<Change>& changes)
{
    const int record = RecordOf(rowId);
    if (record == 0) {
        return false;
    }
    const QString header = CardTable::ColumnName(CardTable::Header);
    for (const Change& change : changes) {
        if (change.first == header || !m_columnIndex.contains(change.first)) {
            return false;
        }
    }
    for (const Change& change : changes) {
        SetCell(size_t(record - 1), m_columnIndex.value(change.first), change.second);
    }
    return true;
}

void Dataset::SetCell(size_t row, int position, const SqlValue& value)
{
    Cell& cell = m_cells[row * size_t(m_width) + size_t(position)];
    if (position == m_statusColumn) {
        TallyStatus(cell, -1);
    }
    cell = StoreValue(value);
    if (position == m_statusColumn) {
        TallyStatus(cell, 1);
    }
}

void Dataset::Clear()
{
    m_columns.clear();
    m_columnIndex.clear();
    m_width = 0;
    std::vector<Cell>().swap(m_cells);
    std::vector<qint64>().swap(m_rowIds);
    std::string().swap(m_bytes);
    m_record = 0;
    m_connection = nullptr;
    m_statusColumn = -1;
    m_statuses = {};
    Cancel();
}

void Dataset::Swap(Dataset& other) noexcept
{
    m_columns.swap(other.m_columns);
    m_columnIndex.swap(other.m_columnIndex);
    std::swap(m_width, other.m_width);
    m_cells.swap(other.m_cells);
    m_rowIds.swap(other.m_rowIds);
    m_bytes.swap(other.m_bytes);
    std::swap(m_record, other.m_record);
    std::swap(m_connection, other.m_connection);
    std::swap(m_editing, other.m_editing);
    m_changes.swap(other.m_changes);
    std::swap(m_statusColumn, other.m_statusColumn);
    std::swap(m_statuses, other.m_statuses);
}

void Dataset::MoveTo(int record)
{
    RequireRecord(record);
    if (m_editing && record != m_record) {
        Cancel();
    }
    m_record = record;
}

int Dataset::ColumnIndex(const QString& column) const
{
    const auto found = m_columnIndex.constFind(column);
    if (found == m_columnIndex.cend()) {
        throw AppError(QStringLiteral("The dictionary has no column \"%1\".").arg(column));
    }
    return found.value();
}

void Dataset::Require(int position) const
{
    if (m_record == 0) {
        throw AppError(QStringLiteral("There is no card to read: the list is empty."));
    }
    if (position < 0 || position >= m_width) {
        throw AppError(QStringLiteral("The dictionary has no column at position %1.").arg(position));
    }
}

Dataset::Cell Dataset::CellAt(int position) const
{
    Require(position);
    return m_cells[size_t(m_record - 1) * size_t(m_width) + size_t(position)];
}

Dataset::Cell Dataset::StoreBytes(std::string_view bytes, Cell tag)
{
    if (m_bytes.size() + bytes.size() + 10 >= kMaxBytes) {
        throw AppError(QStringLiteral("The dictionary %1 holds more text than the program can keep in memory.")
                           .arg(m_connection ? m_connection->Path() : QString()));
    }
    const Cell offset = Cell(m_bytes.size());
    for (size_t size = bytes.size();; size >>= 7) {
        if (size < 0x80) {
            m_bytes.push_back(char(size));
            break;
        }
        m_bytes.push_back(char((size & 0x7f) | 0x80));
    }
    m_bytes.append(bytes);
    return (offset << 2) | tag;
}

Dataset::Cell Dataset::StoreValue(const SqlValue& value)
{
    if (const auto* integer = std::get_if<qint64>(&value)) {
        if (*integer > -kSmallIntegerLimit && *integer < kSmallIntegerLimit) {
            return (Cell(qint32(*integer)) << 2) | kTagInteger;
        }
        if (m_bytes.size() + sizeof(qint64) >= kMaxBytes) {
            throw AppError(QStringLiteral("The dictionary %1 holds more than the program can keep in memory.")
                               .arg(m_connection ? m_connection->Path() : QString()));
        }
        const Cell offset = Cell(m_bytes.size());
        m_bytes.append(reinterpret_cast<const char*>(integer), sizeof(qint64));
        return (offset << 2) | kTagOther;
    }
    if (const auto* text = std::get_if<QString>(&value)) {
        const QByteArray utf8 = text->toUtf8();
        return StoreBytes(std::string_view(utf8.constData(), size_t(utf8.size())), kTagText);
    }
    if (const auto* bytes = std::get_if<QByteArray>(&value)) {
        return StoreBytes(std::string_view(bytes->constData(), size_t(bytes->size())), kTagBlob);
    }
    return kNullCell;
}

std::string_view Dataset::BytesOf(Cell cell) const
{
    size_t position = cell >> 2;
    size_t size = 0;
    for (int shift = 0;; shift += 7) {
        const auto byte = static_cast<unsigned char>(m_bytes[position++]);
        size |= size_t(byte & 0x7f) << shift;
        if (byte < 0x80) {
            break;
        }
    }
    return std::string_view(m_bytes).substr(position, size);
}

QString Dataset::TextOf(Cell cell) const
{
    switch (cell & 3) {
    case kTagText: {
        const std::string_view bytes = BytesOf(cell);
        return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
    }
    case kTagInteger:
        return QString::number(IntegerOf(cell));
    case kTagOther:
        return cell == kNullCell ? QString() : QString::number(IntegerOf(cell));
    default:
        return QString(); // a picture has no text
    }
}

qint64 Dataset::IntegerOf(Cell cell) const
{
    switch (cell & 3) {
    case kTagInteger:
        return qint32(cell) >> 2;
    case kTagText:
        return TextOf(cell).trimmed().toLongLong(); // as the engine would: not a number reads 0
    case kTagOther:
        if (cell != kNullCell) {
            qint64 value = 0;
            std::memcpy(&value, m_bytes.data() + (cell >> 2), sizeof value);
            return value;
        }
        return 0;
    default:
        return 0;
    }
}

QString Dataset::Text(const QString& column) const
{
    return TextAt(ColumnIndex(column));
}

bool Dataset::IsNull(const QString& column) const
{
    return IsNullAt(ColumnIndex(column));
}

bool Dataset::Flag(const QString& column) const
{
    return Integer(column) != 0;
}

qint64 Dataset::Integer(const QString& column) const
{
    return IntegerAt(ColumnIndex(column));
}

QString Dataset::TextAt(int position) const
{
    return TextOf(CellAt(position));
}

qint64 Dataset::IntegerAt(int position) const
{
    return IntegerOf(CellAt(position));
}

bool Dataset::IsNullAt(int position) const
{
    return CellAt(position) == kNullCell;
}

qint64 Dataset::RowId() const
{
    Require(0);
    return m_rowIds[size_t(m_record - 1)];
}

void Dataset::Edit()
{
    Require(0);
    m_changes.clear();
    m_editing = true;
}

void Dataset::Set(const QString& column, SqlValue value)
{
    if (!m_editing) {
        throw AppError(QStringLiteral("A card's \"%1\" was changed without starting an edit.").arg(column));
    }
    const int position = ColumnIndex(column);
    for (auto& change : m_changes) {
        if (change.first == position) {
            change.second = std::move(value);
            return;
        }
    }
    m_changes.emplace_back(position, std::move(value));
}

void Dataset::SetNull(const QString& column)
{
    Set(column, SqlValue());
}

void Dataset::SetText(const QString& column, const QString& value)
{
    Set(column, value);
}

void Dataset::SetFlag(const QString& column, bool value)
{
    Set(column, qint64(value ? 1 : 0));
}

void Dataset::SetInteger(const QString& column, qint64 value)
{
    Set(column, value);
}

void Dataset::Post()
{
    if (!m_editing) {
        throw AppError(QStringLiteral("A card was saved without starting an edit."));
    }
    const auto changes = std::move(m_changes);
    Cancel();
    if (changes.empty()) {
        return;
    }
    QStringList columns;
    for (const auto& change : changes) {
        columns << m_columns.at(change.first);
    }
    SqliteStatement update(*m_connection, StatementCatalogue::RowUpdate(columns));
    update.SetPurpose(Purpose(
        "save_card", "save the change to the card \"%1\" in", { Text(CardTable::ColumnName(CardTable::Header)) }));
    for (size_t i = 0; i < changes.size(); ++i) {
        update.Bind(StatementCatalogue::RowUpdateParameter(int(i)).constData(), changes[i].second);
    }
    update.BindInteger(StatementCatalogue::kRowIdParameter, RowId());
    update.Run();
    if (m_connection->ChangedRows() != 1) {
        throw AppError(UserText(QStringLiteral("form1_message_error_card_gone"),
            QStringLiteral("Cannot save the change to %1: the card \"%2\" is no longer in the file."),
            { m_connection->Path(), Text(CardTable::ColumnName(CardTable::Header)) }));
    }
    std::vector<Change> written;
    for (const auto& change : changes) {
        SetCell(size_t(m_record - 1), change.first, change.second);
        written.emplace_back(m_columns.at(change.first), change.second);
    }
    if (m_postListener) {
        m_postListener(RowId(), written);
    }
}

StatusCounts Dataset::Statuses() const
{
    StatusCounts counts = m_statuses;
    counts.Cards = RecordCount();
    return counts;
}

void Dataset::TallyStatus(Cell cell, int delta)
{
    if ((cell & 3) == kTagText) {
        m_statuses.Tally(BytesOf(cell), delta);
    }
}

void Dataset::Cancel()
{
    m_changes.clear();
    m_editing = false;
}

void Dataset::RequireRecord(int record) const
{
    if (record < 1 || record > RecordCount()) {
        throw AppError(QStringLiteral("There is no card number %1; the list holds %2.").arg(record).arg(RecordCount()));
    }
}

int Dataset::PlaceInOrder(const HeaderOrder& order, const QString& header, qint64 id, int movingRecord) const
{
    const int headerColumn = ColumnIndex(CardTable::ColumnName(CardTable::Header));
    const int idColumn = ColumnIndex(CardTable::ColumnName(CardTable::Id));
    const auto cell
        = [this](int record, int column) { return m_cells[size_t(record - 1) * size_t(m_width) + size_t(column)]; };
    // A binary search over the other rows, the k-th of which (from 0) is record k + 1, or
    // k + 2 once past the row being moved.
    const bool moving = movingRecord >= 1 && movingRecord <= RecordCount();
    int low = 0;
    int high = RecordCount() - (moving ? 1 : 0);
    while (low < high) {
        const int middle = low + (high - low) / 2;
        const int record = moving && middle + 1 >= movingRecord ? middle + 2 : middle + 1;
        const int compared = order.Compare(TextOf(cell(record, headerColumn)), header);
        if (compared < 0 || (compared == 0 && IntegerOf(cell(record, idColumn)) < id)) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return low + 1;
}

void Dataset::InsertRecord(int record, qint64 rowId, const std::vector<SqlValue>& values)
{
    if (record < 1 || record > RecordCount() + 1) {
        throw AppError(QStringLiteral("A card cannot go to place %1 of a list of %2.").arg(record).arg(RecordCount()));
    }
    std::vector<Cell> row(size_t(m_width), kNullCell);
    for (size_t column = 0; column < row.size() && column < values.size(); ++column) {
        row[column] = StoreValue(values[column]);
    }
    m_cells.insert(m_cells.begin() + ptrdiff_t(size_t(record - 1) * size_t(m_width)), row.begin(), row.end());
    m_rowIds.insert(m_rowIds.begin() + (record - 1), rowId);
    if (m_statusColumn >= 0) {
        TallyStatus(row[size_t(m_statusColumn)], 1);
    }
    if (m_record >= record || m_record == 0) {
        ++m_record;
    }
}

void Dataset::RemoveRecord(int record)
{
    RequireRecord(record);
    if (m_editing && m_record == record) {
        Cancel();
    }
    const auto first = m_cells.begin() + ptrdiff_t(size_t(record - 1) * size_t(m_width));
    if (m_statusColumn >= 0) {
        TallyStatus(*(first + m_statusColumn), -1);
    }
    // The row's texts stay in the shared buffer until the next load: taking them out would
    // move every text after them.
    m_cells.erase(first, first + m_width);
    m_rowIds.erase(m_rowIds.begin() + (record - 1));
    if (m_record > record || m_record > RecordCount()) {
        --m_record;
    }
}

void Dataset::MoveRecord(int from, int to)
{
    RequireRecord(from);
    RequireRecord(to);
    const auto width = ptrdiff_t(m_width);
    const auto cellAt = [&](int record) { return m_cells.begin() + (record - 1) * width; };
    const auto idAt = [&](int record) { return m_rowIds.begin() + (record - 1); };
    if (from < to) {
        std::rotate(cellAt(from), cellAt(from + 1), cellAt(to + 1));
        std::rotate(idAt(from), idAt(from + 1), idAt(to + 1));
    } else if (from > to) {
        std::rotate(cellAt(to), cellAt(from), cellAt(from + 1));
        std::rotate(idAt(to), idAt(from), idAt(from + 1));
    }
    // The current record stays on its row.
    if (m_record == from) {
        m_record = to;
    } else if (from < to && m_record > from && m_record <= to) {
        --m_record;
    } else if (from > to && m_record >= to && m_record < from) {
        ++m_record;
    }
}

int Dataset::RecordOf(qint64 rowId) const
{
    const auto found = std::find(m_rowIds.begin(), m_rowIds.end(), rowId);
    return found == m_rowIds.end() ? 0 : int(found - m_rowIds.begin()) + 1;
}
