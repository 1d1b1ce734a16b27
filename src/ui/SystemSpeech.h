#pragma once

#include "base/Speech.h"

#include <QSet>
#include <QThread>

class SpeechWorker;

// Speech through Qt's text-to-speech plugin and the system's speech service (on Debian the
// speech-dispatcher plugin, the daemon and its espeak-ng voices). The engine lives on a
// thread of its own: connecting to the service may take long, or, with a service that
// hangs, forever, and the windows must never wait for it. Until the engine has reported
// what it can say, and where the plugin, the service or a voice for the language is
// missing, Problem() says so. Each language speaks with a plain voice of its locale (a name
// without a "+variant") where there is one.
class SystemSpeech final : public Speech {
    Q_OBJECT

public:
    SystemSpeech();
    ~SystemSpeech() override;

    QStringList Languages() const override;
    void Say(const QString& text, const QString& language) override;

private:
    enum class State { Starting, NoPlugin, NoService, Ready };

    UserText Problem(const QString& language) const override;
    void Learned(int state, const QStringList& languages);

    QThread* m_thread; // owned, unless a hung service keeps it past the end (see the destructor)
    SpeechWorker* m_worker; // lives on m_thread
    State m_state = State::Starting;
    QSet<QString> m_languages; // what the engine can say: language codes ("en")
};
