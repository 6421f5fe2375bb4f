#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QTimer>

#include <functional>

// The microphone of a simulated device, written from docs/device-protocol.md section 10 alone:
// while it streams, it cuts its utterance (IMA ADPCM, 256-byte blocks, at the link's rate) into
// voice-data payloads and hands a few of them on every tick; stop() ends the stream with the
// voice-end payload. A payload is a command byte followed by its arguments; the device wraps it
// in its frame.
class SimulatedVoiceSource : public QObject {
    Q_OBJECT
public:
    using Send = std::function<void(const QByteArray& payload)>;

    static constexpr int kBlockBytes = 256;
    static constexpr quint8 kVoiceData = 0x60;
    static constexpr quint8 kVoiceEnd = 0x61;

    // maxArguments: the argument room of one report of the device's plan.
    SimulatedVoiceSource(Send send, int maxArguments, QObject* parent = nullptr);

    // The voice-data payloads of an ADPCM stream: each block cut into pieces of at most
    // maxArguments - 1 bytes, each led by its offset in the block.
    static QList<QByteArray> voicePayloads(const QByteArray& adpcm, int maxArguments);
    static QByteArray voiceEndPayload() { return QByteArray(1, char(kVoiceEnd)); }

    // What the microphone hears: the ADPCM blocks of the utterance, sent as they are.
    void setUtterance(const QByteArray& adpcm)
    {
        m_utterance = adpcm;
        m_sound.clear();
    }
    // What the microphone hears as 16 kHz samples: each stream carries them IMA ADPCM encoded at
    // the rate rate() gives then, low-pass filtered and halved for 8 kHz.
    void setSound(const QList<qint16>& samples16k)
    {
        m_sound = samples16k;
        m_utterance.clear();
    }
    // The ADPCM blocks of the current (or last) stream and its sample rate.
    const QByteArray& utterance() const { return m_utterance; }
    int streamRate() const { return m_streamRate; }
    // Streams the utterance from its beginning. When it has all been sent the stream stays open
    // (as a held key would) unless stopWhenDone is set.
    void start();
    // Ends the stream: the payloads not yet sent are dropped and the voice end is sent. Nothing
    // happens when it is not streaming.
    void stop();
    bool isStreaming() const { return m_streaming; }
    // True once the whole utterance of the current stream has been handed on.
    bool isDone() const { return m_next >= m_payloads.size(); }

    int payloadsPerTick = 8;
    int tickMs = 1;
    // Payloads leave at the pace of the audio they carry (payloadsPerTick follows the rate).
    bool realTime = false;
    // The link's sample rate, 8000 or 16000, asked at each start; 16000 when not set.
    std::function<int()> rate;
    bool stopWhenDone = false;
    // Called after stop() sent the voice end.
    std::function<void()> onStopped;
    // Called once the whole utterance of a stream has been handed on (before stopWhenDone ends it).
    std::function<void()> onAllSent;

private:
    void tick();

    Send m_send;
    int m_maxArguments;
    QByteArray m_utterance;
    QList<qint16> m_sound;
    int m_streamRate = 16000;
    QList<QByteArray> m_payloads;
    qsizetype m_next = 0;
    bool m_streaming = false;
    QTimer m_timer;
};
