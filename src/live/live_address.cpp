#include "live/live_address.h"

#include <QNetworkInterface>
#include <algorithm>

namespace zn {

namespace {

// Bridges, container and VM networks and VPNs that Linux reports as Ethernet.
bool VirtualByName(const QString& name) {
    static const char* const prefixes[] = {"docker", "br-", "virbr",   "veth",      "vboxnet", "vmnet",
                                           "tun",    "tap", "wg",      "zt",        "lxc",     "lxd",
                                           "podman", "cni", "flannel", "tailscale", "utun",    "ppp"};
    return std::any_of(std::begin(prefixes), std::end(prefixes),
                       [&](const char* p) { return name.startsWith(QLatin1String(p)); });
}

bool PrivateLan(quint32 ip) {
    return (ip >> 24) == 10 || (ip >> 20) == ((172u << 4) | 1u) || (ip >> 16) == ((192u << 8) | 168u);
}

} // namespace

QList<NetworkInterfaceFacts> LocalInterfaces() {
    QList<NetworkInterfaceFacts> out;
    for (const QNetworkInterface& nic : QNetworkInterface::allInterfaces()) {
        NetworkInterfaceFacts f;
        f.name = nic.name();
        const auto flags = nic.flags();
        f.up = flags.testFlag(QNetworkInterface::IsUp) && flags.testFlag(QNetworkInterface::IsRunning);
        f.loopback = flags.testFlag(QNetworkInterface::IsLoopBack);
        f.virtualType = nic.type() == QNetworkInterface::Virtual;
        for (const QNetworkAddressEntry& entry : nic.addressEntries())
            f.addresses.append(entry.ip());
        out.append(f);
    }
    return out;
}

LiveAddresses ChooseLiveAddresses(const QList<NetworkInterfaceFacts>& interfaces, uint16_t port) {
    struct Candidate {
        int rank; // lower wins
        int order;
        QString url;
        QString name;
    };
    std::vector<Candidate> found;
    for (const NetworkInterfaceFacts& nic : interfaces) {
        if (!nic.up || nic.loopback) continue;
        const bool isVirtual = nic.virtualType || VirtualByName(nic.name);
        for (const QHostAddress& address : nic.addresses) {
            bool v4 = false;
            const quint32 ip = address.toIPv4Address(&v4);
            if (!v4 || address.isLoopback() || (ip >> 16) == ((169u << 8) | 254u)) continue;
            const int rank = (isVirtual ? 2 : 0) + (PrivateLan(ip) ? 0 : 1);
            found.push_back({rank, static_cast<int>(found.size()),
                             QStringLiteral("http://%1:%2/").arg(QHostAddress(ip).toString()).arg(port),
                             nic.name});
        }
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const Candidate& a, const Candidate& b) { return a.rank < b.rank; });
    LiveAddresses out;
    out.preferred = found.empty() ? QStringLiteral("http://localhost:%1/").arg(port) : found.front().url;
    for (const Candidate& c : found)
        out.all.append(QStringLiteral("%1 (%2)").arg(c.url, c.name));
    return out;
}

} // namespace zn
