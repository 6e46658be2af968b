#pragma once

#include <QLabel>
#include <QList>

namespace zn {

// One line of a FitLabel: the name in the middle is what gives way.
struct FitLine {
    QString head;
    QString name;
    QString tail;
};

// A label for screens it must never outgrow: it asks for no width at all and
// draws each line into the width it gets. A line is head, name and tail; the
// name is elided with "…" so that the figures around it stay whole, and the
// font shrinks when head and tail alone do not fit. With several lines the
// names form a column, so the tails line up. text() is the lines in full.
class FitLabel : public QLabel {
    Q_OBJECT
public:
    explicit FitLabel(QWidget* parent = nullptr);

    void SetLines(const QList<FitLine>& lines);
    void SetLine(const QString& head, const QString& name = QString(), const QString& tail = QString());

    // What is drawn at the present width: the font and each line as shown.
    struct Shown {
        QFont font;
        QStringList lines;
        int width = 0; // the widest line in pixels
    };
    Shown Fit() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Columns {
        QFont font;
        int head = 0; // width of the widest head
        int name = 0; // the name column after eliding
    };
    Columns Measure() const;

    QList<FitLine> lines_;
};

} // namespace zn
