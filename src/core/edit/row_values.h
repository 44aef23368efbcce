// Writing a whole row of values (the default row, usually) into rows of a page, and a page's
// defaults.
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

// Writes the page's default row into row 0. On P25 pages memory row 1 and the guard rows are
// filled from it when they hold nothing; rows in use and the user's selection are never touched.
void SetPageDefaults(Page& page, int pageNumber);
// Empties every cell, clears the page flags and zone counters, then applies the defaults.
void ClearPage(Page& page, int pageNumber);

}  // namespace lumo
