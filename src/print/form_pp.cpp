#include "print/form_pp.h"

#include "print/print_preview.h"

#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace zn {

namespace {

constexpr int kToolbarHeight = 29;
// 0.1 mm per inch, for the printable area in the page's unit.
constexpr int kLoMetricPerInch = 254;

} // namespace

TFormPP::TFormPP(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("FormPP"));
    setWindowTitle(QStringLiteral("Ansicht"));
    resize(kDesignWidth, kDesignHeight);
    BuildForm();
    PlaceOnScreen();
}

void TFormPP::BuildForm() {
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(kToolbarHeight);
    auto* bar = new QHBoxLayout(Panel1);
    bar->setContentsMargins(4, 2, 4, 2);

    Button1 = new QPushButton(QStringLiteral("Drucken"), Panel1);
    Button1->setObjectName(QStringLiteral("Button1"));
    QFont bold = Button1->font();
    bold.setBold(true);
    Button1->setFont(bold);

    const auto label = [this](const QString& name, const QString& text) {
        auto* l = new QLabel(text, Panel1);
        l->setObjectName(name);
        return l;
    };
    LabelZoom = label(QStringLiteral("LabelZoom"), QStringLiteral("Zoom:"));
    cbZoom = new QComboBox(Panel1);
    cbZoom->setObjectName(QStringLiteral("cbZoom"));
    cbZoom->addItems({QStringLiteral("Ganze Seite"), QStringLiteral("Seitenbreite"),
                      QStringLiteral("Seitenhohe"), QStringLiteral("25%"), QStringLiteral("50%"),
                      QStringLiteral("75%"), QStringLiteral("100%"), QStringLiteral("200%")});
    LabelPage = label(QStringLiteral("LabelPage"), QStringLiteral("Urkunde:"));
    sePage = new QSpinBox(Panel1);
    sePage->setObjectName(QStringLiteral("sePage"));
    sePage->setRange(1, 1);
    LabelOri = label(QStringLiteral("LabelOri"), QStringLiteral("Format:"));
    cbOri = new QComboBox(Panel1);
    cbOri->setObjectName(QStringLiteral("cbOri"));
    cbOri->addItems({QStringLiteral("Hoch"), QStringLiteral("Quer")});
    LabelPapir = label(QStringLiteral("LabelPapir"), QStringLiteral("Papier:"));
    cbPapir = new QComboBox(Panel1);
    cbPapir->setObjectName(QStringLiteral("cbPapir"));
    cbPapir->addItems({QStringLiteral("A4"), QStringLiteral("A3")});
    LabelPapir->hide();
    cbPapir->hide();
    bPdf = new QPushButton(QStringLiteral("PDF speichern"), Panel1);
    bPdf->setObjectName(QStringLiteral("bPdf"));
    bPdf->setToolTip(QStringLiteral("Die Seiten als PDF-Datei speichern"));

    for (QWidget* w : std::initializer_list<QWidget*>{Button1, LabelZoom, cbZoom, LabelPage, sePage, LabelOri,
                                                      cbOri, LabelPapir, cbPapir, bPdf})
        bar->addWidget(w);
    bar->addStretch(1);

    PrintPreview1 = new TPrintPreview(this);
    PrintPreview1->setObjectName(QStringLiteral("PrintPreview1"));
    PrintPreview1->setFrameShape(QFrame::NoFrame);
    PrintPreview1->SetUnits(mmLoMetric);
    PrintPreview1->SetMarginLeft(160);
    PrintPreview1->SetMarginRight(60);
    PrintPreview1->SetMarginTop(60);
    PrintPreview1->SetMarginBottom(60);
    PrintPreview1->Font.name = QStringLiteral("Arial");
    PrintPreview1->OnChange = [this](TPrintPreview*) { SyncPageSpin(); };

    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(0, 0, 0, 0);
    main->setSpacing(0);
    main->addWidget(Panel1);
    main->addWidget(PrintPreview1, 1);

    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(cbZoom, &QComboBox::currentIndexChanged, this, [this] { cbZoomChange(); });
    connect(sePage, &QSpinBox::valueChanged, this, [this] { sePageChange(); });
    connect(cbOri, &QComboBox::currentIndexChanged, this, [this] { cbOriChange(); });
    connect(cbPapir, &QComboBox::currentIndexChanged, this, [this] { cbPapirChange(); });
    connect(bPdf, &QPushButton::clicked, this, [this] { bPdfClick(); });
}

// Half the screen wide, as high as the work area, a quarter of the screen in.
void TFormPP::PlaceOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect work = screen->availableGeometry();
    const QRect full = screen->geometry();
    resize(full.width() / 2, work.height());
    move(full.left() + full.width() / 4, work.top());
}

void TFormPP::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) ComposePages();
}

