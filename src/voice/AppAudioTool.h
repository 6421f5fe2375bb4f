#pragma once

#include <QString>

// Audio playback of the program: plays the audio at an address (a semantic answer's linked
// audio) through the audio player (VQAudioPlayer). One shared instance, main thread. An address
// that cannot be played is logged and shown as a tip; nothing else changes.
class AppAudioTool {
public:
    // The text of the tip shown when an address cannot be played (a key for the UI strings).
    static constexpr char kCannotPlayText[] = "无法播放音频";

    static AppAudioTool& sharedManager();

    // Pauses what is playing; then, when the address is not empty, plays it from its start.
    // Addresses are http, https or file URLs, or absolute file paths.
    void playAudioWithURL(const QString& address);
    // Stops the playback.
    void stop();

    static void resetForTests();

private:
    AppAudioTool() = default;

    void attachPlayer();
    static void cannotPlay(const QString& address, const QString& reason);

    const void* m_attachedPlayer = nullptr;
};
