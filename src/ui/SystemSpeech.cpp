#include "ui/SystemSpeech.h"

#include <QLocale>
#include <QTextToSpeech>
#include <QTimer>
#include <QVoice>

namespace {

UserText Missing(const char* name, const char* english)
{
    return UserText(QStringLiteral("form1_message_speech_") + QLatin1String(name), QString::fromUtf8(english));
}

} // namespace

SystemSpeech::SystemSpeech()
{
    QTimer::singleShot(0, this, &SystemSpeech::StartEngine);
}

SystemSpeech::~SystemSpeech() = default;

void SystemSpeech::StartEngine()
{
    m_started = true;
    if (!QTextToSpeech::availableEngines().isEmpty()) {
        m_engine = std::make_unique<QTextToSpeech>();
        connect(m_engine.get(), &QTextToSpeech::stateChanged, this, &Speech::Changed);
    }
    Q_EMIT Changed();
}

bool SystemSpeech::Speaks(const QString& language) const
{
    for (const QLocale& locale : m_engine->availableLocales()) {
        if (locale.language() == QLocale(language).language()) {
            return true;
        }
    }
    return false;
}

UserText SystemSpeech::Problem(const QString& language) const
{
    if (!m_started) {
        return Missing("starting", "Speech is getting ready.");
    }
    if (!m_engine) {
        return Missing("no_plugin", "Speech needs Qt's speech plugin (package qt6-speech-speechd-plugin).");
    }
    if (m_engine->state() == QTextToSpeech::Error) {
        return Missing("no_service", "The speech service does not answer (package speech-dispatcher).");
    }
    if (!Speaks(language)) {
        return Missing("no_voice",
            "There is no voice for the dictionary's language (package "
            "speech-dispatcher-espeak-ng).");
    }
    return {};
}

void SystemSpeech::UseVoiceOf(const QString& language)
{
    if (language == m_language) {
        return;
    }
    m_language = language;
    const QLocale wanted(language);
    for (const QLocale& locale : m_engine->availableLocales()) {
        if (locale.language() == wanted.language()) {
            m_engine->setLocale(locale);
            break;
        }
    }
    // The engine's default may be a variant ("+klatt"); a plain voice sounds as expected.
    for (const QVoice& voice : m_engine->availableVoices()) {
        if (!voice.name().contains(QLatin1Char('+')) && voice.locale().language() == wanted.language()) {
            m_engine->setVoice(voice);
            break;
        }
    }
}

void SystemSpeech::Say(const QString& text, const QString& language)
{
    if (!ProblemFor(language).IsEmpty() || text.isEmpty()) {
        return;
    }
    UseVoiceOf(language);
    m_engine->stop();
    m_engine->say(text);
}
