#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The text of one INI file held in memory, with the conventions the program's settings,
// language and information files share:
//  - "[Name]" opens a section; "key=value" lines belong to the section above them;
//  - section and key names match without regard to letter case and surrounding blanks, so
//    "During day value " and "during day value" address the same key;
//  - values are read without their surrounding blanks;
//  - comments, blank lines and unknown lines are kept through a rewrite, byte for byte, even
//    where they are not UTF-8 (a comment in an 8-bit code page, a damaged line);
//  - UTF-8 text; a leading byte-order mark is tolerated and kept.
class IniDocument {
public:
    IniDocument() = default;
    static IniDocument Parse(const QByteArray& bytes);
    QByteArray Serialize() const;

    // The value of the key, or nothing when the section or key is missing.
    std::optional<QString> Value(const QString& section, const QString& key) const;
    // The text value, or the default when the section or key is missing.
    QString ReadString(const QString& section, const QString& key, const QString& defaultValue) const;
    // A decimal integer; the default when missing or when the text is not an integer.
    int ReadInteger(const QString& section, const QString& key, int defaultValue) const;
    // An integer key whose value 1 means on; any other value, and a non-integer, means off.
    bool ReadFlag(const QString& section, const QString& key, int defaultValue) const;
    // The section's "key=value" lines in file order, each without surrounding blanks.
    QStringList ReadSection(const QString& section) const;

    // Replaces the key's value in place, or appends the key to its section, creating the
    // section at the end when it is missing. Line breaks in the value become blanks, so a
    // value can never add lines to the file.
    void Write(const QString& section, const QString& key, const QString& value);

    // Parses a decimal integer as the settings readers do: optional sign, digits, nothing else.
    static std::optional<int> ParseInteger(const QString& text);

private:
    // Index range [begin, end) of the lines of the first section of that name, header excluded.
    struct Range {
        int header = -1;
        int begin = 0;
        int end = 0;
    };
    std::optional<Range> FindSection(const QString& section) const;
    int FindKey(const Range& range, const QString& key) const;
    void SetLine(int index, const QString& line);
    void InsertLine(int index, const QString& line);

    QStringList m_lines; // as text, for finding sections and keys
    QList<QByteArray> m_bytes; // line by line, what Serialize writes: the bytes read, or the new line
    bool m_byteOrderMark = false;
};
