#include "QtSoundPlayer.h"

#include "MMLog.h"
#include "ServiceSlot.h"

#include <QFile>
#include <QSoundEffect>

template <>
std::unique_ptr<VQSoundPlayer> ServiceSlot<VQSoundPlayer>::makeDefault()
{
    return std::make_unique<QtSoundPlayer>();
}

VQSoundPlayer::~VQSoundPlayer() = default;

VQSoundPlayer& VQSoundPlayer::instance()
{
    return ServiceSlot<VQSoundPlayer>::get();
}

void VQSoundPlayer::setInstance(VQSoundPlayer* player)
{
    ServiceSlot<VQSoundPlayer>::install(player);
}

QtSoundPlayer::QtSoundPlayer() = default;

QtSoundPlayer::~QtSoundPlayer()
{
    for (const Sound& sound : std::as_const(m_sounds)) {
        sound.effect->stop();
        delete sound.effect;
    }
}

int QtSoundPlayer::createSound(const QUrl& wav)
{
    const QString path = wav.scheme() == QLatin1String("qrc") ? QLatin1Char(':') + wav.path() : wav.toLocalFile();
    if (path.isEmpty() || !QFile::exists(path))
        return 0;
    const int id = m_nextId++;
    auto* effect = new QSoundEffect(this);
    effect->setSource(wav);
    connect(effect, &QSoundEffect::playingChanged, this, [this, id] { playingChanged(id); });
    connect(effect, &QSoundEffect::statusChanged, this, [effect, wav] {
        if (effect->status() == QSoundEffect::Error)
            VQLogWarn(QStringLiteral("the sound %1 cannot be played").arg(wav.toDisplayString()));
    });
    m_sounds.insert(id, {effect, false});
    return id;
}

bool QtSoundPlayer::hasSound(int soundId) const
{
    return m_sounds.contains(soundId);
}

bool QtSoundPlayer::play(int soundId)
{
    const auto it = m_sounds.find(soundId);
    if (it == m_sounds.end())
        return false;
    it->stopped = false;
    it->effect->play();
    return true;
}

void QtSoundPlayer::stop(int soundId)
{
    const auto it = m_sounds.find(soundId);
    if (it == m_sounds.end())
        return;
    it->stopped = true;
    it->effect->stop();
}

void QtSoundPlayer::dispose(int soundId)
{
    const auto it = m_sounds.find(soundId);
    if (it == m_sounds.end())
        return;
    QSoundEffect* effect = it->effect;
    m_sounds.erase(it);
    effect->disconnect(this);
    effect->stop();
    effect->deleteLater();
}

void QtSoundPlayer::setFinishedHandler(FinishedHandler handler)
{
    m_handler = std::move(handler);
}

void QtSoundPlayer::playingChanged(int soundId)
{
    const auto it = m_sounds.find(soundId);
    if (it == m_sounds.end() || it->effect->isPlaying() || it->stopped)
        return;
    // Reported from the event loop: the handler may play the sound again.
    QMetaObject::invokeMethod(
        this,
        [this, soundId] {
            if (m_handler && m_sounds.contains(soundId))
                m_handler(soundId);
        },
        Qt::QueuedConnection);
}
