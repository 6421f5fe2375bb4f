#pragma once

#include <QString>
#include <QUrl>

#include <functional>

// Plays audio from an address (network or file) through the system's default audio output.
//
// Main thread only. The error handler is called on the main thread from the event loop, never
// inside a call, once for a source that cannot be played (bad address, unreadable or
// undecodable audio, no output device).
class VQAudioPlayer {
public:
    using ErrorHandler = std::function<void(const QUrl& source, const QString& reason)>;

    virtual ~VQAudioPlayer();

    virtual void setErrorHandler(ErrorHandler handler) = 0;
    // Drops the current source and plays the new one from its start.
    virtual void play(const QUrl& source) = 0;
    virtual void pause() = 0;
    // Stops and rewinds; the source stays loaded.
    virtual void stop() = 0;
    virtual bool isPlaying() const = 0;

    // The implementation in use: the installed one, else the Qt one, created on first use.
    static VQAudioPlayer& instance();
    // Installs an implementation (tests install a fake); nullptr goes back to the default.
    static void setInstance(VQAudioPlayer* player);
};
