// Building the main window's components: what a form description would hold.
#include "app/main_window.h"

#include "app/list_views.h"

#include "controls/bit_btn_with_color.h"
#include "controls/digit.h"
#include "controls/label_3d.h"
#include "controls/led.h"
#include "controls/qt_color.h"
#include "controls/sort_grid.h"
#include "core/stages.h"
#include "core/tag.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

namespace zn {

namespace {

QFont ArialPx(int px, bool bold = true, bool italic = false) {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(px);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

void SetBackground(QWidget* w, TColor color) {
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, ToQColor(color));
    w->setPalette(p);
}

void SetTextColor(QWidget* w, TColor color) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, ToQColor(color));
    w->setPalette(p);
}

QFrame* MakePanel(QWidget* parent, const QString& name, QFrame::Shadow bevel = QFrame::Raised) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | bevel);
    panel->setLineWidth(1);
    return panel;
}

// A label that runs a handler when clicked (the logo).
class ClickLabel : public QLabel {
public:
    ClickLabel(const QString& text, QWidget* parent, std::function<void()> onClick)
        : QLabel(text, parent), onClick_(std::move(onClick)) {
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) onClick_();
    }

private:
    std::function<void()> onClick_;
};

// The picture between the lane panels: two lanes side by side.
QPixmap LanePicture() {
    QPixmap pix(32, 24);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(160, 0, 0), 3));
    p.drawLine(6, 22, 12, 2);
    p.drawLine(26, 22, 20, 2);
    p.setPen(QPen(QColor(0, 0, 0), 1, Qt::DashLine));
    p.drawLine(16, 22, 16, 2);
    return pix;
}

} // namespace

// A red field at the right of the status bar, hidden until there is something
// the operator must not miss; it stays until the cause is gone.
QLabel* TFormMain::AddLastingNotice(const QString& name) {
    auto* notice = new QLabel(StatusBar1);
    notice->setObjectName(name);
    notice->setStyleSheet(QStringLiteral(
        "QLabel { background-color: #C00000; color: white; font-weight: bold; padding: 0 6px; }"));
    notice->hide();
    StatusBar1->addPermanentWidget(notice);
    return notice;
}

void TFormMain::BuildForm() {
    setMinimumSize(800, kMinHeight);
    resize(kDesignWidth, kDesignHeight);
    BuildTopBand();
    BuildTimerBand();
    BuildTableArea();
    BuildCommandButtons();

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusPanel0 = new QLabel(StatusBar1);
    StatusPanel0->setFixedWidth(50);
    StatusPanel0->setAlignment(Qt::AlignCenter);
    StatusPanel1 = new QLabel(tr(" Datenbank von Vorlauf"), StatusBar1);
    StatusBar1->addWidget(StatusPanel0);
    StatusBar1->addWidget(StatusPanel1, 1);
    StatusPanelFiles = new QLabel(StatusBar1);
    StatusPanelFiles->setObjectName(QStringLiteral("StatusPanelFiles"));
    StatusPanelFiles->hide();
    StatusBar1->addPermanentWidget(StatusPanelFiles);

    BuildMenu();
    BuildStageMenu();
    BuildTimers();
    BuildComPorts();
    BindListHandlers();
    BuildTimeWarnings();
    AlignControls();
}

void TFormMain::AddToStatusBar(QWidget* widget) {
    widget->setParent(StatusBar1);
    StatusBar1->addPermanentWidget(widget);
}

void TFormMain::SetMessage(const QString& text) {
    StatusPanel1->setText(text);
}

void TFormMain::SetStatusBarTip(const QString& tip) {
    StatusBar1->setToolTip(tip);
}

