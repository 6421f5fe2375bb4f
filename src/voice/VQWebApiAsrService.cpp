#include "VQWebApiAsrService.h"

#include "HIDDevice.h"
#include "IFlyASRManager.h"
#include "MMLog.h"
#include "MMLoggedAddress.h"
#include "MMString.h"
#include "QRNLocalizedString.h"
#include "RunOnMain.h"
#include "VQApiConfig.h"
#include "VQAudioQueueCapture.h"
#include "VQLanguageManager.h"
#include "VQMouseCommandManager.h"
#include "VQPopupWindowTool.h"
#include "VQToolManager.h"
#include "VQUserInfoData.h"
#include "VQVoiceRecordingSink.h"
#include "VQVoiceStream.h"

#include <QDateTime>
#include <QFile>
#include <QJsonDocument>
#include <QJsonValue>
#include <QThreadPool>
#include <QUrl>
#include <QWebSocket>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <limits>
#include <utility>

namespace {

constexpr int kPressTypeVoiceTyping = 33;
constexpr quint64 kLaserPenMouseType = 206;
constexpr int kMalformedShownChars = 200;

struct Hooks {
    std::function<int()> pressType;
    std::function<QString()> hotWords;
    std::function<void(const QJsonObject&)> semantic;
    std::function<void()> beforeRecord;
};

Hooks& hooks()
{
    static Hooks h;
    return h;
}

int g_endDelayMs = VQWebApiAsrService::kEndDelayMs;
int g_connectTimeoutMs = VQWebApiAsrService::kConnectTimeoutMs;
int g_recordingDeleteDelayMs = VQWebApiAsrService::kRecordingDeleteDelayMs;
int g_transferSilenceMs = VQWebApiAsrService::kTransferSilenceMs;
bool g_loggedNoRecognizer = false;

int pressType()
{
    return hooks().pressType ? hooks().pressType() : 0;
}

// The integer value of a text as the device's version texts are read: leading blanks, an
// optional sign, then the digits that follow; 0 without digits.
qint64 leadingInteger(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == u'+' || text.at(i) == u'-')) {
        negative = text.at(i) == u'-';
        ++i;
    }
    qint64 value = 0;
    for (; i < text.size() && text.at(i).isDigit() && text.at(i).unicode() < 128; ++i) {
        if (value > (std::numeric_limits<qint64>::max() - 9) / 10)
            break;
        value = value * 10 + (text.at(i).unicode() - u'0');
    }
    return negative ? -value : value;
}

// Sentences of an utterance, one per line.
QString joined(const QString& before, const QString& text)
{
    if (before.isEmpty())
        return text;
    if (text.isEmpty())
        return before;
    return before + QLatin1Char('\n') + text;
}

QString newClientId()
{
    return QStringLiteral("clientId%1").arg(QDateTime::currentSecsSinceEpoch());
}

const char* routeName(bool isTransfer)
{
    return isTransfer ? "transcription" : "voice";
}

} // namespace

// --- Rate and format ---

VQWebApiAsrService::AudioFormat VQWebApiAsrService::audioFormat(const AudioFormatInput& in)
{
    // The microphone and the transcribed files are 16 kHz 16-bit PCM whatever device is connected.
    if (in.source != AudioSource::Device)
        return {QStringLiteral("16k"), QStringLiteral("pcm")};

    AudioFormat out;
    const QString k8 = QStringLiteral("8k");
    const QString k16 = QStringLiteral("16k");
    const QString pcm = QStringLiteral("pcm");
    if (in.bleConnect || in.chipPlan == 3 || in.chipPlan == 4 || in.chipPlan == 6)
        out.rate = k8;
    out.format = QStringLiteral("adpcm");
    if (in.deviceType == VQMouseInfoItem::DeviceTypeSecondChipReceiver || in.deviceType == VQMouseInfoItem::DeviceTypeLaserPen) {
        out.rate = k16;
        out.format = pcm;
    }
    if (in.chipPlan == 6 && in.firmwareVersion >= 11)
        out.rate = in.sampling16k ? k16 : k8;
    if (in.chipPlan == 4 || in.chipPlan == 6)
        out.format = pcm;
    if (in.vendorId == 0x248A && in.productId == 0x64AB) {
        out.rate = k16;
    } else if (in.chipPlan == 7) {
        out.format = pcm;
        out.rate = in.sampling16k ? k16 : k8;
    }
    return out;
}

VQWebApiAsrService::AudioFormatInput VQWebApiAsrService::currentAudioFormatInput(AudioSource source)
{
    VQUserInfoData& info = VQUserInfoData::sharedInstance();
    VQMouseInfoItem& record = info.mouseInfoItem();
    AudioFormatInput in;
    in.source = source;
    in.bleConnect = info.bleConnect();
    in.chipPlan = info.chipPlan();
    in.deviceType = record.deviceType();
    in.firmwareVersion = leadingInteger(record.firmwareVersion());
    in.sampling16k = info.samplingRate() != 0;
    in.vendorId = HIDDevice::sharedManager().currentVid();
    in.productId = HIDDevice::sharedManager().currentPid();
    return in;
}

// --- Set-up ---

VQWebApiAsrService& VQWebApiAsrService::sharedInstance()
{
    static VQWebApiAsrService* service = new VQWebApiAsrService();
    return *service;
}

VQWebApiAsrService::VQWebApiAsrService()
{
    m_sendTimer.setTimerType(Qt::PreciseTimer);
    m_sendTimer.setInterval(kTransferIntervalMs);
    connect(&m_sendTimer, &QTimer::timeout, this, &VQWebApiAsrService::sendTransferChunk);
    m_transferSilenceTimer.setSingleShot(true);
    m_transferSilenceTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_transferSilenceTimer, &QTimer::timeout, this, [this] { transferSilent(m_serial); });
    m_connectTimer.setSingleShot(true);
    connect(&m_connectTimer, &QTimer::timeout, this, [this] { connectTimedOut(m_serial); });
}

