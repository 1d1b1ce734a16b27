#include "store/DictionaryFile.h"

#include "base/AppError.h"
#include "store/CardTable.h"
#include "store/DictionaryCipher.h"
#include "store/SqliteConnection.h"
#include "store/SqliteStatement.h"

#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

namespace {

// Reasons found without opening the file as a database.
QString FileProblem(const QString& path)
{
    if (path.isEmpty()) {
        return QStringLiteral("no file was given");
    }
    const QFileInfo info(path);
    if (!info.exists()) {
        return QStringLiteral("the file does not exist");
    }
    if (info.isDir()) {
        return QStringLiteral("it is a folder, not a dictionary file");
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return QStringLiteral("the file cannot be read (%1)").arg(file.errorString());
    }
    if (info.size() == 0) {
        return QStringLiteral("the file is empty");
    }
    if (file.read(16) == QByteArray("SQLite format 3", 16)) {
        return QStringLiteral("it is a plain, unencrypted SQLite database, not a Glossmere dictionary");
    }
    return {};
}

// Reasons found by reading the file's schema: it must decrypt, and hold `tab` with the
// sixteen columns at their positions (further columns may follow).
QString SchemaProblem(SqliteConnection& connection)
{
    // The first read decrypts page 1: a wrong key, a plain database or random bytes fail here.
    const int code = sqlite3_exec(connection.Handle(), "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    if (code != SQLITE_OK) {
        const QString reason = ExplainSqliteCode(code, connection.Path());
        return reason.isEmpty() ? QString::fromUtf8(sqlite3_errmsg(connection.Handle())) : reason;
    }
    QStringList names;
    SqliteStatement columns(connection, QStringLiteral("PRAGMA table_info(tab)"));
    while (columns.Step()) {
        names << columns.ColumnText(1);
    }
    if (names.isEmpty()) {
        return QStringLiteral("it holds no card table \"tab\"");
    }
    // A view answers the column list like a table, but the program cannot write its cards.
    if (connection.QueryText(QStringLiteral("SELECT type FROM sqlite_master WHERE name = 'tab' COLLATE NOCASE"))
        == QLatin1String("view")) {
        return QStringLiteral("\"tab\" is a view, not a table");
    }
    // Cards are read and written by their row ids, which a column of that name would hide.
    if (names.contains(QStringLiteral("rowid"), Qt::CaseInsensitive)) {
        return QStringLiteral("table \"tab\" has a column named \"rowid\", which hides the row ids of its cards");
    }
    for (int column = 0; column < CardTable::kColumnCount; ++column) {
        const QString expected = CardTable::ColumnName(column);
        if (column >= names.size()) {
            return QStringLiteral("table \"tab\" has %1 columns; a dictionary has at least %2, the last being \"%3\"")
                .arg(names.size())
                .arg(CardTable::kColumnCount)
                .arg(CardTable::ColumnName(CardTable::kColumnCount - 1));
        }
        if (names.at(column).compare(expected, Qt::CaseInsensitive) != 0) {
            return QStringLiteral("column %1 of table \"tab\" is \"%2\" where a dictionary has \"%3\"")
                .arg(column)
                .arg(names.at(column), expected);
        }
    }
    try {
        SqliteStatement rowIds(connection, QStringLiteral("SELECT rowid FROM tab LIMIT 0"));
    } catch (const AppError&) {
        return QStringLiteral("table \"tab\" has no row ids (it was made WITHOUT ROWID)");
    }
    return {};
}

std::unique_ptr<SqliteConnection> OpenKeyed(const QString& path, SqliteConnection::Mode mode)
{
    auto connection = std::make_unique<SqliteConnection>(path, mode);
    DictionaryCipher::Apply(*connection);
    connection->SetBusyTimeout(DictionaryFile::kBusyTimeoutMs);
    return connection;
}

[[noreturn]] void ThrowNotOpened(const QString& path, const QString& reason)
{
    throw AppError(QStringLiteral("Cannot open the dictionary %1: %2.").arg(path, reason));
}

} // namespace

namespace DictionaryFile {

QString Problem(const QString& path)
{
    if (QString problem = FileProblem(path); !problem.isEmpty()) {
        return problem;
    }
    try {
        auto connection = OpenKeyed(path, SqliteConnection::Mode::OpenExisting);
        return SchemaProblem(*connection);
    } catch (const AppError& error) {
        return error.Message();
    }
}

std::unique_ptr<SqliteConnection> Open(const QString& path)
{
    if (const QString problem = FileProblem(path); !problem.isEmpty()) {
        ThrowNotOpened(path, problem);
    }
    std::unique_ptr<SqliteConnection> connection;
    try {
        connection = OpenKeyed(path, SqliteConnection::Mode::OpenExisting);
    } catch (const AppError& error) {
        ThrowNotOpened(path, error.Message());
    }
    if (const QString problem = SchemaProblem(*connection); !problem.isEmpty()) {
        ThrowNotOpened(path, problem);
    }
    ApplyDurability(*connection);
    return connection;
}

std::unique_ptr<SqliteConnection> CreateEmpty(const QString& path)
{
    if (QFileInfo::exists(path)) {
        throw AppError(QStringLiteral("Cannot create %1: a file of that name exists.").arg(path));
    }
    auto connection = OpenKeyed(path, SqliteConnection::Mode::CreateNew);
    ApplyDurability(*connection);
    return connection;
}

std::vector<CardRecord> ReadCards(SqliteConnection& connection)
{
    SqliteStatement select(connection, QStringLiteral("SELECT * FROM tab ORDER BY id, rowid"));
    select.SetPurpose(QStringLiteral("read the cards of"));
    std::vector<CardRecord> cards;
    while (select.Step()) {
        CardRecord& card = cards.emplace_back();
        for (int column = 0; column < CardTable::kColumnCount; ++column) {
            card[column] = select.ColumnValue(column);
        }
    }
    return cards;
}

void ApplyDurability(SqliteConnection& connection)
{
    // The rollback journal keeps a dictionary one file at rest; EXTRA syncs the journal's
    // removal too, so a commit that returned survives a power cut as well as a crash.
    connection.Execute(QStringLiteral("PRAGMA synchronous = EXTRA"));
}

} // namespace DictionaryFile
