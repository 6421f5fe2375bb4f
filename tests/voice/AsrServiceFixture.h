#pragma once

// The recognition service on its own against the stand-in speech server: the microphone is a
// fake capture backend, the device's voice stream a voice stream of the device link fed with
// the reports of a tone, and everything the service tells its listeners and its result block
// goes into one ordered log.
#include "FakeAudioCaptureBackend.h"
#include "HIDDevice.h"
#include "IFlyASRManager.h"
#include "ImaAdpcmEncoder.h"
#include "NotificationCenter.h"
#include "SimulatedReceiver.h"
#include "SimulatedVoiceSource.h"
#include "StandInSpeechServer.h"
#include "TestSupport.h"
#include "UserDefaults.h"
#include "VQApiConfig.h"
#include "VQAudioQueueCapture.h"
#include "VQBLEMouseCommandManager.h"
#include "VQDeviceEvents.h"
#include "VQDeviceProtocol.h"
#include "VQHidCommandManager.h"
#include "VQLanguageManager.h"
#include "VQPopupWindowTool.h"
#include "VQTipWindow.h"
#include "VQUserInfoData.h"
#include "VQVoiceStream.h"
#include "VQWebApiAsrService.h"

#include <QObject>
#include <QStringList>
#include <QtMath>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace asrtest {

// A device streaming `blocks` ADPCM blocks of a tone, report by report, through a voice stream
// of the device link, which hands its chunks to the consumer the service installed.
class DeviceVoice {
public:
    explicit DeviceVoice(int blocks)
    {
        QList<qint16> samples;
        for (int i = 0; i < blocks * ImaAdpcmEncoder::kSamplesPerBlock; ++i)
            samples.append(qint16(8000 * qSin(i * 0.07)));
        adpcm = ImaAdpcmEncoder::encode(samples);
        const VQDeviceProtocol::ChipPlan& plan = *VQDeviceProtocol::chipPlan(1);
        for (const QByteArray& payload : SimulatedVoiceSource::voicePayloads(adpcm, VQDeviceProtocol::maxArguments(plan)))
            m_reports.append(report(payload));
    }

    int reportCount() const { return int(m_reports.size()); }
    // Hands on reports [from, to).
    void send(int from, int to)
    {
        for (int i = from; i < to && i < m_reports.size(); ++i)
            m_stream.takeReport(*VQDeviceProtocol::chipPlan(1), m_reports.at(i));
    }
    void sendAll() { send(0, reportCount()); }
    void end() { m_stream.takeReport(*VQDeviceProtocol::chipPlan(1), report(SimulatedVoiceSource::voiceEndPayload())); }

    QByteArray adpcm;

private:
    static QByteArray report(const QByteArray& payload)
    {
        const VQDeviceProtocol::ChipPlan& plan = *VQDeviceProtocol::chipPlan(1);
        QByteArray r = VQDeviceProtocol::buildFrame(plan, quint8(payload.at(0)), payload.mid(1));
        if (plan.reportLength > r.size())
            r.append(QByteArray(plan.reportLength - r.size(), '\0'));
        return r;
    }

    VQVoiceStream m_stream{VQDeviceProtocol::Link::Usb};
    QList<QByteArray> m_reports;
};

class AsrServiceTest : public ::testing::Test {
protected:
    static constexpr int kEndDelayMs = 300;
    static constexpr int kConnectTimeoutMs = 600;
    static constexpr int kDeleteDelayMs = 300;

    void SetUp() override
    {
        resetAll();
        receiver = std::make_unique<SimulatedReceiver>();
        ASSERT_TRUE(server.start());
        server.installAsSpeechHost();
        VQWebApiAsrService::setTimingForTests(kEndDelayMs, kConnectTimeoutMs, kDeleteDelayMs);
        VQWebApiAsrService& s = service();
        QObject::connect(&s, &VQWebApiAsrService::speechManagerRecognitionStatusChangeRecognizingAsr, &m_owner,
                         [this](const QString& display) { log << QStringLiteral("asr:") + display; });
        QObject::connect(&s, &VQWebApiAsrService::speechManagerRecognitionStatusChangeRecognizingAsrNewResult, &m_owner,
                         [this](const QString& display, const QString& newResult, int status) {
                             log << QStringLiteral("new:%1|%2|%3").arg(display, newResult).arg(status);
                         });
        QObject::connect(&s, &VQWebApiAsrService::speechManagerRecognitionStatusChangeEndAsr, &m_owner,
                         [this](const QString& text, bool success) { log << QStringLiteral("end:%1|%2").arg(text).arg(int(success)); });
        QObject::connect(&s, &VQWebApiAsrService::speechManagerRecognitionUpdateTransferProgress, &m_owner,
                         [this](double progress, QObject* model) {
                             progresses.append(progress);
                             progressModels.append(model);
                         });
    }

    void TearDown() override
    {
        resetAll();
        receiver.reset();
    }

    static void resetAll()
    {
        VQWebApiAsrService::resetForTests();
        VQAudioQueueCapture::resetForTests();
        IFlyASRManager::resetForTests();
        VQVoiceStream::resetForTests();
        HIDDevice::resetForTests();
        VQHidCommandManager::resetForTests();
        VQBLEMouseCommandManager::resetForTests();
        NotificationCenter::defaultCenter().resetForTests();
        VQDeviceEvents::resetForTests();
        UserDefaults::resetStandardForTests();
        VQUserInfoData::resetForTests();
        VQLanguageManager::resetForTests();
        VQPopupWindowTool::resetForTests();
        VQApiConfig::resetForTests();
    }

    static VQWebApiAsrService& service() { return VQWebApiAsrService::sharedInstance(); }
    static VQUserInfoData& info() { return VQUserInfoData::sharedInstance(); }

    VQWebApiAsrService::ResultBlock block()
    {
        return [this](bool success, const QString& text, bool isLast) {
            log << QStringLiteral("block:%1|%2|%3").arg(int(success)).arg(text).arg(int(isLast));
        };
    }
    void begin(bool transfer = false) { service().beginAsrIsTransferAudio(transfer, block()); }
    static bool waitOpen() { return vqtest::waitUntil([] { return service().isSocketOpen(); }); }
    bool waitLast() { return vqtest::waitUntil([this] { return lastBlocks() > 0; }); }
    int lastBlocks() const
    {
        return int(std::count_if(log.begin(), log.end(), [](const QString& e) {
            return e.startsWith(QLatin1String("block:")) && e.endsWith(QLatin1String("|1"));
        }));
    }
    static QString tipText()
    {
        VQTipWindow* tip = VQPopupWindowTool::sharedInstance().tipWindow();
        return tip && tip->isVisible() ? tip->text() : QString();
    }
    // Frames of a connection whose "end" is true, by their 1-based number.
    QList<int> endFrames(int connection) const
    {
        QList<int> ends;
        const QList<QJsonObject> frames = server.connection(connection).frames;
        for (int i = 0; i < frames.size(); ++i) {
            if (frames.at(i).value(QStringLiteral("end")).toBool())
                ends.append(i + 1);
        }
        return ends;
    }

    vqtest::StandInSpeechServer server;
    FakeAudioCaptureBackend mic;
    std::unique_ptr<SimulatedReceiver> receiver; // the HID transport, unplugged unless a test plugs it
    QStringList log;
    QList<double> progresses;
    QList<QObject*> progressModels;

private:
    QObject m_owner;
};

} // namespace asrtest
