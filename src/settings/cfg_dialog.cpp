#include "settings/cfg_dialog.h"

#include "controls/bit_btn_with_color.h"
#include "core/port_choice.h"
#include "print/paper_preview.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

namespace zn {

namespace {

// The left column holds the three groups; the page preview fills the right.
constexpr int kColumnLeft = 4;
// 290 pixels: the contact mode lists need 87 to show "Wechseln" whole.
constexpr int kColumnWidth = 290;
// Lists of ports and lines show up to 20 entries before they scroll: 16 ports
// give 33 port entries, the 18 certificate lines nearly fit.
constexpr int kVisibleRows = 20;
// The preview's paper is 260 x 364 pixels: an A4 page of 210 x 297 mm at one
// pixel per mm fits with room for lines placed past the printable edge.
constexpr int kPaperWidth = 260;
constexpr int kPaperHeight = 364;

QLabel* AddLabel(const QString& text, QWidget* parent, int x, int y, QWidget* buddy = nullptr) {
    auto* label = new QLabel(text, parent);
    label->move(x, y);
    label->adjustSize();
    if (buddy) label->setBuddy(buddy);
    return label;
}

QComboBox* AddList(QWidget* parent, const char* name, const QRect& geometry, const QStringList& items) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->setGeometry(geometry);
    list->addItems(items);
    return list;
}

} // namespace

void TPortComboBox::showPopup() {
    if (OnDropDown) OnDropDown();
    QComboBox::showPopup();
}

TCfgDialog::TCfgDialog(uint32_t availablePorts, CertificateLayout* layout, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint),
      Layout(layout) {
    setObjectName(QStringLiteral("CfgDialog"));
    setWindowTitle(tr("Einstellungen"));
    setFixedSize(kClientWidth, kClientHeight);
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPixelSize(11);
    setFont(f);
    BuildForm();
    FormCreate(availablePorts);
    ConnectHandlers();
}

