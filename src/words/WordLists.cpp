#include "words/WordLists.h"

#include "store/CardCsv.h"
#include "store/CardTable.h"
#include "words/ImportTexts.h"
#include "words/KvtmlWords.h"
#include "words/WordFile.h"

#include <QFile>
#include <QSet>

namespace {

int ChosenLanguage(const QString& path, const KvtmlWords& document, const QString& chosen, int byDefault)
{
    if (chosen.isEmpty()) {
        return byDefault;
    }
    const int found = document.FindLanguage(chosen);
    if (found < 0) {
        QStringList known;
        for (const KvtmlWords::Language& language : document.Languages()) {
            known << (language.locale.isEmpty() ? language.id : language.locale);
        }
        ImportTexts::Fail(path,
            ImportTexts::Reason("no_language", "the document has no language %1 (it has %2)",
                { chosen, known.join(QStringLiteral(", ")) }));
    }
    return found;
}

} // namespace

namespace WordLists {

Opened Open(const QString& path, const Choice& choice)
{
    WordFile::Kind kind = WordFile::Inspect(path);
    kind.encoding = choice.encoding.value_or(kind.encoding);
    Opened opened { WordFile::Open(path, kind), {} };
    opened.mapping = opened.source->DefaultMapping();
    if (const auto* document = dynamic_cast<const KvtmlWords*>(opened.source.get())) {
        opened.mapping = KvtmlWords::MappingFor(ChosenLanguage(path, *document, choice.wordLanguage, 0),
            ChosenLanguage(path, *document, choice.translationLanguage, 1));
    }
    return opened;
}

bool IsCardCsv(const QString& path)
{
    const QString suffix = path.section(QLatin1Char('.'), -1).toLower();
    QFile file(path);
    if ((suffix != QLatin1String("csv") && suffix != QLatin1String("tsv")) || !file.open(QIODevice::ReadOnly)) {
        return false;
    }
    QByteArray line = file.readLine(WordFile::kSampleBytes).trimmed();
    if (line.startsWith("\xEF\xBB\xBF")) {
        line.remove(0, 3);
    }
    QSet<int> columns;
    for (const QByteArray& name : line.split(static_cast<char>(CardCsv::SeparatorFor(path)))) {
        const QString column = QString::fromUtf8(name).trimmed().toLower();
        const int found = CardTable::FindColumn(column == QLatin1String("word") ? QStringLiteral("header") : column);
        if (found < 0) {
            return false;
        }
        columns.insert(found);
    }
    return columns.contains(CardTable::Header) && columns.contains(CardTable::Translation);
}

QString Summary(const WordImport::Outcome& outcome, const QString& dictionary)
{
    QString text = QStringLiteral("Imported %1 cards into %2; %3 skipped as duplicates, %4 rejected.\n")
                       .arg(outcome.imported)
                       .arg(dictionary)
                       .arg(outcome.duplicates)
                       .arg(outcome.rejected);
    for (const UserText& rejection : outcome.firstRejections) {
        text += QStringLiteral("  ") + rejection.English() + QLatin1Char('\n');
    }
    if (outcome.rejected > qint64(outcome.firstRejections.size())) {
        text += QStringLiteral("  ... and %1 more\n").arg(outcome.rejected - qint64(outcome.firstRejections.size()));
    }
    return text;
}

} // namespace WordLists
