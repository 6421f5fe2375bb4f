#pragma once

#include "HidTransport.h"
#include "SimulatedReceiver.h"

#include <memory>
#include <optional>

// The USB port of the simulated-device program: the HID transport the program is given, with
// one simulated receiver at a time behind it, plugged in and pulled out from outside.
//
// The receiver pulled out last stays behind the port until the next one is plugged in, so the
// program's late close() of its handle reaches the receiver that handle belongs to.
class SimulatedUsbPort : public HidTransport {
public:
    SimulatedUsbPort();
    ~SimulatedUsbPort() override;

    // The receiver of a vendor and product id of docs/device-protocol.md section 2 (its chip
    // plan gives the frame); nullopt for ids the page does not list.
    static std::optional<SimulatedReceiver::Model> modelFor(int vendorId, int productId);

    // Plugs in a new receiver of the model; nullptr while one is plugged in.
    SimulatedReceiver* plug(const SimulatedReceiver::Model& model);
    // Pulls the plugged receiver out; false when none is plugged in.
    bool unplug();
    // The plugged receiver, or nullptr.
    SimulatedReceiver* plugged() const;

    // HidTransport
    QList<HidDeviceInfo> enumerate() override;
    void watchHotplug(HotplugHandler handler) override;
    int open(const QString& path, ReportHandler onReport, ErrorHandler onError, QString* error) override;
    void write(int handle, const QByteArray& report, WriteDone done) override;
    void close(int handle) override;

private:
    std::unique_ptr<SimulatedReceiver> m_receiver;
    HotplugHandler m_hotplug;
};
