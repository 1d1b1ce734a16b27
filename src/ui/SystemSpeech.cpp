#include "ui/SystemSpeech.h"

#include <QLocale>
#include <QTextToSpeech>
#include <QVoice>
#include <memory>

// The engine's side, on the speech thread: makes the engine, reports what it can say, and
// says words one at a time, a new one cutting off the one before.
class SpeechWorker final : public QObject {
    Q_OBJECT

public:
    void Start()
    {
        if (QTextToSpeech::availableEngines().isEmpty()) {
            Q_EMIT Learned(0, {});
            return;
        }
        m_engine = std::make_unique<QTextToSpeech>();
        connect(m_engine.get(), &QTextToSpeech::stateChanged, this, &SpeechWorker::Report);
        Report();
    }

    void Say(const QString& text, const QString& language)
    {
        if (!m_engine) {
            return;
        }
        UseVoiceOf(language);
        m_engine->stop();
        m_engine->say(text);
    }

Q_SIGNALS:
    // 0: no plugin, 1: the service does not answer, 2: ready, with the languages it says.
    void Learned(int state, const QStringList& languages);

private:
    void Report()
    {
        if (m_engine->state() == QTextToSpeech::Error) {
            Q_EMIT Learned(1, {});
            return;
        }
        QStringList languages;
        for (const QLocale& locale : m_engine->availableLocales()) {
            languages << QLocale::languageToCode(locale.language());
        }
        Q_EMIT Learned(2, languages);
    }

    void UseVoiceOf(const QString& language)
    {
        if (language == m_language) {
            return;
        }
        m_language = language;
        const QLocale::Language wanted = QLocale(language).language();
        for (const QLocale& locale : m_engine->availableLocales()) {
            if (locale.language() == wanted) {
                m_engine->setLocale(locale);
                break;
            }
        }
        // The engine's default may be a variant ("+klatt"); a plain voice sounds as expected.
        for (const QVoice& voice : m_engine->availableVoices()) {
            if (!voice.name().contains(QLatin1Char('+')) && voice.locale().language() == wanted) {
                m_engine->setVoice(voice);
                break;
            }
        }
    }

    std::unique_ptr<QTextToSpeech> m_engine;
    QString m_language;
};

SystemSpeech::SystemSpeech()
    : m_thread(new QThread)
    , m_worker(new SpeechWorker)
{
    m_thread->setObjectName(QStringLiteral("Speech"));
    m_worker->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    connect(m_worker, &SpeechWorker::Learned, this, &SystemSpeech::Learned);
    m_thread->start(QThread::LowPriority);
    QMetaObject::invokeMethod(m_worker, &SpeechWorker::Start, Qt::QueuedConnection);
}

SystemSpeech::~SystemSpeech()
{
    disconnect(m_worker, nullptr, this, nullptr);
    m_thread->quit();
    if (m_thread->wait(2000)) {
        delete m_thread;
        return;
    }
    // A service that never answered holds the thread in its call. Ending the thread by
    // force would unwind it through the engine and may crash; the program is ending, so
    // the thread and its engine are left to go with the process.
}

void SystemSpeech::Learned(int state, const QStringList& languages)
{
    m_state = state == 0 ? State::NoPlugin : state == 1 ? State::NoService : State::Ready;
    m_languages = QSet<QString>(languages.begin(), languages.end());
    Q_EMIT Changed();
}

UserText SystemSpeech::Problem(const QString& language) const
{
    const auto missing = [](const char* name, const char* english) {
        return UserText(QStringLiteral("form1_message_speech_") + QLatin1String(name), QString::fromUtf8(english));
    };
    switch (m_state) {
    case State::Starting:
        return missing("starting", "Speech is getting ready.");
    case State::NoPlugin:
        return missing("no_plugin", "Speech needs Qt's speech plugin (package qt6-speech-speechd-plugin).");
    case State::NoService:
        return missing("no_service", "The speech service does not answer (package speech-dispatcher).");
    case State::Ready:
        break;
    }
    if (!m_languages.contains(QLocale::languageToCode(QLocale(language).language()))) {
        return missing(
            "no_voice", "There is no voice for the dictionary's language (package speech-dispatcher-espeak-ng).");
    }
    return {};
}

QStringList SystemSpeech::Languages() const
{
    QStringList languages(m_languages.begin(), m_languages.end());
    languages.sort();
    return m_state == State::Ready ? languages : QStringList();
}

void SystemSpeech::Say(const QString& text, const QString& language)
{
    if (language.isEmpty() || !ProblemFor(language).IsEmpty() || text.isEmpty()) {
        return;
    }
    QMetaObject::invokeMethod(
        m_worker, [worker = m_worker, text, language] { worker->Say(text, language); }, Qt::QueuedConnection);
}

#include "SystemSpeech.moc"
