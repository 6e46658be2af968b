#include "print/form_pp.h"

#include "print/print_preview.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
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
// The protocol's frame keeps 16 mm to the left and 6 mm to the other edges of
// the page the printer prints on (in 0.1 mm, the window's unit).
constexpr int kProtocolMarginLeft = 160;
constexpr int kProtocolMargin = 60;

// A length of the window's unit (0.1 mm) in millimetres: "4,2".
QString Millimetres(int tenths) {
    return QLocale(QLocale::German).toString(tenths / 10.0, 'f', 1);
}

} // namespace

TFormPP::TFormPP(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("FormPP"));
    setWindowTitle(tr("Ansicht"));
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

    Button1 = new QPushButton(tr("Drucken"), Panel1);
    Button1->setObjectName(QStringLiteral("Button1"));
    QFont bold = Button1->font();
    bold.setBold(true);
    Button1->setFont(bold);

    const auto label = [this](const QString& name, const QString& text) {
        auto* l = new QLabel(text, Panel1);
        l->setObjectName(name);
        return l;
    };
    LabelZoom = label(QStringLiteral("LabelZoom"), tr("Zoom:"));
    cbZoom = new QComboBox(Panel1);
    cbZoom->setObjectName(QStringLiteral("cbZoom"));
    cbZoom->addItems({tr("Ganze Seite"), tr("Seitenbreite"), tr("Seitenhohe"), QStringLiteral("25%"),
                      QStringLiteral("50%"), QStringLiteral("75%"), QStringLiteral("100%"),
                      QStringLiteral("200%")});
    LabelPage = label(QStringLiteral("LabelPage"), tr("Urkunde:"));
    sePage = new QSpinBox(Panel1);
    sePage->setObjectName(QStringLiteral("sePage"));
    sePage->setRange(1, 1);
    LabelOri = label(QStringLiteral("LabelOri"), tr("Format:"));
    cbOri = new QComboBox(Panel1);
    cbOri->setObjectName(QStringLiteral("cbOri"));
    //: Page orientation: portrait
    cbOri->addItems({tr("Hoch"),
                     //: Page orientation: landscape
                     tr("Quer")});
    LabelPapir = label(QStringLiteral("LabelPapir"), tr("Papier:"));
    cbPapir = new QComboBox(Panel1);
    cbPapir->setObjectName(QStringLiteral("cbPapir"));
    for (TPaperType paper : kOfferedPapers)
        cbPapir->addItem(PaperName(paper));
    bPdf = new QPushButton(tr("PDF speichern"), Panel1);
    bPdf->setObjectName(QStringLiteral("bPdf"));
    bPdf->setToolTip(tr("Die Seiten als PDF-Datei speichern"));

    LabelSaved = new QLabel(Panel1);
    LabelSaved->setObjectName(QStringLiteral("LabelSaved"));

    for (QWidget* w : std::initializer_list<QWidget*>{Button1, LabelZoom, cbZoom, LabelPage, sePage, LabelOri,
                                                      cbOri, LabelPapir, cbPapir, bPdf})
        bar->addWidget(w);
    bar->addWidget(LabelSaved, 1);

    PrintPreview1 = new TPrintPreview(this);
    PrintPreview1->setObjectName(QStringLiteral("PrintPreview1"));
    PrintPreview1->setFrameShape(QFrame::NoFrame);
    PrintPreview1->SetUnits(mmLoMetric);
    PrintPreview1->SetMarginLeft(kProtocolMarginLeft);
    PrintPreview1->SetMarginRight(kProtocolMargin);
    PrintPreview1->SetMarginTop(kProtocolMargin);
    PrintPreview1->SetMarginBottom(kProtocolMargin);
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
    PrintSource source = Source ? Source() : PrintSource{};
    // Each kind of document has its own paper and orientation: "Quer" for the
    // protocol leaves the certificates upright.
    const PageSetup setup = source.page ? *source.page : ownPage_;
    pv->SetOrientation(setup.landscape ? poLandscape : poPortrait);
    pv->SetPaperType(setup.paper);
    if (!pv->ApplyPrinterSetup())
        Say(tr("Der Drucker bietet das Papier „%1“ nicht an.").arg(PaperName(setup.paper)), true);
    ShowPageSetup(setup);
    // The protocol's frame stays inside the page the printer prints on, as
    // it did when a page was only that part of the sheet.
    const PageBox page = pv->PageArea();
    pv->SetMarginLeft(page.left + kProtocolMarginLeft);
    pv->SetMarginTop(page.top + kProtocolMargin);
    pv->SetMarginRight(pv->PaperWidth() - page.right + kProtocolMargin);
    pv->SetMarginBottom(pv->PaperHeight() - page.bottom + kProtocolMargin);
    // The job's name for the printer queue and the PDF's title.
    pv->PrintJobTitle = pv->Tag != 0 ? QStringLiteral("Urkunden") : QStringLiteral("Protokoll");
    const PageBox r = pv->MarginRect();
    placed_.clear();
    bool composed = true;
    try {
        pv->BeginDoc();
        if (pv->Tag != 0) {
            if (source.layout)
                ComposeCertificates(*pv, source.table, *source.layout, source.firstRow, source.lastRow,
                                    source.date, source.listTitle, &placed_);
        } else {
            composed = ComposeProtocol(*pv, source.table, r, source.listTitle, source.dateCaption);
        }
        pv->EndDoc();
    } catch (const EOutOfResources&) {
        pv->EndDoc();
        Say(tr("Nicht genug Speicher für eine weitere Seite: die Vorschau ist unvollständig."), true);
    }
    if (!composed) {
        pv->Clear();
        Say(tr("Die Liste ist zu breit: sie passt in keiner Schriftgröße auf die Seite."), true);
    }
    const QSignalBlocker block(sePage);
    sePage->setMaximum(std::max(1, pv->PageCount()));
    sePage->setValue(1);
    sePage->setEnabled(pv->PageCount() > 1);
}

