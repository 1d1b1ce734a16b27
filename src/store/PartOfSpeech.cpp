#include "store/PartOfSpeech.h"

#include <array>
#include <utility>

namespace PartOfSpeech {

namespace {

const QString kOther = QStringLiteral("other");

// Each code with its built-in Russian marker, in the order the editor lists them.
const std::array<std::pair<QString, QString>, 10>& Markers()
{
    static const std::array<std::pair<QString, QString>, 10> markers { {
        { QStringLiteral("noun"), QStringLiteral("(сущ.)") },
        { QStringLiteral("verb"), QStringLiteral("(глаг.)") },
        { QStringLiteral("adj."), QStringLiteral("(прил.)") },
        { QStringLiteral("adv."), QStringLiteral("(нареч.)") },
        { QStringLiteral("pron."), QStringLiteral("(мест.)") },
        { QStringLiteral("prep."), QStringLiteral("(предл.)") },
        { QStringLiteral("conj."), QStringLiteral("(союз)") },
        { QStringLiteral("num."), QStringLiteral("(числ.)") },
        { QStringLiteral("interj."), QStringLiteral("(межд.)") },
        { kOther, QStringLiteral("(др.)") },
    } };
    return markers;
}

} // namespace

const QStringList& KnownCodes()
{
    static const QStringList codes = [] {
        QStringList list;
        for (const auto& marker : Markers()) {
            list << marker.first;
        }
        return list;
    }();
    return codes;
}

void PartOfSpeechMarker(const QString& code, QString& marker, const MessageLookup& lookup)
{
    for (const auto& [known, builtIn] : Markers()) {
        if (code != known) {
            continue;
        }
        QString text;
        if (lookup && code != kOther) {
            QString key = code;
            if (key.endsWith(QLatin1Char('.'))) {
                key.chop(1);
            }
            text = lookup(QStringLiteral("form4_message_pos_") + key);
        }
        marker = text.isEmpty() ? builtIn : text;
        return;
    }
}

QString QuestionWordCaption(const QString& word, const QString& code, const MessageLookup& lookup)
{
    QString marker;
    if (code != kOther) {
        PartOfSpeechMarker(code, marker, lookup);
    }
    return word + QLatin1Char(' ') + marker;
}

} // namespace PartOfSpeech
