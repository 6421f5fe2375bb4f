#include "HIDDevice.h"

#include "HidTransport.h"
#include "MMLog.h"
#include "NotificationCenter.h"
#include "RunOnMain.h"
#include "VQNotificationNames.h"
#include "VQUserInfoData.h"
#include "VQVoiceShortcuts.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace {

bool g_startScheduled = false;

QString idText(int id)
{
    return QStringLiteral("%1").arg(id, 4, 16, QLatin1Char('0'));
}

} // namespace

HIDDevice& HIDDevice::sharedManager()
{
    static HIDDevice* device = [] {
        auto* created = new HIDDevice();
        g_startScheduled = true;
        QTimer::singleShot(0, created, [created] {
            if (g_startScheduled)
                created->start();
        });
        return created;
    }();
    return *device;
}

HIDDevice::HIDDevice()
{
    connect(&m_sendTimer, &mm::DeadlineTimer::timeout, this, &HIDDevice::pump);
    m_settleTimer.setSingleShot(true);
    connect(&m_settleTimer, &QTimer::timeout, this, [this] { attemptOpen(kOpenAttempts); });
    m_retryTimer.setSingleShot(true);
    connect(&m_retryTimer, &QTimer::timeout, this, [this] { attemptOpen(m_attemptsLeft); });
}

void HIDDevice::resetForTests()
{
    HIDDevice& d = sharedManager();
    g_startScheduled = false;
    d.m_settleTimer.stop();
    d.m_retryTimer.stop();
    d.m_sendTimer.stop();
    if (d.m_handle != 0)
        HidTransport::instance().close(d.m_handle);
    d.m_handle = 0;
    d.m_open = false;
    d.m_path.clear();
    d.m_model = {};
    ++d.m_generation;
    d.m_queue.clear();
    d.m_writing = false;
    d.m_lastStartNs = -1;
    d.m_heldForBluetooth = false;
    d.m_attemptsLeft = 0;
    if (d.m_watching)
        HidTransport::instance().watchHotplug({});
    d.m_watching = false;
    VQVoiceShortcuts::remove();
}

void HIDDevice::start()
{
    g_startScheduled = false;
    if (m_watching)
        return;
    m_watching = true;
    VQVoiceShortcuts::install();
    HidTransport::instance().watchHotplug([this](bool added, const QString& path) { hotplug(added, path); });
    if (!m_open && !m_heldForBluetooth)
        attemptOpen(1);
}

const VQDeviceProtocol::ChipPlan* HIDDevice::chipPlan() const
{
    return m_open ? VQDeviceProtocol::chipPlan(m_model.chipPlan) : nullptr;
}

void HIDDevice::openHIDDevice()
{
    m_heldForBluetooth = false;
    m_settleTimer.stop();
    if (!m_watching)
        start();
    if (m_open) {
        closeHandle();
        Q_EMIT deviceClosed(false);
    }
    attemptOpen(kOpenAttempts);
}

void HIDDevice::closeHIDDevice()
{
    m_heldForBluetooth = true;
    m_settleTimer.stop();
    m_retryTimer.stop();
    if (!m_open)
        return;
    VQLogInfo(QStringLiteral("receiver %1:%2 closed while Bluetooth LE is in use")
                  .arg(idText(m_model.vendorId), idText(m_model.productId)));
    closeHandle();
    Q_EMIT deviceClosed(false);
}

void HIDDevice::hotplug(bool added, const QString& path)
{
    if (!added) {
        if (m_open && path == m_path)
            removed(QStringLiteral("unplugged"));
        return;
    }
    if (m_open || m_heldForBluetooth)
        return;
    // A new interface: give the receiver a moment to finish enumerating all its interfaces.
    m_settleTimer.start(kSettleDelayMs);
}