void TFormMain::BuildTopBand() {
    PanelTop = MakePanel(this, QStringLiteral("PanelTop"));

    bHelp = new QPushButton(tr("H&ilfe"), PanelTop);
    bHelp->setGeometry(4, 4, 90, 25);
    bCFG = new QPushButton(tr("&Einstellungen"), PanelTop);
    bCFG->setGeometry(98, 4, 110, 25);
    bBeenden = new QPushButton(tr("&Beenden"), PanelTop);
    bBeenden->setGeometry(212, 4, 90, 25);
    for (QPushButton* b : {bHelp, bCFG, bBeenden})
        b->setFocusPolicy(Qt::TabFocus);
    bHelp->setObjectName(QStringLiteral("bHelp"));
    bCFG->setObjectName(QStringLiteral("bCFG"));
    bBeenden->setObjectName(QStringLiteral("bBeenden"));
    connect(bHelp, &QPushButton::clicked, this, [this] { bHelpClick(); });
    connect(bBeenden, &QPushButton::clicked, this, [this] { bExitClick(); });

    // The logo: two coloured words over dark shadow copies, and the program's name.
    const auto logo = [this](const QString& text, TColor color, int x, bool shadow) {
        if (shadow) {
            auto* s = new ClickLabel(text, PanelTop, [this] { Label5Click(); });
            s->setFont(ArialPx(27));
            SetTextColor(s, 0x202020);
            s->move(x + 2, 2);
            s->adjustSize();
        }
        auto* l = new ClickLabel(text, PanelTop, [this] { Label5Click(); });
        l->setFont(ArialPx(27));
        SetTextColor(l, color);
        l->move(x, 0);
        l->adjustSize();
        return l;
    };
    Label5 = logo(QStringLiteral("Kron"), 0x0000C0, 330, true);
    Label8 = logo(QStringLiteral("vik"), 0xC04000, 330 + Label5->width(), true);
    Label6 = logo(QStringLiteral(" Zeitnahme"), 0x404040, Label8->x() + Label8->width(), false);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label8->setObjectName(QStringLiteral("Label8"));
    Label6->setObjectName(QStringLiteral("Label6"));

    PanelDate = new QLabel(QStringLiteral("00:00"), PanelTop);
    PanelDate->setObjectName(QStringLiteral("PanelDate"));
    PanelDate->setAlignment(Qt::AlignCenter);
    PanelDate->setFont(ArialPx(24, false));
    SetBackground(PanelDate, clBlack);
    SetTextColor(PanelDate, clSilver);

    Panel = MakePanel(PanelTop, QStringLiteral("Panel"));
    PanelLL = MakePanel(Panel, QStringLiteral("PanelLL"));
    PanelRR = MakePanel(Panel, QStringLiteral("PanelRR"));

    const auto lane = [](QFrame* panel, int index, QLabel*& caption, TLabel3D*& title, QComboBox*& combo) {
        //: caption above a lane: lane 1 or 2 of the track
        caption = new QLabel(tr("Bahn %1").arg(index + 1), panel);
        caption->setObjectName(QStringLiteral("LabelBahn%1").arg(index + 1));
        caption->setFont(ArialPx(14));
        title = new TLabel3D(panel);
        title->setObjectName(QStringLiteral("Title%1").arg(index + 1));
        title->setFont(ArialPx(27, true, true));
        title->SetAlignment(index == 0 ? taRightJustify : taLeftJustify);
        title->SetTransparent(true);
        title->SetBevel(blLowered);
        title->SetShadowSize(2);
        title->SetHighLightColor(index == 0 ? clWhite : clBtnHighlight);
        title->SetFirstColor(index == 0 ? clBlack : clWhite);
        title->SetLastColor(clTeal);
        title->SetFontColor(index == 0 ? clBlack : clWindowText);
        combo = new QComboBox(panel);
        combo->setObjectName(QStringLiteral("cbBuhn%1").arg(index + 1));
        combo->setMaxVisibleItems(20);
        combo->setEnabled(false);
        combo->setFont(QFont(QStringLiteral("Courier New"), 10));
    };
    lane(PanelLL, 0, LabelBahn1, Title1, cbBuhn1);
    lane(PanelRR, 1, LabelBahn2, Title2, cbBuhn2);
    LabelBahn2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Title1->SetCaption(QStringLiteral("Zozaridu Ziveve Zoz "));
    Title2->SetCaption(QStringLiteral("FF Kronvik "));
    SetTag(cbBuhn1, 1);
    SetTag(cbBuhn2, 2);
    connect(cbBuhn1, &QComboBox::currentIndexChanged, this, [this] { cbBuhnChange(); });
    connect(cbBuhn2, &QComboBox::currentIndexChanged, this, [this] { cbBuhnChange(); });

    sbLoad = new QToolButton(Panel);
    sbLoad->setObjectName(QStringLiteral("sbLoad"));
    sbLoad->setToolTip(tr("Datenbank laden"));
    sbLoad->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    sbLoad->setIconSize(QSize(24, 24));
    sbLoad->setFocusPolicy(Qt::NoFocus);
    Image1 = new QLabel(Panel);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(LanePicture());
}