void TFormPP::ComposePages() {
    TPrintPreview* pv = PrintPreview1;
    if (pv->PrinterInstalled()) {
        // The page is the printer's printable area, in its orientation; a
        // changed orientation reaches the printer through the preview, so
        // "Quer" survives this step.
        QPrinter* printer = pv->Printer();
        pv->SetOrientation(printer->pageLayout().orientation() == QPageLayout::Landscape ? poLandscape
                                                                                         : poPortrait);
        pv->UpdateDeviceMetrics();
        pv->SetPaperWidth(printer->width() * kLoMetricPerInch / pv->PrinterDpiX());
        pv->SetPaperHeight(printer->height() * kLoMetricPerInch / pv->PrinterDpiY());
        pv->SetPaperType(pCustom);
    }
    {
        const QSignalBlocker block(cbOri);
        cbOri->setCurrentIndex(pv->Orientation() == poLandscape ? 1 : 0);
    }
    // The job's name for the printer queue and the PDF's title.
    pv->PrintJobTitle = pv->Tag != 0 ? QStringLiteral("Urkunden") : QStringLiteral("Protokoll");
    const PageBox r = pv->MarginRect();
    PrintSource source = Source ? Source() : PrintSource{};
    bool composed = true;
    try {
        pv->BeginDoc();
        if (pv->Tag != 0) {
            if (source.layout)
                ComposeCertificates(*pv, source.table, *source.layout, source.firstRow, source.lastRow,
                                    source.date, source.listTitle);
        } else {
            composed = ComposeProtocol(*pv, source.table, r, source.listTitle, source.dateCaption);
        }
        pv->EndDoc();
    } catch (const EOutOfResources&) {
        pv->EndDoc();
        Say(QStringLiteral("Nicht genug Speicher für eine weitere Seite: die Vorschau ist unvollständig."),
            true);
    }
    if (!composed) {
        pv->Clear();
        Say(QStringLiteral("Die Liste ist zu breit: sie passt in keiner Schriftgröße auf die Seite."), true);
    }
    const QSignalBlocker block(sePage);
    sePage->setMaximum(std::max(1, pv->PageCount()));
    sePage->setValue(1);
    sePage->setEnabled(pv->PageCount() > 1);
}

void TFormPP::SyncPageSpin() {
    if (PrintPreview1->CurrentPage() < 1) return;
    const QSignalBlocker block(sePage);
    sePage->setValue(PrintPreview1->CurrentPage());
}

void TFormPP::Button1Click() {
    TPrintPreview* pv = PrintPreview1;
    const QPrinter* printer = pv->Printer();
    if (!pv->PrinterInstalled() ||
        (printer->outputFormat() == QPrinter::PdfFormat && printer->outputFileName().isEmpty())) {
        Say(QStringLiteral("Es ist kein Drucker eingerichtet. Mit „PDF speichern“ lassen sich die Seiten als "
                           "PDF-Datei sichern, oder im Druckdialog „In Datei drucken“ wählen."),
            true);
        return;
    }
    pv->Print();
    if (pv->Aborted()) Say(QStringLiteral("Der Druck wurde abgebrochen."), true);
}

void TFormPP::cbZoomChange() {
    const int i = cbZoom->currentIndex();
    switch (i) {
    case 0:
        PrintPreview1->SetZoomState(zsZoomToFit);
        break;
    case 1:
        PrintPreview1->SetZoomState(zsZoomToWidth);
        break;
    case 2:
        PrintPreview1->SetZoomState(zsZoomToHeight);
        break;
    default:
        PrintPreview1->SetZoom(cbZoom->currentText().chopped(1).toInt());
        break;
    }
}

void TFormPP::sePageChange() {
    PrintPreview1->SetCurrentPage(sePage->value());
}

void TFormPP::cbOriChange() {
    PrintPreview1->SetOrientation(cbOri->currentIndex() == 1 ? poLandscape : poPortrait);
    ComposePages();
}

void TFormPP::cbPapirChange() {
    PrintPreview1->SetPaperType(cbPapir->currentIndex() == 1 ? pA3 : pA4);
    ComposePages();
}

void TFormPP::bPdfClick() {
    TPrintPreview* pv = PrintPreview1;
    if (pv->PageCount() == 0 || !AskPdfFileName) return;
    const PrintSource source = Source ? Source() : PrintSource{};
    QString name = pv->Tag != 0 ? QStringLiteral("Urkunden") : QStringLiteral("Protokoll");
    if (!source.listTitle.isEmpty()) name += QLatin1Char(' ') + source.listTitle;
    name += QStringLiteral(".pdf");
    if (!AskPdfFileName(name)) return;
    if (!name.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) name += QStringLiteral(".pdf");
    QString error;
    if (!pv->SavePdf(name, &error)) Say(error, true);
}

void TFormPP::Say(const QString& text, bool error) {
    if (Tell) Tell(text, error);
}

} // namespace zn
