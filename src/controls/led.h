#pragma once

#include <QLabel>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace zn {

enum TLedKind { lkRed, lkGreen, lkYellow, lkCyan, lkMagenta, lkBlue, lkWhite };
enum TLedShape { lsCircle, lsRectangle };

// A 16 x 16 pixel LED in one of seven colours, optionally mirrored by a text label.
class TLed : public QWidget {
    Q_OBJECT
public:
    explicit TLed(QWidget* parent = nullptr);

    TLedKind Kind() const { return FKind; }
    void SetKind(TLedKind k);
    TLedShape Shape() const { return FShape; }
    void SetShape(TLedShape s);
    bool Value() const { return FValue; }
    void SetValue(bool v);
    // Not owned; forgotten automatically when the label is destroyed.
    QLabel* LabelLinked() const { return FLabelLinked; }
    void SetLabelLinked(QLabel* label);
    QString LabelOnText() const { return FLabelOnText; }
    void SetLabelOnText(const QString& text);
    QString LabelOffText() const { return FLabelOffText; }
    void SetLabelOffText(const QString& text);

    std::function<void(QObject* sender)> OnChange;
    std::function<void(QObject* sender)> OnClick;

    QSize sizeHint() const override { return {16, 16}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void UpdateLabel();

    TLedKind FKind = lkRed;
    TLedShape FShape = lsCircle;
    bool FValue = false;
    QPointer<QLabel> FLabelLinked;
    QString FLabelOnText;
    QString FLabelOffText;
    bool FPressed = false;
};

} // namespace zn
