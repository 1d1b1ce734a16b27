#pragma once

#include "base/Speech.h"

#include <memory>

class QTextToSpeech;

// Speech through Qt's text-to-speech plugin and the system's speech service (on Debian the
// speech-dispatcher plugin, the daemon and its espeak-ng voices). The engine is made on the
// first turn of the event loop, never during start-up; until then, and where the plugin, the
// service or a voice for the language is missing, Problem() says so. Each language speaks
// with a plain voice of its locale (a name without a "+variant") where there is one.
class SystemSpeech final : public Speech {
    Q_OBJECT

public:
    SystemSpeech();
    ~SystemSpeech() override;

    void Say(const QString& text, const QString& language) override;

private:
    UserText Problem(const QString& language) const override;
    void StartEngine();
    bool Speaks(const QString& language) const;
    void UseVoiceOf(const QString& language);

    std::unique_ptr<QTextToSpeech> m_engine;
    bool m_started = false;
    QString m_language; // the language the engine is set to
};
