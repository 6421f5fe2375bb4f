#include "VQOTATransfer.h"

#include "BleCentral.h"
#include "HIDDevice.h"
#include "MMLog.h"
#include "NotificationCenter.h"
#include "VQBLEMouseCommandManager.h"
#include "VQFirmwareFile.h"
#include "VQHidCommandManager.h"
#include "VQNotificationNames.h"
#include "VQOTAUpdateManager.h"

using namespace VQDeviceProtocol;

namespace {

QString targetText(VQOTATransfer::Target target)
{
    return target == VQOTATransfer::Target::Device ? QStringLiteral("device") : QStringLiteral("receiver");
}

void post(const char* name, const QVariant& object = {})
{
    NotificationCenter::defaultCenter().post(QString::fromLatin1(name), object);
}

} // namespace

VQOTATransfer& VQOTATransfer::sharedInstance()
{
    static VQOTATransfer* transfer = new VQOTATransfer();
    return *transfer;
}

VQOTATransfer::VQOTATransfer()
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &VQOTATransfer::timedOut);
    connect(&HIDDevice::sharedManager(), &HIDDevice::deviceClosed, this, [this](bool removed) {
        if (isRunning() && m_link == Link::Usb)
            deviceGone(removed ? QStringLiteral("the receiver was removed") : QStringLiteral("the receiver was closed"));
    });
}

void VQOTATransfer::resetForTests()
{
    VQOTATransfer& t = sharedInstance();
    t.m_timer.stop();
    NotificationCenter::defaultCenter().removeObserver(&t.m_observerOwner);
    t.m_state = State::Idle;
    t.m_image.clear();
    t.m_plan = nullptr;
    ++t.m_generation;
    t.m_replyTimeoutMs = kReplyTimeoutMs;
}

const ChipPlan* VQOTATransfer::linkPlan(Link link) const
{
    if (link == Link::Bluetooth)
        return VQBLEMouseCommandManager::sharedInstance().isConnected() ? &bluetoothPlan() : nullptr;
    return HIDDevice::sharedManager().chipPlan();
}

bool VQOTATransfer::start(Link link, Target target)
{
    if (isRunning()) {
        VQLogWarn(QStringLiteral("%1 firmware transfer refused: the %2 firmware transfer is running")
                      .arg(targetText(target), targetText(m_target)));
        return false;
    }
    m_link = link;
    m_target = target;

    VQOTAUpdateManager& files = VQOTAUpdateManager::sharedInstance();
    const QString path = target == Target::Device ? files.otaFilePath() : files.dongleOTAFilePath();
    if (path.isEmpty()) {
        failBeforeStart(QStringLiteral("no firmware file"));
        return false;
    }
    const ChipPlan* plan = linkPlan(link);
    if (!plan) {
        failBeforeStart(link == Link::Usb ? QStringLiteral("no receiver open")
                                          : QStringLiteral("no Bluetooth LE device connected"));
        return false;
    }

    ++m_generation;
    m_state = State::Reading;
    if (link == Link::Bluetooth) {
        NotificationCenter::defaultCenter().addObserver(
            &m_observerOwner, QString::fromLatin1(vq::kBleConnectNotification), [this](const VQNotification& n) {
                if (!n.object.toBool() && isRunning() && m_link == Link::Bluetooth)
                    deviceGone(QStringLiteral("the Bluetooth LE device was disconnected"));
            });
    }
    // The file is read and checked away from the main thread, up to the largest image the
    // link's plan carries.
    const quint64 generation = m_generation;
    VQFirmwareFile::loadFile(path, VQOTAProtocol::maxImageBytes(*plan), [this, generation](VQFirmwareFile::ParseResult parsed) {
        if (generation == m_generation && m_state == State::Reading)
            fileLoaded(std::move(parsed));
    });
    return true;
}

