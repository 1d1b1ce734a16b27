#pragma once

// A word-list import under the power-cut test: lists of a few hundred new words imported into
// a dictionary, each in its one transaction, two of them, then their cards deleted again in
// the card editor's one commit, over and over, so the dictionary stays small. The child
// reports each change before it starts and when it has returned ("done N"):
//   begin N import      the list of import N: kWords new cards, two duplicates, one rejected row
//   begin N delete K    the K imported cards go

#include <QByteArray>
#include <QString>
#include <QStringList>

class SqliteConnection;

namespace ImportWork {

inline constexpr int kBaseCards = 24;
inline constexpr int kWords = 300;

// Writes the dictionary the imports go to: kBaseCards cards of every status, with answers
// counted, the first one marked.
QString BuildDictionary(const QString& path);
// The child's imports and deletions, from change number `first` on; returns only when it failed.
int Run(const QString& path, qint64 first);

// Every card, in id order: "word|transcription|translation|part|status|mark|counters".
QStringList Read(SqliteConnection& connection);
// The cards after the change a "begin" report announced; false when the report is not one.
bool Apply(QStringList& cards, const QByteArray& begin);

} // namespace ImportWork
