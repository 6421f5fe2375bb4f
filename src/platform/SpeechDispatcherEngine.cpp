#include "SpeechDispatcherEngine.h"

#include "MMLog.h"
#include "QtSpeechEngine.h"
#include "ServiceSlot.h"
#include "VQSpeechLanguage.h"

#include <QAudioDevice>
#include <QDir>
#include <QLocalSocket>
#include <QMediaDevices>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>
#include <utility>

template <>
std::unique_ptr<VQSpeechEngine> ServiceSlot<VQSpeechEngine>::makeDefault()
{
    return std::make_unique<SpeechDispatcherEngine>();
}

VQSpeechEngine::~VQSpeechEngine() = default;

VQSpeechEngine& VQSpeechEngine::instance()
{
    return ServiceSlot<VQSpeechEngine>::get();
}

void VQSpeechEngine::setInstance(VQSpeechEngine* engine)
{
    ServiceSlot<VQSpeechEngine>::install(engine);
}

namespace {

// Answer codes of the server's protocol: 2xx success, 3xx and 4xx refusals, 7xx events.
constexpr int kReceivingData = 230;
constexpr int kMessageQueued = 225;
constexpr int kVoiceList = 249;
constexpr int kEventBegin = 701;
constexpr int kEventEnd = 702;
constexpr int kEventCancelled = 703;
constexpr int kEventPaused = 704;
constexpr int kEventResumed = 705;

bool isSuccess(int code)
{
    return code >= 200 && code < 300;
}

// The text as the data of a SPEAK command: CR LF line ends, a line that begins with a dot gets
// a second one, and a line with a lone dot ends it.
QByteArray speakData(const QString& text)
{
    QByteArray data;
    const QStringList lines = QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")).split(QLatin1Char('\n'));
    for (QString line : lines) {
        line.remove(QLatin1Char('\r'));
        if (line.startsWith(QLatin1Char('.')))
            line.prepend(QLatin1Char('.'));
        data += line.toUtf8() + "\r\n";
    }
    return data + ".";
}

} // namespace

SpeechDispatcherEngine::SpeechDispatcherEngine(QString socketPath, std::unique_ptr<VQSpeechEngine> fallback, int answerTimeoutMs)
    : m_socketPath(std::move(socketPath))
    , m_fallback(std::move(fallback))
{
    m_answerTimer.setSingleShot(true);
    m_answerTimer.setInterval(answerTimeoutMs);
    connect(&m_answerTimer, &QTimer::timeout, this, [this] {
        linkLost(QStringLiteral("speech-dispatcher did not answer within %1 ms").arg(m_answerTimer.interval()));
    });
    if (m_fallback)
        attachFallback();
}

SpeechDispatcherEngine::~SpeechDispatcherEngine()
{
    if (m_socket != nullptr)
        m_socket->disconnect(this);
    if (m_spawn != nullptr)
        m_spawn->disconnect(this);
}

QString SpeechDispatcherEngine::defaultSocketPath()
{
    const QString address = qEnvironmentVariable("SPEECHD_ADDRESS");
    if (!address.isEmpty()) {
        if (address.startsWith(QLatin1String("unix_socket:")))
            return address.mid(int(qstrlen("unix_socket:")));
        if (address != QLatin1String("unix_socket"))
            return {};
    }
    QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.isEmpty())
        runtime = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    return QDir(runtime).filePath(QStringLiteral("speech-dispatcher/speechd.sock"));
}

VQSpeechEngine& SpeechDispatcherEngine::fallback()
{
    if (!m_fallback) {
        m_fallback = std::make_unique<QtSpeechEngine>();
        attachFallback();
    }
    return *m_fallback;
}

void SpeechDispatcherEngine::attachFallback()
{
    // The fallback's events are those of the current utterance, under its own id.
    m_fallback->setEventHandler([this](int utterance, Event event) {
        if (utterance == 0 || utterance != m_fallbackUtterance)
            return;
        const int id = m_current;
        if (event == Event::Cancelled || event == Event::Finished || event == Event::Failed) {
            m_fallbackUtterance = 0;
            m_current = 0;
            m_phase = Phase::Idle;
        }
        if (m_handler)
            m_handler(id, event);
    });
}

QString SpeechDispatcherEngine::unavailableReason() const
{
    if (m_link == Link::Unreachable)
        return const_cast<SpeechDispatcherEngine*>(this)->fallback().unavailableReason();
    if (QMediaDevices::audioOutputs().isEmpty())
        return QStringLiteral("there is no audio output device");
    return {};
}

