#include "pages/print_layout.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace lumo {

int PrintedTable::Width() const {
    return std::accumulate(widths.begin(), widths.end(), rowLabelWidth);
}

PrintedTable TableOf(const std::array<int, kColumnCount>& columnWidths, int rows) {
    PrintedTable table;
    for (int col = 0; col < kColumnCount; ++col) {
        if (columnWidths[col] <= 0) continue;
        table.columns.push_back(col);
        table.widths.push_back(columnWidths[col]);
    }
    table.rows = rows;
    return table;
}

Pagination PaginateRows(const PrintGeometry& g, const PrintedTable& table) {
    Pagination result;
    double width = g.PrintableWidthMm();
    double height = g.PrintableHeightMm() - kPrintHeadingMm;
    if (width > 0 && height > 0 && table.rowHeight > 0) {
        double unitsPerMm = table.Width() / width;
        double rowSpace = height * unitsPerMm - table.headerHeight;
        // A hair of tolerance, so a sheet that holds n rows exactly is not cut to n - 1.
        result.rowsPerSheet = static_cast<int>(std::floor(rowSpace / table.rowHeight + 1e-9));
    }
    result.rowsPerSheet = std::max(result.rowsPerSheet, 1);
    result.sheets = std::max(1, (table.rows + result.rowsPerSheet - 1) / result.rowsPerSheet);
    return result;
}

}  // namespace lumo
