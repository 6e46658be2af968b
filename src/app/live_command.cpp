// The live page on the local network: off by default, switched on (with its
// port) from the board button's menu and remembered in the settings group
// "LiveSeite". The server runs on a thread of its own and only reads the
// board state the console hands it.
#include "app/board_window.h"
#include "app/main_window.h"

#include "live/live_server.h"

#include <QAction>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QStatusBar>
#include <QToolButton>

namespace zn {

namespace {

const QString kLiveGroup = QStringLiteral("LiveSeite");
constexpr int kDefaultLivePort = 8080;

} // namespace

void TFormMain::BuildLiveAccess() {
    StatusPanelLive = AddLastingNotice(QStringLiteral("StatusPanelLive"));
    auto* menu = new QMenu(bBoard);
    QAction* board = menu->addAction(QStringLiteral("Anzeigetafel öffnen/schließen (Strg+T)"));
    connect(board, &QAction::triggered, this, [this] { ToggleBoard(); });
    LivePageAction = menu->addAction(QStringLiteral("Live-Seite im Netz"));
    LivePageAction->setObjectName(QStringLiteral("LivePageAction"));
    LivePageAction->setCheckable(true);
    connect(LivePageAction, &QAction::toggled, this, [this](bool on) { SetLivePage(on, livePort_); });
    QAction* port = menu->addAction(QStringLiteral("Port der Live-Seite …"));
    connect(port, &QAction::triggered, this, [this] {
        QInputDialog dialog(this);
        dialog.setWindowTitle(QStringLiteral("Live-Seite"));
        dialog.setLabelText(QStringLiteral("Port:"));
        dialog.setInputMode(QInputDialog::IntInput);
        dialog.setIntRange(1024, 65535);
        dialog.setIntValue(livePort_);
        if (platform_.modal->Exec(dialog) == QDialog::Accepted)
            SetLivePage(LivePageAction->isChecked(), static_cast<uint16_t>(dialog.intValue()));
    });
    bBoard->setMenu(menu);
    bBoard->setPopupMode(QToolButton::MenuButtonPopup);
    OnBoardChanged = [this](const BoardState& state) {
        if (live_) live_->SetState(state);
    };
    OnBoardCreated = [this](BoardWindow* b) { ShowLiveAddress(b); };
}

void TFormMain::StartLivePage() {
    bool on = false;
    if (platform_.settings) {
        if (auto store = platform_.settings()) {
            store->beginGroup(kLiveGroup);
            on = store->value(QStringLiteral("Aktiv"), false).toBool();
            const int port = store->value(QStringLiteral("Port"), kDefaultLivePort).toInt();
            livePort_ = port >= 1 && port <= 65535 ? static_cast<uint16_t>(port) : kDefaultLivePort;
        }
    }
    const QSignalBlocker quiet(LivePageAction);
    LivePageAction->setChecked(on);
    if (on) SetLivePage(true, livePort_);
}

void TFormMain::SetLivePage(bool on, uint16_t port) {
    livePort_ = port;
    if (live_) live_->Stop();
    live_.reset();
    StatusPanelLive->hide();
    StatusPanelLive->setToolTip(QString());
    if (on) {
        live_ = std::make_unique<LivePageServer>(platform_.clock);
        live_->SetState(Board());
        QString error;
        if (!live_->Start(port, &error)) {
            live_.reset();
            // The reason is longer than the status bar leaves it: whole in the tooltip.
            const QString notice = QStringLiteral("Live-Seite aus: %1").arg(error);
            StatusPanelLive->setText(notice);
            StatusPanelLive->setToolTip(notice);
            StatusPanelLive->show();
        }
    }
    // Ticked and remembered only when something listens.
    const bool running = live_ != nullptr;
    {
        const QSignalBlocker quiet(LivePageAction);
        LivePageAction->setChecked(running);
    }
    if (SpectatorBoard) ShowLiveAddress(SpectatorBoard);
    if (platform_.settings) {
        if (auto store = platform_.settings()) {
            store->beginGroup(kLiveGroup);
            store->setValue(QStringLiteral("Aktiv"), running);
            store->setValue(QStringLiteral("Port"), port);
        }
    }
    // The message panel is rewritten by the next message (a loaded workbook):
    // the addresses stay in the status bar's tooltip.
    if (running) {
        StatusPanel1->setText(QStringLiteral(" Live-Seite: %1").arg(live_->Address()));
        QStringList all = live_->Addresses();
        if (all.isEmpty()) all << live_->Address() + QStringLiteral(" (nur dieser Rechner)");
        StatusBar1->setToolTip(
            QStringLiteral("Live-Seite (ohne Passwort, für jeden im Netz):\n%1").arg(all.join(u'\n')));
    } else {
        StatusBar1->setToolTip(QString());
    }
}

void TFormMain::ShowLiveAddress(BoardWindow* board) {
    if (!live_) {
        board->SetLiveAddress(QString(), 0, {});
        return;
    }
    const QString address = live_->Address();
    const QrMatrix qr = QrCodeFor(address);
    board->SetLiveAddress(address, qr.size, qr.dark);
}

} // namespace zn