void VQWebApiAsrService::resetForTests()
{
    VQWebApiAsrService& s = sharedInstance();
    if (s.m_webSocket) {
        QWebSocket* socket = std::exchange(s.m_webSocket, nullptr);
        socket->disconnect(&s);
        socket->abort();
        socket->deleteLater();
    }
    for (const Finishing& finishing : std::exchange(s.m_finishing, {})) {
        finishing.socket->disconnect(&s);
        finishing.socket->abort();
        finishing.socket->deleteLater();
    }
    s.reset();
    s.m_route = Route::None;
    s.m_resultBlock = nullptr;
    hooks() = Hooks{};
    g_endDelayMs = kEndDelayMs;
    g_connectTimeoutMs = kConnectTimeoutMs;
    g_recordingDeleteDelayMs = kRecordingDeleteDelayMs;
    g_transferSilenceMs = kTransferSilenceMs;
    g_loggedNoRecognizer = false;
}

void VQWebApiAsrService::setTransferSilenceForTests(int silenceMs)
{
    g_transferSilenceMs = silenceMs;
}

void VQWebApiAsrService::setTimingForTests(int endDelayMs, int connectTimeoutMs, int recordingDeleteDelayMs)
{
    g_endDelayMs = endDelayMs;
    g_connectTimeoutMs = connectTimeoutMs;
    g_recordingDeleteDelayMs = recordingDeleteDelayMs;
}

void VQWebApiAsrService::setPressTypeProvider(std::function<int()> provider)
{
    hooks().pressType = std::move(provider);
}

void VQWebApiAsrService::setHotWordsProvider(std::function<QString()> provider)
{
    hooks().hotWords = std::move(provider);
}

void VQWebApiAsrService::setSemanticHandler(std::function<void(const QJsonObject&)> handler)
{
    hooks().semantic = std::move(handler);
}

void VQWebApiAsrService::setBeforeRecordHook(std::function<void()> hook)
{
    hooks().beforeRecord = std::move(hook);
}

// A new serial: whatever is still pending for the utterance before finds it changed.
void VQWebApiAsrService::reset()
{
    ++m_serial;
    m_sendTimer.stop();
    m_connectTimer.stop();
    m_transferSilenceTimer.stop();
    m_transferEnded = false;
    m_isTransferAudio = false;
    m_clientId.clear();
    m_isEnd = false;
    m_isCancel = false;
    m_manualEnd = false;
    m_finished = false;
    m_recordStarted = false;
    m_micStarted = false;
    m_sourceEnded = false;
    m_recordingFinished = false;
    m_audioSource = AudioSource::Device;
    m_resultText.clear();
    m_displayText.clear();
    m_releasedAt.invalidate();
    m_queue.clear();
    m_framesSent = 0;
    m_endSent = false;
    m_frameBase = QJsonObject();
    m_loggedMissingIdentity = false;
    m_malformedFrames = 0;
    m_currentTransferAudioModel = nullptr;
    m_fileLoaded = false;
    m_allTransferArrCount = 0;
    m_socketOpened = false;
    m_connectionGone = false;
}

bool VQWebApiAsrService::isLaserMicrophoneMode() const
{
    const VQUserInfoData& info = VQUserInfoData::sharedInstance();
    return info.isLaser() && info.isVoice() && info.laserPenVoiceFunctionIndex() == 0
           && pressType() == kPressTypeVoiceTyping;
}

// --- Utterance ---

void VQWebApiAsrService::beginAsrIsTransferAudio(bool isTransferAudio, ResultBlock callback,
                                                 std::optional<AudioSource> liveSource)
{
    if (m_isTransferAudio && !m_transferEnded) {
        VQLogWarn(QStringLiteral("recognition %1: the transcription gives way to a new utterance").arg(m_serial));
        endTransfer(m_resultText, false);
    }
    if (canFinishAlone())
        detachFinishing();
    else if (m_webSocket)
        closeWebSocket("a new utterance starts");
    if (m_micStarted && VQAudioQueueCapture::sharedInstance().isRecording())
        VQAudioQueueCapture::sharedInstance().stopRecord(false);
    reset();
    m_isTransferAudio = isTransferAudio;
    m_resultBlock = std::move(callback);
    m_clientId = newClientId();
    VQLogInfo(QStringLiteral("recognition %1 begins (%2)").arg(m_serial).arg(QLatin1String(routeName(isTransferAudio))));

    if (isTransferAudio) {
        m_audioSource = AudioSource::File;
        m_route = Route::WebSocket;
        requestWebSocket();
        return;
    }

    if (liveSource && *liveSource != AudioSource::File)
        m_audioSource = *liveSource;
    else
        m_audioSource = VQMouseCommandManager::sharedInstance().isFromMicData() ? AudioSource::Microphone : AudioSource::Device;

    if (isLaserMicrophoneMode()) {
        // The pen's microphone serves other programs: capture runs, nothing is recognised.
        m_route = Route::LaserMicrophone;
        startRecord();
        return;
    }

    if (VQUserInfoData::sharedInstance().isIFlyAsr()) {
        IFlyASRManager& sdk = IFlyASRManager::sharedInstance();
        if (!sdk.canRecognize()) {
            if (!g_loggedNoRecognizer) {
                g_loggedNoRecognizer = true;
                VQLogInfo(QStringLiteral("no speech recogniser for %1: recognition goes over the websocket")
                              .arg(IFlyASRManager::recognitionLanguage()));
            }
        } else {
            // Every source feeds the recogniser: the microphone, and the device's stream over
            // USB or Bluetooth LE, turned into 16 kHz PCM (sdkPcm).
            const quint64 serial = m_serial;
            if (sdk.startAsr([this, serial](int status, const QString& text) { sdkResult(serial, status, text); })) {
                m_route = Route::Sdk;
                startRecord();
                return;
            }
            VQLogWarn(QStringLiteral("the speech recogniser did not start: recognition goes over the websocket"));
        }
    }

    m_route = Route::WebSocket;
    requestWebSocket();
    // The device streams from the key press on: its chunks wait in the queue until the socket
    // opens. The microphone starts once the socket is open.
    if (m_audioSource == AudioSource::Device)
        startRecord();
}

