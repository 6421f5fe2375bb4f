#pragma once

#include <QObject>
#include <QSet>
#include <QString>
#include <QTextDocumentFragment>

#include <functional>
#include <memory>

// Speech output: speaks a text with the speech engine (VQSpeechEngine) and reports each status
// change of the utterance. One shared instance, main thread.
//
// Status: 0 before anything was spoken, 1 speaking, 2 paused, 3 resumed, 4 finished or stopped.
// The completion block is called after every status change that the engine reports, from the
// event loop; a finished utterance posts "TTSPlayCompleteNoti" first, kDelayAfterMs after the
// engine ended it (the utterance's trailing pause, which still counts as speaking: a start or a
// stop in it ends it as a stop does). When no engine or no
// output device is there, a start reports 4 without that notification, so that what waits for
// the end still happens; the reason is logged and shown once. Each text is read by a voice of its
// own language where the engine has one; where none has, the engine's voice reads it and a tip
// says so once per language.
class TKTTSManager {
public:
    static constexpr int kStatusSpeaking = 1;
    static constexpr int kStatusPaused = 2;
    static constexpr int kStatusResumed = 3;
    static constexpr int kStatusFinished = 4;
    // The pause after an utterance before it counts as finished.
    static constexpr int kDelayAfterMs = 500;
    // The text of the tip shown once when nothing can be spoken (a key for the UI strings).
    static constexpr char kCannotSpeakText[] = "无法朗读：没有语音引擎或声音输出设备";
    // The tip shown once per language when no voice speaks a text's language and the engine's
    // own voice reads it (a key for the UI strings).
    static constexpr char kNoVoiceText[] = "没有朗读这种语言的语音，已用默认语音朗读";

    static TKTTSManager& sharedInstance();

    // The text of the next start; replaces the prepared text, not what is being spoken.
    void setSpeakString(const QString& text);
    // The same with styled text: its characters are spoken, its styles are kept with it.
    void setSpeakAttributedString(const QTextDocumentFragment& text);
    QTextDocumentFragment speakAttributedString() const { return m_speakAttributedString; }
    QString speakString() const { return m_speakString; }
    // The language of the voice as a locale code ("zh_CN", "en-US"); empty for the system's.
    void setLanguage(const QString& language);

    // Status 1. Nothing speaking: speaks the prepared text. Speaking: stops at once and speaks
    // nothing (a second start acts as a stop). Paused (a recording paused it): the paused
    // utterance is dropped and the prepared text is spoken. True when speaking began.
    bool startSpeak();
    // Boundary 0 at once, 1 after the current word; any other boundary returns false. False
    // too when nothing is speaking; on success the status is 2 (pause) or 4 (stop).
    bool pauseSpeak(int boundary);
    bool stopSpeak(int boundary);
    // Status 3; resumes a paused utterance.
    void continueSpeak();

    int currentStatus() const { return m_status; }
    void setCompleteBlock(std::function<void(int status)> block);

    static void resetForTests();

private:
    TKTTSManager();

    void attachEngine();
    void engineEvent(int utterance, int event);
    void report(int status, bool finished);
    void reportLater(int status, bool finished);
    void cannotSpeak(const QString& reason);
    // Ends the trailing pause of a finished utterance as a stop; false when none runs.
    bool endTrailingPause();

    std::unique_ptr<QObject> m_context;
    const void* m_attachedEngine = nullptr;
    QString m_speakString;
    QTextDocumentFragment m_speakAttributedString;
    QString m_language;
    int m_status = 0;
    int m_utterance = 0;
    // The trailing pause that runs; 0 when none.
    quint64 m_trailingPause = 0;
    quint64 m_pauseCount = 0;
    std::function<void(int)> m_completeBlock;
    bool m_toldUnavailable = false;
    QSet<QString> m_toldNoVoice; // languages whose missing voice was told
};
