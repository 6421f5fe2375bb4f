#pragma once

#include "VQDeviceProtocol.h"
#include "VQFirmwareFile.h"
#include "VQOTAProtocol.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>

// The firmware transfer of the device or of its USB receiver (docs/device-protocol.md,
// section 11), run for the command managers: the firmware file stored by VQOTAUpdateManager is
// read and checked on a worker thread (the main thread never waits for the disk), announced to
// the device, sent packet by packet (each acknowledged before the
// next leaves) and ended; the device then checks and installs it.
//
// Notifications, on the main thread: "kUpdateOTAProgressNotification" after each data packet
// with the integer part of index / count × 100 (0 up to below 100), then exactly one of
// "kUpdateOTASuccessNotification" (the device installed the image; the firmware file is deleted
// first), "kUpdateOTAFailNotification" (a missing, empty or malformed file, no device, a refusal,
// a failed packet or check, no answer within replyTimeoutMs, the device gone) or
// "kUpdateOTACancelNotification" (the cancel was confirmed, or the device cancelled by itself).
//
// One transfer at a time, device or receiver: a start while one runs is refused (logged, and
// posts nothing, since the notifications belong to the running transfer). Main thread only.
class VQOTATransfer : public QObject {
    Q_OBJECT
public:
    using Link = VQDeviceProtocol::Link;
    using Target = VQOTAProtocol::Target;

    static constexpr int kReplyTimeoutMs = 3000;

    static VQOTATransfer& sharedInstance();
    // Tests only: drops a running transfer without notifications and restores the time-out.
    static void resetForTests();

    // Starts the transfer of the target's stored firmware file over the link: the file is read
    // and checked first, away from the main thread, and the transfer counts as running from
    // this call. False when it was refused (another transfer runs; or, with no stored file or no
    // device on the link, it failed at once, after posting the failure); a bad file ends it later
    // with the failure notification. A cancel while the file is read ends it as cancelled.
    bool start(Link link, Target target);
    // Asks the device to cancel the target's running transfer. While the other target's transfer
    // runs on the same link the cancel is sent all the same (the device answers for the running
    // one); nothing is sent when no transfer runs on the link.
    void cancel(Link link, Target target);

    // For the end of the process, once the event loop no longer runs (the X server went away): a
    // transfer that has reached the device over the USB receiver gets its cancel queued there
    // (HIDDevice::sendQueuedReportsNow sends it), and nothing is posted. Over Bluetooth LE
    // nothing is sent: Qt Bluetooth writes through the event loop.
    void cancelAtProcessEnd();

    bool isRunning() const { return m_state != State::Idle; }
    Target target() const { return m_target; }

    // An answer of the device on the link (from the report handler).
    void handleReply(Link link, const VQOTAProtocol::Reply& reply);

    int replyTimeoutMs() const { return m_replyTimeoutMs; }
    // Tests only.
    void setReplyTimeoutMs(int ms) { m_replyTimeoutMs = ms; }

private:
    enum class State { Idle, Reading, Starting, Sending, Ending, Cancelling };
    enum class Outcome { Success, Failure, Cancelled };

    VQOTATransfer();

    // The link's frame, or nullptr when the link has no device.
    const VQDeviceProtocol::ChipPlan* linkPlan(Link link) const;
    // The file was read and checked: announces the image.
    void fileLoaded(VQFirmwareFile::ParseResult parsed);
    void send(const QByteArray& frame, const QString& what);
    void sendPacket(int index);
    void armTimer();
    void deviceGone(const QString& reason);
    void timedOut();
    void finish(Outcome outcome, const QString& reason);
    void failBeforeStart(const QString& reason);

    State m_state = State::Idle;
    Link m_link = Link::Usb;
    Target m_target = Target::Device;
    const VQDeviceProtocol::ChipPlan* m_plan = nullptr;
    QByteArray m_image;
    int m_packetSize = 0;
    int m_count = 0;
    int m_index = 0;
    // Counts transfers, so write results of an earlier one are recognised.
    quint64 m_generation = 0;
    QTimer m_timer;
    QObject m_observerOwner; // owns the notification observers of the running transfer
    int m_replyTimeoutMs = kReplyTimeoutMs;
};
