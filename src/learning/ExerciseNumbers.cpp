#include "learning/ExerciseNumbers.h"

#include "base/AppError.h"
#include "store/CardTable.h"

namespace ExerciseNumbers {

ExerciseKind KindOf(int number)
{
    switch (number) {
    case kChoice:
        return ExerciseKind::vibor_perevoda;
    case kPairs:
        return ExerciseKind::para;
    case kRecall:
        return ExerciseKind::vspomnit;
    case kTyped:
        return ExerciseKind::perevod;
    default:
        throw AppError(QStringLiteral("There is no exercise number %1 in a learning session.").arg(number));
    }
}

int NumberOf(ExerciseKind kind)
{
    switch (kind) {
    case ExerciseKind::vibor_perevoda:
        return kChoice;
    case ExerciseKind::para:
        return kPairs;
    case ExerciseKind::vspomnit:
        return kRecall;
    case ExerciseKind::perevod:
        return kTyped;
    case ExerciseKind::associaciya:
    case ExerciseKind::mozaika:
        break;
    }
    return 0;
}

int CounterPosition(int number)
{
    return CardTable::CounterColumn(KindOf(number));
}

QString TitleKey(int number)
{
    return QStringLiteral("form4_message_") + ExerciseIdentifier(KindOf(number));
}

QString NoticeKey(int number)
{
    return TitleKey(number) + QStringLiteral("_info");
}

} // namespace ExerciseNumbers
