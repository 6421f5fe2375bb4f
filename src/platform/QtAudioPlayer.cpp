#include "QtAudioPlayer.h"

#include "MMLog.h"
#include "ServiceSlot.h"

#include <QAudioDevice>
#include <QBuffer>
#include <QAudioOutput>
#include <QMediaDevices>
#include <QMediaPlayer>

template <>
std::unique_ptr<VQAudioPlayer> ServiceSlot<VQAudioPlayer>::makeDefault()
{
    return std::make_unique<QtAudioPlayer>();
}

VQAudioPlayer::~VQAudioPlayer() = default;

VQAudioPlayer& VQAudioPlayer::instance()
{
    return ServiceSlot<VQAudioPlayer>::get();
}

void VQAudioPlayer::setInstance(VQAudioPlayer* player)
{
    ServiceSlot<VQAudioPlayer>::install(player);
}

std::unique_ptr<VQAudioPlayer> VQAudioPlayer::create()
{
    return std::make_unique<QtAudioPlayer>();
}

QtAudioPlayer::QtAudioPlayer() = default;

QtAudioPlayer::~QtAudioPlayer()
{
    if (m_player)
        m_player->stop();
    delete m_player.data();
    delete m_output.data();
    delete m_buffer.data();
}

void QtAudioPlayer::ensurePlayer()
{
    if (m_player)
        return;
    m_output = new QAudioOutput(this);
    m_output->setVolume(1.0f);
    m_player = new QMediaPlayer(this);
    m_player->setAudioOutput(m_output);
    // Qt may report inside setSource() or play(): the report waits for the event loop, tagged
    // with the source it belongs to.
    const auto later = [this](const QString& reason) {
        const quint64 generation = m_generation;
        QMetaObject::invokeMethod(this, [this, generation, reason] { fail(generation, reason); }, Qt::QueuedConnection);
    };
    connect(m_player, &QMediaPlayer::errorOccurred, this, [later](QMediaPlayer::Error, const QString& text) {
        later(text.isEmpty() ? QStringLiteral("the audio cannot be played") : text);
    });
    m_stallTimer.setSingleShot(true);
    m_stallTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_stallTimer, &QTimer::timeout, this, [this] {
        if (m_player->playbackState() != QMediaPlayer::PlayingState)
            return;
        VQLogWarn(QStringLiteral("audio playback stalled at %1 of %2 ms: the round counts as played")
                      .arg(m_player->position())
                      .arg(m_player->duration()));
        finished(m_generation);
    });
    connect(m_player, &QMediaPlayer::positionChanged, this, [this] { watchForStall(); });
    connect(m_player, &QMediaPlayer::durationChanged, this, [this] { watchForStall(); });
    connect(m_player, &QMediaPlayer::playbackStateChanged, this, [this] { watchForStall(); });
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this, [this, later](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::InvalidMedia)
            later(QStringLiteral("the audio cannot be decoded"));
        if (status == QMediaPlayer::EndOfMedia) {
            const quint64 generation = m_generation;
            QMetaObject::invokeMethod(this, [this, generation] { finished(generation); }, Qt::QueuedConnection);
        }
    });
}

void QtAudioPlayer::setErrorHandler(ErrorHandler handler)
{
    m_handler = std::move(handler);
}

void QtAudioPlayer::setFinishedHandler(FinishedHandler handler)
{
    m_finishedHandler = std::move(handler);
}

void QtAudioPlayer::setLoops(int loops)
{
    m_loops = loops == kLoopForever ? kLoopForever : qMax(1, loops);
}

bool QtAudioPlayer::begin(quint64 generation)
{
    if (QMediaDevices::audioOutputs().isEmpty()) {
        QMetaObject::invokeMethod(
            this, [this, generation] { fail(generation, QStringLiteral("there is no audio output device")); },
            Qt::QueuedConnection);
        return false;
    }
    ensurePlayer();
    // Follow the default output as it is now (a device plugged in since the last sound).
    m_output->setDevice(QMediaDevices::defaultAudioOutput());
    m_player->stop();
    // The rounds are played here, one source round at a time: Qt's own looping seeks back while
    // the stream is ending, and on a busy machine the second round then never ends.
    m_player->setLoops(1);
    m_roundsLeft = m_loops;
    return true;
}

void QtAudioPlayer::play(const QUrl& source)
{
    const quint64 generation = ++m_generation;
    m_source = source;
    if (!begin(generation))
        return;
    m_player->setSource(source);
    delete m_buffer.data();
    m_player->play();
}

void QtAudioPlayer::playData(const QByteArray& data)
{
    const quint64 generation = ++m_generation;
    m_source = QUrl(QStringLiteral("data:audio"));
    if (!begin(generation))
        return;
    // The old buffer goes once the player no longer reads it.
    QBuffer* old = m_buffer.data();
    m_buffer = new QBuffer(this);
    m_buffer->setData(data);
    m_buffer->open(QIODevice::ReadOnly);
    m_player->setSourceDevice(m_buffer, m_source);
    delete old;
    m_player->play();
}

void QtAudioPlayer::pause()
{
    if (m_player && m_player->playbackState() == QMediaPlayer::PlayingState)
        m_player->pause();
}

void QtAudioPlayer::stop()
{
    if (m_player)
        m_player->stop();
}

bool QtAudioPlayer::isPlaying() const
{
    return m_player && m_player->playbackState() == QMediaPlayer::PlayingState;
}

void QtAudioPlayer::finished(quint64 generation)
{
    if (generation != m_generation || m_reported == generation)
        return;
    if (m_roundsLeft == kLoopForever || --m_roundsLeft > 0) {
        // From the start again: stopped first, so the seek happens in a paused pipeline.
        m_player->stop();
        m_player->play();
        return;
    }
    if (m_finishedHandler)
        m_finishedHandler();
}

void QtAudioPlayer::watchForStall()
{
    const qint64 duration = m_player->duration();
    if (duration <= 0 || m_player->playbackState() != QMediaPlayer::PlayingState) {
        m_stallTimer.stop();
        return;
    }
    m_stallTimer.start(int(qBound<qint64>(0, duration - m_player->position(), duration)) + kStallGraceMs);
}

void QtAudioPlayer::fail(quint64 generation, const QString& reason)
{
    if (generation != m_generation || m_reported == generation)
        return;
    m_reported = generation;
    if (m_player)
        m_player->stop();
    if (m_handler)
        m_handler(m_source, reason);
}
