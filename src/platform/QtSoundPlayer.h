#pragma once

#include "VQSoundPlayer.h"

#include <QHash>
#include <QObject>

class QSoundEffect;

// Sounds through Qt Multimedia's QSoundEffect (WAV, played on the default output device).
class QtSoundPlayer : public QObject, public VQSoundPlayer {
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    QtSoundPlayer(const QtSoundPlayer&) = delete;
    QtSoundPlayer& operator=(const QtSoundPlayer&) = delete;

    int createSound(const QUrl& wav) override;
    bool hasSound(int soundId) const override;
    bool play(int soundId) override;
    void stop(int soundId) override;
    void dispose(int soundId) override;
    void setFinishedHandler(FinishedHandler handler) override;

private:
    struct Sound {
        QSoundEffect* effect = nullptr;
        bool stopped = false; // stopped by stop(): its end is no finish
    };

    void playingChanged(int soundId);

    QHash<int, Sound> m_sounds;
    int m_nextId = kFirstSoundId;
    FinishedHandler m_handler;
};
