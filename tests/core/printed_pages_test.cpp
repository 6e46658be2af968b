#include "core/printed_pages.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

using namespace zn;

namespace {

struct Drawn {
    enum Kind { Text, Line, Rect } kind;
    int x1, y1, x2, y2;
    QString text;
    PageFont font;
};

// Pages drawn in a font whose characters are size/2 wide and size high, so
// every position can be worked out by hand.
class FakeDocument : public IPageDocument, public IPageCanvas {
public:
    std::vector<std::vector<Drawn>> pages{{}};
    PageFont font{QStringLiteral("Arial"), 200, 0, clBlack};
    bool clearBrush = false;
    int px = 0, py = 0;

    IPageCanvas* Canvas() override { return this; }
    void NewPage() override {
        pages.emplace_back();
        clearBrush = false;
    }
    void SetFont(const PageFont& f) override { font = f; }
    PageFont Font() const override { return font; }
    void SetBrush(bool clear, TColor) override { clearBrush = clear; }
    int TextWidth(const QString& t) override { return static_cast<int>(t.size()) * font.size / 2; }
    int TextHeight(const QString&) override { return font.size; }
    void TextOut(int x, int y, const QString& t) override { Add({Drawn::Text, x, y, 0, 0, t, font}); }
    void MoveTo(int x, int y) override { px = x, py = y; }
    void LineTo(int x, int y) override { Add({Drawn::Line, px, py, x, y, {}, font}); }
    void Rectangle(int l, int t, int r, int b) override {
        EXPECT_TRUE(clearBrush) << "an outline would be filled over what lies inside it";
        Add({Drawn::Rect, l, t, r, b, {}, font});
    }

    void Add(Drawn d) { pages.back().push_back(std::move(d)); }
    const Drawn* Find(size_t page, const QString& text) const {
        for (const Drawn& d : pages.at(page))
            if (d.kind == Drawn::Text && d.text == text) return &d;
        return nullptr;
    }
    std::vector<Drawn> Of(size_t page, Drawn::Kind kind) const {
        std::vector<Drawn> out;
        for (const Drawn& d : pages.at(page))
            if (d.kind == kind) out.push_back(d);
        return out;
    }
};

// A results table: titles, then rows "Team n" with a number column and times.
PrintTable Table(int rows, int nameWidth = 8) {
    return {4, rows, [=](int c, int r) {
                if (r == 0) return QStringList{"Pl", "Mannschaft", "Zeit", "F"}.at(c);
                switch (c) {
                case 0:
                    return QString::number(r);
                case 1:
                    return QStringLiteral("T%1").arg(r).leftJustified(nameWidth, 'x');
                case 2:
                    return QStringLiteral("%1,50").arg(20 + r);
                default:
                    return QStringLiteral("0");
                }
            }};
}

// The fake font's width of n characters at size s.
int W(int n, int s) {
    return n * s / 2;
}

const PageBox kBox{160, 60, 2040, 2910}; // A4 in 0.1 mm with the preview's margins

} // namespace

TEST(ProtocolPages, TitleRowOnlyGivesOneFramedPageClosedUnderTheTitles) {
    FakeDocument doc;
    ASSERT_TRUE(ComposeProtocol(doc, Table(1), kBox, "Vorlauf", "07.12.2026   14:00"));
    ASSERT_EQ(doc.pages.size(), 1u);
    // The widest column text ("Mannschaft", 10 characters) already fits at 63.
    const Drawn* title = doc.Find(0, "Vorlauf");
    ASSERT_TRUE(title);
    EXPECT_EQ(title->font, (PageFont{"Times New Roman", 63, kFontBold, clBlack}));
    EXPECT_EQ(title->x1, 160 + (1880 - W(7, 63)) / 2); // centred between the margins
    EXPECT_EQ(title->y1, 60);
    const Drawn* date = doc.Find(0, "07.12.2026   14:00");
    ASSERT_TRUE(date);
    EXPECT_EQ(date->font.size, 63 / 4 * 3);
    EXPECT_EQ(date->x1 + W(18, 45), 2040); // right-aligned to the frame
    EXPECT_EQ(date->y1, 60 - 45);          // inside the top margin
    const Drawn* page = doc.Find(0, "Seite: 1");
    ASSERT_TRUE(page);
    EXPECT_EQ(page->y1, 2910 - 63);
    EXPECT_EQ(doc.Find(0, "Kronvik")->x1, 160);

    const auto rects = doc.Of(0, Drawn::Rect);
    ASSERT_EQ(rects.size(), 3u); // frame, title row, closing rule
    EXPECT_EQ(rects[0].y1, 60 + 63);
    EXPECT_EQ(rects[0].y2, 2910 - 63);
    EXPECT_EQ(rects[1].y2, 60 + 63 + 63);
    EXPECT_EQ(rects[2].y1, 60 + 63 + 63); // directly under the title row
    EXPECT_EQ(rects[2].y2, rects[2].y1 + 1);
    EXPECT_EQ(rects[2].x1, 160);
    EXPECT_EQ(rects[2].x2, 2040);
}

