#include "pages/print_layout.h"

#include <gtest/gtest.h>

using namespace lumo;

namespace {
// A 200 x 300 mm paper with 10 mm margins: 180 x 280 mm to print on, 274 mm of it below the
// heading. A table 1800 pixels wide is printed at 10 pixels to the millimetre.
PrintGeometry Paper(bool landscape = false, double margin = 10) {
    PrintGeometry g;
    g.paperWidthMm = 200;
    g.paperHeightMm = 300;
    g.leftMm = g.rightMm = g.topMm = g.bottomMm = margin;
    g.landscape = landscape;
    return g;
}

PrintedTable Table(int width, int rows) {
    PrintedTable table;
    table.columns = {1};
    table.widths = {width - table.rowLabelWidth};
    table.rows = rows;
    return table;
}
}  // namespace

TEST(PrintLayout, RowsFillTheHeightOfATableScaledToThePrintableWidth) {
    struct Case {
        const char* name;
        PrintGeometry geometry;
        int tableWidth, rows;
        int rowsPerSheet, sheets;
    } cases[] = {
        // 2740 pixels high, less the 23 of the column labels: 118 rows of 23.
        {"portrait", Paper(), 1800, 200, 118, 2},
        // A narrower table is scaled up: 1370 - 23 pixels.
        {"narrow", Paper(), 900, 200, 58, 4},
        // 180 mm high and 280 wide: 6.43 pixels to the mm, 1119 - 23 pixels.
        {"landscape", Paper(true), 1800, 200, 47, 5},
        {"one sheet", Paper(), 1800, 118, 118, 1},
        {"one more row", Paper(), 1800, 119, 118, 2},
        {"row 0 alone", Paper(), 1800, 1, 118, 1},
        // Not even the column labels fit: a row to a sheet rather than none.
        {"tiny table", Paper(), 10, 3, 1, 3},
        {"no room", Paper(false, 200), 1800, 2, 1, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Pagination p = PaginateRows(c.geometry, Table(c.tableWidth, c.rows));
        EXPECT_EQ(p.rowsPerSheet, c.rowsPerSheet);
        EXPECT_EQ(p.sheets, c.sheets);
        EXPECT_EQ(p.LastRow(p.sheets, c.rows), c.rows - 1);
    }
}

TEST(PrintLayout, TheTableHoldsTheShownColumnsAndTheRowLabels) {
    std::array<int, kColumnCount> widths{};
    widths[MNUM] = 45;
    widths[DESC] = 90;
    widths[TFRQ] = 80;
    PrintedTable table = TableOf(widths, 123);
    EXPECT_EQ(table.columns, (std::vector<int>{MNUM, DESC, TFRQ}));
    EXPECT_EQ(table.Width(), table.rowLabelWidth + 215);
    EXPECT_EQ(table.Height(2), table.headerHeight + 2 * table.rowHeight);
}
