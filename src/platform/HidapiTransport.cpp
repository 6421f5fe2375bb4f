#include "HidapiTransport.h"

#include "DeadlineTimer.h"
#include "MMLog.h"
#include "RunOnMain.h"

#include <QSet>
#include <QSocketNotifier>
#include <QTimer>

#include <hidapi/hidapi.h>
#include <libudev.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace {

QString wideText(const wchar_t* text)
{
    return text ? QString::fromWCharArray(text) : QString();
}

QString deviceError(hid_device* device, const char* fallback)
{
    const QString text = device ? wideText(hid_error(device)) : QString();
    return text.isEmpty() ? QString::fromLatin1(fallback) : text;
}

} // namespace

// One open device: a reading and a writing hidapi handle, each owned by its thread.
struct HidapiTransport::Connection {
    int handle = 0;
    ReportHandler onReport;
    ErrorHandler onError;
    bool open = true; // main thread only: false once closed, so nothing is delivered afterwards

    hid_device* readDevice = nullptr;
    hid_device* writeDevice = nullptr;
    std::weak_ptr<Connection> self;
    std::thread reader;
    std::thread writer;
    std::atomic<bool> stop{false};
    std::atomic<int> running{0};

    std::mutex mutex;
    std::condition_variable wake;
    std::deque<std::pair<QByteArray, WriteDone>> writes;
    bool writing = false;             // a report is being written
    std::condition_variable drained;  // a report left, or the writer stopped

    void readLoop();
    void writeLoop();
    void failOnMain(const QString& reason);
};

void HidapiTransport::Connection::failOnMain(const QString& reason)
{
    mm::runOnMain([weak = self, reason] {
        const auto connection = weak.lock();
        if (connection && connection->open && connection->onError)
            connection->onError(reason);
    });
}

void HidapiTransport::Connection::readLoop()
{
    std::vector<unsigned char> buffer(kReadBufferSize);
    while (!stop.load()) {
        const int count = hid_read_timeout(readDevice, buffer.data(), buffer.size(), kReadTimeoutMs);
        if (count < 0) {
            if (!stop.load())
                failOnMain(deviceError(readDevice, "read failed"));
            break;
        }
        if (count == 0)
            continue;
        QByteArray report(reinterpret_cast<const char*>(buffer.data()), count);
        mm::runOnMain([weak = self, report] {
            const auto connection = weak.lock();
            if (connection && connection->open && connection->onReport)
                connection->onReport(report);
        });
    }
    hid_close(readDevice);
    readDevice = nullptr;
    running.fetch_sub(1);
}

void HidapiTransport::Connection::writeLoop()
{
    for (;;) {
        std::unique_lock lock(mutex);
        wake.wait(lock, [this] { return stop.load() || !writes.empty(); });
        if (stop.load())
            break;
        auto [report, done] = std::move(writes.front());
        writes.pop_front();
        writing = true;
        lock.unlock();

        const qint64 startedNs = mm::DeadlineTimer::nowNs();
        const int written = hid_write(writeDevice, reinterpret_cast<const unsigned char*>(report.constData()),
                                      size_t(report.size()));
        const bool ok = written >= 0;
        const QString error = ok ? QString() : deviceError(writeDevice, "write failed");
        if (done)
            mm::runOnMain([done = std::move(done), ok, error, startedNs] { done(ok, error, startedNs); });
        lock.lock();
        writing = false;
        lock.unlock();
        drained.notify_all();
    }
    // Reports still queued when the device was closed never left.
    std::deque<std::pair<QByteArray, WriteDone>> left;
    {
        const std::lock_guard lock(mutex);
        left.swap(writes);
    }
    drained.notify_all();
    for (auto& item : left) {
        if (item.second)
            mm::runOnMain([done = std::move(item.second), now = mm::DeadlineTimer::nowNs()] {
                done(false, QStringLiteral("device closed"), now);
            });
    }
    hid_close(writeDevice);
    writeDevice = nullptr;
    running.fetch_sub(1);
}

