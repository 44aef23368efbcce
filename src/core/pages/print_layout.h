// How a page's grid is split over printed sheets: the table is scaled to the printable width,
// so the rows that fit depend on the paper, its orientation, the margins and the table's width.
#pragma once

#include <vector>

namespace lumo {

constexpr double kPrintHeadingMm = 6.0;  // the line with the title and "Page %d of %d"

struct PrintGeometry {
    double paperWidthMm = 215.9;  // Letter
    double paperHeightMm = 279.4;
    double leftMm = 15, rightMm = 15, topMm = 15, bottomMm = 15;
    bool landscape = false;
};

struct Pagination {
    int rowsPerPage = 0;
    int totalPages = 0;
};

// `tableWidth`: the sum of the column widths in grid pixels; `rowHeights`: every grid row's
// height from row 0. A first row taller than a sheet still gets a sheet of its own.
Pagination PaginateRows(const PrintGeometry& geometry, int tableWidth,
                        const std::vector<int>& rowHeights);

}  // namespace lumo
