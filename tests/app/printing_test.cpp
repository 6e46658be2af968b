#include "print/print_preview.h"
#include "test_platform.h"

#include <QComboBox>
#include <QImage>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QToolButton>

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

    const QString pdf = wb.Path(QStringLiteral("protokoll.pdf"));
    wb.files.chosen = pdf;
    wb.preview->bPdf->click();
    EXPECT_EQ(wb.files.shownFilter, "PDF-Datei (*.pdf)");
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
    EXPECT_EQ(wb.modal.messages, QStringList{"Die Liste enthält keine Mannschaft: keine Urkunden zu drucken."});
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
