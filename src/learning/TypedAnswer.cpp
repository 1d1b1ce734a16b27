#include "learning/TypedAnswer.h"

namespace TypedAnswer {

QString Trim(const QString& typed)
{
    qsizetype begin = 0;
    qsizetype end = typed.size();
    while (begin < end && typed.at(begin).unicode() <= 32) {
        ++begin;
    }
    while (end > begin && typed.at(end - 1).unicode() <= 32) {
        --end;
    }
    return typed.sliced(begin, end - begin);
}

bool IsRight(const QString& typed, const QString& translation)
{
    return Trim(typed) == translation;
}

} // namespace TypedAnswer
