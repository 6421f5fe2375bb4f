#include "VQPermissionChecker.h"

#include "MMLog.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>

#include <algorithm>

#include <unistd.h>

namespace {

// The session bus can be reached without starting one: an address in the environment or the
// user's bus socket. Without either, libdbus would try to launch a bus of its own.
bool sessionBusConfigured()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return true;
    const QString runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtimeDir.isEmpty() && QFileInfo::exists(runtimeDir + QStringLiteral("/bus"));
}

int hidrawNumber(const QString& name)
{
    bool ok = false;
    const int number = name.mid(6).toInt(&ok); // after "hidraw"
    return ok ? number : -1;
}

} // namespace

VQPermissionChecker::VQPermissionChecker(QObject* parent)
    : QObject(parent)
    , m_vendorIds(defaultVendorIds())
    , m_sysfsRoot(QStringLiteral("/sys"))
    , m_devRoot(QStringLiteral("/dev"))
{
}

QList<int> VQPermissionChecker::defaultVendorIds()
{
    return { 0x248A, 0x27BA, 0x3151, 0x13BA, 0x13CA };
}

bool VQPermissionChecker::parseHidId(const QString& ueventText, int* vendorId, int* productId)
{
    // HID_ID=0003:0000248A:000061AB (bus, vendor, product in hexadecimal).
    static const QRegularExpression pattern(
        QStringLiteral("^HID_ID=([0-9A-Fa-f]+):([0-9A-Fa-f]+):([0-9A-Fa-f]+)\\s*$"),
        QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = pattern.match(ueventText);
    if (!match.hasMatch())
        return false;
    bool vendorOk = false;
    bool productOk = false;
    const qulonglong vendor = match.captured(2).toULongLong(&vendorOk, 16);
    const qulonglong product = match.captured(3).toULongLong(&productOk, 16);
    if (!vendorOk || !productOk || vendor > 0xFFFF || product > 0xFFFF)
        return false;
    if (vendorId != nullptr)
        *vendorId = int(vendor);
    if (productId != nullptr)
        *productId = int(product);
    return true;
}

QList<VQPermissionChecker::HidrawNode> VQPermissionChecker::receiverNodes() const
{
    QDir classDir(m_sysfsRoot + QStringLiteral("/class/hidraw"));
    QStringList names = classDir.entryList({ QStringLiteral("hidraw*") }, QDir::Dirs | QDir::System | QDir::NoDotAndDotDot);
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) { return hidrawNumber(a) < hidrawNumber(b); });

    QList<HidrawNode> nodes;
    for (const QString& name : names) {
        QFile uevent(classDir.filePath(name) + QStringLiteral("/device/uevent"));
        if (!uevent.open(QIODevice::ReadOnly))
            continue;
        HidrawNode node;
        if (!parseHidId(QString::fromLatin1(uevent.read(4096)), &node.vendorId, &node.productId))
            continue;
        if (!m_vendorIds.contains(node.vendorId))
            continue;
        node.devicePath = m_devRoot + QLatin1Char('/') + name;
        node.accessible = ::access(QFile::encodeName(node.devicePath).constData(), R_OK | W_OK) == 0;
        nodes.append(node);
    }
    return nodes;
}

VQPermissionChecker::State VQPermissionChecker::hidrawState() const
{
    const QList<HidrawNode> nodes = receiverNodes();
    if (nodes.isEmpty())
        return State::NotFound;
    const bool all = std::all_of(nodes.begin(), nodes.end(), [](const HidrawNode& node) { return node.accessible; });
    return all ? State::Granted : State::NotGranted;
}

VQPermissionChecker::State VQPermissionChecker::x11State() const
{
    return x11StateFor(QGuiApplication::platformName());
}

VQPermissionChecker::State VQPermissionChecker::x11StateFor(const QString& platformName)
{
    if (platformName != QLatin1String("xcb"))
        return State::NotGranted;
    const QString sessionType = qEnvironmentVariable("XDG_SESSION_TYPE").trimmed().toLower();
    if (sessionType == QLatin1String("wayland"))
        return State::Limited;
    if (sessionType == QLatin1String("x11"))
        return State::Granted;
    // No session type (a login without logind, a terminal session): a Wayland compositor
    // announces its socket.
    return qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ? State::Granted : State::Limited;
}

bool VQPermissionChecker::needsAttention() const
{
    return hidrawState() == State::NotGranted || x11State() == State::NotGranted;
}

void VQPermissionChecker::refresh()
{
    ++m_generation;
    checkAccessibility();
    Q_EMIT changed();
}

void VQPermissionChecker::checkAccessibility()
{
    if (!sessionBusConfigured()) {
        m_accessibilityState = State::NotGranted;
        return;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        m_accessibilityState = State::NotGranted;
        return;
    }
    m_accessibilityState = State::Checking;
    QDBusMessage call = QDBusMessage::createMethodCall(QString::fromLatin1(kA11yService), QString::fromLatin1(kA11yPath),
                                                       QString::fromLatin1(kA11yInterface), QString::fromLatin1(kA11yMethod));
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, kA11yTimeoutMs), this);
    const quint64 generation = m_generation;
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, generation] {
        watcher->deleteLater();
        if (generation != m_generation)
            return;
        const QDBusPendingReply<QString> reply = *watcher;
        const bool answered = !reply.isError() && !reply.value().isEmpty();
        if (!answered)
            VQLogInfo(QStringLiteral("Accessibility bus not available: %1").arg(reply.error().message()));
        m_accessibilityState = answered ? State::Granted : State::NotGranted;
        Q_EMIT changed();
    });
}
