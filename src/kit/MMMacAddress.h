#pragma once

#include <QString>

#include <functional>

namespace mm {

// The address (MAC) that names this computer to the maker's servers. It must not change when
// the user moves between Wi-Fi, a cable and a dock, nor when a card goes down, nor with the
// random addresses of Wi-Fi privacy: it is the permanent address of the first physical network
// card, built-in cards before removable (USB) ones, each group by interface name. Virtual
// interfaces (loopback, bridges, tunnels, container and VPN links) are never taken.
//
// netRoot is the kernel's interface folder ("/sys/class/net"); permanentOf gives the factory
// address of an interface ("aa:bb:..."), empty when it cannot be read. A card without a readable
// permanent address counts with its current one when the kernel marks that as permanent; when
// no card has a permanent address, the first card's current address is used. The result is
// "%02X:%02X:%02X:%02X:%02X:%02X", or a null QString without a physical card.
QString stableMacAddress(const QString& netRoot, const std::function<QString(const QString& name)>& permanentOf);

// The factory address of the interface as the driver reports it (ethtool's permanent address),
// whether or not the interface is up; empty when it cannot be read.
QString permanentMacAddress(const QString& interfaceName);

} // namespace mm
