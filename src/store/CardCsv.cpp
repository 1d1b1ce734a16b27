#include "store/CardCsv.h"

#include "base/AppError.h"
#include "store/CsvSplitter.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <QStringDecoder>
#include <optional>

namespace {

using Field = CsvSplitter::Field;
using RawRecord = CsvSplitter::Record;

[[noreturn]] void Fail(int line, const QString& reason)
{
    throw AppError(QStringLiteral("line %1: %2").arg(line).arg(reason));
}

QString DecodeUtf8(const Field& field, int line)
{
    // A U+FEFF that begins a field is part of its text: only the file's first one is a mark,
    // and it is skipped before the fields are split. (By default the decoder drops it.)
    QStringDecoder decoder(
        QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder.decode(*field);
    if (decoder.hasError()) {
        Fail(line, QStringLiteral("the text is not valid UTF-8"));
    }
    return text;
}

// The header row: which table column each CSV column fills.
std::vector<int> MapColumns(const RawRecord& header)
{
    std::vector<int> columns;
    QSet<int> seen;
    for (const Field& field : header.fields) {
        QString name = field ? DecodeUtf8(field, header.line).trimmed().toLower() : QString();
        if (name == QLatin1String("word")) {
            name = CardTable::ColumnName(CardTable::Header);
        }
        const int column = CardTable::FindColumn(name);
        if (column < 0) {
            Fail(header.line,
                QStringLiteral("unknown column \"%1\" (known: word, translation, transcription, "
                               "part_of_speech, example, comment and the dictionary's other columns)")
                    .arg(name));
        }
        if (seen.contains(column)) {
            Fail(header.line, QStringLiteral("the column \"%1\" is named twice").arg(name));
        }
        seen.insert(column);
        columns.push_back(column);
    }
    for (const int required : { int(CardTable::Header), int(CardTable::Translation) }) {
        if (!seen.contains(required)) {
            Fail(header.line,
                QStringLiteral("the column \"%1\" is missing")
                    .arg(required == CardTable::Header ? QStringLiteral("word") : CardTable::ColumnName(required)));
        }
    }
    return columns;
}

SqlValue ParseInteger(const QString& text, int column, int line)
{
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok) {
        Fail(line, QStringLiteral("%1 must be a whole number, not \"%2\"").arg(CardTable::ColumnName(column), text));
    }
    if (column == CardTable::ActiveWord && value != 0 && value != 1) {
        Fail(line, QStringLiteral("active_word must be 0 or 1, not %1").arg(value));
    }
    if (column == CardTable::Id && value <= 0) {
        Fail(line, QStringLiteral("id must be a positive number, not %1").arg(value));
    }
    return value;
}

SqlValue ParseValue(const Field& field, int column, int line)
{
    if (!field) {
        return std::monostate();
    }
    if (column == CardTable::Picture) {
        auto decoded = QByteArray::fromBase64Encoding(*field, QByteArray::AbortOnBase64DecodingErrors);
        if (!decoded) {
            Fail(line, QStringLiteral("picture must be base64 text"));
        }
        return *decoded;
    }
    const QString text = DecodeUtf8(field, line);
    if (CardTable::IsIntegerColumn(column)) {
        return ParseInteger(text, column, line);
    }
    if (column == CardTable::Status && !text.isEmpty() && text != CardTable::StatusValue::kLearning
        && text != CardTable::StatusValue::kLearned && text != CardTable::StatusValue::kIgnore) {
        Fail(line, QStringLiteral("status must be empty, learning, learned or ignore, not \"%1\"").arg(text));
    }
    return text;
}

CardRecord MakeCard(const RawRecord& record, const std::vector<int>& columns)
{
    if (record.fields.size() != columns.size()) {
        Fail(record.line,
            QStringLiteral("%1 fields where the header row names %2 columns")
                .arg(record.fields.size())
                .arg(columns.size()));
    }
    CardRecord card = CardRecord::Make(QString(), QString());
    for (size_t i = 0; i < columns.size(); ++i) {
        card[columns[i]] = ParseValue(record.fields[i], columns[i], record.line);
    }
    for (const int required : { int(CardTable::Header), int(CardTable::Translation) }) {
        const auto* text = std::get_if<QString>(&card[required]);
        if (!text || text->trimmed().isEmpty()) {
            Fail(record.line,
                required == CardTable::Header ? QStringLiteral("the word is empty")
                                              : QStringLiteral("the translation is empty"));
        }
    }
    return card;
}

QByteArray FieldText(const SqlValue& value, char separator)
{
    if (IsNull(value)) {
        return {};
    }
    if (const auto* integer = std::get_if<qint64>(&value)) {
        return QByteArray::number(*integer);
    }
    if (const auto* bytes = std::get_if<QByteArray>(&value)) {
        // An empty picture is quoted, since an empty unquoted field reads back as NULL.
        return bytes->isEmpty() ? QByteArray("\"\"") : bytes->toBase64();
    }
    QByteArray text = std::get<QString>(value).toUtf8();
    const bool quote = text.isEmpty() || text.contains(separator) || text.contains('"') || text.contains('\n')
        || text.contains('\r');
    if (!quote) {
        return text;
    }
    text.replace('"', "\"\"");
    return '"' + text + '"';
}

} // namespace

