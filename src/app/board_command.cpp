// The spectator board: opened and closed with Strg+T or from the status bar,
// full screen on the screen the operator picked (remembered in the settings).
#include "app/board_window.h"
#include "app/main_window.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QToolButton>

namespace zn {

namespace {

const QString kBoardGroup = QStringLiteral("Anzeigetafel");

} // namespace

void TFormMain::BuildBoardAccess() {
    bBoard = new QToolButton(StatusBar1);
    bBoard->setObjectName(QStringLiteral("bBoard"));
    bBoard->setText(QStringLiteral("Anzeigetafel"));
    bBoard->setToolTip(QStringLiteral("Die Anzeigetafel für Zuschauer öffnen oder schließen (Strg+T)"));
    bBoard->setAutoRaise(true);
    bBoard->setFocusPolicy(Qt::NoFocus);
    StatusBar1->addPermanentWidget(bBoard);
    connect(bBoard, &QToolButton::clicked, this, [this] { ToggleBoard(); });
    boardFollower_.changed = [this](const BoardState& state) { BoardChanged(state); };
    Model.Events().Subscribe(&boardFollower_);
}

void TFormMain::BoardChanged(const BoardState& state) {
    if (SpectatorBoard) SpectatorBoard->ShowState(state);
    if (OnBoardChanged) OnBoardChanged(state);
}

void TFormMain::ToggleBoard() {
    if (SpectatorBoard && SpectatorBoard->isVisible()) {
        SpectatorBoard->close(); // saves its place
        return;
    }
    if (!SpectatorBoard) {
        SpectatorBoard = new BoardWindow(platform_.clock, this);
        // The console keeps the keyboard: its next key may be a stop.
        SpectatorBoard->setAttribute(Qt::WA_ShowWithoutActivating);
        SpectatorBoard->OnScreenChosen = [this](int screen) {
            PlaceBoard(screen, true);
            SaveBoardPlace();
        };
        SpectatorBoard->OnClosed = [this] { SaveBoardPlace(); };
        auto* close = new QAction(SpectatorBoard);
        close->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
        connect(close, &QAction::triggered, SpectatorBoard, &QWidget::close);
        SpectatorBoard->addAction(close);
        if (OnBoardCreated) OnBoardCreated(SpectatorBoard);
    }
    SpectatorBoard->ShowState(boardFollower_.state);
    const QList<QScreen*> screens = QGuiApplication::screens();
    int index = -1;
    bool fullScreen = false;
    QSize size(960, 540);
    if (platform_.settings) {
        if (auto store = platform_.settings()) {
            store->beginGroup(kBoardGroup);
            const QString name = store->value(QStringLiteral("Bildschirm")).toString();
            for (int i = 0; i < screens.size(); ++i)
                if (screens[i]->name() == name) index = i;
            fullScreen = index >= 0 && store->value(QStringLiteral("Vollbild"), false).toBool();
            size = store->value(QStringLiteral("Groesse"), size).toSize();
        }
    }
    if (index < 0) {
        // First opening: full screen on another screen than the console's if
        // there is one; on a single screen a window beside the console.
        for (int i = 0; i < screens.size() && index < 0; ++i)
            if (screens[i] != screen()) index = i;
        fullScreen = index >= 0;
        if (index < 0) index = static_cast<int>(screens.indexOf(screen()));
    }
    SpectatorBoard->resize(size.isValid() ? size : QSize(960, 540));
    PlaceBoard(index, fullScreen);
    activateWindow();
}

void TFormMain::PlaceBoard(int screenIndex, bool fullScreen) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    QScreen* target = screens.value(screenIndex, QGuiApplication::primaryScreen());
    if (!target) return;
    const QRect area = target->availableGeometry();
    SpectatorBoard->setScreen(target);
    // Never larger than its screen, whatever it shows or a saved size says.
    SpectatorBoard->setMaximumSize(target->geometry().size());
    SpectatorBoard->resize(SpectatorBoard->size().boundedTo(area.size()));
    SpectatorBoard->move(area.center() - QPoint(SpectatorBoard->width() / 2, SpectatorBoard->height() / 2));
    if (fullScreen)
        SpectatorBoard->showFullScreen();
    else
        SpectatorBoard->showNormal();
}

void TFormMain::SaveBoardPlace() {
    if (!SpectatorBoard || !platform_.settings) return;
    auto store = platform_.settings();
    if (!store) return;
    store->beginGroup(kBoardGroup);
    store->setValue(QStringLiteral("Bildschirm"),
                    SpectatorBoard->screen() ? SpectatorBoard->screen()->name() : QString());
    store->setValue(QStringLiteral("Vollbild"), SpectatorBoard->isFullScreen());
    if (!SpectatorBoard->isFullScreen()) {
        const QScreen* screen = SpectatorBoard->screen();
        const QSize size = screen ? SpectatorBoard->size().boundedTo(screen->availableGeometry().size())
                                  : SpectatorBoard->size();
        store->setValue(QStringLiteral("Groesse"), size);
    }
}

} // namespace zn
