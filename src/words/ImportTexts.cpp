#include "words/ImportTexts.h"

#include "base/AppError.h"

namespace ImportTexts {

void Fail(const QString& path, const UserText& reason, const QString& detail)
{
    throw AppError(UserText(QStringLiteral("form1_message_error_import"),
                       QStringLiteral("Cannot import words from %1: %2."), { path, reason }),
        detail);
}

UserText Reason(const char* name, const char* english, std::vector<UserText> arguments)
{
    return UserText(QStringLiteral("form1_message_import_reason_") + QLatin1String(name), QString::fromUtf8(english),
        std::move(arguments));
}

UserText Rejection(const char* name, const char* english, std::vector<UserText> arguments)
{
    return UserText(QStringLiteral("form1_message_import_reject_") + QLatin1String(name), QString::fromUtf8(english),
        std::move(arguments));
}

UserText AtPlace(bool line, qint64 place, const UserText& reason)
{
    return line ? UserText(QStringLiteral("form1_message_import_line"), QStringLiteral("line %1: %2"),
               { QString::number(place), reason })
                : UserText(QStringLiteral("form1_message_import_entry"), QStringLiteral("entry %1: %2"),
                    { QString::number(place), reason });
}

} // namespace ImportTexts
