// How a page's table is laid out on printed sheets. The table (row labels, column labels and the
// shown columns) is scaled to the printable width between the margins, so the rows that fit on
// a sheet follow from the paper, its orientation, the margins and the table's width.
#pragma once

#include "model/memory_record.h"

#include <vector>

namespace lumo {

constexpr double kPrintHeadingMm = 6.0;  // the line with the title and "Page %d of %d"

struct PrintGeometry {
    double paperWidthMm = 215.9;  // Letter
    double paperHeightMm = 279.4;
    double leftMm = 15, rightMm = 15, topMm = 15, bottomMm = 15;
    bool landscape = false;  // the paper's sides are given upright and swapped here

    double PageWidthMm() const { return landscape ? paperHeightMm : paperWidthMm; }
    double PageHeightMm() const { return landscape ? paperWidthMm : paperHeightMm; }
    double PrintableWidthMm() const { return PageWidthMm() - leftMm - rightMm; }
    double PrintableHeightMm() const { return PageHeightMm() - topMm - bottomMm; }
};

// The table as printed, in the grid's pixels. Every row is as high as the grid's rows.
struct PrintedTable {
    static constexpr int kRowLabelWidth = 40;  // "000" to "999"
    static constexpr int kRowHeight = 23;

    std::vector<int> columns;  // the shown columns, left to right
    std::vector<int> widths;   // their widths
    int rowLabelWidth = kRowLabelWidth;
    int headerHeight = kRowHeight;
    int rowHeight = kRowHeight;
    int rows = 0;  // grid rows, row 0 included

    int Width() const;
    // The header and `rowCount` rows.
    int Height(int rowCount) const { return headerHeight + rowCount * rowHeight; }
};

// The columns with a width above 0, at those widths (the catalogue's or the grid's own).
PrintedTable TableOf(const std::array<int, kColumnCount>& columnWidths, int rows);

struct Pagination {
    int rowsPerSheet = 0;
    int sheets = 0;

    int FirstRow(int sheet) const { return (sheet - 1) * rowsPerSheet; }
    int LastRow(int sheet, int rows) const {
        int last = sheet * rowsPerSheet - 1;
        return last < rows - 1 ? last : rows - 1;
    }
};

// As many rows per sheet as fit below the heading once the table is as wide as the printable
// area; at least one row per sheet and one sheet, whatever the paper and margins.
Pagination PaginateRows(const PrintGeometry& geometry, const PrintedTable& table);

}  // namespace lumo
