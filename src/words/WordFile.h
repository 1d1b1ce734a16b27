#pragma once

#include "words/TextEncoding.h"
#include "words/WordSource.h"

#include <memory>

// Opening a word list: what it is, and its reader. Checks first what cannot be a word list
// at all, so nothing is imported from it: a missing or empty file, a binary one (NUL bytes
// or other control characters among its first bytes), one saved as UTF-16, and one larger
// than kMaxBytes. The limit keeps an import to what a dictionary can hold and show: the
// main window keeps every card in memory, and 64 MB of words is more than a million cards.
namespace WordFile {

inline constexpr qint64 kMaxBytes = qint64(64) << 20;
inline constexpr qint64 kSampleBytes = qint64(64) << 10; // what format and encoding are told from

struct Kind {
    WordFormat format = WordFormat::Csv;
    TextEncoding encoding = TextEncoding::Utf8; // of a text file; a vocabulary document says its own
};

// The format by content, then by extension (".kvtml"/".xml" documents, ".tsv", ".txt" notes,
// else CSV), and the encoding detected from the first bytes. Throws AppError naming the
// file and why it cannot be imported.
Kind Inspect(const QString& path);

// The reader of the file, as `kind` says.
std::unique_ptr<WordSource> Open(const QString& path, const Kind& kind);

} // namespace WordFile
