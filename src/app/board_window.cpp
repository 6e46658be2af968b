#include "app/board_window.h"

#include "controls/digit.h"
#include "controls/fit_label.h"
#include "controls/qt_color.h"
#include "core/run_time.h"

#include <QContextMenuEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace zn {

namespace {

// Refreshes running clocks at a fifth of the console's 10 ms rate: plenty for
// spectators, and it keeps a projector's laptop idle.
constexpr int kTickMs = 50;
const QString kSpectatorStyle = QStringLiteral("background-color: black; color: white;");

FitLabel* MakeLabel(QWidget* parent, const QString& name, Qt::Alignment align) {
    auto* label = new FitLabel(parent);
    label->setObjectName(name);
    label->setAlignment(align);
    return label;
}

QString LaneLine(const BoardLane& lane) {
    if (lane.time.isEmpty()) return QString();
    //: scoreboard: a lane's run time
    QString line = QCoreApplication::translate("zn::BoardWindow", "Zeit %1").arg(lane.time);
    //: scoreboard: penalty seconds of the run
    if (!lane.penalty.isEmpty())
        line += QCoreApplication::translate("zn::BoardWindow", "   Fehler %1").arg(lane.penalty);
    //: scoreboard: run time plus penalty seconds
    if (!lane.total.isEmpty())
        line += QCoreApplication::translate("zn::BoardWindow", "   Gesamt %1").arg(lane.total);
    return line;
}

} // namespace

BoardWindow::BoardWindow(ITickSource* clock, QWidget* parent) : QWidget(parent, Qt::Window), clock_(clock) {
    setObjectName(QStringLiteral("BoardWindow"));
    //: the scoreboard window for the spectators
    setWindowTitle(tr("Anzeigetafel"));
    setStyleSheet(kSpectatorStyle);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    setPalette(p);
    resize(960, 540);
    Build();
    Tick = new QTimer(this);
    Tick->setObjectName(QStringLiteral("Tick"));
    Tick->setInterval(kTickMs);
    connect(Tick, &QTimer::timeout, this, [this] { ShowClocks(); });
    ShowState(state_);
}

// The lanes share one grid, so both teams, both clocks and both result lines
// stand on the same rows whatever their texts.
void BoardWindow::Build() {
    main_ = new QVBoxLayout(this);
    // The window's size is the screen's business, never its contents'.
    main_->setSizeConstraint(QLayout::SetNoConstraint);
    Title = MakeLabel(this, QStringLiteral("Title"), Qt::AlignCenter);
    main_->addWidget(Title);
    auto* lanes = lanes_ = new QGridLayout;
    for (int lane = 0; lane < 2; ++lane) {
        TeamName[lane] = MakeLabel(this, QStringLiteral("TeamName%1").arg(lane + 1), Qt::AlignCenter);
        lanes->addWidget(TeamName[lane], 0, lane);
        auto* row = new QWidget(this);
        row->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        auto* digits = new QHBoxLayout(row);
        digits->setContentsMargins(0, 0, 0, 0);
        digits->addStretch(1);
        for (int i = 0; i < 5; ++i) {
            auto* d = new TDigit(row);
            d->setObjectName(QStringLiteral("Digit%1_%2").arg(lane + 1).arg(i + 1));
            d->SetColor(clBlack);
            d->SetColorOff(0x202020);
            d->SetColorOn(clYellow);
            d->SetSeparation(1);
            Digits[lane][i] = d;
            digits->addWidget(d);
            if (i == 2) {
                auto* comma = new QLabel(QStringLiteral(","), row);
                comma->setObjectName(QStringLiteral("Comma%1").arg(lane + 1));
                comma->setAlignment(Qt::AlignBottom | Qt::AlignHCenter);
                comma->setStyleSheet(QStringLiteral("color: yellow;"));
                commas_[lane] = comma;
                digits->addWidget(comma);
            }
        }
        digits->addStretch(1);
        digitRows_[lane] = row;
        lanes->addWidget(row, 1, lane);
        LaneResult[lane] = MakeLabel(this, QStringLiteral("LaneResult%1").arg(lane + 1), Qt::AlignCenter);
        LastRun[lane] = MakeLabel(this, QStringLiteral("LastRun%1").arg(lane + 1), Qt::AlignCenter);
        LastRun[lane]->setStyleSheet(QStringLiteral("color: #9fd3ff;"));
        lanes->addWidget(LaneResult[lane], 2, lane);
        lanes->addWidget(LastRun[lane], 3, lane);
        lanes->setColumnStretch(lane, 1);
    }
    main_->addLayout(lanes);
    FalseStart = MakeLabel(this, QStringLiteral("FalseStart"), Qt::AlignCenter);
    //: scoreboard: false start
    FalseStart->SetLine(tr("FEHLSTART"));
    FalseStart->setStyleSheet(QStringLiteral("color: white; background-color: #c00000;"));
    FalseStart->hide();
    main_->addWidget(FalseStart);
    auto* bottom = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    Best = MakeLabel(this, QStringLiteral("Best"), Qt::AlignLeft | Qt::AlignVCenter);
    Top = MakeLabel(this, QStringLiteral("Top"), Qt::AlignLeft | Qt::AlignTop);
    // The list gives way to a false start: it shows the rows that fit.
    Top->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    left->addWidget(Best);
    left->addWidget(Top, 1);
    bottom->addLayout(left, 1);
    auto* right = new QVBoxLayout;
    Qr = new QLabel(this);
    Qr->setObjectName(QStringLiteral("Qr"));
    Qr->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    Address = MakeLabel(this, QStringLiteral("Address"), Qt::AlignRight | Qt::AlignBottom);
    Qr->hide();
    Address->hide();
    right->addWidget(Qr, 1);
    right->addWidget(Address);
    bottom->addLayout(right, 1);
    main_->addLayout(bottom, 1);
}

