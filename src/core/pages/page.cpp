#include "pages/page.h"

#include "util/diag_log.h"

namespace lumo {

namespace {
constexpr const char* kUnit = "LumoMain";
}

bool Page::IsRowComplete(int row) const {
    for (int col = 0; col < kColumnCount; ++col)
        if (IsColumnShown(params.pageType, col) && grid.Get(row, col).empty()) return false;
    return true;
}

bool Page::HoldsMemories() const {
    for (int row = 1; row <= params.rows; ++row)
        if (IsRowUsed(row)) return true;
    return false;
}

int RowsBefore(int oldRadio, int oldBandChoice) {
    return RowsOf(oldRadio, oldBandChoice);
}

void SetPageParameters(Page& page, int pageNumber, int radio, int bandChoice) {
    LUMO_LOG(kUnit, "> Set Page %d Parameters -------------------------------->", pageNumber + 1);
    PageParameters& p = page.params;
    p.radio = radio;
    p.bandChoice = bandChoice;
    p.band = BandOf(radio, bandChoice);
    p.rows = RowsOf(radio, bandChoice);
    p.pageType = GetPageType(radio, p.band);
    p.pageFlags = 0;

    PageStrings& s = page.strings;
    s.fileName.clear();
    s.fileDirectory.clear();
    s.radioName = (radio >= 0 && radio < kRadioCount) ? RadioNames[radio] : "";
    s.bandName = (p.band >= 0 && p.band < kBandCount) ? BandNames[p.band] : "";
    s.typeCode = PageTypeCodes[p.pageType];

    page.operatingModes = kDefaultOperatingModes;
    if (page.IsP25()) page.zoneCounters.fill(0);
    LUMO_LOG(kUnit, " . Radio: %s, Band: %s, Rows: %d", s.radioName, s.bandName, p.rows);
}

void SetupPageStore(Page& page) {
    page.grid = CellStore(page.Rows() + 1);
}

RowAdjustment AdjustPageRows(Page& page, int oldRadio, int oldBandChoice) {
    int oldRows = RowsBefore(oldRadio, oldBandChoice);
    int newRows = page.Rows();
    if (newRows < oldRows) {
        page.grid.DeleteRows(newRows, oldRows - newRows);
        return {"Deleted", oldRows - newRows};
    }
    if (newRows > oldRows) {
        page.grid.AppendRows(newRows - oldRows);
        return {"Added", newRows - oldRows};
    }
    return {"Did Not Change", newRows};
}

GuardRows SaveGuardRows(const Page& page) {
    GuardRows guards;
    if (!page.HasGuardRows()) return guards;
    guards.saved = true;
    for (int i = 0; i < 2; ++i) {
        int row = page.FirstGuardRow() + i;
        guards.used[i] = page.IsRowUsed(row);
        guards.texts[i] = page.grid.GetRow(row);
    }
    return guards;
}

void RestoreGuardRows(Page& page, const GuardRows& guards) {
    if (!guards.saved || !page.HasGuardRows()) return;
    for (int i = 0; i < 2; ++i) {
        if (!guards.used[i]) continue;
        int row = page.FirstGuardRow() + i;
        page.grid.SetRow(row, guards.texts[i]);
        page.grid.Set(row, MNUM, wxString::Format("%03d", row));
    }
}

bool AnyRowSelected(const Page& page) {
    for (int row = 0; row <= page.Rows(); ++row)
        if (page.grid.GetSelection().IsRowSelected(row)) return true;
    return false;
}

void AdoptPage(Page& page, Page&& replacement) {
    CellStoreObserver* observer = page.grid.Observer();
    page = std::move(replacement);
    page.grid.SetObserver(observer);
}

int GetAlignment(const Page& page, int sourceType, int sourceBand) {
    int pageBand = page.params.band;
    LUMO_LOG(kUnit, "Band - Source: %d: Page: %d", sourceBand, pageBand);
    if (sourceType != 0) return 0;
    int result = page.Type() != kANFM ? 0x80 : 0;
    if (pageBand == sourceBand) return result;
    bool swapped136 = (pageBand == 4 && sourceBand == 5) || (pageBand == 5 && sourceBand == 4);
    bool moduleAccepts = pageBand == 8 && (sourceBand == 0 || sourceBand == 2 || sourceBand == 6);
    if (swapped136) return result | 1;
    if (!moduleAccepts) result |= 2;
    return result;
}

}  // namespace lumo
