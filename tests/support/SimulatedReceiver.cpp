#include "SimulatedReceiver.h"

#include <QTimer>

#include <cctype>
#include <chrono>

namespace {

qint64 steadyNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

bool allZero(const QByteArray& bytes)
{
    for (char c : bytes) {
        if (c != 0)
            return false;
    }
    return true;
}

} // namespace

SimulatedReceiver::Model SimulatedReceiver::mouseReceiver()
{
    return Model();
}

SimulatedReceiver::Model SimulatedReceiver::laserPenReceiver()
{
    Model m;
    m.productId = 0x62AB;
    m.reportId = 0x0C;
    m.prefix.clear();
    m.plan = 6;
    return m;
}

SimulatedReceiver::Model SimulatedReceiver::laserPenPlan2()
{
    Model m;
    m.vendorId = 0x27BA;
    m.productId = 0x26AB;
    m.plan = 2;
    return m;
}

SimulatedReceiver::Model SimulatedReceiver::keyboardReceiver()
{
    Model m;
    m.vendorId = 0x13BA;
    m.productId = 0x12AB;
    m.usagePage = 0xFF01;
    m.reportId = 0x0F;
    m.prefix = QByteArray(1, char(0xA6));
    m.reportLength = 64;
    m.plan = 3;
    return m;
}

SimulatedReceiver::Model SimulatedReceiver::voiceReceiver16k()
{
    Model m;
    m.productId = 0x64AB;
    m.reportId = 0x0F;
    m.prefix = QByteArray(1, char(0xA7));
    m.reportLength = 64;
    m.plan = 4;
    return m;
}

int SimulatedReceiver::voiceRate() const
{
    const SimulatedDevice::Values& v = m_device.values;
    const int chosen = v.samplingRate != 0 ? 16000 : 8000;
    switch (m_model.plan) {
    case 3:
        return 8000;
    case 4:
        return m_model.vendorId == 0x248A && m_model.productId == 0x64AB ? 16000 : 8000;
    case 6: {
        qsizetype digits = 0;
        while (digits < v.firmwareVersion.size() && std::isdigit(quint8(v.firmwareVersion.at(digits))))
            ++digits;
        return v.firmwareVersion.left(digits).toInt() >= 11 ? chosen : 16000;
    }
    case 7:
        return chosen;
    default:
        return 16000;
    }
}

SimulatedReceiver::SimulatedReceiver(Model model, QObject* parent)
    : QObject(parent)
    , SimulatedLink(model.reportLength - 5 - int(model.prefix.size()))
    , m_model(std::move(model))
{
    HidTransport::setInstance(this);
}

SimulatedReceiver::~SimulatedReceiver()
{
    HidTransport::setInstance(nullptr);
}

QString SimulatedReceiver::commandPath() const
{
    return QStringLiteral("/dev/hidraw-sim-%1-%2-1").arg(m_model.vendorId, 4, 16).arg(m_model.productId, 4, 16);
}

QString SimulatedReceiver::mousePath() const
{
    return QStringLiteral("/dev/hidraw-sim-%1-%2-0").arg(m_model.vendorId, 4, 16).arg(m_model.productId, 4, 16);
}

void SimulatedReceiver::plug()
{
    m_plugged = true;
    for (const QString& path : {mousePath(), commandPath()}) {
        QTimer::singleShot(0, this, [this, path] {
            if (m_hotplug && m_plugged)
                m_hotplug(true, path);
        });
    }
}

void SimulatedReceiver::unplug()
{
    m_plugged = false;
    voice().stop();
    const int handle = m_handle;
    if (handle != 0) {
        QTimer::singleShot(0, this, [this, handle] {
            if (m_handle == handle && m_onError)
                m_onError(QStringLiteral("No such device"));
        });
    }
    for (const QString& path : {mousePath(), commandPath()}) {
        QTimer::singleShot(0, this, [this, path] {
            if (m_hotplug && !m_plugged)
                m_hotplug(false, path);
        });
    }
}

void SimulatedReceiver::clearRecords()
{
    m_written.clear();
    m_received.clear();
    m_zeroReports = 0;
    m_foreignReports = 0;
    clearLinkRecords();
}

QStringList SimulatedReceiver::receivedHex() const
{
    QStringList out;
    for (const QByteArray& frameBytes : m_received)
        out.append(QString::fromLatin1(frameBytes.toHex()));
    return out;
}