void BoardWindow::ShowState(const BoardState& state) {
    state_ = state;
    Title->SetLine(QString(), state.listTitle);
    for (size_t lane = 0; lane < 2; ++lane) {
        TeamName[lane]->SetLine(QString(), state.lanes[lane].team);
        LaneResult[lane]->SetLine(LaneLine(state.lanes[lane]));
        const BoardLane& last = state.lastRun[lane];
        if (state.showLastRun && !last.time.isEmpty())
            //: scoreboard: the previous run of this lane, followed by its team
            LastRun[lane]->SetLine(tr("Letzter Lauf: "), last.team, QStringLiteral(" – ") + LaneLine(last));
        else
            LastRun[lane]->SetLine(QString());
    }
    FalseStart->setVisible(state.phase == BoardState::FalseStart);
    if (state.bestTime.isEmpty())
        Best->SetLine(QString());
    else
        //: scoreboard: the best total so far, followed by its team
        Best->SetLine(tr("Bestzeit: %1   ").arg(state.bestTime), state.bestTeam);
    QList<FitLine> lines;
    for (int r = 1; r < state.top.size(); ++r) {
        const QStringList& row = state.top[r];
        lines.append({QStringLiteral("%1  ").arg(row.value(0).trimmed(), 2), row.value(1).trimmed(),
                      QStringLiteral("  ") + row.value(5).trimmed()});
    }
    Top->SetLines(lines);
    UpdateTick();
    ShowClocks();
}

// Running clocks tick only while someone can see them.
void BoardWindow::UpdateTick() {
    const bool running = state_.lanes[0].running || state_.lanes[1].running;
    if (running && isVisible() && !Tick->isActive()) Tick->start();
    if (!running || !isVisible()) Tick->stop();
}

void BoardWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    UpdateTick();
    ShowClocks();
}

void BoardWindow::ShowClocks() {
    const uint32_t now = clock_ ? clock_->TickCount() : 0;
    for (int lane = 0; lane < 2; ++lane)
        ShowDigits(lane, BoardLaneMs(state_, lane, now));
}

void BoardWindow::ShowDigits(int lane, int32_t ms) {
    shownMs_[static_cast<size_t>(lane)] = ms;
    const LaneDigits d = SplitLaneTime(ms);
    auto& digits = Digits[static_cast<size_t>(lane)];
    digits[0]->SetColorOn(d.firstBright ? clYellow : 0x202020);
    digits[1]->SetColorOn(d.secondBright ? clYellow : 0x202020);
    for (int i = 0; i < 5; ++i)
        digits[static_cast<size_t>(i)]->SetValue(d.values[static_cast<size_t>(i)]);
}