TEST(ProtocolPages, LongListBreaksOntoPagesThatRepeatFrameAndTitles) {
    FakeDocument doc;
    ASSERT_TRUE(ComposeProtocol(doc, Table(80), kBox, "Vorlauf", "heute"));
    ASSERT_EQ(doc.pages.size(), 2u);
    // At 63 each row is 63 high: rows fit while y < 2847 - 63, starting at 186.
    const int perPage = (2847 - 63 - 186 + 62) / 63;
    for (size_t p = 0; p < 2; ++p) {
        EXPECT_TRUE(doc.Find(p, "Mannschaft")) << "title row on page " << p + 1;
        EXPECT_EQ(doc.Of(p, Drawn::Line).size(), 4u) << "column rules on page " << p + 1;
        EXPECT_TRUE(doc.Find(p, "Vorlauf"));
    }
    EXPECT_TRUE(doc.Find(1, "Seite: 2"));
    const Drawn* lastOnFirst = doc.Find(0, QString::number(perPage));
    const Drawn* firstOnSecond = doc.Find(1, QString::number(perPage + 1));
    ASSERT_TRUE(lastOnFirst && firstOnSecond);
    EXPECT_FALSE(doc.Find(0, QString::number(perPage + 1)));
    EXPECT_EQ(firstOnSecond->y1, 186);
    EXPECT_TRUE(doc.Find(1, "79"));
    EXPECT_EQ(doc.Of(1, Drawn::Rect).back().y1, 186 + (79 - perPage) * 63);

    // Names left at their rule, the other columns right against theirs.
    const auto rules = doc.Of(0, Drawn::Line);
    const Drawn* name = doc.Find(0, "T1xxxxxx");
    EXPECT_EQ(name->x1, rules[1].x1 + 5);
    const Drawn* time = doc.Find(0, "21,50");
    EXPECT_EQ(time->x1 + W(5, 63), rules[3].x1 - 5);
    const Drawn* place = doc.Find(0, "1");
    EXPECT_EQ(place->x1 + W(1, 63), rules[1].x1 - 5);
}

TEST(ProtocolPages, TakesTheLargestSizeThatFitsAndNothingWhenNoneDoes) {
    // Columns of widths 2, n, 5 and 1 characters plus 10 each must end by 2045.
    for (int nameWidth : {40, 120, 200}) {
        FakeDocument doc;
        ASSERT_TRUE(ComposeProtocol(doc, Table(3, nameWidth), kBox, "V", "d"));
        const int size = doc.Find(0, "Mannschaft")->font.size;
        const auto fits = [&](int s) {
            return 160 + W(2, s) + W(nameWidth, s) + W(5, s) + W(1, s) + 40 <= 2045;
        };
        EXPECT_TRUE(fits(size)) << nameWidth;
        if (size < 63) {
            EXPECT_FALSE(fits(size + 1)) << nameWidth;
        }
    }
    FakeDocument tooWide;
    EXPECT_FALSE(ComposeProtocol(tooWide, Table(3, 2000), kBox, "V", "d"));
    EXPECT_TRUE(tooWide.pages.front().empty());
}

// The widest name in the last row still sets its column and the size: it
// ends inside its rules, and on the page.
TEST(ProtocolPages, TheLastRowIsMeasuredToo) {
    const QString longest = QString(100, u'L');
    PrintTable table = Table(6);
    const auto shortNames = table.cell;
    table.cell = [=](int c, int r) { return c == 1 && r == 5 ? longest : shortNames(c, r); };
    FakeDocument doc;
    ASSERT_TRUE(ComposeProtocol(doc, table, kBox, "V", "d"));
    const Drawn* name = doc.Find(0, longest);
    ASSERT_TRUE(name);
    const auto rules = doc.Of(0, Drawn::Line);
    ASSERT_EQ(rules.size(), 4u);
    EXPECT_EQ(rules[2].x1 - rules[1].x1, W(100, name->font.size) + 10);
    EXPECT_LE(name->x1 + W(100, name->font.size), rules[2].x1 - 5);
    EXPECT_LE(name->x1 + W(100, name->font.size), 2045);
}

