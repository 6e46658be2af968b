#pragma once

#include "core/alignment.h"
#include "core/colors.h"

#include <QFlags>
#include <QFont>
#include <QString>

namespace zn {

enum TGridOption {
    goFixedVertLine = 0x0001,
    goFixedHorzLine = 0x0002,
    goVertLine = 0x0004,
    goHorzLine = 0x0008,
    goRangeSelect = 0x0010,
    goDrawFocusSelected = 0x0020,
    goRowSizing = 0x0040,
    goColSizing = 0x0080,
    goRowMoving = 0x0100,
    goColMoving = 0x0200,
    goEditing = 0x0400,
    goTabs = 0x0800,
    goRowSelect = 0x1000,
    goAlwaysShowEditor = 0x2000,
    goThumbTracking = 0x4000,
};
Q_DECLARE_FLAGS(TGridOptions, TGridOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TGridOptions)

enum TGridDrawStateFlag { gdSelected = 0x1, gdFocused = 0x2, gdFixed = 0x4 };
Q_DECLARE_FLAGS(TGridDrawState, TGridDrawStateFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TGridDrawState)

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

enum TCellBevelStyle { cbNone, cbRaised, cbLowered };

enum TMyPrintRange { prAll, prSelected };

// A block of cells, corners included: columns Left..Right, rows Top..Bottom.
struct TGridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool operator==(const TGridRect&) const = default;
};

// Settings the grid only carries for whoever prints it.
struct TPrintOptions {
    QString JobTitle;
    QString PageTitle;
    unsigned Copies = 1;
    TMyPrintRange PrintRange = prAll;
    unsigned FromRow = 0;
    unsigned ToRow = 0;
    unsigned PreviewPage = 0;
};

// The canvas brush while a cell is painted.
struct TCellBrush {
    TColor Color = clWindow;
};

// The canvas font while a cell is painted: typeface, size and style of QFont,
// plus the text colour.
class TCellFont : public QFont {
public:
    TCellFont() = default;
    TCellFont(const QFont& font, TColor color) : QFont(font), Color(color) {}
    TColor Color = clWindowText;
};

// The background of a cell whose value waits for the operator's check.
inline constexpr TColor clAmber = 0x0000BFFF;

// Format of one cell, preset by the grid and adjusted by OnGetCellFormat.
struct TFormatOptions {
    TCellBrush Brush;
    // A background the selection does not cover (clAmber for a value in
    // doubt): the mark must show on the selected row too. 0: none.
    TColor Mark = 0;
    TCellFont Font;
    TAlignment AlignmentHorz = taLeftJustify;
    TVertAlignment AlignmentVert = taTopJustify;
    TCellBevelStyle BevelStyle = cbNone;
    TColor BevelTopLeftColor = clWindow;
    TColor BevelBottomRightColor = clWindow;
    bool HideText = false;
};

} // namespace zn
