#include "print/page_setup_dialog.h"
#include "print/print_preview.h"
#include "test_platform.h"

#include <QComboBox>
#include <QImage>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QToolButton>
#include <QXmlStreamReader>

using namespace zn;
using namespace zn::test;

namespace {

QString TeamName(int i) {
    static const QStringList kPlaces{"Mühlbach", "Österreich-Süd", "Großenhain", "Žďár", "Äpfelbach"};
    return QStringLiteral("FF %1 %2").arg(kPlaces[i % kPlaces.size()]).arg(i);
}

// The text of a PDF (pdftotext) or nothing when the tool is missing.
std::optional<QString> PdfText(const QString& pdf) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) return std::nullopt;
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The sheets of a PDF and its lines of text with their boxes, in mm from the
// sheet's top-left corner, as pdftotext -bbox-layout finds them.
struct PdfLayout {
    struct Line {
        QString text;
        double left, top, right, bottom;
    };
    QList<QSizeF> sheets;
    QList<Line> lines;

    const Line* Find(const QString& text) const {
        for (const Line& line : lines)
            if (line.text == text) return &line;
        return nullptr;
    }
};

std::optional<PdfLayout> PdfLines(const QString& pdf) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) return std::nullopt;
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(60000);
    PdfLayout out;
    QXmlStreamReader xml(p.readAllStandardOutput());
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const auto mm = [&](const char* name) {
            return xml.attributes().value(QLatin1String(name)).toDouble() * 25.4 / 72;
        };
        if (xml.name() == u"page") out.sheets << QSizeF(mm("width"), mm("height"));
        if (xml.name() == u"line")
            out.lines << PdfLayout::Line{{}, mm("xMin"), mm("yMin"), mm("xMax"), mm("yMax")};
        if (xml.name() == u"word" && !out.lines.isEmpty()) {
            QString& text = out.lines.last().text;
            text += (text.isEmpty() ? QString() : QStringLiteral(" ")) + xml.readElementText();
        }
    }
    return out;
}

// Renders every page (pdftoppm) and counts those with ink on them.
int InkedPages(const QString& pdf, const QString& folder) {
    QProcess p;
    p.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("20"), QStringLiteral("-png"),
                                         pdf, folder + QStringLiteral("/page")});
    p.waitForFinished(60000);
    int inked = 0;
    for (const QFileInfo& png : QDir(folder).entryInfoList({QStringLiteral("page*.png")})) {
        const QImage image(png.filePath());
        bool ink = false;
        for (int y = 0; y < image.height() && !ink; ++y)
            for (int x = 0; x < image.width() && !ink; ++x)
                ink = qGray(image.pixel(x, y)) < 100;
        inked += ink ? 1 : 0;
    }
    return inked;
}

class Printing : public ShownForm {
protected:
    int dialogMax = 0;
    QStringList dialogs;

    // A result list of `teams` rows, shown as the qualification of "Vorlauf".
    void ShowResults(int teams) {
        QList<QStringList> rows{ResultHeaderRow()};
        for (int i = 1; i <= teams; ++i)
            rows << QStringList{QString::number(i),
                                TeamName(i),
                                "Männer",
                                QStringLiteral("%1,25").arg(20 + i),
                                "0",
                                QStringLiteral("%1,25").arg(20 + i)};
        FillList(form->SortGrid3, rows);
        form->StageEntry(13)->trigger();
        ASSERT_EQ(form->CurrentList, form->SortGrid3);
    }

    // The print dialog is confirmed, with the rows from..to when from > 0.
    void AcceptPrintDialog(int from = 0, int to = 0) {
        wb.modal.handle = [this, from, to](QDialog& d) -> std::optional<int> {
            dialogs << d.objectName();
            auto* print = qobject_cast<QPrintDialog*>(&d);
            if (!print) return QDialog::Rejected;
            dialogMax = print->maxPage();
            if (from > 0) {
                print->printer()->setPrintRange(QPrinter::PageRange);
                print->printer()->setFromTo(from, to);
            }
            return QDialog::Accepted;
        };
    }

    TPrintPreview* Preview() { return wb.preview->PrintPreview1; }

    // Message boxes are answered `yes` or cancelled; their texts are kept.
    QStringList questions;
    void AnswerQuestions(bool yes) {
        wb.modal.handle = [this, yes](QDialog& d) -> std::optional<int> {
            auto* box = qobject_cast<QMessageBox*>(&d);
            if (!box) return std::nullopt;
            questions << box->text();
            return yes ? QMessageBox::Yes : QMessageBox::Cancel;
        };
    }

