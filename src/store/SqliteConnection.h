#pragma once

#include "base/UserText.h"

#include <QString>
#include <functional>

struct sqlite3;

// One open connection to an SQLite (SQLCipher) file, closed when the object goes. Every
// failing call throws AppError with the engine's text and the file's path, so callers never
// check return codes.
class SqliteConnection {
public:
    enum class Mode { OpenExisting, CreateNew };

    // Opens the file read-write (falling back to read-only when the operating system refuses
    // writing). OpenExisting never creates a file; CreateNew requires that none exists yet.
    SqliteConnection(const QString& path, Mode mode);
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    sqlite3* Handle() const { return m_db; }
    const QString& Path() const { return m_path; }

    // Runs SQL without parameters and without result rows (one or more statements).
    void Execute(const QString& sql);
    // Runs a single statement and returns the first column of its first row as text
    // (empty when it returns no row).
    QString QueryText(const QString& sql);

    // How long a statement waits for another process's lock before giving up.
    void SetBusyTimeout(int milliseconds);
    bool IsReadOnly() const;
    bool InTransaction() const;
    // Runs `body` as one transaction (BEGIN IMMEDIATE ... COMMIT): every change in it reaches
    // the file or none does. BEGIN and COMMIT fail with the given purpose: a read-only file
    // or a lock is reported at BEGIN, a full disk at COMMIT. An exception from the body
    // rolls the transaction back and goes on.
    void RunInTransaction(const UserText& purpose, const std::function<void()>& body);
    int ChangedRows() const;

    // Throws AppError for a failed call: the user reads that the dictionary could not be
    // read or saved and, where the code is a common one, why; the detail says what was
    // being done, with the engine's text and code.
    [[noreturn]] void Fail(const QString& what, int code) const;
    // The same for a call made for a purpose the user knows ("reset the learning statistics
    // of"): the user reads "Cannot <purpose> <file>: <reason>."
    [[noreturn]] void FailTo(const UserText& purpose, int code) const;

private:
    sqlite3* m_db = nullptr;
    QString m_path;
};

// A purpose of a statement, as error messages name it: the key of the language files
// ("form1_message_purpose_<name>") and the English text.
UserText Purpose(const char* name, const char* english, std::vector<UserText> arguments = {});

// Describes an engine result code as a reason a user can act on, for the common cases
// (read-only file, no journal possible, busy, disk full, damaged, not a dictionary); empty
// for the others.
UserText ExplainSqliteCode(int code, const QString& path);
