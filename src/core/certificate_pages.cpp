#include "core/printed_pages.h"

#include <algorithm>
#include <cmath>

namespace zn {

namespace {

constexpr int kValueLines = 8; // lines 0-7 print the row's values, date and list title
constexpr int kDateLine = 6;
constexpr int kTitleLine = 7;
constexpr qsizetype kMaxTextChars = 255; // one byte each once stored

QString CutText(const QString& text) {
    QString out;
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size() && n < kMaxTextChars; ++n) {
        const qsizetype len = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        out += text.mid(i, len);
        i += len;
    }
    return out;
}

QString LineValue(const PrintTable& table, int line, int row, const QString& date, const QString& listTitle) {
    const auto cell = [&](int col) { return table.cell ? table.cell(col, row) : QString(); };
    switch (line) {
    case 3:
    case 5:
        return cell(line) + QStringLiteral(" sek.");
    case kDateLine:
        return date;
    case kTitleLine:
        return listTitle;
    default:
        return cell(line);
    }
}

} // namespace

int32_t CertificateFontSize(int32_t points) {
    // points x 2.54 in whole hundredths, so that a half is exact
    const int64_t hundredths = static_cast<int64_t>(points) * 254;
    int64_t q = hundredths / 100;
    const int64_t r = hundredths % 100;
    if (r > 50 || (r == 50 && (q % 2) != 0)) ++q;
    if (r < -50 || (r == -50 && (q % 2) != 0)) --q;
    return static_cast<int32_t>(q);
}

void ComposeCertificates(IPageDocument& doc, const PrintTable& table, CertificateLayout& layout, int first,
                         int last, const QString& date, const QString& listTitle,
                         std::vector<PlacedLine>* placed) {
    for (int row = first; row <= last; ++row) {
        IPageCanvas* canvas = doc.Canvas();
        if (!canvas) return;
        canvas->SetBrush(true);
        for (int i = 0; i < kCertificateLineCount; ++i) {
            CertificateLine& line = layout[static_cast<size_t>(i)];
            if (line.printOn != 1) continue;
            if (i < kValueLines) line.text = CutText(LineValue(table, i, row, date, listTitle));
            PageFont font;
            font.name = line.fontName;
            font.size = CertificateFontSize(line.fontSize);
            font.style = line.fontStyle;
            font.color = line.fontColor;
            canvas->SetFont(font);
            double x = line.leftMm * 10.0;
            if (line.align == 1) x -= canvas->TextWidth(line.text) / 2.0;
            if (line.align == 2) x -= canvas->TextWidth(line.text);
            const int left = static_cast<int>(std::nearbyint(x));
            const int top = line.topMm * 10;
            canvas->TextOut(left, top, line.text);
            if (placed)
                placed->push_back({i, row,
                                   PageBox{left, top, left + canvas->TextWidth(line.text),
                                           top + canvas->TextHeight(line.text)}});
        }
        if (row != last) doc.NewPage();
    }
}

std::vector<int> LinesOutside(const std::vector<PlacedLine>& placed, const PageBox& area) {
    std::vector<int> lines;
    for (const PlacedLine& p : placed) {
        const PageBox& b = p.box;
        if (b.left < area.left || b.top < area.top || b.right > area.right || b.bottom > area.bottom)
            lines.push_back(p.line);
    }
    std::sort(lines.begin(), lines.end());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    return lines;
}

} // namespace zn
