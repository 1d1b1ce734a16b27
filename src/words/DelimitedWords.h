#pragma once

#include "store/CsvSplitter.h"
#include "words/TextEncoding.h"
#include "words/WordSource.h"

#include <QFile>
#include <deque>

// Word lists as delimited text: CSV (comma or semicolon), TSV, and plain-text notes
// exports. Quoting follows CSV in all of them (a quoted field may hold the separator, a
// doubled quote and line breaks); a stray quote inside an unquoted field is kept as text.
//
// CSV and TSV: a first row that names a known column (word, translation, transcription...)
// is the header row and names the columns; otherwise every row is words. The separator of
// a ".csv" file is the one of comma, semicolon and tab its first line uses most.
// Notes exports: leading "#key:value" lines set the separator ("#separator:Tab", Comma,
// Semicolon, Pipe, Colon, Space or the character itself), markup ("#html:true": tags and
// entities are removed from fields), the column names ("#columns:") and the columns that
// hold bookkeeping ("#tags column:3", "#deck column:2", "#notetype column:1", "#guid
// column:1"); other lines of that kind are passed over.
class DelimitedWords final : public WordSource {
public:
    // Opens the file (already checked by WordFile) and reads as far as its first row.
    // Throws AppError when it has no two columns to take words and translations from.
    DelimitedWords(const QString& path, WordFormat format, TextEncoding encoding);

    WordFormat Format() const override { return m_format; }
    bool Next(WordRow& row) override;
    qint64 BytesRead() const override { return m_file.pos(); }
    qint64 TotalBytes() const override { return m_size; }

    char Separator() const { return m_separator; }

private:
    void ReadPreamble();
    void ChooseSeparator(QByteArrayView firstLine);
    void SetUpColumns();
    // Reads on until a record is pending or the file ends; false at the end.
    bool FillPending();

    QString m_path;
    QFile m_file;
    qint64 m_size = 0;
    WordFormat m_format;
    TextEncoding m_encoding;
    char m_separator = ',';
    bool m_html = false;
    QStringList m_names; // from "#columns:"
    std::vector<std::pair<int, QString>> m_bookkeeping; // column (from 0), what it holds
    QByteArray m_pushedBack; // a line read ahead
    std::unique_ptr<CsvSplitter> m_splitter;
    std::deque<CsvSplitter::Record> m_pending;
    bool m_finished = false;
    int m_linesBefore = 0; // preamble lines, which the splitter does not see
};
