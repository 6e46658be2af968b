#pragma once

#include "app/platform.h"
#include "core/board_state.h"

#include <QCoreApplication>
#include <QPointer>
#include <functional>

class QAction;
class QToolButton;

namespace zn {

class BoardWindow;
class ConsoleHost;

// The spectator board as a feature of the console: it folds the competition's
// events into what the spectators see, and "Anzeigetafel" (status bar,
// Strg+T) opens and closes its window, full screen on the screen the
// operator picked (remembered in the settings).
class BoardFeature {
    Q_DECLARE_TR_FUNCTIONS(BoardFeature)

public:
    BoardFeature(ConsoleHost& host, const PlatformServices& platform);
    ~BoardFeature();
    BoardFeature(const BoardFeature&) = delete;
    BoardFeature& operator=(const BoardFeature&) = delete;

    const BoardState& State() const { return follower_.state; }
    // The board's window once it was opened.
    BoardWindow* Window() const;
    void Toggle();
    // The status-bar button, whose menu other features extend.
    QToolButton* Button() const;

    // Told whenever the spectators' view changes, and when the window is made.
    std::function<void(const BoardState&)> OnChanged;
    std::function<void(BoardWindow*)> OnWindowCreated;

private:
    void Place(int screenIndex, bool fullScreen);
    void SavePlace();

    ConsoleHost& host_;
    PlatformServices platform_;
    BoardFollower follower_;
    QPointer<QToolButton> button_;
    QPointer<QAction> action_;
    QPointer<BoardWindow> window_;
};

} // namespace zn