void TFormMain::BuildTimerBand() {
    PanelTimer = new QFrame(this);
    PanelTimer->setObjectName(QStringLiteral("PanelTimer"));
    SetBackground(PanelTimer, clBlack);
    PanelT1 = MakePanel(PanelTimer, QStringLiteral("PanelT1"), QFrame::Sunken);
    PanelT2 = MakePanel(PanelTimer, QStringLiteral("PanelT2"), QFrame::Sunken);
    PanelCentr = new QFrame(PanelTimer);
    PanelCentr->setObjectName(QStringLiteral("PanelCentr"));
    SetBackground(PanelCentr, clBlack);
    SetTag(PanelT1, 0);
    SetTag(PanelT2, 1);
    BuildTimerPanel(PanelT1, 0);
    BuildTimerPanel(PanelT2, 1);
    Led1 = new TLed(PanelCentr);
    Led1->setObjectName(QStringLiteral("Led1"));
    Led1->setGeometry(0, 0, 16, 16);
    Led1->SetValue(true);
    Led1->setCursor(Qt::PointingHandCursor);
    //: LS = light barrier (Lichtschranke) of the start; Alt+S is the key that toggles the block
    Led1->setToolTip(tr("START-LS blockieren (Alt+S)"));
    Led1->OnClick = [this](QObject*) { Led1Click(); };
    // Shown only while a timing port is open.
    Led1->hide();
}

void TFormMain::BuildTimerPanel(QFrame* panel, int lane) {
    SetBackground(panel, clBlack);
    for (int i = 0; i < 5; ++i) {
        auto* d = new TDigit(panel);
        d->setObjectName(QStringLiteral("Digit%1_%2").arg(lane + 1).arg(i + 1));
        d->setGeometry(8 + i * 90, 4, 80, 160);
        d->SetThickness(9);
        d->SetSeparation(1);
        d->SetColor(clBlack);
        d->SetColorOff(clBlack);
        d->SetColorOn(i < 2 ? LaneDigitColors[0] : clYellow);
        Digits[lane][i] = d;
    }
    auto* comma = new QLabel(QStringLiteral(","), panel);
    comma->setObjectName(QStringLiteral("LabSec%1").arg(lane + 1));
    QFont cf(QStringLiteral("Times New Roman"));
    cf.setPixelSize(85);
    cf.setBold(true);
    comma->setFont(cf);
    comma->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    SetTextColor(comma, clYellow);
    //: unit beside the running clock: seconds
    auto* sek = new QLabel(tr("Sek."), panel);
    sek->setObjectName(QStringLiteral("Lab%1_sek").arg(lane + 1));
    auto* hundredths = new QLabel(QStringLiteral("/100"), panel);
    hundredths->setObjectName(QStringLiteral("Lab%1_100").arg(lane + 1));
    for (QLabel* l : {sek, hundredths}) {
        l->setFont(ArialPx(27));
        SetTextColor(l, clYellow);
        l->setAlignment(Qt::AlignCenter);
    }
    sek->setGeometry(8, 175, 260, 31);
    hundredths->setGeometry(314, 175, 162, 31);
    (lane == 0 ? LabSec1 : LabSec2) = comma;
    (lane == 0 ? Lab1_sek : Lab2_sek) = sek;
    (lane == 0 ? Lab1_100 : Lab2_100) = hundredths;
}

