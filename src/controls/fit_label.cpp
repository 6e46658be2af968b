#include "controls/fit_label.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace zn {

namespace {

// Below 6 px nothing is readable anyway; the label then cuts rather than
// shrinking further, still within its width.
constexpr int kSmallestPx = 6;

int Widest(const QFontMetrics& fm, const QList<FitLine>& lines, QString FitLine::*part) {
    int w = 0;
    for (const FitLine& line : lines)
        w = std::max(w, fm.horizontalAdvance(line.*part));
    return w;
}

bool AnyName(const QList<FitLine>& lines) {
    return std::any_of(lines.begin(), lines.end(), [](const FitLine& l) { return !l.name.isEmpty(); });
}

// Qt elides a text whose fractional width rounds to exactly `width`; a
// name that fits by its measured advance stays whole.
QString Elided(const QFontMetrics& fm, const QString& name, int width) {
    if (fm.horizontalAdvance(name) <= width) return name;
    return fm.elidedText(name, Qt::ElideRight, std::max(width, 0));
}

} // namespace

FitLabel::FitLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

void FitLabel::SetLines(const QList<FitLine>& lines) {
    lines_ = lines;
    QStringList full;
    for (const FitLine& line : lines)
        full << line.head + line.name + line.tail;
    setText(full.join(QChar(u'\n')));
    update();
}

void FitLabel::SetLine(const QString& head, const QString& name, const QString& tail) {
    SetLines(head.isEmpty() && name.isEmpty() && tail.isEmpty() ? QList<FitLine>()
                                                                : QList<FitLine>{{head, name, tail}});
}

FitLabel::Columns FitLabel::Measure() const {
    const int avail = std::max(contentsRect().width(), 0);
    Columns c{font(), 0, 0};
    const bool names = AnyName(lines_);
    for (;;) {
        const QFontMetrics fm(c.font);
        c.head = Widest(fm, lines_, &FitLine::head);
        const int tail = Widest(fm, lines_, &FitLine::tail);
        // A name keeps at least its first letter and the "…".
        const int fixed = c.head + tail + (names ? fm.horizontalAdvance(QStringLiteral("M…")) : 0);
        const int px = c.font.pixelSize();
        if (fixed <= avail || px <= kSmallestPx || px < 0) {
            c.name = std::max(0, std::min(Widest(fm, lines_, &FitLine::name), avail - c.head - tail));
            return c;
        }
        // Straight to the size that fits, less one pixel for rounding.
        c.font.setPixelSize(std::max(kSmallestPx, std::min(px - 1, px * avail / fixed)));
    }
}

FitLabel::Shown FitLabel::Fit() const {
    const Columns c = Measure();
    const QFontMetrics fm(c.font);
    const int avail = std::max(contentsRect().width(), 0);
    Shown shown{c.font, {}, 0};
    for (const FitLine& line : lines_) {
        QString text;
        // Kerning across the joins can add a pixel or two: give way until it fits.
        for (int name = c.name;; name -= 2) {
            const QString elided = Elided(fm, line.name, name);
            text = line.head + elided + line.tail;
            if (lines_.size() > 1 || fm.horizontalAdvance(text) <= avail || name <= 0) break;
        }
        shown.lines << text;
        shown.width =
            std::max(shown.width, lines_.size() > 1 ? c.head + c.name + Widest(fm, lines_, &FitLine::tail)
                                                    : fm.horizontalAdvance(text));
    }
    return shown;
}

QSize FitLabel::sizeHint() const {
    return minimumSizeHint();
}

// No width: the label takes what its layout gives. Its height is its lines'
// at the set font, and one line when empty, so that nothing moves when a
// line comes or goes.
QSize FitLabel::minimumSizeHint() const {
    const QMargins m = contentsMargins();
    const int lines = std::max(1, static_cast<int>(lines_.size()));
    return {m.left() + m.right(), m.top() + m.bottom() + lines * QFontMetrics(font()).lineSpacing()};
}

void FitLabel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (lines_.isEmpty()) return;
    QPainter p(this);
    p.setPen(palette().color(foregroundRole()));
    const Shown shown = Fit();
    p.setFont(shown.font);
    const QRect area = contentsRect();
    const QFontMetrics fm(shown.font);
    if (lines_.size() == 1) {
        p.drawText(area, static_cast<int>(alignment()) | Qt::TextSingleLine, shown.lines.first());
        return;
    }
    // Columns: the names elided to one width, the tails after them.
    const Columns c = Measure();
    int x = area.left();
    if (alignment() & Qt::AlignHCenter) x += (area.width() - shown.width) / 2;
    if (alignment() & Qt::AlignRight) x += area.width() - shown.width;
    int y = area.top();
    for (const FitLine& line : lines_) {
        if (y + fm.lineSpacing() > area.bottom() + 1) break; // no half lines at the foot
        const QRect row(x, y, area.right() - x + 1, fm.lineSpacing());
        p.drawText(row, Qt::AlignLeft | Qt::AlignVCenter, line.head);
        p.drawText(row.adjusted(c.head, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                   Elided(fm, line.name, c.name));
        p.drawText(row.adjusted(c.head + c.name, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, line.tail);
        y += fm.lineSpacing();
    }
}

} // namespace zn
