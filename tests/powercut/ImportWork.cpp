#include "ImportWork.h"

#include "PowerCutRun.h"

#include "base/ExerciseKind.h"
#include "store/CardTable.h"
#include "store/DictionaryStore.h"
#include "store/SqliteConnection.h"
#include "store/SqliteStatement.h"
#include "support/DictionaryBuilder.h"
#include "support/FakeSeams.h"
#include "words/WordImport.h"
#include "words/WordLists.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <array>

namespace ImportWork {

namespace {

// Imports before their cards are deleted again: the later ones import into a dictionary that
// has imported cards already.
constexpr int kImportsKept = 2;

QString Word(qint64 n, int k)
{
    return QStringLiteral("i%1w%2").arg(n).arg(k, 3, 10, QLatin1Char('0'));
}

// The list of import N as a CSV file with a header line: kWords new words, some without a
// transcription, then a card the dictionary has, a word the list has already and a row
// without a word.
QByteArray WordList(qint64 n)
{
    QString text = QStringLiteral("word,translation,transcription\n");
    for (int k = 1; k <= kWords; ++k) {
        text += QStringLiteral("%1,перевод %2,%3\n")
                    .arg(Word(n, k))
                    .arg(k)
                    .arg(k % 5 == 0 ? QString() : QStringLiteral("[%1]").arg(k));
    }
    text += QStringLiteral("word001,translation,\n%1,перевод 1,\n,нет\n").arg(Word(n, 1));
    return text.toUtf8();
}

// The cards import N adds, as Read gives them.
QStringList Imported(qint64 n)
{
    QStringList cards;
    for (int k = 1; k <= kWords; ++k) {
        cards << QStringLiteral("%1|%2|перевод %3|||0|0,0,0,0,0,0")
                     .arg(Word(n, k), k % 5 == 0 ? QStringLiteral("<null>") : QStringLiteral("[%1]").arg(k))
                     .arg(k);
    }
    return cards;
}

void Report(qint64 n, const QByteArray& what)
{
    ReportLine("begin " + QByteArray::number(n) + ' ' + what);
}

// Imports list N into the open dictionary as the import dialog does, and checks what it took.
bool Import(DictionaryStore& store, const QString& list, qint64 n)
{
    QFile file(list);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(WordList(n)) < 0) {
        return false;
    }
    file.close();
    Report(n, "import");
    WordLists::Opened words = WordLists::Open(list, {});
    const WordImport::Outcome outcome = WordImport::Run(store.Connection(), *words.source, words.mapping);
    store.ReloadBrowserDataset();
    return outcome.imported == kWords && outcome.duplicates == 2 && outcome.rejected == 1 && !outcome.cancelled;
}

void DeleteImported(DictionaryStore& store, qint64 n)
{
    Dataset& cards = store.Browser();
    std::vector<int> records;
    for (int record = 1; record <= cards.RecordCount(); ++record) {
        cards.MoveTo(record);
        if (cards.IntegerAt(CardTable::Id) > kBaseCards) {
            records.push_back(record);
        }
    }
    Report(n, "delete " + QByteArray::number(qsizetype(records.size())));
    store.DeleteCards(records);
}

} // namespace

QString BuildDictionary(const QString& path)
{
    const std::array<QString, 4> statuses { QString(CardTable::StatusValue::kNew),
        QString(CardTable::StatusValue::kLearning), QString(CardTable::StatusValue::kLearned),
        QString(CardTable::StatusValue::kIgnore) };
    DictionaryBuilder builder;
    for (int id = 1; id <= kBaseCards; ++id) {
        builder.Card(QStringLiteral("word%1").arg(id, 3, 10, QLatin1Char('0')))
            .Status(id == 1 ? statuses.at(1) : statuses.at(std::size_t(id % 4)))
            .Set(CardTable::CounterColumn(kAllExerciseKinds.at(std::size_t(id) % kExerciseKindCount)), qint64(id))
            .Marked(id == 1);
    }
    return builder.Write(path);
}

int Run(const QString& path, qint64 first)
{
    CountingEventPump events;
    DictionaryStore store(events);
    store.OpenDictionary(path);
    const QString list = QFileInfo(path).dir().filePath(QStringLiteral("words.csv"));
    for (qint64 n = first;; ++n) {
        if (store.Browser().RecordCount() >= kBaseCards + kImportsKept * kWords) {
            DeleteImported(store, n);
        } else if (!Import(store, list, n)) {
            ReportLine("error import " + QByteArray::number(n) + " did not take the list as written");
            return 1;
        }
        ReportLine("done " + QByteArray::number(n));
    }
}

QStringList Read(SqliteConnection& connection)
{
    QStringList columns;
    for (const int column : { CardTable::Header, CardTable::Transcription, CardTable::Translation,
             CardTable::PartOfSpeech, CardTable::Status, CardTable::ActiveWord }) {
        columns << CardTable::ColumnName(column);
    }
    for (const ExerciseKind kind : kAllExerciseKinds) {
        columns << CardTable::ColumnName(CardTable::CounterColumn(kind));
    }
    SqliteStatement select(
        connection, QStringLiteral("SELECT %1 FROM tab ORDER BY id").arg(columns.join(QStringLiteral(", "))));
    QStringList cards;
    while (select.Step()) {
        QStringList texts;
        for (int column = 0; column < int(columns.size()); ++column) {
            texts << (select.ColumnIsNull(column) ? QStringLiteral("<null>") : select.ColumnText(column));
        }
        cards << texts.mid(0, 6).join(QLatin1Char('|')) + QLatin1Char('|') + texts.mid(6).join(QLatin1Char(','));
    }
    return cards;
}

bool Apply(QStringList& cards, const QByteArray& begin)
{
    const QList<QByteArray> words = begin.split(' ');
    if (words.size() < 3 || words.at(0) != "begin" || cards.size() < kBaseCards) {
        return false;
    }
    if (words.at(2) == "import" && words.size() == 3 && cards.size() < kBaseCards + kImportsKept * kWords) {
        cards << Imported(words.at(1).toLongLong());
        return true;
    }
    if (words.at(2) == "delete" && words.size() == 4 && words.at(3).toLongLong() == cards.size() - kBaseCards) {
        cards.resize(kBaseCards);
        return true;
    }
    return false;
}

} // namespace ImportWork
