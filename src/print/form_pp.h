#pragma once

#include "core/certificate_layout.h"
#include "core/printed_pages.h"

#include <QWidget>
#include <functional>

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QSpinBox;

namespace zn {

class TPrintPreview;

// What the preview window prints: the shown table, its title, the date
// caption of the main window, the certificate layout (lines 0-7 keep what was
// printed last) and the certificate rows chosen in the print dialog.
struct PrintSource {
    PrintTable table;
    QString listTitle;
    QString dateCaption;
    QString date; // today, in the short date format
    CertificateLayout* layout = nullptr;
    int firstRow = 1;
    int lastRow = 0;
};

// The preview window "Ansicht": the protocol (preview Tag 0) or the
// certificates (Tag 1) of the shown list, composed each time it is shown and
// after a change of orientation, printed with "Drucken" or saved as a PDF.
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
    TPrintPreview* PrintPreview1 = nullptr;

    // Read at each composition.
    std::function<PrintSource()> Source;
    // Asks for the PDF's file name (proposed in `name`); false on cancel.
    std::function<bool(QString& name)> AskPdfFileName;
    // A message for the operator.
    std::function<void(const QString& text, bool error)> Tell;

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
    void Say(const QString& text, bool error);
};

} // namespace zn
