// Writing a whole row of values (the default row, usually) into rows of a page.
#pragma once

#include "pages/page.h"

namespace lumo {

// The description a row gets from a default description that ends in a number: the number is
// replaced by the row number ("LOW    30" in row 5 of an ANFM page gives "LOW   005").
wxString NumberedDescription(const wxString& description, int row, bool p25Page);
// Writes the values into one row (all 32 columns, or 0 to 29), numbers it when asked and, on
// P25 pages, gives it a zone.
void ApplyRowValuesToRow(Page& page, int row, const RowTexts& values, bool renumber,
                         bool allColumns);
// The same for every selected memory row; on P25 pages a row's shadow links are removed first.
// The selection is cleared afterwards.
void ApplyRowValues(Page& page, const RowTexts& values, bool renumber, bool allColumns);
// Empties all 32 cells of a row and makes them editable (SHAD stays locked); with releaseZone
// the zone slot the row held is given back.
void ClearRowData(Page& page, int row, bool releaseZone);

}  // namespace lumo
