#include "CrashPlan.h"

#include "base/SettingsKeys.h"
#include "store/CardTable.h"
#include "store/SqliteConnection.h"
#include "store/SqliteStatement.h"
#include "support/DictionaryBuilder.h"

#include <QRandomGenerator>

using namespace CardTable;

namespace CrashPlan {

namespace {

const char* kCounters = "associaciya_true, mozaika_true, vibor_perevoda_true, vspomnit_true, perevod_true, para_true";

} // namespace

QString ScrambledStatus(qint64 id)
{
    switch (id % 3) {
    case 0:
        return StatusValue::kLearned;
    case 1:
        return StatusValue::kIgnore;
    default:
        return StatusValue::kLearning;
    }
}

qint64 ScrambledMark(qint64 n)
{
    return n % kBulkCards + 1;
}

void Scramble(SqliteConnection& connection, qint64 n)
{
    SqliteStatement update(connection,
        QStringLiteral("UPDATE tab SET status = CASE id % 3 WHEN 0 THEN 'learned' WHEN 1 THEN 'ignore' "
                       "ELSE 'learning' END, active_word = (id = :Mark), associaciya_true = :N, mozaika_true = :N, "
                       "vibor_perevoda_true = :N, vspomnit_true = :N, perevod_true = :N, para_true = :N"));
    update.BindInteger(":Mark", ScrambledMark(n));
    update.BindInteger(":N", n);
    update.Run();
}

QString CardLine(const QString& status, qint64 mark, qint64 counter)
{
    QStringList counters;
    for (int i = 0; i < 6; ++i) {
        counters << QString::number(counter);
    }
    return QStringLiteral("%1|%2|%3").arg(status).arg(mark).arg(counters.join(QLatin1Char(',')));
}

QStringList Scrambled(qint64 n)
{
    QStringList cards;
    for (qint64 id = 1; id <= kBulkCards; ++id) {
        cards << CardLine(ScrambledStatus(id), id == ScrambledMark(n) ? 1 : 0, n);
    }
    return cards;
}

QStringList Returned(qint64 n)
{
    QStringList cards;
    for (qint64 id = 1; id <= kBulkCards; ++id) {
        const QString status = ScrambledStatus(id);
        cards << CardLine(status == StatusValue::kIgnore ? QString() : status, id == ScrambledMark(n) ? 1 : 0, n);
    }
    return cards;
}

QStringList AfterReset()
{
    QStringList cards;
    for (qint64 id = 1; id <= kBulkCards; ++id) {
        cards << CardLine(id == 1 ? QString(StatusValue::kLearning) : QString(), id == 1 ? 1 : 0, 0);
    }
    return cards;
}

QStringList ReadCards(SqliteConnection& connection)
{
    SqliteStatement select(connection,
        QStringLiteral("SELECT status, active_word, %1 FROM tab ORDER BY id").arg(QLatin1String(kCounters)));
    QStringList cards;
    while (select.Step()) {
        QStringList counters;
        for (int column = 2; column < 8; ++column) {
            counters << (select.ColumnIsNull(column) ? QStringLiteral("<null>") : select.ColumnText(column));
        }
        cards << QStringLiteral("%1|%2|%3")
                     .arg(select.ColumnIsNull(0) ? QStringLiteral("<null>") : select.ColumnText(0))
                     .arg(select.ColumnText(1), counters.join(QLatin1Char(',')));
    }
    return cards;
}

Step StepFor(quint32 seed, qint64 step)
{
    QRandomGenerator random(seed ^ quint32(step * 2654435761u));
    const quint32 roll = random.bounded(100u);
    return roll < 60 ? Step::Next : roll < 92 ? Step::Previous : Step::Remove;
}

const char* StepName(Step step)
{
    switch (step) {
    case Step::Next:
        return "next";
    case Step::Previous:
        return "previous";
    case Step::Remove:
        return "remove";
    }
    return "?";
}

bool StartsLearned(qint64 id)
{
    return id % 7 == 0;
}

SettingWrite SettingFor(qint64 n)
{
    using namespace SettingsKeys;
    const QString number = QString::number(n);
    switch (n % 8) {
    case 0:
        return { kMain, kKolStarts, number };
    case 1:
        return { kMain, kDict, QStringLiteral("/home/ученик/Словари/словарь %1.dat").arg(n) };
    case 2:
        return { kMain, kLanguage, n % 16 == 2 ? QStringLiteral("russian") : QStringLiteral("english") };
    case 3:
        return { kMain, kKolCorrectAnswers, QString::number(n % 9 + 1) };
    case 4:
        return { kMain, kMaxBlockSize, QString::number(n % 20 + 4) };
    case 5:
        return { kSchedule, kDailyValue, QStringLiteral("%1:%2").arg(n % 24).arg(n % 60, 2, 10, QLatin1Char('0')) };
    case 6:
        return { kSchedule, kDuringDayValue, QString::number(n % 600 + 5) };
    default:
        return { kNotify, QStringLiteral("Para"), QString::number(n % 2) };
    }
}

QByteArray InitialSettings()
{
    QByteArray text = "; Settings of this user, kept by hand as well\n"
                      "[Main]\n"
                      "First start=0\n"
                      "Language=english\n"
                      "Kol starts=3\n"
                      "a line the program does not know\n"
                      "\n"
                      "[Schedule]\n"
                      "Use schedule=1\n"
                      "; Daily value is HH:MM\n";
    // Enough lines that a rewrite takes a while: more chances to die half-way.
    for (int i = 0; i < 400; ++i) {
        text += "; note " + QByteArray::number(i) + ": Расписание повторений, строка для проверки\n";
    }
    text += "\n[Notify]\nPara=0\n";
    return text;
}

QString FirstDifference(const QStringList& cards, const QStringList& expected)
{
    for (qsizetype i = 0; i < qMin(cards.size(), expected.size()); ++i) {
        if (cards[i] != expected[i]) {
            return QStringLiteral("card %1 is %2, not %3").arg(i + 1).arg(cards[i], expected[i]);
        }
    }
    return QStringLiteral("%1 cards, not %2").arg(cards.size()).arg(expected.size());
}

QString BuildBulkDictionary(const QString& path)
{
    DictionaryBuilder builder;
    // As a whole reset leaves it: only the first card in learning and marked.
    builder.Card(QStringLiteral("word001")).Status(QStringLiteral("learning")).Marked();
    for (int id = 2; id <= kBulkCards; ++id) {
        builder.Card(QStringLiteral("word%1").arg(id, 3, 10, QLatin1Char('0'))).Marked(false);
    }
    return builder.Write(path);
}

QString BuildPagingDictionary(const QString& path)
{
    DictionaryBuilder builder;
    for (int id = 1; id <= kPagingCards; ++id) {
        builder.Card(QStringLiteral("word%1").arg(id, 3, 10, QLatin1Char('0'))).Marked(id == 1);
        if (id == 1 || StartsLearned(id)) {
            builder.Status(StartsLearned(id) ? QStringLiteral("learned") : QStringLiteral("learning"));
        }
    }
    return builder.Write(path);
}

} // namespace CrashPlan
