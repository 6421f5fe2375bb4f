#pragma once

#include "VQSpeechEngine.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>
#include <optional>

class QLocalSocket;
class QProcess;

// Speech through the desktop's speech server, speech-dispatcher, over its own text protocol on
// its socket: its voices (espeak-ng's among them) speak Chinese, Arabic and most languages of
// the UI, so each text is read by a voice of the text's language (VQSpeechLanguage). Nothing
// here waits: the connection, the server's start when nobody listens (as its own clients start
// it: "speech-dispatcher --spawn") and the list of voices are asynchronous; an utterance asked
// for meanwhile waits for them. Where the server cannot be reached (not installed, refused, no
// answer within kAnswerTimeoutMs) this and every later utterance go to the fallback engine (Qt
// TextToSpeech's flite by default, English voices only).
//
// One command is on its way at a time: the next is written only after the server's final answer
// to the one before, and a SPEAK's text and its terminator go between its "230" and its "225",
// so a stop, pause or resume asked for meanwhile waits its turn and never ends up in the text.
// The server's events may overtake that "225": those of a message whose id is not known yet are
// held until it is.
//
// Main thread only; events are delivered from the event loop.
class SpeechDispatcherEngine : public QObject, public VQSpeechEngine {
public:
    static constexpr int kAnswerTimeoutMs = 5000;

    // socketPath: the server's socket; fallback: the engine used without a server (null: the
    // Qt one, made when first needed); answerTimeoutMs: how long the server may stay silent while
    // it owes an answer.
    explicit SpeechDispatcherEngine(QString socketPath = defaultSocketPath(), std::unique_ptr<VQSpeechEngine> fallback = {},
                                    int answerTimeoutMs = kAnswerTimeoutMs);
    ~SpeechDispatcherEngine() override;
    SpeechDispatcherEngine(const SpeechDispatcherEngine&) = delete;
    SpeechDispatcherEngine& operator=(const SpeechDispatcherEngine&) = delete;

    // The socket speech-dispatcher's clients use: SPEECHD_ADDRESS ("unix_socket:<path>") when
    // set, else speech-dispatcher/speechd.sock in the user's runtime folder; empty when
    // SPEECHD_ADDRESS names another kind of address.
    static QString defaultSocketPath();

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
    enum class Link { Closed, Connecting, Spawning, Listing, Ready, Unreachable };
    enum class Phase { Idle, Speaking, Paused };
    struct Voice {
        QString name;
        QString language;
        QString variant;
        QLocale locale;
        QLocale::Territory territory = QLocale::AnyTerritory; // the one the code names, if any
    };
    using Reply = std::function<void(int code, const QStringList& lines)>;
    // A command line; for SPEAK also its data, written once the server asked for it.
    struct Command {
        QByteArray line;
        Reply reply;
        int utterance = 0; // the utterance whose speaking it is part of; 0 for none
        QByteArray data;
        bool dataSent = false;
    };
    struct HeldEvent {
        int code;
        QStringList lines;
    };

    void connectToServer();
    void spawnServer();
    void connected();
    void linkLost(const QString& reason);
    void send(const QByteArray& line, Reply reply = {}, int utterance = 0);
    void enqueue(Command command);
    void writeNext();
    void dropQueued(int utterance);
    void readAnswers();
    void answerBlock(int code, const QStringList& lines);
    void eventBlock(int code, const QStringList& lines);
    void speakPending();
    const Voice* voiceFor(const QLocale& wanted) const;
    void deliver(int utterance, Event event);
    VQSpeechEngine& fallback();
    void attachFallback();
    void sayOnFallback();

    QString m_socketPath;
    std::unique_ptr<VQSpeechEngine> m_fallback;
    QLocalSocket* m_socket = nullptr;
    QProcess* m_spawn = nullptr;
    QTimer m_answerTimer;
    Link m_link = Link::Closed;
    bool m_spawned = false;
    QByteArray m_buffer;
    QStringList m_answerLines; // lines of the answer being read
    QStringList m_eventLines;  // lines of the event being read
    std::deque<Command> m_queue;
    std::optional<Command> m_inFlight; // written, its final answer not read yet
    QList<HeldEvent> m_heldEvents;     // of a message whose id the text's answer has not told yet
    QList<Voice> m_voices;

    EventHandler m_handler;
    int m_lastId = 0;
    int m_current = 0;
    Phase m_phase = Phase::Idle;
    bool m_started = false;
    bool m_sent = false; // the current utterance's SPEAK went to the server
    int m_speakSerial = 0; // of the SPEAK whose message is wanted; a stop or cancel moves it on
    bool m_swallowBegin = false; // a resumed utterance's new beginning was reported already
    QString m_spokenText;        // the text the server has; spoken again after a pause at once
    QString m_pendingText;
    QString m_pendingLanguage;
    QHash<QString, int> m_messages; // the server's message ids and their utterances
    int m_fallbackUtterance = 0;    // the fallback's id of the current utterance; 0 when none
    QString m_lastError;
    QString m_voiceName;
    QLocale m_voiceLocale = QLocale::c();
    QLocale m_wanted = QLocale::c();
};
