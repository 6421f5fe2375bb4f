#pragma once

#include "VQDeviceReportHandler.h"
#include "VQVoiceStream.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>

// The Bluetooth LE mouse: keeps one connected through the BLE central, sends it commands in
// plan 1's frame without padding and handles its notifications like receiver reports
// (docs/device-protocol.md, section 8).
//
// A connection closes the USB receiver (HIDDevice closeHIDDevice), sets the connection state
// (bleConnect, isConnect, chip plan 1), posts "kBleConnectNotification" with the object true
// and reads the mouse; a disconnection cancels a running recognition, clears the state, posts
// "kBleConnectNotification" with the object false and opens the receiver again.
//
// Operations return at once without a result; without a connected mouse nothing is sent.
// Main thread only.
class VQBLEMouseCommandManager : public QObject {
    Q_OBJECT
public:
    static constexpr int kBatteryPollIntervalMs = 300 * 1000;
    static constexpr char kMouseNameFallback[] = "Bluetooth LE mouse";

    static VQBLEMouseCommandManager& sharedInstance();
    // Tests only: stops the central and forgets the connection without notifications.
    static void resetForTests();
    // Tests only: polls the battery at this interval from the next connection on.
    static void setBatteryPollIntervalForTests(int ms);
    bool isBatteryPollActive() const { return m_batteryTimer.isActive(); }

    // True while the mouse streams voice (docs/device-protocol.md, section 10).
    bool isStartVoice() const { return m_voice.isStreaming(); }

    // Starts looking for the mouse; the last step of start-up.
    void startScan();
    bool isConnected() const { return m_connected; }
    // The connected mouse's name, empty while none is connected.
    QString peripheralName() const { return m_name; }

    // The voice hub's press type as far as this mouse is concerned: the last press code its
    // voice keys produced; the hub sets it to 0 when a recognition ends.
    int pressType() const { return m_pressType; }
    void setPressType(int pressType) { m_pressType = pressType; }

    void sendSetDpiData(qint64 step);
    void sendSetLightingEffectsModeData(qint64 mode);
    void sendSetLightingEffectsBrightnessData(qint64 brightness);
    void sendSetLightingEffectsSpeedData(qint64 speed);
    void sendSetLightingEffectsColorData(qint64 color);
    void sendSetMouseLeftOrRightHandBehaviorData(qint64 hand);
    void sendOpenMicData();
    void sendCloseMicData();
    void sendKeyCommandDataKeyCode1(int keyCode1, int keyCode2);
    void sendOpenLedData();
    void sendCloseLedData();
    void sendGetElectricData();
    void sendLaserPenModeData(int mode);
    void sendLaserPenEnterMouseStatusData();
    void sendLaserPenQuitMouseStatusData();

    // The mouse's firmware transfer (docs/device-protocol.md, section 11; VQOTATransfer).
    void sendStartOTAData();
    void sendCancelOTAData();

    const VQDeviceReportHandler& reportHandler() const { return m_handler; }

private:
    VQBLEMouseCommandManager();

    void connected(const QString& name);
    void disconnected();
    void send(quint8 command, const QByteArray& arguments = {});
    void sendFrame(const QByteArray& frame, const QString& what);

    VQDeviceReportHandler m_handler;
    QTimer m_batteryTimer;
    VQVoiceStream m_voice{VQDeviceProtocol::Link::Bluetooth};
    bool m_started = false;
    bool m_connected = false;
    QString m_name;
    int m_pressType = 0;
};
