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

// Why a file is not a dictionary the program can open: in the user's words, and, where the
// system or the engine said more, its own text as a detail.
struct FileTrouble {
    UserText reason;
    QString detail;

    bool Found() const { return !reason.IsEmpty(); }
    QString English() const
    {
        return detail.isEmpty() ? reason.English()
                                : reason.English() + QStringLiteral(" (") + detail + QLatin1Char(')');
    }
};

FileTrouble Reason(const char* name, const char* english, QString detail = {})
{
    return { UserText(QStringLiteral("form1_message_reason_") + QLatin1String(name), QString::fromUtf8(english)),
        std::move(detail) };
}

// The card table is not laid out as a dictionary's: one reason for the user, the exact
// difference as the detail.
FileTrouble LayoutTrouble(QString difference)
{
    return Reason("layout", "its card table is not laid out as a dictionary's", std::move(difference));
}

// Reasons found without opening the file as a database.
FileTrouble FileProblem(const QString& path)
{
    if (path.isEmpty()) {
        return Reason("no_file", "no file was given");
    }
    const QFileInfo info(path);
    if (!info.exists()) {
        return Reason("missing", "the file does not exist");
    }
    if (info.isDir()) {
        return Reason("folder", "it is a folder, not a dictionary file");
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Reason("unreadable", "the file cannot be read", file.errorString());
    }
    if (info.size() == 0) {
        return Reason("empty", "the file is empty");
    }
    if (file.read(16) == QByteArray("SQLite format 3", 16)) {
        return Reason("plain_database", "it is a plain, unencrypted SQLite database, not a Glossmere dictionary");
    }
    return {};
}

// Reasons found by reading the file's schema: it must decrypt, and hold `tab` with the
// sixteen columns at their positions (further columns may follow).
FileTrouble SchemaProblem(SqliteConnection& connection)
{
    // The first read decrypts page 1: a wrong key, a plain database or random bytes fail here.
    const int code = sqlite3_exec(connection.Handle(), "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    if (code != SQLITE_OK) {
        const QString engineText = QString::fromUtf8(sqlite3_errmsg(connection.Handle()));
        UserText reason = ExplainSqliteCode(code, connection.Path());
        if (reason.IsEmpty()) {
            reason = UserText(
                QStringLiteral("form1_message_reason_engine"), QStringLiteral("the database engine reported an error"));
        }
        return { reason, engineText };
    }
    QStringList names;
    SqliteStatement columns(connection, QStringLiteral("PRAGMA table_info(tab)"));
    while (columns.Step()) {
        names << columns.ColumnText(1);
    }
    if (names.isEmpty()) {
        return Reason("no_card_table", "it holds no card table \"tab\"");
    }
    if (connection.QueryText(QStringLiteral("SELECT type FROM sqlite_master WHERE name = 'tab' COLLATE NOCASE"))
        == QLatin1String("view")) {
        return LayoutTrouble(QStringLiteral("\"tab\" is a view, not a table"));
    }
    // Cards are read and written by their row ids, which a column of that name would hide.
    if (names.contains(QStringLiteral("rowid"), Qt::CaseInsensitive)) {
        return LayoutTrouble(
            QStringLiteral("table \"tab\" has a column named \"rowid\", which hides the row ids of its cards"));
    }
    for (int column = 0; column < CardTable::kColumnCount; ++column) {
        const QString expected = CardTable::ColumnName(column);
        if (column >= names.size()) {
            return LayoutTrouble(
                QStringLiteral("table \"tab\" has %1 columns; a dictionary has at least %2, the last being \"%3\"")
                    .arg(names.size())
                    .arg(CardTable::kColumnCount)
                    .arg(CardTable::ColumnName(CardTable::kColumnCount - 1)));
        }
        if (names.at(column).compare(expected, Qt::CaseInsensitive) != 0) {
            return LayoutTrouble(QStringLiteral("column %1 of table \"tab\" is \"%2\" where a dictionary has \"%3\"")
                                     .arg(column)
                                     .arg(names.at(column), expected));
        }
    }
    try {
        SqliteStatement rowIds(connection, QStringLiteral("SELECT rowid FROM tab LIMIT 0"));
    } catch (const AppError&) {
        return LayoutTrouble(QStringLiteral("table \"tab\" has no row ids (it was made WITHOUT ROWID)"));
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

// Opens and keys the file and reads its schema, saying in `problem` what is wrong with it. A
// power cut in the middle of a commit may leave the first page torn, and the cipher takes its
// salt from that page when the file is keyed, before the rollback journal puts the page back:
// the first reading then fails although it has made the file whole again. So when a journal
// lay beside the file, a failed first reading is tried once more, on a fresh connection.
std::unique_ptr<SqliteConnection> OpenAndRead(const QString& path, FileTrouble& problem)
{
    const bool journalLeft = QFileInfo::exists(path + QStringLiteral("-journal"));
    auto connection = OpenKeyed(path, SqliteConnection::Mode::OpenExisting);
    problem = SchemaProblem(*connection);
    if (problem.Found() && journalLeft) {
        connection.reset();
        connection = OpenKeyed(path, SqliteConnection::Mode::OpenExisting);
        problem = SchemaProblem(*connection);
    }
    return connection;
}

[[noreturn]] void ThrowNotOpened(const QString& path, const FileTrouble& problem)
{
    throw AppError(UserText(QStringLiteral("form1_message_error_open"),
                       QStringLiteral("Cannot open the dictionary %1: %2."), { path, problem.reason }),
        problem.detail);
}

} // namespace

namespace DictionaryFile {

QString Problem(const QString& path)
{
    if (const FileTrouble problem = FileProblem(path); problem.Found()) {
        return problem.English();
    }
    try {
        FileTrouble problem;
        OpenAndRead(path, problem);
        return problem.English();
    } catch (const AppError& error) {
        return error.Message();
    }
}

std::unique_ptr<SqliteConnection> Open(const QString& path)
{
    if (const FileTrouble problem = FileProblem(path); problem.Found()) {
        ThrowNotOpened(path, problem);
    }
    // A connection that fails while the file is opened and read says itself which file
    // could not be opened and why.
    FileTrouble problem;
    std::unique_ptr<SqliteConnection> connection = OpenAndRead(path, problem);
    if (problem.Found()) {
        ThrowNotOpened(path, problem);
    }
    ApplyDurability(*connection);
    return connection;
}

std::unique_ptr<SqliteConnection> CreateEmpty(const QString& path)
{
    if (QFileInfo::exists(path)) {
        throw AppError(UserText(QStringLiteral("form1_message_error_exists"),
            QStringLiteral("Cannot create %1: a file of that name exists."), { path }));
    }
    auto connection = OpenKeyed(path, SqliteConnection::Mode::CreateNew);
    ApplyDurability(*connection);
    return connection;
}

std::vector<CardRecord> ReadCards(SqliteConnection& connection)
{
    SqliteStatement select(connection, QStringLiteral("SELECT * FROM tab ORDER BY id, rowid"));
    select.SetPurpose(Purpose("read_cards", "read the cards of"));
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