void VQOTATransfer::fileLoaded(VQFirmwareFile::ParseResult parsed)
{
    if (!parsed.ok()) {
        finish(Outcome::Failure, parsed.error);
        return;
    }
    const ChipPlan* plan = linkPlan(m_link);
    if (!plan) {
        deviceGone(m_link == Link::Usb ? QStringLiteral("no receiver open")
                                       : QStringLiteral("no Bluetooth LE device connected"));
        return;
    }
    const qint64 count = VQOTAProtocol::packetCount(*plan, parsed.bytes.size());
    if (count <= 0 || count > VQOTAProtocol::kMaxPacketCount) {
        finish(Outcome::Failure, QStringLiteral("an image of %1 bytes does not fit the transfer").arg(parsed.bytes.size()));
        return;
    }
    const QByteArray frame = VQOTAProtocol::startFrame(*plan, m_target, parsed.bytes.size(), int(count),
                                                       parsed.crc);
    if (frame.isEmpty()) {
        finish(Outcome::Failure, QStringLiteral("the start frame does not fit chip plan %1").arg(plan->plan));
        return;
    }

    m_plan = plan;
    m_image = std::move(parsed.bytes);
    m_packetSize = VQOTAProtocol::packetDataSize(*plan);
    m_count = int(count);
    m_index = 0;
    m_state = State::Starting;
    VQLogInfo(QStringLiteral("%1 firmware transfer: %2 bytes in %3 packets")
                  .arg(targetText(m_target))
                  .arg(m_image.size())
                  .arg(m_count));
    send(frame, QStringLiteral("start"));
    if (isRunning())
        armTimer();
}

void VQOTATransfer::cancel(Link link, Target target)
{
    if (isRunning() && m_link == link && m_target != target) {
        // The other target's transfer runs on this link: the cancel still goes to the device,
        // which decides; its answer ends the running transfer as the device's own cancel would.
        const ChipPlan* plan = m_plan ? m_plan : linkPlan(link);
        if (!plan)
            return;
        VQLogInfo(QStringLiteral("%1 firmware cancel sent while the %2 firmware transfer runs")
                      .arg(targetText(target), targetText(m_target)));
        send(VQOTAProtocol::cancelFrame(*plan, target), QStringLiteral("%1 cancel").arg(targetText(target)));
        return;
    }
    if (!isRunning() || m_link != link || m_target != target) {
        VQLogInfo(QStringLiteral("no %1 firmware transfer to cancel").arg(targetText(target)));
        return;
    }
    if (m_state == State::Cancelling)
        return;
    if (m_state == State::Reading) {
        // Nothing has reached the device yet.
        finish(Outcome::Cancelled, QStringLiteral("cancelled while the file was being read"));
        return;
    }
    m_state = State::Cancelling;
    send(VQOTAProtocol::cancelFrame(*m_plan, m_target), QStringLiteral("cancel"));
    if (isRunning())
        armTimer();
}

void VQOTATransfer::cancelAtProcessEnd()
{
    const bool reachedDevice = m_state == State::Starting || m_state == State::Sending || m_state == State::Ending;
    if (!reachedDevice || m_link != Link::Usb || !m_plan)
        return;
    VQLogInfo(QStringLiteral("%1 firmware transfer cancelled: the program ends").arg(targetText(m_target)));
    m_state = State::Cancelling;
    m_timer.stop();
    HIDDevice::sharedManager().hidRequestSendCommand(VQOTAProtocol::cancelFrame(*m_plan, m_target));
}

void VQOTATransfer::handleReply(Link link, const VQOTAProtocol::Reply& reply)
{
    if (!isRunning() || link != m_link) {
        VQLogInfo(QStringLiteral("firmware transfer answer %1 without a transfer ignored")
                      .arg(reply.command, 2, 16, QLatin1Char('0')));
        return;
    }
    const bool failed = reply.status != VQOTAProtocol::kStatusOk;
    switch (reply.command) {
    case VQOTAProtocol::Start:
        if (m_state != State::Starting && !(m_state == State::Cancelling && failed))
            break;
        if (failed)
            finish(Outcome::Failure, QStringLiteral("the device refused the firmware"));
        else
            sendPacket(0);
        return;
    case VQOTAProtocol::Data:
        if (failed && (m_state == State::Sending || m_state == State::Cancelling)) {
            finish(Outcome::Failure, QStringLiteral("the device failed to write packet %1").arg(reply.index));
            return;
        }
        if (m_state != State::Sending || reply.index != m_index)
            break;
        if (m_index + 1 < m_count) {
            sendPacket(m_index + 1);
        } else {
            m_state = State::Ending;
            send(VQOTAProtocol::endFrame(*m_plan, m_target), QStringLiteral("end"));
            if (isRunning())
                armTimer();
        }
        return;
    case VQOTAProtocol::End:
        // The device's word wins, also over a cancel it may not have seen yet.
        if (m_state != State::Ending && m_state != State::Cancelling)
            break;
        if (failed)
            finish(Outcome::Failure, QStringLiteral("the device rejected the image"));
        else
            finish(Outcome::Success, QString());
        return;
    case VQOTAProtocol::Cancel:
        finish(Outcome::Cancelled, m_state == State::Cancelling ? QStringLiteral("cancel confirmed")
                                                                : QStringLiteral("the device cancelled"));
        return;
    default:
        break;
    }
    VQLogInfo(QStringLiteral("firmware transfer answer %1 (packet %2) out of turn ignored")
                  .arg(reply.command, 2, 16, QLatin1Char('0'))
                  .arg(reply.index));
}