void HIDDevice::attemptOpen(int attemptsLeft)
{
    m_retryTimer.stop();
    if (m_open || m_heldForBluetooth || attemptsLeft <= 0)
        return;
    HidTransport& transport = HidTransport::instance();
    const QList<HidDeviceInfo> devices = transport.enumerate();
    const HidDeviceInfo* found = nullptr;
    const VQDeviceProtocol::ReceiverModel* model = nullptr;
    for (const HidDeviceInfo& info : devices) {
        model = VQDeviceProtocol::matchReceiver(info.vendorId, info.productId, info.usagePage, info.usage);
        if (model) {
            found = &info;
            break;
        }
    }

    QString error;
    if (found) {
        const quint64 generation = m_generation + 1;
        const int handle = transport.open(
            found->path,
            [this, generation](const QByteArray& report) {
                if (generation == m_generation && m_open)
                    Q_EMIT reportReceived(report);
            },
            [this, generation](const QString& reason) {
                if (generation == m_generation && m_open)
                    removed(reason);
            },
            &error);
        if (handle > 0) {
            m_generation = generation;
            m_handle = handle;
            m_path = found->path;
            m_model = *model;
            m_open = true;
            m_lastStartNs = -1;

            VQUserInfoData& state = VQUserInfoData::sharedInstance();
            state.clearDeviceIdentity(); // a new device: nothing of the one before
            VQMouseInfoItem& record = state.mouseInfoItem();
            record.setVid(m_model.vendorId);
            record.setPid(m_model.productId);
            if (m_model.deviceType >= 0)
                record.setDeviceType(m_model.deviceType);
            state.setIsConnect(true);
            state.setBleConnect(false);
            state.setChipPlan(m_model.chipPlan);
            VQLogInfo(QStringLiteral("receiver %1:%2 opened at %3 (chip plan %4)")
                          .arg(idText(m_model.vendorId), idText(m_model.productId), m_path)
                          .arg(m_model.chipPlan));
            NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUSBInsertNotification));
            Q_EMIT deviceOpened();
            return;
        }
    } else {
        error = QStringLiteral("no receiver attached");
    }

    if (attemptsLeft > 1) {
        m_attemptsLeft = attemptsLeft - 1;
        m_retryTimer.start(kRetryIntervalMs);
    } else {
        VQLogInfo(QStringLiteral("no receiver opened: %1").arg(error));
    }
}

void HIDDevice::closeHandle()
{
    if (m_handle != 0)
        HidTransport::instance().close(m_handle);
    m_handle = 0;
    m_open = false;
    m_path.clear();
    ++m_generation; // results of the closed handle are recognised as stale
    m_writing = false;
    m_sendTimer.stop();
    failQueue(QStringLiteral("receiver closed"));
}

void HIDDevice::removed(const QString& reason)
{
    VQLogInfo(QStringLiteral("receiver %1:%2 removed: %3")
                  .arg(idText(m_model.vendorId), idText(m_model.productId), reason));
    closeHandle();
    VQUserInfoData& state = VQUserInfoData::sharedInstance();
    if (!state.bleConnect()) {
        state.setIsConnect(false);
        state.setChipPlan(0);
        state.clearDeviceIdentity();
    }
    NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUSBRemoveNotification));
    Q_EMIT deviceClosed(true);
}

void HIDDevice::hidRequestSendCommand(const QByteArray& frame, SendCallback callback)
{
    if (!m_open) {
        VQLogWarn(QStringLiteral("no receiver open; %1 not sent").arg(VQDeviceProtocol::hexString(frame)));
        callLater(std::move(callback), false, QStringLiteral("no receiver open"));
        return;
    }
    if (frame.isEmpty()) {
        callLater(std::move(callback), false, QStringLiteral("empty frame"));
        return;
    }
    const int length = chipPlan()->reportLength;
    QByteArray report = frame.left(length);
    report.resize(length, '\0');
    m_queue.push_back({report, std::move(callback)});
    pump();
}

