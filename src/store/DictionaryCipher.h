#pragma once

#include <QString>

class SqliteConnection;

// The encryption every dictionary shares. The password is built into the program and
// public, so the key derivation is kept to one round: a slow derivation would protect
// nothing and only slow down every opening. The page size and the on-disk format are
// pinned so that every file, whoever made it, is read the same way.
struct DictionaryCipher {
    static constexpr const char* kPassword = "quillbrookpass";
    static constexpr int kPageSize = 4096;
    static constexpr int kKdfIterations = 1;

    // Keys a freshly opened connection and applies the cipher settings. Nothing is read
    // or written yet: a wrong file shows itself on the first read.
    static void Apply(SqliteConnection& connection);

    // The version the linked engine reports, or an empty text when the engine does not
    // encrypt (the plain system SQLite was loaded in its place).
    static QString EngineVersion();

    // Called once at start: throws AppError when the linked engine cannot encrypt, since
    // every dictionary would then read as damaged and new ones would be written in clear.
    static void CheckEngine();
};
