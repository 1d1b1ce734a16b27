#include "support/DictionaryProbe.h"

#include "store/DictionaryFile.h"
#include "store/SqliteConnection.h"
#include "store/SqliteStatement.h"

#include <QFile>

namespace DictionaryProbe {

SqlValue Value(const QString& path, qint64 id, const QString& column)
{
    auto connection = DictionaryFile::Open(path);
    SqliteStatement select(*connection, QStringLiteral("SELECT \"%1\" FROM tab WHERE id = :Id").arg(column));
    select.BindInteger(":Id", id);
    return select.Step() ? select.ColumnValue(0) : SqlValue();
}

QString Text(const QString& path, qint64 id, const QString& column)
{
    const SqlValue value = Value(path, id, column);
    if (const auto* integer = std::get_if<qint64>(&value)) {
        return QString::number(*integer);
    }
    const auto* text = std::get_if<QString>(&value);
    return text ? *text : QString();
}

qint64 Integer(const QString& path, qint64 id, const QString& column)
{
    const SqlValue value = Value(path, id, column);
    const auto* integer = std::get_if<qint64>(&value);
    return integer ? *integer : 0;
}

QStringList Column(const QString& path, const QString& column)
{
    auto connection = DictionaryFile::Open(path);
    SqliteStatement select(*connection, QStringLiteral("SELECT \"%1\" FROM tab ORDER BY id").arg(column));
    QStringList values;
    while (select.Step()) {
        values << (select.ColumnIsNull(0) ? QStringLiteral("<null>") : select.ColumnText(0));
    }
    return values;
}

QString Query(const QString& path, const QString& sql)
{
    return DictionaryFile::Open(path)->QueryText(sql);
}

void Execute(const QString& path, const QString& sql)
{
    DictionaryFile::Open(path)->Execute(sql);
}

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace DictionaryProbe
