#include "pages/page.h"
#include "edit/row_values.h"
#include "pages/memory_label.h"
#include "pages/page_table.h"

#include "support/page_fixtures.h"

#include <gtest/gtest.h>

using namespace lumo;

TEST(PageParameters, SettingATargetForgetsTheFileAndFlags) {
    Page page = MakePage(6);
    page.strings.fileName = "fleet";
    page.params.pageFlags = kPageFlagFromFile | kPageFlagMarked;
    page.zoneCounters[3] = 5;
    page.operatingModes = 0x70;
    SetPageParameters(page, 0, 7, 0);
    EXPECT_EQ(page.strings.fileName, "");
    EXPECT_EQ(page.params.pageFlags, 0);
    EXPECT_EQ(page.zoneCounters[3], 0);
    EXPECT_EQ(page.operatingModes, 0x30);
    EXPECT_EQ(page.params.pageType, kEP25);
}

TEST(PageDefaults, P25PageFillsMemoryOneAndTheGuardMemories) {
    Page page = MakePage(6);
    ASSERT_EQ(page.grid.RowCount(), 233);
    for (int row : {1, 231, 232})
        ExpectCells(page, {{row, MNUM, wxString::Format("%03d", row)}, {row, RFRQ, "136.0000"}});
    ExpectCells(page, {{1, DESC, "VHF  001"}, {1, ZONE, "1"}});
    EXPECT_EQ(page.grid.Get(231, ZONE), "16") << "guard memories live in the last zone";
    EXPECT_EQ(page.grid.Get(1, TFLG), "A8") << "the zone is counted once";
    EXPECT_EQ(page.zoneCounters[0], 1);
    EXPECT_EQ(page.zoneCounters[15], 2);
    EXPECT_FALSE(page.IsRowUsed(2));
    EXPECT_FALSE(page.IsRowUsed(230));
}

TEST(PageDefaults, ReapplyingKeepsRowsInUseAndTheSelection) {
    Page page = MakePage(6);
    SetCells(page, {{1, DESC, "DISPATCH"}, {5, DESC, "TAC 2"}});
    page.grid.GetSelection().AddRow(5);
    page.grid.ClearRowTexts(232);
    SetPageDefaults(page, 0);
    ExpectCells(page, {{1, DESC, "DISPATCH"}, {5, DESC, "TAC 2"}});
    EXPECT_EQ(page.grid.Get(5, RFRQ), "") << "a selected row is not defaulted";
    EXPECT_TRUE(page.grid.GetSelection().IsRowSelected(5));
    EXPECT_EQ(page.grid.Get(232, DESC), "VHF  232") << "an emptied guard memory is refilled";
}

TEST(PageClear, EmptiesEverythingAndReappliesDefaults) {
    Page page = MakePage(7);
    page.grid.Set(40, DESC, "X");
    page.grid.SetBackground(40, DESC, kHighlightColour);
    page.params.pageFlags = kPageFlagRelations;
    ClearPage(page, 0);
    EXPECT_FALSE(page.IsRowUsed(40));
    EXPECT_FALSE(page.grid.Background(40, DESC).has_value());
    EXPECT_EQ(page.params.pageFlags, 0);
    EXPECT_EQ(page.grid.Get(0, RNSV), "10");
    EXPECT_EQ(page.zoneCounters[0], 1);
    EXPECT_EQ(page.zoneCounters[31], 2);
    EXPECT_EQ(page.grid.Get(501, ZONE), "X");
}

TEST(PageRows, RetargetingAppendsOrDeletesBeforeTheLastRow) {
    Page page = MakePage(1);  // 122 rows
    SetCells(page, {{122, DESC, "GUARD"}, {121, DESC, "G1"}});
    SetPageParameters(page, 0, 9, 1);  // VR-30 UHF: 200 rows
    AdjustPageRows(page, 1, 0);
    EXPECT_EQ(page.grid.RowCount(), 201);
    EXPECT_EQ(page.grid.Get(122, DESC), "GUARD");
    SetPageParameters(page, 0, 1, 0);
    AdjustPageRows(page, 9, 1);
    EXPECT_EQ(page.grid.RowCount(), 123);
    EXPECT_EQ(page.grid.Get(121, DESC), "G1");
    AdjustPageRows(page, 1, 0);
    EXPECT_EQ(page.grid.RowCount(), 123) << "the same radio keeps its rows";
}

TEST(PageRows, CompletenessCountsOnlyShownColumns) {
    Page page = MakePage(2);  // R19: Chan, Freq and the unlabelled column 30
    SetCells(page, {{1, MNUM, "001"}, {1, RFRQ, "121.500"}});
    EXPECT_FALSE(page.IsRowComplete(1));
    page.grid.Set(1, RONL, "x");
    EXPECT_TRUE(page.IsRowComplete(1));
    EXPECT_TRUE(page.IsRowComplete(0) == false);
}

