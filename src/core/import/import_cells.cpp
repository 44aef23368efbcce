#include "import/import_cells.h"

#include "edit/row_check.h"

namespace lumo {

void SetToneAndCode(Page& page, Dialogs& dialogs, int row, int toneCol, const wxString& tone,
                    int codeCol, const wxString& code, const wxString& squelch) {
    page.grid.Set(row, toneCol, tone);
    CheckColumn(page, dialogs, row, toneCol, squelch);
    page.grid.Set(row, codeCol, code);
    CheckColumn(page, dialogs, row, codeCol, squelch);
}

void MarkImportedRow(Page& page, int row) {
    if (page.grid.Get(row, TFLG).empty()) page.grid.Set(row, TFLG, kDefaultTflg);
}

}  // namespace lumo
