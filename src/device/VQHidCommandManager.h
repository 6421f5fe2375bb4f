#pragma once

#include "VQDeviceReportHandler.h"
#include "VQVoiceStream.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <functional>

// The commands of the USB receiver in the frame of its chip plan, and the handling of its
// reports (docs/device-protocol.md). Reads the receiver when it is opened and its battery every
// kBatteryPollIntervalMs while it stays open.
//
// Operations send through HIDDevice and return at once, without a result; the device's reply
// updates the record and posts the notification. Without an open receiver nothing is sent.
// A value outside the protocol's range is refused with a log line and sends nothing.
//
// Main thread only.
class VQHidCommandManager : public QObject {
    Q_OBJECT
public:
    static constexpr int kBatteryPollIntervalMs = 300 * 1000;

    static VQHidCommandManager& sharedInstance();
    // Tests only: stops the battery poll (and restores its interval).
    static void resetForTests();
    // Tests only: polls the battery at this interval from the next opening on.
    static void setBatteryPollIntervalForTests(int ms);
    bool isBatteryPollActive() const { return m_batteryTimer.isActive(); }

    // True while the receiver streams voice (docs/device-protocol.md, section 10).
    bool isStartVoice() const { return m_voice.isStreaming(); }

    void sendSetDpiData(qint64 step);
    // Sets the report rate to the report-rate choice at index (VQUserInfoData reportRateArr).
    void modifyReturnRate(int index);
    void sendSetLightingEffectsModeData(qint64 mode);
    void sendSetLightingEffectsBrightnessData(qint64 brightness);
    void sendSetLightingEffectsSpeedData(qint64 speed);
    void sendSetLightingEffectsColorData(qint64 color);
    void sendSetMouseLeftOrRightHandBehaviorData(qint64 hand);
    void sendOpenMicData();
    void sendCloseMicData();
    // HID modifier byte and usage of one key for the device to type.
    void sendKeyCommandDataKeyCode1(int keyCode1, int keyCode2);
    void sendOpenLedData();
    void sendCloseLedData();
    void sendOpenRGBData();
    void sendCloseRGBData();
    void sendGetXunFeiChipDeviceInfoData();
    void sendGetElectricData();

    void sendLaserPenModeData(int mode);
    void sendLaserPenEnterMouseStatusData();
    void sendLaserPenQuitMouseStatusData();
    // The pen's own laser and the countdown, sent through the open receiver whatever its plan.
    void sendTelinkLaserPenOpenHardLaserData();
    void sendTelinkLaserPenCloseHardLaserData();
    void sendTelinkLaserPenCountdownData(qint64 secondsLeft);

    // The firmware transfer (docs/device-protocol.md, section 11) through the open receiver:
    // the device's firmware, and the receiver's own (VQOTATransfer).
    void sendStartOTAData();
    void sendCancelOTAData();
    void sendStartOTADongleData();
    void sendCancelOTADongleData();

    const VQDeviceReportHandler& reportHandler() const { return m_handler; }

private:
    VQHidCommandManager();

    void opened();
    void closed(bool removed);
    void received(const QByteArray& report);
    // Builds the command in the open receiver's plan and sends it.
    void send(quint8 command, const QByteArray& arguments = {});
    // Builds a frame for the open receiver's plan and sends it.
    void sendBuilt(const QString& what, const std::function<QByteArray(const VQDeviceProtocol::ChipPlan&)>& build);
    // Sends a frame built for the open receiver's plan; an empty frame was refused.
    void sendFrame(const QByteArray& frame, const QString& what);
    void sendFrames(const QList<QByteArray>& frames, const QString& what);
    int openPlan() const;

    VQDeviceReportHandler m_handler;
    QTimer m_batteryTimer;
    VQVoiceStream m_voice{VQDeviceProtocol::Link::Usb};
};
