#include "store/DictionaryCipher.h"

#include "base/AppError.h"
#include "store/SqliteConnection.h"

#include <cstring>
#include <sqlite3.h>

void DictionaryCipher::Apply(SqliteConnection& connection)
{
    const int code = sqlite3_key(connection.Handle(), kPassword, int(std::strlen(kPassword)));
    if (code != SQLITE_OK) {
        connection.Fail(QStringLiteral("Cannot set the dictionary key for"), code);
    }
    // cipher_compatibility pins the version 3 format on engines of version 4 and later; older
    // engines do not know it and ignore it. It must come before the settings it implies.
    connection.Execute(QStringLiteral("PRAGMA cipher_compatibility = 3;"
                                      "PRAGMA cipher_page_size = %1;"
                                      "PRAGMA kdf_iter = %2;")
                           .arg(kPageSize)
                           .arg(kKdfIterations));
}

QString DictionaryCipher::EngineVersion()
{
    sqlite3* db = nullptr;
    QString version;
    if (sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) == SQLITE_OK) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db, "PRAGMA cipher_version", -1, &statement, nullptr) == SQLITE_OK
            && sqlite3_step(statement) == SQLITE_ROW) {
            version = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
        }
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return version;
}

void DictionaryCipher::CheckEngine()
{
    if (EngineVersion().isEmpty()) {
        throw AppError(QStringLiteral(
            "The database engine loaded into Glossmere cannot encrypt (it does not answer PRAGMA "
            "cipher_version; SQLite %1 without SQLCipher was loaded in its place). Dictionaries cannot be "
            "read or written safely; install SQLCipher and make sure nothing else loads the plain SQLite "
            "library.")
                           .arg(QLatin1String(sqlite3_libversion())));
    }
}