void VQWebApiAsrService::endAsr()
{
    if (m_route == Route::None)
        return;
    m_isEnd = true;
    if (!m_releasedAt.isValid())
        m_releasedAt.start();
    if (m_micStarted) {
        m_micStarted = false;
        // Hands over the last chunk and the end mark (microphoneChunk).
        VQAudioQueueCapture::sharedInstance().stopRecord(true);
    }
    // A source that will not hand over an end mark (the device stopped streaming before the
    // release, the microphone broke off): the end frame goes out now.
    if (m_route == Route::WebSocket && !m_isTransferAudio && !m_sourceEnded && !m_isCancel
        && (m_framesSent > 0 || !m_queue.empty())) {
        const bool running = m_audioSource == AudioSource::Device
                                 ? VQMouseCommandManager::sharedInstance().isStartVoice()
                                 : VQAudioQueueCapture::sharedInstance().isRecording();
        if (!running) {
            enqueue(QByteArray(), true);
            sendArrayData();
        }
    }
    const quint64 serial = m_serial;
    QTimer::singleShot(g_endDelayMs, Qt::PreciseTimer, this, [this, serial] { endActionFired(serial); });
}

void VQWebApiAsrService::cancelAsr()
{
    if (m_route == Route::None)
        return;
    VQLogInfo(QStringLiteral("recognition %1 cancelled").arg(m_serial));
    m_isCancel = true;
    if (m_isTransferAudio && !m_finished)
        endTransfer(m_resultText, false);
    m_resultText.clear();
    closeWebSocket("cancelled");
    m_sendTimer.stop();
    endAsr();
    if (m_route == Route::Sdk && IFlyASRManager::sharedInstance().isRunning())
        IFlyASRManager::sharedInstance().stopAsr();
}

void VQWebApiAsrService::endActionFired(quint64 serial)
{
    if (serial != m_serial)
        return; // a newer utterance runs: this action was its predecessor's
    m_manualEnd = true;
    m_queue.clear();
    VQMouseCommandManager& mouse = VQMouseCommandManager::sharedInstance();
    if (mouse.isStartVoice())
        mouse.sendCloseMicData();
    if (m_route == Route::Sdk && IFlyASRManager::sharedInstance().isRunning())
        IFlyASRManager::sharedInstance().stopAsr();
    VQUserInfoData& info = VQUserInfoData::sharedInstance();
    if (info.mouseInfoItem().mouseType() == kLaserPenMouseType && info.laserPenVoiceFunctionIndex() == 0
        && pressType() == kPressTypeVoiceTyping)
        VQPopupWindowTool::sharedInstance().dismissSpeechView();
    if (m_webSocket) {
        // The server is slow, not unreachable: the hub's time-out delivers what came.
        if (!m_finished && !m_isCancel && m_framesSent > 0)
            VQLogWarn(QStringLiteral("no final result %1 ms after the release").arg(g_endDelayMs));
        closeWebSocket("no final result in time");
    }
}

// --- Connection ---

QString VQWebApiAsrService::webSocketUrl()
{
    const QString host = VQApiConfig::baseUrl(VQApiConfig::Endpoint::SpeechHost);
    QString url = (host.contains(QLatin1String("://")) ? host : QStringLiteral("ws://") + host) + QStringLiteral("/ws");
    VQUserInfoData& info = VQUserInfoData::sharedInstance();
    const QString region = info.region();
    if (!region.isEmpty())
        url += QStringLiteral("?region=") + QString::fromLatin1(QUrl::toPercentEncoding(region));
    else if (info.mouseInfoItem().mouseSource() == VQMouseInfoItem::MouseSourceInternational)
        url += QStringLiteral("?region=out");
    return url;
}

bool VQWebApiAsrService::isSocketOpen() const
{
    return m_webSocket && m_socketOpened && m_webSocket->state() == QAbstractSocket::ConnectedState;
}

void VQWebApiAsrService::requestWebSocket()
{
    closeWebSocket("a new connection");
    m_socketOpened = false;
    m_connectionGone = false;
    m_framesSent = 0;
    m_endSent = false;
    m_frameBase = QJsonObject();
    m_malformedFrames = 0;

    auto* socket = new QWebSocket(QString(), QWebSocketProtocol::VersionLatest, this);
    socket->setMaxAllowedIncomingMessageSize(kMaxMessageBytes);
    m_webSocket = socket;
    connect(socket, &QWebSocket::connected, this, [this, socket] { socketConnected(socket); });
    connect(socket, &QWebSocket::disconnected, this, [this, socket] { socketClosed(socket); });
    connect(socket, qOverload<QAbstractSocket::SocketError>(&QWebSocket::error), this,
            [this, socket](QAbstractSocket::SocketError) { socketFailed(socket, socket->errorString()); });
    connect(socket, &QWebSocket::textMessageReceived, this, [this, socket](const QString& message) {
        if (socket == m_webSocket)
            didReceiveMessage(message);
    });
    connect(socket, &QWebSocket::binaryMessageReceived, this,
            [this, socket](const QByteArray& message) { binaryMessage(socket, message); });

    const QString url = webSocketUrl();
    VQLogInfo(QStringLiteral("开始连接语音识别服务器 %1").arg(mm::loggedAddress(QUrl(url))));
    m_connectTimer.start(g_connectTimeoutMs);
    socket->open(QUrl(url));
}

void VQWebApiAsrService::socketConnected(QWebSocket* socket)
{
    if (socket != m_webSocket)
        return;
    m_connectTimer.stop();
    m_socketOpened = true;
    VQLogInfo(QStringLiteral("连接socket成功"));
    if (m_isCancel || (m_isEnd && m_queue.empty())) {
        VQLogInfo(QStringLiteral("---还没开始就结束了---"));
        closeWebSocket("released before the connection opened");
        return;
    }
    if (m_isTransferAudio) {
        if (m_fileLoaded)
            beginFileTransfer();
        return;
    }
    if (!m_recordStarted)
        startRecord();
    sendArrayData();
}

