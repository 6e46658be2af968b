#include "controls/bit_btn_with_color.h"

#include "controls/label_3d.h"
#include "controls/qt_color.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>

#include <algorithm>

// Q_INIT_RESOURCE has to run outside any namespace.
static void InitControlsQrc() {
    Q_INIT_RESOURCE(controls);
}

namespace zn {

void InitControlsResources() {
    static const bool done = (InitControlsQrc(), true);
    (void)done;
}

namespace {

struct KindPreset {
    bool Default;
    bool Cancel;
    const char* Caption;
    int ModalResult;
    const char* Resource;
};

// Indexed by TBitBtnWithColorKind; bkCustom has no preset.
const KindPreset KindPresets[] = {
    {false, false, "", mrNone, ""},
    {true, false, QT_TRANSLATE_NOOP("BitButtons", "OK"), mrOk, "BBOK"},
    {false, true, QT_TRANSLATE_NOOP("BitButtons", "Abbrechen"), mrCancel, "BBCANCEL"},
    {false, false, QT_TRANSLATE_NOOP("BitButtons", "&Hilfe"), mrNone, "BBHELP"},
    {true, false, QT_TRANSLATE_NOOP("BitButtons", "&Ja"), mrYes, "BBYES"},
    {false, true, QT_TRANSLATE_NOOP("BitButtons", "&Nein"), mrNo, "BBNO"},
    {false, false, QT_TRANSLATE_NOOP("BitButtons", "&Schließen"), mrNone, "BBCLOSE"},
    {false, false, QT_TRANSLATE_NOOP("BitButtons", "Abbrechen"), mrAbort, "BBABORT"},
    {false, false, QT_TRANSLATE_NOOP("BitButtons", "&Wiederholen"), mrRetry, "BBRETRY"},
    {false, false, QT_TRANSLATE_NOOP("BitButtons", "&Ignorieren"), mrIgnore, "BBIGNORE"},
    {false, false, QT_TRANSLATE_NOOP("BitButtons", "&Alle"), mrAll, "BBALL"},
};

// The outer ring of the raised edge, outside the highlight/shadow pair of the
// inner ring: the desktop's light and dark-shadow 3-D colours.
constexpr TColor EdgeLight = 0xE3E3E3;
constexpr TColor EdgeDarkShadow = 0x696969;
// The disabled caption is embossed: white one pixel down-right, grey on top.
constexpr TColor DisabledTextLight = clWhite;
constexpr TColor DisabledTextGrey = 8421504; // 0x808080

void FrameRect(QPainter& p, const QRect& r, TColor colour) {
    DrawFrame3D(p, r, colour, colour, 1);
}

// Opaque pixels of colour `from` in `image` (ARGB32) become `to`.
void ReplaceColour(QImage& image, QRgb from, QRgb to) {
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(line[x]) == 255 && (line[x] & 0xFFFFFF) == (from & 0xFFFFFF)) line[x] = to;
    }
}

// `image` laid over a plain background of colour `face`.
QImage OnFace(const QImage& image, QRgb face) {
    QImage out(image.size(), QImage::Format_RGB32);
    out.fill(face);
    QPainter p(&out);
    p.drawImage(0, 0, image);
    return out;
}

QRgb ToRgb(TColor c) {
    return ToQColor(c).rgb();
}

} // namespace

TBitBtnWithColor::TBitBtnWithColor(QWidget* parent) : QAbstractButton(parent) {
    InitControlsResources();
    setFocusPolicy(Qt::StrongFocus);
    resize(75, 25);
    connect(this, &QAbstractButton::clicked, this, &TBitBtnWithColor::HandleClick);

    // Enter and Escape reach the default and cancel buttons from anywhere in their window.
    // Disabled shortcuts leave the keys to everyone else.
    FEnterKey = new QShortcut(QKeySequence(Qt::Key_Return), this);
    FKeypadEnterKey = new QShortcut(QKeySequence(Qt::Key_Enter), this);
    FEscapeKey = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    for (QShortcut* s : {FEnterKey, FKeypadEnterKey, FEscapeKey}) {
        s->setContext(Qt::WindowShortcut);
        s->setEnabled(false);
    }
    connect(FEnterKey, &QShortcut::activated, this, &TBitBtnWithColor::ClickAsDefault);
    connect(FKeypadEnterKey, &QShortcut::activated, this, &TBitBtnWithColor::ClickAsDefault);
    connect(FEscapeKey, &QShortcut::activated, this, &TBitBtnWithColor::ClickAsCancel);

    // The default button shows as active only while no other button has the focus.
    connect(qApp, &QApplication::focusChanged, this, [this] {
        if (FDefault) update();
    });
}

void TBitBtnWithColor::SetColor(TColor c) {
    if (c == FColor) return;
    FColor = c;
    DiscardGlyphImages();
    update();
}

void TBitBtnWithColor::SetFontColor(TColor c) {
    if (c == FFontColor) return;
    FFontColor = c;
    update();
}

void TBitBtnWithColor::SetCaption(const QString& caption) {
    // setText also binds Alt + the letter after "&" to a click.
    setText(caption);
    updateGeometry();
    update();
}

