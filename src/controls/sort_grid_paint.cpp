#include "controls/qt_color.h"
#include "controls/sort_grid.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

#include <algorithm>

namespace zn {

namespace {

// Lines between data cells, and around the header cells.
constexpr TColor kDataLineColor = clSilver;
constexpr TColor kFixedLineColor = clGray;

// Room the sort arrow takes in the sorted column's header: the text moves
// right by 10 pixels and the header text fits into the width less 12.
constexpr int kArrowTextShift = 10;
constexpr int kArrowHeaderRoom = 12;

bool IsCheckedText(const QString& text) {
    return text == QLatin1String("true") || text == QLatin1String("?") || text == QLatin1String("v");
}

} // namespace

TGridDrawState TSortGrid::CellState(int col, int row) const {
    TGridDrawState state;
    if (row < FixedRows()) state |= gdFixed;
    const TGridRect sel = SelectionRect();
    if (row >= FixedRows() && col >= sel.Left && col <= sel.Right && row >= sel.Top && row <= sel.Bottom)
        state |= gdSelected;
    if (HasGridFocus() && col == FCol && row == FRow) state |= gdFocused;
    return state;
}

// The canvas as the base prepares it for a cell: the grid's font, the selection
// colours for selected cells (the focused current cell only with
// goDrawFocusSelected or goRowSelect), else the grid's or the header's colour.
void TSortGrid::PrepareCanvasFor(int, int, TGridDrawState state, TFormatOptions& fo) const {
    fo.Font = TCellFont(font(), state.testFlag(gdFixed) ? clBtnText : clWindowText);
    const bool highlight = state.testFlag(gdSelected) &&
                           (!state.testFlag(gdFocused) || (FOptions & (goDrawFocusSelected | goRowSelect)));
    if (state.testFlag(gdFixed)) {
        fo.Brush.Color = FFixedColor;
    } else if (highlight) {
        fo.Brush.Color = clHighlight;
        fo.Font.Color = clHighlightText;
    } else {
        fo.Brush.Color = FColor;
    }
}

void TSortGrid::GetCellFormat(int col, int row, TGridDrawState state, TFormatOptions& fo, bool& checkBox,
                              bool& combobox, bool& ellipsis) {
    fo.AlignmentHorz = FAlignmentHorz;
    fo.AlignmentVert = FAlignmentVert;
    fo.BevelStyle = FBevelStyle;
    switch (FBevelStyle) {
    case cbRaised:
        fo.BevelTopLeftColor = clBtnHighlight;
        fo.BevelBottomRightColor = clBtnShadow;
        break;
    case cbLowered:
        fo.BevelTopLeftColor = clBtnShadow;
        fo.BevelBottomRightColor = clBtnHighlight;
        break;
    case cbNone:
        fo.BevelTopLeftColor = clWindow;
        fo.BevelBottomRightColor = clWindow;
        break;
    }
    fo.HideText = false;
    checkBox = combobox = ellipsis = false;
    if (OnGetCellFormat) OnGetCellFormat(this, col, row, state, fo, checkBox, combobox, ellipsis);
}

void TSortGrid::CellKinds(int col, int row, bool& checkBox, bool& combobox, bool& ellipsis) {
    const TGridDrawState state = CellState(col, row);
    TFormatOptions fo;
    PrepareCanvasFor(col, row, state, fo);
    GetCellFormat(col, row, state, fo, checkBox, combobox, ellipsis);
}

// Characters before the ".." go one by one until the text fits.
QString TSortGrid::FitHeaderText(const QString& text, const QFontMetrics& fm, int width) {
    if (fm.horizontalAdvance(text) <= width || text.size() < 2) return text;
    QString t = text.left(text.size() - 2) + QStringLiteral("..");
    while (fm.horizontalAdvance(t) > width && t.size() > 3)
        t = t.left(t.size() - 3) + QStringLiteral("..");
    return t;
}

void TSortGrid::paintEvent(QPaintEvent* event) {
    QPainter p(viewport());
    const QRect clip = event->rect();
    p.fillRect(clip, ToQColor(FColor));
    if (RowCount() <= 0) return;

    const int width = ClientWidth();
    const int height = ClientHeight();
    int lastCol = FLeftCol - 1;
    int lastRow = FTopRow - 1;
    const bool editorShown = FEditor->isVisible();
    for (int row = 0; row < RowCount();) {
        const int y = RowY(row);
        if (y < 0 || y >= height) break;
        if (row > 0) lastRow = row;
        for (int col = FLeftCol; col < ColCount(); ++col) {
            const int x = ColumnX(col);
            if (x >= width) break;
            lastCol = std::max(lastCol, col);
            const int w = ColWidths(col);
            if (w <= 0) continue;
            const QRect rect(x, y, w, RowHeights(row));
            if (!rect.intersects(clip)) continue;
            if (editorShown && col == FCol && row == FRow) continue;
            DrawCell(p, col, row, rect, CellState(col, row));
        }
        row = row == 0 ? FTopRow : row + 1;
    }
    DrawGridLines(p, lastCol, lastRow);
}

void TSortGrid::DrawGridLines(QPainter& p, int lastCol, int lastRow) const {
    if (FGridLineWidth <= 0) return;
    const bool blankRows = FNowUpdating || FHideRows;
    const int headBottom = RowHeights(0);
    const int dataBottom = lastRow >= FTopRow ? RowY(lastRow) + RowHeights(lastRow) : headBottom;
    int right = 0;
    for (int col = FLeftCol; col <= lastCol; ++col) {
        const int w = ColWidths(col);
        if (w < 0) continue;
        right = ColumnX(col) + w;
        if (FOptions.testFlag(goFixedVertLine))
            p.fillRect(QRect(right, 0, FGridLineWidth, headBottom), ToQColor(kFixedLineColor));
        if (FOptions.testFlag(goVertLine) && !blankRows && dataBottom > headBottom)
            p.fillRect(QRect(right, headBottom, FGridLineWidth, dataBottom - headBottom + FGridLineWidth),
                       ToQColor(kDataLineColor));
    }
    const int lineRight = right + FGridLineWidth;
    if (FOptions.testFlag(goFixedHorzLine))
        p.fillRect(QRect(0, headBottom, lineRight, FGridLineWidth), ToQColor(kFixedLineColor));
    if (FOptions.testFlag(goHorzLine) && !blankRows) {
        for (int row = FTopRow; row <= lastRow; ++row)
            p.fillRect(QRect(0, RowY(row) + RowHeights(row), lineRight, FGridLineWidth),
                       ToQColor(kDataLineColor));
    }
}

void TSortGrid::DrawCell(QPainter& p, int col, int row, const QRect& rect, TGridDrawState state) {
    TFormatOptions fo;
    PrepareCanvasFor(col, row, state, fo);
    p.fillRect(rect, ToQColor(fo.Brush.Color));
    if (!FDefaultDrawing) {
        if (OnDrawCell) OnDrawCell(this, p, col, row, rect, state);
        return;
    }

    // Data rows are blank during a bulk update and while HideRows is set.
    if (row >= 1 && (FNowUpdating || FHideRows)) {
        p.fillRect(QRect(rect.left(), rect.top(), rect.width() + width() + 1, rect.height() + 1),
                   ToQColor(fo.Brush.Color));
        return;
    }

    bool checkBox = false;
    bool combobox = false;
    bool ellipsis = false;
    GetCellFormat(col, row, state, fo, checkBox, combobox, ellipsis);
    if (checkBox) fo.HideText = true;

    const bool rowMarked = std::find(FSelectedRows.begin(), FSelectedRows.end(), row) != FSelectedRows.end();
    const TGridRect sel = SelectionRect();
    if ((FOptions.testFlag(goRangeSelect) && row >= sel.Top && row <= sel.Bottom) ||
        (FMultiSelect && rowMarked && !FOptions.testFlag(goEditing))) {
        fo.Font.Color = clHighlightText;
        fo.Brush.Color = clHighlight;
    }
    if (fo.Mark != 0) {
        if (fo.Brush.Color == clHighlight) fo.Font.Color = clWindowText;
        fo.Brush.Color = fo.Mark;
    }

    p.setFont(fo.Font);
    const QFontMetrics fm(fo.Font);
    QString text = ShownCell(col, row);
    const bool sortArrow = col == SortOptions.SortCol && SortOptions.CanSort;
    if (row == 0) text = FitHeaderText(text, fm, rect.width() - (sortArrow ? kArrowHeaderRoom : 1));

    const int tw = fm.horizontalAdvance(text);
    const int th = fm.height();
    int dx = 2;
    if (fo.AlignmentHorz == taRightJustify)
        dx = rect.width() - tw - 2;
    else if (fo.AlignmentHorz == taCenter)
        dx = (rect.width() - tw) / 2;
    int dy = 2;
    if (fo.AlignmentVert == taBottomJustify)
        dy = rect.height() - th - 3;
    else if (fo.AlignmentVert == taMiddle)
        dy = (rect.height() - th) / 2;
    if (sortArrow && row == 0) dx += kArrowTextShift;

    p.save();
    p.setClipRect(rect);
    p.fillRect(rect, ToQColor(fo.Brush.Color));
    if (!fo.HideText) {
        p.setPen(ToQColor(fo.Font.Color));
        p.drawText(rect.left() + dx, rect.top() + dy + fm.ascent(), text);
    }
    // The arrow sits in the header of the sorted column, vertically centred in
    // the header row.
    if (sortArrow && row == 0) {
        const QPixmap& arrow = SortOptions.SortDirection == sdAscending ? FArrowUp : FArrowDown;
        const int w = rect.width() > 10 ? 8 : rect.width() - 3;
        if (w > 0)
            p.drawPixmap(QRect(rect.left() + 3, RowHeights(0) / 2 - 4, w, 7), arrow, QRect(0, 0, w, 7));
    }

    if (checkBox) {
        const QPixmap glyph(IsCheckedText(GetCell(col, row)) ? QStringLiteral(":/controls/CHECKED")
                                                             : QStringLiteral(":/controls/UNCHECKED"));
        const int w = rect.width() <= 16 ? rect.width() - 1 : 16;
        if (w > 0)
            p.drawPixmap(
                QRect(rect.left() + (rect.width() - w) / 2, rect.top() + RowHeights(row) / 2 - 8, w, 16),
                glyph, QRect(0, 0, w, 16));
    }
    const bool comboGlyph = combobox && row == FRow && (col == FCol || FEditorMode);
    const bool ellipsisGlyph = ellipsis && row == FRow && col != FCol;
    if (comboGlyph || ellipsisGlyph) {
        const QPixmap glyph(comboGlyph ? QStringLiteral(":/controls/COMBOBOX")
                                       : QStringLiteral(":/controls/ELLIPSIS"));
        const int w = std::min(16, rect.width());
        p.drawPixmap(QRect(rect.right() + 1 - w, rect.top(), w, rect.height()), glyph, QRect(0, 0, w, 16));
    }

    if (row >= 1 && fo.BevelStyle != cbNone) {
        const QColor br = ToQColor(fo.BevelBottomRightColor);
        const QColor tl = ToQColor(fo.BevelTopLeftColor);
        const int right = rect.right();
        const int bottom = rect.bottom();
        if (FOptions.testFlag(goFixedVertLine)) p.fillRect(QRect(right, rect.top(), 1, rect.height()), br);
        if (FOptions.testFlag(goFixedHorzLine)) p.fillRect(QRect(rect.left(), bottom, rect.width(), 1), br);
        if (FOptions.testFlag(goFixedVertLine))
            p.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), tl);
        if (FOptions.testFlag(goFixedHorzLine))
            p.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), tl);
    }

    if (state.testFlag(gdFocused) && !FOptions.testFlag(goRowSelect) && row >= 1) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect.adjusted(0, 0, -1, -1);
        option.backgroundColor = ToQColor(fo.Brush.Color);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
    }
    p.restore();

    if (OnDrawCell) OnDrawCell(this, p, col, row, rect, state);
}

