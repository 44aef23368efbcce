#include "pages/print_layout.h"

#include <algorithm>

namespace lumo {

Pagination PaginateRows(const PrintGeometry& g, int tableWidth,
                        const std::vector<int>& rowHeights) {
    double pageWidth = g.landscape ? g.paperHeightMm : g.paperWidthMm;
    double pageHeight = g.landscape ? g.paperWidthMm : g.paperHeightMm;
    long width = static_cast<long>(pageWidth - g.leftMm - g.rightMm);
    long height = static_cast<long>(pageHeight - g.topMm - g.bottomMm - kPrintHeadingMm);
    Pagination result;
    if (rowHeights.empty()) return result;
    long limit = width > 0 ? (height * tableWidth) / width : 0;
    long used = 0;
    for (int h : rowHeights) {
        if (used + h > limit) break;
        used += h;
        ++result.rowsPerPage;
    }
    // Never divide by nothing: a row that fits on no sheet is printed one to a sheet.
    result.rowsPerPage = std::max(result.rowsPerPage, 1);
    int rows = static_cast<int>(rowHeights.size());
    result.totalPages = (rows + result.rowsPerPage - 1) / result.rowsPerPage;
    return result;
}

}  // namespace lumo