void TBitBtnWithColor::AssignGlyph(const QPixmap& glyph) {
    FGlyph = glyph;
    DiscardGlyphImages();
    FTransparentColor = glyph.isNull() ? 0 : glyph.toImage().pixel(0, glyph.height() - 1);
    if (!glyph.isNull() && glyph.width() % glyph.height() == 0) {
        const int n = glyph.width() / glyph.height();
        FNumGlyphs = n >= 1 && n < 5 ? n : 1;
    }
    updateGeometry();
    update();
}

void TBitBtnWithColor::SetGlyph(const QPixmap& glyph) {
    AssignGlyph(glyph);
    FModifiedGlyph = true;
}

void TBitBtnWithColor::SetNumGlyphs(int n) {
    n = std::clamp(n, 1, 4);
    if (n == FNumGlyphs) return;
    FNumGlyphs = n;
    DiscardGlyphImages();
    updateGeometry();
    update();
}

TBitBtnWithColorKind TBitBtnWithColor::Kind() const {
    if (FKind == bkCustom) return bkCustom;
    const KindPreset& preset = KindPresets[FKind];
    if (FModifiedGlyph || FDefault != preset.Default || FCancel != preset.Cancel ||
        FModalResult != preset.ModalResult)
        return bkCustom;
    return FKind;
}

void TBitBtnWithColor::SetKind(TBitBtnWithColorKind kind) {
    if (kind < bkCustom || kind > bkAll) return;
    FKind = kind;
    if (kind == bkCustom) return;
    const KindPreset& preset = KindPresets[kind];
    SetDefault(preset.Default);
    SetCancel(preset.Cancel);
    SetCaption(QCoreApplication::translate("BitButtons", preset.Caption));
    FModalResult = preset.ModalResult;
    AssignGlyph(QPixmap(QStringLiteral(":/controls/") + QLatin1String(preset.Resource)));
    SetNumGlyphs(2);
    FModifiedGlyph = false;
}

void TBitBtnWithColor::SetLayout(TButtonLayout layout) {
    if (layout == FLayout) return;
    FLayout = layout;
    update();
}

void TBitBtnWithColor::SetMargin(int margin) {
    if (margin == FMargin || margin < -1) return;
    FMargin = margin;
    update();
}

void TBitBtnWithColor::SetSpacing(int spacing) {
    if (spacing == FSpacing) return;
    FSpacing = spacing;
    update();
}

void TBitBtnWithColor::SetStyle(TButtonStyle style) {
    if (style == FStyle) return;
    FStyle = style;
    update();
}

void TBitBtnWithColor::SetDefault(bool d) {
    if (d == FDefault) return;
    FDefault = d;
    FEnterKey->setEnabled(d);
    FKeypadEnterKey->setEnabled(d);
    update();
}

void TBitBtnWithColor::SetCancel(bool c) {
    if (c == FCancel) return;
    FCancel = c;
    FEscapeKey->setEnabled(c);
}

QSize TBitBtnWithColor::sizeHint() const {
    const QSize caption = fontMetrics().size(Qt::TextShowMnemonic, text());
    const int glyphWidth = FGlyph.isNull() ? 0 : FGlyph.width() / FNumGlyphs;
    const int glyphHeight = FGlyph.isNull() ? 0 : FGlyph.height();
    return {std::max(75, caption.width() + glyphWidth + 4 + 16),
            std::max(25, std::max(caption.height(), glyphHeight) + 10)};
}

bool TBitBtnWithColor::IsActive() const {
    if (hasFocus()) return true;
    if (!FDefault) return false;
    // Another button with the focus takes over Enter, and with it the active look.
    const QWidget* focus = QApplication::focusWidget();
    return !(focus && focus != this && focus->window() == window() &&
             qobject_cast<const QAbstractButton*>(focus));
}

void TBitBtnWithColor::ClickAsDefault() {
    if (!isEnabled() || !isVisible()) return;
    QWidget* focus = QApplication::focusWidget();
    if (focus && focus != this && focus->window() == window()) {
        if (auto* button = qobject_cast<QAbstractButton*>(focus)) {
            button->click();
            return;
        }
    }
    click();
}

void TBitBtnWithColor::ClickAsCancel() {
    if (isEnabled() && isVisible()) click();
}

void TBitBtnWithColor::HandleClick() {
    if (Kind() == bkClose) {
        window()->close();
        return;
    }
    if (FModalResult != mrNone) {
        if (auto* dialog = qobject_cast<QDialog*>(window())) dialog->done(FModalResult);
    }
}

void TBitBtnWithColor::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void TBitBtnWithColor::mousePressEvent(QMouseEvent* event) {
    if (OnMouseDown) OnMouseDown(this, event->button());
    if (!isEnabled()) {
        // The handler switched the button off: no press, so no click on release.
        event->accept();
        return;
    }
    QAbstractButton::mousePressEvent(event);
}

void TBitBtnWithColor::DiscardGlyphImages() {
    for (QImage& image : FGlyphImages)
        image = QImage();
}

