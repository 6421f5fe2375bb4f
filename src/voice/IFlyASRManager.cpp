#include "IFlyASRManager.h"

#include "MMLog.h"
#include "QRNLocalizedString.h"
#include "RunOnMain.h"
#include "VQLanguageManager.h"
#include "VQPopupWindowTool.h"
#include "VQUserInfoData.h"

#include <QVariantMap>

namespace {

constexpr char kTraditionalCode[] = "ZH_TW";
constexpr char kTraditionalLanguage[] = "zh-hk";

} // namespace

IFlyASRManager& IFlyASRManager::sharedInstance()
{
    static IFlyASRManager manager;
    return manager;
}

void IFlyASRManager::resetForTests()
{
    IFlyASRManager& manager = sharedInstance();
    manager.m_resultBlock = nullptr;
    manager.m_running = false;
    manager.m_droppedChunks = 0;
    if (manager.m_recognizer)
        manager.attach(manager.m_recognizer);
}

void IFlyASRManager::setRecognizer(VQSpeechRecognizer* recognizer)
{
    if (recognizer == m_recognizer)
        return;
    if (m_recognizer) {
        if (m_running) {
            const int code = m_recognizer->stop();
            VQLogInfo(QStringLiteral("speech recogniser replaced while recognising; stop returned %1").arg(code));
        }
        m_recognizer->setResultHandler(nullptr);
        m_recognizer->setErrorHandler(nullptr);
    }
    m_running = false;
    m_resultBlock = nullptr;
    m_recognizer = nullptr;
    if (recognizer)
        attach(recognizer);
    VQLogInfo(recognizer ? QStringLiteral("speech recogniser installed") : QStringLiteral("speech recogniser removed"));
}

void IFlyASRManager::attach(VQSpeechRecognizer* recognizer)
{
    m_recognizer = recognizer;
    recognizer->setLanguage(QString::fromLatin1(kInitialLanguage));
    recognizer->setPunctuation(kInitialPunctuation);
    recognizer->setEndOfSpeechSilence(kEndOfSpeechSilenceMs);
    // The pointer only tells which recogniser reported; it is never followed once queued.
    recognizer->setResultHandler([recognizer](int status, const QString& text) {
        mm::runOnMainOrNow([recognizer, status, text] { sharedInstance().onResult(recognizer, status, text); });
    });
    recognizer->setErrorHandler([recognizer](int code, const QString& message) {
        mm::runOnMainOrNow([recognizer, code, message] { sharedInstance().onError(recognizer, code, message); });
    });
}

QString IFlyASRManager::recognitionLanguage()
{
    const VQLanguageManager& languages = VQLanguageManager::sharedInstance();
    const QString code = languages.readAudioLanguageCode();
    const QVariantMap entry = languages.audioLanguageArr().value(languages.audioLanguageIndex()).toMap();
    const QString name = entry.value(QString::fromLatin1(VQLanguageManager::nameKey)).toString();
    if (code == QLatin1String(kTraditionalCode) || name.contains(QStringLiteral("繁体")))
        return QString::fromLatin1(kTraditionalLanguage);
    return code.trimmed().toLower().replace(QLatin1Char('_'), QLatin1Char('-'));
}

bool IFlyASRManager::canRecognize() const
{
    return m_recognizer && m_recognizer->supportsLanguage(recognitionLanguage());
}

bool IFlyASRManager::startAsr(ResultBlock block)
{
    if (!m_recognizer) {
        VQLogWarn(QStringLiteral("speech recognition not started: no recogniser installed"));
        return false;
    }
    if (m_running) {
        VQLogWarn(QStringLiteral("speech recognition started while one runs; stopping that one first"));
        stopAsr();
    }
    if (m_droppedChunks > 0) {
        VQLogInfo(QStringLiteral("%1 audio chunks arrived while no speech recognition ran").arg(m_droppedChunks));
        m_droppedChunks = 0;
    }

    const QString language = recognitionLanguage();
    const bool punctuation = VQUserInfoData::sharedInstance().punctuationSwitch();
    m_recognizer->setLanguage(language);
    m_recognizer->setPunctuation(punctuation);

    // Installed before start(): a recogniser may report from inside it.
    m_resultBlock = std::move(block);
    const int code = m_recognizer->start();
    if (code != 0) {
        m_resultBlock = nullptr;
        VQLogError(QStringLiteral("speech recogniser did not start (%1), language %2").arg(QString::number(code), language));
        return false;
    }
    m_running = true;
    VQLogInfo(QStringLiteral("speech recognition started, language %1, punctuation %2")
                  .arg(language, punctuation ? QStringLiteral("on") : QStringLiteral("off")));
    return true;
}

bool IFlyASRManager::stopAsr()
{
    if (!m_recognizer || !m_running) {
        VQLogInfo(QStringLiteral("speech recognition stop: none running"));
        return false;
    }
    m_running = false;
    const int code = m_recognizer->stop();
    if (code != 0) {
        VQLogWarn(QStringLiteral("speech recogniser did not stop (%1)").arg(code));
        return false;
    }
    VQLogInfo(QStringLiteral("speech recognition stopped"));
    return true;
}

void IFlyASRManager::sendPcmData(const QByteArray& chunk)
{
    if (chunk.isEmpty())
        return;
    if (!m_recognizer || !m_running) {
        ++m_droppedChunks;
        return;
    }
    m_recognizer->write(chunk);
}

void IFlyASRManager::onResult(const VQSpeechRecognizer* from, int status, const QString& text)
{
    if (from != m_recognizer) {
        VQLogInfo(QStringLiteral("result of a removed speech recogniser dropped"));
        return;
    }
    if (status == VQSpeechRecognizer::kStatusEnd && m_running) {
        // The recogniser ended the utterance itself (end of speech): no more audio for it.
        m_running = false;
        VQLogInfo(QStringLiteral("speech recogniser ended the utterance"));
    }
    // A copy: the block may start the next recognition, which replaces it.
    const ResultBlock block = m_resultBlock;
    if (block)
        block(status, text.isNull() ? QStringLiteral("") : text);
}

void IFlyASRManager::onError(const VQSpeechRecognizer* from, int code, const QString& message)
{
    if (from != m_recognizer)
        return;
    // Errors end nothing here: the recognition ends through its final result or the stop.
    VQLogWarn(QStringLiteral("speech recogniser error %1: %2").arg(QString::number(code), message));
    VQPopupWindowTool::sharedInstance().showTipMessage(
        QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(kRecognizerErrorText)), QStringLiteral("error_icon"));
}
