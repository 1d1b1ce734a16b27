#include "learning/PartOfSpeech.h"

#include <array>
#include <utility>

namespace PartOfSpeech {

namespace {

const QString kOtherMarker = QStringLiteral("(др.)");

} // namespace

void PartOfSpeechMarker(const QString& code, QString& marker)
{
    static const std::array<std::pair<QString, QString>, 5> kMarkers { {
        { QStringLiteral("verb"), QStringLiteral("(глаг.)") },
        { QStringLiteral("noun"), QStringLiteral("(сущ.)") },
        { QStringLiteral("adj."), QStringLiteral("(прил.)") },
        { QStringLiteral("adv."), QStringLiteral("(нареч.)") },
        { QStringLiteral("other"), kOtherMarker },
    } };
    for (const auto& [known, text] : kMarkers) {
        if (code == known) {
            marker = text;
            return;
        }
    }
}

QString QuestionWordCaption(const QString& word, const QString& code)
{
    QString marker;
    PartOfSpeechMarker(code, marker);
    if (marker == kOtherMarker) {
        marker.clear();
    }
    return word + QLatin1Char(' ') + marker;
}

} // namespace PartOfSpeech
