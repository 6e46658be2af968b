#pragma once

#include "core/certificate_layout.h"
#include "core/page_setup.h"
#include "core/printed_pages.h"

#include <QWidget>
#include <functional>
#include <vector>

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QSpinBox;

namespace zn {

class TPrintPreview;

// What the preview window prints: the shown table, its title, the date
// caption of the main window, the certificate layout (lines 0-7 keep what was
// printed last), the certificate rows chosen in the print dialog and the
// paper and orientation of this kind of document, which the window changes.
struct PrintSource {
    PrintTable table;
    QString listTitle;
    QString dateCaption;
    QString date; // today, in the short date format
    CertificateLayout* layout = nullptr;
    int firstRow = 1;
    int lastRow = 0;
    PageSetup* page = nullptr;
};

// The preview window "Ansicht": the protocol (preview Tag 0) or the
// certificates (Tag 1) of the shown list on the whole sheet of the document's
// paper, composed each time it is shown and after a change of orientation or
// paper, printed with "Drucken" or saved as a PDF.
class TFormPP : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDesignWidth = 530;
    static constexpr int kDesignHeight = 775;

    explicit TFormPP(QWidget* parent = nullptr);

    QFrame* Panel1 = nullptr;
    QPushButton* Button1 = nullptr;
    QLabel* LabelZoom = nullptr;
    QComboBox* cbZoom = nullptr;
    QLabel* LabelPage = nullptr;
    QSpinBox* sePage = nullptr;
    QLabel* LabelOri = nullptr;
    QComboBox* cbOri = nullptr;
    QLabel* LabelPapir = nullptr;
    QComboBox* cbPapir = nullptr;
    QPushButton* bPdf = nullptr;
    QLabel* LabelSaved = nullptr; // "Gespeichert: <file>" after "PDF speichern"
    TPrintPreview* PrintPreview1 = nullptr;

    // Read at each composition.
    std::function<PrintSource()> Source;
    // Asks for the PDF's file name (proposed in `name`); false on cancel.
    std::function<bool(QString& name)> AskPdfFileName;
    // A message for the operator.
    std::function<void(const QString& text, bool error)> Tell;
    // A PDF file was written.
    std::function<void(const QString& file)> Saved;
    // A question before printing or saving; false (or unset) is "no".
    std::function<bool(const QString& question)> Ask;

    void ComposePages();
    void Button1Click();
    void cbZoomChange();
    void sePageChange();
    void cbOriChange();
    void cbPapirChange();
    void bPdfClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildForm();
    void PlaceOnScreen();
    void SyncPageSpin();
    void ShowPageSetup(const PageSetup& setup);
    void ChangePageSetup(const std::function<void(PageSetup&)>& change);
    // True when every certificate line lies inside `area`, or the operator
    // goes on after being told which do not.
    bool LinesInside(const PageBox& area, const QString& where, const QString& action);
    void Say(const QString& text, bool error);

    // Where the certificate lines of the shown pages were set.
    std::vector<PlacedLine> placed_;
    // The setup used when the source gives none.
    PageSetup ownPage_;
};

} // namespace zn
