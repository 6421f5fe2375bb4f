#include "QtAudioPlayer.h"

#include "ServiceSlot.h"

#include <QAudioDevice>
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

QtAudioPlayer::QtAudioPlayer() = default;

QtAudioPlayer::~QtAudioPlayer()
{
    if (m_player)
        m_player->stop();
    delete m_player.data();
    delete m_output.data();
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
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this, [later](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::InvalidMedia)
            later(QStringLiteral("the audio cannot be decoded"));
    });
}

void QtAudioPlayer::setErrorHandler(ErrorHandler handler)
{
    m_handler = std::move(handler);
}

void QtAudioPlayer::play(const QUrl& source)
{
    const quint64 generation = ++m_generation;
    m_source = source;
    if (QMediaDevices::audioOutputs().isEmpty()) {
        QMetaObject::invokeMethod(
            this, [this, generation] { fail(generation, QStringLiteral("there is no audio output device")); },
            Qt::QueuedConnection);
        return;
    }
    ensurePlayer();
    // Follow the default output as it is now (a device plugged in since the last sound).
    m_output->setDevice(QMediaDevices::defaultAudioOutput());
    m_player->stop();
    m_player->setSource(source);
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
