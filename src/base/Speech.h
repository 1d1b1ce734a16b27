#pragma once

#include "base/UserText.h"

#include <QObject>
#include <QString>

// Saying words aloud. The real side (SystemSpeech) drives the system's speech service; tests
// pass a fake. Finding out what the system can say may take a moment, so the real side does
// it after start-up and says Changed() whenever that knowledge changes.
class Speech : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Empty when words of the language (a code such as "en", a dictionary's language) can be
    // said; otherwise what is missing, in words for the user. A dictionary that does not name
    // its language (empty) cannot be said.
    UserText ProblemFor(const QString& language) const
    {
        if (language.isEmpty()) {
            return UserText(QStringLiteral("form1_message_speech_no_language"),
                QStringLiteral("The dictionary does not say which language its words are in."));
        }
        return Problem(language);
    }
    // Says the text in the language's voice, cutting off whatever is still being said. Never
    // waits for the speech to end.
    virtual void Say(const QString& text, const QString& language) = 0;

Q_SIGNALS:
    void Changed();

protected:
    // ProblemFor() a language that is named.
    virtual UserText Problem(const QString& language) const = 0;
};