QList<HidDeviceInfo> SimulatedReceiver::enumerate()
{
    if (!m_plugged)
        return {};
    HidDeviceInfo mouse;
    mouse.path = mousePath();
    mouse.vendorId = m_model.vendorId;
    mouse.productId = m_model.productId;
    mouse.usagePage = 0x0001;
    mouse.usage = 0x0002;
    mouse.interfaceNumber = 0;
    HidDeviceInfo commands = mouse;
    commands.path = commandPath();
    commands.usagePage = m_model.usagePage;
    commands.usage = m_model.usage;
    commands.interfaceNumber = 1;
    return {mouse, commands};
}

void SimulatedReceiver::watchHotplug(HotplugHandler handler)
{
    m_hotplug = std::move(handler);
}

int SimulatedReceiver::open(const QString& path, ReportHandler onReport, ErrorHandler onError, QString* error)
{
    const auto fail = [error](const QString& reason) {
        if (error)
            *error = reason;
        return 0;
    };
    if (!m_plugged)
        return fail(QStringLiteral("No such device"));
    if (path == mousePath()) {
        reject({}, QStringLiteral("the mouse interface was opened"));
        return fail(QStringLiteral("Permission denied"));
    }
    if (path != commandPath())
        return fail(QStringLiteral("No such file"));
    if (failOpens > 0) {
        --failOpens;
        return fail(QStringLiteral("Device or resource busy"));
    }
    m_handle = m_nextHandle++;
    m_onReport = std::move(onReport);
    m_onError = std::move(onError);
    ++m_openCount;
    return m_handle;
}

void SimulatedReceiver::close(int handle)
{
    if (handle != m_handle || handle == 0)
        return;
    m_handle = 0;
    m_onReport = nullptr;
    m_onError = nullptr;
}

void SimulatedReceiver::write(int handle, const QByteArray& report, WriteDone done)
{
    const qint64 startedNs = steadyNs();
    m_written.append({report, startedNs});
    bool ok = handle == m_handle && handle != 0 && m_plugged && !failWrites
        && !(refuseZeroReports && allZero(report));
    if (ok)
        handleReport(report);
    if (done) {
        QTimer::singleShot(writeDurationMs, Qt::PreciseTimer, this, [done = std::move(done), ok, startedNs] {
            done(ok, ok ? QString() : QStringLiteral("Broken pipe"), startedNs);
        });
    }
}

QByteArray SimulatedReceiver::frame(const QByteArray& payload) const
{
    QByteArray out;
    out.append(char(m_model.reportId));
    out.append(m_model.prefix);
    out.append(char(0x4D));
    out.append(char(payload.size() + 3));
    out.append(payload);
    out.append(char(0x4C));
    if (out.size() < m_model.reportLength)
        out.append(QByteArray(m_model.reportLength - out.size(), '\0'));
    return out;
}

void SimulatedReceiver::deliver(const QByteArray& report, int delayMs)
{
    const int handle = m_handle;
    if (handle == 0 || !m_plugged)
        return;
    m_delivery.after(delayMs, [this, handle, report] {
        if (m_handle == handle && m_plugged && m_onReport)
            m_onReport(report);
    });
}

void SimulatedReceiver::sendDeviceInfo()
{
    sendPayload(m_device.deviceInfoPayload());
}

void SimulatedReceiver::handleReport(const QByteArray& report)
{
    const auto reject = [this, &report](const QString& reason) { SimulatedLink::reject(report, reason); };
    if (report.size() != m_model.reportLength)
        return reject(QStringLiteral("report of %1 bytes, not %2").arg(report.size()).arg(m_model.reportLength));
    if (allZero(report)) {
        ++m_zeroReports;
        return;
    }
    if (quint8(report.at(0)) != m_model.reportId) {
        ++m_foreignReports;
        return;
    }
    const int start = 1 + int(m_model.prefix.size());
    if (report.mid(1, m_model.prefix.size()) != m_model.prefix)
        return reject(QStringLiteral("wrong prefix"));
    if (quint8(report.at(start)) != 0x4D)
        return reject(QStringLiteral("no 4d"));
    const int length = quint8(report.at(start + 1));
    const int end = start + length - 1;
    if (length < 4 || end >= report.size())
        return reject(QStringLiteral("length byte %1").arg(length));
    if (quint8(report.at(end)) != 0x4C)
        return reject(QStringLiteral("no 4c where the length byte points"));
    if (!allZero(report.mid(end + 1)))
        return reject(QStringLiteral("padding is not zeros"));

    const quint8 command = quint8(report.at(start + 2));
    carryOut(m_model.plan, command, report.mid(start + 3, length - 4), report.left(end + 1));
}
