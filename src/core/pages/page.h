// A notebook page: the channel table of one target radio on one band, with the parameters every
// other part consults to learn which radio, band and page type it is working on.
#pragma once

#include "model/catalogue.h"
#include "model/cell_store.h"

#include <wx/string.h>

#include <array>
#include <cstdint>

namespace lumo {

constexpr int32_t kPageFlagFromFile = 0x02;
constexpr int32_t kPageFlagRelations = 0x08;
constexpr int32_t kPageFlagMarked = 0x10;
constexpr int kDefaultOperatingModes = 0x30;

struct PageParameters {
    int32_t radio = 0;
    int32_t bandChoice = 0;
    int32_t band = 0;
    int32_t rows = 0;  // memory rows, guard rows included; the store has one more
    int32_t pageType = 0;
    int32_t pageFlags = 0;
};

struct PageStrings {
    wxString fileName;  // without extension
    wxString fileDirectory;
    wxString radioName;
    wxString bandName;
    wxString typeCode;
};

struct Page {
    PageParameters params;
    PageStrings strings;
    std::array<int, kZoneCount> zoneCounters{};
    int operatingModes = kDefaultOperatingModes;
    CellStore grid;
    // The store's revision when the page was last opened, saved or created.
    uint64_t savedRevision = 0;

    int Rows() const { return params.rows; }
    int Type() const { return params.pageType; }
    bool IsP25() const { return IsP25Type(params.pageType); }
    int ChannelStep() const { return GetChannelStep(params.radio, params.band); }
    bool HasGuardRows() const { return HasGuardRowCount(params.rows); }
    int FirstGuardRow() const { return HasGuardRows() ? params.rows - 1 : -1; }
    int SecondGuardRow() const { return HasGuardRows() ? params.rows : -1; }
    bool IsGuardRow(int row) const { return HasGuardRows() && row >= params.rows - 1; }
    // The last row that holds an ordinary memory.
    int LastMemoryRow() const { return HasGuardRows() ? params.rows - 2 : params.rows; }
    bool IsRowUsed(int row) const { return grid.IsRowUsed(row); }
    // Some memory row (row 1 on; row 0 is the default row) is in use.
    bool HoldsMemories() const;
    // Every cell of a shown column holds text.
    bool IsRowComplete(int row) const;
    bool HasUnsavedChanges() const { return grid.Revision() != savedRevision; }
    void MarkSaved() { savedRevision = grid.Revision(); }
    const std::vector<wxString>& ZoneList() const { return ZoneListForPageType(params.pageType); }
};

// The row count of the radio and band choice a page had before a change of target.
int RowsBefore(int oldRadio, int oldBandChoice);

// Sets radio, band, rows, type and names for a radio's band choice, clears the file name, the
// page flags and (on P25 pages) the zone counters, and resets the operating modes.
void SetPageParameters(Page& page, int pageNumber, int radio, int bandChoice);
// Gives a fresh page its store: rows + 1 rows of 32 empty cells.
void SetupPageStore(Page& page);
// Resizes the store after the target changed: rows are deleted from row `new` on, or appended.
// Returns the log word and count ("Deleted", "Added", "Did Not Change").
struct RowAdjustment {
    const char* word;
    int count;
};
RowAdjustment AdjustPageRows(Page& page, int oldRadio, int oldBandChoice);
// The two guard rows of a page, kept aside while rows move or the page changes its target.
struct GuardRows {
    bool saved = false;  // the page had guard rows
    bool used[2] = {false, false};
    RowTexts texts[2];
};
GuardRows SaveGuardRows(const Page& page);
// Puts each guard that held a memory back into the page's guard rows, wherever they stand now,
// numbered as its new row; a guard that held nothing leaves its row as the page has it.
void RestoreGuardRows(Page& page, const GuardRows& guards);
// True when the user selected at least one row (row 0 included).
bool AnyRowSelected(const Page& page);
// Puts a page built aside (an import, a read from a radio) in the place of a page; the page's
// store keeps its observer (the grid that shows it).
void AdoptPage(Page& page, Page&& replacement);
// How a source of type 0 on a band fits the page: 0x80 page not ANFM, 1 bands 4/5 swapped, 2
// other band.
int GetAlignment(const Page& page, int sourceType, int sourceBand);

}  // namespace lumo
