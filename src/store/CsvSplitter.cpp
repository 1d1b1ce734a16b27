#include "store/CsvSplitter.h"

#include "base/AppError.h"

#include <csv.h>

namespace {

// RFC 4180: spaces belong to the field.
int NoSpace(unsigned char)
{
    return 0;
}

[[noreturn]] void Fail(int line, const QString& reason)
{
    throw AppError(QStringLiteral("line %1: %2").arg(line).arg(reason));
}

} // namespace

CsvSplitter::CsvSplitter(char separator, bool strict)
    : m_parser(new csv_parser)
{
    if (csv_init(m_parser, (strict ? CSV_STRICT : 0) | CSV_STRICT_FINI | CSV_EMPTY_IS_NULL) != 0) {
        delete m_parser;
        throw AppError(QStringLiteral("The CSV reader could not start."));
    }
    csv_set_delim(m_parser, static_cast<unsigned char>(separator));
    csv_set_space_func(m_parser, &NoSpace);
}

CsvSplitter::~CsvSplitter()
{
    csv_free(m_parser);
    delete m_parser;
}

void CsvSplitter::OnField(void* data, size_t size, void* context)
{
    auto* self = static_cast<CsvSplitter*>(context);
    self->m_fields.push_back(data ? Field(QByteArray(static_cast<const char*>(data), qsizetype(size))) : Field());
}

void CsvSplitter::OnRecordEnd(int, void* context)
{
    auto* self = static_cast<CsvSplitter*>(context);
    self->m_records->push_back({ self->m_recordLine, std::move(self->m_fields) });
    self->m_fields.clear();
}

void CsvSplitter::FeedLine(QByteArrayView line, std::vector<Record>& records)
{
    if (m_atLineStart) {
        ++m_line;
    }
    if (m_parser->pstate == 0) { // no record under way: the next one starts on this line
        m_recordLine = m_line;
    }
    m_atLineStart = line.endsWith('\n');
    m_records = &records;
    const auto size = size_t(line.size());
    if (csv_parse(m_parser, line.data(), size, &OnField, &OnRecordEnd, this) != size) {
        Fail(m_line, QStringLiteral("a quote in the middle of an unquoted field, or text after a closing quote"));
    }
}

void CsvSplitter::Finish(std::vector<Record>& records)
{
    m_records = &records;
    // libcsv reports a quoted field left open only in strict mode; the lenient one must
    // not take the rest of the file as one field either.
    constexpr int kFieldBegun = 2;
    if (m_parser->pstate == kFieldBegun && m_parser->quoted) {
        Fail(m_recordLine, QStringLiteral("a quoted field is not closed"));
    }
    if (csv_fini(m_parser, &OnField, &OnRecordEnd, this) != 0) {
        Fail(m_recordLine, QStringLiteral("a quoted field is not closed"));
    }
}

std::vector<CsvSplitter::Record> CsvSplitter::SplitAll(const QByteArray& text, char separator, bool strict)
{
    CsvSplitter splitter(separator, strict);
    std::vector<Record> records;
    qsizetype start = text.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf('\n', start);
        end = end < 0 ? text.size() : end + 1;
        splitter.FeedLine(QByteArrayView(text).sliced(start, end - start), records);
        start = end;
    }
    splitter.Finish(records);
    return records;
}
