#pragma once

#include <QHostAddress>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace zn {

// What the address choice needs to know of one network interface.
struct NetworkInterfaceFacts {
    QString name; // "wlan0", "tun0", "docker0"
    bool up = false;
    bool loopback = false;
    bool virtualType = false; // the system calls it virtual (tun, ...)
    QList<QHostAddress> addresses;
};

// The facts of this machine's interfaces, in the system's order.
QList<NetworkInterfaceFacts> LocalInterfaces();

struct LiveAddresses {
    QString preferred; // "http://192.168.178.20:8080/"; "http://localhost:8080/" without a network
    QStringList all;   // every usable address, the preferred one first: "http://…/ (wlan0)"
};

// The address the spectators' phones reach the page on. A VPN, a bridge or a
// container network may come first in the system's list, yet phones are on
// the local network: an IPv4 address of a private range (10/8, 172.16/12,
// 192.168/16) on an interface that is up and not virtual wins; then any
// other IPv4 address on such an interface; virtual interfaces last. Loopback
// and link-local (169.254/16) addresses are never offered.
LiveAddresses ChooseLiveAddresses(const QList<NetworkInterfaceFacts>& interfaces, uint16_t port);

} // namespace zn