namespace CardCsv {

Separator SeparatorFor(const QString& path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("tsv"), Qt::CaseInsensitive) == 0 ? Separator::Tab
                                                                                            : Separator::Comma;
}

std::vector<CardRecord> Parse(const QByteArray& text, Separator separator)
{
    const std::vector<RawRecord> records = CsvSplitter::SplitAll(text, static_cast<char>(separator), true);
    if (records.empty()) {
        Fail(1, QStringLiteral("the file is empty; its first line must name the columns"));
    }
    const std::vector<int> columns = MapColumns(records.front());
    std::vector<CardRecord> cards;
    cards.reserve(records.size() - 1);
    QSet<qint64> ids;
    for (size_t i = 1; i < records.size(); ++i) {
        cards.push_back(MakeCard(records[i], columns));
        if (const auto* id = std::get_if<qint64>(&cards.back()[CardTable::Id])) {
            if (ids.contains(*id)) {
                Fail(records[i].line, QStringLiteral("id %1 is used by an earlier card").arg(*id));
            }
            ids.insert(*id);
        }
    }
    return cards;
}

std::vector<CardRecord> ReadFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw AppError(QStringLiteral("Cannot read %1: %2.").arg(path, file.errorString()));
    }
    try {
        return Parse(file.readAll(), SeparatorFor(path));
    } catch (const AppError& error) {
        throw AppError(QStringLiteral("%1, %2.").arg(path, error.Message()));
    }
}

QByteArray Write(const std::vector<CardRecord>& cards, Separator separator)
{
    const char delimiter = static_cast<char>(separator);
    QByteArray text;
    for (int column = 0; column < CardTable::kColumnCount; ++column) {
        text += (column > 0 ? QByteArray(1, delimiter) : QByteArray()) + CardTable::kColumns.at(size_t(column)).name;
    }
    text += '\n';
    for (const CardRecord& card : cards) {
        for (int column = 0; column < CardTable::kColumnCount; ++column) {
            if (column > 0) {
                text += delimiter;
            }
            text += FieldText(card[column], delimiter);
        }
        text += '\n';
    }
    return text;
}

void WriteFile(const QString& path, const std::vector<CardRecord>& cards)
{
    const QByteArray csv = Write(cards, SeparatorFor(path));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size() || !file.commit()) {
        throw AppError(UserText(QStringLiteral("form1_message_error_write"), QStringLiteral("Cannot write %1: %2."),
                           { path,
                               UserText(QStringLiteral("form1_message_reason_unwritable"),
                                   QStringLiteral("the file cannot be written")) }),
            file.errorString());
    }
}

} // namespace CardCsv
