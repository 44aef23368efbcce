#include "edit/row_check.h"
#include "support/page_fixtures.h"
#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

using namespace lumo;

namespace {
bool Highlighted(const Page& page, int row, int col) {
    return page.grid.Background(row, col) == kHighlightColour;
}
}  // namespace

TEST(PageCheck, EmptyPageChangesNothing) {
    Page page = MakePage(1);
    ScriptedDialogs dialogs;
    uint64_t before = page.grid.Revision();
    CheckPage(page, dialogs, 0);
    EXPECT_EQ(page.grid.Revision(), before);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST(PageCheck, DuplicateMemoryNumberIsReportedOnce) {
    Page page = MakePage(1);
    FillFromDefaults(page, 1);
    FillFromDefaults(page, 2);
    page.grid.Set(1, MNUM, "5");
    page.grid.Set(2, MNUM, "005");
    ScriptedDialogs dialogs;
    CheckPage(page, dialogs, 0);
    EXPECT_EQ(dialogs.Messages(), (std::vector<wxString>{"Number already used at row: 002"}));
    EXPECT_EQ(page.grid.Get(1, MNUM), "");
    EXPECT_EQ(page.grid.Get(2, MNUM), "005");
}

TEST(PageCheck, MemoryNumberAboveTheRowsIsEmptied) {
    Page page = MakePage(6);
    FillFromDefaults(page, 3);
    page.grid.Set(3, MNUM, "300");
    ScriptedDialogs dialogs;
    CheckRow(page, dialogs, 3);
    EXPECT_EQ(page.grid.Get(3, MNUM), "");
}

// Out of band: replaced. Off the channel step but in band: kept (the user decides) and shown.
TEST(PageCheck, BadFrequenciesAreHighlightedUntilCleared) {
    Page page = MakePage(6);  // band 4, 2.5 kHz
    FillFromDefaults(page, 3);
    FillFromDefaults(page, 4);
    page.grid.Set(3, RFRQ, "50.5000");
    page.grid.Set(4, TFRQ, "155.123");
    ScriptedDialogs dialogs;
    CheckReport report;
    CheckPage(page, dialogs, 0, &report);
    EXPECT_EQ(page.grid.Get(3, RFRQ), "136.0000");
    EXPECT_EQ(page.grid.Get(4, TFRQ), "155.123");
    EXPECT_TRUE(Highlighted(page, 3, RFRQ));
    EXPECT_EQ(report.highlighted, (std::vector<std::pair<int, int>>{{3, RFRQ}, {4, TFRQ}}));
    page.params.pageFlags |= kPageFlagMarked;
    ClearHighlights(page);
    EXPECT_FALSE(Highlighted(page, 3, RFRQ));
    EXPECT_FALSE(Highlighted(page, 4, TFRQ));
    EXPECT_EQ(page.params.pageFlags & kPageFlagMarked, 0);
}

TEST(PageCheck, ModuleRowsOnTheAirBandGetReceiveOnlyTransmit) {
    Page page = MakePage(17, 5);  // MODX
    FillFromDefaults(page, 4);
    page.grid.Set(4, BAND, "AM 108-138");
    page.grid.Set(4, RFRQ, "112.000");
    page.grid.Set(4, TFRQ, "112.000");
    FillFromDefaults(page, 5);
    page.grid.Set(5, BAND, "AM 108-138");
    page.grid.Set(5, RFRQ, "121.500");
    page.grid.Set(5, TFRQ, "999");
    ScriptedDialogs dialogs;
    CheckPage(page, dialogs, 0);
    EXPECT_EQ(page.grid.Get(4, TFRQ), "n/a");
    EXPECT_EQ(page.grid.Get(5, TFRQ), "999") << "not range-checked on the air band";
    EXPECT_EQ(page.grid.Get(4, RTON), "n/a");
    EXPECT_EQ(page.grid.Get(4, RCOD), "n/a");
    page.grid.Set(6, BAND, "FM 138-174");  // not a module band of this page
    page.grid.Set(6, RFRQ, "40.0000");
    CheckRow(page, dialogs, 6);
    EXPECT_EQ(page.grid.Get(6, BAND), "FM 30-50");
    EXPECT_TRUE(Highlighted(page, 6, BAND));
}

TEST(PageCheck, DigitalModeOnAnAnalogPageIsReplaced) {
    Page page = MakePage(1);
    FillFromDefaults(page, 2);
    page.grid.Set(2, MODE, "D");
    ScriptedDialogs dialogs;
    CheckRow(page, dialogs, 2);
    EXPECT_EQ(page.grid.Get(2, MODE), "W");
    EXPECT_TRUE(Highlighted(page, 2, MODE));
}

TEST(PageCheck, BadNacIsReplacedWithoutHighlight) {
    Page page = MakePage(6);
    FillFromDefaults(page, 2);
    page.grid.Set(2, RNAC, "12G");
    page.grid.Set(2, TIDC, "");
    ScriptedDialogs dialogs;
    CheckRow(page, dialogs, 2);
    EXPECT_EQ(page.grid.Get(2, RNAC), "293");
    EXPECT_FALSE(Highlighted(page, 2, RNAC));
    EXPECT_EQ(page.grid.Get(2, TIDC), "0000001");
}

TEST(PageCheck, SquelchValueOnlyOnEp25) {
    Page ep25 = MakePage(7);
    FillFromDefaults(ep25, 2);
    ep25.grid.Set(2, RNSV, "16");
    ScriptedDialogs dialogs;
    CheckRow(ep25, dialogs, 2);
    EXPECT_EQ(ep25.grid.Get(2, RNSV), "10");
    EXPECT_TRUE(Highlighted(ep25, 2, RNSV));
    Page rp25 = MakePage(6);
    FillFromDefaults(rp25, 2);
    rp25.grid.Set(2, RNSV, "5");
    CheckRow(rp25, dialogs, 2);
    EXPECT_EQ(rp25.grid.Get(2, RNSV), "");
}

TEST(PageCheck, AnalogTonesAndCodes) {
    Page page = MakePage(1);
    FillFromDefaults(page, 2);
    page.grid.Set(2, RTON, "100.0");
    page.grid.Set(2, RCOD, "000");
    page.grid.Set(2, TTON, "101.0");
    ScriptedDialogs dialogs;
    CheckRow(page, dialogs, 2);
    EXPECT_EQ(page.grid.Get(2, RTON), "100.0");
    EXPECT_EQ(page.grid.Get(2, RCOD), "OFF");
    EXPECT_EQ(page.grid.Get(2, TTON), "OFF") << "not a tone of the list: the default";
    EXPECT_TRUE(Highlighted(page, 2, TTON));
    FillFromDefaults(page, 121);
    CheckRow(page, dialogs, 121);
    EXPECT_EQ(page.grid.Get(121, RTON), "n/a");
    EXPECT_EQ(page.grid.Get(121, RCOD), "n/a");
    EXPECT_EQ(page.grid.Get(121, TTON), "OFF");
}

TEST(PageCheck, P25TonesNeedASquelch) {
    Page page = MakePage(6);
    FillFromDefaults(page, 2);
    page.grid.Set(2, RSQL, "x");
    page.grid.Set(2, RTON, "OFF");
    page.grid.Set(2, TCOD, "000");
    ScriptedDialogs dialogs;
    CheckRow(page, dialogs, 2);
    EXPECT_EQ(page.grid.Get(2, RTON), "OFF");
    EXPECT_EQ(page.grid.Get(2, TCOD), "OFF");
    wxString squelch = "";
    page.grid.Set(2, TTON, "OFF");
    CheckColumn(page, dialogs, 2, TTON, squelch);
    EXPECT_EQ(page.grid.Get(2, TTON), "67.0") << "OFF without a squelch fails";
    page.grid.Set(2, TSQL, "");
    page.grid.Set(2, TTON, "100.0");
    CheckColumn(page, dialogs, 2, TTON, squelch);
    EXPECT_EQ(page.grid.Get(2, TSQL), "t");
}

TEST(PageCheck, ScanValuesByPage) {
    Page anfm = MakePage(1);
    FillFromDefaults(anfm, 2);
    FillFromDefaults(anfm, 3);
    FillFromDefaults(anfm, 4);
    anfm.grid.Set(2, SCAN, "1_3__");
    anfm.grid.Set(3, SCAN, "31");
    anfm.grid.Set(4, SCAN, "100");
    ScriptedDialogs dialogs;
    CheckPage(anfm, dialogs, 0);
    EXPECT_EQ(anfm.grid.Get(2, SCAN), "5");
    EXPECT_EQ(anfm.grid.Get(3, SCAN), "31");
    EXPECT_EQ(anfm.grid.Get(4, SCAN), "0");
    EXPECT_TRUE(Highlighted(anfm, 4, SCAN));
    Page p25 = MakePage(6);
    FillFromDefaults(p25, 2);
    p25.grid.Set(2, SCAN, "Yes");
    CheckRow(p25, dialogs, 2);
    EXPECT_EQ(p25.grid.Get(2, SCAN), "Y");
    EXPECT_EQ(ConvertPolyLumScan("1L3__"), "0");
}

TEST(PageCheck, RowCheckKeepsAShadowsPrimary) {
    Page page = MakePage(6);
    FillFromDefaults(page, 5);
    FillFromDefaults(page, 10);
    page.grid.Set(10, MFLG, "01");
    page.grid.Set(10, PRIM, "005");
    page.grid.Set(10, SHAD, "S-005");
    page.grid.Set(5, MFLG, "10");
    page.grid.Set(5, SHD0, "010");
    page.grid.Set(5, SHAD, "P-1");
    ScriptedDialogs dialogs;
    CheckPage(page, dialogs, 0);
    EXPECT_EQ(page.grid.Get(10, PRIM), "005");
    EXPECT_EQ(page.grid.Get(5, PRIM), "005");
    EXPECT_TRUE(ShadowLinksHaveBothEnds(page));
}

TEST(MemoryNumberEdit, DuplicateIsRefusedAndPrimaryCarriesItsShadows) {
    Page page = MakePage(6);
    FillFromDefaults(page, 5);
    FillFromDefaults(page, 10);
    page.grid.Set(10, MFLG, "01");
    page.grid.Set(10, PRIM, "005");
    page.grid.Set(10, SHAD, "S-005");
    page.grid.Set(5, MFLG, "10");
    page.grid.Set(5, SHD0, "010");
    ScriptedDialogs dialogs;
    EXPECT_FALSE(ApplyMemoryNumberEdit(page, dialogs, 5, 10));
    EXPECT_EQ(dialogs.Messages(), (std::vector<wxString>{"Number already used at row: 010"}));
    EXPECT_EQ(page.grid.Get(5, MNUM), "005");
    EXPECT_TRUE(ApplyMemoryNumberEdit(page, dialogs, 5, 7));
    EXPECT_EQ(page.grid.Get(5, MNUM), "007");
    EXPECT_EQ(page.grid.Get(5, PRIM), "007");
    EXPECT_EQ(page.grid.Get(10, PRIM), "007");
    EXPECT_EQ(page.grid.Get(10, SHAD), "S-007");
}
