#include "edit/zones.h"

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

}  // namespace lumo
