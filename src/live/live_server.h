#pragma once

#include "core/board_state.h"
#include "core/tick_source.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <vector>

namespace zn {

// A QR code as dark and light modules, row by row.
struct QrMatrix {
    int size = 0;              // modules per side; 0 when the text could not be encoded
    std::vector<uint8_t> dark; // size x size, 1 = dark
    bool Dark(int x, int y) const { return dark[static_cast<size_t>(y * size + x)] != 0; }
};
QrMatrix QrCodeFor(const QString& text);

// The live page: a read-only web server on the local network, on a thread of
// its own, so that however many spectators poll it, the timing and the
// console's clocks never wait for it. Routes: "/" the board page (it polls
// "/state.json" about four times a second and runs the clocks itself from the
// start instant), "/state.json", "/ergebnis" the shown result list as the
// HTML export writes it. GET and HEAD only; anything else is refused. What
// one client and all of them may cost is in LiveLimits (live_tcp_server.h).
class LivePageServer {
public:
    static constexpr int kMaxConnections = 512;
    static constexpr int kMaxRequestBytes = 8192;

    // `clock` is the console's tick source (read from the server's thread).
    explicit LivePageServer(ITickSource* clock);
    ~LivePageServer();

    // Listens on all addresses; false with the reason (German) when the port
    // cannot be taken.
    bool Start(uint16_t port, QString* error = nullptr);
    void Stop();
    bool Running() const;
    uint16_t Port() const;

    // The board as the main thread last saw it; copied, thread-safe.
    void SetState(const BoardState& state);

    // "http://<this machine's address in the local network>:<port>/"
    // (ChooseLiveAddresses in live_address.h says which address).
    QString Address() const;
    // Every address the page answers on, the preferred one first, each with
    // its interface: "http://192.168.178.20:8080/ (wlan0)".
    QStringList Addresses() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace zn