void VQWebApiAsrService::socketFailed(QWebSocket* socket, const QString& reason)
{
    if (socket != m_webSocket)
        return;
    if (m_socketOpened) {
        // The close that follows ends the utterance (socketClosed).
        VQLogWarn(QStringLiteral("speech connection error: %1").arg(reason));
        return;
    }
    VQLogError(QStringLiteral("连接socket失败:%1").arg(reason));
    closeWebSocket("connection failed");
    if (m_isCancel || m_finished)
        return;
    tellUser(QString::fromUtf8(kConnectFailedText));
    if (m_isTransferAudio)
        transferFailed();
}

void VQWebApiAsrService::connectTimedOut(quint64 serial)
{
    if (serial != m_serial || !m_webSocket || m_socketOpened)
        return;
    socketFailed(m_webSocket, QStringLiteral("no connection within %1 ms").arg(g_connectTimeoutMs));
}

void VQWebApiAsrService::socketClosed(QWebSocket* socket)
{
    if (socket != m_webSocket)
        return;
    if (!m_socketOpened) {
        socketFailed(socket, socket->errorString().isEmpty() ? QStringLiteral("closed while connecting")
                                                               : socket->errorString());
        return;
    }
    VQLogWarn(QStringLiteral("the speech server closed the connection (%1 %2)")
                  .arg(int(socket->closeCode()))
                  .arg(socket->closeReason()));
    closeWebSocket("closed by the server");
    if (!m_isCancel && !m_manualEnd && !m_finished)
        finishBroken();
}

void VQWebApiAsrService::closeWebSocket(const char* why)
{
    m_connectTimer.stop();
    m_sendTimer.stop();
    m_transferSilenceTimer.stop();
    m_queue.clear();
    if (!m_webSocket)
        return;
    VQLogInfo(QStringLiteral("关闭长连接 (%1)").arg(QLatin1String(why)));
    if (m_malformedFrames > kMalformedFramesLogged)
        VQLogWarn(QStringLiteral("%1 malformed frames of the speech server ignored").arg(m_malformedFrames));
    QWebSocket* socket = std::exchange(m_webSocket, nullptr);
    m_connectionGone = true;
    socket->disconnect(this);
    socket->close();
    socket->deleteLater();
}

void VQWebApiAsrService::binaryMessage(QWebSocket* socket, const QByteArray& message)
{
    if (socket != m_webSocket)
        return;
    logMalformed(QStringLiteral("<binary, %1 bytes>").arg(message.size()));
}

// --- Audio ---

QString VQWebApiAsrService::recordingPcmPath()
{
    return VQToolManager::getFilePath(QStringLiteral("/Test.pcm"));
}

QString VQWebApiAsrService::recordingWavPath()
{
    return VQToolManager::getFilePath(QStringLiteral("/Test.wav"));
}

void VQWebApiAsrService::startRecord()
{
    if (hooks().beforeRecord)
        hooks().beforeRecord();
    VQLogInfo(QStringLiteral("开始录音"));
    m_resultText.clear();
    if (m_framesSent == 0)
        m_clientId = newClientId();
    m_recordStarted = true;
    m_recordingFinished = false;
    ++m_recordingNumber;
    const quint64 serial = m_serial;

    // The last utterance's recording goes; only the device's voice is recorded, the microphone's
    // never reaches a file.
    VQVoiceRecordingSink& sink = VQVoiceRecordingSink::sharedSink();
    sink.closeFile();
    const QString pcmPath = recordingPcmPath();
    if (!pcmPath.isEmpty()) {
        VQToolManager::deleteFileWithPath(pcmPath);
        VQToolManager::deleteFileWithPath(recordingWavPath());
    }

    VQMouseCommandManager& mouse = VQMouseCommandManager::sharedInstance();
    if (m_audioSource == AudioSource::Microphone) {
        m_micStarted = VQAudioQueueCapture::sharedInstance().startRecordWithBlock(
            [this, serial](const QByteArray& chunk) { microphoneChunk(serial, chunk); });
        if (!m_micStarted) {
            // The capture told the user; this utterance has no audio.
            VQLogWarn(QStringLiteral("recognition %1: the microphone did not start").arg(serial));
            m_recordingFinished = true;
        }
    } else {
        VQUserInfoData& info = VQUserInfoData::sharedInstance();
        m_sdkAudio = SdkAudio();
        m_sdkAudio.adpcm = !VQVoiceStream::deliversPcm(info.chipPlan(), int(info.mouseInfoItem().deviceType()));
        m_sdkAudio.doubleRate = audioFormat(currentAudioFormatInput(AudioSource::Device)).rate == QLatin1String("8k");
        if (!pcmPath.isEmpty()) {
            VQLogInfo(QStringLiteral("%1,path=%2").arg(QLatin1String(Q_FUNC_INFO), pcmPath));
            sink.openFile(pcmPath);
        }
        mouse.setSendVoiceDataBlock(
            [this, serial](bool streaming, const QByteArray& chunk) { deviceChunk(serial, streaming, chunk); });
    }
    VQLogInfo(QStringLiteral("%1,End").arg(QLatin1String(Q_FUNC_INFO)));
}

void VQWebApiAsrService::microphoneChunk(quint64 serial, const QByteArray& chunk)
{
    if (serial != m_serial)
        return;
    // An empty chunk ends the capture.
    const bool last = chunk.isEmpty();
    if (last)
        m_micStarted = false;
    if (m_route == Route::Sdk) {
        feedRecognizer(chunk, last);
        if (last)
            finishRecording(serial);
        return;
    }
    if (last)
        finishRecording(serial);
    enqueue(chunk, last);
    sendArrayData();
}

