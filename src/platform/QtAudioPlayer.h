#pragma once

#include "VQAudioPlayer.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

class QAudioOutput;
class QBuffer;
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
    void setFinishedHandler(FinishedHandler handler) override;
    void play(const QUrl& source) override;
    void playData(const QByteArray& data) override;
    void setLoops(int loops) override;
    void pause() override;
    void stop() override;
    bool isPlaying() const override;

private:
    void ensurePlayer();
    // Starts the source set up by play() or playData(); false when there is no output device.
    bool begin(quint64 generation);
    void fail(quint64 generation, const QString& reason);
    void finished(quint64 generation);
    // Arms the watch over a round whose end Qt may never report (its pipeline stalled on a busy
    // machine): with no progress for the rest of the round and kStallGraceMs, the round ends.
    void watchForStall();

    QPointer<QMediaPlayer> m_player;
    QPointer<QAudioOutput> m_output;
    ErrorHandler m_handler;
    FinishedHandler m_finishedHandler;
    QUrl m_source;
    // The bytes of playData(), kept while they are the source.
    QPointer<QBuffer> m_buffer;
    static constexpr int kStallGraceMs = 2000;
    QTimer m_stallTimer;
    int m_loops = 1;
    int m_roundsLeft = 1; // rounds of the current source still to play, kLoopForever for ever
    // Raised by each play(): an error of an earlier source is not reported, and each source's
    // failure is reported once.
    quint64 m_generation = 0;
    quint64 m_reported = 0;
};
