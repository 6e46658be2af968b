#include "app/board_window.h"

#include "controls/digit.h"
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

QLabel* MakeLabel(QWidget* parent, const QString& name, Qt::Alignment align) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(align);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QString LaneLine(const BoardLane& lane) {
    if (lane.time.isEmpty()) return QString();
    QString line = QStringLiteral("Zeit %1").arg(lane.time);
    if (!lane.penalty.isEmpty()) line += QStringLiteral("   Fehler %1").arg(lane.penalty);
    if (!lane.total.isEmpty()) line += QStringLiteral("   Gesamt %1").arg(lane.total);
    return line;
}

} // namespace

TFormBoard::TFormBoard(ITickSource* clock, QWidget* parent) : QWidget(parent, Qt::Window), clock_(clock) {
    setObjectName(QStringLiteral("FormBoard"));
    setWindowTitle(QStringLiteral("Anzeigetafel"));
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

void TFormBoard::Build() {
    auto* main = new QVBoxLayout(this);
    Title = MakeLabel(this, QStringLiteral("Title"), Qt::AlignCenter);
    main->addWidget(Title);
    auto* lanes = new QHBoxLayout;
    for (int lane = 0; lane < 2; ++lane) {
        auto* column = new QVBoxLayout;
        TeamName[lane] = MakeLabel(this, QStringLiteral("TeamName%1").arg(lane + 1), Qt::AlignCenter);
        TeamName[lane]->setWordWrap(true);
        column->addWidget(TeamName[lane]);
        auto* row = new QWidget(this);
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
                auto* comma = MakeLabel(row, QStringLiteral("Comma%1").arg(lane + 1), Qt::AlignBottom);
                comma->setText(QStringLiteral(","));
                comma->setStyleSheet(QStringLiteral("color: yellow;"));
                digits->addWidget(comma);
            }
        }
        digits->addStretch(1);
        digitRows_[lane] = row;
        column->addWidget(row, 1);
        LaneResult[lane] = MakeLabel(this, QStringLiteral("LaneResult%1").arg(lane + 1), Qt::AlignCenter);
        LastRun[lane] = MakeLabel(this, QStringLiteral("LastRun%1").arg(lane + 1), Qt::AlignCenter);
        LastRun[lane]->setStyleSheet(QStringLiteral("color: #9fd3ff;"));
        column->addWidget(LaneResult[lane]);
        column->addWidget(LastRun[lane]);
        lanes->addLayout(column, 1);
    }
    main->addLayout(lanes, 3);
    FalseStart = MakeLabel(this, QStringLiteral("FalseStart"), Qt::AlignCenter);
    FalseStart->setText(QStringLiteral("FEHLSTART"));
    FalseStart->setStyleSheet(QStringLiteral("color: white; background-color: #c00000;"));
    FalseStart->hide();
    main->addWidget(FalseStart);
    auto* bottom = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    Best = MakeLabel(this, QStringLiteral("Best"), Qt::AlignLeft | Qt::AlignVCenter);
    Top = MakeLabel(this, QStringLiteral("Top"), Qt::AlignLeft | Qt::AlignTop);
    Top->setStyleSheet(QStringLiteral("font-family: 'Liberation Mono', monospace;"));
    left->addWidget(Best);
    left->addWidget(Top, 1);
    bottom->addLayout(left, 1);
    auto* right = new QVBoxLayout;
    Qr = MakeLabel(this, QStringLiteral("Qr"), Qt::AlignRight | Qt::AlignBottom);
    Address = MakeLabel(this, QStringLiteral("Address"), Qt::AlignRight | Qt::AlignBottom);
    Qr->hide();
    Address->hide();
    right->addWidget(Qr, 1);
    right->addWidget(Address);
    bottom->addLayout(right);
    main->addLayout(bottom, 2);
}

