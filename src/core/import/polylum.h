// The line files of the older multi-radio programmer ("*.m10" to "*.m70"): one memory per
// line, at fixed character positions, numbered by its first three characters.
#pragma once

#include "import/import_reader.h"
#include "pages/page.h"
#include "util/dialogs.h"

namespace lumo {

// Writes one line into the row its number names. False (nothing written) when the number names
// no memory row of the page.
bool writeANFMToGrid(Page& page, Dialogs& dialogs, const wxString& line);
// Every line of the file; returns the number of memories written.
int ImportPolyLum(ImportReader& reader, Page& page, Dialogs& dialogs);

}  // namespace lumo
