#include "edit/shadows.h"
#include "edit/cell_edits.h"
#include "edit/row_check.h"
#include "edit/row_commands.h"
#include "files/lumo_file.h"
#include "support/page_fixtures.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

using namespace lumo;

TEST(Shadows, CreatingAShadowLinksBothEnds) {
    Page page = MakePage(6);
    FillFromDefaults(page, 5);
    ScriptedDialogs dialogs;
    ASSERT_EQ(MakeShadow(page, 5, 10, &dialogs), 10);
    EXPECT_EQ(dialogs.shown[0].caption, "For Primary: 005 create Shadow: 1");
    EXPECT_EQ(dialogs.shown[0].text, "Shadow Memory Num:");
    const CellText expected[] = {{5, SHAD, "P-1"},    {5, SHD0, "010"},  {5, MFLG, "10"},
                                 {10, SHAD, "S-005"}, {10, PRIM, "005"}, {10, MFLG, "01"},
                                 {10, TFLG, "A0"},    {10, SCAN, "N"}};
    ExpectCells(page, expected);
    for (int col : {ZONE, RFRQ, TFRQ, MNUM, SHAD, SCAN})
        EXPECT_TRUE(page.grid.IsReadOnly(10, col));
    EXPECT_TRUE(page.grid.IsReadOnly(5, SCAN));
    EXPECT_FALSE(page.grid.IsReadOnly(5, ZONE));
    EXPECT_TRUE(ShadowLinksHaveBothEnds(page));
}

TEST(Shadows, RefusalsLeaveThePageUnchanged) {
    Page page = MakePage(6);
    FillFromDefaults(page, 5);
    FillFromDefaults(page, 8);
    ScriptedDialogs dialogs;
    EXPECT_EQ(CreateShadow(page, dialogs, 6), -1);  // empty row
    EXPECT_EQ(dialogs.Messages().back(),
              "Cannot Create Shadow!\nMemory record is empty or incomplete.");
    EXPECT_EQ(dialogs.shown.back().caption, "Create Shadow - Error");
    uint64_t before = page.grid.Revision();
    EXPECT_EQ(MakeShadow(page, 5, 8, &dialogs), -1);
    EXPECT_EQ(dialogs.Messages().back(), "Selected memory is already in use.");
    EXPECT_EQ(MakeShadow(page, 5, 0, &dialogs), -1);
    EXPECT_EQ(MakeShadow(page, 5, 231, &dialogs), -1) << "a guard memory is no shadow";
    EXPECT_EQ(MakeShadow(page, 5, 999, &dialogs), -1);
    EXPECT_EQ(dialogs.Messages().back(), "Shadow memory number must be 1 to 230.");
    EXPECT_EQ(page.grid.Revision(), before);
}

TEST(Shadows, TheEighthShadowIsRefused) {
    Page page = MakePage(6);
    FillFromDefaults(page, 5);
    ScriptedDialogs dialogs;
    for (int k = 0; k < 7; ++k)
        ASSERT_EQ(MakeShadow(page, 5, 20 + k, &dialogs), 20 + k);
    ExpectCells(page, {{5, SHAD, "P-7"}, {26, MFLG, "07"}});
    EXPECT_EQ(MakeShadow(page, 5, 40, &dialogs), -1);
    EXPECT_EQ(dialogs.Messages().back(),
              "Cannot Create Shadow!\nShadow List is full for selected primary.");
    EXPECT_TRUE(ShadowLinksHaveBothEnds(page));
}

TEST(Shadows, NumbersThatNameNoRowAreSkipped) {
    Page page = MakePage(6);
    FillFromDefaults(page, 5);
    SetCells(page, {{5, MFLG, "10"}, {5, SHD0, "999"}, {5, SHD1, "abc"}});
    RowTexts lastRow = page.grid.GetRow(page.Rows());
    RemovePrimary(page, 5);
    HandleP25Shadows(page, 5);
    EXPECT_EQ(page.grid.GetRow(page.Rows()), lastRow) << "nothing is written outside the rows";
    EXPECT_EQ(GetMnumRow(page, 999), -1);
    FillFromDefaults(page, 7);
    SetCells(page, {{7, MFLG, "02"}, {7, PRIM, "444"}});
    RemoveShadow(page, 7);
    EXPECT_FALSE(page.IsRowUsed(7));
    EXPECT_EQ(page.grid.GetRow(page.Rows()), lastRow);
}

