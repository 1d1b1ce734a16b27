#pragma once

// What the killed child does, worked out from plain numbers, so that the test that kills it
// knows what every reported change wrote and what the one change under way may have
// written. Both sides call these functions with the same numbers.

#include <QString>
#include <QStringList>

class SqliteConnection;

namespace CrashPlan {

// The bulk rounds (reset, return of removed cards) work on this many cards, "word001"...,
// whose ids follow their header order; the paging rounds on this many.
inline constexpr int kBulkCards = 600;
inline constexpr int kPagingCards = 200;

// The state the n-th scrambling gives every card: statuses by id (learned, removed,
// learning in turn), every counter n, only card n % kBulkCards + 1 marked.
QString ScrambledStatus(qint64 id);
qint64 ScrambledMark(qint64 n);
// Scrambles the dictionary in one statement, as another program would.
void Scramble(SqliteConnection& connection, qint64 n);

// One card as the checks compare it: "status|mark|six counters".
QString CardLine(const QString& status, qint64 mark, qint64 counter);
// Every card, in id order, after the n-th scrambling; after it and a return of removed
// cards; after a reset of the statistics.
QStringList Scrambled(qint64 n);
QStringList Returned(qint64 n);
QStringList AfterReset();
// Every card of the file in the same form.
QStringList ReadCards(SqliteConnection& connection);

// Paging: the step the browser takes as number `step` of a run with this seed.
enum class Step { Next, Previous, Remove };
Step StepFor(quint32 seed, qint64 step);
const char* StepName(Step step);
// The paging dictionary's cards that start out learned.
bool StartsLearned(qint64 id);

// Settings: the n-th write of a round.
struct SettingWrite {
    QString section;
    QString key;
    QString value;
};
SettingWrite SettingFor(qint64 n);
// The settings file the rounds start from: the program's keys among comments and lines it
// does not know, all of which must survive every rewrite.
QByteArray InitialSettings();

// The two dictionaries the rounds work on: the bulk one as a whole reset leaves it (only the
// first card in learning and marked), the paging one with its first card marked.
QString BuildBulkDictionary(const QString& path);
QString BuildPagingDictionary(const QString& path);
// Where the cards read back first differ from those expected, for a failure message.
QString FirstDifference(const QStringList& cards, const QStringList& expected);

} // namespace CrashPlan