void VQOTATransfer::sendPacket(int index)
{
    m_state = State::Sending;
    m_index = index;
    const QByteArray bytes = m_image.mid(qsizetype(index) * m_packetSize, m_packetSize);
    send(VQOTAProtocol::dataFrame(*m_plan, index, bytes), QStringLiteral("packet %1").arg(index));
    if (!isRunning())
        return;
    armTimer();
    post(vq::kUpdateOTAProgressNotification, int(qint64(index) * 100 / m_count));
}

void VQOTATransfer::send(const QByteArray& frame, const QString& what)
{
    if (frame.isEmpty()) {
        finish(Outcome::Failure, QStringLiteral("%1 does not fit the frame").arg(what));
        return;
    }
    if (m_link == Link::Bluetooth) {
        if (!VQBLEMouseCommandManager::sharedInstance().isConnected()) {
            deviceGone(QStringLiteral("the Bluetooth LE device is not connected"));
            return;
        }
        BleCentral::instance().write(frame);
        return;
    }
    if (!HIDDevice::sharedManager().isOpen()) {
        deviceGone(QStringLiteral("no receiver open"));
        return;
    }
    const quint64 generation = m_generation;
    HIDDevice::sharedManager().hidRequestSendCommand(frame, [this, generation, what](bool ok, const QString& message) {
        if (!ok && generation == m_generation && isRunning())
            deviceGone(QStringLiteral("%1 not sent: %2").arg(what, message));
    });
}

void VQOTATransfer::armTimer()
{
    m_timer.start(m_replyTimeoutMs);
}

void VQOTATransfer::deviceGone(const QString& reason)
{
    // A cancelled transfer whose device went away is over as cancelled; anything else failed.
    finish(m_state == State::Cancelling ? Outcome::Cancelled : Outcome::Failure, reason);
}

void VQOTATransfer::timedOut()
{
    if (!isRunning())
        return;
    if (m_state == State::Cancelling)
        finish(Outcome::Cancelled, QStringLiteral("the device did not confirm the cancel"));
    else
        finish(Outcome::Failure, QStringLiteral("the device did not answer"));
}

void VQOTATransfer::finish(Outcome outcome, const QString& reason)
{
    if (!isRunning())
        return;
    const Target target = m_target;
    m_timer.stop();
    NotificationCenter::defaultCenter().removeObserver(&m_observerOwner);
    m_state = State::Idle;
    m_image.clear();
    m_plan = nullptr;
    ++m_generation;

    switch (outcome) {
    case Outcome::Success:
        VQLogInfo(QStringLiteral("%1 firmware installed").arg(targetText(target)));
        if (target == Target::Device)
            VQOTAUpdateManager::sharedInstance().deleteOTAFile();
        else
            VQOTAUpdateManager::sharedInstance().deleteDongleOTAFile();
        post(vq::kUpdateOTASuccessNotification);
        // The installed version replaces the old one in the record, or the next firmware check
        // would offer the same file again.
        if (m_link == Link::Usb)
            VQHidCommandManager::sharedInstance().readVersionsAfterUpdate(target == Target::Receiver);
        else
            VQBLEMouseCommandManager::sharedInstance().readVersionsAfterUpdate(false);
        break;
    case Outcome::Failure:
        VQLogWarn(QStringLiteral("%1 firmware transfer failed: %2").arg(targetText(target), reason));
        post(vq::kUpdateOTAFailNotification);
        break;
    case Outcome::Cancelled:
        VQLogInfo(QStringLiteral("%1 firmware transfer cancelled: %2").arg(targetText(target), reason));
        post(vq::kUpdateOTACancelNotification);
        break;
    }
}

void VQOTATransfer::failBeforeStart(const QString& reason)
{
    VQLogWarn(QStringLiteral("%1 firmware transfer not started: %2").arg(targetText(m_target), reason));
    post(vq::kUpdateOTAFailNotification);
}