// Fits a column to its widest text in each cell's own font, plus one "X".
void TSortGrid::AutoSizeColumn(int col, bool force) {
    if (col < 0 || col >= ColCount()) return;
    if (ColWidths(col) == -1 && !force) return;
    int widest = 0;
    bool anyText = false;
    // Rows past the last stored one are empty and measure 0.
    const int rows = std::min(RowCount(), FStore->StoredRowExtent());
    for (int row = 0; row < rows; ++row) {
        const QString text = ShownCell(col, row);
        if (text.isEmpty()) continue;
        anyText = true;
        const TGridDrawState state = CellState(col, row);
        TFormatOptions fo;
        PrepareCanvasFor(col, row, state, fo);
        bool checkBox = false;
        bool combobox = false;
        bool ellipsis = false;
        GetCellFormat(col, row, state, fo, checkBox, combobox, ellipsis);
        int w = QFontMetrics(fo.Font).horizontalAdvance(text);
        if (row == 0 && col == SortOptions.SortCol && SortOptions.CanSort) w += kArrowHeaderRoom;
        widest = std::max(widest, w);
    }
    const QFontMetrics fm(font());
    SetColWidths(col, anyText ? widest + fm.horizontalAdvance(QLatin1Char('X'))
                              : fm.horizontalAdvance(QStringLiteral("xx")));
}

bool TSortGrid::IsCellChecked(int col, int row) {
    bool checkBox = false;
    bool combobox = false;
    bool ellipsis = false;
    CellKinds(col, row, checkBox, combobox, ellipsis);
    return checkBox && IsCheckedText(GetCell(col, row));
}

void TSortGrid::SetCellChecked(int col, int row, bool value) {
    bool checkBox = false;
    bool combobox = false;
    bool ellipsis = false;
    CellKinds(col, row, checkBox, combobox, ellipsis);
    if (!checkBox) return;
    EditCell(col, row, value ? QStringLiteral("v") : QString());
    InvalidateRow(row);
    if (OnSetChecked) OnSetChecked(this, col, row, value);
}

} // namespace zn
