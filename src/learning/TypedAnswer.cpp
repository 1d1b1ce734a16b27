#include "learning/TypedAnswer.h"

#include <QRegularExpression>

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

namespace {

// A meaning as it is compared: trimmed, in lower case, every dash a hyphen-minus.
QString Loose(const QString& text)
{
    QString loose = Trim(text).toLower();
    for (QChar& c : loose) {
        if (c == u'\u2010' || c == u'\u2011' || c == u'\u2012' || c == u'\u2013' || c == u'\u2014' || c == u'\u2212') {
            c = u'-';
        }
    }
    return loose;
}

} // namespace

bool IsAnyMeaning(const QString& typed, const QString& translation)
{
    const QString answer = Loose(typed);
    if (answer.isEmpty()) {
        return false;
    }
    if (answer == Loose(translation)) {
        return true;
    }
    static const QRegularExpression separators(QStringLiteral("[,;]"));
    for (const QString& meaning : translation.split(separators)) {
        if (answer == Loose(meaning)) {
            return true;
        }
    }
    return false;
}

} // namespace TypedAnswer
