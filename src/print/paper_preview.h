#pragma once

#include "core/colors.h"

#include <QWidget>
#include <functional>

class QPainter;

namespace zn {

class TPaperPreview;
using TPaperPaintEvent = std::function<void(TPaperPreview* Sender, QPainter& Canvas, const QRect& PageRect)>;
using TPaperNotifyEvent = std::function<void(TPaperPreview* Sender)>;

// A sheet of paper with a border and a drop shadow; its paint event draws on
// the paper area. The control never erases its background.
class TPaperPreview : public QWidget {
    Q_OBJECT
public:
    explicit TPaperPreview(QWidget* parent = nullptr);

    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor value);
    int BorderSize() const { return borderSize_; }
    void SetBorderSize(int value);
    TColor PaperColor() const { return paperColor_; }
    void SetPaperColor(TColor value);
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor value);
    int ShadowSize() const { return shadowSize_; }
    void SetShadowSize(int value);
    // The paper area's size; setting it sizes the control.
    int PaperWidth() const;
    void SetPaperWidth(int value);
    int PaperHeight() const;
    void SetPaperHeight(int value);
    // (BorderSize, BorderSize) to (width - ShadowSize - BorderSize, height - ShadowSize - BorderSize).
    QRect PaperRect() const;

    TPaperNotifyEvent OnResize;
    TPaperPaintEvent OnPaint;
    // Mouse events on the paper, for the view that holds it.
    std::function<void(TPaperPreview* Sender, QMouseEvent* event)> OnMouseDown;
    std::function<void(TPaperPreview* Sender, QMouseEvent* event)> OnMouseMove;
    std::function<void(TPaperPreview* Sender, QMouseEvent* event)> OnMouseUp;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    TColor borderColor_ = clBlack;
    int borderSize_ = 1;
    TColor paperColor_ = clWhite;
    TColor shadowColor_;
    int shadowSize_ = 3;
};

} // namespace zn
