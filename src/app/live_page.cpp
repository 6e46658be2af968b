// The live page on the local network: off by default, switched on (with its
// port) from the board button's menu and remembered in the settings group
// "LiveSeite". The server runs on a thread of its own and only reads the
// board state the console hands it.
#include "app/live_page.h"

#include "app/board_feature.h"
#include "app/board_window.h"
#include "app/console_host.h"
#include "core/console_settings.h"
#include "live/live_server.h"

#include <QAction>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QStatusBar>
#include <QToolButton>

namespace zn {

LivePage::LivePage(ConsoleHost& host, BoardFeature& board, const PlatformServices& platform)
    : host_(host), board_(board), platform_(platform) {
    QWidget& console = host.HostWindow();
    notice_ = host.AddLastingNotice(QStringLiteral("StatusPanelLive"));
    auto* menu = new QMenu(board.Button());
    QAction* toggle = menu->addAction(tr("Anzeigetafel öffnen/schließen (Strg+T)"));
    QObject::connect(toggle, &QAction::triggered, &console, [this] { board_.Toggle(); });
    //: menu: serves a web page with the running times to the local network
    action_ = menu->addAction(tr("Live-Seite im Netz"));
    action_->setObjectName(QStringLiteral("action_"));
    action_->setCheckable(true);
    QObject::connect(action_, &QAction::toggled, &console, [this](bool on) { Set(on, port_); });
    QAction* port = menu->addAction(tr("Port der Live-Seite …"));
    QObject::connect(port, &QAction::triggered, &console, [this] {
        QInputDialog dialog(&host_.HostWindow());
        dialog.setWindowTitle(tr("Live-Seite"));
        //: network port of the live web page
        dialog.setLabelText(tr("Port:"));
        dialog.setInputMode(QInputDialog::IntInput);
        dialog.setIntRange(1024, 65535);
        dialog.setIntValue(port_);
        if (platform_.modal->Exec(dialog) == QDialog::Accepted)
            Set(action_->isChecked(), static_cast<uint16_t>(dialog.intValue()));
    });
    board.Button()->setMenu(menu);
    board.Button()->setPopupMode(QToolButton::MenuButtonPopup);
    board.OnChanged = [this](const BoardState& state) {
        if (server_) server_->SetState(state);
    };
    board.OnWindowCreated = [this](BoardWindow* b) { ShowAddress(b); };
}

LivePage::~LivePage() {
    board_.OnChanged = nullptr;
    board_.OnWindowCreated = nullptr;
    if (server_) server_->Stop();
    if (QToolButton* button = board_.Button()) {
        delete button->menu();
        button->setMenu(nullptr);
    }
    delete notice_;
}

void LivePage::Start() {
    bool on = false;
    if (platform_.settings) {
        if (auto store = platform_.settings()) {
            const LivePageSettings live = ReadLivePageSettings(*store);
            on = live.on;
            port_ = live.port;
        }
    }
    const QSignalBlocker quiet(action_);
    action_->setChecked(on);
    if (on) Set(true, port_);
}

void LivePage::Set(bool on, uint16_t port) {
    port_ = port;
    if (server_) server_->Stop();
    server_.reset();
    notice_->hide();
    notice_->setToolTip(QString());
    if (on) {
        server_ = std::make_unique<LivePageServer>(platform_.clock);
        server_->SetState(board_.State());
        QString error;
        if (!server_->Start(port, &error)) {
            server_.reset();
            // The reason is longer than the status bar leaves it: whole in the tooltip.
            //: the live web page could not start; %1 the reason
            const QString notice = tr("Live-Seite aus: %1").arg(error);
            notice_->setText(notice);
            notice_->setToolTip(notice);
            notice_->show();
        }
    }
    // Ticked and remembered only when something listens.
    const bool running = server_ != nullptr;
    {
        const QSignalBlocker quiet(action_);
        action_->setChecked(running);
    }
    if (BoardWindow* window = board_.Window()) ShowAddress(window);
    if (platform_.settings) {
        if (auto store = platform_.settings()) {
            WriteLivePageSettings(*store, LivePageSettings{running, port});
        }
    }
    // The message panel is rewritten by the next message (a loaded workbook):
    // the addresses stay in the status bar's tooltip.
    if (running) {
        host_.SetMessage(tr(" Live-Seite: %1").arg(server_->Address()));
        QStringList all = server_->Addresses();
        //: %1 the live page's address, reachable from this computer only
        if (all.isEmpty()) all << tr("%1 (nur dieser Rechner)").arg(server_->Address());
        host_.SetStatusBarTip(tr("Live-Seite (ohne Passwort, für jeden im Netz):\n%1").arg(all.join(u'\n')));
    } else {
        host_.SetStatusBarTip(QString());
    }
}

void LivePage::ShowAddress(BoardWindow* board) {
    if (!server_) {
        board->SetLiveAddress(QString(), 0, {});
        return;
    }
    const QString address = server_->Address();
    const QrMatrix qr = QrCodeFor(address);
    board->SetLiveAddress(address, qr.size, qr.dark);
}

} // namespace zn
