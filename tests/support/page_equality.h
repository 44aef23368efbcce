// Whether two pages hold the same: every cell (text, lock, colour), the flags, zone counters,
// operating modes and whether anything is left to save.
#pragma once

#include "pages/page.h"

#include <gtest/gtest.h>

inline void ExpectSamePage(const lumo::Page& page, const lumo::Page& expected) {
    ASSERT_EQ(page.grid.RowCount(), expected.grid.RowCount());
    for (int row = 0; row < page.grid.RowCount(); ++row)
        for (int col = 0; col < lumo::kColumnCount; ++col)
            ASSERT_TRUE(page.grid.CellAt(row, col) == expected.grid.CellAt(row, col))
                << "row " << row << " col " << col << ": " << page.grid.Get(row, col);
    EXPECT_EQ(page.params.radio, expected.params.radio);
    EXPECT_EQ(page.params.pageFlags, expected.params.pageFlags);
    EXPECT_EQ(page.zoneCounters, expected.zoneCounters);
    EXPECT_EQ(page.operatingModes, expected.operatingModes);
    EXPECT_EQ(page.HasUnsavedChanges(), expected.HasUnsavedChanges());
}