void SpeechDispatcherEngine::setEventHandler(EventHandler handler)
{
    m_handler = std::move(handler);
}

int SpeechDispatcherEngine::say(const QString& text, const QString& language)
{
    const int id = ++m_lastId;
    m_current = id;
    m_phase = Phase::Speaking;
    m_started = false;
    m_sent = false;
    m_pendingText = text;
    m_pendingLanguage = language;
    m_wanted = VQSpeechLanguage::languageOf(text, language);
    switch (m_link) {
    case Link::Unreachable:
        sayOnFallback();
        break;
    case Link::Closed:
        connectToServer();
        break;
    case Link::Ready:
        speakPending();
        break;
    default:
        break; // spoken once the server is there
    }
    return id;
}

void SpeechDispatcherEngine::sayOnFallback()
{
    if (m_current == 0 || m_pendingText.isNull())
        return;
    VQSpeechEngine& engine = fallback();
    const QString text = std::exchange(m_pendingText, QString());
    const bool paused = m_phase == Phase::Paused;
    m_fallbackUtterance = engine.say(text, m_pendingLanguage);
    m_voiceName = engine.voiceName();
    m_voiceLocale = engine.voiceLocale();
    if (paused)
        engine.pause(Boundary::Immediate);
}

void SpeechDispatcherEngine::connectToServer()
{
    if (m_socketPath.isEmpty()) {
        linkLost(QStringLiteral("SPEECHD_ADDRESS names no local socket"));
        return;
    }
    m_link = Link::Connecting;
    if (m_socket == nullptr) {
        m_socket = new QLocalSocket(this);
        connect(m_socket, &QLocalSocket::connected, this, &SpeechDispatcherEngine::connected);
        connect(m_socket, &QLocalSocket::readyRead, this, &SpeechDispatcherEngine::readAnswers);
        connect(m_socket, &QLocalSocket::errorOccurred, this, [this](QLocalSocket::LocalSocketError error) {
            if (m_link == Link::Connecting && !m_spawned
                && (error == QLocalSocket::ServerNotFoundError || error == QLocalSocket::ConnectionRefusedError)) {
                spawnServer();
                return;
            }
            if (m_link != Link::Unreachable && m_link != Link::Closed)
                linkLost(QStringLiteral("speech-dispatcher at %1: %2").arg(m_socketPath, m_socket->errorString()));
        });
        connect(m_socket, &QLocalSocket::disconnected, this, [this] {
            if (m_link == Link::Ready || m_link == Link::Listing)
                linkLost(QStringLiteral("speech-dispatcher closed the connection"));
        });
    }
    m_socket->connectToServer(m_socketPath);
}

void SpeechDispatcherEngine::spawnServer()
{
    // As the server's own clients do: it starts unless the user switched its start off, and
    // exits once the server listens.
    m_spawned = true;
    m_link = Link::Spawning;
    m_spawn = new QProcess(this);
    connect(m_spawn, &QProcess::finished, this, [this](int code, QProcess::ExitStatus status) {
        m_answerTimer.stop();
        m_spawn->deleteLater();
        m_spawn = nullptr;
        if (status == QProcess::NormalExit && code == 0)
            connectToServer();
        else
            linkLost(QStringLiteral("speech-dispatcher could not be started (status %1)").arg(code));
    });
    connect(m_spawn, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        m_spawn->deleteLater();
        m_spawn = nullptr;
        linkLost(QStringLiteral("speech-dispatcher is not installed"));
    });
    // A start that hangs counts as a server that does not answer.
    m_answerTimer.start();
    m_spawn->start(QStringLiteral("speech-dispatcher"), {QStringLiteral("--spawn"), QStringLiteral("--communication-method"),
                                                         QStringLiteral("unix_socket"), QStringLiteral("--socket-path"), m_socketPath});
}