void TFormMain::BuildTableArea() {
    PanelLeft = new QWidget(this);
    PanelLeft->setObjectName(QStringLiteral("PanelLeft"));
    PanelProtokoll = MakePanel(PanelLeft, QStringLiteral("PanelProtokoll"));
    Panel3 = MakePanel(PanelProtokoll, QStringLiteral("Panel3"));

    //: caption of the shown list before one is chosen: result
    LabelErgebnis = new QLabel(tr("Ergebnis"), Panel3);
    LabelErgebnis->setObjectName(QStringLiteral("LabelErgebnis"));
    LabelErgebnis->setFont(ArialPx(18));

    // The lists: Courier 16 px, cells centred, rows of 20 px, whole rows
    // selected; the two protocol-layout lists sort qualified teams first and
    // then by best time (secondary column 10), the result lists by total.
    // The four lists show the model's stores; the top grid keeps its own.
    const auto grid = [this](QWidget* parent, const QString& name, int cols, int sortCol, int list = 0) {
        auto* g = new TSortGrid(parent);
        g->setObjectName(name);
        if (list != 0) g->SetStore(&Model.List(list));
        g->SetColCount(cols);
        g->SetRowCount(2);
        g->SetDefaultColWidth(32);
        g->SetDefaultRowHeight(20);
        g->SetAlignmentHorz(taCenter);
        g->SetAlignmentVert(taMiddle);
        g->SetBevelStyle(cbNone);
        g->SetOptions(TGridOptions(goFixedVertLine) | goFixedHorzLine | goVertLine | goHorzLine |
                      goRowSelect);
        g->SetScrollBars(ssVertical);
        g->SortOptions.CanSort = true;
        g->SortOptions.SortCol = sortCol;
        g->SortOptions.SortDirection = sdAscending;
        g->SortOptions.SortCaseSensitive = false;
        g->SortOptions.UpdateOnSizeChange = false;
        QFont courier(QStringLiteral("Courier New"));
        courier.setStyleHint(QFont::Courier);
        courier.setPixelSize(16);
        g->setFont(courier);
        return g;
    };
    SortGridTop = grid(Panel3, QStringLiteral("SortGridTop"), 4, 4);
    SortGridTop->setFocusPolicy(Qt::NoFocus);
    SortGridTop->SetOptions(SortGridTop->Options() | goColSizing);
    SortGridTop->SetScrollBars(ssNone);
    SortGridTop->SortOptions.CanSort = false;
    QFont topFont = SortGridTop->font();
    topFont.setPixelSize(19);
    topFont.setBold(true);
    SortGridTop->setFont(topFont);
    SortGrid1 = grid(PanelProtokoll, QStringLiteral("SortGrid1"), 11, 3, lkDatenbank);
    SortGrid2 = grid(PanelProtokoll, QStringLiteral("SortGrid2"), 11, 3, lkProtokoll);
    SortGrid3 = grid(PanelProtokoll, QStringLiteral("SortGrid3"), 6, 5, lkQualifikation);
    SortGrid4 = grid(PanelProtokoll, QStringLiteral("SortGrid4"), 6, 5, lkGesamt);
    for (TSortGrid* g : {SortGrid1, SortGrid2})
        g->SortOptions.SecondaryIndex = QStringLiteral("10");
    SortGrid2->hide();
    SortGrid3->hide();
    SortGrid4->hide();
}

QToolButton* TFormMain::MakeSpeedButton(const QString& name, const QString& hint, int icon) {
    auto* b = new QToolButton(Panel3);
    b->setObjectName(name);
    b->setToolTip(hint);
    b->setFocusPolicy(Qt::NoFocus);
    if (icon >= 0) b->setIcon(style()->standardIcon(static_cast<QStyle::StandardPixmap>(icon)));
    return b;
}

