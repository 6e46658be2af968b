#pragma once

#include "app/platform.h"

#include <QCoreApplication>
#include <QPointer>
#include <cstdint>
#include <memory>

class QAction;
class QLabel;

namespace zn {

class BoardWindow;
class ConsoleHost;
class LivePageServer;
class BoardFeature;

// The live page on the local network as a feature of the console: off by
// default, switched on (with its port) from the board button's menu and
// remembered in the settings group "LiveSeite". It shows what the spectator
// board shows; the server runs on a thread of its own and only reads the
// board state handed to it.
class LivePage {
    Q_DECLARE_TR_FUNCTIONS(LivePage)

public:
    LivePage(ConsoleHost& host, BoardFeature& board, const PlatformServices& platform);
    ~LivePage();
    LivePage(const LivePage&) = delete;
    LivePage& operator=(const LivePage&) = delete;

    // Starts the page when the settings say so.
    void Start();
    void Set(bool on, uint16_t port);
    LivePageServer* Server() const { return server_.get(); }

private:
    friend class ConsoleProbe;
    void ShowAddress(BoardWindow* board);

    ConsoleHost& host_;
    BoardFeature& board_;
    PlatformServices platform_;
    std::unique_ptr<LivePageServer> server_;
    uint16_t port_ = 8080;
    QPointer<QAction> action_;
    QPointer<QLabel> notice_;
};

} // namespace zn
