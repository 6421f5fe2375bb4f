#include "QtSpeechEngine.h"

#include "MMLog.h"
#include "VQSpeechLanguage.h"

#include <QAudioDevice>
#include <QLocale>
#include <QMediaDevices>
#include <QTextToSpeech>

#include <algorithm>
#include <utility>

namespace {

QTextToSpeech::BoundaryHint hintOf(VQSpeechEngine::Boundary boundary)
{
    return boundary == VQSpeechEngine::Boundary::Word ? QTextToSpeech::BoundaryHint::Word : QTextToSpeech::BoundaryHint::Immediate;
}

} // namespace

QtSpeechEngine::QtSpeechEngine()
{
    m_owedReadyTimer.setSingleShot(true);
    m_owedReadyTimer.setInterval(kOwedReadyGraceMs);
    connect(&m_owedReadyTimer, &QTimer::timeout, this, [this] {
        m_owesReady = false;
        speakPending();
    });
}

QtSpeechEngine::~QtSpeechEngine()
{
    delete m_tts.data();
}

QTextToSpeech* QtSpeechEngine::synthesizer() const
{
    if (!m_tts && !QTextToSpeech::availableEngines().isEmpty()) {
        auto* self = const_cast<QtSpeechEngine*>(this);
        // flite speaks offline and alone; another engine installed beside it (speech-dispatcher's
        // plugin) would wait on a server this engine stands in for.
        const QStringList engines = QTextToSpeech::availableEngines();
        m_tts = engines.contains(QStringLiteral("flite"))
            ? new QTextToSpeech(QStringLiteral("flite"), self)
            : new QTextToSpeech(self);
        QObject::connect(m_tts, &QTextToSpeech::stateChanged, self,
                         [self](QTextToSpeech::State state) { self->stateChanged(int(state)); });
    }
    return m_tts;
}

QString QtSpeechEngine::unavailableReason() const
{
    if (QTextToSpeech::availableEngines().isEmpty())
        return QStringLiteral("no speech engine is installed");
    if (QMediaDevices::audioOutputs().isEmpty())
        return QStringLiteral("there is no audio output device");
    QTextToSpeech* tts = synthesizer();
    if (!tts)
        return QStringLiteral("no speech engine is installed");
    if (tts->state() == QTextToSpeech::Error && tts->errorReason() == QTextToSpeech::ErrorReason::Initialization)
        return QStringLiteral("the speech engine \"%1\" cannot start: %2").arg(tts->engine(), tts->errorString());
    return {};
}

void QtSpeechEngine::setEventHandler(EventHandler handler)
{
    m_handler = std::move(handler);
}

bool QtSpeechEngine::chooseVoice(const QLocale& wanted)
{
    QTextToSpeech* tts = synthesizer();
    m_wanted = wanted;
    if (wanted.language() == QLocale::C) {
        // No language asked for and none in the text: the engine's own voice.
        m_voiceLocale = tts->locale();
        m_voiceName = tts->voice().name();
        return true;
    }
    const QList<QLocale> locales = tts->availableLocales();
    QLocale chosen = wanted;
    bool found = true;
    if (!locales.contains(wanted)) {
        const auto sameLanguage = std::find_if(locales.cbegin(), locales.cend(),
                                               [&wanted](const QLocale& l) { return l.language() == wanted.language(); });
        found = sameLanguage != locales.cend();
        if (found)
            chosen = *sameLanguage;
        else if (!m_missingVoices.contains(wanted.name())) {
            m_missingVoices.insert(wanted.name());
            VQLogInfo(QStringLiteral("speech output: no voice of %1 for %2; the engine's voice %3 speaks instead")
                          .arg(tts->engine(), wanted.name(), tts->locale().name()));
        }
    }
    if (found && tts->locale() != chosen)
        tts->setLocale(chosen);
    m_voiceLocale = found ? tts->locale() : QLocale::c();
    m_voiceName = tts->voice().name();
    return found;
}

