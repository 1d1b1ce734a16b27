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

Column CounterColumn(ExerciseKind kind)
{
    switch (kind) {
    case ExerciseKind::vibor_perevoda:
        return ViborPerevodaTrue;
    case ExerciseKind::para:
        return ParaTrue;
    case ExerciseKind::vspomnit:
        return VspomnitTrue;
    case ExerciseKind::perevod:
        return PerevodTrue;
    case ExerciseKind::associaciya:
        return AssociaciyaTrue;
    case ExerciseKind::mozaika:
        return MozaikaTrue;
    }
    return PerevodTrue;
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
    card[ActiveWord] = qint64(0);
    for (const ExerciseKind kind : kAllExerciseKinds) {
        card[CounterColumn(kind)] = qint64(0);
    }
    return card;
}
