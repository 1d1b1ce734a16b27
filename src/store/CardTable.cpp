#include "store/CardTable.h"

#include <QStringList>

namespace CardTable {

int FindColumn(QStringView name)
{
    for (int column = 0; column < kColumnCount; ++column) {
        if (name == QLatin1String(kColumns.at(size_t(column)).name)) {
            return column;
        }
    }
    return -1;
}

bool IsIntegerColumn(int column)
{
    return column == Id || QByteArrayView(kColumns.at(size_t(column)).declaration) == "INTEGER";
}

QString CreateStatement()
{
    QStringList columns;
    for (const ColumnInfo& column : kColumns) {
        columns << QStringLiteral("%1 %2").arg(QLatin1String(column.name), QLatin1String(column.declaration));
    }
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(QLatin1String(kTable), columns.join(QStringLiteral(", ")));
}

} // namespace CardTable

CardRecord CardRecord::Make(const QString& header, const QString& translation)
{
    using namespace CardTable;
    CardRecord card;
    card[Header] = header;
    card[Translation] = translation;
    card[Status] = QString(StatusValue::kNew);
    card[PartOfSpeech] = QString(QLatin1String(""));
    for (const int column :
        { ActiveWord, AssociaciyaTrue, MozaikaTrue, ViborPerevodaTrue, VspomnitTrue, PerevodTrue, ParaTrue }) {
        card[column] = qint64(0);
    }
    return card;
}