HidapiTransport::HidapiTransport(QObject* parent)
    : QObject(parent)
{
    m_hidapiReady = hid_init() == 0;
    if (!m_hidapiReady)
        VQLogError(QStringLiteral("hidapi could not be initialised: %1").arg(wideText(hid_error(nullptr))));
}

HidapiTransport::~HidapiTransport()
{
    stopWatching();
    const auto connections = m_connections;
    for (const auto& [handle, connection] : connections)
        close(handle);
    reapFinished(true);
    if (m_hidapiReady)
        hid_exit();
}

QList<HidDeviceInfo> HidapiTransport::enumerate()
{
    QList<HidDeviceInfo> list;
    if (!m_hidapiReady)
        return list;
    hid_device_info* first = hid_enumerate(0, 0);
    for (hid_device_info* info = first; info != nullptr; info = info->next) {
        HidDeviceInfo item;
        item.path = QString::fromLocal8Bit(info->path);
        item.vendorId = info->vendor_id;
        item.productId = info->product_id;
        item.usagePage = info->usage_page;
        item.usage = info->usage;
        item.interfaceNumber = info->interface_number;
        item.serialNumber = wideText(info->serial_number);
        item.manufacturer = wideText(info->manufacturer_string);
        item.product = wideText(info->product_string);
        list.append(item);
    }
    hid_free_enumeration(first);
    return list;
}

void HidapiTransport::watchHotplug(HotplugHandler handler)
{
    stopWatching();
    m_hotplug = std::move(handler);
    if (!m_hotplug)
        return;
    if (startUdevMonitor())
        return;
    if (!m_loggedMonitorFailure) {
        VQLogWarn(QStringLiteral("no udev monitor for hidraw devices; looking for receivers every %1 ms instead")
                      .arg(kFallbackScanIntervalMs));
        m_loggedMonitorFailure = true;
    }
    m_knownPaths.clear();
    for (const HidDeviceInfo& info : enumerate())
        m_knownPaths.append(info.path);
    m_scanTimer = new QTimer(this);
    m_scanTimer->setInterval(kFallbackScanIntervalMs);
    connect(m_scanTimer, &QTimer::timeout, this, &HidapiTransport::scanForChanges);
    m_scanTimer->start();
}

bool HidapiTransport::startUdevMonitor()
{
    m_udev = udev_new();
    if (!m_udev)
        return false;
    m_monitor = udev_monitor_new_from_netlink(m_udev, "udev");
    if (!m_monitor || udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "hidraw", nullptr) < 0
        || udev_monitor_enable_receiving(m_monitor) < 0) {
        stopWatching();
        return false;
    }
    const int fd = udev_monitor_get_fd(m_monitor);
    if (fd < 0) {
        stopWatching();
        return false;
    }
    m_notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &HidapiTransport::readUdevEvents);
    return true;
}

void HidapiTransport::stopWatching()
{
    delete m_notifier;
    m_notifier = nullptr;
    delete m_scanTimer;
    m_scanTimer = nullptr;
    if (m_monitor)
        udev_monitor_unref(m_monitor);
    m_monitor = nullptr;
    if (m_udev)
        udev_unref(m_udev);
    m_udev = nullptr;
}

void HidapiTransport::readUdevEvents()
{
    if (!m_monitor)
        return;
    // The monitor's socket does not block: read until it is empty.
    while (udev_device* device = udev_monitor_receive_device(m_monitor)) {
        const char* action = udev_device_get_action(device);
        const char* node = udev_device_get_devnode(device);
        const QString path = node ? QString::fromLocal8Bit(node) : QString();
        const QByteArray what = action ? QByteArray(action) : QByteArray();
        udev_device_unref(device);
        if (path.isEmpty() || (what != "add" && what != "remove"))
            continue;
        const HotplugHandler handler = m_hotplug;
        if (handler)
            handler(what == "add", path);
    }
}

