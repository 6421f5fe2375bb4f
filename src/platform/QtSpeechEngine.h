#pragma once

#include "VQSpeechEngine.h"

#include <QObject>
#include <QPointer>
#include <QSet>
#include <QTimer>

class QTextToSpeech;

// Speech through Qt TextToSpeech (on Linux the flite engine, English voices only, which plays
// through the PulseAudio-compatible sound server): the voice of speech-dispatcher's absence
// (SpeechDispatcherEngine). The synthesiser is made on first use; its state changes become the
// events of the current utterance.
class QtSpeechEngine : public QObject, public VQSpeechEngine {
public:
    QtSpeechEngine();
    ~QtSpeechEngine() override;
    QtSpeechEngine(const QtSpeechEngine&) = delete;
    QtSpeechEngine& operator=(const QtSpeechEngine&) = delete;

    QString unavailableReason() const override;
    void setEventHandler(EventHandler handler) override;
    int say(const QString& text, const QString& language) override;
    bool pause(Boundary boundary) override;
    bool stop(Boundary boundary) override;
    void resume() override;
    bool isSpeaking() const override;
    bool isPaused() const override;
    QString lastError() const override;
    QString voiceName() const override;
    QLocale voiceLocale() const override;
    QLocale voiceWanted() const override;

private:
    enum class Phase {
        Idle,
        Speaking,
        Paused,
    };

    QTextToSpeech* synthesizer() const;
    // Sets the voice for the language; false (the engine's own voice kept) when it has none.
    bool chooseVoice(const QLocale& wanted);
    void speakPending();
    void stateChanged(int state);
    void deliver(int utterance, Event event);

    mutable QPointer<QTextToSpeech> m_tts;
    EventHandler m_handler;
    int m_lastId = 0;
    int m_current = 0;
    Phase m_phase = Phase::Idle;
    // The current utterance was reported started; a later change to Speaking is a resume.
    bool m_started = false;
    // The synthesiser still owes the change to Ready of an utterance that stop() ended.
    bool m_owesReady = false;
    static constexpr int kOwedReadyGraceMs = 1000;
    QTimer m_owedReadyTimer;
    // The text of the current utterance until the synthesiser got it.
    QString m_pendingText;
    QString m_pendingLanguage;
    QString m_lastError;
    QSet<QString> m_missingVoices;
    QString m_voiceName;
    QLocale m_voiceLocale = QLocale::c();
    QLocale m_wanted = QLocale::c();
};
