#pragma once

#include <QByteArray>
#include <QString>
#include <variant>

// One value of a table cell as the engine stores it: NULL, an integer, text or bytes.
// Reals never occur in dictionaries; a real met in a file reads as an integer.
using SqlValue = std::variant<std::monostate, qint64, QString, QByteArray>;

inline bool IsNull(const SqlValue& value)
{
    return std::holds_alternative<std::monostate>(value);
}
