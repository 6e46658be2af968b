#pragma once

#include "core/certificate_layout.h"

#include <QComboBox>
#include <QDialog>
#include <functional>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QMouseEvent;
class QPainter;
class QPushButton;
class QShowEvent;
class QSpinBox;

namespace zn {

class TBitBtnWithColor;
class TPaperPreview;

// A drop-down list that says when it is about to open.
class TPortComboBox : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;
    std::function<void()> OnDropDown;
    void showPopup() override;
};

// "Einstellungen": the two title lines, each lane's port, pin pair and
// contact mode, and the certificate layout. Created once, after the main
// window has probed its ports. The titles, ports and modes are copies the
// main window applies on OK; the layout is edited in place (the main window
// restores its own snapshot on Cancel).
class TCfgDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 574;
    static constexpr int kClientHeight = 380;

    TCfgDialog(uint32_t availablePorts, CertificateLayout* layout, QWidget* owner = nullptr);

    // Runs a dialog of its own (the font or colour dialog) modally; gives the result code.
    std::function<int(QDialog&)> ExecDialog;
    // The main window's list title, shown for "Dateiname".
    std::function<QString()> ListTitle;
    // The tooltip of a port entry: the device COMn stands for on this machine.
    std::function<QString(int port)> PortDeviceHint;
    // "Geräte …": lets the operator point port numbers at other devices; gives
    // the ports present afterwards, or nothing when nothing changed.
    std::function<std::optional<uint32_t>()> AssignDevices;

    QLineEdit* Title1 = nullptr;
    QLineEdit* Title2 = nullptr;
    TPortComboBox* cbPort1 = nullptr; // Tag 1
    TPortComboBox* cbPort2 = nullptr; // Tag 2
    QComboBox* cbAlg1 = nullptr;
    QComboBox* cbAlg2 = nullptr;
    QComboBox* cbPorts = nullptr; // hidden: the port template
    QPushButton* bDevices = nullptr;
    QCheckBox* cbON = nullptr;
    QComboBox* cbWho = nullptr;
    QLineEdit* Edit1 = nullptr;
    QSpinBox* seLeft = nullptr;
    QSpinBox* seTop = nullptr;
    QComboBox* cbAlign = nullptr;
    TBitBtnWithColor* bFont = nullptr;
    QPushButton* bColor = nullptr; // "Farbe …": the line's colour
    QLabel* lFontFace = nullptr;   // the face a missing font prints in
    QComboBox* cbZoom = nullptr;
    TPaperPreview* PaperPreview1 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

    // The line whose values the controls show; -1 = none.
    int CurrentLine = -1;
    CertificateLayout* Layout = nullptr;

    // Each showing: called by the owner right before the dialog runs.
    void FormShow();
    // Rebuilds the port template and both lanes' lists (their choices kept
    // where still present).
    void SetAvailablePorts(uint32_t availablePorts);
    // The list entry of a lane (1 or 2): its current text.
    QString LaneEntry(int lane) const;

    void cbWhoChange();
    void cbONClick();
    void cbAlignChange();
    void sePosChange();
    void Edit1KeyUp();
    void bFontClick();
    void bColorClick();
    void PaperPreview1Paint(QPainter& canvas, const QRect& pageRect);
    void PaperPreview1MouseDown(QMouseEvent* event);
    void cbPortChange();
    void cbPortDropDown(TPortComboBox* list);
    void OKBtnClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate(uint32_t availablePorts);
    void BuildForm();
    void BuildTitleGroup();
    void BuildPortGroup();
    void BuildCertificateGroup();
    void ConnectHandlers();
    void FillPortList(QComboBox* list, const QStringList& entries);
    void SetPortHints(QComboBox* list);
    QStringList PortTemplateEntries() const;
    void StoreLine(int index);
    void LoadLine(int index);
    // 1 for "A4" (1 mm per preview pixel), 2 for "A3".
    int Zoom() const;
    // The line's font on bFont, and what the note beside it says of its face.
    void ShowFont(const QFont& font);
    // The line's colour on bFont and on bColor's swatch.
    void ShowColor(TColor color);
};

} // namespace zn
