// How a memory number is shown in the grid and on paper.
#pragma once

#include "pages/page.h"

namespace lumo {

// "" for an empty cell; for 0, "DEF" on row 0 and "" elsewhere; "GD1"/"GD2" for the numbers of
// the guard rows on pages that have them; otherwise the number with three digits. A text that
// is not a number is shown as it stands.
wxString MemoryNumberLabel(const Page& page, int row, const wxString& text);

}  // namespace lumo
