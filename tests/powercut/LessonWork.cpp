#include "LessonWork.h"

#include "PowerCutRun.h"

#include "learning/ExerciseNumbers.h"
#include "learning/LearningSession.h"
#include "store/CardTable.h"
#include "store/Dataset.h"
#include "store/DictionaryFile.h"
#include "store/DictionaryStore.h"
#include "store/SqliteConnection.h"
#include "store/SqliteStatement.h"
#include "support/DictionaryBuilder.h"
#include "support/FakeSeams.h"

using CardTable::StatusValue::kLearned;
using CardTable::StatusValue::kLearning;

namespace LessonWork {

namespace {

// Right answers given per block before it is marked learned.
constexpr int kAnswersPerBlock = 4;

QByteArray Begin(qint64 n, const QByteArray& what)
{
    return "begin " + QByteArray::number(n) + ' ' + what;
}

QByteArray Done(qint64 n)
{
    return "done " + QByteArray::number(n);
}

} // namespace

QString BuildDictionary(const QString& path)
{
    DictionaryBuilder builder;
    for (int id = 1; id <= kCards; ++id) {
        builder.Card(QStringLiteral("word%1").arg(id, 3, 10, QLatin1Char('0')))
            .Status(QString(kLearning))
            .Marked(id == 1);
    }
    return builder.Write(path);
}

int Run(const QString& path, qint64 first)
{
    CountingEventPump events;
    DictionaryStore store(events);
    store.OpenDictionary(path);
    const auto other = DictionaryFile::Open(path);
    LearningSession session;
    for (qint64 n = first;;) {
        store.OpenLearningBlock(LearningSession::kMaxBlockSize);
        Dataset& block = store.Learning();
        session.LoadBlock(block);
        if (session.BlockSize < LearningSession::kMaxBlockSize) {
            ReportLine(Begin(n, "relearn"));
            other->Execute(QStringLiteral("UPDATE tab SET status = 'learning' WHERE status = 'learned'"));
            ReportLine(Done(n++));
            continue;
        }
        for (int answer = 0; answer < kAnswersPerBlock; ++answer, ++n) {
            session.CurrentCard = int(n % session.BlockSize) + 1;
            const int exercise = int(n % ExerciseNumbers::kCount) + 1;
            block.MoveTo(session.CurrentCard);
            ReportLine(Begin(n, "score " + QByteArray::number(block.RowId()) + ' ' + QByteArray::number(exercise)));
            session.ScoreCorrectAnswer(store, ExerciseNumbers::KindOf(exercise), QDate(2026, 3, 2));
            ReportLine(Done(n));
        }
        QByteArray ids;
        for (int k = 1; k <= session.BlockSize; ++k) {
            block.MoveTo(k);
            ids += ' ' + QByteArray::number(block.RowId());
        }
        ReportLine(Begin(n, "learned" + ids));
        session.MarkBlockLearned(store, QDate(2026, 3, 2));
        ReportLine(Done(n++));
    }
}

Cards Read(SqliteConnection& connection)
{
    QStringList counters;
    for (int exercise = 1; exercise <= ExerciseNumbers::kCount; ++exercise) {
        counters << CardTable::ColumnName(ExerciseNumbers::CounterPosition(exercise));
    }
    SqliteStatement select(connection,
        QStringLiteral("SELECT status, active_word, %1 FROM tab ORDER BY id").arg(counters.join(QStringLiteral(", "))));
    Cards cards;
    while (select.Step()) {
        Card& card = cards.emplace_back();
        card.status = select.ColumnText(0);
        card.mark = select.ColumnInteger(1);
        for (int i = 0; i < ExerciseNumbers::kCount; ++i) {
            card.counters.at(std::size_t(i)) = select.ColumnInteger(i + 2);
        }
    }
    return cards;
}

bool Apply(Cards& cards, const QByteArray& begin)
{
    const QList<QByteArray> words = begin.split(' ');
    if (words.size() < 3 || words.at(0) != "begin") {
        return false;
    }
    const QByteArray& what = words.at(2);
    const auto card = [&cards](const QByteArray& id) -> Card* {
        const qsizetype index = id.toLongLong() - 1;
        return index >= 0 && index < qsizetype(cards.size()) ? &cards.at(std::size_t(index)) : nullptr;
    };
    if (what == "relearn" && words.size() == 3) {
        for (Card& each : cards) {
            if (each.status == kLearned) {
                each.status = kLearning;
            }
        }
        return true;
    }
    if (what == "score" && words.size() == 5) {
        Card* scored = card(words.at(3));
        const int exercise = words.at(4).toInt();
        if (!scored || exercise < 1 || exercise > ExerciseNumbers::kCount) {
            return false;
        }
        ++scored->counters.at(std::size_t(exercise - 1));
        return true;
    }
    if (what == "learned") {
        for (qsizetype i = 3; i < words.size(); ++i) {
            Card* learned = card(words.at(i));
            if (!learned) {
                return false;
            }
            learned->status = kLearned;
        }
        return true;
    }
    return false;
}

QString Describe(const Cards& cards, qsizetype index)
{
    if (index < 0 || index >= qsizetype(cards.size())) {
        return QStringLiteral("no card %1").arg(index + 1);
    }
    const Card& card = cards.at(std::size_t(index));
    return QStringLiteral("card %1: %2|%3|%4,%5,%6,%7")
        .arg(index + 1)
        .arg(card.status)
        .arg(card.mark)
        .arg(card.counters[0])
        .arg(card.counters[1])
        .arg(card.counters[2])
        .arg(card.counters[3]);
}

} // namespace LessonWork
