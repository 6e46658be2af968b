#include "core/printed_pages.h"

#include <algorithm>
#include <array>

namespace zn {

namespace {

const QString kCourier = QStringLiteral("Courier New");
const QString kTimes = QStringLiteral("Times New Roman");
const QString kX = QStringLiteral("X");
// The largest size tried; a table that fits only at size 1 is not printed.
constexpr int kLargestSize = 63;
constexpr int kSmallestSize = 2;
// Each column is 10 units wider than its widest text, and texts sit 5 units
// inside their rules.
constexpr int kColumnPadding = 10;
constexpr int kCellInset = 5;

class ProtocolComposer {
public:
    ProtocolComposer(IPageDocument& doc, const PrintTable& table, const PageBox& box,
                     const QString& listTitle, const QString& dateCaption)
        : doc_(doc), table_(table), box_(box), title_(listTitle), date_(dateCaption),
          cols_(std::clamp(table.cols, 0, kMaxProtocolColumns)) {}

    bool Compose() {
        canvas_ = doc_.Canvas();
        if (!canvas_ || table_.rows < 1) return false;
        canvas_->SetBrush(true);
        if (!ChooseSize()) return false;
        DrawPageFrame();
        int q = 1;
        while (q < table_.rows) {
            if (q > 1) {
                doc_.NewPage();
                canvas_ = doc_.Canvas();
                if (!canvas_) return true;
                // A new page starts with a fresh surface: without this the
                // frame's outline would be filled over the column rules.
                canvas_->SetBrush(true);
                DrawPageFrame();
            }
            const int h = canvas_->TextHeight(kX);
            const int before = q;
            while (y_ < frameBottom_ - h) {
                DrawRow(q, y_);
                y_ += h;
                ++q;
                if (q == table_.rows) break;
            }
            // A page with no room for a single row would repeat forever.
            if (q == before) break;
        }
        canvas_->Rectangle(box_.left, y_, box_.right, y_ + 1);
        return true;
    }

private:
    QString Cell(int col, int row) const { return table_.cell ? table_.cell(col, row) : QString(); }

    void SetFont(const QString& name, int size, uint8_t style) {
        PageFont font = canvas_->Font();
        font.name = name;
        font.size = size;
        font.style = style;
        canvas_->SetFont(font);
    }

    // The column rules b[0..cols] for the current font.
    void MeasureColumns() {
        b_[0] = box_.left;
        for (int c = 0; c < cols_; ++c) {
            int widest = 0;
            for (int r = 0; r < table_.rows; ++r)
                widest = std::max(widest, canvas_->TextWidth(Cell(c, r)));
            b_[c + 1] = b_[c] + widest + kColumnPadding;
        }
    }

    bool Fits(int size) {
        SetFont(kCourier, size, 0);
        MeasureColumns();
        return b_[cols_] <= box_.right + 5;
    }

    // The largest size from 63 down whose columns fit. Text grows with its
    // size, so the first fitting size from the top is found by bisection:
    // a long list is measured a handful of times instead of up to 62.
    bool ChooseSize() {
        if (Fits(kLargestSize)) {
            size_ = kLargestSize;
            return true;
        }
        int fits = kSmallestSize - 1; // below: known to fit (or none)
        int fails = kLargestSize;     // known not to fit
        while (fails - fits > 1) {
            const int mid = (fits + fails) / 2;
            if (Fits(mid))
                fits = mid;
            else
                fails = mid;
        }
        if (fits < kSmallestSize) return false;
        size_ = fits;
        if (!Fits(size_)) return false; // leaves the measured columns of the chosen size
        return true;
    }

    void DrawRow(int row, int y) {
        for (int c = 0; c < cols_; ++c) {
            const QString t = Cell(c, row);
            const int x = c == 1 ? b_[c] + kCellInset : b_[c + 1] - kCellInset - canvas_->TextWidth(t);
            canvas_->TextOut(x, y, t);
        }
    }

    void DrawPageFrame() {
        PageBox d = box_;
        SetFont(kTimes, size_ / 4 * 3, 0);
        canvas_->TextOut(d.right - canvas_->TextWidth(date_), d.top - canvas_->TextHeight(kX), date_);

        SetFont(kTimes, size_, kFontBold);
        const int hTitle = canvas_->TextHeight(kX);
        canvas_->TextOut(d.left + (d.right - d.left - canvas_->TextWidth(title_)) / 2, d.top, title_);
        d.top += hTitle;

        ++pageCounter_;
        d.bottom -= hTitle;
        const QString page = QStringLiteral("Seite: ") + QString::number(pageCounter_);
        canvas_->TextOut(d.right - canvas_->TextWidth(page), d.bottom, page);
        canvas_->TextOut(d.left, d.bottom, QStringLiteral("Kronvik"));

        for (int c = 0; c < cols_; ++c) {
            canvas_->MoveTo(b_[c], d.top);
            canvas_->LineTo(b_[c], d.bottom);
        }
        canvas_->Rectangle(d.left, d.top, d.right, d.bottom);
        canvas_->Rectangle(d.left, d.top, d.right, d.top + hTitle);

        SetFont(kCourier, size_, 0);
        DrawRow(0, d.top);
        y_ = d.top + hTitle;
        frameBottom_ = d.bottom;
    }

    IPageDocument& doc_;
    const PrintTable& table_;
    const PageBox box_;
    const QString title_;
    const QString date_;
    const int cols_;
    IPageCanvas* canvas_ = nullptr;
    std::array<int, kMaxProtocolColumns + 1> b_{};
    int size_ = 0;
    int y_ = 0;
    int frameBottom_ = 0;
    int pageCounter_ = 0;
};

} // namespace

bool ComposeProtocol(IPageDocument& doc, const PrintTable& table, const PageBox& box,
                     const QString& listTitle, const QString& dateCaption) {
    return ProtocolComposer(doc, table, box, listTitle, dateCaption).Compose();
}

} // namespace zn
