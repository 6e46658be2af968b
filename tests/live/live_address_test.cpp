#include "live/live_address.h"

#include <gtest/gtest.h>

using namespace zn;

namespace {

NetworkInterfaceFacts Nic(const QString& name, const QStringList& addresses, bool up = true,
                          bool isVirtual = false) {
    NetworkInterfaceFacts f;
    f.name = name;
    f.up = up;
    f.loopback = name == u"lo";
    f.virtualType = isVirtual;
    for (const QString& a : addresses)
        f.addresses.append(QHostAddress(a));
    return f;
}

} // namespace

// The system lists the VPN, the container bridge and a cable that is out
// before the Wi-Fi the phones are on.
TEST(LiveAddress, PrefersTheLocalNetworkOnAnUpInterfaceThatIsNotVirtual) {
    const QList<NetworkInterfaceFacts> nics{
        Nic("lo", {"127.0.0.1", "::1"}),
        Nic("tun0", {"10.8.0.2"}, true, true),
        Nic("docker0", {"172.17.0.1"}),
        Nic("enp3s0", {"192.168.1.5"}, false),
        Nic("wlp2s0", {"fe80::1", "169.254.7.7", "100.72.0.9", "192.168.178.20"}),
    };
    const LiveAddresses a = ChooseLiveAddresses(nics, 8080);
    EXPECT_EQ(a.preferred, "http://192.168.178.20:8080/");
    EXPECT_EQ(a.all, (QStringList{"http://192.168.178.20:8080/ (wlp2s0)", "http://100.72.0.9:8080/ (wlp2s0)",
                                  "http://10.8.0.2:8080/ (tun0)", "http://172.17.0.1:8080/ (docker0)"}));

    // Without a private range, an address on a real interface still beats a VPN's.
    EXPECT_EQ(ChooseLiveAddresses({nics[1], Nic("eth0", {"100.72.0.9"})}, 80).preferred,
              "http://100.72.0.9:80/");
    EXPECT_EQ(ChooseLiveAddresses({nics[0], nics[3]}, 8081).preferred, "http://localhost:8081/");
    EXPECT_TRUE(ChooseLiveAddresses({nics[0], nics[3]}, 8081).all.isEmpty());
}
