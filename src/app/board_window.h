#pragma once

#include "core/board_state.h"
#include "core/tick_source.h"

#include <QImage>
#include <QWidget>
#include <array>
#include <functional>

class QGridLayout;
class QLabel;
class QTimer;
class QVBoxLayout;

namespace zn {

class TDigit;
class FitLabel;

// "Anzeigetafel": the run for spectators on a projector or a second screen.
// Both lanes' teams, their clocks in seven-segment digits, each lane's time,
// penalty and total, the last run after a reset, the best time and the top of
// the result list; high contrast, scaled to the window, no controls. It only
// shows what it is given: closing it never touches the timing. It is laid out
// for the window it has: names give way ("…"), never the window, so a long
// name cannot push lane 2 or the QR code off the screen.
class BoardWindow : public QWidget {
    Q_OBJECT
public:
    explicit BoardWindow(ITickSource* clock, QWidget* parent = nullptr);

    void ShowState(const BoardState& state);
    const BoardState& State() const { return state_; }
    // The live page's address with its QR code (modules, 1 = dark); an empty
    // address hides both.
    void SetLiveAddress(const QString& address, int qrSize, const std::vector<uint8_t>& qrDark);

    // The operator picked a screen in the board's context menu.
    std::function<void(int screenIndex)> OnScreenChosen;
    // The board was closed by its window.
    std::function<void()> OnClosed;

    FitLabel* Title = nullptr;
    std::array<FitLabel*, 2> TeamName{};
    std::array<std::array<TDigit*, 5>, 2> Digits{};
    std::array<FitLabel*, 2> LaneResult{};
    std::array<FitLabel*, 2> LastRun{};
    FitLabel* FalseStart = nullptr;
    FitLabel* Best = nullptr;
    FitLabel* Top = nullptr;
    FitLabel* Address = nullptr;
    QLabel* Qr = nullptr;
    QTimer* Tick = nullptr;

    // Brings the running clocks up to the console's clock (the Tick timer's job).
    void ShowClocks();
    // The digits of a lane as shown (for tests): the displayed milliseconds.
    int32_t ShownMs(int lane) const { return shownMs_[static_cast<size_t>(lane)]; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Build();
    void UpdateTick();
    void ShowDigits(int lane, int32_t ms);
    void Scale();
    void ScaleQr();

    ITickSource* clock_;
    BoardState state_;
    std::array<int32_t, 2> shownMs_{};
    std::array<QWidget*, 2> digitRows_{};
    std::array<QLabel*, 2> commas_{};
    QVBoxLayout* main_ = nullptr;
    QGridLayout* lanes_ = nullptr;
    QImage qr_; // the code with its quiet zone, one pixel a module
};

} // namespace zn