// Memory 5 of a VRD-21 page a primary with memory 10 as its shadow: whatever is done to either
// end or to the page, both ends still name each other, and what follows a link follows it.
TEST(ShadowLinks, EveryOperationKeepsBothEnds) {
    struct Case {
        const char* name;
        std::function<void(Page&, ScriptedDialogs&)> apply;
        std::vector<std::tuple<int, int, const char*>> cells;
    };
    const Case cases[] = {
        {"frequency and zone of the primary edited",
         [](Page& page, ScriptedDialogs&) {
             ApplyFrequencyEdit(page, 5, RFRQ, "151.0000");
             EXPECT_TRUE(ApplyZoneEdit(page, 5, "4"));
         },
         {{10, RFRQ, "151.0000"}, {10, TFRQ, "151.0000"}, {10, ZONE, "4"}}},
        {"shadow removed",
         [](Page& page, ScriptedDialogs&) {
             RemoveShadow(page, 10);
             EXPECT_FALSE(page.grid.IsReadOnly(10, ZONE));
             EXPECT_TRUE(page.grid.IsReadOnly(10, SHAD)) << "SHAD stays locked";
         },
         {{5, SHD0, "0"}, {10, MNUM, ""}}},
        {"page checked, then the shadow removed",
         [](Page& page, ScriptedDialogs& dialogs) {
             CheckPage(page, dialogs, 0);
             EXPECT_EQ(page.grid.Get(10, ZONE), "") << "a checked shadow has no zone";
             EXPECT_TRUE(ShadowLinksHaveBothEnds(page));
             RemoveShadow(page, 10);
         },
         {{5, SHD0, "0"}}},
        {"primary renumbered",
         [](Page& page, ScriptedDialogs& dialogs) {
             EXPECT_FALSE(ApplyMemoryNumberEdit(page, dialogs, 5, 10));
             EXPECT_EQ(dialogs.Messages().back(), "Number already used at row: 010");
             EXPECT_TRUE(ApplyMemoryNumberEdit(page, dialogs, 5, 7));
         },
         {{5, MNUM, "007"}, {5, PRIM, "007"}, {10, PRIM, "007"}, {10, SHAD, "S-007"}}},
        {"shadow row and a row above deleted",
         [](Page& page, ScriptedDialogs& dialogs) {
             page.grid.GetSelection().AddRow(1);
             page.grid.GetSelection().AddRow(10);
             RowCommand cmd{page, dialogs, 1};
             EXPECT_TRUE(DeleteRows(cmd));
         },
         // memory n lives in row n on P25 pages: the primary moved up is memory 4
         {{4, MFLG, "10"}, {4, MNUM, "4"}, {4, SHD0, "0"}}},
        {"checked, saved and opened",
         [](Page& page, ScriptedDialogs& dialogs) {
             CheckPage(page, dialogs, 0);
             TempDir dir;
             ASSERT_TRUE(SaveLumoFile(page, dir.Path("s.lumo")));
             page = MakePage(1);
             ASSERT_EQ(OpenLumoFileAt(dir.Path("s.lumo"), page, 0, nullptr), 0);
         },
         {{10, SHAD, "S-005"}, {10, RFRQ, "136.0000"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Page page = MakePage(6);
        FillFromDefaults(page, 5);
        ASSERT_EQ(MakeShadow(page, 5, 10), 10);
        ScriptedDialogs dialogs;
        c.apply(page, dialogs);
        for (const auto& [row, col, text] : c.cells)
            EXPECT_EQ(page.grid.Get(row, col), text) << row << " " << ColumnKeys[col];
        EXPECT_TRUE(PageIsConsistent(page));
    }
}

TEST(ZoneEditor, OffersZonesWithRoomAndKeepsCountsOnFailure) {
    Page page = MakePage(7);
    FillFromDefaults(page, 2);
    page.zoneCounters[3] = 16;
    std::vector<wxString> choices = ZoneEditChoices(page, 2);
    EXPECT_EQ(std::count(choices.begin(), choices.end(), "4"), 0);
    EXPECT_EQ(choices.back(), "X");
    page.grid.Set(2, SCAN, "Y");
    EXPECT_EQ(ZoneEditChoices(page, 2).back(), "W") << "a scanning row may not use zone 32";
    page.zoneCounters[0] = 16;  // its own zone is full, yet it may stay there
    EXPECT_EQ(ZoneEditChoices(page, 2).front(), "1");
    auto before = page.zoneCounters;
    EXPECT_FALSE(ApplyZoneEdit(page, 2, "4"));
    EXPECT_EQ(page.zoneCounters, before) << "a failed edit gives nothing away";
    EXPECT_EQ(page.grid.Get(2, ZONE), "1");
    page.zoneCounters[0] = 2;  // rows 1 and 2
    ASSERT_TRUE(ApplyZoneEdit(page, 2, "X"));
    EXPECT_TRUE(page.grid.IsReadOnly(2, SCAN));
    EXPECT_EQ(page.zoneCounters[0], 1);
    EXPECT_EQ(page.zoneCounters[31], 3);
}