    QStringList Texts(int page) {
        QStringList out;
        for (const PageOp& op : Preview()->Pages().Items(page).ops)
            if (op.kind == PageOp::opText) out << op.text;
        return out;
    }
    const PageOp* Text(int page, const QString& text) {
        static PageOp found;
        for (const PageOp& op : Preview()->Pages().Items(page).ops)
            if (op.kind == PageOp::opText && op.text == text) return &(found = op);
        return nullptr;
    }
};

} // namespace

TEST_F(Printing, ProtocolOfFortyTeamsIsPreviewedAndSavedAsPdfWithEveryName) {
    ShowResults(40);
    AcceptPrintDialog();
    form->sbPrint->click();
    ASSERT_TRUE(wb.preview->isVisible());
    EXPECT_EQ(dialogMax, 1);
    EXPECT_EQ(Preview()->Tag, 0);
    ASSERT_GE(Preview()->PageCount(), 1);
    EXPECT_TRUE(Texts(0).contains(TeamName(1)));
    EXPECT_TRUE(Texts(0).contains(form->PanelDate->text()));
    // The frame keeps 16 mm left and 6 mm right inside the page the printer
    // prints on (Qt's PDF printer keeps 10 pt of the sheet around it).
    const PageBox page = Preview()->PageArea();
    EXPECT_EQ(page.left, 35);
    const std::vector<PageOp>& ops = Preview()->Pages().Items(0).ops;
    const auto frame =
        std::find_if(ops.begin(), ops.end(), [](const PageOp& op) { return op.kind == PageOp::opRect; });
    ASSERT_NE(frame, ops.end());
    EXPECT_EQ(frame->x1, page.left + 160);
    EXPECT_EQ(frame->x2, page.right - 60);

    const QString pdf = wb.Path(QStringLiteral("protokoll.pdf"));
    wb.files.chosen = pdf;
    wb.preview->bPdf->click();
    EXPECT_EQ(wb.files.shownFilter, "PDF-Datei (*.pdf)");
    EXPECT_EQ(wb.preview->LabelSaved->text(), "Gespeichert: protokoll.pdf");
    EXPECT_EQ(form->StatusPanel1->text(), " Gespeichert: " + QDir::toNativeSeparators(pdf));
    const std::optional<QString> text = PdfText(pdf);
    if (!text) GTEST_SKIP() << "pdftotext is not installed";
    for (int i = 1; i <= 40; ++i)
        EXPECT_TRUE(text->contains(TeamName(i))) << TeamName(i).toStdString();
    EXPECT_TRUE(text->contains("Seite: 1"));
    QTemporaryDir pngs;
    EXPECT_EQ(InkedPages(pdf, pngs.path()), Preview()->PageCount());
}

TEST_F(Printing, CertificatesFollowThePrintDialogsRowsAndPrintToAFile) {
    ShowResults(6);
    ASSERT_TRUE(form->sbGramoty->isEnabled());
    AcceptPrintDialog(4, 4);
    form->sbGramoty->click();
    EXPECT_EQ(dialogMax, 6);
    ASSERT_EQ(Preview()->PageCount(), 1);
    const PageOp* team = Text(0, TeamName(4));
    ASSERT_TRUE(team);
    EXPECT_EQ(team->x1, 300); // the first-run place: 30 mm from the left, 16 mm down
    EXPECT_EQ(team->y1, 160);
    EXPECT_TRUE(Texts(0).contains("24,25 sek."));
    EXPECT_EQ(form->CertificateLines[1].text, TeamName(4));

    // Asked again while the window is open: the new rows are composed.
    AcceptPrintDialog();
    form->sbGramoty->click();
    ASSERT_EQ(Preview()->PageCount(), 6);
    EXPECT_TRUE(Texts(5).contains(TeamName(6)));

    const QString pdf = wb.Path(QStringLiteral("urkunden.pdf"));
    form->Printer->setOutputFileName(pdf);
    wb.preview->Button1->click();
    EXPECT_TRUE(wb.modal.messages.isEmpty()) << wb.modal.messages.join('\n').toStdString();
    // Pages composed on the printable area leave the printer's paper as it was.
    EXPECT_EQ(form->Printer->pageLayout().pageSize().id(), QPageSize::A4);
    const std::optional<QString> text = PdfText(pdf);
    if (!text) GTEST_SKIP() << "pdftotext is not installed";
    for (int i = 1; i <= 6; ++i)
        EXPECT_TRUE(text->contains(TeamName(i))) << TeamName(i).toStdString();
    QTemporaryDir pngs;
    EXPECT_EQ(InkedPages(pdf, pngs.path()), 6);
}

