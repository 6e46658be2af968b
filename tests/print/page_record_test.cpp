#include "print/metafile_list.h"
#include "print/page_record.h"
#include "print/recording_canvas.h"

#include <QBuffer>
#include <QDataStream>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace zn;

namespace {

// A page of `n` in 0.1 mm on A4 with text, a line and a rectangle.
PageRecord SamplePage(int n) {
    PageRecord page;
    page.width = 2100;
    page.height = 2970;
    TPageCanvas canvas(page, 96);
    canvas.SetFont(PageFont{QStringLiteral("Arial"), 30 + n, kFontBold, clBtnText});
    canvas.TextOut(100, 200 + n, QStringLiteral("Seite %1: Größe Übung").arg(n));
    canvas.SetBrush(true);
    canvas.MoveTo(100, 300);
    canvas.LineTo(2000, 300 + n);
    canvas.SetPenWidth(5);
    canvas.Rectangle(100, 400, 2000, 500 + n);
    return page;
}

// The rows of `image` holding any pixel darker than mid grey.
std::pair<int, int> InkRows(const QImage& image) {
    int first = -1;
    int last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                if (first < 0) first = y;
                last = y;
                break;
            }
    return {first, last};
}

} // namespace

TEST(PageCanvas, RecordsFontsAsCharacterHeightsWithResolvedColours) {
    const PageRecord page = SamplePage(0);
    ASSERT_FALSE(page.ops.empty());
    const PageOp& font = page.ops.front();
    EXPECT_EQ(font.kind, PageOp::opFont);
    EXPECT_EQ(font.size, 40); // 30 x 96 / 72
    EXPECT_EQ(font.style, kFontBold);
    EXPECT_FALSE(IsSystemColor(font.color));
    const PageOp& line = page.ops[3];
    EXPECT_EQ(line.kind, PageOp::opLine);
    EXPECT_EQ(line.x1, 100);
    EXPECT_EQ(line.y1, 300);
    EXPECT_EQ(line.x2, 2000);
}

TEST(PageCanvas, MeasuresInPageUnitsAtAnySize) {
    PageRecord page{2100, 2970, {}};
    TPageCanvas canvas(page, 96);
    const QString text = QStringLiteral("Mannschaft Großenhain");
    canvas.SetFont(PageFont{QStringLiteral("Arial"), 36, 0, clBlack});
    const int small = canvas.TextWidth(text);
    const int smallHeight = canvas.TextHeight(text);
    canvas.SetFont(PageFont{QStringLiteral("Arial"), 360, 0, clBlack});
    // Unhinted widths scale with the size; a stale measuring font would not.
    EXPECT_NEAR(canvas.TextWidth(text), 10 * small, small / 10);
    EXPECT_NEAR(canvas.TextHeight(text), 10 * smallHeight, smallHeight / 5);
    EXPECT_GT(smallHeight, 48); // the cell is taller than the 48-unit characters
}

TEST(PageRecord, StreamsCorruptDataAsAnEmptyPage) {
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << SamplePage(1);
    }
    PageRecord back;
    {
        QDataStream in(bytes);
        in >> back;
    }
    EXPECT_EQ(back.ops, SamplePage(1).ops);
    EXPECT_EQ(back.width, 2100);

    QByteArray cut = bytes.left(bytes.size() - 3);
    QDataStream shortIn(cut);
    shortIn >> back;
    EXPECT_TRUE(back.Empty());
    EXPECT_TRUE(back.ops.empty());

    QByteArray garbage = bytes;
    garbage[0] = 'X';
    QDataStream badIn(garbage);
    badIn >> back;
    EXPECT_TRUE(back.Empty());
    EXPECT_NE(badIn.status(), QDataStream::Ok);
}

TEST(PageRecord, PlaysScaledAndShiftedOntoTheTarget) {
    PageRecord page{1000, 2000, {}};
    TPageCanvas canvas(page, 96);
    canvas.SetBrush(false, clBlack);
    canvas.Rectangle(500, 1000, 1000, 2000); // the bottom-right quarter
    QImage image(300, 500, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        page.Play(p, QRectF(100, 100, 200, 400));
        p.drawPoint(0, 0); // the painter's own state is back: no scale
    }
    EXPECT_EQ(qGray(image.pixel(250, 400)), 0);   // inside the quarter
    EXPECT_EQ(qGray(image.pixel(180, 400)), 255); // left of it
    EXPECT_EQ(qGray(image.pixel(250, 280)), 255); // above it
    EXPECT_EQ(qGray(image.pixel(50, 50)), 255);   // outside the target
}

TEST(PageRecord, TextHangsFromItsTopWithAnOpaqueCellUnlessTheBrushIsClear) {
    PageRecord page{400, 400, {}};
    TPageCanvas canvas(page, 72);
    canvas.SetFont(PageFont{QStringLiteral("Arial"), 40, 0, clBlack});
    const int height = canvas.TextHeight(QStringLiteral("HX"));
    canvas.SetBrush(true);
    canvas.TextOut(10, 100, QStringLiteral("HX"));
    canvas.SetBrush(false, clRed);
    canvas.TextOut(10, 300, QStringLiteral("HX"));
    QImage image(400, 400, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        page.Play(p, QRectF(0, 0, 400, 400));
    }
    const QImage top = image.copy(0, 0, 400, 250);
    const auto [first, last] = InkRows(top);
    EXPECT_GE(first, 100);
    EXPECT_LT(last, 100 + height);
    EXPECT_EQ(image.pixelColor(11, 301), QColor(Qt::red)); // the cell's corner, above the glyphs
    EXPECT_EQ(image.pixelColor(11, 101), QColor(Qt::white));
}

TEST(MetaFileList, KeepsPagesReadableAcrossTheTemporaryFile) {
    TMetaFileList list;
    for (int i = 0; i < 3; ++i)
        list.Add(SamplePage(i));
    EXPECT_EQ(list.Items(1).ops, SamplePage(1).ops);
    EXPECT_TRUE(list.Items(3).Empty());
    EXPECT_TRUE(list.TempFileName().isEmpty());

    list.SetUseTempFile(true);
    const QString name = list.TempFileName();
    ASSERT_FALSE(name.isEmpty());
    EXPECT_TRUE(QFile::exists(name));
    EXPECT_TRUE(name.section('/', -1).startsWith("TMP"));
    for (int i : {2, 0, 1})
        EXPECT_EQ(list.Items(i).ops, SamplePage(i).ops) << i;
    list.Add(SamplePage(3));
    EXPECT_EQ(list.Items(3).ops, SamplePage(3).ops);

    list.SetUseTempFile(false);
    EXPECT_FALSE(QFile::exists(name));
    EXPECT_TRUE(list.TempFileName().isEmpty());
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(list.Items(i).ops, SamplePage(i).ops) << i;

    list.SetUseTempFile(true);
    const QString second = list.TempFileName();
    ASSERT_TRUE(QFile::exists(second));
    list.Clear();
    EXPECT_FALSE(QFile::exists(second));
    EXPECT_EQ(list.Count(), 0);
    list.Add(SamplePage(5)); // a new file after Clear
    EXPECT_EQ(list.Items(0).ops, SamplePage(5).ops);
}
