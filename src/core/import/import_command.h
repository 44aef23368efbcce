// The Import command: the user picks a file written by another program; its memories replace
// those of the current page.
#pragma once

#include "pages/page_table.h"
#include "util/dialogs.h"

namespace lumo {

struct ImportOutcome {
    int type = 0;    // what the file was taken for (ImportType)
    int count = 0;   // memories imported; 0 when the file could not be used
    wxString label;  // "21 Binary", "21 Text", "PolyLum", "CSV", "DAMX" or "UNKNOWN"
};

// Imports a file into a page and tells the user how it went. The page's memories are replaced
// only when the file gave at least one; otherwise the page stays exactly as it was.
ImportOutcome ImportFileAt(const wxString& path, Page& page, int pageNumber, Dialogs& dialogs);
// The command with its file dialog. Returns true when the page now holds the imported memories.
bool ImportFileCommand(Dialogs& dialogs, PageTable& pages, int pageNumber);

}  // namespace lumo
