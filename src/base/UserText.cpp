#include "base/UserText.h"

namespace {

UserText::Lookup& InstalledLookup()
{
    static UserText::Lookup lookup;
    return lookup;
}

// Fills %1 to %9 in one pass, so a value that itself holds "%2" stays as it is.
QString Fill(const QString& pattern, const std::vector<QString>& values)
{
    QString result;
    result.reserve(pattern.size());
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (c == QLatin1Char('%') && i + 1 < pattern.size()) {
            const int number = pattern.at(i + 1).digitValue();
            if (number >= 1 && number <= static_cast<int>(values.size())) {
                result += values.at(static_cast<std::size_t>(number - 1));
                ++i;
                continue;
            }
        }
        result += c;
    }
    return result;
}

} // namespace

UserText::UserText(QString plain)
    : m_text(std::move(plain))
{
}

UserText::UserText(QString key, QString english, std::vector<UserText> arguments)
    : m_key(std::move(key))
    , m_text(std::move(english))
    , m_arguments(std::move(arguments))
{
}

QString UserText::English() const
{
    return In({});
}

QString UserText::In(const Lookup& lookup) const
{
    QString pattern;
    if (!m_key.isEmpty() && lookup) {
        pattern = lookup(m_key);
    }
    if (pattern.isEmpty()) {
        pattern = m_text;
    }
    if (m_arguments.empty()) {
        return pattern;
    }
    std::vector<QString> values;
    values.reserve(m_arguments.size());
    for (const UserText& argument : m_arguments) {
        values.push_back(argument.In(lookup));
    }
    return Fill(pattern, values);
}

void UserText::InstallLookup(Lookup lookup)
{
    InstalledLookup() = std::move(lookup);
}

QString UserText::Localized(const UserText& text)
{
    return text.In(InstalledLookup());
}
