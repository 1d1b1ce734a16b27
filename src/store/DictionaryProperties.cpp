#include "store/DictionaryProperties.h"

#include "store/SqliteConnection.h"
#include "store/SqliteStatement.h"

namespace DictionaryProperties {

QString Read(SqliteConnection& connection, const QString& name)
{
    if (connection.QueryText(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = "
                                            "'glossmere_properties'"))
        == QLatin1String("0")) {
        return {};
    }
    SqliteStatement select(connection, QStringLiteral("SELECT value FROM glossmere_properties WHERE name = :name"));
    select.BindText(":name", name);
    return select.Step() ? select.ColumnText(0) : QString();
}

void Write(SqliteConnection& connection, const QString& name, const QString& value, const UserText& purpose)
{
    SqliteStatement create(connection,
        QStringLiteral("CREATE TABLE IF NOT EXISTS glossmere_properties (name TEXT PRIMARY KEY, value TEXT)"));
    create.SetPurpose(purpose);
    create.Run();
    SqliteStatement insert(
        connection, QStringLiteral("INSERT OR REPLACE INTO glossmere_properties (name, value) VALUES (:name, :value)"));
    insert.SetPurpose(purpose);
    insert.BindText(":name", name);
    insert.BindText(":value", value);
    insert.Run();
}

} // namespace DictionaryProperties
