#include "print/page_record.h"

#include "controls/qt_color.h"
#include "print/recording_canvas.h"

#include <QDataStream>
#include <QFontMetricsF>
#include <QPainter>
#include <QRectF>

namespace zn {

namespace {

// "ZNPG" and a version, so that a stream that is not a page (or a page of a
// later layout) reads as an empty page instead of as garbage.
constexpr quint32 kPageMagic = 0x5A4E5047;
constexpr quint16 kPageVersion = 1;

// The drawing state while a page is played; it starts as a fresh surface:
// pen 1 unit black, brush solid white.
struct PlayState {
    QFont font = TPageCanvas::PlayFont(QString(), 1, 0);
    // Measured once per font step, not for every text of a page.
    QFontMetricsF metrics{font};
    QColor fontColor = Qt::black;
    QPen pen{QBrush(Qt::black), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin};
    bool brushClear = false;
    QColor brushColor = Qt::white;
};

void PlayText(QPainter& painter, const PageOp& op, const PlayState& st) {
    const QFontMetricsF& fm = st.metrics;
    if (!st.brushClear)
        painter.fillRect(QRectF(op.x1, op.y1, fm.horizontalAdvance(op.text), fm.height()), st.brushColor);
    painter.setFont(st.font);
    painter.setPen(st.fontColor);
    painter.drawText(QPointF(op.x1, op.y1 + fm.ascent()), op.text);
}

void PlayOp(QPainter& painter, const PageOp& op, PlayState& st) {
    switch (op.kind) {
    case PageOp::opFont:
        st.font = TPageCanvas::PlayFont(op.text, op.size, op.style);
        st.metrics = QFontMetricsF(st.font);
        st.fontColor = ToQColor(op.color);
        break;
    case PageOp::opBrush:
        st.brushClear = op.style == 1;
        st.brushColor = ToQColor(op.color);
        break;
    case PageOp::opPen:
        // Width 0 stays one device pixel wide at any scale.
        st.pen.setWidthF(op.size > 0 ? op.size : 0);
        st.pen.setColor(ToQColor(op.color));
        break;
    case PageOp::opText:
        PlayText(painter, op, st);
        break;
    case PageOp::opLine:
        painter.setPen(st.pen);
        painter.drawLine(QPointF(op.x1, op.y1), QPointF(op.x2, op.y2));
        break;
    case PageOp::opRect:
        painter.setPen(st.pen);
        painter.setBrush(st.brushClear ? QBrush(Qt::NoBrush) : QBrush(st.brushColor));
        painter.drawRect(QRectF(op.x1, op.y1, op.x2 - op.x1, op.y2 - op.y1));
        break;
    }
}

} // namespace

void PageRecord::Play(QPainter& painter, const QRectF& target) const {
    if (Empty() || target.isEmpty()) return;
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / width, target.height() / height);
    PlayState st;
    for (const PageOp& op : ops)
        PlayOp(painter, op, st);
    painter.restore();
}

QDataStream& operator<<(QDataStream& out, const PageRecord& page) {
    out << kPageMagic << kPageVersion << qint32(page.width) << qint32(page.height)
        << quint32(page.ops.size());
    for (const PageOp& op : page.ops) {
        out << quint8(op.kind) << qint32(op.x1) << qint32(op.y1) << qint32(op.x2) << qint32(op.y2)
            << qint32(op.size) << quint8(op.style) << quint32(op.color) << op.text;
    }
    return out;
}

QDataStream& operator>>(QDataStream& in, PageRecord& page) {
    page = PageRecord{};
    quint32 magic = 0;
    quint16 version = 0;
    in >> magic >> version;
    if (in.status() != QDataStream::Ok || magic != kPageMagic || version != kPageVersion) {
        in.setStatus(QDataStream::ReadCorruptData);
        return in;
    }
    qint32 width = 0;
    qint32 height = 0;
    quint32 count = 0;
    in >> width >> height >> count;
    std::vector<PageOp> ops;
    // No reserve(count): a damaged count must not allocate; a short stream
    // ends the loop at its first failed read.
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        PageOp op;
        quint8 kind = 0;
        quint32 color = 0;
        in >> kind >> op.x1 >> op.y1 >> op.x2 >> op.y2 >> op.size >> op.style >> color >> op.text;
        if (kind > PageOp::opRect) in.setStatus(QDataStream::ReadCorruptData);
        op.kind = static_cast<PageOp::Kind>(kind);
        op.color = color;
        ops.push_back(std::move(op));
    }
    if (in.status() != QDataStream::Ok) return in;
    page.width = width;
    page.height = height;
    page.ops = std::move(ops);
    return in;
}

} // namespace zn
