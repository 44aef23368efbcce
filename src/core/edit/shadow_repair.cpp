// Links read from other programs' files are checked end against end before the page is used.
#include "edit/shadows.h"
#include "edit/zones.h"

namespace lumo {

namespace {
bool IsPrimaryRow(const Page& page, int row) {
    return (ParseHexFlags(page.grid.Get(row, MFLG)) & kMflgPrimary) != 0;
}

// The shadow row a primary's slot names, when that row is a shadow of this primary.
bool SlotNamesOwnShadow(const Page& page, int primary, int slot) {
    int shadow = GetMnumRow(page, DecimalOrZero(page.grid.Get(primary, slot)));
    return shadow > 0 && shadow != primary && IsShadowRow(page, shadow) &&
           DecimalOrZero(page.grid.Get(shadow, PRIM)) ==
               DecimalOrZero(page.grid.Get(primary, MNUM));
}

bool ListedByPrimary(const Page& page, int shadow, int primary) {
    if (primary <= 0 || primary == shadow || !IsPrimaryRow(page, primary)) return false;
    long own = DecimalOrZero(page.grid.Get(shadow, MNUM));
    if (own <= 0) return false;  // an empty slot names no memory
    for (int slot = SHD0; slot <= SHD6; ++slot)
        if (DecimalOrZero(page.grid.Get(primary, slot)) == own) return true;
    return false;
}

bool MendPrimarySlots(Page& page, int row) {
    int kept = 0;
    bool changed = false;
    for (int slot = SHD0; slot <= SHD6; ++slot) {
        if (DecimalOrZero(page.grid.Get(row, slot)) == 0) continue;
        if (SlotNamesOwnShadow(page, row, slot)) {
            ++kept;
        } else {
            page.grid.Set(row, slot, "0");
            changed = true;
        }
    }
    wxString shad = wxString::Format("P-%d", kept);
    changed |= page.grid.Get(row, SHAD) != shad;
    page.grid.Set(row, SHAD, shad);
    return changed;
}

// A row that is no primary lists no shadows.
bool ClearSlots(Page& page, int row) {
    bool changed = false;
    for (int slot = SHD0; slot <= SHD6; ++slot) {
        if (DecimalOrZero(page.grid.Get(row, slot)) == 0) continue;
        page.grid.Set(row, slot, "0");
        changed = true;
    }
    return changed;
}

void MakePlainMemory(Page& page, int row) {
    CellStore& g = page.grid;
    g.Set(row, MFLG, FormatHexFlags(ParseHexFlags(g.Get(row, MFLG)) & ~kMflgRelationMask));
    g.Set(row, SHAD, "N");
    g.Set(row, PRIM, g.Get(row, MNUM));
    for (int col : {MNUM, SCAN, ZONE, RFRQ, TFRQ})
        g.SetReadOnly(row, col, false);
    // A shadow took no zone slot: the row is placed now, in its label's zone when it has room.
    unsigned tflg = ParseHexFlags(g.Get(row, TFLG));
    g.Set(row, TFLG, FormatHexFlags(tflg & ~kTflgZoneCounted));
    CheckZone(page, row);
}
}  // namespace

namespace {
int UnlinkOnce(Page& page) {
    int changed = 0;
    for (int row = 1; row <= page.Rows(); ++row) {
        if (!page.IsRowUsed(row)) continue;
        // A row flagged both primary and shadow is taken for a shadow (its primary decides below).
        unsigned flags = ParseHexFlags(page.grid.Get(row, MFLG));
        if ((flags & kMflgPrimary) && IsShadowRow(page, row)) {
            page.grid.Set(row, MFLG, FormatHexFlags(flags & ~kMflgPrimary));
            ++changed;
        }
        bool mended = IsPrimaryRow(page, row) ? MendPrimarySlots(page, row) : ClearSlots(page, row);
        if (mended) ++changed;
    }
    for (int row = 1; row <= page.Rows(); ++row) {
        if (!page.IsRowUsed(row) || !IsShadowRow(page, row)) continue;
        long primaryNumber = DecimalOrZero(page.grid.Get(row, PRIM));
        if (ListedByPrimary(page, row, GetMnumRow(page, primaryNumber))) {
            page.grid.Set(row, SHAD, wxString::Format("S-%03ld", primaryNumber));
        } else {
            MakePlainMemory(page, row);
            ++changed;
        }
    }
    return changed;
}
}  // namespace

int UnlinkBrokenRelations(Page& page) {
    // Cutting one end can break a link that looked whole (a shadow that turns plain leaves its
    // primary's slot pointing at it): mend until a pass finds nothing. Each pass only cuts.
    // A pass cuts what the last one left dangling, which takes two or three; the bound only
    // guarantees that no input, however tangled, keeps it going.
    int changed = 0;
    for (int pass = 0, cut = 1; cut > 0 && pass < 16; ++pass) {
        cut = UnlinkOnce(page);
        changed += cut;
    }
    return changed;
}

}  // namespace lumo
