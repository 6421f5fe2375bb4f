#pragma once

#include "DeadlineTimer.h"
#include "VQDeviceProtocol.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

#include <deque>
#include <functional>

// The USB receiver: finds it among the HID interfaces (vendor and product id, usage page and
// usage), follows it being plugged in and out, opens it, hands its input reports on and sends
// output reports one at a time, at least kSendIntervalMs apart: the next report is handed to the
// transport once the previous one is reported written and no earlier than kSendIntervalMs after
// the previous one began to leave, as the transport reports it (a late writer pushes the next
// report back; the write's own duration does not lengthen the spacing).
//
// Opening sets the ids, the connection state and the chip plan and posts
// "kUSBInsertNotification"; removal (the receiver unplugged, or the first read error or failed
// write of a command; a refused report of zeros is not one)
// clears them and posts "kUSBRemoveNotification". While a Bluetooth LE mouse is connected the
// receiver is kept closed (closeHIDDevice) and opened again afterwards (openHIDDevice), so one
// transport is active at a time.
//
// Main thread only; the transport's reader threads hand their reports to the main thread.
class HIDDevice : public QObject {
    Q_OBJECT
public:
    // Called once per frame on the main thread, never inside hidRequestSendCommand.
    using SendCallback = std::function<void(bool success, const QString& message)>;

    static constexpr int kSendIntervalMs = 50;
    // Time given to a newly plugged receiver before it is opened.
    static constexpr int kSettleDelayMs = 300;
    static constexpr int kOpenAttempts = 3;
    static constexpr int kRetryIntervalMs = 500;

    // Created on first use; it starts watching for receivers on the next turn of the event loop.
    static HIDDevice& sharedManager();
    // Tests only: closes the receiver without notifications, drops queued reports (their
    // callbacks are not called), stops watching and forgets everything. start() watches again.
    static void resetForTests();

    // Watches for receivers and opens one that is attached (idempotent). Also installs the
    // keyboard shortcuts of the voice functions (F1, F2, F3 by default; VQVoiceShortcuts).
    void start();

    // Vendor and product id of the open receiver; 0 when none is open.
    int currentVid() const { return m_open ? m_model.vendorId : 0; }
    int currentPid() const { return m_open ? m_model.productId : 0; }
    bool isOpen() const { return m_open; }
    // True while an opening waits for the settle delay or its next attempt.
    bool isOpening() const { return m_settleTimer.isActive() || m_retryTimer.isActive(); }
    // The open receiver's chip plan, or nullptr.
    const VQDeviceProtocol::ChipPlan* chipPlan() const;

    // Opens the receiver again (closing it first when open), with up to kOpenAttempts attempts
    // kRetryIntervalMs apart, and posts "kUSBInsertNotification" when it is open. Also ends the
    // Bluetooth hold of closeHIDDevice().
    void openHIDDevice();
    // Closes the receiver and keeps it closed, also when it is plugged in again, until
    // openHIDDevice(). Posts nothing: the connection goes over to Bluetooth LE.
    void closeHIDDevice();

    // Sends the frame as one output report of the open receiver's plan: its first byte is the
    // report id, and it is cut to, or filled with zeros up to, the plan's report length. Frames
    // are queued while another report is in flight and leave in order. Without a receiver the
    // callback gets false.
    void hidRequestSendCommand(const QByteArray& frame, SendCallback callback = {});

    // For the end of the process, once the event loop no longer runs (the X server went away):
    // the report in flight and the queued ones leave now, on this thread, kSendIntervalMs apart
    // as always (counted from when each was seen written), waiting at most waitMs in all. Their
    // callbacks are not called, and a failed write closes nothing. False when some did not
    // leave in time.
    bool sendQueuedReportsNow(int waitMs);

    // Output reports waiting to leave (the one in flight excluded).
    int queuedReportCount() const { return int(m_queue.size()); }

Q_SIGNALS:
    // The receiver is open and announced; the command manager reads it now.
    void deviceOpened();
    // The receiver was closed; removed is true when it went away (unplugged or failed).
    void deviceClosed(bool removed);
    // One input report of the open receiver.
    void reportReceived(const QByteArray& report);

private:
    struct Pending {
        QByteArray report;
        SendCallback callback;
    };

    HIDDevice();

    void hotplug(bool added, const QString& path);
    void attemptOpen(int attemptsLeft);
    void closeHandle();
    void removed(const QString& reason);
    void pump();
    void writeFinished(quint64 generation, bool ok, const QString& error, qint64 startedNs, bool zeroReport,
                       const SendCallback& callback);
    void failQueue(const QString& message);
    static void callLater(SendCallback callback, bool success, const QString& message);

    bool m_watching = false;
    bool m_heldForBluetooth = false;
    bool m_open = false;
    int m_handle = 0;
    QString m_path;
    VQDeviceProtocol::ReceiverModel m_model;
    // Counts openings, so results of an earlier opening are recognised.
    quint64 m_generation = 0;

    std::deque<Pending> m_queue;
    bool m_writing = false;
    qint64 m_lastStartNs = -1; // when the last report began to leave (DeadlineTimer's clock), -1 none
    mm::DeadlineTimer m_sendTimer;
    QTimer m_settleTimer;
    QTimer m_retryTimer;
    int m_attemptsLeft = 0;
};
