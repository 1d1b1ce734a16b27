#pragma once

// Word lists from other programs and hand-made files, read into cards.
//
// How the pieces meet. WordFile opens a file, refuses what cannot be a word list (empty,
// binary, too large) and picks its reader by extension and content: DelimitedWords for CSV,
// TSV and plain-text notes exports, KvtmlWords for vocabulary documents. Each reader is a
// WordSource: named columns and then rows of texts, read one at a time so a large file
// streams through in steady memory. A ColumnMapping says which column fills which field of
// a card (guessed from the column names, changed by the user in the import dialog), and
// WordImport adds the rows to a dictionary in one transaction, skipping duplicates and
// counting rejected rows with their reasons.

#include "base/UserText.h"

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

enum class WordField { Word, Translation, Transcription, PartOfSpeech, Example, Comment };
inline constexpr int kWordFieldCount = 6;

// Which column of the source fills each field of a card; -1 for none.
struct ColumnMapping {
    std::array<int, kWordFieldCount> columns { -1, -1, -1, -1, -1, -1 };

    int& operator[](WordField field) { return columns.at(size_t(field)); }
    int operator[](WordField field) const { return columns.at(size_t(field)); }
    bool operator==(const ColumnMapping&) const = default;
};

enum class WordFormat { Csv, Tsv, Notes, Kvtml };

// A column of a source: its name from the file (empty when the file names none) and, for a
// vocabulary document, whether it holds a language's pronunciation rather than its words.
struct WordColumn {
    QString name;
    bool pronunciation = false;
};

// One row: its place in the file (a line, or an entry of a vocabulary document) and its
// texts, one per column (fewer when the row is short).
struct WordRow {
    qint64 place = 0;
    QStringList fields;
    UserText problem; // why the row cannot be taken at all (its bytes are not text), if so
};

class WordSource {
public:
    virtual ~WordSource() = default;

    virtual WordFormat Format() const = 0;
    // Whether a row's place is a line (text files) or an entry (vocabulary documents).
    virtual bool PlacesAreLines() const { return true; }
    const std::vector<WordColumn>& Columns() const { return m_columns; }
    // The mapping the column names suggest: word and translation always have a column.
    const ColumnMapping& DefaultMapping() const { return m_defaultMapping; }

    // Reads the next row; false at the end. Throws AppError for a fault that spoils the
    // whole file (broken XML, an unclosed quote).
    virtual bool Next(WordRow& row) = 0;

    // How far reading has come, in bytes of the file, and the file's size.
    virtual qint64 BytesRead() const = 0;
    virtual qint64 TotalBytes() const = 0;

protected:
    std::vector<WordColumn> m_columns;
    ColumnMapping m_defaultMapping;
};