QImage TBitBtnWithColor::GlyphPart(int index) const {
    // Pictures mark their background with the colour of the bottom-left pixel;
    // pictures with an alpha channel may instead leave it transparent. Both
    // end up as transparent pixels here.
    const int w = FGlyph.width() / FNumGlyphs;
    QImage part =
        FGlyph.toImage().copy(index * w, 0, w, FGlyph.height()).convertToFormat(QImage::Format_ARGB32);
    if (qAlpha(FTransparentColor) == 255) ReplaceColour(part, FTransparentColor, qRgba(0, 0, 0, 0));
    return part;
}

QImage TBitBtnWithColor::GlyphImage(GlyphState state) {
    QImage& image = FGlyphImages[state];
    if (!image.isNull() || FGlyph.isNull()) return image;
    const QRgb face = ToRgb(FColor);
    QImage part;
    switch (state) {
    case gsUp:
        part = GlyphPart(0);
        break;
    case gsDown:
        part = GlyphPart(FNumGlyphs >= 3 ? 2 : 0);
        break;
    case gsExclusive:
        part = GlyphPart(FNumGlyphs >= 4 ? 3 : 0);
        break;
    case gsDisabled:
        if (FNumGlyphs >= 2) {
            part = GlyphPart(1);
            ReplaceColour(part, qRgb(255, 255, 255), ToRgb(clBtnHighlight));
            ReplaceColour(part, qRgb(128, 128, 128), ToRgb(clBtnShadow));
        } else {
            // An embossed silhouette of the only picture: light shape one
            // pixel down-right, shadow shape on top of it.
            const QImage up = GlyphPart(0);
            part = QImage(up.size(), QImage::Format_ARGB32);
            part.fill(Qt::transparent);
            const QRgb light = ToRgb(clBtnHighlight);
            const QRgb shadow = ToRgb(clBtnShadow);
            auto shape = [&](int x, int y) { return qAlpha(up.pixel(x, y)) >= 128; };
            for (int y = 0; y + 1 < up.height(); ++y)
                for (int x = 0; x + 1 < up.width(); ++x)
                    if (shape(x, y)) part.setPixel(x + 1, y + 1, light);
            for (int y = 0; y < up.height(); ++y)
                for (int x = 0; x < up.width(); ++x)
                    if (shape(x, y)) part.setPixel(x, y, shadow);
        }
        break;
    }
    image = OnFace(part, face);
    return image;
}

void TBitBtnWithColor::DrawGlyphAndCaption(QPainter& p, const QRect& r, GlyphState state) {
    const QSize glyph = FGlyph.isNull() ? QSize(0, 0) : QSize(FGlyph.width() / FNumGlyphs, FGlyph.height());
    const QString caption = text();
    const QSize textSize =
        caption.isEmpty() ? QSize(0, 0)
                          : p.boundingRect(QRect(0, 0, r.width(), 0), Qt::TextShowMnemonic, caption).size();
    const TButtonLayoutResult at =
        LayoutGlyphAndCaption(r.size(), glyph, textSize, FLayout, FMargin, FSpacing);

    if (!FGlyph.isNull()) p.drawImage(r.topLeft() + at.GlyphPos, GlyphImage(state));
    if (caption.isEmpty()) return;
    const QRect textRect = at.TextRect.translated(r.topLeft());
    if (state != gsDisabled) {
        p.setPen(ToQColor(FFontColor));
        p.drawText(textRect, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic | Qt::TextDontClip,
                   caption);
    } else {
        const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic | Qt::TextDontClip;
        p.setPen(ToQColor(DisabledTextLight));
        p.drawText(textRect.translated(1, 1), flags, caption);
        p.setPen(ToQColor(DisabledTextGrey));
        p.drawText(textRect, flags, caption);
    }
}

void TBitBtnWithColor::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect client = rect();
    QRect r = client;
    const bool down = isDown() || isChecked();
    const bool active = IsActive();
    const GlyphState state = !isEnabled() ? gsDisabled : !down ? gsUp : isChecked() ? gsExclusive : gsDown;

    if (active || hasFocus()) {
        FrameRect(p, r, clWindowFrame);
        r.adjust(1, 1, -1, -1);
    }
    TColor outline = clBtnShadow;
    if (!down) {
        r = DrawFrame3D(p, r, EdgeLight, EdgeDarkShadow, 1);
        r = DrawFrame3D(p, r, clBtnHighlight, clBtnShadow, 1);
        outline = FColor;
    }
    if (r.width() > 0 && r.height() > 0) {
        p.fillRect(r, ToQColor(FColor));
        FrameRect(p, r, outline);
    }
    r.adjust(1, 1, -1, -1);
    if (active) r = client.adjusted(1, 1, -1, -1);

    p.setFont(font());
    if (down) r.translate(1, 1);
    DrawGlyphAndCaption(p, r, state);

    if (active) {
        // The dotted focus rectangle inverts what lies below, so it shows on any face colour.
        QPen dots(Qt::white, 0);
        dots.setDashPattern({1, 1});
        p.setPen(dots);
        p.setBrush(Qt::NoBrush);
        p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        p.drawRect(client.adjusted(4, 4, -5, -5));
    }
}

} // namespace zn
