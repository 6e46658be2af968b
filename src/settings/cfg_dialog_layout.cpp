#include "controls/bit_btn_with_color.h"
#include "controls/qt_color.h"
#include "print/paper_preview.h"
#include "settings/cfg_dialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDate>
#include <QFontDialog>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>

namespace zn {

namespace {

// Lines 0-7 print a value of the team's row, the date or the list name; only
// lines 8-17 print a text of their own.
constexpr int kLastValueLine = 7;
constexpr int kDateLine = 6;
constexpr int kListNameLine = 7;
constexpr qsizetype kMaxStoredChars = 255;
const QString kFreeLineMark = QStringLiteral(". Zeile");

// The design font of bFont is set in pixels; 96 pixels make an inch of 72 points.
int PointSizeOf(const QFont& font) {
    if (font.pointSize() > 0) return font.pointSize();
    return font.pixelSize() * 72 / 96;
}

uint8_t StyleOf(const QFont& font) {
    return static_cast<uint8_t>((font.bold() ? kFontBold : 0) | (font.italic() ? kFontItalic : 0) |
                                (font.underline() ? kFontUnderline : 0) |
                                (font.strikeOut() ? kFontStrikeOut : 0));
}

QFont FontOf(const CertificateLine& line) {
    QFont font(line.fontName);
    if (line.fontSize > 0) font.setPointSize(line.fontSize * 2);
    font.setBold(line.fontStyle & kFontBold);
    font.setItalic(line.fontStyle & kFontItalic);
    font.setUnderline(line.fontStyle & kFontUnderline);
    font.setStrikeOut(line.fontStyle & kFontStrikeOut);
    return font;
}

} // namespace

void TCfgDialog::cbWhoChange() {
    const int k = cbWho->currentIndex();
    if (CurrentLine != -1) StoreLine(CurrentLine);
    if (k != -1) LoadLine(k);
    if (k == kDateLine) Edit1->setText(QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
    if (k == kListNameLine) Edit1->setText(ListTitle ? ListTitle() : QString());
    Edit1->setEnabled(k > kLastValueLine);
    if (Edit1->isEnabled() && (Edit1->text().isEmpty() || Edit1->text().contains(kFreeLineMark))) {
        Edit1->setText(QStringLiteral("%1. Zeile drucken").arg(k - kLastValueLine));
        Edit1->setFocus();
    }
    CurrentLine = k;
    PaperPreview1->update();
}

// Text, position and font reach the line here; the switch and the alignment
// are written as soon as they change.
void TCfgDialog::StoreLine(int index) {
    CertificateLine& line = (*Layout)[static_cast<size_t>(index)];
    line.printOn = cbON->isChecked() ? 1 : 0;
    line.align = static_cast<uint8_t>(std::max(0, cbAlign->currentIndex()));
    line.leftMm = seLeft->value();
    line.topMm = seTop->value();
    const QFont font = bFont->font();
    line.fontName = font.family().left(kMaxStoredChars);
    line.fontSize = PointSizeOf(font) / 2;
    line.fontColor = bFont->FontColor();
    line.fontStyle = StyleOf(font);
    line.text = index > kLastValueLine ? Edit1->text().left(kMaxStoredChars) : QString();
}

void TCfgDialog::LoadLine(int index) {
    const CertificateLine& line = (*Layout)[static_cast<size_t>(index)];
    ShowFont(FontOf(line));
    ShowColor(line.fontColor);
    Edit1->setText(line.text);
    cbON->setChecked(line.printOn == 1);
    cbAlign->setCurrentIndex(line.align);
    seLeft->setValue(line.leftMm);
    seTop->setValue(line.topMm);
}

void TCfgDialog::cbONClick() {
    const int k = cbWho->currentIndex();
    if (k < 0) return;
    (*Layout)[static_cast<size_t>(k)].printOn = cbON->isChecked() ? 1 : 0;
    PaperPreview1->update();
}

void TCfgDialog::cbAlignChange() {
    const int k = cbWho->currentIndex();
    if (k < 0) return;
    (*Layout)[static_cast<size_t>(k)].align = static_cast<uint8_t>(std::max(0, cbAlign->currentIndex()));
    PaperPreview1->update();
}

void TCfgDialog::sePosChange() {
    PaperPreview1->update();
}

void TCfgDialog::Edit1KeyUp() {
    PaperPreview1->update();
}

// The button shows the font at twice its printed size, so the dialog gets
// half of it and the chosen size comes back doubled. A family this machine
// lacks ("Times New Roman" on most Linux machines) is offered as the face it
// prints in; what the operator leaves as offered (family, style, size) stays
// as stored, so OK without a change never turns a line into another font.
void TCfgDialog::bFontClick() {
    const QFont stored = bFont->font();
    QFont offered = stored;
    offered.setPointSize(std::max(1, PointSizeOf(stored) / 2));
    const QString face = QFontInfo(offered).family();
    const bool substituted = face.compare(stored.family(), Qt::CaseInsensitive) != 0;
    if (substituted) offered.setFamily(face);
    QFontDialog dialog(offered, this);
    dialog.setObjectName(QStringLiteral("FontDialog1"));
    if (substituted)
        dialog.setWindowTitle(tr("Schriftart – „%1“ fehlt, gedruckt wird „%2“").arg(stored.family(), face));
    const QFont before = dialog.currentFont();
    const int result = ExecDialog ? ExecDialog(dialog) : dialog.exec();
    if (result != QDialog::Accepted) return;
    const QFont after = dialog.currentFont();
    QFont chosen = stored;
    if (after.family() != before.family()) chosen.setFamily(after.family());
    if (after.bold() != before.bold() || after.italic() != before.italic()) {
        chosen.setBold(after.bold());
        chosen.setItalic(after.italic());
    }
    if (after.underline() != before.underline()) chosen.setUnderline(after.underline());
    if (after.strikeOut() != before.strikeOut()) chosen.setStrikeOut(after.strikeOut());
    if (PointSizeOf(after) != PointSizeOf(before)) chosen.setPointSize(PointSizeOf(after) * 2);
    ShowFont(chosen);
}

void TCfgDialog::bColorClick() {
    QColorDialog dialog(ToQColor(bFont->FontColor()), this);
    dialog.setObjectName(QStringLiteral("ColorDialog1"));
    dialog.setWindowTitle(tr("Farbe der Zeile"));
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    const int result = ExecDialog ? ExecDialog(dialog) : dialog.exec();
    if (result != QDialog::Accepted) return;
    ShowColor(FromQColor(dialog.currentColor()));
}

void TCfgDialog::ShowFont(const QFont& font) {
    bFont->setFont(font);
    const QString face = QFontInfo(font).family();
    const bool substituted = face.compare(font.family(), Qt::CaseInsensitive) != 0;
    lFontFace->setText(substituted ? tr("Gedruckt als %1").arg(face) : QString());
    bFont->setToolTip(substituted ? tr("„%1“ ist auf diesem Rechner nicht installiert und "
                                       "wird als „%2“ gedruckt.")
                                        .arg(font.family(), face)
                                  : QString());
}

void TCfgDialog::ShowColor(TColor color) {
    bFont->SetFontColor(color);
    QPixmap swatch(12, 12);
    swatch.fill(ToQColor(color));
    bColor->setIcon(QIcon(swatch));
}

int TCfgDialog::Zoom() const {
    return cbZoom->currentText() == QStringLiteral("A3") ? 2 : 1;
}

// Every line in the preview's own font at its place, green when printed and
// red when not; the selected line where the controls put it.
void TCfgDialog::PaperPreview1Paint(QPainter& canvas, const QRect& pageRect) {
    const int z = Zoom();
    const int selected = cbWho->currentIndex();
    canvas.setFont(PaperPreview1->font());
    canvas.setBackgroundMode(Qt::TransparentMode);
    const QFontMetrics metrics(PaperPreview1->font());
    for (int i = 0; i < kCertificateLineCount; ++i) {
        const CertificateLine& line = (*Layout)[static_cast<size_t>(i)];
        QString text = i > kLastValueLine ? line.text : QString();
        if (text.isEmpty()) text = cbWho->itemText(i);
        int x = line.leftMm;
        int y = line.topMm;
        if (i == selected) {
            x = seLeft->value();
            y = seTop->value();
            if (i > kLastValueLine && !Edit1->text().isEmpty()) text = Edit1->text();
        }
        const int width = metrics.horizontalAdvance(text);
        if (line.align == 1) x -= width / 2;
        if (line.align == 2) x -= width;
        canvas.setPen(ToQColor(line.printOn == 1 ? clGreen : clRed));
        // The position is the top of the text; QPainter places the baseline.
        canvas.drawText(pageRect.left() + x / z, pageRect.top() + y / z + metrics.ascent(), text);
    }
}

void TCfgDialog::PaperPreview1MouseDown(QMouseEvent* event) {
    const QPoint at = event->position().toPoint() - PaperPreview1->PaperRect().topLeft();
    const int z = Zoom();
    seLeft->setValue(at.x() * z);
    seTop->setValue(at.y() * z);
}

} // namespace zn
