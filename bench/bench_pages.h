// Pages the benchmarks work on.
#pragma once

#include "edit/row_values.h"
#include "model/catalogue.h"
#include "pages/page.h"

// A page of a radio whose every memory row is filled from its default row.
inline lumo::Page FullPage(int radio) {
    using namespace lumo;
    Page page;
    SetPageParameters(page, 0, radio, 0);
    SetupPageStore(page);
    SetPageDefaults(page, 0);
    for (int row = 1; row <= page.Rows(); ++row) {
        RowTexts values = page.grid.GetRow(0);
        values[MNUM] = wxString::Format("%03d", row);
        values[PRIM] = values[MNUM];
        values[ZONE] = ZoneLabel((row - 1) / 16 % 31, page.Type());
        values[RFRQ] = wxString::Format("%d.%04d", 136 + row % 38, (row * 125) % 10000);
        page.grid.SetRow(row, values);
    }
    return page;
}
