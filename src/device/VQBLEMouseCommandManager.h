#pragma once

#include "VQDeviceCommandManager.h"

#include <QByteArray>
#include <QString>

// The Bluetooth LE mouse: keeps one connected through the BLE central, sends it commands in
// plan 1's frame without padding and handles its notifications like receiver reports
// (docs/device-protocol.md, section 8). The commands are VQDeviceCommandManager's.
//
// A connection closes the USB receiver (HIDDevice closeHIDDevice), sets the connection state
// (bleConnect, isConnect, chip plan 1), posts "kBleConnectNotification" with the object true
// and reads the mouse; a disconnection cancels a running recognition, clears the state, posts
// "kBleConnectNotification" with the object false and opens the receiver again.
//
// Operations return at once without a result; without a connected mouse nothing is sent.
// Main thread only.
class VQBLEMouseCommandManager : public VQDeviceCommandManager {
    Q_OBJECT
public:
    static constexpr char kMouseNameFallback[] = "Bluetooth LE mouse";

    static VQBLEMouseCommandManager& sharedInstance();
    // Tests only: stops the central and forgets the connection without notifications.
    static void resetForTests();
    // Tests only: polls the battery at this interval from the next connection on.
    static void setBatteryPollIntervalForTests(int ms);

    // Starts looking for the mouse; the last step of start-up.
    void startScan();
    bool isConnected() const { return m_connected; }
    // The connected mouse's name, empty while none is connected.
    QString peripheralName() const { return m_name; }

    // The voice hub's press type as far as this mouse is concerned: the last press code its
    // voice keys produced; the hub sets it to 0 when a recognition ends.
    int pressType() const { return m_pressType; }
    void setPressType(int pressType) { m_pressType = pressType; }

protected:
    const VQDeviceProtocol::ChipPlan* commandPlan() const override;
    void write(const QByteArray& frame) override;
    QString noDeviceText() const override;

private:
    VQBLEMouseCommandManager();

    void connected(const QString& name);
    void disconnected();

    bool m_started = false;
    bool m_connected = false;
    QString m_name;
    int m_pressType = 0;
};
