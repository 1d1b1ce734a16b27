#pragma once

#include "words/TextEncoding.h"
#include "words/WordImport.h"
#include "words/WordSource.h"

#include <memory>
#include <optional>

// Word lists opened for the dictionary tool: the kind of file as WordFile tells it, the
// encoding and the two languages of a vocabulary document as the command line chose them,
// else as detected and the document's first two.
namespace WordLists {

struct Choice {
    std::optional<TextEncoding> encoding;
    QString wordLanguage; // a vocabulary document's language: id, locale or name
    QString translationLanguage;
};

struct Opened {
    std::unique_ptr<WordSource> source;
    ColumnMapping mapping;
};

// Throws AppError for a file that cannot be imported, or a language the document lacks.
Opened Open(const QString& path, const Choice& choice);

// Whether a file is the dictionary tool's own card format: CSV or TSV whose first line names
// only card columns, the word and the translation among them. Such a file keeps its cards'
// learning progress and NULLs when a dictionary is made from it.
bool IsCardCsv(const QString& path);

// The outcome in English, for the tool: "Imported 12 cards into X; 3 skipped as duplicates,
// 1 rejected." and a line for each reported rejection.
QString Summary(const WordImport::Outcome& outcome, const QString& dictionary);

} // namespace WordLists
