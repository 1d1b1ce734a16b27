#pragma once

#include "base/UserText.h"
#include "store/CardTable.h"
#include "words/WordSource.h"

#include <functional>
#include <vector>

class SqliteConnection;

// Adds the rows of a word list to a dictionary as new cards, in one transaction: a failure
// or a cancel leaves the dictionary as it was. A row becomes a new card (not yet seen,
// counters 0) with the word and translation of its mapped columns, trimmed, and the
// transcription, part of speech, example and comment where mapped and not empty. A row
// whose word and translation equal those of a card already there, or of an earlier row, is
// skipped as a duplicate; a row without a word or a translation, or whose bytes are not
// text, is rejected.
namespace WordImport {

inline constexpr int kShownRejections = 5;

struct Outcome {
    qint64 imported = 0;
    qint64 duplicates = 0;
    qint64 rejected = 0;
    std::vector<UserText> firstRejections; // "line 7: no translation", at most kShownRejections
    bool cancelled = false; // then nothing was written
};

// Told the bytes read so far and the file's size every few hundred rows; returns false to
// cancel the import.
using Progress = std::function<bool(qint64 done, qint64 total)>;

// Imports into an open dictionary. Throws AppError for a fault of the file (broken XML...)
// or of the dictionary (a full disk...), after rolling everything back.
Outcome Run(
    SqliteConnection& dictionary, WordSource& source, const ColumnMapping& mapping, const Progress& progress = {});

// The card a row makes under the mapping, or the reason it makes none (rejection set).
struct RowCard {
    CardRecord card;
    UserText rejection;
};
RowCard CardOf(const WordRow& row, const ColumnMapping& mapping);

} // namespace WordImport
