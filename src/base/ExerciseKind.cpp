#include "base/ExerciseKind.h"

QString ExerciseIdentifier(ExerciseKind kind)
{
    switch (kind) {
    case ExerciseKind::vibor_perevoda:
        return QStringLiteral("vibor_perevoda");
    case ExerciseKind::para:
        return QStringLiteral("para");
    case ExerciseKind::vspomnit:
        return QStringLiteral("vspomnit");
    case ExerciseKind::perevod:
        return QStringLiteral("perevod");
    case ExerciseKind::associaciya:
        return QStringLiteral("associaciya");
    case ExerciseKind::mozaika:
        return QStringLiteral("mozaika");
    }
    return {};
}

QString UseSettingKey(ExerciseKind kind)
{
    return QStringLiteral("Use ") + ExerciseIdentifier(kind).replace(QLatin1Char('_'), QLatin1Char(' '));
}

QString NotifyKey(ExerciseKind kind)
{
    QString key = ExerciseIdentifier(kind);
    key[0] = key[0].toUpper();
    return key;
}
