#pragma once

#include "base/UserText.h"
#include "store/SqlValue.h"

#include <QString>
#include <string_view>

class SqliteConnection;
struct sqlite3_stmt;

// A prepared statement with named parameters (":Str1"), finalized when the object goes.
// Step() returns true while a row is available; a failure throws AppError naming the file.
class SqliteStatement {
public:
    SqliteStatement(SqliteConnection& connection, const QString& sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    // What running the statement does, for error messages: "Cannot <purpose> <file>: <reason>"
    // (see Purpose in SqliteConnection.h).
    // Without one the message names the statement.
    void SetPurpose(const UserText& purpose) { m_purpose = purpose; }

    void Bind(const char* name, const SqlValue& value);
    void BindText(const char* name, const QString& value);
    void BindInteger(const char* name, qint64 value);

    // Advances to the next row; false when there is none left.
    bool Step();
    // Runs a statement that returns no rows.
    void Run();
    // Makes the statement ready to run again with its bindings kept.
    void Reset();

    int ColumnCount() const;
    QString ColumnName(int column) const;
    bool ColumnIsNull(int column) const;
    qint64 ColumnInteger(int column) const;
    QString ColumnText(int column) const;
    // The raw UTF-8 bytes of a text column (or the bytes of a blob), valid until the next step.
    std::string_view ColumnBytes(int column) const;
    SqlValue ColumnValue(int column) const;

    sqlite3_stmt* Handle() const { return m_statement; }

private:
    int ParameterIndex(const char* name) const;
    [[noreturn]] void Fail(int code) const;

    SqliteConnection& m_connection;
    sqlite3_stmt* m_statement = nullptr;
    QString m_sql;
    UserText m_purpose;
};
