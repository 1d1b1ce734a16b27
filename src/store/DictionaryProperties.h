#pragma once

#include "base/UserText.h"

#include <QString>

class SqliteConnection;

// Facts about a dictionary as a whole, kept in a table of their own beside the card table
// (`glossmere_properties`: `name` TEXT PRIMARY KEY, `value` TEXT), which readers of the card
// table never see. A dictionary without the table simply has no properties.
namespace DictionaryProperties {

// The language of the dictionary's words, as a code ("en", "ru", "es"): the voice that says
// them.
inline const QString kLanguage = QStringLiteral("language");

// The value of the property; empty when it is not set or the file has no property table.
QString Read(SqliteConnection& connection, const QString& name);
// Sets the property, making the table if the file has none. A failure names `purpose`.
void Write(SqliteConnection& connection, const QString& name, const QString& value, const UserText& purpose = {});

} // namespace DictionaryProperties
