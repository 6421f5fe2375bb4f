#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <memory>

class VQAudioPlayer;
class VQQueuePlayer;

// Audio playback of the program. One shared instance, main thread.
//
// - The queue player (avPlayer) plays addresses: a semantic answer's linked audio, and the web
//   text-to-speech items of playAudioWithText(). It plays through the shared audio player
//   (VQAudioPlayer::instance()).
// - The music player (player) plays files and data a number of times, made anew for each.
// - Sounds are short WAV files of the program's resources, played by the id VQSoundPlayer gives
//   each; a sound's end calls the end block, except the ids of kRepeatingSoundIds, which play
//   again until stopped.
//
// An address or a file that cannot be played is logged and shown as a tip.
class AppAudioTool {
public:
    // The text of the tip shown when an address cannot be played (a key for the UI strings).
    static constexpr char kCannotPlayText[] = "无法播放音频";
    // Where playMusic() looks for the name.
    enum PathType { PathResource = 0, PathTemporary = 1, PathDocuments = 2 };
    // A sound id of this range plays again when it ends, until it is stopped.
    static constexpr int kRepeatingSoundIdFirst = 1000;
    static constexpr int kRepeatingSoundIdLast = 2000;
    // Texts shorter than this are one web speech request.
    static constexpr int kWebSpeechChunkLength = 101;

    using EndBlock = std::function<void(bool success)>;
    // Told when the music has played to its end, in place of the end block.
    using MusicDelegate = std::function<void(bool success)>;

    static AppAudioTool& sharedManager();
    static void resetForTests();

    // Pauses the queue player; then, when the address is not empty, plays it from its start.
    // Addresses are http, https or file URLs, or absolute file paths.
    void playAudioWithURL(const QString& address);
    // Stops the music player and pauses the queue player.
    void stop();

    // Plays the file name of the path type num times (0 or less: until stopped) on a new music
    // player; false when there is no such file. The end goes to the delegate, else the end block.
    bool playMusicWithDelegate(const QString& name, int pathType, int num, MusicDelegate delegate);
    bool playMusic(const QString& name, int pathType, int num);
    // Stores the block as the end block, then as playMusic().
    bool playMusicWithBlock(const QString& name, int pathType, int num, EndBlock block);
    // The same with the bytes of an audio file; false for empty data.
    bool playMusicData(const QByteArray& data, int num);
    void pauseMusic();
    void stopMusic();
    // The file playMusic() plays for the name and path type; empty when there is none.
    static QString musicPath(const QString& name, int pathType);

    // Plays the sound of the program's resource of that name (":/sounds/<name>"), made on first
    // use and remembered; nothing when there is no such resource.
    void playSound(const QString& name);
    void playSoundWithBlock(const QString& name, EndBlock block);
    void playSystemSoundID(int soundId);
    // Stops the repeats and the end call of the id, and disposes of its sound.
    void stopSystemSoundID(int soundId);
    // No end call for the name's sound any more.
    void stopSound(const QString& name);
    // Disposes of the name's sound and forgets its id.
    void disposeSound(const QString& name);

    // Speaks the text through web text-to-speech: pauses the queue player and plays the text's
    // items (webSpeechItems()) in order.
    void playAudioWithText(const QString& text, const QString& languageCode);
    // The requests of a text: under kWebSpeechChunkLength characters one request of the Chinese
    // host; otherwise the requests of webSpeechChunks() on the host of every language.
    static QList<QUrl> webSpeechItems(const QString& text, const QString& languageCode);
    // One request of the host of every language ("/translate_tts") for the text and language.
    static QUrl webSpeechUrl(const QString& text, const QString& languageCode);
    // One request of the Chinese host ("/text2audio") for the text.
    static QUrl webSpeechChineseUrl(const QString& text);
    // A long text cut at ",.:!?，。：！？" into request texts: pieces are joined, each followed by
    // ".", while their lengths add up to less than kWebSpeechChunkLength; a piece that would
    // reach it begins the next request text, without "." while it stays alone. Blank pieces
    // are left out.
    static QStringList webSpeechChunks(const QString& text);

private:
    AppAudioTool();
    ~AppAudioTool();

    // The queue player over the shared audio player, its failures shown as tips.
    static std::unique_ptr<VQQueuePlayer> newQueuePlayer();
    void attachSounds();
    void soundFinished(int soundId);
    void musicFinished();
    bool startMusic(const std::function<void(VQAudioPlayer&)>& play, int num, MusicDelegate delegate);
    static void cannotPlay(const QString& address, const QString& reason);

    std::unique_ptr<VQQueuePlayer> m_avPlayer;
    std::unique_ptr<VQAudioPlayer> m_player;
    MusicDelegate m_musicDelegate;
    EndBlock m_playEndBlock;
    QHash<QString, int> m_soundIDs;
    // The ids whose end is awaited.
    QSet<int> m_completions;
    const void* m_attachedSounds = nullptr;
};