void TFormPP::ShowPageSetup(const PageSetup& setup) {
    const QSignalBlocker blockOri(cbOri);
    const QSignalBlocker blockPaper(cbPapir);
    cbOri->setCurrentIndex(setup.landscape ? 1 : 0);
    cbPapir->setCurrentIndex(std::max<int>(0, cbPapir->findText(PaperName(setup.paper))));
}

void TFormPP::ChangePageSetup(const std::function<void(PageSetup&)>& change) {
    const PrintSource source = Source ? Source() : PrintSource{};
    change(source.page ? *source.page : ownPage_);
    ComposePages();
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
        Say(tr("Es ist kein Drucker eingerichtet. Mit „PDF speichern“ lassen sich die Seiten als "
               "PDF-Datei sichern, oder im Druckdialog als Drucker „In PDF-Datei drucken“ wählen."),
            true);
        return;
    }
    //: Fills %1 of "Diese Zeilen der Urkunde reichen über %1 hinaus …"
    if (!LinesInside(pv->PrintableArea(), tr("den Bereich, den der Drucker bedrucken kann,"),
                     tr("Trotzdem drucken?")))
        return;
    pv->Print();
    if (pv->Aborted()) Say(tr("Der Druck wurde abgebrochen."), true);
}

bool TFormPP::LinesInside(const PageBox& area, const QString& where, const QString& action) {
    if (PrintPreview1->Tag == 0) return true;
    const std::vector<int> outside = LinesOutside(placed_, area);
    if (outside.empty()) return true;
    QStringList names;
    for (int line : outside)
        names << QStringLiteral("„%1“").arg(CertificateLineName(line));
    const QString question =
        tr("Diese Zeilen der Urkunde reichen über %1 hinaus und würden abgeschnitten: %2.\n"
           "Bedruckt wird von %3 bis %4 mm von links und von %5 bis %6 mm von oben; in den "
           "Einstellungen lassen sich die Zeilen verschieben.\n\n%7")
            .arg(where, names.join(QStringLiteral(", ")), Millimetres(area.left), Millimetres(area.right),
                 Millimetres(area.top), Millimetres(area.bottom), action);
    return Ask && Ask(question);
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
    const bool landscape = cbOri->currentIndex() == 1;
    ChangePageSetup([landscape](PageSetup& setup) { setup.landscape = landscape; });
}

void TFormPP::cbPapirChange() {
    const TPaperType paper = PaperByName(cbPapir->currentText()).value_or(pA4);
    ChangePageSetup([paper](PageSetup& setup) { setup.paper = paper; });
}

void TFormPP::bPdfClick() {
    TPrintPreview* pv = PrintPreview1;
    if (pv->PageCount() == 0 || !AskPdfFileName) return;
    if (!LinesInside(PageBox{0, 0, pv->PaperWidth(), pv->PaperHeight()},
                     //: Fills %1 of "Diese Zeilen der Urkunde reichen über %1 hinaus …"
                     tr("den Rand des Papiers"), tr("Trotzdem speichern?")))
        return;
    const PrintSource source = Source ? Source() : PrintSource{};
    QString name = pv->Tag != 0 ? QStringLiteral("Urkunden") : QStringLiteral("Protokoll");
    if (!source.listTitle.isEmpty()) name += QLatin1Char(' ') + source.listTitle;
    name += QStringLiteral(".pdf");
    if (!AskPdfFileName(name)) return;
    if (!name.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) name += QStringLiteral(".pdf");
    QString error;
    if (!pv->SavePdf(name, &error)) {
        LabelSaved->clear();
        Say(error, true);
        return;
    }
    const QString shown = QDir::toNativeSeparators(name);
    LabelSaved->setText(tr("Gespeichert: %1").arg(QFileInfo(name).fileName()));
    LabelSaved->setToolTip(shown);
    if (Saved) Saved(name);
}

void TFormPP::Say(const QString& text, bool error) {
    if (Tell) Tell(text, error);
}

} // namespace zn