void SpeechDispatcherEngine::connected()
{
    m_link = Link::Listing;
    QString user = qEnvironmentVariable("USER");
    user.remove(QLatin1Char(':')).remove(QLatin1Char(' '));
    send("SET SELF CLIENT_NAME " + (user.isEmpty() ? QByteArray("user") : user.toUtf8()) + ":corvane-companion:speech");
    send("SET SELF NOTIFICATION ALL on");
    send("LIST SYNTHESIS_VOICES", [this](int code, const QStringList& lines) {
        if (code != kVoiceList) {
            linkLost(QStringLiteral("speech-dispatcher listed no voices (%1)").arg(code));
            return;
        }
        m_voices.clear();
        for (const QString& line : lines) {
            const QStringList fields = line.split(QLatin1Char('\t'));
            if (fields.size() < 2)
                continue;
            const QLocale locale = VQSpeechLanguage::localeOfVoiceLanguage(fields.at(1));
            if (locale.language() == QLocale::C)
                continue;
            // "en-029" is read as en_US by the locales: only a region the code names counts.
            const QString region = fields.at(1).section(QLatin1Char('-'), 1, 1);
            const QLocale::Territory territory = region.size() == 2 ? QLocale::codeToTerritory(region.toUpper()) : QLocale::AnyTerritory;
            m_voices.append({fields.at(0), fields.at(1), fields.value(2), locale, territory});
        }
        m_link = Link::Ready;
        VQLogInfo(QStringLiteral("speech output through speech-dispatcher: %1 voices").arg(m_voices.size()));
        speakPending();
    });
}

void SpeechDispatcherEngine::linkLost(const QString& reason)
{
    const Link was = m_link;
    m_answerTimer.stop();
    if (m_spawn != nullptr) {
        m_spawn->disconnect(this);
        m_spawn->kill();
        m_spawn->deleteLater();
        m_spawn = nullptr;
    }
    m_queue.clear();
    m_inFlight.reset();
    m_heldEvents.clear();
    m_messages.clear();
    m_answerLines.clear();
    m_eventLines.clear();
    m_buffer.clear();
    if (m_socket != nullptr) {
        m_socket->disconnect(this);
        m_socket->abort();
        m_socket->deleteLater();
        m_socket = nullptr;
    }
    m_lastError = reason;
    // A server that was there may come back (it ends when idle): the next utterance tries again.
    // One that never answered is not asked again: the fallback speaks from now on.
    m_link = was == Link::Ready ? Link::Closed : Link::Unreachable;
    VQLogWarn(QStringLiteral("speech output: %1%2").arg(reason, m_link == Link::Unreachable ? QStringLiteral("; the fallback engine speaks")
                                                                                             : QString()));
    if (m_current == 0)
        return;
    if (m_sent || m_link != Link::Unreachable) {
        // The utterance on the server is lost with it.
        const int id = m_current;
        m_current = 0;
        m_phase = Phase::Idle;
        m_pendingText = QString();
        deliver(id, Event::Failed);
        return;
    }
    sayOnFallback();
}

void SpeechDispatcherEngine::send(const QByteArray& line, Reply reply, int utterance)
{
    enqueue({line, std::move(reply), utterance, {}, false});
}

void SpeechDispatcherEngine::enqueue(Command command)
{
    if (m_socket == nullptr)
        return;
    m_queue.push_back(std::move(command));
    writeNext();
}

void SpeechDispatcherEngine::writeNext()
{
    if (m_inFlight || m_queue.empty() || m_socket == nullptr || m_socket->state() != QLocalSocket::ConnectedState)
        return;
    m_inFlight = std::move(m_queue.front());
    m_queue.pop_front();
    if (!m_inFlight->data.isNull() && m_inFlight->utterance == m_current)
        m_sent = true;
    m_socket->write(m_inFlight->line + "\r\n");
    m_answerTimer.start();
}

void SpeechDispatcherEngine::dropQueued(int utterance)
{
    std::erase_if(m_queue, [utterance](const Command& command) { return command.utterance == utterance; });
}

void SpeechDispatcherEngine::readAnswers()
{
    m_buffer += m_socket->readAll();
    qsizetype from = 0;
    qsizetype end = 0;
    while ((end = m_buffer.indexOf("\r\n", from)) >= 0) {
        const QByteArray line = m_buffer.mid(from, end - from);
        from = end + 2;
        bool ok = false;
        const int code = line.size() < 4 || (line.at(3) != ' ' && line.at(3) != '-') ? 0 : line.left(3).toInt(&ok);
        if (!ok || code < 100) {
            linkLost(QStringLiteral("speech-dispatcher sent a malformed line"));
            return;
        }
        const bool event = code >= 700 && code < 800;
        QStringList& block = event ? m_eventLines : m_answerLines;
        block.append(QString::fromUtf8(line.mid(4)));
        if (!event && m_inFlight)
            m_answerTimer.start(); // a long answer (the voice list) is still an answer
        if (line.at(3) == '-')
            continue;
        const QStringList lines = std::exchange(block, QStringList());
        if (event)
            eventBlock(code, lines);
        else
            answerBlock(code, lines);
        if (m_socket == nullptr)
            return; // the link went with that block
    }
    m_buffer.remove(0, from);
}

