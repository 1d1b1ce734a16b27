#pragma once

#include "store/CardTable.h"
#include "store/SqlValue.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// Every statement the program sends to a dictionary, with the values bound to its named
// parameters, kept together so the whole conversation with the file reads in one place.
// Values are always bound, never written into the SQL; the one number formatted into a
// statement is the learning block's size, an integer.
//
// Order: SQL that orders cards uses the collation of HeaderOrder (registered on the
// connection), ties broken by id; the list of all cards is read unordered and sorted in the
// program with the same collation, which is much faster for large dictionaries.
namespace StatementCatalogue {

struct Entry {
    QString sql;
    QList<QPair<QByteArray, SqlValue>> parameters;
};

// 1. Every card, for the browser dataset (sorted in the program by HeaderOrder).
Entry AllCards();
// 2. The learning block: the first `maxBlockSize` cards in header order whose status is
//    "learning". The store picks the same cards from its card list in memory (faster than
//    this statement's sort); the statement states the rule, and the tests hold the two together.
Entry LearningBlock(int maxBlockSize);
// 3 to 10. The statistics reset: status, mark and the six counters cleared on every card with
//    a non-empty header, in this order.
QList<Entry> ResetStatements();
// 11. The first card in header order becomes the marked card, in learning.
Entry MarkFirstCard();
// 12. Removed cards with a non-empty header become new cards again; their counters stay.
Entry ReturnRemovedCards();

// The history of learning, table `history` beside `tab`: one row per local day.
// 13. Makes the table where it is missing (a dictionary gets it with its first history).
Entry CreateHistory();
// 14 and 15. Adds to a day's figures: the day's row is made where there is none (the
//    engine of the dictionaries knows no upsert), then raised.
QList<Entry> AddToHistory(
    const QString& day, qint64 learned, qint64 rightAnswers, qint64 wrongAnswers, qint64 sessions);
// 16. Whether the file holds the table (the first column of the only row: 1 or 0).
Entry HasHistory();
// 17. Every day, in date order: day, learned, right answers, wrong answers, sessions.
Entry ReadHistory();
// 18. Forgets every day.
Entry ClearHistory();

// 19. A number that changes whenever another connection (another program) commits a change
//     to the file; this connection's own commits leave it as it is.
Entry DataVersion();
// Adding cards (an import, a new dictionary).
// 20. One card, all sixteen columns bound as ":c0" to ":c15" in table order; a NULL id lets
//    the engine number the card after the largest.
Entry InsertCard();
QByteArray InsertCardParameter(int column);
// 21 to 24. The pairs of word and translation an import has met, in a temporary table of
//    the connection that the file never holds: made afresh and filled with the cards
//    already there, then one pair added per imported card (a pair already there adds no
//    row: a duplicate), and dropped at the end.
QList<Entry> StartImportPairs();
Entry AddImportPair(const QString& header, const QString& translation);
Entry DropImportPairs();
// 25. The id a new card takes: one past the largest.
Entry NextCardId();
// 26. Deletes one card by row id.
Entry DeleteCard(qint64 rowId);

// The statement behind a posted row edit: the given columns of one row, found by row id.
QString RowUpdate(const QStringList& columns);
QByteArray RowUpdateParameter(int index);
inline constexpr const char* kRowIdParameter = ":RowId";

} // namespace StatementCatalogue