void VQWebApiAsrService::deviceChunk(quint64 serial, bool streaming, const QByteArray& chunk)
{
    if (serial != m_serial)
        return;
    const bool last = !streaming;
    if (m_route == Route::Sdk) {
        feedRecognizer(sdkPcm(chunk, last), last);
    } else {
        enqueue(chunk, last);
        sendArrayData();
    }
    if (last)
        finishRecording(serial);
}

void VQWebApiAsrService::feedRecognizer(const QByteArray& pcm, bool last)
{
    IFlyASRManager& sdk = IFlyASRManager::sharedInstance();
    if (!m_isCancel && !m_finished && !pcm.isEmpty())
        sdk.sendPcmData(pcm);
    // The audio is over: the recogniser can give its final result now.
    if (last && sdk.isRunning())
        sdk.stopAsr();
}

QByteArray VQWebApiAsrService::sdkPcm(const QByteArray& chunk, bool last)
{
    QByteArray pcm;
    if (!m_sdkAudio.adpcm) {
        pcm = chunk;
    } else {
        // The stream's blocks all have kBlockBytes but its last, which may be cut short.
        m_sdkAudio.blocks.append(chunk);
        std::array<qint16, VQVoiceStream::kSamplesPerBlock> samples;
        const auto decode = [&](const char* block, int size) {
            const auto* bytes = reinterpret_cast<const quint8*>(block);
            if (!VQAdpcmDecoder::headerIsValid(bytes, size))
                return;
            const int count = VQAdpcmDecoder::decodeBlock(bytes, size, samples.data());
            const qsizetype at = pcm.size();
            pcm.resize(at + qsizetype(count) * 2);
            qToLittleEndian<qint16>(samples.data(), count, pcm.data() + at);
        };
        qsizetype taken = 0;
        for (; m_sdkAudio.blocks.size() - taken >= VQVoiceStream::kBlockBytes; taken += VQVoiceStream::kBlockBytes)
            decode(m_sdkAudio.blocks.constData() + taken, VQVoiceStream::kBlockBytes);
        if (last && m_sdkAudio.blocks.size() > taken) {
            decode(m_sdkAudio.blocks.constData() + taken, int(m_sdkAudio.blocks.size() - taken));
            taken = m_sdkAudio.blocks.size();
        }
        m_sdkAudio.blocks.remove(0, taken);
    }
    if (!m_sdkAudio.doubleRate || pcm.isEmpty())
        return pcm;
    // 8 kHz to 16 kHz: each sample is preceded by the mean of it and the one before. The 16 kHz
    // model recognises this; decoding at 8 kHz with the model's filter bank cut to 4 kHz does not.
    const qsizetype count = pcm.size() / 2;
    QByteArray doubled(count * 4, Qt::Uninitialized);
    for (qsizetype i = 0; i < count; ++i) {
        const qint16 sample = qFromLittleEndian<qint16>(pcm.constData() + 2 * i);
        const int previous = m_sdkAudio.hasPrevious ? m_sdkAudio.previous : sample;
        qToLittleEndian<qint16>(qint16((previous + sample) / 2), doubled.data() + 4 * i);
        qToLittleEndian<qint16>(sample, doubled.data() + 4 * i + 2);
        m_sdkAudio.previous = sample;
        m_sdkAudio.hasPrevious = true;
    }
    return doubled;
}

void VQWebApiAsrService::finishRecording(quint64 serial)
{
    if (serial != m_serial || m_recordingFinished || !m_recordStarted)
        return;
    m_recordingFinished = true;
    VQVoiceRecordingSink::sharedSink().closeFile();
    if (m_audioSource != AudioSource::Device)
        return; // nothing was recorded
    const QString pcmPath = recordingPcmPath();
    const QString wavPath = recordingWavPath();
    if (pcmPath.isEmpty() || wavPath.isEmpty())
        return;
    const AudioFormat format = audioFormat(currentAudioFormatInput(m_audioSource));
    const int sampleRate = format.rate == QLatin1String("8k") ? 8000 : 16000;
    // Written on a worker; the PCM file goes 2 s later unless a newer recording took its place.
    const quint64 recording = m_recordingNumber;
    QThreadPool::globalInstance()->start([this, recording, pcmPath, wavPath, sampleRate] {
        VQToolManager::pcmConvertToWav(pcmPath, wavPath, sampleRate);
        mm::runOnMain([this, recording, pcmPath] {
            QTimer::singleShot(g_recordingDeleteDelayMs, this, [this, recording, pcmPath] {
                if (recording != m_recordingNumber)
                    return;
                VQToolManager::deleteFileWithPath(pcmPath);
            });
        });
    });
}

void VQWebApiAsrService::enqueue(const QByteArray& bytes, bool last)
{
    if (m_route != Route::WebSocket || m_isTransferAudio)
        return; // the laser pen's microphone mode sends nothing; files are queued whole
    // Nothing after the end of the utterance, and nothing for a connection that is gone.
    if (m_isCancel || m_finished || m_manualEnd || m_sourceEnded || m_endSent || m_connectionGone)
        return;
    m_queue.push_back({bytes, last});
    if (last)
        m_sourceEnded = true;
}

// Sends every queued chunk, in order, while the socket is open.
void VQWebApiAsrService::sendArrayData()
{
    if (m_route != Route::WebSocket || m_isTransferAudio) {
        if (m_route == Route::LaserMicrophone)
            m_queue.clear();
        return;
    }
    while (!m_queue.empty() && !m_endSent && isSocketOpen()) {
        const Chunk chunk = std::move(m_queue.front());
        m_queue.pop_front();
        sendDataToService(chunk.bytes, chunk.last);
    }
    if (m_endSent)
        m_queue.clear();
}

void VQWebApiAsrService::beginFileTransfer()
{
    sendTransferChunk();
    if (!m_endSent && isSocketOpen())
        m_sendTimer.start();
}

