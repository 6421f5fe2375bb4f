#include "TKTTSManager.h"

#include "MMLog.h"
#include "NotificationCenter.h"
#include "QRNLocalizedString.h"
#include "VQNotificationNames.h"
#include "VQPopupWindowTool.h"
#include "VQSpeechEngine.h"

#include <QTimer>

TKTTSManager& TKTTSManager::sharedInstance()
{
    static TKTTSManager manager;
    return manager;
}

TKTTSManager::TKTTSManager()
    : m_context(std::make_unique<QObject>())
{
}

void TKTTSManager::resetForTests()
{
    TKTTSManager& manager = sharedInstance();
    manager.m_context = std::make_unique<QObject>();
    manager.m_attachedEngine = nullptr;
    manager.m_speakString.clear();
    manager.m_speakAttributedString = QTextDocumentFragment();
    manager.m_language.clear();
    manager.m_status = 0;
    manager.m_utterance = 0;
    manager.m_trailingPause = 0;
    manager.m_completeBlock = nullptr;
    manager.m_toldUnavailable = false;
    manager.m_toldNoVoice.clear();
}

// The engine in use may have been replaced (tests install fakes): its events come here.
void TKTTSManager::attachEngine()
{
    VQSpeechEngine& engine = VQSpeechEngine::instance();
    if (m_attachedEngine == &engine)
        return;
    m_attachedEngine = &engine;
    engine.setEventHandler([this, &engine](int utterance, VQSpeechEngine::Event event) {
        if (m_attachedEngine == &engine)
            engineEvent(utterance, int(event));
    });
}

void TKTTSManager::setSpeakString(const QString& text)
{
    m_speakString = text;
}

void TKTTSManager::setSpeakAttributedString(const QTextDocumentFragment& text)
{
    m_speakAttributedString = text;
    m_speakString = text.toPlainText();
}

void TKTTSManager::setLanguage(const QString& language)
{
    m_language = language;
}

void TKTTSManager::setCompleteBlock(std::function<void(int status)> block)
{
    m_completeBlock = std::move(block);
}

bool TKTTSManager::startSpeak()
{
    m_status = kStatusSpeaking;
    attachEngine();
    VQSpeechEngine& engine = VQSpeechEngine::instance();
    if (endTrailingPause())
        return false;
    if (engine.isSpeaking()) {
        // The cancel event of the stopped utterance reports 4.
        engine.stop(VQSpeechEngine::Boundary::Immediate);
        return false;
    }
    if (engine.isPaused()) {
        // Left paused by a recording: that utterance ends without a report of its own, the
        // new text takes its place.
        m_utterance = 0;
        engine.stop(VQSpeechEngine::Boundary::Immediate);
    }
    const QString reason = engine.unavailableReason();
    if (!reason.isEmpty()) {
        cannotSpeak(reason);
        return false;
    }
    if (m_speakString.trimmed().isEmpty()) {
        m_utterance = 0;
        reportLater(kStatusFinished, true);
        return false;
    }
    m_utterance = engine.say(m_speakString, m_language);
    return true;
}

bool TKTTSManager::pauseSpeak(int boundary)
{
    if (boundary != 0 && boundary != 1)
        return false;
    attachEngine();
    if (!VQSpeechEngine::instance().pause(boundary == 0 ? VQSpeechEngine::Boundary::Immediate : VQSpeechEngine::Boundary::Word))
        return false;
    m_status = kStatusPaused;
    return true;
}

bool TKTTSManager::stopSpeak(int boundary)
{
    if (boundary != 0 && boundary != 1)
        return false;
    attachEngine();
    if (endTrailingPause()) {
        m_status = kStatusFinished;
        return true;
    }
    if (!VQSpeechEngine::instance().stop(boundary == 0 ? VQSpeechEngine::Boundary::Immediate : VQSpeechEngine::Boundary::Word))
        return false;
    m_status = kStatusFinished;
    return true;
}

bool TKTTSManager::endTrailingPause()
{
    if (m_trailingPause == 0)
        return false;
    m_trailingPause = 0;
    reportLater(kStatusFinished, false);
    return true;
}

void TKTTSManager::continueSpeak()
{
    m_status = kStatusResumed;
    attachEngine();
    VQSpeechEngine::instance().resume();
}

void TKTTSManager::engineEvent(int utterance, int event)
{
    if (utterance == 0 || utterance != m_utterance)
        return;
    switch (VQSpeechEngine::Event(event)) {
    case VQSpeechEngine::Event::Started: {
        const VQSpeechEngine& engine = VQSpeechEngine::instance();
        VQLogInfo(QStringLiteral("speech output: %1 in the voice \"%2\" (%3)")
                      .arg(engine.voiceWanted().name(), engine.voiceName(), engine.voiceLocale().name()));
        report(kStatusSpeaking, false);
        break;
    }
    case VQSpeechEngine::Event::NoVoice: {
        const QString language = VQSpeechEngine::instance().voiceWanted().name();
        if (!m_toldNoVoice.contains(language)) {
            m_toldNoVoice.insert(language);
            VQLogWarn(QStringLiteral("speech output: no voice speaks %1; the default voice reads it").arg(language));
            VQPopupWindowTool::sharedInstance().showTipMessage(
                QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(kNoVoiceText)), QStringLiteral("info_icon"));
        }
        break;
    }
    case VQSpeechEngine::Event::Paused:
        report(kStatusPaused, false);
        break;
    case VQSpeechEngine::Event::Resumed:
        report(kStatusResumed, false);
        break;
    case VQSpeechEngine::Event::Cancelled:
        m_utterance = 0;
        report(kStatusFinished, false);
        break;
    case VQSpeechEngine::Event::Finished: {
        m_utterance = 0;
        const quint64 pause = ++m_pauseCount;
        m_trailingPause = pause;
        QTimer::singleShot(kDelayAfterMs, Qt::PreciseTimer, m_context.get(), [this, pause] {
            if (m_trailingPause != pause)
                return; // ended by a start or a stop
            m_trailingPause = 0;
            report(kStatusFinished, true);
        });
        break;
    }
    case VQSpeechEngine::Event::Failed:
        m_utterance = 0;
        VQLogWarn(QStringLiteral("speech output broke off: %1").arg(VQSpeechEngine::instance().lastError()));
        report(kStatusFinished, false);
        break;
    }
}

void TKTTSManager::report(int status, bool finished)
{
    m_status = status;
    if (finished)
        NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::TTSPlayCompleteNoti));
    // The block may replace or clear itself.
    if (const std::function<void(int)> block = m_completeBlock)
        block(status);
}

void TKTTSManager::reportLater(int status, bool finished)
{
    QTimer::singleShot(0, m_context.get(), [this, status, finished] { report(status, finished); });
}

void TKTTSManager::cannotSpeak(const QString& reason)
{
    if (!m_toldUnavailable) {
        m_toldUnavailable = true;
        VQLogWarn(QStringLiteral("speech output is silent: %1").arg(reason));
        VQPopupWindowTool::sharedInstance().showTipMessage(
            QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(kCannotSpeakText)), QStringLiteral("error_icon"));
    }
    m_utterance = 0;
    reportLater(kStatusFinished, false);
}
