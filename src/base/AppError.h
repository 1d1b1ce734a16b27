#pragma once

#include "base/UserText.h"

#include <QString>
#include <exception>
#include <string>

// The one exception type of the program. A failing database, file or conversion step
// throws it with a message a user can act on: what failed, on which file and why, composed
// as a UserText so the error box shows it in the interface language, and, where the system
// or the database engine said more, that text as a detail. CommandGuard shows it in an
// error box and the program goes on.
class AppError : public std::exception {
public:
    // A message kept in English only: a fault of the program itself rather than of a file.
    explicit AppError(QString message)
        : AppError(UserText(std::move(message)))
    {
    }

    explicit AppError(UserText text, QString detail = {})
        : m_text(std::move(text))
        , m_detail(std::move(detail))
        , m_message(Compose(m_text.English(), m_detail, QStringLiteral("Details: %1")))
        , m_utf8(m_message.toStdString())
    {
    }

    // The message in English, the detail after it.
    const QString& Message() const noexcept { return m_message; }
    const char* what() const noexcept override { return m_utf8.c_str(); }

    const UserText& Text() const noexcept { return m_text; }
    const QString& Detail() const noexcept { return m_detail; }

    // The message in the interface language (UserText::InstallLookup), the detail after it.
    QString Localized() const
    {
        return Compose(UserText::Localized(m_text), m_detail,
            UserText::Localized(UserText(QStringLiteral("form1_message_error_detail"), QStringLiteral("Details: %1"))));
    }

private:
    static QString Compose(const QString& text, const QString& detail, const QString& detailPattern)
    {
        return detail.isEmpty()
            ? text
            : text + QStringLiteral("\n\n") + QString(detailPattern).replace(QStringLiteral("%1"), detail);
    }

    UserText m_text;
    QString m_detail;
    QString m_message;
    std::string m_utf8;
};