// One chunk of the file per tick, then the closing frame.
void VQWebApiAsrService::sendTransferChunk()
{
    if (!isSocketOpen() || m_endSent) {
        m_sendTimer.stop();
        return;
    }
    QPointer<QObject> model = m_currentTransferAudioModel;
    if (m_queue.empty()) {
        m_sendTimer.stop();
        sendDataToService(QByteArray(), true);
        m_transferSilenceTimer.start(g_transferSilenceMs);
        Q_EMIT speechManagerRecognitionUpdateTransferProgress(1.0, model.data());
        return;
    }
    const Chunk chunk = std::move(m_queue.front());
    m_queue.pop_front();
    sendDataToService(chunk.bytes, false);
    const double left = double(m_queue.size());
    const double progress = m_allTransferArrCount > 0 ? 1.0 - left / double(m_allTransferArrCount) : 1.0;
    Q_EMIT speechManagerRecognitionUpdateTransferProgress(progress, model.data());
}

QJsonObject VQWebApiAsrService::frameMembers()
{
    VQUserInfoData& info = VQUserInfoData::sharedInstance();
    QJsonObject frame;
    frame.insert(QStringLiteral("apiKey"), info.appKey());
    frame.insert(QStringLiteral("language"), VQLanguageManager::sharedInstance().readAudioLanguageCode());
    frame.insert(QStringLiteral("clientId"), m_clientId);

    QString mac = getDeviceMacAddress();
    QString serialNo = info.mouseInfoItem().sn();
    if ((mac.isEmpty() || serialNo.isEmpty()) && !m_loggedMissingIdentity) {
        m_loggedMissingIdentity = true;
        VQLogWarn(QStringLiteral("speech frames without %1%2 (sent as \"\")")
                      .arg(mac.isEmpty() ? QStringLiteral("MAC address ") : QString(),
                           serialNo.isEmpty() ? QStringLiteral("serial number") : QString()));
    }
    frame.insert(QStringLiteral("deviceNo"), mac.isNull() ? QString(QLatin1String("")) : mac);
    frame.insert(QStringLiteral("serialNo"), serialNo.isNull() ? QString(QLatin1String("")) : serialNo);
    frame.insert(QStringLiteral("ptt"), info.punctuationSwitch() ? QStringLiteral("1") : QStringLiteral("0"));
    QString phrases = hooks().hotWords ? hooks().hotWords() : QString();
    frame.insert(QStringLiteral("phrases"), phrases.isNull() ? QString(QLatin1String("")) : phrases);

    const AudioFormat format = audioFormat(currentAudioFormatInput(m_audioSource));
    if (!format.rate.isNull())
        frame.insert(QStringLiteral("rate"), format.rate);
    if (info.semanticSwitch())
        frame.insert(QStringLiteral("nlu"), QStringLiteral("1"));
    frame.insert(QStringLiteral("format"), format.format);
    return frame;
}

bool VQWebApiAsrService::sendDataToService(const QByteArray& bytes, bool end)
{
    if (!isSocketOpen() || m_endSent)
        return false;
    // The members that do not change are fixed by the connection's first frame.
    if (m_framesSent == 0)
        m_frameBase = frameMembers();
    QJsonObject frame = m_frameBase;
    frame.insert(QStringLiteral("content"), QString::fromLatin1(bytes.toBase64()));
    frame.insert(QStringLiteral("start"), m_framesSent == 0);
    frame.insert(QStringLiteral("end"), end);
    m_webSocket->sendTextMessage(QString::fromUtf8(QJsonDocument(frame).toJson(QJsonDocument::Compact)));
    ++m_framesSent;
    if (end) {
        m_endSent = true;
        VQLogInfo(QStringLiteral("recognition %1: end frame sent after %2 frames").arg(m_serial).arg(m_framesSent));
    }
    return true;
}

// --- File transcription ---

void VQWebApiAsrService::transferAudioWithFilePath(const QString& path, QObject* transferAudioModel)
{
    VQLogInfo(QStringLiteral("开始转写音频 %1").arg(path));
    if (!prepareTransfer(transferAudioModel))
        return;
    const quint64 serial = m_serial;
    QThreadPool::globalInstance()->start([this, serial, path] {
        QFile file(path);
        QByteArray data;
        QString error;
        bool ok = file.open(QIODevice::ReadOnly);
        if (ok)
            data = file.readAll();
        if (!ok || file.error() != QFileDevice::NoError) {
            ok = false;
            error = file.errorString();
        }
        mm::runOnMain([this, serial, ok, data, error] { fileLoaded(serial, ok, data, error); });
    });
}

bool VQWebApiAsrService::prepareTransfer(QObject* transferAudioModel)
{
    m_currentTransferAudioModel = transferAudioModel;
    m_allTransferArrCount = 0;
    m_resultText.clear();
    m_clientId = newClientId();
    m_queue.clear();
    m_fileLoaded = false;
    if (!m_isTransferAudio || m_route != Route::WebSocket || m_isCancel || m_finished) {
        VQLogError(QStringLiteral("no transcription was begun"));
        return false;
    }
    return true;
}

void VQWebApiAsrService::transferAudioWithData(const QByteArray& pcm, QObject* transferAudioModel)
{
    VQLogInfo(QStringLiteral("开始转写音频 (%1 bytes of PCM)").arg(pcm.size()));
    if (prepareTransfer(transferAudioModel))
        fileLoaded(m_serial, true, pcm, QString());
}

void VQWebApiAsrService::fileLoaded(quint64 serial, bool ok, const QByteArray& data, const QString& error)
{
    if (serial != m_serial || m_isCancel || m_finished)
        return;
    if (!ok) {
        VQLogError(QStringLiteral("the audio file cannot be read: %1").arg(error));
        VQPopupWindowTool::sharedInstance().showTipMessage(
            QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(kFileReadFailedText)), QStringLiteral("error_icon"));
        closeWebSocket("the file cannot be read");
        transferFailed();
        return;
    }
    m_queue.clear();
    for (qsizetype at = 0; at < data.size(); at += kTransferChunkBytes)
        m_queue.push_back({data.mid(at, kTransferChunkBytes), false});
    if (m_queue.empty())
        m_queue.push_back({QByteArray(), false});
    m_allTransferArrCount = int(m_queue.size());
    m_fileLoaded = true;
    if (isSocketOpen())
        beginFileTransfer();
}

