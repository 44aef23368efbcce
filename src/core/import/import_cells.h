// Values from other programs' files on their way into a page's cells.
#pragma once

#include "pages/page.h"
#include "shell/dialogs.h"

namespace lumo {

// A frequency in the page's own format (as the frequency editor completes it) when it can be
// written so without changing its value; otherwise the text as it is, for the row check to
// judge.
wxString ImportedFrequency(const Page& page, const wxString& text);
// One direction's tone and code go through the row check's setters with the direction's
// squelch type, as typed values do.
void SetToneAndCode(Page& page, Dialogs& dialogs, int row, int toneCol, const wxString& tone,
                    int codeCol, const wxString& code, const wxString& squelch);
// An imported row is a transferable memory: an empty TFLG becomes "A0" before the row check,
// so the row's next edit does not take it for a new row.
void MarkImportedRow(Page& page, int row);

}  // namespace lumo