TEST_F(Printing, AListWithoutTeamsPrintsNoCertificateAndSaysWhy) {
    ShowResults(0);
    wb.modal.handle = [this](QDialog& d) -> std::optional<int> {
        if (!qobject_cast<QPrintDialog*>(&d)) return std::nullopt; // the message box
        dialogs << d.objectName();
        return QDialog::Accepted;
    };
    form->sbGramoty->click();
    EXPECT_TRUE(dialogs.isEmpty());
    EXPECT_FALSE(wb.preview->isVisible());
    EXPECT_EQ(wb.modal.messages,
              QStringList{"Die Liste enthält keine Mannschaft: keine Urkunden zu drucken."});
}

TEST_F(Printing, LandscapeSurvivesRecompositionAndCancelShowsNothing) {
    ShowResults(3);
    form->sbPrint->click(); // the dialog is cancelled
    EXPECT_FALSE(wb.preview->isVisible());

    AcceptPrintDialog();
    form->sbPrint->click();
    ASSERT_TRUE(wb.preview->isVisible());
    wb.preview->cbOri->setCurrentIndex(1);
    EXPECT_EQ(Preview()->Orientation(), poLandscape);
    EXPECT_GT(Preview()->PaperWidth(), Preview()->PaperHeight());
    form->sbPrint->click();
    EXPECT_EQ(Preview()->Orientation(), poLandscape);
    EXPECT_EQ(wb.preview->cbOri->currentIndex(), 1);
    EXPECT_GT(Preview()->PaperWidth(), Preview()->PaperHeight());

    dialogs.clear();
    ASSERT_TRUE(Workbench::ShowActive(*form));
    QTest::keyClick(form.get(), Qt::Key_D, Qt::AltModifier);
    EXPECT_EQ(dialogs, QStringList{"PrinterSetupDialog1"});
}

namespace {

// The sheet's millimetres: a line left-aligned 30 mm in and 20 mm down, one
// centred in the middle, one right-aligned 10 mm from the right and 20 mm
// from the bottom edge; where a stretched page would drift the most.
struct EdgeLines {
    int width, height;
    void Into(CertificateLayout& layout) const {
        for (CertificateLine& line : layout)
            line.printOn = 0;
        const auto set = [&](int i, const char* text, int align, int left, int top) {
            CertificateLine& line = layout[static_cast<size_t>(i)];
            line = layout[0];
            line.printOn = 1;
            line.text = QString::fromLatin1(text);
            line.align = static_cast<uint8_t>(align);
            line.leftMm = left;
            line.topMm = top;
        };
        set(8, "Links", 0, 30, 20);
        set(9, "Mitte", 1, width / 2, height / 2);
        set(10, "Rechts", 2, width - 10, height - 20);
    }
    void Check(const QString& pdf, const char* how) const {
        SCOPED_TRACE(how);
        const std::optional<PdfLayout> found = PdfLines(pdf);
        if (!found) GTEST_SKIP() << "pdftotext is not installed";
        ASSERT_EQ(found->sheets.size(), 1);
        EXPECT_NEAR(found->sheets[0].width(), width, 0.5);
        EXPECT_NEAR(found->sheets[0].height(), height, 0.5);
        const PdfLayout::Line* left = found->Find("Links");
        const PdfLayout::Line* middle = found->Find("Mitte");
        const PdfLayout::Line* right = found->Find("Rechts");
        ASSERT_TRUE(left && middle && right);
        EXPECT_NEAR(left->left, 30, 0.5);
        EXPECT_NEAR(left->top, 20, 0.5);
        EXPECT_NEAR((middle->left + middle->right) / 2, width / 2, 0.5);
        EXPECT_NEAR(middle->top, height / 2, 0.5);
        EXPECT_NEAR(right->right, width - 10, 0.5);
        EXPECT_NEAR(right->top, height - 20, 0.5);
    }
};

} // namespace

