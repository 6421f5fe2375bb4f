#pragma once

#include "HIDDevice.h"
#include "NotificationCenter.h"
#include "SimulatedBleMouse.h"
#include "SimulatedReceiver.h"
#include "TestSupport.h"
#include "UserDefaults.h"
#include "VQBLEMouseCommandManager.h"
#include "VQDeviceEvents.h"
#include "VQHidCommandManager.h"
#include "VQHttpRequestManager.h"
#include "VQMouseCommandManager.h"
#include "VQNotificationNames.h"
#include "VQUserInfoData.h"

#include <QObject>
#include <QStringList>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// Records the device link's notifications and what reaches the hooks of the parts above it.
class DeviceEventRecorder {
public:
    DeviceEventRecorder()
    {
        static const char* const names[] = {
            vq::kUSBInsertNotification,
            vq::kUSBRemoveNotification,
            vq::HadUSBInfoNotification,
            vq::HadElectricInfoNotification,
            vq::kUpdateFirmwareVersionNotification,
            vq::kUpdateDPIItemNotification,
            vq::kUpdateReportRateItemNotification,
            vq::kUpdateFunctionNotification,
            vq::kUpdateLightingEffectsNotification,
            vq::kUpdateMouseLeftOrRightHandBehaviorNotification,
            vq::kBleConnectNotification,
        };
        for (const char* name : names) {
            NotificationCenter::defaultCenter().addObserver(&m_owner, QString::fromLatin1(name),
                                                            [this](const VQNotification& n) {
                                                                notifications.append(n.name);
                                                                objects.append(n.object);
                                                            });
        }
        VQDeviceEvents::setHidCallback([this](int code) { eventCodes.push_back(code); });
        VQDeviceEvents::setCancelAsrHook([this] { ++cancelCount; });
        VQDeviceEvents::setLaserPenCallback(
            [this](const VQDeviceEvents::LaserPenSignal& signal) { penSignals.push_back(signal); });
        VQDeviceEvents::setAiKeyCallback([this](int key) { aiKeys.push_back(key); });
        VQDeviceEvents::setScreenshotCallback([this] { ++screenshots; });
        VQDeviceEvents::setVoiceChipInfoCallback([this](const QString& info) { chipInfo.append(info); });
    }

    int count(const char* name) const { return int(notifications.count(QString::fromLatin1(name))); }
    bool saw(const char* name) const { return count(name) > 0; }
    void clear()
    {
        notifications.clear();
        objects.clear();
        eventCodes.clear();
        cancelCount = 0;
        penSignals.clear();
        aiKeys.clear();
        screenshots = 0;
        chipInfo.clear();
    }

    QStringList notifications;
    QList<QVariant> objects;
    std::vector<int> eventCodes;
    int cancelCount = 0;
    std::vector<VQDeviceEvents::LaserPenSignal> penSignals;
    std::vector<int> aiKeys;
    int screenshots = 0;
    QStringList chipInfo;

private:
    QObject m_owner;
};

// A clean device link for each test, with a simulated receiver (not plugged yet) and a
// simulated Bluetooth LE mouse (not in reach) installed as the transports.
class DeviceTest : public ::testing::Test {
protected:
    explicit DeviceTest(SimulatedReceiver::Model model = SimulatedReceiver::mouseReceiver())
        : receiver(std::move(model))
    {
    }

    void SetUp() override
    {
        resetAll();
        VQMouseCommandManager::sharedInstance();
        recorder = std::make_unique<DeviceEventRecorder>();
        // Requests of the device link stay on this machine unless a test serves them.
        VQHttpRequestManager::sharedInstance().setNetworkDownCheckForTests([] { return true; });
        HIDDevice::sharedManager().start();
    }

    void TearDown() override
    {
        resetAll();
        recorder.reset();
    }

    static void resetAll()
    {
        HIDDevice::resetForTests();
        VQHttpRequestManager::sharedInstance().resetForTests();
        VQHidCommandManager::resetForTests();
        VQBLEMouseCommandManager::resetForTests();
        NotificationCenter::defaultCenter().resetForTests();
        VQDeviceEvents::resetForTests();
        UserDefaults::resetStandardForTests();
        VQUserInfoData::resetForTests();
    }

    // Plugs the receiver in and waits until the reads that follow its opening were answered.
    void plugAndSettle()
    {
        receiver.plug();
        ASSERT_TRUE(vqtest::waitUntil([this] { return HIDDevice::sharedManager().isOpen(); }));
        settle();
    }

    // Waits until every queued report left and was answered.
    void settle()
    {
        ASSERT_TRUE(vqtest::waitUntil([] { return HIDDevice::sharedManager().queuedReportCount() == 0; }, 10000));
        vqtest::spin(HIDDevice::kSendIntervalMs + 30);
    }

    VQMouseInfoItem& record() { return VQUserInfoData::sharedInstance().mouseInfoItem(); }

    // The last output report's frame (without zero padding) as hex text.
    QString lastWrittenHex() const
    {
        if (receiver.written().isEmpty())
            return {};
        return frameHex(receiver.written().last().report);
    }

    // Every output report written since the last clearRecords, without padding.
    QStringList writtenHex() const
    {
        QStringList out;
        for (const auto& w : receiver.written())
            out.append(frameHex(w.report));
        return out;
    }

    static QString frameHex(QByteArray report)
    {
        while (!report.isEmpty() && report.back() == '\0')
            report.chop(1);
        return QString::fromLatin1(report.toHex());
    }

    SimulatedReceiver receiver;
    SimulatedBleMouse bleMouse;
    std::unique_ptr<DeviceEventRecorder> recorder;
};
