#pragma once

#include <QLocale>
#include <QString>

#include <functional>

// The speech synthesiser: speaks one utterance at a time through the system's default audio
// output, in a voice of the text's language.
//
// Main thread only. Events reach the handler on the main thread from the event loop, never
// inside a call; each carries the id that say() returned for its utterance, so an event of an
// utterance that was replaced can be told from one of the current utterance.
class VQSpeechEngine {
public:
    enum class Event {
        Started,
        Paused,
        Resumed,
        Cancelled, // stopped by stop()
        Finished,  // spoken to the end
        Failed,    // the engine broke off; the reason is in lastError()
        // No voice speaks the text's language: the engine's own voice reads it (before Started;
        // the language is voiceWanted()).
        NoVoice,
    };
    enum class Boundary {
        Immediate,
        Word,
    };
    using EventHandler = std::function<void(int utterance, Event event)>;

    virtual ~VQSpeechEngine();

    // Empty when the engine can speak; otherwise why it cannot (no engine, no output device).
    virtual QString unavailableReason() const = 0;
    virtual void setEventHandler(EventHandler handler) = 0;

    // Speaks the text in a voice of its language (VQSpeechLanguage::languageOf the text and the
    // requested language, a locale name such as "zh_CN"; empty for the system's) at the default
    // rate, pitch and full volume. Returns the utterance's id (above 0). Call it only while
    // nothing is speaking or paused.
    virtual int say(const QString& text, const QString& language) = 0;
    // Pause, stop and resume the current utterance; pause and stop return false when nothing
    // is speaking (stop also stops a paused utterance).
    virtual bool pause(Boundary boundary) = 0;
    virtual bool stop(Boundary boundary) = 0;
    virtual void resume() = 0;
    virtual bool isSpeaking() const = 0;
    virtual bool isPaused() const = 0;
    virtual QString lastError() const = 0;
    // The voice chosen for the current (or last) utterance: its name and the locale of the
    // language it speaks (C for an engine's own voice), and the language the text wanted.
    virtual QString voiceName() const { return {}; }
    virtual QLocale voiceLocale() const { return QLocale::c(); }
    virtual QLocale voiceWanted() const { return QLocale::c(); }

    // The implementation in use: the installed one, else SpeechDispatcherEngine (the Qt one its
    // fallback), created on first use.
    static VQSpeechEngine& instance();
    // Installs an implementation (tests install a fake); nullptr goes back to the default.
    static void setInstance(VQSpeechEngine* engine);
};
