#pragma once

#include "HidTransport.h"

#include <QObject>

#include <map>
#include <memory>
#include <vector>

class QSocketNotifier;
class QTimer;
struct udev;
struct udev_monitor;

// HID devices through hidapi's hidraw backend, with a libudev monitor for hot-plug.
//
// Each open device gets two hidapi handles on the same hidraw node, each used by one thread
// only: a reader thread that sleeps in a blocking read with a time-out (the time-out only lets
// it notice close()), and a writer thread that sleeps on a condition variable until a report
// is queued, so a slow device never blocks the main thread and an idle device costs nothing.
// Input reports, write results and failures come back to the main thread with runOnMain.
//
// Hot-plug comes from udev's "hidraw" events read through a socket notifier on the monitor's
// descriptor. Where no udev monitor can be created (some containers), attached devices are
// compared every two seconds instead; that is logged once.
class HidapiTransport : public QObject, public HidTransport {
    Q_OBJECT
public:
    static constexpr int kReadTimeoutMs = 1000;
    static constexpr int kReadBufferSize = 256;
    static constexpr int kFallbackScanIntervalMs = 2000;

    explicit HidapiTransport(QObject* parent = nullptr);
    // Closes every device and waits for its threads (at most one read time-out).
    ~HidapiTransport() override;

    QList<HidDeviceInfo> enumerate() override;
    void watchHotplug(HotplugHandler handler) override;
    int open(const QString& path, ReportHandler onReport, ErrorHandler onError,
             QString* error) override;
    void write(int handle, const QByteArray& report, WriteDone done) override;
    bool waitForWrites(int handle, int timeoutMs) override;
    void close(int handle) override;

    // True while udev reports hot-plug events (false before watching and in the fallback).
    bool hasUdevMonitor() const { return m_monitor != nullptr; }

    struct Connection;

private:
    bool startUdevMonitor();
    void stopWatching();
    void readUdevEvents();
    void scanForChanges();
    void retire(const std::shared_ptr<Connection>& connection);
    void reapFinished(bool wait);

    bool m_hidapiReady = false;
    std::map<int, std::shared_ptr<Connection>> m_connections;
    std::vector<std::shared_ptr<Connection>> m_retiring; // closed, threads still finishing
    int m_nextHandle = 1;

    HotplugHandler m_hotplug;
    udev* m_udev = nullptr;
    udev_monitor* m_monitor = nullptr;
    QSocketNotifier* m_notifier = nullptr;
    QTimer* m_scanTimer = nullptr;
    QList<QString> m_knownPaths; // for the fallback scan
    bool m_loggedMonitorFailure = false;
};
