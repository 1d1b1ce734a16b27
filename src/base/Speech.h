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
    // said; otherwise what is missing, in words for the user. For a dictionary that does not
    // name its language (empty), empty when some language can be said: the user is asked
    // which one it is when the word is first to be said.
    UserText ProblemFor(const QString& language) const
    {
        if (language.isEmpty()) {
            return Languages().isEmpty() ? Problem(language) : UserText();
        }
        return Problem(language);
    }
    // The codes of the languages ("en") there is a voice for; none until the system has said.
    virtual QStringList Languages() const = 0;
    // Says the text in the language's voice, cutting off whatever is still being said. Never
    // waits for the speech to end; says nothing for an empty language.
    virtual void Say(const QString& text, const QString& language) = 0;

Q_SIGNALS:
    void Changed();

protected:
    // ProblemFor() a language; for an empty one, what keeps the system from saying anything.
    virtual UserText Problem(const QString& language) const = 0;
};
