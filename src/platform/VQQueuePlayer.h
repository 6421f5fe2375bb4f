#pragma once

#include "VQAudioPlayer.h"

#include <QList>
#include <QUrl>

#include <functional>

// Plays a list of audio addresses one after the other through an audio player: each from its
// start once the one before has played to its end. A new list replaces the one playing. An
// address that cannot be played ends the list: the error handler hears of it once, the rest is
// not played.
//
// Main thread only. The player is asked for at each call (the shared player may be replaced,
// as tests do); its handlers are taken over while this queue uses it.
class VQQueuePlayer {
public:
    using PlayerSource = std::function<VQAudioPlayer&()>;

    explicit VQQueuePlayer(PlayerSource player);

    void setErrorHandler(VQAudioPlayer::ErrorHandler handler);

    // Pauses what plays and plays the items from the first; an empty list only pauses.
    void play(const QList<QUrl>& items);
    // Replaces the current item by the address and plays it (the items after it stay).
    void replaceCurrentItem(const QUrl& item);
    void pause();
    // Stops and forgets the list.
    void stop();

    QList<QUrl> items() const { return m_items; }
    // The item playing or paused; -1 when none.
    int currentIndex() const { return m_current; }

private:
    VQAudioPlayer& attach();
    void playCurrent();
    void finished();
    void failed(const QUrl& source, const QString& reason);

    PlayerSource m_player;
    const VQAudioPlayer* m_attached = nullptr;
    VQAudioPlayer::ErrorHandler m_errorHandler;
    QList<QUrl> m_items;
    int m_current = -1;
};
