#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <optional>
#include <vector>

struct csv_parser;

// Splits CSV bytes into records with libcsv, fed one physical line at a time so that each
// record knows the line it starts on and a file of any size streams through in pieces.
// Fields stay bytes: the caller decodes them in the text's own encoding.
class CsvSplitter {
public:
    using Field = std::optional<QByteArray>; // nullopt: an empty unquoted field

    struct Record {
        int line = 0; // where the record starts
        std::vector<Field> fields;
    };

    // Strict: a quote in the middle of an unquoted field, or text after a closing quote, is
    // an error (the dictionary tool's own format); otherwise such quotes are kept as text,
    // as word lists written by hand or by other programs need.
    CsvSplitter(char separator, bool strict);
    ~CsvSplitter();
    CsvSplitter(const CsvSplitter&) = delete;
    CsvSplitter& operator=(const CsvSplitter&) = delete;

    // Feeds the next physical line, its line end included, or a piece of a long one (the
    // line counts on only after the piece that ends it); the records it completes are
    // appended to `records`. Throws AppError "line N: reason" for a misplaced quote.
    void FeedLine(QByteArrayView line, std::vector<Record>& records);
    // Ends the text: the last record, if it has no line end. Throws AppError for a quoted
    // field left open, naming the line where its record starts.
    void Finish(std::vector<Record>& records);

    // Splits a whole text (a leading byte-order mark skipped).
    static std::vector<Record> SplitAll(const QByteArray& text, char separator, bool strict);

    // The line where the record under way (or the last one) starts.
    int RecordLine() const { return m_recordLine; }

private:
    csv_parser* m_parser;
    std::vector<Field> m_fields;
    std::vector<Record>* m_records = nullptr;
    int m_line = 0;
    int m_recordLine = 0;
    bool m_atLineStart = true;

    static void OnField(void* data, size_t size, void* context);
    static void OnRecordEnd(int, void* context);
};
