#pragma once

#include "VQDeviceCommandManager.h"

#include <QByteArray>

#include <functional>

// The commands of the USB receiver in the frame of its chip plan, and the handling of its
// reports (docs/device-protocol.md). Reads the receiver when it is opened and its battery every
// kBatteryPollIntervalMs while it stays open; the commands both links share are
// VQDeviceCommandManager's. Here are those only a receiver takes.
//
// Operations send through HIDDevice and return at once, without a result; the device's reply
// updates the record and posts the notification. Without an open receiver nothing is sent.
// A value outside the protocol's range is refused with a log line and sends nothing.
//
// Main thread only.
class VQHidCommandManager : public VQDeviceCommandManager {
    Q_OBJECT
public:
    static VQHidCommandManager& sharedInstance();
    // Tests only: stops the battery poll (and restores its interval).
    static void resetForTests();
    // Tests only: polls the battery at this interval from the next opening on.
    static void setBatteryPollIntervalForTests(int ms);

    // Sets the report rate to the report-rate choice at index (VQUserInfoData reportRateArr):
    // the device takes the index and reads the rate back in hertz.
    void modifyReturnRate(int index);
    void sendOpenRGBData();
    void sendCloseRGBData();
    void sendGetXunFeiChipDeviceInfoData();

    // The pen's own laser and the countdown, sent through the open receiver whatever its plan.
    void sendTelinkLaserPenOpenHardLaserData();
    // sent (optional): told once the report has been written (true) or could not be (false).
    void sendTelinkLaserPenCloseHardLaserData(std::function<void(bool written)> sent = {});
    void sendTelinkLaserPenCountdownData(qint64 secondsLeft);

    // The receiver's own firmware transfer (docs/device-protocol.md, section 11; VQOTATransfer).
    void sendStartOTADongleData();
    void sendCancelOTADongleData();

protected:
    const VQDeviceProtocol::ChipPlan* commandPlan() const override;
    void write(const QByteArray& frame) override;
    QString noDeviceText() const override;

private:
    VQHidCommandManager();

    void opened();
    void closed(bool removed);
    void received(const QByteArray& report);
    // Sends a frame built for plan 6 through the open receiver, whatever its plan.
    void sendPenFrame(const QByteArray& frame, const QString& what);
};
