#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

// One HID interface of a device attached to the computer, as enumeration lists it.
struct HidDeviceInfo {
    QString path; // what open() takes; unique while the device is attached
    int vendorId = 0;
    int productId = 0;
    int usagePage = 0; // of the interface's top-level collection
    int usage = 0;
    int interfaceNumber = -1;
    QString serialNumber;
    QString manufacturer;
    QString product;
};

// Input and output reports of HID devices: enumeration, hot-plug, opening, writing output
// reports and receiving input reports.
//
// Every handler runs on the main thread, never inside the call that installed it, and never
// after close() of its device (or after the watch was replaced). Reports keep their report id
// as the first byte, as the device numbers them.
class HidTransport {
public:
    using ReportHandler = std::function<void(const QByteArray& report)>;
    // The device failed (it was unplugged, or a read failed); it is closed for reading. The
    // owner still calls close().
    using ErrorHandler = std::function<void(const QString& reason)>;
    // A write's outcome, and when the report began to leave: std::chrono::steady_clock in
    // nanoseconds, taken just before the system call (the time of the write() call where a
    // transport hands the report over at once).
    using WriteDone = std::function<void(bool ok, const QString& error, qint64 startedNs)>;
    // A HID interface appeared (added true) or went away.
    using HotplugHandler = std::function<void(bool added, const QString& path)>;

    virtual ~HidTransport();

    // The HID interfaces attached now.
    virtual QList<HidDeviceInfo> enumerate() = 0;

    // Reports HID interfaces that come and go until it is called again; an empty handler stops
    // watching.
    virtual void watchHotplug(HotplugHandler handler) = 0;

    // Opens the interface for input and output reports. Returns a handle > 0, or 0 with the
    // reason in *error. Input reports reach onReport until close().
    virtual int open(const QString& path, ReportHandler onReport, ErrorHandler onError,
                     QString* error) = 0;

    // Sends one output report, whose first byte is the report id (0 for a device that does
    // not number its reports). Reports of one handle leave in the order written; done is
    // called once for each, also when the handle is closed first (with ok false).
    virtual void write(int handle, const QByteArray& report, WriteDone done) = 0;

    // Waits on the calling thread, without the event loop, until every report written to the
    // handle so far has left (or failed), at most timeoutMs; false when some have not. For the
    // end of the process, when the handlers of write() no longer run. The default suits a
    // transport whose write() has handed the report over when it returns.
    virtual bool waitForWrites(int handle, int timeoutMs);

    // Closes the handle; unknown handles are ignored. Does not wait for the device.
    virtual void close(int handle) = 0;

    // The implementation in use: the installed one, else hidapi's (hidraw), created on first
    // use. Main thread only.
    static HidTransport& instance();
    // Installs an implementation (tests install a simulated receiver); nullptr goes back to
    // the default.
    static void setInstance(HidTransport* transport);
};