TEST_F(Printing, CertificateLinesLandOnTheirMillimetresOnEveryPaperSavedAndPrinted) {
    ShowResults(2);
    AcceptPrintDialog(1, 1);
    form->sbGramoty->click();
    const auto check = [&](const EdgeLines& sheet, const QString& name) {
        sheet.Into(form->CertificateLines);
        AcceptPrintDialog(1, 1);
        form->sbGramoty->click();
        ASSERT_EQ(Preview()->PageCount(), 1);
        wb.files.chosen = wb.Path(name + QStringLiteral(" gespeichert.pdf"));
        wb.preview->bPdf->click();
        sheet.Check(wb.files.chosen, "PDF speichern");
        const QString printed = wb.Path(name + QStringLiteral(" gedruckt.pdf"));
        form->Printer->setOutputFileName(printed);
        wb.preview->Button1->click();
        sheet.Check(printed, "Drucken");
        EXPECT_TRUE(wb.modal.messages.isEmpty()) << wb.modal.messages.join('\n').toStdString();
    };
    check({210, 297}, QStringLiteral("A4"));

    wb.preview->cbOri->setCurrentIndex(1); // "Quer"
    check({297, 210}, QStringLiteral("A4 quer"));

    // A3 upright through the page set-up of "Drucker" (Alt+D).
    wb.modal.handle = [](QDialog& d) -> std::optional<int> {
        auto* setup = qobject_cast<PageSetupDialog*>(&d);
        if (!setup) return std::nullopt;
        setup->Paper[1]->setCurrentText(QStringLiteral("A3"));
        setup->Portrait[1]->setChecked(true);
        return QDialog::Accepted;
    };
    ASSERT_TRUE(Workbench::ShowActive(*form));
    QCoreApplication::processEvents(); // the preview's activation is still under way
    QTest::keyClick(form.get(), Qt::Key_D, Qt::AltModifier);
    EXPECT_EQ(wb.preview->cbPapir->currentText(), "A3");
    EXPECT_EQ(wb.preview->cbOri->currentIndex(), 0);
    check({297, 420}, QStringLiteral("A3"));
}

TEST_F(Printing, ALineOutsideThePrintableAreaIsReportedBeforePrinting) {
    ShowResults(2);
    // A printer that cannot reach the outer 5 mm of the sheet.
    QPageLayout layout = form->Printer->pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    layout.setMinimumMargins(QMarginsF(5, 5, 5, 5));
    layout.setMargins(QMarginsF(5, 5, 5, 5));
    ASSERT_TRUE(form->Printer->setPageLayout(layout));
    AcceptPrintDialog(1, 1);
    form->sbGramoty->click();
    const QString pdf = wb.Path(QStringLiteral("urkunde.pdf"));
    form->Printer->setOutputFileName(pdf);

    AnswerQuestions(false);
    wb.preview->Button1->click();
    ASSERT_EQ(questions.size(), 1);
    // The first-run layout sets "Platz" at 0 mm, "Mannschaft" 16 mm down.
    EXPECT_TRUE(questions[0].contains("„Platz“")) << questions[0].toStdString();
    EXPECT_FALSE(questions[0].contains("„Mannschaft“")) << questions[0].toStdString();
    EXPECT_TRUE(questions[0].contains("von 5,0 bis 292,0 mm von oben")) << questions[0].toStdString();
    EXPECT_FALSE(QFile::exists(pdf));

    AnswerQuestions(true);
    wb.preview->Button1->click();
    EXPECT_EQ(questions.size(), 2);
    EXPECT_TRUE(QFile::exists(pdf));

    // A PDF of its own has the whole sheet: nothing to ask.
    wb.files.chosen = wb.Path(QStringLiteral("urkunde gespeichert.pdf"));
    wb.preview->bPdf->click();
    EXPECT_EQ(questions.size(), 2);
    EXPECT_TRUE(QFile::exists(wb.files.chosen));
}

TEST_F(Printing, EachKindOfDocumentKeepsItsPaperAndOrientationAlsoAfterARestart) {
    const auto print = [this](QToolButton* button) {
        ShowResults(3);
        AcceptPrintDialog();
        button->click();
        ASSERT_TRUE(wb.preview->isVisible());
    };
    const auto sheet = [this] { return QSize(Preview()->PaperWidth(), Preview()->PaperHeight()); };
    print(form->sbPrint);
    wb.preview->cbOri->setCurrentIndex(1);
    EXPECT_EQ(sheet(), QSize(2970, 2100));

    print(form->sbGramoty);
    EXPECT_EQ(sheet(), QSize(2100, 2970));
    EXPECT_EQ(wb.preview->cbOri->currentIndex(), 0);
    EXPECT_EQ(form->Printer->pageLayout().orientation(), QPageLayout::Portrait);
    wb.preview->cbPapir->setCurrentText(QStringLiteral("A5"));
    EXPECT_EQ(sheet(), QSize(1480, 2100));

    print(form->sbPrint);
    EXPECT_EQ(sheet(), QSize(2970, 2100));
    EXPECT_EQ(wb.preview->cbPapir->currentText(), "A4");
    EXPECT_EQ(form->Printer->pageLayout().orientation(), QPageLayout::Landscape);

    form.reset();
    form = wb.MakeForm();
    form->show();
    print(form->sbGramoty);
    EXPECT_EQ(sheet(), QSize(1480, 2100));
    print(form->sbPrint);
    EXPECT_EQ(sheet(), QSize(2970, 2100));
}