void TFormMain::BuildCommandButtons() {
    const auto big = [this](const QString& name, const QString& caption, TColor face, TColor text, int x) {
        auto* b = new TBitBtnWithColor(Panel3);
        b->setObjectName(name);
        b->SetCaption(caption);
        b->setFont(ArialPx(27));
        b->SetFontColor(text);
        b->SetColor(face);
        b->setCursor(Qt::PointingHandCursor);
        b->setGeometry(x, 4, 236, 48);
        return b;
    };
    bSTART = big(QStringLiteral("bSTART"), tr("&START"), clBtnFace, clWhite, 4);
    bSTOP1 = big(QStringLiteral("bSTOP1"), tr("STOPP &1"), clBtnFace, clYellow, 244);
    bSTOP2 = big(QStringLiteral("bSTOP2"), tr("STOPP &2"), clBtnFace, clYellow, 526);
    //: main button: clears the clocks for the next pair of teams
    bRESET = big(QStringLiteral("bRESET"), tr("&RESET"), clBtnFace, clWhite, 766);
    //: main button: false start
    bFSTART = big(QStringLiteral("bFSTART"), tr("&Fehlstart"), clYellow, 45056, 4);
    // Alt+S belongs to the hidden menu (arming the start contact), not to START.
    bSTART->setShortcut(QKeySequence());
    SetTag(bSTOP1, 0);
    SetTag(bSTOP2, 1);
    for (TBitBtnWithColor* b : {bSTOP1, bSTOP2, bRESET, bFSTART})
        b->setEnabled(false);

    connect(bSTART, &QAbstractButton::clicked, this, [this] { mStartClick(bSTART); });
    connect(bFSTART, &QAbstractButton::clicked, this, [this] { mFStartClick(); });
    connect(bSTOP1, &QAbstractButton::clicked, this, [this] { mSTOPClick(bSTOP1); });
    connect(bSTOP2, &QAbstractButton::clicked, this, [this] { mSTOPClick(bSTOP2); });
    connect(bRESET, &QAbstractButton::clicked, this, [this] { mResetClick(bRESET); });
    bSTART->OnMouseDown = [this](QObject*, Qt::MouseButton) { bSTARTMouseDown(); };
    bSTOP1->OnMouseDown = [this](QObject*, Qt::MouseButton) { bSTOP1MouseDown(); };
    bSTOP2->OnMouseDown = [this](QObject*, Qt::MouseButton) { bSTOP2MouseDown(); };
    bRESET->OnMouseDown = [this](QObject*, Qt::MouseButton) { bRESETMouseDown(); };

    sbSave = MakeSpeedButton(QStringLiteral("sbSave"), tr("Protokoll speichern unter"),
                             QStyle::SP_DialogSaveButton);
    sbExcel = MakeSpeedButton(QStringLiteral("sbExcel"), tr("Datei in MS Excel"),
                              QStyle::SP_FileDialogDetailedView);
    sbSaveX = MakeSpeedButton(QStringLiteral("sbSaveX"), tr("Aktuelle Liste speichern unter MS Excel"),
                              QStyle::SP_DriveHDIcon);
    sbHTML = MakeSpeedButton(QStringLiteral("sbHTML"), tr("Als Webseite"), QStyle::SP_DriveNetIcon);
    sbWord = MakeSpeedButton(QStringLiteral("sbWord"), tr("Datei in MS Word"), QStyle::SP_FileIcon);
    sbPrint =
        MakeSpeedButton(QStringLiteral("sbPrint"), tr("Protokoll drucken"), QStyle::SP_FileDialogListView);
    sbGramoty =
        MakeSpeedButton(QStringLiteral("sbGramoty"), tr("Urkunden drucken"), QStyle::SP_FileDialogInfoView);
    sbCLS = MakeSpeedButton(QStringLiteral("sbCLS"), tr("Zeile entfernen"), QStyle::SP_TrashIcon);
    sbClsAll = MakeSpeedButton(QStringLiteral("sbClsAll"), tr("Ergebnisse entfernen"),
                               QStyle::SP_DialogDiscardButton);
    bQ =
        MakeSpeedButton(QStringLiteral("bQ"), tr("Protokolle generieren"), QStyle::SP_FileDialogContentsView);
    sb1 =
        //: takes the team of lane 1 from the time protocol
        MakeSpeedButton(QStringLiteral("sb1"), tr("Laufbahn 1. Aus dem Protokoll zu nehmen"), -1);
    sb2 =
        //: takes the team of lane 2 from the time protocol
        MakeSpeedButton(QStringLiteral("sb2"), tr("Laufbahn 2. Aus dem Protokoll zu nehmen"), -1);
    sb1->setText(QStringLiteral("1"));
    sb2->setText(QStringLiteral("2"));
    SetTag(sb1, 1);
    SetTag(sb2, 2);
    int x = 4;
    for (QToolButton* b :
         {sbSave, sbExcel, sbSaveX, sbHTML, sbWord, sbPrint, sbGramoty, sbCLS, sbClsAll, bQ, sb1, sb2}) {
        b->setGeometry(x, 55, 24, 24);
        b->setEnabled(false);
        x += 26;
    }
    LabelErgebnis->setGeometry(x + 12, 53, 420, 26);
}