TEST(CertificatePages, SizesAreTimesTwoPointFiveFourHalvesToEven) {
    EXPECT_EQ(CertificateFontSize(12), 30);  // 30.48
    EXPECT_EQ(CertificateFontSize(25), 64);  // 63.5 -> even
    EXPECT_EQ(CertificateFontSize(75), 190); // 190.5 -> even
    EXPECT_EQ(CertificateFontSize(13), 33);  // 33.02
}

TEST(CertificatePages, OnePagePerRowWithTheRowsValuesPlaced) {
    CertificateLayout layout{};
    ApplyCertificateDefaults(layout);
    layout[1].align = 1;
    layout[1].leftMm = 105;
    layout[5].align = 2;
    layout[5].leftMm = 190;
    layout[9].printOn = 1;
    layout[9].text = QStringLiteral("Urkunde");
    layout[2].printOn = 0;
    FakeDocument doc;
    const PrintTable table{6, 7, [](int c, int r) { return QStringLiteral("c%1r%2").arg(c).arg(r); }};
    ComposeCertificates(doc, table, layout, 4, 4, "07.12.2026", "Vorlauf");
    ASSERT_EQ(doc.pages.size(), 1u);
    const Drawn* team = doc.Find(0, "c1r4");
    ASSERT_TRUE(team);
    EXPECT_EQ(team->x1, 1050 - 4 * 15 / 2); // centred on 105 mm
    EXPECT_EQ(team->y1, 160);
    EXPECT_EQ(team->font, (PageFont{"Times New Roman", 30, kFontBold, clWindowText}));
    EXPECT_TRUE(doc.Find(0, "c3r4 sek."));
    const Drawn* total = doc.Find(0, "c5r4 sek.");
    ASSERT_TRUE(total);
    EXPECT_EQ(total->x1, 1900 - 9 * 15); // right-aligned
    EXPECT_TRUE(doc.Find(0, "c0r4") && doc.Find(0, "c4r4") && doc.Find(0, "07.12.2026") &&
                doc.Find(0, "Vorlauf"));
    EXPECT_TRUE(doc.Find(0, "Urkunde"));
    EXPECT_FALSE(doc.Find(0, "c2r4"));
    EXPECT_EQ(layout[5].text, "c5r4 sek.");
    EXPECT_EQ(layout[9].text, "Urkunde");

    FakeDocument range;
    ComposeCertificates(range, table, layout, 2, 5, "d", "t");
    EXPECT_EQ(range.pages.size(), 4u);
    EXPECT_TRUE(range.Find(3, "c1r5"));
    FakeDocument none;
    ComposeCertificates(none, table, layout, 3, 2, "d", "t");
    EXPECT_TRUE(none.pages.front().empty());
    EXPECT_EQ(none.pages.size(), 1u);
}

TEST(CertificatePages, PlacedLinesOutsideAnAreaAreNamedOnce) {
    CertificateLayout layout{};
    ApplyCertificateDefaults(layout); // lines 0-7, 30 mm in, 0, 16, ... 112 mm down
    layout[5].align = 2;
    layout[5].leftMm = 200;
    FakeDocument doc;
    const PrintTable table{6, 4, [](int c, int r) { return QStringLiteral("c%1r%2").arg(c).arg(r); }};
    std::vector<PlacedLine> placed;
    ComposeCertificates(doc, table, layout, 1, 3, "d", "t", &placed);
    ASSERT_EQ(placed.size(), 3u * 8u);
    const PlacedLine& total = placed[5];
    EXPECT_EQ(total.line, 5);
    EXPECT_EQ(total.row, 1);
    // "c5r1 sek." is 9 characters of 15 units, 30 units high, ending at 200 mm
    EXPECT_EQ(total.box.left, 2000 - 9 * 15);
    EXPECT_EQ(total.box.right, 2000);
    EXPECT_EQ(total.box.top, 800);
    EXPECT_EQ(total.box.bottom, 830);

    // The area's edges belong to it: a line ending on them is inside.
    EXPECT_TRUE(LinesOutside(placed, PageBox{0, 0, 2000, 1150}).empty());
    EXPECT_EQ(LinesOutside(placed, PageBox{1, 0, 2000, 1150}), std::vector<int>{}); // lines start at 300
    EXPECT_EQ(LinesOutside(placed, PageBox{0, 1, 1999, 1149}), (std::vector<int>{0, 5, 7}));
    EXPECT_EQ(LinesOutside(placed, PageBox{301, 0, 2100, 1150}), (std::vector<int>{0, 1, 2, 3, 4, 6, 7}));
}
