#include "words/WordImport.h"

#include "store/CardInsert.h"
#include "store/SqliteConnection.h"
#include "store/SqliteStatement.h"
#include "store/StatementCatalogue.h"
#include "words/ImportTexts.h"

namespace {

constexpr int kRowsBetweenReports = 256;

struct Cancelled { };

// The codes the program shows markers for; other texts are kept as they are.
QString PartOfSpeechCode(const QString& text)
{
    static const QList<QPair<QString, QString>> codes { { QStringLiteral("noun"), QStringLiteral("noun") },
        { QStringLiteral("n"), QStringLiteral("noun") }, { QStringLiteral("verb"), QStringLiteral("verb") },
        { QStringLiteral("v"), QStringLiteral("verb") }, { QStringLiteral("adjective"), QStringLiteral("adj.") },
        { QStringLiteral("adj"), QStringLiteral("adj.") }, { QStringLiteral("adverb"), QStringLiteral("adv.") },
        { QStringLiteral("adv"), QStringLiteral("adv.") }, { QStringLiteral("pronoun"), QStringLiteral("pron.") },
        { QStringLiteral("pron"), QStringLiteral("pron.") }, { QStringLiteral("preposition"), QStringLiteral("prep.") },
        { QStringLiteral("prep"), QStringLiteral("prep.") }, { QStringLiteral("conjunction"), QStringLiteral("conj.") },
        { QStringLiteral("conj"), QStringLiteral("conj.") }, { QStringLiteral("numeral"), QStringLiteral("num.") },
        { QStringLiteral("num"), QStringLiteral("num.") },
        { QStringLiteral("interjection"), QStringLiteral("interj.") },
        { QStringLiteral("interj"), QStringLiteral("interj.") } };
    QString key = text.toLower();
    if (key.endsWith(QLatin1Char('.'))) {
        key.chop(1);
    }
    for (const auto& [name, code] : codes) {
        if (key == name) {
            return code;
        }
    }
    return text;
}

SqlValue TextOrNull(const QString& text)
{
    return text.isEmpty() ? SqlValue() : SqlValue(text);
}

} // namespace

namespace WordImport {

RowCard CardOf(const WordRow& row, const ColumnMapping& mapping)
{
    const auto field = [&row, &mapping](WordField which) {
        const int column = mapping[which];
        return column >= 0 ? row.fields.value(column).trimmed() : QString();
    };
    RowCard made { CardRecord::Make(field(WordField::Word), field(WordField::Translation)), row.problem };
    if (!made.rejection.IsEmpty()) {
        return made;
    }
    if (field(WordField::Word).isEmpty()) {
        made.rejection = ImportTexts::Rejection("no_word", "no word");
    } else if (field(WordField::Translation).isEmpty()) {
        made.rejection = ImportTexts::Rejection("no_translation", "no translation");
    }
    made.card[CardTable::Transcription] = TextOrNull(field(WordField::Transcription));
    made.card[CardTable::PartOfSpeech] = PartOfSpeechCode(field(WordField::PartOfSpeech));
    made.card[CardTable::Example] = TextOrNull(field(WordField::Example));
    made.card[CardTable::Comment] = TextOrNull(field(WordField::Comment));
    return made;
}

Outcome Run(SqliteConnection& dictionary, WordSource& source, const ColumnMapping& mapping, const Progress& progress)
{
    Outcome outcome;
    const UserText purpose = Purpose("import", "import words into");
    const auto body = [&] {
        for (const StatementCatalogue::Entry& entry : StatementCatalogue::StartImportPairs()) {
            SqliteStatement statement(dictionary, entry.sql);
            statement.SetPurpose(purpose);
            statement.Run();
        }
        {
            const StatementCatalogue::Entry pair = StatementCatalogue::AddImportPair({}, {});
            SqliteStatement addPair(dictionary, pair.sql);
            addPair.SetPurpose(purpose);
            CardInsert insert(dictionary, purpose);
            WordRow row;
            qint64 rows = 0;
            while (source.Next(row)) {
                if (++rows % kRowsBetweenReports == 0 && progress
                    && !progress(source.BytesRead(), source.TotalBytes())) {
                    throw Cancelled();
                }
                const RowCard made = CardOf(row, mapping);
                if (!made.rejection.IsEmpty()) {
                    if (++outcome.rejected <= kShownRejections) {
                        outcome.firstRejections.push_back(
                            ImportTexts::AtPlace(source.PlacesAreLines(), row.place, made.rejection));
                    }
                    continue;
                }
                addPair.Bind(pair.parameters.at(0).first.constData(), made.card[CardTable::Header]);
                addPair.Bind(pair.parameters.at(1).first.constData(), made.card[CardTable::Translation]);
                addPair.Run();
                if (dictionary.ChangedRows() == 0) {
                    ++outcome.duplicates;
                    continue;
                }
                insert.Add(made.card);
                ++outcome.imported;
            }
        } // the statements on the pairs end before their table goes
        SqliteStatement drop(dictionary, StatementCatalogue::DropImportPairs().sql);
        drop.SetPurpose(purpose);
        drop.Run();
        if (progress && !progress(source.TotalBytes(), source.TotalBytes())) {
            throw Cancelled();
        }
    };
    try {
        dictionary.RunInTransaction(purpose, body);
    } catch (const Cancelled&) {
        return { 0, 0, 0, {}, true };
    }
    return outcome;
}

} // namespace WordImport