void HIDDevice::pump()
{
    if (m_writing || m_queue.empty() || !m_open)
        return;
    if (m_lastStartNs >= 0) {
        // The device takes a report kSendIntervalMs after the one before began to leave.
        const qint64 dueNs = m_lastStartNs + qint64(kSendIntervalMs) * 1000000;
        if (mm::DeadlineTimer::nowNs() < dueNs) {
            m_sendTimer.start(dueNs);
            return;
        }
    }
    Pending next = std::move(m_queue.front());
    m_queue.pop_front();
    m_writing = true;
    const quint64 generation = m_generation;
    VQLogDebug(QStringLiteral("send %1").arg(VQDeviceProtocol::hexString(next.report)));
    // A report of zeros (report id 0) is no command of any plan: a receiver whose reports are
    // numbered may refuse it, which says nothing about the receiver being gone.
    const bool zeroReport = next.report.at(0) == '\0';
    auto finished = [this, generation, zeroReport, callback = std::move(next.callback)](
                        bool ok, const QString& error, qint64 startedNs) {
        writeFinished(generation, ok, error, startedNs, zeroReport, callback);
    };
    HidTransport::instance().write(m_handle, next.report, std::move(finished));
}

void HIDDevice::writeFinished(quint64 generation, bool ok, const QString& error, qint64 startedNs, bool zeroReport,
                              const SendCallback& callback)
{
    if (generation != m_generation) {
        // The receiver was closed while the report was in flight.
        if (callback)
            callback(false, QStringLiteral("receiver closed"));
        return;
    }
    m_writing = false;
    // The spacing to the next report counts from when this one began to leave, as the
    // transport saw it: a writer that started late pushes the next report back, and the time
    // the write took and its report back to this thread do not.
    m_lastStartNs = startedNs;
    if (callback)
        callback(ok, ok ? QString() : error);
    if (!ok && zeroReport) {
        VQLogInfo(QStringLiteral("report of zeros refused by the receiver: %1").arg(error));
        pump();
        return;
    }
    if (!ok) {
        // The first failed write of a command counts as removal.
        if (generation == m_generation && m_open)
            removed(error.isEmpty() ? QStringLiteral("write failed") : error);
        return;
    }
    pump();
}

bool HIDDevice::sendQueuedReportsNow(int waitMs)
{
    m_sendTimer.stop();
    if (!m_open)
        return m_queue.empty();
    HidTransport& transport = HidTransport::instance();
    const qint64 endNs = mm::DeadlineTimer::nowNs() + qint64(waitMs) * 1000000;
    const auto msLeft = [endNs] { return int(std::max<qint64>(0, endNs - mm::DeadlineTimer::nowNs()) / 1000000); };
    // The transport reports a write through the event loop: here a report counts as begun when
    // it is seen written, which only lengthens the spacing.
    if (m_writing) {
        if (!transport.waitForWrites(m_handle, msLeft()))
            return false;
        m_writing = false;
        m_lastStartNs = mm::DeadlineTimer::nowNs();
    }
    while (!m_queue.empty()) {
        const qint64 dueNs = m_lastStartNs < 0 ? 0 : m_lastStartNs + qint64(kSendIntervalMs) * 1000000;
        if (dueNs > endNs)
            return false;
        if (const qint64 early = dueNs - mm::DeadlineTimer::nowNs(); early > 0)
            std::this_thread::sleep_for(std::chrono::nanoseconds(early));
        const QByteArray report = std::move(m_queue.front().report);
        m_queue.pop_front();
        VQLogDebug(QStringLiteral("send %1").arg(VQDeviceProtocol::hexString(report)));
        transport.write(m_handle, report, {});
        if (!transport.waitForWrites(m_handle, msLeft()))
            return false;
        m_lastStartNs = mm::DeadlineTimer::nowNs();
    }
    return true;
}

void HIDDevice::failQueue(const QString& message)
{
    std::deque<Pending> dropped;
    dropped.swap(m_queue);
    for (Pending& pending : dropped)
        callLater(std::move(pending.callback), false, message);
}

void HIDDevice::callLater(SendCallback callback, bool success, const QString& message)
{
    if (!callback)
        return;
    mm::runOnMain([callback = std::move(callback), success, message] { callback(success, message); });
}
