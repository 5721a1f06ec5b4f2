#pragma once
// The cells of one sheet in composition order: rows from the top, columns from the left. Cell
// (r, c) starts at x = c × cellWidth + leftMargin, y = r × cellHeight + topMargin (mm). Before a
// cell is composed, the walk of its row stops when x is beyond the page width or y beyond the
// page height (strictly: a cell starting on the edge is composed, and a cell starting inside the
// page is composed whole even when it runs past it).
#include "LabelJobSettings.h"

// At most this many cells are visited on one page. Only absurd counts with cell sizes of zero or
// less, or of a fraction of a millimetre, reach it: the smallest symbol is some millimetres wide,
// so a real sheet, even A3 with cells of 3 × 10 mm, holds fewer than 4,000 labels. The walk is
// cut there so that a typing slip cannot keep the program composing: each cell's symbol is kept
// in the page model and its text measured, and 100,000 of them took many seconds and a gigabyte.
inline constexpr long MaxCellsPerPage = 5000;

struct TCell {
    int Row, Column;
    double X, Y; // the cell's top-left corner, mm from the page's top-left corner
};

// Calls visit(cell) for every cell that the page composes, in order, until visit returns false.
// Returns false when visit stopped the walk. At most MaxCellsPerPage rows are walked too: rows
// that compose no cell (no columns, or a cell height that is not a number, or rows below the page
// that a negative cell height brings back up only after billions of rows) take time as well.
template <class Visit> bool WalkSheetGrid(const LabelJobSettings& s, Visit&& visit) {
    long visited = 0;
    for (int r = 0; r < s.rows && r < MaxCellsPerPage; ++r) {
        const double y = r * s.cellHeight + s.topMargin;
        if (y > s.pageHeight && s.cellHeight >= 0) break; // every later row starts lower still
        for (int c = 0; c < s.columns; ++c) {
            const double x = c * s.cellWidth + s.leftMargin;
            if (y > s.pageHeight) break;
            if (x > s.pageWidth) {
                if (c == 0) return true; // the first column lies beyond the page in every row
                break;
            }
            if (++visited > MaxCellsPerPage) return true;
            if (!visit(TCell{r, c, x, y})) return false;
        }
    }
    return true;
}
