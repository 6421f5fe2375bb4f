#pragma once

#include "SimulatedFirmwareUpdate.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>

class QLocalServer;
class QLocalSocket;
class SimulatedBleMouse;
class SimulatedDevice;
class SimulatedReceiver;
class SimulatedUsbPort;
class SimulatedVoiceSource;

// The control socket of the simulated-device program: a local socket on which a test (or a
// person with socat) plugs receivers in and out, brings the Bluetooth LE mouse in reach,
// presses keys, streams a WAV file as the device's voice, reports the battery, makes the
// device refuse settings, sets the mouse type the devices report, sets how firmware transfers
// go, opens the main window, asks what the program shows and what the device holds, and ends it. One command per line, one reply line per command
// ("ok ..." or "error <reason>"), in the order of the commands of that connection.
// docs/simulated-device.md lists the commands.
class SimulatedDeviceControl : public QObject {
    Q_OBJECT
public:
    SimulatedDeviceControl(SimulatedUsbPort& usb, SimulatedBleMouse& ble, QObject* parent = nullptr);
    ~SimulatedDeviceControl() override;

    // Listens at the path (an old socket file there is removed first).
    bool listen(const QString& path, QString* error);

    // What ends the program on "quit"; set by main.
    std::function<void()> onQuit;
    // The reply of "state", also once the program has quit (main writes it at exit); after the X
    // server's loss without reading a window ("windows" and "navigation" empty).
    QString state(bool withWindows = true) const;

private:
    using Reply = std::function<void(const QString& line)>;
    struct Client {
        QPointer<QLocalSocket> socket;
        QByteArray buffer;
        QList<QByteArray> queue;
        bool busy = false;       // a command waits for its reply
        bool discarding = false; // the rest of an over-long line is dropped
    };

    void newConnection();
    void readClient(Client* client);
    void runNext(Client* client);
    // Runs one command; reply is called once, possibly later.
    void execute(const QStringList& words, const Reply& reply);

    QString plug(const QStringList& words);
    QString unplug();
    QString bluetooth(bool inReach);
    QString pressOrRelease(const QStringList& words, bool press);
    void voice(const QStringList& words, const Reply& reply);
    QString battery(const QStringList& words);
    QString settings(const QStringList& words);
    QString mouseType(const QStringList& words);
    QString firmware(const QStringList& words);
    QString firmwareVersion(const QStringList& words);
    QString openMainWindow();
    QString page() const;
    QString showPage(const QStringList& words);

    // The device keys and battery reports go to: the connected Bluetooth LE mouse, else the
    // plugged receiver; nullptr when neither.
    SimulatedVoiceSource* activeVoice() const;
    SimulatedReceiver* activeReceiver() const;
    bool bleActive() const;
    void prepareReceiver(SimulatedReceiver& receiver);
    void prepareVoice(SimulatedVoiceSource& voice);
    // Gives the device's firmware side the fault and the version set from outside.
    void prepareFirmware(SimulatedDevice& device, bool receiver);
    // Records the text of each tip the program shows (for state's "tips").
    bool eventFilter(QObject* watched, QEvent* event) override;

    SimulatedUsbPort& m_usb;
    SimulatedBleMouse& m_ble;
    QLocalServer* m_server = nullptr;
    QList<Client*> m_clients;
    QList<qint16> m_sound;      // samples of the last voice file, 16 kHz
    QStringList m_heldKeys;     // names of the keys held down
    bool m_refuseSettings = false;
    int m_mouseType = -1;       // set by mouse-type; -1: each device's own
    bool m_bleInReach = false;
    Reply m_voiceReply;         // the voice command waiting for its stream to end
    QString m_voiceDone;        // its reply when the whole file was sent
    bool m_voiceAllSent = false;
    // Set by "firmware": the fault of the firmware transfer; unplug-at pulls the device away
    // when packet m_firmwarePacket arrives.
    SimulatedFirmwareUpdate::Fault m_firmwareFault = SimulatedFirmwareUpdate::Fault::None;
    bool m_firmwareUnplug = false;
    int m_firmwarePacket = 0;
    QString m_firmwareFaultText = QStringLiteral("none");
    QByteArray m_installedVersion; // reported after an install; empty: unchanged
    QStringList m_tips;            // texts of the tips shown, oldest first
    QElapsedTimer m_lastTip;       // since the last tip recorded
};
