// Layout of the main window on resize: bands from top to bottom, the title
// band, the timer band that scales with the width, and the list columns.
#include "app/main_window.h"

#include "controls/digit.h"
#include "controls/label_3d.h"
#include "controls/led.h"
#include "controls/sort_grid.h"
#include "core/main_layout.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QStatusBar>
#include <QToolButton>

namespace zn {

namespace {
constexpr int kTopHeight = 98;
constexpr int kPanelHeight = 65;
constexpr int kDateWidth = 222;
constexpr int kPanel3Height = 101;
// The table area (buttons and list) never gets less than this height: at
// 208 px the list still shows five teams. The timer band gives way instead.
constexpr int kMinTableHeight = 208;
} // namespace

void TFormMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    AlignControls();
}

// Places the bands as top-aligned panels; the timer band's height follows its
// width, and the rest of the window goes to the lists.
void TFormMain::AlignControls() {
    if (!PanelTop) return;
    const int w = width();
    PanelTop->setGeometry(0, 0, w, kTopHeight);
    PanelDate->setGeometry(w - kDateWidth, 0, kDateWidth, kTopHeight - kPanelHeight);
    Panel->setGeometry(0, kTopHeight - kPanelHeight, w, kPanelHeight);
    PanelResize();

    PanelTimer->setGeometry(0, kTopHeight, w, PanelTimer->height());
    PanelTimerResize();

    const int statusHeight = StatusBar1->sizeHint().height();
    StatusBar1->setGeometry(0, height() - statusHeight, w, statusHeight);
    const int tableTop = PanelTimer->geometry().bottom() + 1;
    PanelLeft->setGeometry(0, tableTop, w, std::max(0, height() - statusHeight - tableTop));
    PanelProtokoll->setGeometry(0, 0, PanelLeft->width(), PanelLeft->height());
    Panel3->setGeometry(0, 0, PanelProtokoll->width(), kPanel3Height);
    SortGridTop->setGeometry(0, kPanel3Height - 22, Panel3->width(), 22);
    const QRect grids(0, kPanel3Height, PanelProtokoll->width(),
                      std::max(0, PanelProtokoll->height() - kPanel3Height));
    for (TSortGrid* g : {SortGrid1, SortGrid2, SortGrid3, SortGrid4})
        g->setGeometry(grids);
    FormResize();
}

void TFormMain::FormResize() {
    for (TSortGrid* g : {SortGrid1, SortGrid2}) {
        const auto protocol = ProtocolColumnWidths(g->ClientWidth());
        for (int c = 0; c < 11; ++c)
            g->SetColWidths(c, protocol[c]);
    }
    std::array<int, 11> protocol{};
    for (int c = 0; c < 11; ++c)
        protocol[c] = SortGrid1->ColWidths(c);
    const auto strip = TopStripColumnWidths(protocol);
    for (int c = 0; c < 4; ++c)
        SortGridTop->SetColWidths(c, strip[c]);
    for (TSortGrid* g : {SortGrid3, SortGrid4}) {
        const auto result = ResultColumnWidths(g->ClientWidth());
        for (int c = 0; c < 6; ++c)
            g->SetColWidths(c, result[c]);
    }
}

void TFormMain::PanelResize() {
    const int laneWidth = LanePanelWidth(Panel->width());
    const int h = Panel->height();
    PanelLL->setGeometry(0, 0, laneWidth, h);
    PanelRR->setGeometry(Panel->width() - laneWidth, 0, laneWidth, h);
    // The load button and the picture keep to the middle between the lanes.
    const int middle = laneWidth + (Panel->width() - 2 * laneWidth) / 2;
    sbLoad->setGeometry(middle - 16, 3, 32, 32);
    Image1->setGeometry(middle - 16, 37, 32, 24);

    const int comboWidth = std::max(60, laneWidth - 70);
    LabelBahn1->setGeometry(6, 5, 60, 20);
    cbBuhn1->setGeometry(laneWidth - comboWidth - 4, 3, comboWidth, 24);
    Title1->setGeometry(2, 28, laneWidth - 4, h - 30);
    LabelBahn2->setGeometry(laneWidth - 64, 5, 60, 20);
    cbBuhn2->setGeometry(4, 3, comboWidth, 24);
    Title2->setGeometry(2, 28, laneWidth - 4, h - 30);
}

void TFormMain::PanelTimerResize() {
    TDigit* first = Digits[0][0];
    const int statusHeight = StatusBar1->sizeHint().height();
    const int maxBand = height() - kTopHeight - statusHeight - kMinTableHeight;
    TimerBandLayout l = ComputeTimerBand(width(), Lab1_sek->height(), first->y(), maxBand);
    const int p = l.panelWidth;

    PanelTimer->resize(PanelTimer->width(), l.bandHeight);
    PanelT1->setGeometry(0, 0, p, l.bandHeight);
    PanelT2->setGeometry(PanelTimer->width() - p, 0, p, l.bandHeight);
    PanelCentr->setGeometry(p, 0, std::max(0, PanelTimer->width() - 2 * p), l.bandHeight);

    // Width and height first: the digit takes a thickness only when it fits.
    first->resize(l.digitWidth, l.digitHeight);
    first->SetThickness(l.thickness);
    PlaceTimerDigits(l, first->x(), first->Thickness(), first->y());
    for (int i = 0; i < 5; ++i) {
        TDigit* d = Digits[0][i];
        d->setGeometry(l.digitLeft[i], first->y(), l.digitWidth, l.digitHeight);
        d->SetThickness(first->Thickness());
    }
    LabSec1->setGeometry(l.commaLeft, l.commaTop, l.commaWidth, LabSec1->height());
    QFont comma = LabSec1->font();
    comma.setPixelSize(std::max(1, RoundHalfEven(l.commaFontSize * 96.0 / 72.0))); // points at 96 dpi
    LabSec1->setFont(comma);
    LabSec1->resize(l.commaWidth, std::max(LabSec1->sizeHint().height(), 10));

    Led1->move(Led1->x(), PanelCentr->height() - Led1->height() - 2);

    for (int i = 0; i < 5; ++i) {
        Digits[1][i]->setGeometry(Digits[0][i]->geometry());
        Digits[1][i]->SetThickness(Digits[0][i]->Thickness());
    }
    LabSec2->setGeometry(LabSec1->geometry());
    LabSec2->setFont(LabSec1->font());

    Lab1_sek->move(Lab1_sek->x(), PanelT1->height() - Lab1_sek->height());
    Lab1_100->setGeometry(Digits[0][3]->x(), Lab1_sek->y(), 2 * Digits[0][3]->width(), Lab1_100->height());
    Lab2_sek->move(Lab2_sek->x(), Lab1_sek->y());
    Lab2_100->setGeometry(Lab1_100->x(), Lab1_sek->y(), Lab1_100->width(), Lab2_100->height());
}

} // namespace zn