// The list menu: a submenu per stage with its lists as radio entries and the
// generation of the result lists; only "Vorlauf" is open until a workbook
// names another stage.
void TFormMain::BuildStageMenu() {
    PopupMenuQ4 = new QMenu(this);
    PopupMenuQ4->setObjectName(QStringLiteral("PopupMenuQ4"));
    for (int stage = 1; stage <= kStageCount; ++stage) {
        QMenu* sub = PopupMenuQ4->addMenu(StageTitle(stage));
        sub->setObjectName(QStringLiteral("Startliste%1").arg(stage));
        SetTag(sub->menuAction(), stage);
        sub->setEnabled(stage == 1);
        auto* radio = new QActionGroup(sub);
        radio->setExclusive(true);
        for (const StageMenuEntry& e : StageMenuEntries(stage)) {
            if (e.separator) {
                sub->addSeparator();
                continue;
            }
            QAction* entry = sub->addAction(e.caption);
            SetTag(entry, e.tag);
            if (KindOfTag(e.tag) == lkGenerate) {
                connect(entry, &QAction::triggered, this, [this, entry] { QualigenerierenClick(entry); });
            } else if (KindOfTag(e.tag) == lkNextRound) {
                connect(entry, &QAction::triggered, this, [this, entry] { NextRoundClick(entry); });
            } else {
                entry->setCheckable(true);
                entry->setActionGroup(radio);
                entry->setChecked(KindOfTag(e.tag) == lkDatenbank);
                connect(entry, &QAction::triggered, this, [this, entry] { ChooseListEntry(entry); });
            }
        }
        Startliste[stage] = sub;
    }
    DatenbanknachVorlauf2 = StageEntry(StageTag(1, lkProtokoll));
    DatenbanknachVorlauf2->setObjectName(QStringLiteral("DatenbanknachVorlauf2"));
    bQ->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(bQ, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { PopupMenuQ4->popup(bQ->mapToGlobal(pos)); });
}

// The lists' events and the buttons of the table panel.
void TFormMain::BindListHandlers() {
    // What the operator types, picks or ticks in a list goes to the model,
    // which journals it when the edit is committed.
    const std::array<TSortGrid*, 5> lists{nullptr, SortGrid1, SortGrid2, SortGrid3, SortGrid4};
    for (int list = lkDatenbank; list <= lkGesamt; ++list) {
        lists[static_cast<size_t>(list)]->OnCellEdited = [this, list](TSortGrid*, int col, int row,
                                                                      const QString& old) {
            Model.NoteCellEdit(list, row, col, old);
        };
    }
    listViews_ = std::make_unique<TListGrids>(lists);
    Model.SetView(listViews_.get());
    for (TSortGrid* g : {SortGrid1, SortGrid2}) {
        g->OnKeyPress = [this](TSortGrid* sender, QChar& key) { SortGrid1KeyPress(sender, key); };
        g->OnSelectCell = [this](TSortGrid* sender, int col, int row, bool& can) {
            SortGrid1SelectCell(sender, col, row, can);
        };
        g->OnRowSelected = [this](TSortGrid* sender) { SortGrid1RowSelected(sender); };
        g->OnGetCellFormat = [this](TSortGrid* sender, int col, int row, TGridDrawState state,
                                    TFormatOptions& fo, bool& check, bool& combo, bool& ellipsis) {
            SortGrid1GetCellFormat(sender, col, row, state, fo, check, combo, ellipsis);
        };
        g->OnGetSortStyle = [this](TSortGrid* sender, int col, TSortStyle& style) {
            SortGrid1GetSortStyle(sender, col, style);
        };
        g->OnSetChecked = [this](TSortGrid* sender, int col, int row, bool state) {
            SortGrid1SetChecked(sender, col, row, state);
        };
        g->OnGetComboBox = [this](TSortGrid* sender, int col, int row, QStringList& strs, int& w, int& h,
                                  bool& sorted) {
            SortGrid1GetComboBox(sender, col, row, strs, w, h, sorted);
        };
        g->OnSetComboBox = [this](TSortGrid*, int, int, const QString&) { ProtocolChanged(); };
    }
    for (TSortGrid* g : {SortGrid3, SortGrid4}) {
        g->OnGetCellFormat = [this](TSortGrid* sender, int col, int row, TGridDrawState state,
                                    TFormatOptions& fo, bool& check, bool& combo, bool& ellipsis) {
            SortGrid3GetCellFormat(sender, col, row, state, fo, check, combo, ellipsis);
        };
        g->OnGetSortStyle = [this](TSortGrid* sender, int col, TSortStyle& style) {
            SortGrid3GetSortStyle(sender, col, style);
        };
    }
    connect(sb1, &QToolButton::clicked, this, [this] { sb1Click(sb1); });
    connect(sb2, &QToolButton::clicked, this, [this] { sb1Click(sb2); });
    connect(sbCLS, &QToolButton::clicked, this, [this] { sbCLSClick(); });
    connect(sbClsAll, &QToolButton::clicked, this, [this] { sbClsAllClick(); });
    connect(bQ, &QToolButton::clicked, this, [this] { bQClick(); });
    connect(sbSave, &QToolButton::clicked, this, [this] { sbSaveClick(); });
    connect(sbSaveX, &QToolButton::clicked, this, [this] { sbSaveXClick(); });
    connect(sbExcel, &QToolButton::clicked, this, [this] { sbExcelClick(); });
    connect(sbHTML, &QToolButton::clicked, this, [this] { sbHTMLClick(); });
    connect(sbWord, &QToolButton::clicked, this, [this] { ExportWordDocument(0, QString()); });
    connect(bCFG, &QPushButton::clicked, this, [this] { bCFGClick(); });
    connect(sbPrint, &QToolButton::clicked, this, [this] { sbGramotyClick(sbPrint); });
    connect(sbGramoty, &QToolButton::clicked, this, [this] { sbGramotyClick(sbGramoty); });
    connect(sbLoad, &QToolButton::clicked, this, [this] { sbLoadClick(); });
}