void SpeechDispatcherEngine::answerBlock(int code, const QStringList& lines)
{
    if (!m_inFlight) {
        linkLost(QStringLiteral("speech-dispatcher answered a command it was not sent (%1)").arg(code));
        return;
    }
    if (!m_inFlight->data.isNull() && !m_inFlight->dataSent) {
        if (code != kReceivingData) {
            m_inFlight.reset();
            linkLost(QStringLiteral("speech-dispatcher took no text (%1)").arg(code));
            return;
        }
        // The text and its terminator, then the text's own answer.
        m_inFlight->dataSent = true;
        m_socket->write(m_inFlight->data + "\r\n");
        m_answerTimer.start();
        return;
    }
    const Reply reply = std::move(m_inFlight->reply);
    m_inFlight.reset();
    m_answerTimer.stop();
    if (!isSuccess(code) && !reply)
        VQLogWarn(QStringLiteral("speech-dispatcher refused a command: %1 %2").arg(code).arg(lines.value(lines.size() - 1)));
    if (reply)
        reply(code, lines.mid(0, lines.size() - 1));
    writeNext();
}

void SpeechDispatcherEngine::eventBlock(int code, const QStringList& lines)
{
    // message id, client id, event name.
    if (!m_messages.contains(lines.value(0))) {
        // The server may tell the message's events before the answer that tells its id.
        if (m_inFlight && m_inFlight->dataSent)
            m_heldEvents.append({code, lines});
        return;
    }
    const int utterance = m_messages.value(lines.value(0));
    if (code == kEventEnd || code == kEventCancelled)
        m_messages.remove(lines.value(0));
    if (utterance != m_current)
        return;
    switch (code) {
    case kEventBegin:
        if (!std::exchange(m_swallowBegin, false))
            deliver(utterance, m_started ? Event::Resumed : Event::Started);
        m_started = true;
        break;
    case kEventPaused:
        deliver(utterance, Event::Paused);
        break;
    case kEventResumed:
        deliver(utterance, Event::Resumed);
        break;
    case kEventEnd:
        m_current = 0;
        m_phase = Phase::Idle;
        deliver(utterance, Event::Finished);
        break;
    case kEventCancelled:
        m_current = 0;
        m_phase = Phase::Idle;
        deliver(utterance, Event::Cancelled);
        break;
    default:
        break; // index marks
    }
}

const SpeechDispatcherEngine::Voice* SpeechDispatcherEngine::voiceFor(const QLocale& wanted) const
{
    const Voice* best = nullptr;
    int bestScore = -1;
    for (const Voice& voice : m_voices) {
        if (voice.locale.language() != wanted.language())
            continue;
        // The country's own voice first, then a plain voice before a variant of it.
        const int score = (voice.territory == wanted.territory() ? 2 : 0)
            + (voice.variant.isEmpty() || voice.variant == QLatin1String("none") ? 1 : 0);
        if (score > bestScore) {
            best = &voice;
            bestScore = score;
        }
    }
    return best;
}

