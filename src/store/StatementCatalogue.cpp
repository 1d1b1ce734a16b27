#include "store/StatementCatalogue.h"

#include "store/CardTable.h"
#include "store/HeaderOrder.h"

namespace StatementCatalogue {

namespace {

SqlValue EmptyText()
{
    return QString(QLatin1String(""));
}

// Empty and NULL headers sort together, as in the browser's list.
QString HeaderOrderClause()
{
    return QStringLiteral("ORDER BY coalesce(header, '') COLLATE %1, id").arg(QLatin1String(HeaderOrder::kCollation));
}

Entry Reset(const char* column, const char* valueName, SqlValue value, const char* headerName)
{
    return { QStringLiteral("UPDATE tab SET %1 = %2 WHERE header <> %3")
                 .arg(QLatin1String(column), QLatin1String(valueName), QLatin1String(headerName)),
        { { valueName, std::move(value) }, { headerName, EmptyText() } } };
}

} // namespace

Entry AllCards()
{
    return { QStringLiteral("SELECT rowid, * FROM tab"), {} };
}

Entry LearningBlock(int maxBlockSize)
{
    return { QStringLiteral("SELECT rowid, * FROM tab WHERE status = :Str2 %1 LIMIT %2")
                 .arg(HeaderOrderClause())
                 .arg(qMax(0, maxBlockSize)),
        { { ":Str2", QString(CardTable::StatusValue::kLearning) } } };
}

QList<Entry> ResetStatements()
{
    return {
        Reset("status", ":Str1", EmptyText(), ":Str2"),
        Reset("active_word", ":Str3", qint64(0), ":Str4"),
        Reset("associaciya_true", ":Str1", qint64(0), ":Str2"),
        Reset("vibor_perevoda_true", ":Str1", qint64(0), ":Str2"),
        Reset("mozaika_true", ":Str1", qint64(0), ":Str2"),
        Reset("vspomnit_true", ":Str1", qint64(0), ":Str2"),
        Reset("perevod_true", ":Str1", qint64(0), ":Str2"),
        Reset("para_true", ":Str1", qint64(0), ":Str2"),
    };
}

Entry MarkFirstCard()
{
    return { QStringLiteral("UPDATE tab SET active_word = :Str3, status = :Str1 "
                            "WHERE rowid = (SELECT rowid FROM tab %1 LIMIT 1)")
                 .arg(HeaderOrderClause()),
        { { ":Str3", qint64(1) }, { ":Str1", QString(CardTable::StatusValue::kLearning) } } };
}

Entry ReturnRemovedCards()
{
    return { QStringLiteral("UPDATE tab SET status = :Str1 WHERE header <> :Str2 AND status = :Str3"),
        { { ":Str1", EmptyText() }, { ":Str2", EmptyText() }, { ":Str3", QString(CardTable::StatusValue::kIgnore) } } };
}

QString RowUpdate(const QStringList& columns)
{
    QStringList assignments;
    for (int i = 0; i < columns.size(); ++i) {
        // Column names come from the file's own schema, checked on opening; quoting keeps
        // them names whatever they are.
        QString name = columns.at(i);
        name.replace(QLatin1Char('"'), QLatin1String("\"\""));
        assignments << QStringLiteral("\"%1\" = %2").arg(name, QString::fromLatin1(RowUpdateParameter(i)));
    }
    return QStringLiteral("UPDATE tab SET %1 WHERE rowid = %2")
        .arg(assignments.join(QStringLiteral(", ")), QLatin1String(kRowIdParameter));
}

QByteArray RowUpdateParameter(int index)
{
    return ":Value" + QByteArray::number(index + 1);
}

} // namespace StatementCatalogue
