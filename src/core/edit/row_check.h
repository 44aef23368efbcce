// Validation repairs a page in place: every used row is walked column by column; a value that
// cannot be used is replaced by the default row's value of its column and, where the check
// says so, highlighted.
#pragma once

#include "pages/page.h"
#include "util/dialogs.h"

#include <utility>
#include <vector>

namespace lumo {

struct CheckReport {
    std::vector<std::pair<int, int>> highlighted;  // (row, column), in the order painted
};

// The first row from firstRow to lastRow, other than excludedRow, whose MNUM reads as the
// number; lastRow + 1 when there is none.
int FindDuplicateMNum(const Page& page, int firstRow, int excludedRow, int lastRow, long number);
void CheckPage(Page& page, Dialogs& dialogs, int pageNumber, CheckReport* report = nullptr);
// Validate page data: checks the page and returns what it did, for the status bar ("Checked 40
// memories: 3 values repaired, highlighted").
wxString ValidatePage(Page& page, Dialogs& dialogs, int pageNumber);
void CheckRow(Page& page, Dialogs& dialogs, int row, CheckReport* report = nullptr);
// One column's check; tone and code checks take the squelch text of their direction.
void CheckColumn(Page& page, Dialogs& dialogs, int row, int col, const wxString& squelch = "",
                 CheckReport* report = nullptr);
// Removes highlights and marks from every shown cell and forgets that rows were marked.
void ClearHighlights(Page& page);
// The memory-number edit: refused (with the message) when another row holds the number.
// Returns true when the number was stored.
bool ApplyMemoryNumberEdit(Page& page, Dialogs& dialogs, int row, long number);
// The legacy scan-letter rule: "L" ends with "0", "_" adds nothing, any other character at
// position i adds 2 to the power i.
wxString ConvertPolyLumScan(const wxString& letters);

}  // namespace lumo
