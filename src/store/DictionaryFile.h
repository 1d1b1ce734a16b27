#pragma once

#include "store/CardTable.h"

#include <QString>
#include <memory>
#include <vector>

class SqliteConnection;

// Opening and checking dictionary files. A dictionary is an encrypted database file (see
// DictionaryCipher) holding the card table `tab` with its sixteen columns in order (see
// CardTable). Checking a file never writes to it and never creates one.
namespace DictionaryFile {

// How long a statement waits for another program's lock on the file before it fails.
inline constexpr int kBusyTimeoutMs = 5000;

// Empty when `path` is a dictionary the program can open, else the reason it is not, in
// words a user can act on ("the file does not exist", "it is a plain, unencrypted SQLite
// database", "table tab has no column status", ...).
QString Problem(const QString& path);

// Opens an existing dictionary for reading and writing (read-only when the system refuses
// writing), checked as Problem() does, with the durability settings of a dictionary.
// Throws AppError "Cannot open the dictionary PATH: REASON." when it is not one.
std::unique_ptr<SqliteConnection> Open(const QString& path);

// Opens a new, empty database file (the file must not exist) keyed and set up like a
// dictionary, for the writer to fill.
std::unique_ptr<SqliteConnection> CreateEmpty(const QString& path);

// Every card of an open dictionary in id order, every column as stored (NULLs kept).
std::vector<CardRecord> ReadCards(SqliteConnection& connection);

// Sets the journal and sync level that make each committed change durable on return.
void ApplyDurability(SqliteConnection& connection);

} // namespace DictionaryFile
