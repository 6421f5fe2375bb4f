#pragma once

#include "VQAudioPlayer.h"

#include <QObject>
#include <QPointer>

class QAudioOutput;
class QMediaPlayer;

// Playback through Qt Multimedia (QMediaPlayer with a QAudioOutput on the default output
// device; on Linux through the PulseAudio-compatible sound server). Made on first use.
class QtAudioPlayer : public QObject, public VQAudioPlayer {
public:
    QtAudioPlayer();
    ~QtAudioPlayer() override;
    QtAudioPlayer(const QtAudioPlayer&) = delete;
    QtAudioPlayer& operator=(const QtAudioPlayer&) = delete;

    void setErrorHandler(ErrorHandler handler) override;
    void play(const QUrl& source) override;
    void pause() override;
    void stop() override;
    bool isPlaying() const override;

private:
    void ensurePlayer();
    void fail(quint64 generation, const QString& reason);

    QPointer<QMediaPlayer> m_player;
    QPointer<QAudioOutput> m_output;
    ErrorHandler m_handler;
    QUrl m_source;
    // Raised by each play(): an error of an earlier source is not reported, and each source's
    // failure is reported once.
    quint64 m_generation = 0;
    quint64 m_reported = 0;
};
