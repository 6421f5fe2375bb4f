#pragma once

#include <QUrl>

#include <functional>

// Short sounds (WAV files) played through the default audio output, each by the id it was
// given when it was made: the system sounds of the program.
//
// Main thread only. The finished handler is called from the event loop each time a sound has
// played to its end (not when it was stopped).
class VQSoundPlayer {
public:
    using FinishedHandler = std::function<void(int soundId)>;
    // Ids handed out start here, apart from the range of the platform sounds other systems
    // number below it.
    static constexpr int kFirstSoundId = 4097;

    virtual ~VQSoundPlayer();

    // Makes a sound of the WAV file at the address: its id, or 0 when there is no such file.
    virtual int createSound(const QUrl& wav) = 0;
    virtual bool hasSound(int soundId) const = 0;
    // Plays the sound from its start; false when the id has no sound.
    virtual bool play(int soundId) = 0;
    virtual void stop(int soundId) = 0;
    // Stops the sound and forgets it: the id has no sound from then on.
    virtual void dispose(int soundId) = 0;
    virtual void setFinishedHandler(FinishedHandler handler) = 0;

    // The implementation in use: the installed one, else the Qt one, created on first use.
    static VQSoundPlayer& instance();
    // Installs an implementation (tests install a fake); nullptr goes back to the default.
    static void setInstance(VQSoundPlayer* player);
};
