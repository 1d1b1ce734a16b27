#pragma once

// A lesson under the power-cut test: answers scored one by one, then the whole block marked
// learned, over and over, as memorization mode does. The child reports each change before
// it starts ("begin N ...", saying what it changes) and when it has returned ("done N"), so
// the parent knows what every finished change wrote and what the one under way may write.
//   begin N score ID EXERCISE   one right answer of card ID in exercise 1 to 4 (its own commit)
//   begin N learned ID ...      the block's cards all become learned (one commit)
//   begin N relearn             every learned card goes back to learning, from another
//                               connection, when fewer cards than a block are left

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

class SqliteConnection;

namespace LessonWork {

inline constexpr int kCards = 40;

// The card as the checks compare it.
struct Card {
    QString status;
    qint64 mark = 0;
    std::array<qint64, 4> counters {}; // right answers in exercises 1 to 4

    bool operator==(const Card& other) const = default;
};
using Cards = std::vector<Card>; // in id order

// Writes the lesson's dictionary: kCards cards in learning, the first one marked.
QString BuildDictionary(const QString& path);
// The child's lesson, from change number `first` on; returns only when it failed.
int Run(const QString& path, qint64 first);

Cards Read(SqliteConnection& connection);
// The cards after the change a "begin" report announced; false when the report is not one.
bool Apply(Cards& cards, const QByteArray& begin);
// "card 3: learning|1|0,2,0,1" for failure messages.
QString Describe(const Cards& cards, qsizetype index);

} // namespace LessonWork
