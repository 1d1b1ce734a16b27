#include "base/WordLanguages.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<const char*, const char*>, 10> kLanguages { {
    { "en", "English" },
    { "de", "German" },
    { "es", "Spanish" },
    { "fr", "French" },
    { "it", "Italian" },
    { "nl", "Dutch" },
    { "pl", "Polish" },
    { "pt", "Portuguese" },
    { "ru", "Russian" },
    { "uk", "Ukrainian" },
} };

} // namespace

namespace WordLanguages {

QStringList Codes()
{
    QStringList codes;
    for (const auto& [code, name] : kLanguages) {
        codes << QLatin1String(code);
    }
    return codes;
}

QString NameKey(const QString& code)
{
    return QStringLiteral("form1_message_word_language_") + code;
}

QString EnglishName(const QString& code)
{
    for (const auto& [known, name] : kLanguages) {
        if (code == QLatin1String(known)) {
            return QLatin1String(name);
        }
    }
    return code;
}

} // namespace WordLanguages
