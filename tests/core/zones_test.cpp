#include "edit/zones.h"
#include "support/page_fixtures.h"

#include <gtest/gtest.h>

using namespace lumo;

namespace {
Page MakeP25(int radio) {
    Page page;
    SetPageParameters(page, 0, radio, 0);
    SetupPageStore(page);
    return page;
}

void FillRow(Page& page, int row, const wxString& zone) {
    SetCells(page, {{row, MNUM, wxString::Format("%03d", row)}, {row, MFLG, "0"}});
    SetCells(page, {{row, ZONE, zone}, {row, TFLG, "A0"}});
}
}  // namespace

TEST(ZoneSlots, SixteenToAZoneThenTheNext) {
    Page page = MakeP25(6);
    for (int row = 1; row <= 20; ++row) {
        FillRow(page, row, "1");
        CheckZone(page, row);
    }
    EXPECT_EQ(page.grid.Get(16, ZONE), "1");
    EXPECT_EQ(page.grid.Get(17, ZONE), "2");
    EXPECT_EQ(page.zoneCounters[0], 16);
    EXPECT_EQ(page.zoneCounters[1], 4);
}

// The guard rows hold the radio's last zone whatever a check, a file, an import, a radio or a
// change of target gives them, each counted once; the other rows leave them room there.
TEST(ZoneSlots, GuardRowsAlwaysHoldTheLastZone) {
    for (int radio : {6, 7}) {
        Page page = MakeP25(radio);
        int last = static_cast<int>(page.ZoneList().size()) - 1;
        wxString label = ZoneLabel(last, page.Type());
        SCOPED_TRACE(label);
        for (int row = 1; row <= 16; ++row) {
            FillRow(page, row, label);
            ApplyZoneLabel(page, row, label);
        }
        EXPECT_EQ(page.zoneCounters[last], 14);
        EXPECT_EQ(page.grid.Get(15, ZONE), "");
        int g1 = page.FirstGuardRow(), g2 = page.SecondGuardRow();
        FillRow(page, g1, "1");  // what a file, an import or a radio names
        ApplyZoneLabel(page, g1, "1");
        FillRow(page, g2, "1");  // counted in another zone before
        page.grid.Set(g2, TFLG, "A8");
        page.zoneCounters[0] = 1;
        CheckZone(page, g2);
        for (int guard : {g1, g2})
            EXPECT_EQ(page.grid.Get(guard, ZONE), label);
        EXPECT_EQ(page.zoneCounters[last], 16);
        EXPECT_EQ(page.zoneCounters[0], 0);
        page.grid.Set(g1, ZONE, "3");  // brought from another radio's page
        RecountZoneCounters(page);
        EXPECT_EQ(page.grid.Get(g1, ZONE), label);
        EXPECT_EQ(page.zoneCounters[last], 16);
        EXPECT_EQ(page.zoneCounters[2], 0);
    }
    Page ep25 = MakeP25(7);
    FillRow(ep25, 230, "1");
    CheckZone(ep25, 230);
    EXPECT_EQ(ep25.grid.Get(230, ZONE), "1") << "only the guard rows are reserved on EP25";
}

TEST(ZoneSlots, NoZoneWithRoomLeavesTheRowWithoutAZone) {
    Page page = MakeP25(6);
    for (int zone = 0; zone < 16; ++zone)
        page.zoneCounters[zone] = 16;
    EXPECT_EQ(FirstNonFullZone(page), -1) << "an RP25 page has only sixteen zones";
    FillRow(page, 2, "3");
    CheckZone(page, 2);
    EXPECT_EQ(page.grid.Get(2, ZONE), "");
    for (int zone = 0; zone < 16; ++zone)
        EXPECT_EQ(page.zoneCounters[zone], 16);
}

TEST(ZoneSlots, NonP25PagesHaveNoZones) {
    Page page = MakeP25(1);
    page.grid.Set(4, ZONE, "1");
    CheckZone(page, 4);
    EXPECT_EQ(page.grid.Get(4, ZONE), "");
}
