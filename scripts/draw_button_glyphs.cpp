// Draws the glyphs of the preset dialog buttons (OK, Cancel, Help, ...) into
// src/controls/resources/BB*.png. Each picture holds two 18 x 18 images side
// by side: the normal one and the disabled one, embossed in white and grey.
// The bottom-left pixel carries the transparent colour (olive).
//
// Build and run (offscreen, no display needed):
//   g++ -std=c++20 -fPIC scripts/draw_button_glyphs.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/glyphs
//   QT_QPA_PLATFORM=offscreen /tmp/glyphs src/controls/resources
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <functional>

namespace {

constexpr int Size = 18;
const QColor Transparent(128, 128, 0);
const QColor White(255, 255, 255);
const QColor Grey(128, 128, 128);

using Shape = std::function<void(QPainter&, const QColor&)>;

void ThickLine(QPainter& p, const QColor& c, const QPolygon& points, int width) {
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(points);
}

void Text(QPainter& p, const QColor& c, const QString& text) {
    QFont f("Liberation Serif");
    f.setPixelSize(17);
    f.setBold(true);
    f.setStyleStrategy(QFont::NoAntialias);
    p.setFont(f);
    p.setPen(c);
    p.drawText(QRect(0, 0, Size, Size), Qt::AlignCenter, text);
}

void Check(QPainter& p, const QColor& c, int dx) {
    ThickLine(p, c, QPolygon({QPoint(2 + dx, 9), QPoint(6 + dx, 13), QPoint(14 + dx, 4)}), 3);
}

// The coloured image and, in white and grey, the disabled one.
QImage Render(const Shape& shape, const QColor& colour) {
    QImage image(2 * Size, Size, QImage::Format_RGB32);
    image.fill(Transparent);
    QPainter p(&image);
    shape(p, colour);
    p.translate(Size + 1, 1);
    shape(p, White);
    p.translate(-1, -1);
    shape(p, Grey);
    p.end();
    // The transparent colour must survive in the bottom-left corner.
    image.setPixelColor(0, Size - 1, Transparent);
    return image;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const QColor green(0, 128, 0), red(192, 0, 0), blue(0, 0, 160), brown(128, 64, 0);

    struct Glyph {
        const char* name;
        QColor colour;
        Shape shape;
    };
    const Glyph glyphs[] = {
        {"BBOK", green, [](QPainter& p, const QColor& c) { Check(p, c, 0); }},
        {"BBYES", green, [](QPainter& p, const QColor& c) { Check(p, c, 0); }},
        {"BBALL", green,
         [](QPainter& p, const QColor& c) {
             ThickLine(p, c, QPolygon({QPoint(1, 8), QPoint(4, 11), QPoint(10, 3)}), 2);
             ThickLine(p, c, QPolygon({QPoint(6, 12), QPoint(9, 15), QPoint(16, 6)}), 2);
         }},
        {"BBCANCEL", red,
         [](QPainter& p, const QColor& c) {
             ThickLine(p, c, QPolygon({QPoint(4, 4), QPoint(13, 13)}), 3);
             ThickLine(p, c, QPolygon({QPoint(13, 4), QPoint(4, 13)}), 3);
         }},
        {"BBNO", red,
         [](QPainter& p, const QColor& c) {
             p.setPen(QPen(c, 2));
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(QRect(3, 3, 11, 11));
             ThickLine(p, c, QPolygon({QPoint(5, 12), QPoint(12, 5)}), 2);
         }},
        {"BBABORT", red,
         [](QPainter& p, const QColor& c) {
             p.setPen(QPen(c, 2));
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(QRect(2, 2, 13, 13));
             ThickLine(p, c, QPolygon({QPoint(6, 6), QPoint(11, 11)}), 2);
             ThickLine(p, c, QPolygon({QPoint(11, 6), QPoint(6, 11)}), 2);
         }},
        {"BBHELP", blue, [](QPainter& p, const QColor& c) { Text(p, c, QStringLiteral("?")); }},
        {"BBIGNORE", blue,
         [](QPainter& p, const QColor& c) {
             // An arrow that jumps over a bar.
             ThickLine(p, c, QPolygon({QPoint(8, 4), QPoint(8, 15)}), 2);
             ThickLine(p, c, QPolygon({QPoint(2, 12), QPoint(4, 5), QPoint(12, 5), QPoint(14, 12)}), 1);
             ThickLine(p, c, QPolygon({QPoint(11, 10), QPoint(14, 13), QPoint(16, 9)}), 1);
         }},
        {"BBRETRY", green,
         [](QPainter& p, const QColor& c) {
             p.setPen(QPen(c, 2));
             p.setBrush(Qt::NoBrush);
             p.drawArc(QRect(3, 3, 11, 11), 60 * 16, 270 * 16);
             ThickLine(p, c, QPolygon({QPoint(10, 1), QPoint(13, 4), QPoint(9, 6)}), 1);
         }},
        {"BBCLOSE", brown,
         [](QPainter& p, const QColor& c) {
             // A door standing open in its frame.
             p.setPen(QPen(c, 1));
             p.setBrush(Qt::NoBrush);
             p.drawRect(QRect(4, 1, 10, 15));
             p.setBrush(c);
             p.drawPolygon(QPolygon({QPoint(4, 1), QPoint(9, 3), QPoint(9, 17), QPoint(4, 16)}));
         }},
    };
    int failures = 0;
    for (const Glyph& g : glyphs) {
        const QString path = dir + QLatin1Char('/') + QLatin1String(g.name) + QStringLiteral(".png");
        if (!Render(g.shape, g.colour).save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
