// Comparing memories: a page with what a radio gave back after a write (verify), and a page
// with a data file (Compare, lumo-cli diff). Two texts that the trip through a radio or a file
// makes of one value count as the same; the rules that say so are one table in the .cpp.
#pragma once

#include "pages/page.h"

#include <vector>

namespace lumo {

struct ColumnDifference {
    int column;
    wxString first, second;
};

enum class DifferenceKind {
    Changed,  // in both pages, with the columns that differ
    Removed,  // only in the first page
    Added,    // only in the second page
};

struct MemoryDifference {
    DifferenceKind kind;
    long memory;  // its number
    int row;      // its row in the first page (Added: in the second)
    std::vector<ColumnDifference> columns;
};

// How the second page of a comparison came to be: from a data file, or read back from the
// first page's radio (whose records or channel lines carry some values differently).
enum class Trip { File, Radio };

// Where a radio keeps a row's memory: by its number ("GD1" and "GD2" name the guard memories),
// or by the row when the number is not one of the page's.
int RadioRow(const Page& page, int row);

// The columns of row `row` of `first` that differ from row `other` of `second`, under the
// rules of the trip (and, back from a radio, of the first page's radio).
std::vector<ColumnDifference> CompareMemory(const Page& first, int row, const Page& second,
                                            int other, Trip trip);
// Every memory two data files' pages hold differently, in the order of their numbers. The
// memories pair by number, or by row when a page numbers two memories alike.
std::vector<MemoryDifference> ComparePages(const Page& first, const Page& second);

// Gives the cells of the page (the first page of the comparison) that differ the mark colour:
// the differing columns of a changed memory, every memory column of one only the page holds,
// and the empty row where a memory only the other side holds would stand.
void MarkDifferences(Page& page, const std::vector<MemoryDifference>& differences);

// One line per difference: "memory 12 RFRQ: "150.0000" -> "150.0125"", "memory 5: <added>".
// At most `limit` lines (0: all), then "... and N more".
struct DifferenceWords {
    const char* added;    // a memory only the second page holds
    const char* removed;  // a memory only the first page holds
};
std::vector<wxString> DifferenceLines(const std::vector<MemoryDifference>& differences,
                                      const DifferenceWords& words, size_t limit = 0);
// "1 memory" / "40 memories".
wxString MemoriesText(long count);

}  // namespace lumo
