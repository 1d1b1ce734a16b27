#include "words/DelimitedWords.h"

#include "base/AppError.h"
#include "words/ColumnGuess.h"
#include "words/ImportTexts.h"
#include "words/MarkupText.h"

namespace {

constexpr qint64 kPieceBytes = 1 << 20; // a line longer than this is read in pieces

char SeparatorNamed(const QString& value)
{
    const QString name = value.trimmed().toLower();
    static const QList<QPair<QString, char>> named { { QStringLiteral("tab"), '\t' }, { QStringLiteral("comma"), ',' },
        { QStringLiteral("semicolon"), ';' }, { QStringLiteral("pipe"), '|' }, { QStringLiteral("colon"), ':' },
        { QStringLiteral("space"), ' ' } };
    for (const auto& [key, separator] : named) {
        if (name == key) {
            return separator;
        }
    }
    return name.size() == 1 && name[0].unicode() < 0x80 ? char(name[0].unicode()) : '\t';
}

// How often each separator occurs outside quotes.
qsizetype CountOutsideQuotes(QByteArrayView line, char separator)
{
    qsizetype count = 0;
    bool quoted = false;
    for (const char c : line) {
        quoted = c == '"' ? !quoted : quoted;
        count += !quoted && c == separator ? 1 : 0;
    }
    return count;
}

} // namespace

DelimitedWords::DelimitedWords(const QString& path, WordFormat format, TextEncoding encoding)
    : m_path(path)
    , m_file(path)
    , m_format(format)
    , m_encoding(encoding)
{
    if (!m_file.open(QIODevice::ReadOnly)) {
        ImportTexts::Fail(path, ImportTexts::Reason("unreadable", "the file cannot be read"), m_file.errorString());
    }
    m_size = m_file.size();
    if (m_file.peek(3) == "\xEF\xBB\xBF") {
        m_file.read(3);
    }
    if (m_format == WordFormat::Notes) {
        ReadPreamble();
    }
    if (m_format == WordFormat::Tsv) {
        m_separator = '\t';
    } else if (m_format == WordFormat::Csv) {
        m_pushedBack = m_file.readLine(kPieceBytes);
        ChooseSeparator(m_pushedBack);
    }
    m_splitter = std::make_unique<CsvSplitter>(m_separator, false);
    SetUpColumns();
}

void DelimitedWords::ReadPreamble()
{
    m_separator = '\t';
    while (m_file.peek(1) == "#") {
        const QByteArray line = m_file.readLine(kPieceBytes);
        ++m_linesBefore;
        const QString text = TextEncodings::Decode(line, m_encoding).trimmed();
        const qsizetype colon = text.indexOf(QLatin1Char(':'));
        if (colon < 0) {
            continue;
        }
        const QString key = text.mid(1, colon - 1).trimmed().toLower();
        const QString value = text.mid(colon + 1);
        if (key == QLatin1String("separator")) {
            m_separator = SeparatorNamed(value);
        } else if (key == QLatin1String("html")) {
            m_html = value.trimmed().compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
        } else if (key == QLatin1String("columns")) {
            m_names = value.split(QLatin1Char(m_separator));
        } else if (key.endsWith(QLatin1String(" column"))) {
            m_bookkeeping.emplace_back(value.trimmed().toInt() - 1, key.section(QLatin1Char(' '), 0, 0));
        }
    }
}

void DelimitedWords::ChooseSeparator(QByteArrayView firstLine)
{
    m_separator = ',';
    qsizetype most = CountOutsideQuotes(firstLine, ',');
    for (const char candidate : { ';', '\t' }) {
        const qsizetype count = CountOutsideQuotes(firstLine, candidate);
        if (count > most) {
            most = count;
            m_separator = candidate;
        }
    }
}

void DelimitedWords::SetUpColumns()
{
    if (!FillPending()) {
        ImportTexts::Fail(m_path, ImportTexts::Reason("empty", "the file holds no words"));
    }
    const CsvSplitter::Record& first = m_pending.front();
    const auto nameOf = [this](const CsvSplitter::Field& field) {
        return field ? TextEncodings::Decode(*field, m_encoding).trimmed() : QString();
    };
    bool header = false;
    if (m_format != WordFormat::Notes) {
        for (const CsvSplitter::Field& field : first.fields) {
            WordField known {};
            header = header || ColumnGuess::FieldOf(nameOf(field), known);
        }
    }
    const qsizetype count = qMax(qsizetype(first.fields.size()), m_names.size());
    for (qsizetype column = 0; column < count; ++column) {
        QString name = header ? nameOf(first.fields.at(size_t(column))) : m_names.value(column).trimmed();
        for (const auto& [at, what] : m_bookkeeping) {
            name = at == column ? what : name;
        }
        m_columns.push_back({ name, false });
    }
    if (header) {
        m_pending.pop_front();
    }
    m_defaultMapping = ColumnGuess::Guess(m_columns);
    if (m_defaultMapping[WordField::Word] < 0 || m_defaultMapping[WordField::Translation] < 0) {
        ImportTexts::Fail(m_path,
            ImportTexts::Reason("no_column", "it has no two columns to take the words and their translations from"));
    }
}

bool DelimitedWords::FillPending()
{
    std::vector<CsvSplitter::Record> records;
    while (m_pending.empty() && !m_finished) {
        QByteArray piece = m_pushedBack.isEmpty() ? m_file.readLine(kPieceBytes) : std::exchange(m_pushedBack, {});
        try {
            if (piece.isEmpty()) {
                m_finished = true;
                m_splitter->Finish(records);
            } else {
                m_splitter->FeedLine(piece, records);
            }
        } catch (const AppError&) {
            ImportTexts::Fail(m_path,
                ImportTexts::Reason("open_quote", "the quoted field that starts on line %1 is not closed",
                    { QString::number(m_splitter->RecordLine() + m_linesBefore) }));
        }
        for (CsvSplitter::Record& record : records) {
            record.line += m_linesBefore;
            m_pending.push_back(std::move(record));
        }
        records.clear();
    }
    return !m_pending.empty();
}

bool DelimitedWords::Next(WordRow& row)
{
    if (!FillPending()) {
        return false;
    }
    const CsvSplitter::Record record = std::move(m_pending.front());
    m_pending.pop_front();
    row.place = record.line;
    row.fields.clear();
    row.problem = {};
    for (const CsvSplitter::Field& field : record.fields) {
        bool valid = true;
        QString text = field ? TextEncodings::Decode(*field, m_encoding, &valid) : QString();
        if (!valid && row.problem.IsEmpty()) {
            row.problem = ImportTexts::Rejection(
                "encoding", "its text is not valid UTF-8; choose the file's encoding and import it again");
        }
        row.fields.append(m_html ? MarkupText::ToPlain(text) : text.trimmed());
    }
    return true;
}