// Pages: VR-13 (band 5, ANFM), VRD-21 (band 4, not ANFM) and the module (band 8).
TEST(PageAlignment, ComparesAnImportedBandWithThePage) {
    const struct {
        int radio, choice, band, alignment;
    } cases[] = {{3, 0, 5, 0},     {3, 0, 4, 1},     {3, 0, 7, 2},
                 {6, 0, 5, 0x81},  {6, 0, 4, 0x80},  {17, 5, 0, 0x80},
                 {17, 5, 2, 0x80}, {17, 5, 6, 0x80}, {17, 5, 5, 0x82}};
    for (const auto& c : cases)
        EXPECT_EQ(GetAlignment(MakePage(c.radio, c.choice), 0, c.band), c.alignment)
            << RadioNames[c.radio] << " band " << c.band;
}

TEST(RowValues, NumberedDescriptionReplacesTheTrailingNumber) {
    EXPECT_EQ(NumberedDescription("VHF  136", 5, true), "VHF  005");
    EXPECT_EQ(NumberedDescription("LOW    30", 5, false), "LOW   005");
    EXPECT_EQ(NumberedDescription("MODL   M6", 12, false), "MODL  012");
    EXPECT_EQ(NumberedDescription("DISPATCH", 5, false), "DISPATCH");
    EXPECT_EQ(NumberedDescription("", 5, false), "");
    EXPECT_EQ(NumberedDescription("123", 7, false), "007");
}

TEST(RowValues, ApplyToSelectedRowsNumbersThemAndClearsTheSelection) {
    Page page = MakePage(1);
    page.grid.GetSelection().AddRow(3);
    page.grid.GetSelection().Add({5, 0, 6, 31});
    ApplyRowValues(page, page.grid.GetRow(0), true, true);
    for (int row : {3, 5, 6})
        ExpectCells(page, {{row, MNUM, wxString::Format("%03d", row)}, {row, TFLG, "A0"}});
    EXPECT_FALSE(page.IsRowUsed(4));
    EXPECT_TRUE(page.grid.GetSelection().Empty());
}

TEST(PageTable, SlotsMoveDownWhenOneIsRemoved) {
    PageTable table;
    for (int radio : {0, 1, 2, 3}) {
        ASSERT_TRUE(table.AddSlot());
        int slot = table.Count() - 1;
        SetPageParameters(table.Slot(slot), slot, radio, 0);
        table.Slot(slot).operatingModes = 0x40 + slot;
    }
    table.RemoveSlot(1);
    EXPECT_EQ(table.Slot(2).strings.radioName, "VR-13");
    EXPECT_EQ(table.Slot(3).params.rows, 0);
    EXPECT_EQ(table.Slot(1).operatingModes, 0x41) << "operating modes stay with the slot";
    EXPECT_EQ(table.StatusTexts(2).title, "Norv Lumo: Page 3 of 3.");
}

TEST(PageTable, SevenPagesAreRefused) {
    PageTable table;
    for (int i = 0; i < kPageSlots; ++i)
        EXPECT_TRUE(table.AddSlot());
    EXPECT_FALSE(table.AddSlot());
    EXPECT_EQ(table.Count(), 6);
}

TEST(PageTable, GuardRowsOfTheShownPage) {
    PageTable table;
    table.AddSlot();
    SetPageParameters(table.Slot(0), 0, 1, 0);
    table.NoteShownPage(0);
    EXPECT_EQ(table.FirstGuardRow(), 121);
    EXPECT_EQ(table.SecondGuardRow(), 122);
    SetPageParameters(table.Slot(0), 0, 8, 0);
    table.NoteShownPage(0);
    EXPECT_EQ(table.FirstGuardRow(), -1);
}

TEST(MemoryLabels, DefaultGuardAndThreeDigitLabels) {
    Page page = MakePage(1), vra = MakePage(8);  // guard rows 121 and 122; none
    const struct {
        const Page& page;
        int row;
        const char* number;
        const char* label;
    } cases[] = {{page, 0, "0", "DEF"},     {page, 5, "0", ""},      {page, 7, "7", "007"},
                 {page, 121, "121", "GD1"}, {page, 3, "122", "GD2"}, {page, 3, "", ""},
                 {page, 3, "x1", "x1"},     {vra, 99, "99", "099"},  {vra, 100, "100", "100"}};
    for (const auto& c : cases)
        EXPECT_EQ(MemoryNumberLabel(c.page, c.row, c.number), c.label) << c.row << " " << c.number;
}