void VQWebApiAsrService::transferFailed()
{
    const quint64 serial = m_serial;
    m_finished = true;
    const QString text = std::exchange(m_resultText, QString());
    Q_EMIT speechManagerRecognitionStatusChangeEndAsr(text, false);
    endTransfer(text, false);
    callBlock(serial, false, text, true);
}

void VQWebApiAsrService::transferSilent(quint64 serial)
{
    if (serial != m_serial || !m_isTransferAudio || m_finished || m_isCancel)
        return;
    VQLogError(QStringLiteral("recognition %1: no answer %2 ms after the closing frame").arg(serial).arg(g_transferSilenceMs));
    closeWebSocket("the server went silent");
    finishBroken();
}

void VQWebApiAsrService::endTransfer(const QString& text, bool success)
{
    if (!m_isTransferAudio || m_transferEnded)
        return;
    m_transferEnded = true;
    const QPointer<QObject> model = m_currentTransferAudioModel;
    Q_EMIT transferAudioEnded(model.data(), text.isNull() ? QString(QLatin1String("")) : text, success);
}

// --- Results ---

void VQWebApiAsrService::logMalformed(const QString& what)
{
    ++m_malformedFrames;
    if (m_malformedFrames <= kMalformedFramesLogged)
        VQLogWarn(QStringLiteral("---webSocket:didReceiveMessage:%1---").arg(what.left(kMalformedShownChars)));
}

void VQWebApiAsrService::didReceiveMessage(const QString& message)
{
    if (m_route != Route::WebSocket || m_isCancel || m_manualEnd)
        return;
    if (m_transferSilenceTimer.isActive())
        m_transferSilenceTimer.start(g_transferSilenceMs);
    QJsonObject data;
    if (resultData(message, &data))
        handleResult(data);
}

bool VQWebApiAsrService::resultData(const QString& message, QJsonObject* result)
{
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(message.toUtf8(), &parseError);
    if (!document.isObject()) {
        logMalformed(message);
        return false;
    }
    const QJsonObject object = document.object();
    const QJsonValue status = object.value(QStringLiteral("status"));
    const bool ok = (status.isDouble() && status.toDouble() == 200.0)
                    || (status.isString() && status.toString().trimmed() == QLatin1String("200"));
    if (!ok) {
        logMalformed(QStringLiteral("status not 200: ") + message);
        return false;
    }
    const QJsonValue data = object.value(QStringLiteral("data"));
    if (!data.isObject()) {
        logMalformed(message);
        return false;
    }
    *result = data.toObject();
    return true;
}

// --- An utterance finishing on its own connection ---

bool VQWebApiAsrService::canFinishAlone() const
{
    return m_webSocket && m_route == Route::WebSocket && !m_isTransferAudio && m_endSent && !m_finished
        && !m_isCancel && !m_manualEnd && isSocketOpen();
}

void VQWebApiAsrService::detachFinishing()
{
    QWebSocket* socket = std::exchange(m_webSocket, nullptr);
    socket->disconnect(this);
    m_connectionGone = true;
    m_finishing.push_back({socket, m_serial, m_resultText, m_displayText, m_resultBlock});
    VQLogInfo(QStringLiteral("recognition %1 awaits its last result on its own connection").arg(m_serial));
    connect(socket, &QWebSocket::textMessageReceived, this,
            [this, socket](const QString& message) { finishingMessage(socket, message); });
    connect(socket, &QWebSocket::disconnected, this, [this, socket] {
        Finishing finishing = takeFinishing(socket, "closed by the server");
        VQLogWarn(QStringLiteral("recognition %1 broke off before its last result").arg(finishing.serial));
        VQPopupWindowTool::sharedInstance().showTipMessage(
            QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(kConnectFailedText)), QStringLiteral("error_icon"));
        if (finishing.block)
            finishing.block(false, finishing.display.isEmpty() ? finishing.resultText : finishing.display, true);
    });
    const qint64 left = m_releasedAt.isValid() ? g_endDelayMs - m_releasedAt.elapsed() : g_endDelayMs;
    QTimer::singleShot(int(qMax<qint64>(0, left)), Qt::PreciseTimer, socket, [this, socket] {
        const Finishing finishing = takeFinishing(socket, "no final result in time");
        VQLogWarn(QStringLiteral("recognition %1: no last result %2 ms after the release").arg(finishing.serial).arg(g_endDelayMs));
    });
}

VQWebApiAsrService::Finishing VQWebApiAsrService::takeFinishing(QWebSocket* socket, const char* why)
{
    const auto it = std::find_if(m_finishing.begin(), m_finishing.end(),
                                 [socket](const Finishing& f) { return f.socket == socket; });
    if (it == m_finishing.end())
        return {};
    Finishing finishing = std::move(*it);
    m_finishing.erase(it);
    VQLogInfo(QStringLiteral("关闭长连接 (recognition %1: %2)").arg(finishing.serial).arg(QLatin1String(why)));
    socket->disconnect(this);
    socket->close();
    socket->deleteLater();
    return finishing;
}

void VQWebApiAsrService::finishingMessage(QWebSocket* socket, const QString& message)
{
    const auto it = std::find_if(m_finishing.begin(), m_finishing.end(),
                                 [socket](const Finishing& f) { return f.socket == socket; });
    QJsonObject data;
    if (it == m_finishing.end() || !resultData(message, &data))
        return;
    const ResultStep step = applyResult(it->resultText, data);
    // Its listeners hear only the live utterance: this one tells its own block.
    if (!step.isLast()) {
        it->display = step.display;
        if (const ResultBlock block = it->block)
            block(true, step.display, false);
        return;
    }
    Finishing finishing = takeFinishing(socket, "last result");
    if (VQUserInfoData::sharedInstance().semanticSwitch() && hooks().semantic)
        hooks().semantic(data.value(QStringLiteral("dm")).toObject());
    if (finishing.block)
        finishing.block(true, step.display, true);
}

