#pragma once

// What the voice tests see of the hub: the speech popup's texts, the notifications, the
// service's listener calls and the hub's deliveries, in one ordered log; and a clean voice
// library wired as at start-up, speaking to the stand-in speech server.
#include "NotificationCenter.h"
#include "StandInSpeechServer.h"
#include "TestSupport.h"
#include "VQApiConfig.h"
#include "VQAudioMonitorService.h"
#include "VQAudioQueueCapture.h"
#include "VQNotificationNames.h"
#include "VQPopupWindowTool.h"
#include "VQSpeechPopupInterface.h"
#include "VQTipWindow.h"
#include "VQVoiceSetup.h"
#include "VQWebApiAsrService.h"

#include <QObject>
#include <QRegularExpression>
#include <QStringList>

#include <memory>

namespace voicetest {

// The speech popup as the user sees it: every text shown ("text|type"), and whether it shows.
class RecordingSpeechPopup : public VQSpeechPopupInterface {
public:
    void showSpeechView(const QString& text, int type) override
    {
        shows << QStringLiteral("%1|%2").arg(text).arg(type);
        m_showing = true;
    }
    void showYiText(const QString&) override {}
    void dismissSpeechView() override { m_showing = false; }
    bool isShow() const override { return m_showing; }

    QStringList shows;

private:
    bool m_showing = false;
};

// One log of what leaves the hub and the service, in order: "start", "finish" (the
// notifications), "asr:<display>", "new:<display>|<new>|<status>", "end:<text>|<success>" (the
// listeners), "deliver:<text>|<isLast>|<pressType>" (what the hub hands to delivery).
class HubLog {
public:
    HubLog()
    {
        NotificationCenter& centre = NotificationCenter::defaultCenter();
        centre.addObserver(&m_owner, QString::fromLatin1(vq::ASRStartNotification),
                           [this](const VQNotification&) { events << QStringLiteral("start"); });
        centre.addObserver(&m_owner, QString::fromLatin1(vq::ASRFinishNotification),
                           [this](const VQNotification&) { events << QStringLiteral("finish"); });
        VQWebApiAsrService* service = &VQWebApiAsrService::sharedInstance();
        QObject::connect(service, &VQWebApiAsrService::speechManagerRecognitionStatusChangeRecognizingAsr, &m_owner,
                         [this](const QString& display) { events << QStringLiteral("asr:") + display; });
        QObject::connect(service, &VQWebApiAsrService::speechManagerRecognitionStatusChangeRecognizingAsrNewResult,
                         &m_owner, [this](const QString& display, const QString& newResult, int status) {
                             events << QStringLiteral("new:%1|%2|%3").arg(display, newResult).arg(status);
                         });
        QObject::connect(service, &VQWebApiAsrService::speechManagerRecognitionStatusChangeEndAsr, &m_owner,
                         [this](const QString& text, bool success) {
                             events << QStringLiteral("end:%1|%2").arg(text).arg(int(success));
                         });
        VQAudioMonitorService::sharedInstance().setResultObserver([this](const QString& text, bool isLast, int type) {
            events << QStringLiteral("deliver:%1|%2|%3").arg(text).arg(int(isLast)).arg(type);
        });
    }

    QStringList only(const QString& prefix) const { return events.filter(QRegularExpression(QLatin1Char('^') + prefix)); }
    int count(const QString& event) const { return int(events.count(event)); }

    QStringList events;

private:
    QObject m_owner;
};

// Resets the voice library and the popup tool, wires them as the program does, and points the
// speech host at the server.
inline void resetVoice()
{
    VQAudioMonitorService::resetForTests();
    VQWebApiAsrService::resetForTests();
    VQAudioQueueCapture::resetForTests();
    VQPopupWindowTool::resetForTests();
    VQApiConfig::resetForTests();
}

inline void installVoice(vqtest::StandInSpeechServer& server, VQSpeechPopupInterface* popup)
{
    // Without a recording popup the factory gives none, so the hub's texts go to the tip window.
    VQPopupWindowTool::sharedInstance().setSpeechPopupFactory([popup]() -> VQSpeechPopupInterface* { return popup; });
    VQVoiceSetup::install();
    server.installAsSpeechHost();
}

// The hub has nothing running and awaits nothing.
inline bool hubIsIdle()
{
    const VQAudioMonitorService& hub = VQAudioMonitorService::sharedInstance();
    return !hub.hadStart() && hub.pressType() == 0 && !hub.isWaitingForFinalResult();
}

} // namespace voicetest
