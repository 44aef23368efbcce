// Cells on the clipboard: tab-separated text with a header line of column names, so a block
// copied from a page pastes into a spreadsheet and back, or into a page of another radio.
#pragma once

#include "pages/page.h"
#include "util/dialogs.h"

namespace lumo {

// The selected cells of the shown columns: the header line (the grid's column labels), then a
// line for each row that holds a selected cell. Empty when nothing is selected.
wxString CopyCellsText(const Page& page);

// The grid column a header name stands for: a column label of any page type ("RxFreq", "Chan",
// "Mem") or a column key ("RFRQ"), in any case; -1 when none.
int ColumnOfName(const wxString& name);

struct PasteOutcome {
    int rows = 0;     // rows written
    int leftOut = 0;  // lines past the last memory row, not pasted
};

// Pastes clipboard text with its top line at `row`. A first line of column names places each
// field in its column, whatever the source page; text without one fills the page's shown
// columns from `col` on. Each value goes through its column's check, then each row through the
// row check, as an import's do: what the page cannot hold is repaired and highlighted. A blank
// row starts from the default row; the default row, guard rows, rows past the last memory,
// locked cells and memory numbers are never written, and empty fields change nothing.
PasteOutcome PasteCellsText(Page& page, Dialogs& dialogs, const wxString& text, int row, int col);

}  // namespace lumo
