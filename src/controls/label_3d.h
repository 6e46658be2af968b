#pragma once

#include "core/alignment.h"
#include "core/colors.h"
#include "core/gradient.h"

#include <QWidget>

#include <cstdint>

class QPainter;

namespace zn {

enum TTextLayout { tlTop, tlCenter, tlBottom };
enum TLabel3DBevel { blNone, blLowered, blRaised, blShadow };
enum TLabel3DBorderStyle { lbNone, lbNormal, lbLowered, lbRaised, lbInn, lbOut };

// `width` nested one-pixel frames round r: top and left lines in `topLeft`,
// bottom and right lines in `bottomRight`, which also takes the top-right and
// bottom-left corners. Returns the rectangle inside the frames.
QRect DrawFrame3D(QPainter& p, QRect r, TColor topLeft, TColor bottomRight, int width);

// A label whose caption is drawn embossed or with a drop shadow, on a plain,
// transparent or gradient background, inside an optional border. The font is
// the widget's font(); its colour is FontColor.
class TLabel3D : public QWidget {
    Q_OBJECT
public:
    explicit TLabel3D(QWidget* parent = nullptr);

    QString Caption() const { return FCaption; }
    void SetCaption(const QString& caption);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment a);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout l);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool w);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool t);
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool s);
    TColor Color() const { return FColor; }
    void SetColor(TColor c);
    TColor FontColor() const { return FFontColor; }
    void SetFontColor(TColor c);

    TColor FirstColor() const { return FFirstColor; }
    void SetFirstColor(TColor c);
    TColor LastColor() const { return FLastColor; }
    void SetLastColor(TColor c);
    bool FillGradient() const { return FFillGradient; }
    void SetFillGradient(bool f);
    TGradientOrientation GradientOrientation() const { return FGradientOrientation; }
    void SetGradientOrientation(TGradientOrientation o);
    TColor HighLightColor() const { return FHighLightColor; }
    void SetHighLightColor(TColor c);
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor c);
    TLabel3DBevel Bevel() const { return FBevel; }
    void SetBevel(TLabel3DBevel b);
    uint8_t ShadowSize() const { return FShadowSize; }
    void SetShadowSize(uint8_t s);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor c);
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int w);
    TLabel3DBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TLabel3DBorderStyle s);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    template <typename T> void Assign(T& field, const T& value) {
        if (field == value) return;
        field = value;
        update();
    }
    QRect DrawBorder(QPainter& p, QRect r) const;
    void DrawBackground(QPainter& p, const QRect& r) const;
    int TextFlags() const;
    QRect PlaceText(QPainter& p, QRect r, int flags) const;
    void DrawCaption(QPainter& p, const QRect& r, int flags) const;

    QString FCaption;
    TAlignment FAlignment = taLeftJustify;
    TTextLayout FLayout = tlTop;
    bool FWordWrap = false;
    bool FTransparent = false;
    bool FShowAccelChar = true;
    TColor FColor = clBtnFace;
    TColor FFontColor = clWindowText;
    TColor FFirstColor = clWhite;
    TColor FLastColor = clTeal;
    bool FFillGradient = false;
    TGradientOrientation FGradientOrientation = goHorizontal;
    TColor FHighLightColor = clBtnHighlight;
    TColor FShadowColor = clBtnShadow;
    TLabel3DBevel FBevel = blRaised;
    uint8_t FShadowSize = 1;
    TColor FBorderColor = clBlack;
    int FBorderWidth = 1;
    TLabel3DBorderStyle FBorderStyle = lbNone;
};

} // namespace zn
