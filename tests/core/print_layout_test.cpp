#include "pages/print_layout.h"

#include <gtest/gtest.h>

using namespace lumo;

TEST(PrintLayout, RowsFitTheHeightOfATableScaledToThePrintableWidth) {
    PrintGeometry letter;  // 215.9 x 279.4 mm, 15 mm margins
    std::vector<int> rows(123, 20);
    // Printable 185 x 243 mm; a 1850-pixel table gives 2430 pixels of height: 121 rows.
    Pagination p = PaginateRows(letter, 1850, rows);
    EXPECT_EQ(p.rowsPerPage, 121);
    EXPECT_EQ(p.totalPages, 2);

    // A narrower table is scaled up: fewer rows fit.
    EXPECT_EQ(PaginateRows(letter, 925, rows).rowsPerPage, 60);
    EXPECT_EQ(PaginateRows(letter, 925, rows).totalPages, 3);
}

TEST(PrintLayout, LandscapeSwapsTheSidesOfThePaper) {
    PrintGeometry g;
    g.landscape = true;  // printable 249 x 179 mm
    std::vector<int> rows(123, 20);
    Pagination p = PaginateRows(g, 2490, rows);
    EXPECT_EQ(p.rowsPerPage, 89);
    EXPECT_EQ(p.totalPages, 2);
}

TEST(PrintLayout, SmallAndDegenerateTables) {
    PrintGeometry g;
    Pagination one = PaginateRows(g, 1850, std::vector<int>(10, 20));
    EXPECT_EQ(one.rowsPerPage, 10);
    EXPECT_EQ(one.totalPages, 1);
    // A first row taller than the sheet: one row to a sheet, never a division by zero.
    Pagination tall = PaginateRows(g, 10, {5000, 20, 20});
    EXPECT_EQ(tall.rowsPerPage, 1);
    EXPECT_EQ(tall.totalPages, 3);
    EXPECT_EQ(PaginateRows(g, 1850, {}).totalPages, 0);
    g.leftMm = g.rightMm = 200;  // no printable width at all
    EXPECT_EQ(PaginateRows(g, 1850, {20, 20}).totalPages, 2);
}