void TFormMain::BuildTimers() {
    const auto timer = [this](const QString& name, int ms, bool active) {
        auto* t = new QTimer(this);
        t->setObjectName(name);
        t->setInterval(ms);
        if (active) t->start();
        return t;
    };
    TimerDate = timer(QStringLiteral("TimerDate"), 5000, true);
    Clock = timer(QStringLiteral("Clock"), 10, false);
    Clock->setTimerType(Qt::PreciseTimer);
    // A lane's lock-out (kLockOutMs, 2000 ms from the instant of the contact
    // that stopped the lane or started the run): a bouncing relay cannot stop
    // it twice. Precise: a coarse timer may end it 5 % (100 ms) early.
    TimerGesperrt1 = timer(QStringLiteral("TimerGesperrt1"), kLockOutMs, false);
    TimerGesperrt2 = timer(QStringLiteral("TimerGesperrt2"), kLockOutMs, false);
    TimerGesperrt1->setTimerType(Qt::PreciseTimer);
    TimerGesperrt2->setTimerType(Qt::PreciseTimer);
    // While a timing port has failed: looks once a second whether its device is back.
    TimerPortCheck = timer(QStringLiteral("TimerPortCheck"), 1000, false);
    // A brief note stays 5 s: long enough to be read after a look back from the track.
    TimerNote = timer(QStringLiteral("TimerNote"), 5000, false);
    TimerNote->setSingleShot(true);
    SetTag(TimerGesperrt1, 1);
    SetTag(TimerGesperrt2, 2);
    connect(TimerDate, &QTimer::timeout, this, [this] { TimerDateTimer(); });
    connect(Clock, &QTimer::timeout, this, [this] { ClockTimer(); });
    connect(TimerGesperrt1, &QTimer::timeout, this, [this] { TimerGesperrt1Timer(TimerGesperrt1); });
    connect(TimerGesperrt2, &QTimer::timeout, this, [this] { TimerGesperrt1Timer(TimerGesperrt2); });
    connect(TimerPortCheck, &QTimer::timeout, this, [this] { TimerPortCheckTimer(); });
    connect(TimerNote, &QTimer::timeout, this, [this] { TimerNoteTimer(); });
}

} // namespace zn
