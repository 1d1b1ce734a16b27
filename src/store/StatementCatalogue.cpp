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

Entry Reset(CardTable::Column column, const char* valueName, SqlValue value, const char* headerName)
{
    return { QStringLiteral("UPDATE tab SET %1 = %2 WHERE header <> %3")
                 .arg(CardTable::ColumnName(column), QLatin1String(valueName), QLatin1String(headerName)),
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
        Reset(CardTable::Status, ":Str1", EmptyText(), ":Str2"),
        Reset(CardTable::ActiveWord, ":Str3", qint64(0), ":Str4"),
        Reset(CardTable::AssociaciyaTrue, ":Str1", qint64(0), ":Str2"),
        Reset(CardTable::ViborPerevodaTrue, ":Str1", qint64(0), ":Str2"),
        Reset(CardTable::MozaikaTrue, ":Str1", qint64(0), ":Str2"),
        Reset(CardTable::VspomnitTrue, ":Str1", qint64(0), ":Str2"),
        Reset(CardTable::PerevodTrue, ":Str1", qint64(0), ":Str2"),
        Reset(CardTable::ParaTrue, ":Str1", qint64(0), ":Str2"),
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

Entry CreateHistory()
{
    return { QStringLiteral("CREATE TABLE IF NOT EXISTS history (day TEXT PRIMARY KEY NOT NULL, "
                            "learned INTEGER NOT NULL DEFAULT 0, right_answers INTEGER NOT NULL DEFAULT 0, "
                            "wrong_answers INTEGER NOT NULL DEFAULT 0, sessions INTEGER NOT NULL DEFAULT 0)"),
        {} };
}

QList<Entry> AddToHistory(const QString& day, qint64 learned, qint64 rightAnswers, qint64 wrongAnswers, qint64 sessions)
{
    return {
        { QStringLiteral("INSERT OR IGNORE INTO history (day) VALUES (:Day)"), { { ":Day", day } } },
        { QStringLiteral("UPDATE history SET learned = learned + :Learned, right_answers = right_answers + :Right, "
                         "wrong_answers = wrong_answers + :Wrong, sessions = sessions + :Sessions WHERE day = :Day"),
            { { ":Learned", learned }, { ":Right", rightAnswers }, { ":Wrong", wrongAnswers },
                { ":Sessions", sessions }, { ":Day", day } } },
    };
}

Entry HasHistory()
{
    return { QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = 'history'"), {} };
}

Entry ReadHistory()
{
    return { QStringLiteral("SELECT day, learned, right_answers, wrong_answers, sessions FROM history ORDER BY day"),
        {} };
}

Entry ClearHistory()
{
    return { QStringLiteral("DELETE FROM history"), {} };
}

Entry DataVersion()
{
    return { QStringLiteral("PRAGMA data_version"), {} };
}

Entry InsertCard()
{
    QStringList names;
    QStringList values;
    for (int column = 0; column < CardTable::kColumnCount; ++column) {
        names << CardTable::ColumnName(column);
        values << QString::fromLatin1(InsertCardParameter(column));
    }
    return { QStringLiteral("INSERT INTO tab (%1) VALUES (%2)")
                 .arg(names.join(QStringLiteral(", ")), values.join(QStringLiteral(", "))),
        {} };
}

QByteArray InsertCardParameter(int column)
{
    return ":c" + QByteArray::number(column);
}

Entry NextCardId()
{
    return { QStringLiteral("SELECT coalesce(max(id), 0) + 1 FROM tab"), {} };
}

Entry DeleteCard(qint64 rowId)
{
    return { QStringLiteral("DELETE FROM tab WHERE rowid = :RowId"), { { kRowIdParameter, rowId } } };
}

QList<Entry> StartImportPairs()
{
    return { { QStringLiteral("DROP TABLE IF EXISTS temp.import_pairs"), {} },
        { QStringLiteral("CREATE TEMP TABLE import_pairs (header TEXT NOT NULL, translation TEXT NOT NULL, "
                         "PRIMARY KEY (header, translation)) WITHOUT ROWID"),
            {} },
        { QStringLiteral("INSERT OR IGNORE INTO import_pairs SELECT coalesce(header, ''), coalesce(translation, '') "
                         "FROM tab"),
            {} } };
}

Entry AddImportPair(const QString& header, const QString& translation)
{
    return { QStringLiteral("INSERT OR IGNORE INTO import_pairs VALUES (:Header, :Translation)"),
        { { ":Header", header }, { ":Translation", translation } } };
}

Entry DropImportPairs()
{
    return { QStringLiteral("DROP TABLE temp.import_pairs"), {} };
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
