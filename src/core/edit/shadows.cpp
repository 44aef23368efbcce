#include "edit/shadows.h"

#include "edit/row_values.h"
#include "util/diag_log.h"

namespace lumo {

namespace {
constexpr const char* kUnit = "LumoEdit";
constexpr const char* kCaption = "Create Shadow - Error";
}  // namespace

int GetMnumRow(const Page& page, long number) {
    LUMO_LOG(kUnit, " . Get Row with MNum: %03ld; ", number);
    for (int row = 1; row <= page.Rows(); ++row) {
        long value = 0;
        if (ParseDecimal(page.grid.Get(row, MNUM), value) && value == number) {
            LUMO_LOG(kUnit, "  . Found MNum %03ld at Row %03d; ", number, row);
            return row;
        }
    }
    LUMO_LOG(kUnit, "  . Did NOT Find MNum %03ld in Page", number);
    return -1;
}

void RemovePrimary(Page& page, int row) {
    LUMO_LOG(kUnit, " . Remove Primary %03d; ", row);
    for (int slot = SHD0; slot <= SHD6; ++slot) {
        long number = DecimalOrZero(page.grid.Get(row, slot));
        if (number == 0) continue;
        int shadow = GetMnumRow(page, number);
        // A number that names no row is skipped: it must never be taken as a row.
        if (shadow > 0 && shadow != row) ClearRowData(page, shadow, false);
    }
}

void RemoveShadow(Page& page, int row) {
    long primaryNumber = DecimalOrZero(page.grid.Get(row, PRIM));
    LUMO_LOG(kUnit, "  . Remove Shadow @ %03d from Prim: %03ld; ", row, primaryNumber);
    long ownNumber = DecimalOrZero(page.grid.Get(row, MNUM));
    int primary = GetMnumRow(page, primaryNumber);
    if (primary > 0 && primary != row) {
        for (int slot = SHD0; slot <= SHD6; ++slot)
            if (DecimalOrZero(page.grid.Get(primary, slot)) == ownNumber)
                page.grid.Set(primary, slot, "0");
    }
    ClearRowData(page, row, false);
}

void RemoveShadowLinks(Page& page, int row) {
    unsigned mflg = ParseHexFlags(page.grid.Get(row, MFLG));
    if (mflg & kMflgPrimary)
        RemovePrimary(page, row);
    else if (mflg & kMflgShadowSlotMask)
        RemoveShadow(page, row);
}

void HandleP25Shadows(Page& page, long number) {
    LUMO_LOG(kUnit, " . Frequency Edit - P25 with Shadows Row: %03ld", number);
    int primary = GetMnumRow(page, number);
    if (primary < 0) return;
    for (int slot = SHD0; slot <= SHD6; ++slot) {
        long shadowNumber = DecimalOrZero(page.grid.Get(primary, slot));
        LUMO_LOG(kUnit, "Prime: %ld; Shadow %d; At Mem: %ld", number, slot - SHD0, shadowNumber);
        if (shadowNumber == 0) continue;
        int shadow = GetMnumRow(page, shadowNumber);
        if (shadow < 0 || shadow == primary) continue;
        page.grid.Set(shadow, RFRQ, page.grid.Get(primary, RFRQ));
        page.grid.Set(shadow, TFRQ, page.grid.Get(primary, TFRQ));
        LUMO_LOG(kUnit, "RFreq: %s", page.grid.Get(shadow, RFRQ));
        LUMO_LOG(kUnit, "TFreq: %s", page.grid.Get(shadow, TFRQ));
    }
}

void RenumberShadowsOf(Page& page, int primaryRow, long newNumber) {
    wxString number = wxString::Format("%03ld", newNumber);
    for (int slot = SHD0; slot <= SHD6; ++slot) {
        long shadowNumber = DecimalOrZero(page.grid.Get(primaryRow, slot));
        if (shadowNumber == 0) continue;
        int shadow = GetMnumRow(page, shadowNumber);
        if (shadow < 0 || shadow == primaryRow) continue;
        page.grid.Set(shadow, PRIM, number);
        page.grid.Set(shadow, SHAD, "S-" + number);
    }
}

void LockShadowCells(Page& page, int row, int kind) {
    page.grid.SetReadOnly(row, MNUM);
    page.grid.SetReadOnly(row, SHAD);
    page.grid.Set(row, SCAN, "N");
    page.grid.SetReadOnly(row, SCAN);
    if (kind == 2)
        for (int col : {ZONE, RFRQ, TFRQ})
            page.grid.SetReadOnly(row, col);
}

namespace {
// The first of the primary's seven shadow slots that names no shadow, -1 when all are taken.
int FreeShadowSlot(const Page& page, int primary) {
    long primaryNumber = DecimalOrZero(page.grid.Get(primary, MNUM));
    for (int k = 0; k < 7; ++k) {
        LUMO_LOG(kUnit, " . Prime: %ld; Shadow %d; At Mem: %s", primaryNumber, k,
                 page.grid.Get(primary, SHD0 + k));
        if (DecimalOrZero(page.grid.Get(primary, SHD0 + k)) == 0) return k;
    }
    return -1;
}

// Asks for the shadow's number. The shadow lives in row S, so S must be a memory row of the
// page that holds nothing. Returns the row, or -1 (with the reason shown, unless cancelled).
int AskShadowRow(Page& page, Dialogs& dialogs, long primaryNumber, int slot) {
    std::optional<wxString> typed = dialogs.AskText(
        wxString::Format("For Primary: %03ld create Shadow: %d", primaryNumber, slot + 1),
        "Shadow Memory Num:");
    if (!typed) return -1;
    long s = 0;
    if (!ParseDecimal(*typed, s) || s < 1 || s > page.LastMemoryRow()) {
        dialogs.Message(
            wxString::Format("Shadow memory number must be 1 to %d.", page.LastMemoryRow()),
            kCaption);
        return -1;
    }
    if (GetMnumRow(page, s) > 0 || page.IsRowUsed(s)) {
        dialogs.Message("Selected memory is already in use.", kCaption);
        return -1;
    }
    return static_cast<int>(s);
}

// Enters the shadow in the primary's slot and makes the row a copy of the primary that names
// it: its own number, "S-" and the primary's number, no shadows of its own.
void LinkShadow(Page& page, int primary, int slot, int row) {
    wxString shadowText = wxString::Format("%03d", row);
    wxString primaryText = wxString::Format("%03ld", DecimalOrZero(page.grid.Get(primary, MNUM)));
    page.grid.Set(primary, SHAD, wxString::Format("P-%d", slot + 1));
    page.grid.Set(primary, SHD0 + slot, shadowText);
    unsigned primaryFlags = ParseHexFlags(page.grid.Get(primary, MFLG));
    page.grid.Set(primary, MFLG, FormatHexFlags(primaryFlags | kMflgPrimary));
    LockShadowCells(page, primary, 1);

    unsigned shadowFlags = ParseHexFlags(page.grid.Get(row, MFLG));
    page.grid.Set(row, MNUM, shadowText);
    page.grid.Set(row, SHAD, "S-" + primaryText);
    page.grid.Set(row, PRIM, primaryText);
    for (int col = ZONE; col <= TIDC; ++col)
        page.grid.Set(row, col, page.grid.Get(primary, col));
    for (int col = SHD0; col <= SHD6; ++col)
        page.grid.Set(row, col, "0");
    LockShadowCells(page, row, 2);
    page.grid.Set(row, MFLG, FormatHexFlags((shadowFlags & 0x67) | (slot + 1)));
    page.grid.Set(row, TFLG, kDefaultTflg);
}
}  // namespace

int CreateShadow(Page& page, Dialogs& dialogs, int currentRow) {
    LUMO_LOG(kUnit, ">-- OnCreateShadow ----------------------------------------<");
    int p = currentRow;
    if (p < 1 || p > page.Rows() || !page.IsRowUsed(p) || !page.IsRowComplete(p)) {
        dialogs.Message("Cannot Create Shadow!\nMemory record is empty or incomplete.", kCaption);
        return -1;
    }
    int slot = FreeShadowSlot(page, p);
    if (slot < 0) {
        dialogs.Message("Cannot Create Shadow!\nShadow List is full for selected primary.",
                        kCaption);
        return -1;
    }
    long primaryNumber = DecimalOrZero(page.grid.Get(p, MNUM));
    int row = AskShadowRow(page, dialogs, primaryNumber, slot);
    if (row < 0) return -1;
    LinkShadow(page, p, slot, row);
    LUMO_LOG(kUnit, " . PRIM: %03ld; SHAD %d; @: %03d; MFLG: %s; TFLGs: %s", primaryNumber, slot,
             row, page.grid.Get(row, MFLG), page.grid.Get(row, TFLG));
    page.grid.GetSelection().Clear();
    return row;
}

}  // namespace lumo
