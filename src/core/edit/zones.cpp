#include "edit/zones.h"

#include "edit/shadows.h"
#include "util/diag_log.h"

#include <algorithm>

namespace lumo {

namespace {
constexpr const char* kUnit = "LumoEdit";

int ZoneCountOfPage(const Page& page) {
    return std::min(kZoneCount, static_cast<int>(page.ZoneList().size()));
}

int LastZone(const Page& page) {
    return ZoneCountOfPage(page) - 1;
}

// Rows beyond the memories (the guard rows) hold the last zone of the radio, whatever a file,
// an import or a radio names; -1 for every other row.
int ReservedZone(const Page& page, int row) {
    return page.IsP25() && page.IsGuardRow(row) ? LastZone(page) : -1;
}
}  // namespace

bool TakeP25ZonePosition(Page& page, int zone) {
    if (zone < 0 || zone >= kZoneCount) return false;
    if (page.zoneCounters[zone] < kZoneCapacity) {
        ++page.zoneCounters[zone];
        return true;
    }
    LUMO_LOG(kUnit, "   ! Error zone: %d Full!", zone);
    return false;
}

bool ReleaseP25ZonePosition(Page& page, int zone) {
    if (zone < 0 || zone >= kZoneCount || page.zoneCounters[zone] <= 0) return false;
    --page.zoneCounters[zone];
    return true;
}

bool ReleaseZoneOfLabel(Page& page, const wxString& label) {
    return ReleaseP25ZonePosition(page, ZoneIndex(label, page.Type()));
}

namespace {
// The zone a row holds a slot in, or -1.
int CountedZone(const Page& page, int row) {
    if (!(ParseHexFlags(page.grid.Get(row, TFLG)) & kTflgZoneCounted) || IsShadowRow(page, row))
        return -1;
    return ZoneIndex(page.grid.Get(row, ZONE), page.Type());
}

// The places of the last zone that other rows leave to the guard rows not counted in it yet,
// so the guard rows always find room in their zone.
int PlacesKeptForGuards(const Page& page, int zone, int row) {
    if (ReservedZone(page, row) >= 0 || !page.IsP25() || !page.HasGuardRows() ||
        zone != LastZone(page))
        return 0;
    int kept = 0;
    for (int guard : {page.FirstGuardRow(), page.SecondGuardRow()})
        if (CountedZone(page, guard) != zone) ++kept;
    return kept;
}

bool HasRoomFor(const Page& page, int zone, int row) {
    return zone >= 0 && zone < kZoneCount &&
           page.zoneCounters[zone] + PlacesKeptForGuards(page, zone, row) < kZoneCapacity;
}

bool TakeZoneFor(Page& page, int zone, int row) {
    if (zone >= 0 && zone < kZoneCount && !HasRoomFor(page, zone, row)) {
        LUMO_LOG(kUnit, "   ! Error zone: %d Full!", zone);
        return false;
    }
    return TakeP25ZonePosition(page, zone);
}

int FirstZoneWithRoomFor(const Page& page, int row) {
    for (int zone = 0; zone < ZoneCountOfPage(page); ++zone)
        if (HasRoomFor(page, zone, row)) return zone;
    return -1;
}

// Puts a guard row in its reserved zone, counted once; a slot it held in another zone is given
// back. False for rows that are not guard rows (and for shadows, which hold no slot).
bool PlaceGuardRow(Page& page, int row) {
    int reserved = ReservedZone(page, row);
    if (reserved < 0 || IsShadowRow(page, row)) return false;
    if (CountedZone(page, row) != reserved) {
        ReleaseRowZone(page, row);
        unsigned tflg = ParseHexFlags(page.grid.Get(row, TFLG));
        bool taken = TakeZoneFor(page, reserved, row);
        page.grid.Set(row, ZONE, taken ? ZoneLabel(reserved, page.Type()) : wxString());
        page.grid.Set(row, TFLG, FormatHexFlags(taken ? tflg | kTflgZoneCounted : tflg));
    }
    return true;
}
}  // namespace

bool ReleaseRowZone(Page& page, int row) {
    int zone = CountedZone(page, row);
    unsigned tflg = ParseHexFlags(page.grid.Get(row, TFLG));
    if (tflg & kTflgZoneCounted) page.grid.Set(row, TFLG, FormatHexFlags(tflg & ~kTflgZoneCounted));
    return ReleaseP25ZonePosition(page, zone);
}

int FirstNonFullZone(const Page& page) {
    for (int zone = 0; zone < ZoneCountOfPage(page); ++zone)
        if (page.zoneCounters[zone] < kZoneCapacity) return zone;
    return -1;
}

bool IsShadowRow(const Page& page, int row) {
    return (ParseHexFlags(page.grid.Get(row, MFLG)) & kMflgShadowSlotMask) != 0;
}

void CheckZone(Page& page, int row) {
    CellStore& grid = page.grid;
    if (!page.IsP25()) {
        grid.Set(row, ZONE, wxString());
        return;
    }
    if (row == 0 || PlaceGuardRow(page, row)) return;
    unsigned tflg = ParseHexFlags(grid.Get(row, TFLG));
    if (tflg & kTflgZoneCounted) return;

    int listed = ZoneIndex(grid.Get(row, ZONE), page.Type());
    int zone = std::max(listed, FirstZoneWithRoomFor(page, row));
    // A shadow follows its primary's zone and takes no slot; a row that finds no room keeps
    // no zone rather than a label its zone could not count.
    if (IsShadowRow(page, row) || !TakeZoneFor(page, zone, row))
        grid.Set(row, ZONE, wxString());
    else
        grid.Set(row, ZONE, ZoneLabel(zone, page.Type()));
    grid.Set(row, TFLG, FormatHexFlags(tflg | kTflgZoneCounted));
}

void ApplyZoneLabel(Page& page, int row, const wxString& label) {
    if (row == 0) {  // the default row holds a label, not a memory
        page.grid.Set(row, ZONE, label);
        return;
    }
    if (PlaceGuardRow(page, row)) return;
    unsigned tflg = ParseHexFlags(page.grid.Get(row, TFLG)) & ~kTflgZoneCounted;
    int zone = ZoneIndex(label, page.Type());
    if (IsShadowRow(page, row) || (zone >= 0 && TakeZoneFor(page, zone, row))) {
        page.grid.Set(row, ZONE, label);
        tflg |= kTflgZoneCounted;
    } else {
        page.grid.Set(row, ZONE, wxString());
    }
    page.grid.Set(row, TFLG, FormatHexFlags(tflg));
}

void RecountZoneCounters(Page& page) {
    page.zoneCounters.fill(0);
    if (!page.IsP25()) return;
    // The guard rows first: their places in the last zone are theirs whatever else it holds.
    std::vector<int> rows;
    if (page.HasGuardRows()) rows = {page.FirstGuardRow(), page.SecondGuardRow()};
    for (int row = 1; row <= page.LastMemoryRow(); ++row)
        rows.push_back(row);
    for (int row : rows) {
        unsigned tflg = ParseHexFlags(page.grid.Get(row, TFLG));
        if (!(tflg & kTflgZoneCounted) || IsShadowRow(page, row)) continue;
        if (ReservedZone(page, row) >= 0) {  // a guard row brought from another radio's page
            page.grid.Set(row, TFLG, FormatHexFlags(tflg & ~kTflgZoneCounted));
            PlaceGuardRow(page, row);
            continue;
        }
        int zone = ZoneIndex(page.grid.Get(row, ZONE), page.Type());
        if (zone < 0 || !TakeZoneFor(page, zone, row))
            page.grid.Set(row, TFLG, FormatHexFlags(tflg & ~kTflgZoneCounted));
    }
}

std::vector<wxString> ZoneEditChoices(const Page& page, int row) {
    std::vector<wxString> choices;
    int own = CountedZone(page, row);
    int last = ZoneCountOfPage(page);
    if (page.grid.Get(row, SCAN) == "Y") last = std::min(last, 31);
    for (int zone = 0; zone < last; ++zone)
        if (HasRoomFor(page, zone, row) || zone == own)
            choices.push_back(ZoneLabel(zone, page.Type()));
    return choices;
}

bool ApplyZoneEdit(Page& page, int row, const wxString& chosenLabel) {
    int old = CountedZone(page, row);
    int chosen = ZoneIndex(chosenLabel, page.Type());
    LUMO_LOG(kUnit, " > P25Z-AE - startZone: %s, selectedZone: %s", page.grid.Get(row, ZONE),
             chosenLabel);
    if (chosen < 0) return false;
    if (chosen != old) {
        if (!TakeZoneFor(page, chosen, row)) {
            LUMO_LOG(kUnit, "  ! Error: Could not take slot from Zone: %d", chosen + 1);
            return false;
        }
        ReleaseP25ZonePosition(page, old);
    }
    page.grid.Set(row, ZONE, chosenLabel);
    unsigned tflg = ParseHexFlags(page.grid.Get(row, TFLG));
    page.grid.Set(row, TFLG, FormatHexFlags(tflg | kTflgZoneCounted));
    unsigned mflg = ParseHexFlags(page.grid.Get(row, MFLG));
    // The 32nd zone does not scan. A primary's SCAN stays locked whatever its zone.
    if (chosen == 31)
        page.grid.SetReadOnly(row, SCAN, true);
    else if (!(mflg & kMflgRelationMask))
        page.grid.SetReadOnly(row, SCAN, false);
    if (!(mflg & kMflgPrimary)) return true;
    for (int slot = SHD0; slot <= SHD6; ++slot) {
        long number = 0;
        if (!ParseDecimal(page.grid.Get(row, slot), number) || number == 0) continue;
        int shadow = GetMnumRow(page, number);
        if (shadow < 0 || shadow == row) continue;
        LUMO_LOG(kUnit, " . Shadow %d; At: %d", slot - SHD0, shadow);
        page.grid.Set(shadow, ZONE, chosenLabel);
        LUMO_LOG(kUnit, "RFreq: %s", chosenLabel);
    }
    return true;
}

}  // namespace lumo
