#pragma once

#include <QString>
#include <exception>
#include <string>

// The one exception type of the program. A failing database, file or conversion step
// throws it with a message a user can act on (the engine's text and the file concerned);
// CommandGuard shows that message in an error box and the program goes on.
class AppError : public std::exception {
public:
    explicit AppError(QString message)
        : m_message(std::move(message))
        , m_utf8(m_message.toStdString())
    {
    }

    const QString& Message() const noexcept { return m_message; }
    const char* what() const noexcept override { return m_utf8.c_str(); }

private:
    QString m_message;
    std::string m_utf8;
};
