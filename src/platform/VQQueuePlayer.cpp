#include "VQQueuePlayer.h"

VQQueuePlayer::VQQueuePlayer(PlayerSource player)
    : m_player(std::move(player))
{
}

void VQQueuePlayer::setErrorHandler(VQAudioPlayer::ErrorHandler handler)
{
    m_errorHandler = std::move(handler);
}

VQAudioPlayer& VQQueuePlayer::attach()
{
    VQAudioPlayer& player = m_player();
    if (m_attached != &player) {
        m_attached = &player;
        // The player reports only on its current source: an event of an item replaced
        // meanwhile does not arrive.
        player.setFinishedHandler([this] { finished(); });
        player.setErrorHandler([this](const QUrl& source, const QString& reason) { failed(source, reason); });
    }
    return player;
}

void VQQueuePlayer::play(const QList<QUrl>& items)
{
    attach().pause();
    m_items = items;
    m_current = items.isEmpty() ? -1 : 0;
    if (m_current == 0)
        playCurrent();
}

void VQQueuePlayer::replaceCurrentItem(const QUrl& item)
{
    attach().pause();
    if (m_current < 0) {
        m_items = {item};
        m_current = 0;
    } else {
        m_items[m_current] = item;
    }
    playCurrent();
}

void VQQueuePlayer::pause()
{
    attach().pause();
}

void VQQueuePlayer::stop()
{
    attach().stop();
    m_items.clear();
    m_current = -1;
}

void VQQueuePlayer::playCurrent()
{
    attach().play(m_items.at(m_current));
}

void VQQueuePlayer::finished()
{
    if (m_current < 0)
        return;
    if (m_current + 1 >= m_items.size()) {
        m_current = -1;
        return;
    }
    ++m_current;
    playCurrent();
}

void VQQueuePlayer::failed(const QUrl& source, const QString& reason)
{
    m_current = -1;
    if (m_errorHandler)
        m_errorHandler(source, reason);
}
