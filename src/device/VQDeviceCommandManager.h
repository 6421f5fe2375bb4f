#pragma once

#include "VQDeviceProtocol.h"
#include "VQDeviceReportHandler.h"
#include "VQVoiceStream.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

// What the command managers of the two links have in common (docs/device-protocol.md): the
// commands both links carry, built in the frame of the link's chip plan; the report handler and
// the voice stream that read what the device sends; the battery poll every
// kBatteryPollIntervalMs while a device is connected.
//
// Operations return at once, without a result; the device's reply updates the record and posts
// the notification. Without a connected device nothing is sent; a value outside the protocol's
// range is refused with a log line and sends nothing.
//
// A link supplies the plan of its connected device (commandPlan) and the transport (write).
// Main thread only.
class VQDeviceCommandManager : public QObject {
    Q_OBJECT
public:
    static constexpr int kBatteryPollIntervalMs = 300 * 1000;

    VQDeviceProtocol::Link link() const { return m_link; }
    bool isBatteryPollActive() const { return m_batteryTimer.isActive(); }
    // True while the device streams voice (docs/device-protocol.md, section 10).
    bool isStartVoice() const { return m_voice.isStreaming(); }
    const VQDeviceReportHandler& reportHandler() const { return m_handler; }
    // True while a device is connected over this link: commands reach it.
    bool hasLink() const { return commandPlan() != nullptr; }

    void sendSetDpiData(qint64 step);
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
    void sendGetElectricData();

    // The laser pen's mode and pointer mode, in the frames of the link and plan (section 9);
    // a plan without the command sends nothing.
    void sendLaserPenModeData(int mode);
    void sendLaserPenEnterMouseStatusData();
    void sendLaserPenQuitMouseStatusData();

    // The device's firmware transfer over this link (section 11; VQOTATransfer).
    void sendStartOTAData();
    void sendCancelOTAData();
    // An update of the device's (or the receiver's) firmware was installed: its version is read
    // again (VQDeviceReportHandler::readVersionsAfterUpdate).
    void readVersionsAfterUpdate(bool receiver) { m_handler.readVersionsAfterUpdate(receiver); }

protected:
    explicit VQDeviceCommandManager(VQDeviceProtocol::Link link);

    // The chip plan of the connected device, or nullptr while none is connected.
    virtual const VQDeviceProtocol::ChipPlan* commandPlan() const = 0;
    // Hands one frame (or report of zeros) to the link's transport.
    virtual void write(const QByteArray& frame) = 0;
    // "no receiver open" or the like, for the log line of a command not sent.
    virtual QString noDeviceText() const = 0;

    // Builds the command in the connected device's plan and sends it.
    void send(quint8 command, const QByteArray& arguments = {});
    // Builds a frame for the connected device's plan and sends it; an empty frame was refused.
    void sendBuilt(const QString& what, const std::function<QByteArray(const VQDeviceProtocol::ChipPlan&)>& build);
    // Sends the frames for the connected device's plan, in order; none: the plan has no such
    // command or the value is out of range.
    void sendFrames(const QString& what,
                    const std::function<QList<QByteArray>(const VQDeviceProtocol::ChipPlan&)>& build);

    // One input report of the plan: voice reports go to the voice stream, the others to the
    // report handler.
    void takeReport(const VQDeviceProtocol::ChipPlan& plan, const QByteArray& bytes);
    // A device was connected: it is read and its battery polled from now on.
    void linkUp();
    // The device went away: the poll stops and a running voice stream ends.
    void linkDown();

    void setEventObserver(std::function<void(int eventCode)> observer);
    void setBatteryPollInterval(int ms) { m_batteryTimer.setInterval(ms); }
    // Tests only: stops the poll, restores its interval and ends a voice stream.
    void resetLinkForTests();

private:
    VQDeviceProtocol::Link m_link;
    VQDeviceReportHandler m_handler;
    QTimer m_batteryTimer;
    VQVoiceStream m_voice;
};
