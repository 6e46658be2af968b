#pragma once

#include "core/button_layout.h"
#include "core/colors.h"

#include <QAbstractButton>
#include <QImage>
#include <QPixmap>

#include <array>
#include <functional>

class QPainter;
class QShortcut;

namespace zn {

enum TBitBtnWithColorKind {
    bkCustom,
    bkOK,
    bkCancel,
    bkHelp,
    bkYes,
    bkNo,
    bkClose,
    bkAbort,
    bkRetry,
    bkIgnore,
    bkAll
};
enum TButtonStyle { bsAutoDetect, bsWin31, bsNew };

// Modal results a button hands to its dialog (QDialog::done) when clicked.
constexpr int mrNone = 0;
constexpr int mrOk = 1;
constexpr int mrCancel = 2;
constexpr int mrAbort = 3;
constexpr int mrRetry = 4;
constexpr int mrIgnore = 5;
constexpr int mrYes = 6;
constexpr int mrNo = 7;
constexpr int mrAll = 8;

// Registers the bitmaps of src/controls/controls.qrc (":/controls/<name>").
// The controls library is static, so its resources are only linked in when
// something calls this; the button does so itself on construction.
void InitControlsResources();

// A push button drawn entirely by itself, with a face of any colour and an
// optional glyph (1-4 images side by side: up, disabled, down, held down).
// OnClick is QAbstractButton::clicked; "&" in the caption marks the Alt key.
class TBitBtnWithColor : public QAbstractButton {
    Q_OBJECT
public:
    explicit TBitBtnWithColor(QWidget* parent = nullptr);

    TColor Color() const { return FColor; }
    void SetColor(TColor c);
    TColor FontColor() const { return FFontColor; }
    void SetFontColor(TColor c);
    QString Caption() const { return text(); }
    void SetCaption(const QString& caption);
    QPixmap Glyph() const { return FGlyph; }
    void SetGlyph(const QPixmap& glyph);
    int NumGlyphs() const { return FNumGlyphs; }
    // 1-4; larger values are taken as 4.
    void SetNumGlyphs(int n);
    // bkCustom as soon as Default, Cancel, ModalResult or the glyph no longer match the preset.
    TBitBtnWithColorKind Kind() const;
    void SetKind(TBitBtnWithColorKind kind);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout layout);
    int Margin() const { return FMargin; }
    // -1 centres glyph and caption; values below -1 are refused.
    void SetMargin(int margin);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int spacing);
    TButtonStyle Style() const { return FStyle; }
    void SetStyle(TButtonStyle style);
    // Default: Enter clicks the button; Cancel: Escape clicks it (within its window).
    bool Default() const { return FDefault; }
    void SetDefault(bool d);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool c);
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int r) { FModalResult = r; }

    // Fired on the press of any mouse button, before the button goes down; a
    // handler that disables the button suppresses the click.
    std::function<void(QObject* sender, Qt::MouseButton button)> OnMouseDown;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum GlyphState { gsUp, gsDisabled, gsDown, gsExclusive };

    bool IsActive() const;
    QImage GlyphImage(GlyphState state);
    QImage GlyphPart(int index) const;
    void DiscardGlyphImages();
    void AssignGlyph(const QPixmap& glyph);
    void DrawGlyphAndCaption(QPainter& p, const QRect& r, GlyphState state);
    void HandleClick();
    void ClickAsDefault();
    void ClickAsCancel();

    TColor FColor = clBtnFace;
    TColor FFontColor = clBtnText;
    QPixmap FGlyph;
    int FNumGlyphs = 1;
    TBitBtnWithColorKind FKind = bkCustom;
    TButtonLayout FLayout = blGlyphLeft;
    int FMargin = -1;
    int FSpacing = 4;
    TButtonStyle FStyle = bsAutoDetect;
    bool FDefault = false;
    bool FCancel = false;
    int FModalResult = mrNone;
    bool FModifiedGlyph = false;
    QRgb FTransparentColor = 0;
    std::array<QImage, 4> FGlyphImages;
    QShortcut* FEnterKey = nullptr; // owned as children
    QShortcut* FKeypadEnterKey = nullptr;
    QShortcut* FEscapeKey = nullptr;
};

} // namespace zn
