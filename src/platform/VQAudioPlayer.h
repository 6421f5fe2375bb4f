#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

// Plays audio from an address (network or file) or from memory through the system's default
// audio output.
//
// Main thread only. The handlers are called on the main thread from the event loop, never
// inside a call: the error handler once for a source that cannot be played (bad address,
// unreadable or undecodable audio, no output device), the finished handler once a source has
// played all its rounds to the end.
class VQAudioPlayer {
public:
    using ErrorHandler = std::function<void(const QUrl& source, const QString& reason)>;
    using FinishedHandler = std::function<void()>;
    // setLoops(): play the source again and again until stopped.
    static constexpr int kLoopForever = -1;

    virtual ~VQAudioPlayer();

    virtual void setErrorHandler(ErrorHandler handler) = 0;
    virtual void setFinishedHandler(FinishedHandler handler) = 0;
    // Drops the current source and plays the new one from its start.
    virtual void play(const QUrl& source) = 0;
    // The same with the bytes of an audio file held in memory.
    virtual void playData(const QByteArray& data) = 0;
    // How many times the sources of the next plays are played (at least 1), or kLoopForever.
    virtual void setLoops(int loops) = 0;
    virtual void pause() = 0;
    // Stops and rewinds; the source stays loaded.
    virtual void stop() = 0;
    virtual bool isPlaying() const = 0;

    // The implementation in use: the installed one, else the Qt one, created on first use.
    static VQAudioPlayer& instance();
    // Installs an implementation (tests install a fake); nullptr goes back to the default.
    static void setInstance(VQAudioPlayer* player);
    // A Qt player of its own, apart from instance().
    static std::unique_ptr<VQAudioPlayer> create();
};
