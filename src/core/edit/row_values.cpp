#include "edit/row_values.h"

#include "edit/shadows.h"
#include "edit/zones.h"
#include "util/diag_log.h"

#include <wx/crt.h>

namespace lumo {

namespace {
constexpr const char* kUnit = "LumoMain";
}

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
    // A row that held a zone slot gives it back before its new values are counted.
    if (page.IsP25()) ReleaseRowZone(page, row);
    RowTexts texts = values;
    texts[DESC] = NumberedDescription(values[DESC], row, page.IsP25());
    page.grid.SetRow(row, texts, 0, allColumns ? TFLG : SHD6);
    if (renumber) page.grid.Set(row, MNUM, wxString::Format("%03d", row));
    if (page.IsP25()) CheckZone(page, row);
}

void ApplyRowValues(Page& page, const RowTexts& values, bool renumber, bool allColumns) {
    for (int row = 1; row <= page.Rows(); ++row)
        if (page.grid.GetSelection().IsRowSelected(row)) {
            if (page.IsP25() && page.IsRowUsed(row)) RemoveShadowLinks(page, row);
            ApplyRowValuesToRow(page, row, values, renumber, allColumns);
        }
    page.grid.GetSelection().Clear();
}

void ClearRowData(Page& page, int row, bool releaseZone) {
    if (releaseZone) ReleaseRowZone(page, row);
    page.grid.ClearRowTexts(row);
    for (int col = 0; col < kColumnCount; ++col)
        if (col != SHAD) page.grid.SetReadOnly(row, col, false);
}

void SetPageDefaults(Page& page, int pageNumber) {
    int defaultRow = DefaultRowIndex(page.params.radio, page.params.band);
    LUMO_LOG(kUnit, "> SetPageDefaults - Page: %i; Radio: %d; Band: %d", pageNumber + 1,
             page.params.radio, defaultRow);
    RowTexts defaults = DefaultRowTexts(defaultRow);
    page.grid.SetRow(0, defaults);

    if (page.IsP25()) {
        // A fresh P25 page starts with memory 1 and the guard memories filled; on a page that
        // keeps its data (a change of target) those rows are left as the user had them.
        std::vector<int> rows = {1};
        if (page.HasGuardRows()) {
            rows.push_back(page.FirstGuardRow());
            rows.push_back(page.SecondGuardRow());
        }
        for (int row : rows)
            if (!page.IsRowUsed(row)) ApplyRowValuesToRow(page, row, defaults, true, true);
    }
    page.grid.SetReadOnly(0, MNUM, true);
}

void ClearPage(Page& page, int pageNumber) {
    page.grid.ClearAll();
    page.grid.GetSelection().Clear();
    page.params.pageFlags = 0;
    page.zoneCounters.fill(0);
    SetPageDefaults(page, pageNumber);
}

}  // namespace lumo
