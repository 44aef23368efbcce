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

// Rows beyond the memories (the guard rows) always go to the last zone of the radio.
int ReservedZone(const Page& page, int row) {
    if (page.Type() == kRP25 && row > 230) return 15;
    if (page.Type() == kEP25 && row > 500) return 31;
    return -1;
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
    unsigned tflg = ParseHexFlags(grid.Get(row, TFLG));
    if (row == 0 || (tflg & kTflgZoneCounted)) return;

    int zone = ReservedZone(page, row);
    if (zone < 0) {
        int listed = ZoneIndex(grid.Get(row, ZONE), page.Type());
        zone = std::max(listed, FirstNonFullZone(page));
    }
    // A shadow follows its primary's zone and takes no slot; a row that finds no room keeps
    // no zone rather than a label its zone could not count.
    if (IsShadowRow(page, row) || !TakeP25ZonePosition(page, zone))
        grid.Set(row, ZONE, wxString());
    else
        grid.Set(row, ZONE, ZoneLabel(zone, page.Type()));
    grid.Set(row, TFLG, FormatHexFlags(tflg | kTflgZoneCounted));
}

void ApplyZoneLabel(Page& page, int row, const wxString& label) {
    unsigned tflg = ParseHexFlags(page.grid.Get(row, TFLG)) & ~kTflgZoneCounted;
    if (row == 0) {  // the default row holds a label, not a memory
        page.grid.Set(row, ZONE, label);
        return;
    }
    int zone = ZoneIndex(label, page.Type());
    if (IsShadowRow(page, row) || (zone >= 0 && TakeP25ZonePosition(page, zone))) {
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
    for (int row = 1; row <= page.Rows(); ++row) {
        unsigned tflg = ParseHexFlags(page.grid.Get(row, TFLG));
        if (!(tflg & kTflgZoneCounted) || IsShadowRow(page, row)) continue;
        int zone = ZoneIndex(page.grid.Get(row, ZONE), page.Type());
        if (zone < 0 || !TakeP25ZonePosition(page, zone))
            page.grid.Set(row, TFLG, FormatHexFlags(tflg & ~kTflgZoneCounted));
    }
}

std::vector<wxString> ZoneEditChoices(const Page& page, int row) {
    std::vector<wxString> choices;
    int own = CountedZone(page, row);
    int last = ZoneCountOfPage(page);
    if (page.grid.Get(row, SCAN) == "Y") last = std::min(last, 31);
    for (int zone = 0; zone < last; ++zone)
        if (page.zoneCounters[zone] < kZoneCapacity || zone == own)
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
        if (!TakeP25ZonePosition(page, chosen)) {
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
