#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QJsonObject>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

class QWebSocket;

// Turns one utterance into text: live voice from a voice key (the device's voice stream or the
// computer's microphone) or an audio file being transcribed. It opens a websocket to the
// maker's speech server (docs/speech-protocol.md), starts the audio source, sends the audio as
// JSON text frames, reads interim and final results, tells its listeners (the signals) and calls
// the caller's result block, listeners first.
//
// With the speech SDK selected (VQUserInfoData isIFlyAsr) and a recogniser installed
// (IFlyASRManager) that supports the recognition language, the audio goes to the recogniser
// instead, from every source: the microphone, and the device's stream over USB or Bluetooth LE
// (ADPCM blocks decoded, 8 kHz audio doubled to 16 kHz). Other languages, and every utterance
// while no recogniser is installed, keep to the websocket.
//
// Every utterance gets a serial number: chunks, delayed end actions, recording clean-up and
// server frames of an older utterance or an older connection find a newer serial and do
// nothing. One end frame per utterance: audio that arrives after it is dropped.
//
// A live utterance whose end frame was sent when the next one begins keeps its connection until
// its last result, a close, or its 2 s after the release: its block still gets its results
// (the listeners hear only the running utterance). A connection that breaks off before the last
// result ends the utterance as failed with the text recognised so far; a server that is merely
// slow is not reported as a failure.
//
// Whoever ends a live utterance (the release, a cancel, its last result, the recogniser's end of
// speech or error, a broken connection), its sources end with it: the microphone's capture stops
// and a device still streaming is told to close its microphone.
//
// Main thread only; nothing here blocks (the transcribed file is read on a worker).
class VQWebApiAsrService : public QObject {
    Q_OBJECT
public:
    // success, the text to show (or the final text), and whether it is the last result.
    using ResultBlock = std::function<void(bool success, const QString& text, bool isLast)>;

    static constexpr int kTransferChunkBytes = 1280;
    // Period of file transcription's send timer (a precise timer).
    static constexpr int kTransferIntervalMs = 40;
    // After the release: later frames of the server are ignored and the device microphone closed.
    static constexpr int kEndDelayMs = 2000;
    // The recording's PCM file is deleted this long after its WAV twin was written.
    static constexpr int kRecordingDeleteDelayMs = 2000;
    // A connection that is not open by then counts as failed.
    static constexpr int kConnectTimeoutMs = 8000;
    // A server message larger than this ends the connection as broken (a final result is
    // otherwise taken whole, whatever its length).
    static constexpr quint64 kMaxMessageBytes = 16 * 1024 * 1024;
    // Malformed server frames logged per connection; the rest are only counted.
    static constexpr int kMalformedFramesLogged = 5;
    // A transcription whose server sends nothing for this long after the closing frame failed.
    static constexpr int kTransferSilenceMs = 10000;

    // UI texts (keys of QRNLocalizedString).
    static constexpr char kConnectFailedText[] = "连接服务器失败,请检查网络";
    static constexpr char kFileReadFailedText[] = "读取音频文件失败";

    // Where the audio of a frame comes from.
    enum class AudioSource { Device, Microphone, File };

    // What the "rate" and "format" members of the frames depend on.
    struct AudioFormatInput {
        AudioSource source = AudioSource::Device;
        bool bleConnect = false;
        int chipPlan = 0;
        qint64 deviceType = 0;
        qint64 firmwareVersion = 0; // integer value of the firmware version text
        bool sampling16k = false;   // VQUserInfoData samplingRate non-zero
        int vendorId = 0;           // of the open receiver, 0 when none
        int productId = 0;
    };
    struct AudioFormat {
        QString rate; // "8k", "16k", or a null text: no "rate" member
        QString format; // "adpcm" or "pcm"
    };
    // The rate and format of the frames. The microphone and the transcribed files are 16 kHz
    // PCM; a device's stream follows the device rules of docs/speech-protocol.md.
    static AudioFormat audioFormat(const AudioFormatInput& input);
    // The input as the device link and the settings give it now.
    static AudioFormatInput currentAudioFormatInput(AudioSource source);

    static VQWebApiAsrService& sharedInstance();
    // Tests only: drops the connection and every pending action, clears the state and the
    // hooks, and restores the timings.
    static void resetForTests();
    // Tests only: shorter delays of the end action, the connection time-out and the deletion
    // of the recording's PCM file.
    static void setTimingForTests(int endDelayMs, int connectTimeoutMs, int recordingDeleteDelayMs);
    // Tests only: a shorter silence after a transcription's closing frame.
    static void setTransferSilenceForTests(int silenceMs);

