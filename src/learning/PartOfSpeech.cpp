#include "learning/PartOfSpeech.h"

#include <array>
#include <utility>

namespace PartOfSpeech {

namespace {

const QString kOther = QStringLiteral("other");

} // namespace

void PartOfSpeechMarker(const QString& code, QString& marker, const MessageLookup& lookup)
{
    static const std::array<std::pair<QString, QString>, 10> kMarkers { {
        { QStringLiteral("verb"), QStringLiteral("(глаг.)") },
        { QStringLiteral("noun"), QStringLiteral("(сущ.)") },
        { QStringLiteral("adj."), QStringLiteral("(прил.)") },
        { QStringLiteral("adv."), QStringLiteral("(нареч.)") },
        { QStringLiteral("pron."), QStringLiteral("(мест.)") },
        { QStringLiteral("prep."), QStringLiteral("(предл.)") },
        { QStringLiteral("conj."), QStringLiteral("(союз)") },
        { QStringLiteral("num."), QStringLiteral("(числ.)") },
        { QStringLiteral("interj."), QStringLiteral("(межд.)") },
        { kOther, QStringLiteral("(др.)") },
    } };
    for (const auto& [known, builtIn] : kMarkers) {
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
