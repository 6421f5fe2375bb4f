#include "MMMacAddress.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cstring>

#include <linux/ethtool.h>
#include <linux/sockios.h>
#include <net/if.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace mm {

namespace {

constexpr int kMacBytes = 6;
// Room for the longest hardware address a driver reports (the kernel's MAX_ADDR_LEN).
constexpr int kMaxAddressBytes = 32;
// ARPHRD_ETHER: Ethernet and Wi-Fi cards; tunnels, loopback and the like have other types.
constexpr int kEthernetType = 1;
// The kernel's addr_assign_type for an address burnt into the card.
constexpr int kPermanentAssignment = 0;

QString readLine(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readLine(64)).trimmed() : QString();
}

// "aa:bb:cc:dd:ee:ff" as the upper-case text of its six bytes; empty when it is no usable
// address (malformed, all zero, or a multicast one).
QString normalised(const QString& text)
{
    const QStringList parts = text.split(u':');
    if (parts.size() != kMacBytes)
        return {};
    std::array<uint, kMacBytes> bytes{};
    bool allZero = true;
    for (int i = 0; i < kMacBytes; ++i) {
        bool ok = false;
        bytes[i] = parts.at(i).toUInt(&ok, 16);
        if (!ok || bytes[i] > 0xFF || parts.at(i).size() != 2)
            return {};
        allZero = allZero && bytes[i] == 0;
    }
    if (allZero || (bytes[0] & 0x01) != 0)
        return {};
    return QString::asprintf("%02X:%02X:%02X:%02X:%02X:%02X", bytes[0], bytes[1], bytes[2], bytes[3], bytes[4], bytes[5]);
}

struct Card {
    QString name;
    bool removable = false;
    QString permanent; // empty when unknown
    QString current;
};

} // namespace

QString stableMacAddress(const QString& netRoot, const std::function<QString(const QString& name)>& permanentOf)
{
    QList<Card> cards;
    const QDir root(netRoot);
    for (const QString& name : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System)) {
        const QString folder = root.filePath(name);
        // Only a card on a bus has a device link; virtual interfaces (loopback, bridges, veth,
        // tun/tap, VPN links) live under /sys/devices/virtual and have none.
        const QFileInfo device(folder + QStringLiteral("/device"));
        if (!device.isSymLink() && !device.exists())
            continue;
        if (readLine(folder + QStringLiteral("/type")).toInt() != kEthernetType || QFileInfo::exists(folder + QStringLiteral("/bridge")))
            continue;
        Card card;
        card.name = name;
        const QString bus = device.isSymLink() ? device.symLinkTarget() : device.canonicalFilePath();
        card.removable = bus.contains(QLatin1String("/usb"));
        card.current = normalised(readLine(folder + QStringLiteral("/address")));
        card.permanent = permanentOf ? normalised(permanentOf(name)) : QString();
        if (card.permanent.isEmpty() && readLine(folder + QStringLiteral("/addr_assign_type")) == QString::number(kPermanentAssignment))
            card.permanent = card.current;
        cards.append(card);
    }
    std::sort(cards.begin(), cards.end(), [](const Card& a, const Card& b) {
        return a.removable != b.removable ? !a.removable : a.name < b.name;
    });
    for (const Card& card : cards) {
        if (!card.permanent.isEmpty())
            return card.permanent;
    }
    for (const Card& card : cards) {
        if (!card.current.isEmpty())
            return card.current;
    }
    return QString();
}

QString permanentMacAddress(const QString& interfaceName)
{
    const QByteArray name = interfaceName.toLocal8Bit();
    if (name.isEmpty() || name.size() >= IFNAMSIZ)
        return {};
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return {};
    // The request is followed by room for the address the driver writes.
    alignas(ethtool_perm_addr) unsigned char buffer[sizeof(ethtool_perm_addr) + kMaxAddressBytes] = {};
    auto* permanent = reinterpret_cast<ethtool_perm_addr*>(buffer);
    permanent->cmd = ETHTOOL_GPERMADDR;
    permanent->size = kMaxAddressBytes;
    ifreq request{};
    std::memcpy(request.ifr_name, name.constData(), std::size_t(name.size()));
    request.ifr_data = reinterpret_cast<char*>(buffer);
    const bool ok = ::ioctl(fd, SIOCETHTOOL, &request) == 0 && permanent->size == kMacBytes;
    ::close(fd);
    if (!ok)
        return {};
    const unsigned char* b = buffer + sizeof(ethtool_perm_addr);
    return QString::asprintf("%02x:%02x:%02x:%02x:%02x:%02x", b[0], b[1], b[2], b[3], b[4], b[5]);
}

} // namespace mm