    // Hooks of the parts above: the hub's press type (the laser pen's microphone mode is press
    // type 33), the hot words ("" when none), the handler of semantic results, and what must
    // happen before recording starts (speech output paused, playback stopped).
    static void setPressTypeProvider(std::function<int()> provider);
    static void setHotWordsProvider(std::function<QString()> provider);
    static void setSemanticHandler(std::function<void(const QJsonObject& dm)> handler);
    static void setBeforeRecordHook(std::function<void()> hook);

    // Starts an utterance: live voice (false) or file transcription (true). Any utterance still
    // running is dropped without a word to its block. Live voice comes from liveSource (Device
    // or Microphone), by default from the device while one is connected, else the microphone.
    void beginAsrIsTransferAudio(bool isTransferAudio, ResultBlock callback,
                                 std::optional<AudioSource> liveSource = std::nullopt);
    // The key was released: capture stops, the server finishes the utterance.
    void endAsr();
    // Abandons the utterance: no further result reaches the listeners or the block.
    void cancelAsr();
    // The file of the transcription begun with beginAsrIsTransferAudio(true, ...), sent in
    // chunks of kTransferChunkBytes; progress goes to speechManagerRecognitionUpdateTransferProgress
    // with the model.
    void transferAudioWithFilePath(const QString& path, QObject* transferAudioModel);
    // The same with the audio itself: 16 kHz mono 16-bit PCM, sent as it is.
    void transferAudioWithData(const QByteArray& pcm, QObject* transferAudioModel);
    // The row of the transcription running, nullptr when none.
    QObject* currentTransferAudioModel() const { return m_currentTransferAudioModel.data(); }
    // Prepares the recording file and connects the audio source of the live utterance.
    void startRecord();

    bool isSocketOpen() const;
    // The computer's MAC address in lower case ("xx:xx:xx:xx:xx:xx"); a null text when none.
    static QString getDeviceMacAddress();
    // The websocket address of the speech server, with the region query.
    static QString webSocketUrl();
    // The recording of the last live utterance (PCM; the WAV twin beside it).
    static QString recordingPcmPath();
    static QString recordingWavPath();

    // Handles one text frame of the server as if it came on the current connection.
    void didReceiveMessage(const QString& message);

Q_SIGNALS:
    // The text to show.
    void speechManagerRecognitionStatusChangeRecognizingAsr(const QString& display);
    // The text to show, the new text, and its status: 0 interim, 1 sentence final, 2 utterance end.
    void speechManagerRecognitionStatusChangeRecognizingAsrNewResult(const QString& display, const QString& newResult,
                                                                    int status);
    // The final text; success is false for a cancelled or broken-off utterance.
    void speechManagerRecognitionStatusChangeEndAsr(const QString& text, bool success);
    // File transcription: share of the file sent (0.0 - 1.0).
    void speechManagerRecognitionUpdateTransferProgress(double progress, QObject* transferAudioModel);
    // File transcription: the run of the row ended, after speechManagerRecognitionStatusChangeEndAsr
    // when that was sent. Every run ends once: the last result, a failure, a silent server after
    // the closing frame, or another utterance taking the service over (success false).
    void transferAudioEnded(QObject* transferAudioModel, const QString& text, bool success);

private:
    enum class Route { None, WebSocket, Sdk, LaserMicrophone };

    struct Chunk {
        QByteArray bytes;
        bool last = false; // the source's end mark (live) or the closing frame (file)
    };

    VQWebApiAsrService();

    void reset();
    bool isLaserMicrophoneMode() const;
    void requestWebSocket();
    void socketConnected(QWebSocket* socket);
    void socketFailed(QWebSocket* socket, const QString& reason);
    void socketClosed(QWebSocket* socket);
    void binaryMessage(QWebSocket* socket, const QByteArray& message);
    void closeWebSocket(const char* why);
    void connectTimedOut(quint64 serial);

    void microphoneChunk(quint64 serial, const QByteArray& chunk);
    void deviceChunk(quint64 serial, bool streaming, const QByteArray& chunk);
    void finishRecording(quint64 serial);
    // Hands audio of the recogniser's utterance on; the last piece ends the recogniser's audio.
    void feedRecognizer(const QByteArray& pcm, bool last);
    // A chunk of the device's stream as the recogniser takes it: 16 kHz 16-bit PCM.
    QByteArray sdkPcm(const QByteArray& chunk, bool last);
    void enqueue(const QByteArray& bytes, bool last);
    void sendArrayData();
    void sendTransferChunk();
    bool sendDataToService(const QByteArray& bytes, bool end);
    QJsonObject frameMembers();
    void endActionFired(quint64 serial);
    void beginFileTransfer();
    void fileLoaded(quint64 serial, bool ok, const QByteArray& data, const QString& error);
    void transferFailed();
    bool prepareTransfer(QObject* transferAudioModel);
    void transferSilent(quint64 serial);
    // Tells transferAudioEnded once per run; false when the run had already ended.
    void endTransfer(const QString& text, bool success);

