// Pages for core tests, and the invariants every P25 page keeps.
#pragma once

#include "edit/row_values.h"
#include "edit/shadows.h"
#include "edit/zones.h"
#include "pages/page.h"
#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

inline lumo::Page MakePage(int radio, int bandChoice = 0) {
    lumo::Page page;
    lumo::SetPageParameters(page, 0, radio, bandChoice);
    lumo::SetupPageStore(page);
    lumo::SetPageDefaults(page, 0);
    return page;
}

// Fills a row from the default row, numbered after it (as typing into a blank row does).
inline void FillFromDefaults(lumo::Page& page, int row) {
    lumo::RowTexts values = page.grid.GetRow(0);
    page.grid.SetRow(row, values);
    page.grid.Set(row, lumo::MNUM, wxString::Format("%03d", row));
    if (page.IsP25()) {
        page.grid.Set(row, lumo::PRIM, wxString::Format("%03d", row));
        lumo::CheckZone(page, row);
    }
}

// Selects every row that holds a memory.
inline void SelectUsedRows(lumo::Page& page) {
    for (int row = 1; row <= page.Rows(); ++row)
        if (page.IsRowUsed(row)) page.grid.GetSelection().AddRow(row);
}

// Makes memory `shadow` a shadow of the primary in `primary` as the user does, answering the
// number dialog (on `dialogs` when the test looks at what was shown). The shadow's row, or -1.
inline int MakeShadow(lumo::Page& page, int primary, int shadow,
                      ScriptedDialogs* dialogs = nullptr) {
    ScriptedDialogs own;
    ScriptedDialogs& used = dialogs ? *dialogs : own;
    used.texts.push_back(wxString::Format("%d", shadow));
    return lumo::CreateShadow(page, used, primary);
}

// A cell and the text it should hold.
struct CellText {
    int row;
    int col;
    wxString text;
};

// Writes each listed cell straight into the store, as a file or a radio would.
inline void SetCells(lumo::Page& page, std::initializer_list<CellText> cells) {
    for (const CellText& c : cells)
        page.grid.Set(c.row, c.col, c.text);
}

// Expects every listed cell to hold its text.
template <typename Cells>
void ExpectCells(const lumo::Page& page, const Cells& cells) {
    for (const CellText& c : cells)
        EXPECT_EQ(page.grid.Get(c.row, c.col), c.text)
            << "row " << c.row << " " << lumo::ColumnKeys[c.col];
}
inline void ExpectCells(const lumo::Page& page, std::initializer_list<CellText> cells) {
    ExpectCells<std::initializer_list<CellText>>(page, cells);
}

// Every zone counter equals the number of non-shadow rows whose ZONE names that zone.
inline ::testing::AssertionResult ZoneCountersMatchRows(const lumo::Page& page) {
    std::array<int, lumo::kZoneCount> counted{};
    for (int row = 1; row <= page.Rows(); ++row) {
        if (!page.IsRowUsed(row) || lumo::IsShadowRow(page, row)) continue;
        int zone = lumo::ZoneIndex(page.grid.Get(row, lumo::ZONE), page.Type());
        if (zone >= 0) ++counted[zone];
    }
    for (int zone = 0; zone < lumo::kZoneCount; ++zone) {
        if (page.zoneCounters[zone] != counted[zone])
            return ::testing::AssertionFailure()
                   << "zone " << zone << ": counter " << page.zoneCounters[zone] << ", rows "
                   << counted[zone];
        if (counted[zone] > lumo::kZoneCapacity)
            return ::testing::AssertionFailure() << "zone " << zone << " holds " << counted[zone];
    }
    return ::testing::AssertionSuccess();
}

// Every shadow names a primary that lists it, and every listed shadow names its primary.
inline ::testing::AssertionResult ShadowLinksHaveBothEnds(const lumo::Page& page) {
    using namespace lumo;
    auto rowOf = [&](long number) {
        for (int row = 1; row <= page.Rows(); ++row) {
            long value = 0;
            if (ParseDecimal(page.grid.Get(row, MNUM), value) && value == number) return row;
        }
        return -1;
    };
    for (int row = 1; row <= page.Rows(); ++row) {
        if (!page.IsRowUsed(row)) continue;
        long own = 0, primaryNumber = 0;
        ParseDecimal(page.grid.Get(row, MNUM), own);
        if (IsShadowRow(page, row)) {
            ParseDecimal(page.grid.Get(row, PRIM), primaryNumber);
            int primary = rowOf(primaryNumber);
            if (primary < 0)
                return ::testing::AssertionFailure() << "shadow row " << row << " has no primary";
            bool listed = false;
            for (int slot = SHD0; slot <= SHD6; ++slot) {
                long value = 0;
                listed |= ParseDecimal(page.grid.Get(primary, slot), value) && value == own;
            }
            if (!listed)
                return ::testing::AssertionFailure()
                       << "primary row " << primary << " does not list shadow row " << row;
            if (page.grid.Get(row, SHAD) != wxString::Format("S-%03ld", primaryNumber))
                return ::testing::AssertionFailure() << "shadow row " << row << " SHAD";
        }
        for (int slot = SHD0; slot <= SHD6; ++slot) {
            long value = 0;
            if (!ParseDecimal(page.grid.Get(row, slot), value) || value == 0) continue;
            int shadow = rowOf(value);
            if (shadow < 0 || page.grid.Get(shadow, SHAD) != wxString::Format("S-%03ld", own))
                return ::testing::AssertionFailure()
                       << "row " << row << " lists " << value << " which does not name it";
        }
    }
    return ::testing::AssertionSuccess();
}

// The zone counts true and every shadow link whole.
inline ::testing::AssertionResult PageIsConsistent(const lumo::Page& page) {
    ::testing::AssertionResult zones = ZoneCountersMatchRows(page);
    return zones ? ShadowLinksHaveBothEnds(page) : zones;
}
