#pragma once

#include "core/certificate_layout.h"
#include "core/page_canvas.h"

#include <QString>
#include <functional>
#include <vector>

namespace zn {

// The table a document is printed from: row 0 holds the column titles.
struct PrintTable {
    int cols = 0;
    int rows = 0;
    std::function<QString(int col, int row)> cell;
};

// The area inside the page margins, in the page's unit (right and bottom are
// edges, not the last unit inside).
struct PageBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The protocol takes at most this many columns of a table.
constexpr int kMaxProtocolColumns = 20;

// The whole table as a ruled list in Courier New, the largest size from 63
// down whose columns fit between box.left and box.right + 5, over as many
// pages as needed; each page with the date caption and the list title in its
// top margin, a frame, the title row and "Seite: n" in the footer. Pages after
// the first are begun with doc.NewPage(). Returns false, having drawn nothing,
// when no size fits.
bool ComposeProtocol(IPageDocument& doc, const PrintTable& table, const PageBox& box,
                     const QString& listTitle, const QString& dateCaption);

// The character size of a certificate line of `points` on a page in 0.1 mm:
// points x 2.54, halves to even.
int32_t CertificateFontSize(int32_t points);

// Where one certificate line was set on its page, in the page's unit from the
// sheet's top-left corner.
struct PlacedLine {
    int line = 0; // 0-17
    int row = 0;  // the table row the page is for
    PageBox box;
};

// One certificate page for each table row first..last (none when last <
// first), the printed lines placed from the paper's top-left corner. Lines
// 0-7 print the row's values, the date and the list title, and keep the text
// printed last in the layout. Each line set is added to `placed` when given.
void ComposeCertificates(IPageDocument& doc, const PrintTable& table, CertificateLayout& layout, int first,
                         int last, const QString& date, const QString& listTitle,
                         std::vector<PlacedLine>* placed = nullptr);

// The lines (sorted, each once) whose text reaches outside `area` on some page.
std::vector<int> LinesOutside(const std::vector<PlacedLine>& placed, const PageBox& area);

} // namespace zn
