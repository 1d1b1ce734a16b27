#include "words/ColumnGuess.h"

#include <QHash>

namespace {

QString Normalized(const QString& name)
{
    return name.trimmed().toLower().replace(QLatin1Char('_'), QLatin1Char(' ')).simplified();
}

} // namespace

namespace ColumnGuess {

bool FieldOf(const QString& name, WordField& field)
{
    static const QHash<QString, WordField> fields {
        { QStringLiteral("word"), WordField::Word },
        { QStringLiteral("header"), WordField::Word },
        { QStringLiteral("front"), WordField::Word },
        { QStringLiteral("term"), WordField::Word },
        { QStringLiteral("question"), WordField::Word },
        { QStringLiteral("expression"), WordField::Word },
        { QStringLiteral("слово"), WordField::Word },
        { QStringLiteral("translation"), WordField::Translation },
        { QStringLiteral("back"), WordField::Translation },
        { QStringLiteral("meaning"), WordField::Translation },
        { QStringLiteral("answer"), WordField::Translation },
        { QStringLiteral("definition"), WordField::Translation },
        { QStringLiteral("перевод"), WordField::Translation },
        { QStringLiteral("transcription"), WordField::Transcription },
        { QStringLiteral("pronunciation"), WordField::Transcription },
        { QStringLiteral("ipa"), WordField::Transcription },
        { QStringLiteral("транскрипция"), WordField::Transcription },
        { QStringLiteral("part of speech"), WordField::PartOfSpeech },
        { QStringLiteral("pos"), WordField::PartOfSpeech },
        { QStringLiteral("word type"), WordField::PartOfSpeech },
        { QStringLiteral("часть речи"), WordField::PartOfSpeech },
        { QStringLiteral("example"), WordField::Example },
        { QStringLiteral("sentence"), WordField::Example },
        { QStringLiteral("пример"), WordField::Example },
        { QStringLiteral("comment"), WordField::Comment },
        { QStringLiteral("notes"), WordField::Comment },
        { QStringLiteral("note"), WordField::Comment },
        { QStringLiteral("комментарий"), WordField::Comment },
    };
    const auto found = fields.constFind(Normalized(name));
    if (found == fields.cend()) {
        return false;
    }
    field = *found;
    return true;
}

bool IsBookkeeping(const QString& name)
{
    const QString key = Normalized(name);
    return key == QLatin1String("guid") || key == QLatin1String("notetype") || key == QLatin1String("deck")
        || key == QLatin1String("tags");
}

ColumnMapping Guess(const std::vector<WordColumn>& columns)
{
    ColumnMapping mapping;
    std::vector<bool> taken(columns.size(), false);
    for (size_t column = 0; column < columns.size(); ++column) {
        WordField field {};
        if (IsBookkeeping(columns[column].name)) {
            taken[column] = true;
        } else if (FieldOf(columns[column].name, field) && mapping[field] < 0) {
            mapping[field] = int(column);
            taken[column] = true;
        }
    }
    for (const WordField field : { WordField::Word, WordField::Translation }) {
        for (size_t column = 0; column < columns.size() && mapping[field] < 0; ++column) {
            if (!taken[column]) {
                mapping[field] = int(column);
                taken[column] = true;
            }
        }
    }
    return mapping;
}

} // namespace ColumnGuess
