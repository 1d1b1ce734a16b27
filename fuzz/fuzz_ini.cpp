// Fuzzes the INI document shared by the settings, language and information files.
//
// The input is the text of a file. When it holds NUL bytes, the text before the first one is
// the file and the pieces after it, NUL-separated, are a section, a key and a value to write.
// Whatever the bytes:
//  - rewriting a parsed file is stable: parsing what was written writes the same bytes again,
//    and reads every section as before;
//  - a value written reads back (on one line, without surrounding blanks), from the document
//    and from its rewritten text, and the write changes no other key's value.
// Every key the file holds is written too, and so is one new key and one new section.

#include "FuzzSupport.h"
#include "base/IniDocument.h"

#include <QList>
#include <utility>

using FuzzSupport::Require;

namespace {

struct Address {
    QString section;
    QString key;
};

// A value or name as a write stores it: line breaks become blanks.
QString OneLine(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text.trimmed();
}

// The section names the document's header lines give, in file order.
QStringList SectionNames(const QByteArray& text)
{
    QStringList names;
    for (const QString& line : QString::fromUtf8(text).split(QLatin1Char('\n'))) {
        const QString trimmed = line.trimmed();
        const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
        if (trimmed.startsWith(QLatin1Char('[')) && close > 0) {
            names << trimmed.mid(1, close - 1).trimmed();
        }
    }
    return names;
}

// Every key of every section, as ReadSection lists them.
QList<Address> Keys(const IniDocument& document, const QStringList& sections)
{
    QList<Address> keys;
    for (const QString& section : sections) {
        for (const QString& entry : document.ReadSection(section)) {
            keys.append({ section, entry.left(entry.indexOf(QLatin1Char('='))).trimmed() });
        }
    }
    return keys;
}

bool HasLineBreak(const QString& text)
{
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

// Whether a write can promise to read back: a key holding "=", or one that makes its line a
// comment or a section header, a section name holding "]", and names holding line breaks
// (written on one line, so no longer the names the file had) cannot be addressed.
bool Addressable(const QString& section, const QString& key)
{
    return !HasLineBreak(section) && !HasLineBreak(key) && !section.contains(QLatin1Char(']'))
        && !key.contains(QLatin1Char('=')) && !key.trimmed().startsWith(QLatin1Char(';'))
        && !key.trimmed().startsWith(QLatin1Char('['));
}

bool SameName(const QString& a, const QString& b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

void CheckWrite(
    IniDocument document, const QList<Address>& keys, const QString& section, const QString& key, const QString& value)
{
    if (!Addressable(section, key)) {
        document.Write(section, key, value);
        return;
    }
    QList<std::optional<QString>> before;
    for (const Address& other : keys) {
        before.append(document.Value(other.section, other.key));
    }
    document.Write(section, key, value);
    const QString expected = OneLine(value);
    Require(document.Value(section, key) == expected, "a written value reads back");
    Require(IniDocument::Parse(document.Serialize()).Value(section, key) == expected,
        "a written value reads back from the rewritten file");
    for (qsizetype i = 0; i < keys.size(); ++i) {
        if (!(SameName(keys[i].section, section) && SameName(keys[i].key, key))) {
            Require(document.Value(keys[i].section, keys[i].key) == before[i], "a write changes no other key");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input = FuzzSupport::Bytes(data, size);
    const QList<QByteArray> pieces = input.split('\0');
    const QByteArray& text = pieces.first();

    const IniDocument document = IniDocument::Parse(text);
    const QByteArray written = document.Serialize();
    const IniDocument reread = IniDocument::Parse(written);
    Require(reread.Serialize() == written, "a rewritten file rewrites to the same bytes");

    const QStringList sections = SectionNames(text);
    for (const QString& section : sections) {
        Require(reread.ReadSection(section) == document.ReadSection(section), "a rewritten file reads the same");
    }
    const QList<Address> keys = Keys(document, sections);
    for (const Address& address : keys) {
        // Reading as a number never fails, whatever the text.
        document.ReadInteger(address.section, address.key, -1);
        document.ReadFlag(address.section, address.key, 1);
        CheckWrite(document, keys, address.section, address.key, address.key + QStringLiteral(" \r\n= ;[x]"));
    }
    const QString firstSection = sections.value(0, QStringLiteral("Settings"));
    CheckWrite(document, keys, firstSection, QStringLiteral("New key"), QString::fromUtf8(text.left(40)));
    CheckWrite(document, keys, QStringLiteral("New section"), QStringLiteral("key"), QStringLiteral(" value "));
    if (pieces.size() >= 4) {
        CheckWrite(
            document, keys, QString::fromUtf8(pieces[1]), QString::fromUtf8(pieces[2]), QString::fromUtf8(pieces[3]));
    }
    return 0;
}