    // A live utterance finishing on its own connection while the next one runs.
    struct Finishing {
        QWebSocket* socket = nullptr;
        quint64 serial = 0;
        QString resultText; // final sentences
        QString display;    // the text last shown
        ResultBlock block;
    };
    bool canFinishAlone() const;
    void detachFinishing();
    void finishingMessage(QWebSocket* socket, const QString& message);
    // Ends a finishing utterance: its socket is closed; returns its record.
    Finishing takeFinishing(QWebSocket* socket, const char* why);
    // The data object of a result frame; false (logged) when the frame is not one.
    bool resultData(const QString& message, QJsonObject* data);

    // What one result frame makes of an utterance: its final sentences grow by a "FIN" or "LAST"
    // text; the listeners are shown display with the status of the result signal (0 interim, 1 a
    // final sentence, 2 the last result), newResult being the frame's own text. The one reading
    // of the frame types, for the live utterance and for one finishing on its own connection.
    struct ResultStep {
        int status = 0;
        QString display;
        QString newResult;
        bool isLast() const { return status == 2; }
    };
    static ResultStep applyResult(QString& sentences, const QJsonObject& data);

    // Every end of a live utterance stops its sources: the microphone and the device's stream.
    bool endCapture();
    void sdkResult(quint64 serial, int status, const QString& text);
    void handleResult(const QJsonObject& data);
    void finishBroken();
    void logMalformed(const QString& what);
    // Calls the block of the utterance unless a listener started another one meanwhile.
    void callBlock(quint64 serial, bool success, const QString& text, bool isLast);
    // Tells the listeners, then the block, of an interim result (status 0) or a final sentence
    // (status 1); stops as soon as a listener has cancelled or replaced the utterance.
    void tellInterim(quint64 serial, const QString& display, const QString& newResult, int status);
    // Tells the listeners, then the block, that the utterance ended with finalText (newResult is
    // the text of the last answer, blockText what the block gets); clears the utterance's text.
    void tellEnd(quint64 serial, QString finalText, const QString& newResult, const QString& blockText);
    void tellUser(const QString& key);

    // The utterance.
    quint64 m_serial = 0;
    Route m_route = Route::None;
    bool m_isTransferAudio = false;
    ResultBlock m_resultBlock;
    QString m_clientId;
    bool m_isEnd = false;
    bool m_isCancel = false;
    bool m_manualEnd = false;
    bool m_finished = false;      // the last result was handed on
    bool m_recordStarted = false; // startRecord ran for this utterance
    bool m_micStarted = false;    // the microphone capture runs for this utterance
    bool m_sourceEnded = false;   // the source's end mark was queued
    bool m_recordingFinished = false; // the recording file was closed and converted
    quint64 m_recordingNumber = 0;    // counts recordings: a delayed delete finds it changed
    AudioSource m_audioSource = AudioSource::Device;
    // The device's stream on its way to the recogniser.
    struct SdkAudio {
        bool adpcm = false;      // the chunks are ADPCM blocks
        bool doubleRate = false; // 8 kHz audio
        QByteArray blocks;       // the bytes of a block not yet whole
        bool hasPrevious = false;
        qint16 previous = 0;     // the last 8 kHz sample
    };
    SdkAudio m_sdkAudio;
    QString m_resultText;
    QString m_displayText; // the text last shown to the listeners
    QElapsedTimer m_releasedAt;
    std::vector<Finishing> m_finishing;

    // Frames.
    std::deque<Chunk> m_queue;
    int m_framesSent = 0;
    bool m_endSent = false;
    QJsonObject m_frameBase; // the members that stay the same for the whole connection
    bool m_loggedMissingIdentity = false;
    int m_malformedFrames = 0;

    // File transcription.
    QPointer<QObject> m_currentTransferAudioModel;
    bool m_fileLoaded = false;
    int m_allTransferArrCount = 0;
    QTimer m_sendTimer;
    QTimer m_transferSilenceTimer;
    bool m_transferEnded = false;

    // The connection.
    QWebSocket* m_webSocket = nullptr;
    bool m_socketOpened = false;
    bool m_connectionGone = false; // the utterance's connection failed or was closed
    QTimer m_connectTimer;
};