int QtSpeechEngine::say(const QString& text, const QString& language)
{
    QTextToSpeech* tts = synthesizer();
    const int id = ++m_lastId;
    m_current = id;
    m_phase = Phase::Speaking;
    m_started = false;
    if (!tts) {
        m_lastError = QStringLiteral("no speech engine is installed");
        m_current = 0;
        m_phase = Phase::Idle;
        deliver(id, Event::Failed);
        return id;
    }
    m_pendingText = text;
    m_pendingLanguage = language;
    // A stopped utterance still winding down swallows a new one: speak once the synthesiser is
    // ready again, or after a grace period.
    if (m_owesReady)
        m_owedReadyTimer.start();
    else
        speakPending();
    return id;
}

void QtSpeechEngine::speakPending()
{
    m_owedReadyTimer.stop();
    if (m_current == 0 || m_pendingText.isNull() || m_phase != Phase::Speaking)
        return;
    const QString text = std::exchange(m_pendingText, QString());
    if (!chooseVoice(VQSpeechLanguage::languageOf(text, m_pendingLanguage)))
        deliver(m_current, Event::NoVoice);
    m_tts->setRate(0.0);
    m_tts->setPitch(0.0);
    m_tts->setVolume(1.0);
    m_tts->say(text);
}

bool QtSpeechEngine::pause(Boundary boundary)
{
    if (m_phase != Phase::Speaking || !m_tts)
        return false;
    m_phase = Phase::Paused;
    if (!m_pendingText.isNull()) {
        // Not handed to the synthesiser yet: it waits until resumed.
        deliver(m_current, Event::Paused);
        return true;
    }
    m_tts->pause(hintOf(boundary));
    return true;
}

bool QtSpeechEngine::stop(Boundary boundary)
{
    if (m_phase == Phase::Idle || !m_tts)
        return false;
    const int id = m_current;
    m_current = 0;
    m_phase = Phase::Idle;
    m_pendingText = QString();
    m_tts->stop(hintOf(boundary));
    m_owesReady = m_tts->state() != QTextToSpeech::Ready;
    deliver(id, Event::Cancelled);
    return true;
}

void QtSpeechEngine::resume()
{
    if (m_phase != Phase::Paused || !m_tts)
        return;
    m_phase = Phase::Speaking;
    if (!m_pendingText.isNull()) {
        deliver(m_current, Event::Resumed);
        if (!m_owesReady)
            speakPending();
        return;
    }
    m_tts->resume();
}

bool QtSpeechEngine::isSpeaking() const
{
    return m_phase == Phase::Speaking;
}

bool QtSpeechEngine::isPaused() const
{
    return m_phase == Phase::Paused;
}

QString QtSpeechEngine::lastError() const
{
    return m_lastError;
}

QString QtSpeechEngine::voiceName() const
{
    return m_voiceName;
}

QLocale QtSpeechEngine::voiceLocale() const
{
    return m_voiceLocale;
}

QLocale QtSpeechEngine::voiceWanted() const
{
    return m_wanted;
}

void QtSpeechEngine::stateChanged(int state)
{
    if (m_owesReady && state == QTextToSpeech::Ready) {
        m_owesReady = false;
        speakPending();
        return;
    }
    const int id = m_current;
    if (id == 0)
        return;
    switch (QTextToSpeech::State(state)) {
    case QTextToSpeech::Speaking:
        deliver(id, m_started ? Event::Resumed : Event::Started);
        m_started = true;
        break;
    case QTextToSpeech::Paused:
        deliver(id, Event::Paused);
        break;
    case QTextToSpeech::Ready:
        m_current = 0;
        m_phase = Phase::Idle;
        deliver(id, Event::Finished);
        break;
    case QTextToSpeech::Error:
        m_current = 0;
        m_phase = Phase::Idle;
        m_lastError = m_tts->errorString().isEmpty() ? QStringLiteral("the speech engine failed while speaking") : m_tts->errorString();
        deliver(id, Event::Failed);
        break;
    }
}

void QtSpeechEngine::deliver(int utterance, Event event)
{
    QMetaObject::invokeMethod(
        this,
        [this, utterance, event] {
            if (m_handler)
                m_handler(utterance, event);
        },
        Qt::QueuedConnection);
}