void TCfgDialog::BuildForm() {
    BuildTitleGroup();
    BuildPortGroup();
    BuildCertificateGroup();

    PaperPreview1 = new TPaperPreview(this);
    PaperPreview1->setObjectName(QStringLiteral("PaperPreview1"));
    PaperPreview1->move(kColumnLeft + kColumnWidth + 8, 4);
    PaperPreview1->SetPaperWidth(kPaperWidth);
    PaperPreview1->SetPaperHeight(kPaperHeight);
    PaperPreview1->setCursor(Qt::SizeAllCursor);
    PaperPreview1->setToolTip(tr("Seite ansicht"));

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setGeometry(48, 350, 75, 25);
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(tr("Abbrechen"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setGeometry(146, 350, 75, 25);
}

void TCfgDialog::BuildTitleGroup() {
    auto* group = new QGroupBox(tr("Titel"), this);
    group->setGeometry(kColumnLeft, 0, kColumnWidth, 66);
    Title1 = new QLineEdit(QStringLiteral("Zozaridu Ziveve Zoz"), group);
    Title1->setObjectName(QStringLiteral("Title1"));
    Title1->setGeometry(24, 16, 258, 21);
    Title2 = new QLineEdit(QStringLiteral("Freiwillige Feuerwehr"), group);
    Title2->setObjectName(QStringLiteral("Title2"));
    Title2->setGeometry(24, 40, 258, 21);
    AddLabel(QStringLiteral("1."), group, 8, 19, Title1);
    AddLabel(QStringLiteral("2."), group, 8, 43, Title2);
}

void TCfgDialog::BuildPortGroup() {
    auto* group = new QGroupBox(tr("Anschluss"), this);
    group->setGeometry(kColumnLeft, 68, kColumnWidth, 98);
    cbPorts = AddList(group, "cbPorts", QRect(52, 70, 96, 21), {NoPortEntry()});
    cbPorts->hide();
    cbPort1 = new TPortComboBox(group);
    cbPort1->setObjectName(QStringLiteral("cbPort1"));
    cbPort1->setGeometry(52, 16, 96, 21);
    cbPort2 = new TPortComboBox(group);
    cbPort2->setObjectName(QStringLiteral("cbPort2"));
    cbPort2->setGeometry(52, 42, 96, 21);
    for (QComboBox* list : {static_cast<QComboBox*>(cbPort1), static_cast<QComboBox*>(cbPort2)})
        list->setMaxVisibleItems(kVisibleRows);
    //: Contact mode of a lane's stop contact: on
    const QStringList modes{tr("Ein"),
                            //: Contact mode of a lane's stop contact: off
                            tr("Aus"),
                            //: Contact mode of a lane's stop contact: toggle (every change counts)
                            tr("Wechseln")};
    cbAlg1 = AddList(group, "cbAlg1", QRect(196, 16, 87, 21), modes);
    cbAlg2 = AddList(group, "cbAlg2", QRect(196, 42, 87, 21), modes);
    cbAlg1->setEnabled(false);
    cbAlg2->setEnabled(false);
    AddLabel(tr("Bahn1:"), group, 8, 19, cbPort1);
    AddLabel(tr("Bahn2:"), group, 8, 45, cbPort2);
    AddLabel(tr("Kontakt:"), group, 150, 19, cbAlg1);

    bDevices = new QPushButton(tr("Geräte …"), group);
    bDevices->setObjectName(QStringLiteral("bDevices"));
    bDevices->setGeometry(177, 68, 106, 23);
    bDevices->setToolTip(tr("Schnittstellen anderen Geräten zuordnen"));
    bDevices->hide();
}

void TCfgDialog::BuildCertificateGroup() {
    auto* group = new QGroupBox(tr("Urkunde"), this);
    group->setGeometry(kColumnLeft, 168, kColumnWidth, 176);

    cbON = new QCheckBox(group);
    cbON->setObjectName(QStringLiteral("cbON"));
    cbON->setGeometry(8, 18, 17, 17);
    cbWho = AddList(group, "cbWho", QRect(28, 16, 254, 21),
                    {//: Certificate line: the team's rank
                     tr("Platz"), tr("Mannschaft"), tr("Klasse"), tr("Übungszeit"),
                     //: Certificate line: the team's penalty seconds
                     tr("Fehler"), tr("Gesamtzeit"), tr("Datum"), tr("Dateiname")});
    for (int n = 1; n <= 10; ++n)
        cbWho->addItem(tr("%1. Zeile").arg(n));
    cbWho->setMaxVisibleItems(kVisibleRows);

    Edit1 = new QLineEdit(group);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(52, 42, 230, 21);
    AddLabel(tr("Zeile:"), group, 8, 45, Edit1);

    seLeft = new QSpinBox(group);
    seLeft->setObjectName(QStringLiteral("seLeft"));
    seLeft->setGeometry(52, 68, 56, 21);
    seTop = new QSpinBox(group);
    seTop->setObjectName(QStringLiteral("seTop"));
    seTop->setGeometry(176, 68, 56, 21);
    for (QSpinBox* box : {seLeft, seTop})
        box->setRange(0, 999);
    //: Distance of a certificate line from the left paper edge
    AddLabel(tr("Links:"), group, 8, 71, seLeft);
    AddLabel(QStringLiteral("mm"), group, 112, 71);
    AddLabel(tr("Oben:"), group, 140, 71, seTop);
    AddLabel(QStringLiteral("mm"), group, 236, 71);

    cbAlign = AddList(group, "cbAlign", QRect(80, 94, 90, 21),
                      {//: Text alignment of a certificate line
                       tr("Links"), tr("Zentriert"), tr("Rechts")});
    AddLabel(tr("Ausrichtung:"), group, 8, 97, cbAlign);
    cbZoom = AddList(group, "cbZoom", QRect(222, 94, 60, 21), {QStringLiteral("A4"), QStringLiteral("A3")});
    AddLabel(tr("Papier:"), group, 180, 97, cbZoom);

    bFont = new TBitBtnWithColor(group);
    bFont->setObjectName(QStringLiteral("bFont"));
    bFont->setGeometry(8, 122, 151, 48);
    bFont->SetCaption(tr("Schriftart"));
    // 32 pixels are 24 points at 96 dpi: twice the 12 points of a new line.
    QFont design(QStringLiteral("Times New Roman"));
    design.setPixelSize(32);
    design.setBold(true);
    bFont->setFont(design);

    bColor = new QPushButton(tr("Farbe …"), group);
    bColor->setObjectName(QStringLiteral("bColor"));
    bColor->setGeometry(165, 122, 118, 23);
    bColor->setToolTip(tr("Farbe der Zeile wählen"));
    lFontFace = new QLabel(group);
    lFontFace->setObjectName(QStringLiteral("lFontFace"));
    lFontFace->setGeometry(165, 147, 118, 26);
    lFontFace->setWordWrap(true);
}

void TCfgDialog::FormCreate(uint32_t availablePorts) {
    SetAvailablePorts(availablePorts);
    cbWho->setItemText(3, tr("Übungszeit"));
    ApplyCertificateDefaults(*Layout);
    cbWho->setCurrentIndex(0);
}

void TCfgDialog::ConnectHandlers() {
    cbPort1->OnDropDown = [this] { cbPortDropDown(cbPort1); };
    cbPort2->OnDropDown = [this] { cbPortDropDown(cbPort2); };
    connect(cbPort1, &QComboBox::currentIndexChanged, this, &TCfgDialog::cbPortChange);
    connect(cbPort2, &QComboBox::currentIndexChanged, this, &TCfgDialog::cbPortChange);
    connect(bDevices, &QPushButton::clicked, this, [this] {
        if (!AssignDevices) return;
        if (const std::optional<uint32_t> ports = AssignDevices()) SetAvailablePorts(*ports);
    });

    connect(cbWho, &QComboBox::currentIndexChanged, this, &TCfgDialog::cbWhoChange);
    connect(cbON, &QCheckBox::clicked, this, &TCfgDialog::cbONClick);
    connect(cbAlign, &QComboBox::currentIndexChanged, this, &TCfgDialog::cbAlignChange);
    connect(seLeft, &QSpinBox::valueChanged, this, &TCfgDialog::sePosChange);
    connect(seTop, &QSpinBox::valueChanged, this, &TCfgDialog::sePosChange);
    connect(cbZoom, &QComboBox::currentIndexChanged, this, &TCfgDialog::sePosChange);
    connect(Edit1, &QLineEdit::textEdited, this, &TCfgDialog::Edit1KeyUp);
    connect(bFont, &QAbstractButton::clicked, this, &TCfgDialog::bFontClick);
    connect(bColor, &QPushButton::clicked, this, &TCfgDialog::bColorClick);
    PaperPreview1->OnPaint = [this](TPaperPreview*, QPainter& canvas, const QRect& pageRect) {
        PaperPreview1Paint(canvas, pageRect);
    };
    PaperPreview1->OnMouseDown = [this](TPaperPreview*, QMouseEvent* event) {
        PaperPreview1MouseDown(event);
    };

    connect(OKBtn, &QPushButton::clicked, this, &TCfgDialog::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TCfgDialog::FormShow() {
    CurrentLine = -1;
    cbWhoChange();
    cbPort1->setEnabled(cbPort1->count() > 1);
    cbPort2->setEnabled(cbPort1->isEnabled());
    // The device hints may have been set after the lists were filled.
    SetPortHints(cbPort1);
    SetPortHints(cbPort2);
    bDevices->setVisible(static_cast<bool>(AssignDevices));
}

void TCfgDialog::showEvent(QShowEvent* event) {
    // Centred on the owner, and so on the owner's monitor.
    if (QWidget* owner = parentWidget()) {
        const QRect r = owner->frameGeometry();
        move(r.center() - QPoint(width() / 2, height() / 2));
    }
    QDialog::showEvent(event);
}

void TCfgDialog::SetAvailablePorts(uint32_t availablePorts) {
    const QStringList entries = PortTemplate(availablePorts);
    {
        const QSignalBlocker blocker(cbPorts);
        cbPorts->clear();
        cbPorts->addItems(entries);
    }
    for (QComboBox* list : {static_cast<QComboBox*>(cbPort1), static_cast<QComboBox*>(cbPort2)}) {
        const QString own = list->currentText();
        FillPortList(list, entries);
        list->setCurrentIndex(std::max(0, static_cast<int>(entries.indexOf(own))));
    }
    cbPort1->setEnabled(cbPort1->count() > 1);
    cbPort2->setEnabled(cbPort1->isEnabled());
    cbPortChange();
}

QString TCfgDialog::LaneEntry(int lane) const {
    return (lane == 2 ? cbPort2 : cbPort1)->currentText();
}

QStringList TCfgDialog::PortTemplateEntries() const {
    QStringList entries;
    for (int i = 0; i < cbPorts->count(); ++i)
        entries << cbPorts->itemText(i);
    return entries;
}

void TCfgDialog::FillPortList(QComboBox* list, const QStringList& entries) {
    const QSignalBlocker blocker(list);
    list->clear();
    list->addItems(entries);
    SetPortHints(list);
}

void TCfgDialog::SetPortHints(QComboBox* list) {
    if (!PortDeviceHint) return;
    for (int i = 0; i < list->count(); ++i) {
        if (const std::optional<PortChoice> choice = ParsePortEntry(list->itemText(i)))
            list->setItemData(i, PortDeviceHint(choice->port), Qt::ToolTipRole);
    }
}

void TCfgDialog::cbPortChange() {
    cbAlg1->setEnabled(cbPort1->currentIndex() > 0);
    cbAlg2->setEnabled(cbPort2->currentIndex() > 0);
}

// The list loses the other lane's entry, so two lanes never wait on the same
// pins; the other pin pair of the same port stays, so one cable can carry both.
void TCfgDialog::cbPortDropDown(TPortComboBox* list) {
    const QStringList entries = PortTemplateEntries();
    if (entries.size() <= 1) return;
    const TPortComboBox* other = list == cbPort1 ? cbPort2 : cbPort1;
    const RefilledPortList refilled = RefillPortList(entries, list->currentText(), other->currentText());
    FillPortList(list, refilled.entries);
    {
        const QSignalBlocker blocker(list);
        list->setCurrentIndex(refilled.selected);
    }
    cbPortChange();
}

void TCfgDialog::OKBtnClick() {
    cbWhoChange();
    accept();
}

} // namespace zn
