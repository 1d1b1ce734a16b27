#include "store/SqliteConnection.h"

#include "base/AppError.h"
#include "store/SqliteStatement.h"

#include <QFileInfo>
#include <sqlite3.h>

SqliteConnection::SqliteConnection(const QString& path, Mode mode)
    : m_path(path)
{
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX;
    if (mode == Mode::CreateNew) {
        flags |= SQLITE_OPEN_CREATE;
    }
    const int code = sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, flags, nullptr);
    if (code != SQLITE_OK) {
        const QString text = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QString::fromUtf8(sqlite3_errstr(code));
        sqlite3_close(m_db);
        m_db = nullptr;
        // Here "cannot open" is about the file itself, not about a journal beside it.
        UserText reason = (code & 0xff) == SQLITE_CANTOPEN ? UserText() : ExplainSqliteCode(code, path);
        if (reason.IsEmpty()) {
            reason = UserText(QStringLiteral("form1_message_reason_unopenable"),
                QStringLiteral("the system does not let the program open it"));
        }
        throw AppError(UserText(QStringLiteral("form1_message_error_open"),
                           QStringLiteral("Cannot open the dictionary %1: %2."), { path, reason }),
            QStringLiteral("%1 (code %2)").arg(text).arg(code));
    }
    sqlite3_extended_result_codes(m_db, 1);
}

SqliteConnection::~SqliteConnection()
{
    // Statements are finalized by their own owners first; close_v2 copes if one is left.
    sqlite3_close_v2(m_db);
}

void SqliteConnection::Execute(const QString& sql)
{
    char* message = nullptr;
    const int code = sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &message);
    if (code != SQLITE_OK) {
        sqlite3_free(message);
        Fail(QStringLiteral("Cannot run \"%1\" on").arg(sql), code);
    }
}

QString SqliteConnection::QueryText(const QString& sql)
{
    sqlite3_stmt* statement = nullptr;
    int code = sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &statement, nullptr);
    if (code != SQLITE_OK) {
        Fail(QStringLiteral("Cannot run \"%1\" on").arg(sql), code);
    }
    QString result;
    code = sqlite3_step(statement);
    if (code == SQLITE_ROW) {
        result = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
        code = SQLITE_DONE;
    }
    sqlite3_finalize(statement);
    if (code != SQLITE_DONE) {
        Fail(QStringLiteral("Cannot run \"%1\" on").arg(sql), code);
    }
    return result;
}

void SqliteConnection::SetBusyTimeout(int milliseconds)
{
    sqlite3_busy_timeout(m_db, milliseconds);
}

bool SqliteConnection::IsReadOnly() const
{
    return sqlite3_db_readonly(m_db, "main") == 1;
}

bool SqliteConnection::InTransaction() const
{
    return sqlite3_get_autocommit(m_db) == 0;
}

void SqliteConnection::RunInTransaction(const UserText& purpose, const std::function<void()>& body)
{
    const auto run = [this, &purpose](const QString& sql) {
        SqliteStatement statement(*this, sql);
        statement.SetPurpose(purpose);
        statement.Run();
    };
    run(QStringLiteral("BEGIN IMMEDIATE"));
    try {
        body();
        run(QStringLiteral("COMMIT"));
    } catch (...) {
        if (InTransaction()) {
            Execute(QStringLiteral("ROLLBACK"));
        }
        throw;
    }
}

int SqliteConnection::ChangedRows() const
{
    return sqlite3_changes(m_db);
}

void SqliteConnection::Fail(const QString& what, int code) const
{
    const QString engineText = QString::fromUtf8(sqlite3_errmsg(m_db));
    UserText reason = ExplainSqliteCode(code, m_path);
    if (reason.IsEmpty()) {
        reason = UserText(
            QStringLiteral("form1_message_reason_engine"), QStringLiteral("the database engine reported an error"));
    }
    throw AppError(UserText(QStringLiteral("form1_message_error_access"),
                       QStringLiteral("The dictionary %1 could not be read or saved: %2."), { m_path, reason }),
        QStringLiteral("%1 %2: %3 (code %4).").arg(what, m_path, engineText).arg(code));
}

void SqliteConnection::FailTo(const UserText& purpose, int code) const
{
    UserText reason = ExplainSqliteCode(code, m_path);
    if (reason.IsEmpty()) {
        reason = UserText(
            QStringLiteral("form1_message_reason_engine"), QStringLiteral("the database engine reported an error"));
    }
    throw AppError(UserText(QStringLiteral("form1_message_error_command"), QStringLiteral("Cannot %1 %2: %3."),
                       { purpose, m_path, reason }),
        QStringLiteral("%1 (code %2)").arg(QString::fromUtf8(sqlite3_errmsg(m_db))).arg(code));
}

UserText Purpose(const char* name, const char* english, std::vector<UserText> arguments)
{
    return UserText(QStringLiteral("form1_message_purpose_") + QLatin1String(name), QString::fromUtf8(english),
        std::move(arguments));
}

UserText ExplainSqliteCode(int code, const QString& path)
{
    const auto reason = [](const char* name, const char* english, std::vector<UserText> arguments = {}) {
        return UserText(QStringLiteral("form1_message_reason_") + QLatin1String(name), QString::fromUtf8(english),
            std::move(arguments));
    };
    switch (code & 0xff) {
    case SQLITE_READONLY:
        return reason("read_only", "the file is read-only");
    case SQLITE_CANTOPEN:
        return reason("no_journal",
            "its folder %1 does not let the program create the journal file it needs to write safely",
            { QFileInfo(path).absolutePath() });
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return reason("locked", "another program kept the file locked for too long; try again when it is done");
    case SQLITE_FULL:
        return reason("disk_full", "the disk is full");
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return reason("no_permission", "the system does not allow writing to it");
    case SQLITE_NOTADB:
        return reason("not_dictionary", "its contents are not a database encrypted with the dictionary password");
    case SQLITE_CORRUPT:
        return reason("damaged", "the file is damaged");
    default:
        return {};
    }
}
