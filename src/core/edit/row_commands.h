// The row and column commands of the grid's context menu and the Data menu. Each acts on the
// page's cell store and its selection, asks first where it overwrites data, and returns true
// when it changed the page.
#pragma once

#include "pages/page.h"
#include "util/dialogs.h"

#include <optional>

namespace lumo {

// The copied row, shared by all pages.
using PasteBuffer = std::optional<RowTexts>;

struct RowCommand {
    Page& page;
    Dialogs& dialogs;
    int currentRow;  // the row the context menu was opened on
    int pageNumber = 0;
};

bool CopyRow(RowCommand& cmd, PasteBuffer& buffer);
bool PasteRow(RowCommand& cmd, const PasteBuffer& buffer);
bool InsertRow(RowCommand& cmd);
bool DeleteRows(RowCommand& cmd);
bool ClearRows(RowCommand& cmd);
bool DefaultRow(RowCommand& cmd);
bool DefaultColumn(RowCommand& cmd);
bool DefaultMarked(RowCommand& cmd);
bool DefaultFile(RowCommand& cmd);
bool RenumberToRowNum(RowCommand& cmd);
bool RenumberSequential(RowCommand& cmd);
bool MarkRows(Page& page);
// The Delete key: empties the selected cells of memory rows that can be edited (not the memory
// number, not a P25 row's zone), then checks each row, so a cell that must hold a value takes
// the default row's, highlighted. A row selected across all its shown columns is cleared as
// Clear row clears it. Returns true when the page changed.
bool ClearSelectedCells(Page& page, Dialogs& dialogs);
// After cells of a row were written from outside an editor (paste, Delete): the row check, and
// a P25 primary's shadows follow it.
void FinishWrittenRow(Page& page, Dialogs& dialogs, int row);
void SelectAllRows(Page& page);
void DeselectAllRows(Page& page);

// Writes a default value into one cell with its companions; ZONE on P25 pages gives the row the
// first zone with room instead.
void SetDefaultCellValue(Page& page, int row, int col, const wxString& value);
// The column a column command works on: the first of columns 0 to 21 selected in row 1, else
// TIDC.
int SelectedDefaultColumn(const Page& page);

}  // namespace lumo
