#pragma once

// The card editor under the power-cut test: cards added, their texts changed, cards deleted
// (the marked one among them, now and then all of them) and the words' language set, each
// one commit of the store, over and over. The child reports each change before it starts
// ("begin N ...", saying what it writes) and when it has returned ("done N"). Texts hold no
// blank; "-" stands for an empty one.
//   begin N add WORD TRANSCRIPTION TRANSLATION PART     a new card
//   begin N change WORD COLUMN TEXT                     one text of a card (COLUMN by name)
//   begin N delete WORD... next WORD                    the cards go; when the marked one is
//                                                       among them, WORD is marked ("-": none)
//   begin N language CODE                               the language of the words

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <map>

class SqliteConnection;

namespace EditorWork {

// The card as the checks compare it; a NULL text reads as "<null>".
struct Card {
    QString transcription;
    QString translation;
    QString partOfSpeech;
    QString status;
    qint64 mark = 0;

    bool operator==(const Card& other) const = default;
};
struct Dictionary {
    QString language;
    std::map<QString, Card> cards; // by word: the work never gives two cards one word

    bool operator==(const Dictionary& other) const = default;
};

// Writes the editor's dictionary: cards of every status, the first one marked, no language.
QString BuildDictionary(const QString& path);
// The child's editing, from change number `first` on; returns only when it failed.
int Run(const QString& path, qint64 first);

Dictionary Read(SqliteConnection& connection);
// The dictionary after the change a "begin" report announced; false when the report is not one.
bool Apply(Dictionary& dictionary, const QByteArray& begin);
// Where the file differs from what was expected, for failure messages.
QString Difference(const Dictionary& file, const Dictionary& expected);

} // namespace EditorWork