void SpeechDispatcherEngine::speakPending()
{
    if (m_current == 0 || m_pendingText.isNull() || m_phase != Phase::Speaking || m_link != Link::Ready)
        return;
    const QString text = std::exchange(m_pendingText, QString());
    const int id = m_current;
    const Voice* voice = voiceFor(m_wanted);
    if (voice == nullptr) {
        // Nobody speaks the language: the voice of the system's language, else English.
        deliver(id, Event::NoVoice);
        voice = voiceFor(QLocale::system());
        if (voice == nullptr)
            voice = voiceFor(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    m_voiceName = voice != nullptr ? voice->name : QString();
    m_voiceLocale = voice != nullptr ? voice->locale : QLocale::c();
    if (voice != nullptr) {
        send("SET SELF LANGUAGE " + voice->language.toUtf8(), {}, id);
        send("SET SELF SYNTHESIS_VOICE " + voice->name.toUtf8(), {}, id);
    }
    send("SET SELF RATE 0", {}, id);
    send("SET SELF PITCH 0", {}, id);
    send("SET SELF VOLUME 100", {}, id);
    m_spokenText = text;
    const int serial = ++m_speakSerial;
    // The text's own answer tells the message's id.
    Reply queued = [this, id, serial](int code, const QStringList& lines) {
        const QList<HeldEvent> held = std::exchange(m_heldEvents, {});
        if (serial != m_speakSerial || id != m_current)
            return; // stopped or cancelled meanwhile: the CANCEL SELF written next ends it
        if (code != kMessageQueued || lines.isEmpty()) {
            m_current = 0;
            m_phase = Phase::Idle;
            m_lastError = QStringLiteral("speech-dispatcher refused the text (%1)").arg(code);
            deliver(id, Event::Failed);
            return;
        }
        m_messages.insert(lines.first(), id);
        for (const HeldEvent& event : held) {
            if (event.lines.value(0) == lines.first())
                eventBlock(event.code, event.lines);
        }
    };
    enqueue({"SPEAK", std::move(queued), id, speakData(text), false});
}

bool SpeechDispatcherEngine::pause(Boundary boundary)
{
    if (m_fallbackUtterance != 0)
        return fallback().pause(boundary);
    if (m_phase != Phase::Speaking)
        return false;
    m_phase = Phase::Paused;
    if (!m_pendingText.isNull()) {
        deliver(m_current, Event::Paused); // not handed to the server yet: it waits until resumed
        return true;
    }
    if (boundary == Boundary::Word) {
        // The server pauses at the next mark it set in the text (between sentences).
        send("PAUSE SELF");
        return true;
    }
    // At once (a recording starts): the server's pause would wait for the end of the sentence,
    // so the message is cancelled and its text kept, to be spoken again when resumed.
    for (auto it = m_messages.begin(); it != m_messages.end();) {
        if (it.value() == m_current)
            it = m_messages.erase(it);
        else
            ++it;
    }
    dropQueued(m_current);
    ++m_speakSerial;
    if (std::exchange(m_sent, false))
        send("CANCEL SELF");
    m_pendingText = m_spokenText;
    deliver(m_current, Event::Paused);
    return true;
}

bool SpeechDispatcherEngine::stop(Boundary boundary)
{
    if (m_fallbackUtterance != 0)
        return fallback().stop(boundary);
    if (m_phase == Phase::Idle)
        return false;
    const int id = m_current;
    m_current = 0;
    m_phase = Phase::Idle;
    m_pendingText = QString();
    // Its commands not written yet are dropped; what the server has is cancelled in turn.
    dropQueued(id);
    ++m_speakSerial;
    if (std::exchange(m_sent, false))
        send("CANCEL SELF");
    deliver(id, Event::Cancelled);
    return true;
}

void SpeechDispatcherEngine::resume()
{
    if (m_fallbackUtterance != 0) {
        fallback().resume();
        return;
    }
    if (m_phase != Phase::Paused)
        return;
    m_phase = Phase::Speaking;
    if (!m_pendingText.isNull()) {
        deliver(m_current, Event::Resumed);
        m_swallowBegin = true;
        m_started = true;
        speakPending();
        return;
    }
    send("RESUME SELF");
}

bool SpeechDispatcherEngine::isSpeaking() const
{
    if (m_fallbackUtterance != 0)
        return m_fallback->isSpeaking();
    return m_phase == Phase::Speaking;
}

bool SpeechDispatcherEngine::isPaused() const
{
    if (m_fallbackUtterance != 0)
        return m_fallback->isPaused();
    return m_phase == Phase::Paused;
}

QString SpeechDispatcherEngine::lastError() const
{
    return m_fallbackUtterance != 0 ? m_fallback->lastError() : m_lastError;
}

QString SpeechDispatcherEngine::voiceName() const
{
    return m_voiceName;
}

QLocale SpeechDispatcherEngine::voiceLocale() const
{
    return m_voiceLocale;
}

QLocale SpeechDispatcherEngine::voiceWanted() const
{
    return m_wanted;
}

void SpeechDispatcherEngine::deliver(int utterance, Event event)
{
    QMetaObject::invokeMethod(
        this,
        [this, utterance, event] {
            if (m_handler)
                m_handler(utterance, event);
        },
        Qt::QueuedConnection);
}