VQWebApiAsrService::ResultStep VQWebApiAsrService::applyResult(QString& sentences, const QJsonObject& data)
{
    const QJsonValue textValue = data.value(QStringLiteral("text"));
    const QString text = textValue.isString() ? textValue.toString() : QString(QLatin1String(""));
    const QString type = data.value(QStringLiteral("type")).toString();
    const auto shown = [](const QString& value) { return value.isNull() ? QString(QLatin1String("")) : value; };
    if (type == QLatin1String("MID"))
        return {0, joined(sentences, text), text};
    if (type == QLatin1String("FIN") || type == QLatin1String("LAST")) {
        sentences = joined(sentences, text);
        return {type == QLatin1String("FIN") ? 1 : 2, shown(sentences), text};
    }
    // Another type: the listeners may be told the unchanged text.
    return {0, shown(sentences), QString(QLatin1String(""))};
}

void VQWebApiAsrService::handleResult(const QJsonObject& data)
{
    const quint64 serial = m_serial;
    // A listener may cancel or start another utterance: then this one says no more.
    auto alive = [this, serial] { return serial == m_serial && !m_isCancel; };
    const ResultStep step = applyResult(m_resultText, data);
    if (!step.isLast()) {
        tellInterim(serial, step.display, step.newResult, step.status);
        return;
    }
    closeWebSocket("last result");
    m_finished = true;
    if (!endCapture() || !alive())
        return;
    // A last result without an understanding (or with one that is not an object) still gets an
    // answer: the handler hears an empty object.
    if (VQUserInfoData::sharedInstance().semanticSwitch() && hooks().semantic) {
        hooks().semantic(data.value(QStringLiteral("dm")).toObject());
        if (!alive())
            return;
    }
    tellEnd(serial, step.display, step.newResult, step.display);
}

void VQWebApiAsrService::tellInterim(quint64 serial, const QString& display, const QString& newResult, int status)
{
    auto alive = [this, serial] { return serial == m_serial && !m_isCancel; };
    m_displayText = display;
    Q_EMIT speechManagerRecognitionStatusChangeRecognizingAsr(display);
    if (!alive())
        return;
    Q_EMIT speechManagerRecognitionStatusChangeRecognizingAsrNewResult(display, newResult, status);
    if (alive())
        callBlock(serial, true, display, false);
}

void VQWebApiAsrService::tellEnd(quint64 serial, QString finalText, const QString& newResult, const QString& blockText)
{
    auto alive = [this, serial] { return serial == m_serial && !m_isCancel; };
    Q_EMIT speechManagerRecognitionStatusChangeRecognizingAsrNewResult(finalText, newResult, 2);
    if (!alive())
        return;
    Q_EMIT speechManagerRecognitionStatusChangeEndAsr(finalText, true);
    endTransfer(finalText, true);
    if (!alive())
        return;
    m_resultText.clear();
    callBlock(serial, true, blockText, true);
}

// The live utterance is over, whoever ended it: the microphone's capture stops (its last chunk
// and end mark are handed over) and a device still streaming is told to close its microphone.
// False when the end mark's handling started another utterance.
bool VQWebApiAsrService::endCapture()
{
    const quint64 serial = m_serial;
    if (m_micStarted) {
        m_micStarted = false;
        VQAudioQueueCapture::sharedInstance().stopRecord(true);
        if (serial != m_serial)
            return false;
    }
    VQMouseCommandManager& mouse = VQMouseCommandManager::sharedInstance();
    if (!m_isTransferAudio && mouse.isStartVoice())
        mouse.sendCloseMicData();
    return true;
}

void VQWebApiAsrService::sdkResult(quint64 serial, int status, const QString& text)
{
    if (serial != m_serial || m_isCancel || m_route != Route::Sdk || m_finished)
        return;
    if (status != VQSpeechRecognizer::kStatusEnd) {
        tellInterim(serial, text, text, 0);
        return;
    }
    if (m_resultText.isEmpty())
        m_resultText = text;
    m_finished = true;
    // The recogniser may have ended the utterance itself (end of speech, an error).
    if (!endCapture() || m_isCancel)
        return;
    tellEnd(serial, m_resultText, text, text);
}

// The connection broke off before the last result: the utterance ends here as failed, and the
// user is told.
void VQWebApiAsrService::finishBroken()
{
    const quint64 serial = m_serial;
    m_finished = true;
    if (!endCapture())
        return;
    tellUser(QString::fromUtf8(kConnectFailedText));
    // What was recognised is handed on: the final sentences and the interim text last shown.
    const QString sentences = std::exchange(m_resultText, QString());
    const QString text = m_isTransferAudio || m_displayText.isEmpty() ? sentences : m_displayText;
    const QString shown = text.isNull() ? QString(QLatin1String("")) : text;
    Q_EMIT speechManagerRecognitionStatusChangeEndAsr(shown, false);
    endTransfer(shown, false);
    callBlock(serial, false, shown, true);
}

void VQWebApiAsrService::callBlock(quint64 serial, bool success, const QString& text, bool isLast)
{
    if (serial != m_serial || !m_resultBlock)
        return;
    const ResultBlock block = m_resultBlock;
    block(success, text, isLast);
}

void VQWebApiAsrService::tellUser(const QString& key)
{
    const QString text = QRNLocalizedString::qrnAppLocalizedString(key);
    VQPopupWindowTool& tool = VQPopupWindowTool::sharedInstance();
    if (tool.speechPopup())
        tool.showSpeechView(text, 0);
    else
        tool.showTipMessage(text, QStringLiteral("error_icon"));
}

QString VQWebApiAsrService::getDeviceMacAddress()
{
    const QString mac = mm::vq_getMacAddress();
    return mac.isNull() ? QString() : mac.toLower();
}
