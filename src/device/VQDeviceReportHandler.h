#pragma once

#include "VQDeviceProtocol.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>

#include <functional>

// What a report from the device does, the same over USB and Bluetooth LE: it is parsed, written
// into the device record and the state singleton, announced with its notification, and key
// reports are turned into event codes for the voice hub, keys for the laser-pen manager or AI
// helper keys. Acknowledged settings are read back, and the lighting of mouse types 56 and 72
// is read after their device information.
//
// Reports that are malformed, cut off, unknown or hold impossible values change nothing and
// are logged (at most kLogLinesPerWindow lines per kLogWindowMs, then a count), so a device
// sending garbage cannot flood the log.
//
// Main thread only.
class VQDeviceReportHandler {
public:
    // Sends one command of the handler's link: the command byte and its arguments.
    using Sender = std::function<void(quint8 command, const QByteArray& arguments)>;

    static constexpr int kLogLinesPerWindow = 10;
    static constexpr int kLogWindowMs = 10000;

    VQDeviceReportHandler(VQDeviceProtocol::Link link, Sender sender);

    // Parses one input report (for Bluetooth LE: one notification) of the plan and applies it.
    void handleReport(const VQDeviceProtocol::ChipPlan& plan, const QByteArray& bytes);

    // The reads that follow a connection (section 6 of the protocol page).
    void readDevice();
    void readBattery();
    // After an installed firmware update: reads the firmware version (and, after the receiver's,
    // the receiver version) now and again after the device's next device-information report, when
    // the restarted device answers with its new version.
    void readVersionsAfterUpdate(bool receiver);
    // Tests only: no versions are read again.
    void forgetUpdateForTests() { m_versionsAfterUpdate = 0; }

    // Called with each event code just before the voice hub gets it.
    void setEventObserver(std::function<void(int eventCode)> observer) { m_eventObserver = std::move(observer); }

    // Reports ignored since creation (for diagnostics and tests).
    int ignoredCount() const { return m_ignored; }

private:
    void apply(const VQDeviceProtocol::Report& report);
    void applyDeviceInfo(const VQDeviceProtocol::DeviceInfo& info);
    void applyKey(int keyNumber);
    void applyPenKey(VQDeviceProtocol::PenKey key);
    void toHub(int eventCode);
    void read(VQDeviceProtocol::Command command);
    void readUpdatedVersions();
    void ignore(const QString& reason, const QByteArray& bytes);

    VQDeviceProtocol::Link m_link;
    Sender m_send;
    std::function<void(int eventCode)> m_eventObserver;
    int m_ignored = 0;
    QElapsedTimer m_logWindow;
    int m_loggedInWindow = 0;
    int m_unlogged = 0;
    // The versions to read again after the next device information: 0 none, 1 the firmware
    // version, 2 also the receiver version.
    int m_versionsAfterUpdate = 0;
};
