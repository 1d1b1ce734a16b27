#include "base/IniDocument.h"

#include <QStringDecoder>

namespace {

const QByteArray kByteOrderMark("\xEF\xBB\xBF");

bool IsSectionHeader(const QString& trimmed)
{
    return trimmed.startsWith(QLatin1Char('[')) && trimmed.contains(QLatin1Char(']'));
}

QString SectionName(const QString& trimmed)
{
    const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
    return trimmed.mid(1, close - 1).trimmed();
}

bool SameName(const QString& a, const QString& b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

QString SingleLine(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

} // namespace

IniDocument IniDocument::Parse(const QByteArray& bytes)
{
    IniDocument document;
    QByteArray text = bytes;
    if (text.startsWith(kByteOrderMark)) {
        document.m_byteOrderMark = true;
        text.remove(0, kByteOrderMark.size());
    }
    if (text.isEmpty()) {
        return document;
    }
    // Each line keeps its own bytes; its text is only for matching names. A U+FEFF that begins
    // a line is part of its text (only the file's first one is a mark, removed above), so the
    // decoder must keep it: dropped, a rewritten line would no longer match its own name.
    QStringDecoder decoder(
        QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    document.m_bytes = text.split('\n');
    for (QByteArray& line : document.m_bytes) {
        // Every carriage return before a line break goes: a line kept ending in one would be
        // written back as a shorter line, so each rewrite of the file would change it again.
        while (line.endsWith('\r')) {
            line.chop(1);
        }
        document.m_lines.append(decoder.decode(line));
    }
    // A final line break leaves one empty piece behind; it is not a line of the file.
    if (!document.m_lines.isEmpty() && document.m_lines.last().isEmpty()) {
        document.m_lines.removeLast();
        document.m_bytes.removeLast();
    }
    return document;
}

QByteArray IniDocument::Serialize() const
{
    QByteArray bytes;
    if (m_byteOrderMark) {
        bytes += kByteOrderMark;
    }
    for (const QByteArray& line : m_bytes) {
        bytes += line;
        bytes += '\n';
    }
    return bytes;
}

void IniDocument::SetLine(int index, const QString& line)
{
    m_lines[index] = line;
    m_bytes[index] = line.toUtf8();
}

void IniDocument::InsertLine(int index, const QString& line)
{
    m_lines.insert(index, line);
    m_bytes.insert(index, line.toUtf8());
}

std::optional<IniDocument::Range> IniDocument::FindSection(const QString& section) const
{
    for (int i = 0; i < m_lines.size(); ++i) {
        const QString trimmed = m_lines[i].trimmed();
        if (!IsSectionHeader(trimmed) || !SameName(SectionName(trimmed), section)) {
            continue;
        }
        Range range { i, i + 1, i + 1 };
        while (range.end < m_lines.size() && !IsSectionHeader(m_lines[range.end].trimmed())) {
            ++range.end;
        }
        return range;
    }
    return std::nullopt;
}

int IniDocument::FindKey(const Range& range, const QString& key) const
{
    for (int i = range.begin; i < range.end; ++i) {
        const QString& line = m_lines[i];
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0 || line.trimmed().startsWith(QLatin1Char(';'))) {
            continue;
        }
        if (SameName(line.left(equals), key)) {
            return i;
        }
    }
    return -1;
}

std::optional<QString> IniDocument::Value(const QString& section, const QString& key) const
{
    const auto range = FindSection(section);
    if (!range) {
        return std::nullopt;
    }
    const int index = FindKey(*range, key);
    if (index < 0) {
        return std::nullopt;
    }
    const QString& line = m_lines[index];
    return line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed();
}

QString IniDocument::ReadString(const QString& section, const QString& key, const QString& defaultValue) const
{
    return Value(section, key).value_or(defaultValue);
}

std::optional<int> IniDocument::ParseInteger(const QString& text)
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    const int value = trimmed.toInt(&ok, 10);
    // toInt accepts only an optional sign and decimal digits (after trimming), and fails
    // on values outside the 32-bit range.
    if (!ok) {
        return std::nullopt;
    }
    return value;
}

int IniDocument::ReadInteger(const QString& section, const QString& key, int defaultValue) const
{
    const auto text = Value(section, key);
    if (!text) {
        return defaultValue;
    }
    return ParseInteger(*text).value_or(defaultValue);
}

bool IniDocument::ReadFlag(const QString& section, const QString& key, int defaultValue) const
{
    // The default stands in only for a missing key; a text that is not an integer is off.
    const auto text = Value(section, key);
    if (!text) {
        return defaultValue == 1;
    }
    return ParseInteger(*text) == 1;
}

QStringList IniDocument::ReadSection(const QString& section) const
{
    QStringList entries;
    const auto range = FindSection(section);
    if (!range) {
        return entries;
    }
    for (int i = range->begin; i < range->end; ++i) {
        const QString trimmed = m_lines[i].trimmed();
        if (trimmed.contains(QLatin1Char('=')) && !trimmed.startsWith(QLatin1Char(';'))) {
            entries.append(trimmed);
        }
    }
    return entries;
}

void IniDocument::Write(const QString& section, const QString& key, const QString& value)
{
    const QString cleanKey = SingleLine(key).trimmed();
    const QString cleanValue = SingleLine(value);
    auto range = FindSection(section);
    if (!range) {
        if (!m_lines.isEmpty() && !m_lines.last().trimmed().isEmpty()) {
            InsertLine(int(m_lines.size()), QString());
        }
        InsertLine(int(m_lines.size()), QLatin1Char('[') + SingleLine(section).trimmed() + QLatin1Char(']'));
        InsertLine(int(m_lines.size()), cleanKey + QLatin1Char('=') + cleanValue);
        return;
    }
    const int index = FindKey(*range, cleanKey);
    if (index >= 0) {
        // Keep the key as the file spells it, without its surrounding blanks.
        const QString& line = m_lines[index];
        const QString storedKey = line.left(line.indexOf(QLatin1Char('='))).trimmed();
        SetLine(index, storedKey + QLatin1Char('=') + cleanValue);
        return;
    }
    // Append after the section's last non-blank line, so the blank line that separates it
    // from the next section stays where it is.
    int insertAt = range->end;
    while (insertAt > range->begin && m_lines[insertAt - 1].trimmed().isEmpty()) {
        --insertAt;
    }
    InsertLine(insertAt, cleanKey + QLatin1Char('=') + cleanValue);
}