void TFormBoard::ShowState(const BoardState& state) {
    state_ = state;
    Title->setText(state.listTitle);
    for (size_t lane = 0; lane < 2; ++lane) {
        TeamName[lane]->setText(state.lanes[lane].team);
        LaneResult[lane]->setText(LaneLine(state.lanes[lane]));
        const BoardLane& last = state.lastRun[lane];
        LastRun[lane]->setText(state.showLastRun && !last.time.isEmpty()
                                   ? QStringLiteral("Letzter Lauf: %1 – %2").arg(last.team, LaneLine(last))
                                   : QString());
    }
    FalseStart->setVisible(state.phase == BoardState::FalseStart);
    Best->setText(state.bestTime.isEmpty()
                      ? QString()
                      : QStringLiteral("Bestzeit: %1   %2").arg(state.bestTime, state.bestTeam));
    QStringList lines;
    for (int r = 1; r < state.top.size(); ++r) {
        const QStringList& row = state.top[r];
        lines << QStringLiteral("%1  %2  %3").arg(row.value(0), 3).arg(row.value(1), -28).arg(row.value(5));
    }
    Top->setText(lines.join(QChar(u'\n')));
    UpdateTick();
    ShowClocks();
}

// Running clocks tick only while someone can see them.
void TFormBoard::UpdateTick() {
    const bool running = state_.lanes[0].running || state_.lanes[1].running;
    if (running && isVisible() && !Tick->isActive()) Tick->start();
    if (!running || !isVisible()) Tick->stop();
}

void TFormBoard::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    UpdateTick();
    ShowClocks();
}

void TFormBoard::ShowClocks() {
    const uint32_t now = clock_ ? clock_->TickCount() : 0;
    for (int lane = 0; lane < 2; ++lane)
        ShowDigits(lane, BoardLaneMs(state_, lane, now));
}

void TFormBoard::ShowDigits(int lane, int32_t ms) {
    shownMs_[static_cast<size_t>(lane)] = ms;
    const LaneDigits d = SplitLaneTime(ms);
    auto& digits = Digits[static_cast<size_t>(lane)];
    digits[0]->SetColorOn(d.firstBright ? clYellow : 0x202020);
    digits[1]->SetColorOn(d.secondBright ? clYellow : 0x202020);
    for (int i = 0; i < 5; ++i)
        digits[static_cast<size_t>(i)]->SetValue(d.values[static_cast<size_t>(i)]);
}

void TFormBoard::SetLiveAddress(const QString& address, int qrSize, const std::vector<uint8_t>& qrDark) {
    Address->setText(address);
    Address->setVisible(!address.isEmpty());
    if (address.isEmpty() || qrSize <= 0) {
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
    Qr->setPixmap(QPixmap::fromImage(image.scaled(image.width() * 4, image.height() * 4)));
    Qr->show();
}

// Everything grows with the window: readable from 30 m on a projector.
void TFormBoard::Scale() {
    const int h = std::max(height(), 200);
    const auto font = [](QLabel* label, int px, bool bold) {
        QFont f = label->font();
        f.setPixelSize(std::max(px, 8));
        f.setBold(bold);
        label->setFont(f);
    };
    font(Title, h / 16, true);
    for (int lane = 0; lane < 2; ++lane) {
        font(TeamName[lane], h / 14, true);
        font(LaneResult[lane], h / 20, true);
        font(LastRun[lane], h / 26, false);
        // Digits as tall as a quarter of the board, half as wide, with
        // segments an eighth of their width: legible from the back rows.
        const int dh = std::max(h / 4, 40);
        const int dw = std::min(dh * 11 / 20, width() / 2 / 7);
        for (TDigit* d : Digits[static_cast<size_t>(lane)]) {
            d->setFixedSize(dw, dh);
            d->SetThickness(std::max(3, dw / 8));
        }
        if (auto* comma = digitRows_[lane]->findChild<QLabel*>(QStringLiteral("Comma%1").arg(lane + 1)))
            font(comma, dh / 2, true);
        digitRows_[lane]->setMinimumHeight(dh);
    }
    font(FalseStart, h / 8, true);
    font(Best, h / 20, true);
    font(Top, h / 28, false);
    font(Address, h / 30, false);
}

void TFormBoard::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Scale();
}

void TFormBoard::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    const QList<QScreen*> screens = QGuiApplication::screens();
    for (int i = 0; i < screens.size(); ++i) {
        QAction* a =
            menu.addAction(QStringLiteral("Auf Bildschirm %1 (%2)").arg(i + 1).arg(screens[i]->name()));
        connect(a, &QAction::triggered, this, [this, i] {
            if (OnScreenChosen) OnScreenChosen(i);
        });
    }
    menu.exec(event->globalPos());
}

void TFormBoard::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    Tick->stop();
    if (OnClosed) OnClosed();
}

} // namespace zn
