#pragma once

namespace zn {

// Horizontal placement of text in a cell or label.
enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// Vertical placement of text in a cell.
enum TVertAlignment { taTopJustify, taBottomJustify, taMiddle };

} // namespace zn
