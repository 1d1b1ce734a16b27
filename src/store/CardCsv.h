#pragma once

#include "store/CardTable.h"

#include <QByteArray>
#include <QString>
#include <vector>

// Cards as CSV text (RFC 4180, UTF-8, a header row naming the columns), parsed with libcsv.
//
// Reading: the header row names any of the table's columns, "word" standing for "header";
// "word" (or "header") and "translation" are required, columns left out get a new card's
// values. An empty unquoted field is NULL, a quoted "" the empty text, so a dictionary
// exported and created again is the same, NULLs included. A leading byte-order mark is
// skipped. Every problem stops the reading with the line number and the reason.
//
// Writing: all sixteen columns in table order; fields are quoted only when they must be.
// Pictures travel as base64 text.
namespace CardCsv {

enum class Separator : char { Comma = ',', Tab = '\t' };

// Tab for a ".tsv" file name, else comma.
Separator SeparatorFor(const QString& path);

// Throws AppError "line N: reason" for bad input.
std::vector<CardRecord> Parse(const QByteArray& text, Separator separator);
// Reads and parses a file; errors name the file and the line.
std::vector<CardRecord> ReadFile(const QString& path);

QByteArray Write(const std::vector<CardRecord>& cards, Separator separator);
// Writes the cards to a file (tab-separated for ".tsv"), whole or not at all: through a
// temporary copy renamed over it. Throws AppError naming the file and the reason.
void WriteFile(const QString& path, const std::vector<CardRecord>& cards);

} // namespace CardCsv
