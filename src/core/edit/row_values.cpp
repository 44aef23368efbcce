#include "edit/row_values.h"

#include "edit/zones.h"

#include <wx/crt.h>

namespace lumo {

wxString NumberedDescription(const wxString& description, int row, bool p25Page) {
    if (description.empty() || !wxIsdigit(description.Last())) return description;
    wxString stem = description;
    while (!stem.empty() && wxIsdigit(stem.Last()))
        stem.RemoveLast();
    stem.Truncate(p25Page ? 5 : 6);
    return wxString::Format("%s%03d", stem, row);
}

void ApplyRowValuesToRow(Page& page, int row, const RowTexts& values, bool renumber,
                         bool allColumns) {
    RowTexts texts = values;
    texts[DESC] = NumberedDescription(values[DESC], row, page.IsP25());
    page.grid.SetRow(row, texts, 0, allColumns ? TFLG : SHD6);
    if (renumber) page.grid.Set(row, MNUM, wxString::Format("%03d", row));
    if (page.IsP25()) CheckZone(page, row);
}

void ApplyRowValues(Page& page, const RowTexts& values, bool renumber, bool allColumns) {
    for (int row = 1; row <= page.Rows(); ++row)
        if (page.grid.GetSelection().IsRowSelected(row))
            ApplyRowValuesToRow(page, row, values, renumber, allColumns);
    page.grid.GetSelection().Clear();
}

}  // namespace lumo