void BoardWindow::SetLiveAddress(const QString& address, int qrSize, const std::vector<uint8_t>& qrDark) {
    Address->SetLine(QString(), address);
    Address->setVisible(!address.isEmpty());
    if (address.isEmpty() || qrSize <= 0) {
        qr_ = QImage();
        Qr->hide();
        return;
    }
    // A quiet zone of four modules, black on white as scanners expect.
    const int quiet = 4;
    QImage image(qrSize + 2 * quiet, qrSize + 2 * quiet, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < qrSize; ++y)
        for (int x = 0; x < qrSize; ++x)
            if (qrDark[static_cast<size_t>(y * qrSize + x)])
                image.setPixel(x + quiet, y + quiet, qRgb(0, 0, 0));
    qr_ = image;
    ScaleQr();
    Qr->show();
}

// Whole pixels a module, about a fifth of the board's height: scanned from
// the stands, and still beside the result list on a 600-line screen.
void BoardWindow::ScaleQr() {
    if (qr_.isNull()) return;
    const int module = std::max(1, std::max(height(), 200) / 5 / qr_.width());
    Qr->setPixmap(QPixmap::fromImage(qr_.scaled(qr_.width() * module, qr_.height() * module)));
}

// Everything grows with the window's height, readable from 30 m on a
// projector; what is too wide for half the width gives way in its label.
void BoardWindow::Scale() {
    const int h = std::max(height(), 200);
    const auto font = [](QWidget* label, int px, bool bold) {
        QFont f = label->font();
        f.setPixelSize(std::max(px, 8));
        f.setBold(bold);
        label->setFont(f);
    };
    const int gap = std::max(2, h / 120);
    main_->setContentsMargins(gap * 2, gap, gap * 2, gap);
    main_->setSpacing(gap);
    // Room between the lanes, so that their lines never run into each other.
    lanes_->setHorizontalSpacing(gap * 4);
    font(Title, h / 16, true);
    // Digits as tall as a quarter of the board, at most 11/20 as wide, with
    // segments an eighth of their width: legible from the back rows. A lane
    // has half the width: five digits, the comma (a sixth of the height) and
    // six gaps must fit in it.
    const int dh = std::max(h / 4, 40);
    const int lane = (width() - 8 * gap) / 2;
    const int digitGap = std::max(2, dh / 40);
    const int dw = std::max(8, std::min(dh * 11 / 20, (lane - dh / 6 - 6 * digitGap) / 5));
    for (int l = 0; l < 2; ++l) {
        font(TeamName[l], h / 14, true);
        font(LaneResult[l], h / 20, true);
        font(LastRun[l], h / 26, false);
        for (TDigit* d : Digits[static_cast<size_t>(l)]) {
            d->setFixedSize(dw, dh);
            d->SetThickness(std::max(3, dw / 8));
        }
        font(commas_[l], dh / 2, true);
        commas_[l]->setFixedSize(dh / 6, dh);
        digitRows_[l]->layout()->setSpacing(digitGap);
        digitRows_[l]->setFixedHeight(dh);
    }
    font(FalseStart, h / 8, true);
    font(Best, h / 20, true);
    font(Top, h / 28, false);
    font(Address, h / 30, false);
    ScaleQr();
}

void BoardWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Scale();
}

void BoardWindow::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    const QList<QScreen*> screens = QGuiApplication::screens();
    for (int i = 0; i < screens.size(); ++i) {
        QAction* a =
            //: context menu: show the scoreboard on screen %1 (%2 the screen's name)
            menu.addAction(tr("Auf Bildschirm %1 (%2)").arg(i + 1).arg(screens[i]->name()));
        connect(a, &QAction::triggered, this, [this, i] {
            if (OnScreenChosen) OnScreenChosen(i);
        });
    }
    menu.exec(event->globalPos());
}

void BoardWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    Tick->stop();
    if (OnClosed) OnClosed();
}

} // namespace zn
