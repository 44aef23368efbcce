// Values from other programs' files on their way into a page's cells.
#pragma once

#include "pages/page.h"
#include "util/dialogs.h"

namespace lumo {

// One direction's tone and code go through the row check's setters with the direction's
// squelch type, as typed values do.
void SetToneAndCode(Page& page, Dialogs& dialogs, int row, int toneCol, const wxString& tone,
                    int codeCol, const wxString& code, const wxString& squelch);
// An imported row is a transferable memory: an empty TFLG becomes "A0" before the row check,
// so the row's next edit does not take it for a new row.
void MarkImportedRow(Page& page, int row);

}  // namespace lumo
