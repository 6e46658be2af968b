// The spectator board: opened and closed with Strg+T or from the status bar,
// full screen on the screen the operator picked (remembered in the settings).
#include "app/board_feature.h"

#include "app/board_window.h"
#include "app/console_host.h"
#include "core/competition/competition_model.h"
#include "core/console_settings.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QToolButton>

namespace zn {

BoardFeature::BoardFeature(ConsoleHost& host, const PlatformServices& platform)
    : host_(host), platform_(platform) {
    const FeatureEntry entry = AddFeatureEntry(
        host, QStringLiteral("bBoard"), QStringLiteral("Anzeigetafel1"),
        //: status bar button: the scoreboard for the spectators
        tr("Anzeigetafel"), tr("Die Anzeigetafel für Zuschauer öffnen oder schließen (Strg+T)"),
        QKeySequence(Qt::CTRL | Qt::Key_T), [this] { Toggle(); });
    button_ = entry.button;
    action_ = entry.key;
    follower_.changed = [this](const BoardState& state) {
        if (window_) window_->ShowState(state);
        if (OnChanged) OnChanged(state);
    };
    host.HostModel().Events().Subscribe(&follower_);
}

BoardFeature::~BoardFeature() {
    host_.HostModel().Events().Unsubscribe(&follower_);
    if (window_) window_->OnClosed = nullptr;
    delete window_;
    delete button_;
    delete action_;
}

BoardWindow* BoardFeature::Window() const {
    return window_;
}

QToolButton* BoardFeature::Button() const {
    return button_;
}

void BoardFeature::Toggle() {
    if (window_ && window_->isVisible()) {
        window_->close(); // saves its place
        return;
    }
    if (!window_) {
        window_ = new BoardWindow(platform_.clock, &host_.HostWindow());
        // The console keeps the keyboard: its next key may be a stop.
        window_->setAttribute(Qt::WA_ShowWithoutActivating);
        window_->OnScreenChosen = [this](int screen) {
            Place(screen, true);
            SavePlace();
        };
        window_->OnClosed = [this] { SavePlace(); };
        auto* close = new QAction(window_.data());
        close->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
        QObject::connect(close, &QAction::triggered, window_.data(), &QWidget::close);
        window_->addAction(close);
        if (OnWindowCreated) OnWindowCreated(window_);
    }
    window_->ShowState(follower_.state);
    const QList<QScreen*> screens = QGuiApplication::screens();
    int index = -1;
    bool fullScreen = false;
    QSize size(960, 540);
    if (platform_.settings) {
        if (auto store = platform_.settings()) {
            const BoardPlace place = ReadBoardPlace(*store);
            for (int i = 0; i < screens.size(); ++i)
                if (screens[i]->name() == place.screen) index = i;
            fullScreen = index >= 0 && place.fullScreen;
            size = place.size;
        }
    }
    if (index < 0) {
        // First opening: full screen on another screen than the console's if
        // there is one; on a single screen a window beside the console.
        for (int i = 0; i < screens.size() && index < 0; ++i)
            if (screens[i] != host_.HostWindow().screen()) index = i;
        fullScreen = index >= 0;
        if (index < 0) index = static_cast<int>(screens.indexOf(host_.HostWindow().screen()));
    }
    window_->resize(size);
    Place(index, fullScreen);
    host_.HostWindow().activateWindow();
}

void BoardFeature::Place(int screenIndex, bool fullScreen) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    QScreen* target = screens.value(screenIndex, QGuiApplication::primaryScreen());
    if (!target) return;
    const QRect area = target->availableGeometry();
    window_->setScreen(target);
    // Never larger than its screen, whatever it shows or a saved size says.
    window_->setMaximumSize(target->geometry().size());
    window_->resize(window_->size().boundedTo(area.size()));
    window_->move(area.center() - QPoint(window_->width() / 2, window_->height() / 2));
    if (fullScreen)
        window_->showFullScreen();
    else
        window_->showNormal();
}

void BoardFeature::SavePlace() {
    if (!window_ || !platform_.settings) return;
    auto store = platform_.settings();
    if (!store) return;
    const QScreen* screen = window_->screen();
    BoardPlace place;
    place.screen = screen ? screen->name() : QString();
    place.fullScreen = window_->isFullScreen();
    place.size = screen ? window_->size().boundedTo(screen->availableGeometry().size()) : window_->size();
    WriteBoardPlace(*store, place);
}

} // namespace zn
