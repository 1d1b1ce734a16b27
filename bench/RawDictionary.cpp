#include "RawDictionary.h"

#include "base/AppError.h"
#include "store/DictionaryCipher.h"
#include "store/DictionaryFile.h"
#include "store/HeaderOrder.h"
#include "store/StatementCatalogue.h"

#include <QFile>
#include <cstring>
#include <sqlite3.h>

namespace {

// A prepared statement that is finalized whatever happens.
class RawStatement {
public:
    RawStatement(sqlite3* db, const QString& sql)
    {
        const QByteArray utf8 = sql.toUtf8();
        if (sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &m_statement, nullptr) != SQLITE_OK) {
            throw AppError(QStringLiteral("Cannot prepare %1: %2").arg(sql, QString::fromUtf8(sqlite3_errmsg(db))));
        }
    }
    ~RawStatement() { sqlite3_finalize(m_statement); }
    RawStatement(const RawStatement&) = delete;
    RawStatement& operator=(const RawStatement&) = delete;

    sqlite3_stmt* Handle() const { return m_statement; }

    void Bind(const char* name, const SqlValue& value)
    {
        const int index = sqlite3_bind_parameter_index(m_statement, name);
        if (const auto* integer = std::get_if<qint64>(&value)) {
            sqlite3_bind_int64(m_statement, index, *integer);
        } else if (const auto* text = std::get_if<QString>(&value)) {
            const QByteArray utf8 = text->toUtf8();
            sqlite3_bind_text(m_statement, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
        } else {
            sqlite3_bind_null(m_statement, index);
        }
    }

    void BindAll(const StatementCatalogue::Entry& entry)
    {
        for (const auto& parameter : entry.parameters) {
            Bind(parameter.first.constData(), parameter.second);
        }
    }

    // Steps once; true while a row is available.
    bool Step()
    {
        const int code = sqlite3_step(m_statement);
        if (code != SQLITE_ROW && code != SQLITE_DONE) {
            throw AppError(QStringLiteral("Cannot run a statement: %1")
                               .arg(QString::fromUtf8(sqlite3_errmsg(sqlite3_db_handle(m_statement)))));
        }
        return code == SQLITE_ROW;
    }

    // Reads every column of the current row as a program keeping them would, and appends
    // them to `keep` when given.
    void ReadRow(std::string* keep)
    {
        const int columns = sqlite3_column_count(m_statement);
        for (int column = 0; column < columns; ++column) {
            // Each cell keeps four bytes (a small integer or a text's size), a text its bytes too.
            if (sqlite3_column_type(m_statement, column) == SQLITE_INTEGER) {
                const auto value = quint32(sqlite3_column_int64(m_statement, column));
                if (keep) {
                    keep->append(reinterpret_cast<const char*>(&value), sizeof value);
                }
                continue;
            }
            const auto* data = static_cast<const char*>(sqlite3_column_blob(m_statement, column));
            const auto size = quint32(sqlite3_column_bytes(m_statement, column));
            if (keep) {
                keep->append(reinterpret_cast<const char*>(&size), sizeof size);
                if (data) {
                    keep->append(data, size);
                }
            }
        }
    }

private:
    sqlite3_stmt* m_statement = nullptr;
};

int CompareHeaders(void* order, int sizeA, const void* a, int sizeB, const void* b)
{
    return static_cast<const HeaderOrder*>(order)->Compare(QStringView(static_cast<const char16_t*>(a), sizeA / 2),
        QStringView(static_cast<const char16_t*>(b), sizeB / 2));
}

} // namespace

RawDictionary::RawDictionary(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    if (sqlite3_open_v2(name.constData(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK) {
        Fail("open");
    }
    const char* key = DictionaryCipher::kPassword;
    if (sqlite3_key(m_db, key, int(std::strlen(key))) != SQLITE_OK) {
        Fail("key");
    }
    const QByteArray settings = QStringLiteral("PRAGMA cipher_compatibility = 3; PRAGMA cipher_page_size = %1;"
                                               "PRAGMA kdf_iter = %2; PRAGMA synchronous = EXTRA;")
                                    .arg(DictionaryCipher::kPageSize)
                                    .arg(DictionaryCipher::kKdfIterations)
                                    .toUtf8();
    Execute(settings.constData());
    sqlite3_busy_timeout(m_db, DictionaryFile::kBusyTimeoutMs);
}

RawDictionary::~RawDictionary()
{
    sqlite3_close(m_db);
}

void RawDictionary::Fail(const char* what) const
{
    throw AppError(QStringLiteral("Cannot %1 the dictionary directly: %2")
                       .arg(QLatin1String(what), QString::fromUtf8(m_db ? sqlite3_errmsg(m_db) : "out of memory")));
}

void RawDictionary::Execute(const char* sql)
{
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) != SQLITE_OK) {
        Fail("run a statement on");
    }
}

void RawDictionary::RegisterOrder(const HeaderOrder& order)
{
    if (sqlite3_create_collation_v2(
            m_db, HeaderOrder::kCollation, SQLITE_UTF16, const_cast<HeaderOrder*>(&order), &CompareHeaders, nullptr)
        != SQLITE_OK) {
        Fail("register the card order on");
    }
}

int RawDictionary::ReadAllInBinaryOrder(std::string* keep)
{
    RawStatement select(m_db, QStringLiteral("SELECT * FROM tab ORDER BY header"));
    int rows = 0;
    while (select.Step()) {
        select.ReadRow(keep);
        ++rows;
    }
    return rows;
}

QMap<QString, int> RawDictionary::CountStatuses()
{
    RawStatement count(m_db, QStringLiteral("SELECT status, count(*) FROM tab GROUP BY status"));
    QMap<QString, int> counts;
    while (count.Step()) {
        const auto* status = reinterpret_cast<const char*>(sqlite3_column_text(count.Handle(), 0));
        counts[QString::fromUtf8(status)] += sqlite3_column_int(count.Handle(), 1);
    }
    return counts;
}

void RawDictionary::UpdateOneRow(qint64 rowId, qint64 value)
{
    RawStatement update(m_db, QStringLiteral("UPDATE tab SET mozaika_true = :Value WHERE rowid = :RowId"));
    update.Bind(":Value", value);
    update.Bind(":RowId", rowId);
    update.Step();
}

void RawDictionary::ResetStatistics()
{
    QList<StatementCatalogue::Entry> entries = StatementCatalogue::ResetStatements();
    entries << StatementCatalogue::MarkFirstCard();
    Execute("BEGIN IMMEDIATE");
    try {
        for (const StatementCatalogue::Entry& entry : entries) {
            RawStatement statement(m_db, entry.sql);
            statement.BindAll(entry);
            statement.Step();
        }
        Execute("COMMIT");
    } catch (const AppError&) {
        if (!sqlite3_get_autocommit(m_db)) {
            sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        }
        throw;
    }
}

int RawDictionary::LearningBlock(int maxBlockSize)
{
    const StatementCatalogue::Entry entry = StatementCatalogue::LearningBlock(maxBlockSize);
    RawStatement select(m_db, entry.sql);
    select.BindAll(entry);
    int rows = 0;
    while (select.Step()) {
        select.ReadRow(nullptr);
        ++rows;
    }
    return rows;
}

int RawDictionary::ReadHistory()
{
    RawStatement select(m_db, StatementCatalogue::ReadHistory().sql);
    int rows = 0;
    while (select.Step()) {
        select.ReadRow(nullptr);
        ++rows;
    }
    return rows;
}
