#include "store/SqliteStatement.h"

#include "base/AppError.h"
#include "store/SqliteConnection.h"

#include <sqlite3.h>

SqliteStatement::SqliteStatement(SqliteConnection& connection, const QString& sql)
    : m_connection(connection)
    , m_sql(sql)
{
    const QByteArray utf8 = sql.toUtf8();
    const int code = sqlite3_prepare_v2(connection.Handle(), utf8.constData(), int(utf8.size()), &m_statement, nullptr);
    if (code != SQLITE_OK) {
        m_connection.Fail(QStringLiteral("Cannot prepare \"%1\" for").arg(sql), code);
    }
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(m_statement);
}

int SqliteStatement::ParameterIndex(const char* name) const
{
    const int index = sqlite3_bind_parameter_index(m_statement, name);
    if (index == 0) {
        throw AppError(QStringLiteral("The statement \"%1\" has no parameter %2.").arg(m_sql, QLatin1String(name)));
    }
    return index;
}

void SqliteStatement::Bind(const char* name, const SqlValue& value)
{
    const int index = ParameterIndex(name);
    int code = SQLITE_OK;
    if (const auto* integer = std::get_if<qint64>(&value)) {
        code = sqlite3_bind_int64(m_statement, index, *integer);
    } else if (const auto* text = std::get_if<QString>(&value)) {
        const QByteArray utf8 = text->toUtf8();
        code = sqlite3_bind_text(m_statement, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    } else if (const auto* bytes = std::get_if<QByteArray>(&value)) {
        code = sqlite3_bind_blob(m_statement, index, bytes->constData(), int(bytes->size()), SQLITE_TRANSIENT);
    } else {
        code = sqlite3_bind_null(m_statement, index);
    }
    if (code != SQLITE_OK) {
        m_connection.Fail(QStringLiteral("Cannot bind %1 of \"%2\" for").arg(QLatin1String(name), m_sql), code);
    }
}

void SqliteStatement::BindText(const char* name, const QString& value)
{
    Bind(name, SqlValue(value));
}

void SqliteStatement::BindInteger(const char* name, qint64 value)
{
    Bind(name, SqlValue(value));
}

bool SqliteStatement::Step()
{
    const int code = sqlite3_step(m_statement);
    if (code == SQLITE_ROW) {
        return true;
    }
    if (code == SQLITE_DONE) {
        return false;
    }
    sqlite3_reset(m_statement);
    Fail(code);
}

void SqliteStatement::Fail(int code) const
{
    if (m_purpose.IsEmpty()) {
        m_connection.Fail(QStringLiteral("Cannot run \"%1\" on").arg(m_sql), code);
    }
    m_connection.FailTo(m_purpose, code);
}

void SqliteStatement::Run()
{
    while (Step()) { }
    sqlite3_reset(m_statement);
}

void SqliteStatement::Reset()
{
    sqlite3_reset(m_statement);
}

int SqliteStatement::ColumnCount() const
{
    return sqlite3_column_count(m_statement);
}

QString SqliteStatement::ColumnName(int column) const
{
    return QString::fromUtf8(sqlite3_column_name(m_statement, column));
}

bool SqliteStatement::ColumnIsNull(int column) const
{
    return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

qint64 SqliteStatement::ColumnInteger(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

QString SqliteStatement::ColumnText(int column) const
{
    const std::string_view bytes = ColumnBytes(column);
    return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
}

std::string_view SqliteStatement::ColumnBytes(int column) const
{
    // Text comes as UTF-8 whatever the file's encoding: asked for a blob, the engine would hand
    // over the text of a UTF-16 database as its UTF-16 bytes.
    const auto* data = static_cast<const char*>(sqlite3_column_type(m_statement, column) == SQLITE_TEXT
            ? static_cast<const void*>(sqlite3_column_text(m_statement, column))
            : sqlite3_column_blob(m_statement, column));
    const int size = sqlite3_column_bytes(m_statement, column);
    return data ? std::string_view(data, size_t(size)) : std::string_view();
}

SqlValue SqliteStatement::ColumnValue(int column) const
{
    switch (sqlite3_column_type(m_statement, column)) {
    case SQLITE_INTEGER:
    case SQLITE_FLOAT:
        return ColumnInteger(column);
    case SQLITE_TEXT:
        return ColumnText(column);
    case SQLITE_BLOB: {
        const std::string_view bytes = ColumnBytes(column);
        return QByteArray(bytes.data(), qsizetype(bytes.size()));
    }
    default:
        return std::monostate();
    }
}