void HidapiTransport::scanForChanges()
{
    QList<QString> now;
    for (const HidDeviceInfo& info : enumerate()) {
        if (!now.contains(info.path))
            now.append(info.path);
    }
    const QList<QString> before = m_knownPaths;
    m_knownPaths = now;
    const HotplugHandler handler = m_hotplug;
    if (!handler)
        return;
    for (const QString& path : before) {
        if (!now.contains(path))
            handler(false, path);
    }
    for (const QString& path : now) {
        if (!before.contains(path))
            handler(true, path);
    }
}

int HidapiTransport::open(const QString& path, ReportHandler onReport, ErrorHandler onError, QString* error)
{
    reapFinished(false);
    const auto fail = [error](const QString& reason) {
        if (error)
            *error = reason;
        return 0;
    };
    if (!m_hidapiReady)
        return fail(QStringLiteral("hidapi is not available"));
    const QByteArray nativePath = path.toLocal8Bit();
    hid_device* readDevice = hid_open_path(nativePath.constData());
    if (!readDevice)
        return fail(QStringLiteral("cannot open %1: %2").arg(path, wideText(hid_error(nullptr))));
    hid_device* writeDevice = hid_open_path(nativePath.constData());
    if (!writeDevice) {
        hid_close(readDevice);
        return fail(QStringLiteral("cannot open %1 for writing: %2").arg(path, wideText(hid_error(nullptr))));
    }

    auto connection = std::make_shared<Connection>();
    connection->handle = m_nextHandle++;
    connection->onReport = std::move(onReport);
    connection->onError = std::move(onError);
    connection->readDevice = readDevice;
    connection->writeDevice = writeDevice;
    connection->self = connection;
    connection->running.store(2);
    Connection* raw = connection.get();
    connection->reader = std::thread([raw] { raw->readLoop(); });
    connection->writer = std::thread([raw] { raw->writeLoop(); });
    m_connections.emplace(connection->handle, connection);
    return connection->handle;
}

void HidapiTransport::write(int handle, const QByteArray& report, WriteDone done)
{
    const auto it = m_connections.find(handle);
    if (it == m_connections.end() || report.isEmpty()) {
        if (done) {
            const QString reason = report.isEmpty() ? QStringLiteral("empty report") : QStringLiteral("device not open");
            mm::runOnMain([done = std::move(done), reason, now = mm::DeadlineTimer::nowNs()] { done(false, reason, now); });
        }
        return;
    }
    Connection& connection = *it->second;
    {
        const std::lock_guard lock(connection.mutex);
        connection.writes.emplace_back(report, std::move(done));
    }
    connection.wake.notify_one();
}

bool HidapiTransport::waitForWrites(int handle, int timeoutMs)
{
    const auto it = m_connections.find(handle);
    if (it == m_connections.end())
        return true;
    Connection& connection = *it->second;
    std::unique_lock lock(connection.mutex);
    connection.drained.wait_for(lock, std::chrono::milliseconds(std::max(0, timeoutMs)), [&connection] {
        return connection.stop.load() || (connection.writes.empty() && !connection.writing);
    });
    return connection.writes.empty() && !connection.writing;
}

void HidapiTransport::close(int handle)
{
    const auto it = m_connections.find(handle);
    if (it == m_connections.end())
        return;
    const std::shared_ptr<Connection> connection = it->second;
    m_connections.erase(it);
    connection->open = false;
    retire(connection);
}

void HidapiTransport::retire(const std::shared_ptr<Connection>& connection)
{
    {
        const std::lock_guard lock(connection->mutex);
        connection->stop.store(true);
    }
    connection->wake.notify_all();
    m_retiring.push_back(connection);
    reapFinished(false);
}

void HidapiTransport::reapFinished(bool wait)
{
    for (auto it = m_retiring.begin(); it != m_retiring.end();) {
        Connection& connection = **it;
        if (!wait && connection.running.load() != 0) {
            ++it;
            continue;
        }
        if (connection.reader.joinable())
            connection.reader.join();
        if (connection.writer.joinable())
            connection.writer.join();
        it = m_retiring.erase(it);
    }
}
