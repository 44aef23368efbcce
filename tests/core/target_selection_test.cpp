#include "commands/target_selection.h"
#include "edit/zones.h"
#include "pages/page.h"
#include "support/scripted_dialogs.h"

#include "support/page_fixtures.h"

#include <gtest/gtest.h>

using namespace lumo;

namespace {

void FillRow(Page& page, int row, const wxString& desc) {
    page.grid.SetRow(row, page.grid.GetRow(0));
    SetCells(page, {{row, MNUM, wxString::Format("%03d", row)}, {row, DESC, desc}});
}

}  // namespace

TEST(ErrorDisplay, ACodeShowsItsTextWithItsDetail) {
    EXPECT_EQ(ErrorText(-15, 3), "3 Duplicate memory number(s) found.");
    EXPECT_EQ(ErrorText(-99, 0), "Unknown Error");
    ScriptedDialogs dialogs;
    DisplayError(dialogs, -13);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].caption, "Error");
}

// A radio with one band asks no band; the modular radio offers its six, the module last.
TEST(RadioSelection, TheBandIsAskedOnlyOfRadiosWithSeveral) {
    ScriptedDialogs dialogs;
    dialogs.choices = {8, 17, 5};
    Page vra, modular;
    EXPECT_EQ(UserSelectRadioAndBand(dialogs, vra, 0, "VR-12"), 0);
    EXPECT_EQ(UserSelectRadioAndBand(dialogs, modular, 0, ""), 0);
    ASSERT_EQ(dialogs.choiceRequests.size(), 3u);
    const ChoiceRequest& radio = dialogs.choiceRequests[0];
    EXPECT_EQ(radio.title, "<-- Select Target Radio -->");
    EXPECT_EQ(radio.choices.size(), 18u);
    EXPECT_EQ(radio.choices[6], "VRD-21[A|B]");
    EXPECT_EQ(radio.preselection, 1);
    EXPECT_EQ(vra.params.pageType, kDAMX);
    EXPECT_EQ(vra.params.rows, 100);
    const ChoiceRequest& band = dialogs.choiceRequests[2];
    EXPECT_EQ(band.title, "<-- Select Frequency Band -->");
    ASSERT_EQ(band.choices.size(), 6u);
    EXPECT_EQ(band.choices.back(), "M6: 3-BAND");
    EXPECT_EQ(band.preselection, -1);
    EXPECT_EQ(modular.params.pageType, kMODX);
    EXPECT_EQ(modular.params.band, 8);
}

TEST(RadioSelection, CancelAndInvalidChoicesLeaveThePageAlone) {
    Page page = MakePage(1);
    ScriptedDialogs dialogs;
    EXPECT_EQ(UserSelectRadioAndBand(dialogs, page, 0, ""), -10);
    dialogs.choices = {9};  // the band dialog is then cancelled
    EXPECT_EQ(UserSelectRadioAndBand(dialogs, page, 0, ""), -10);
    dialogs.choices = {9, 2};  // radio 9 has two bands
    EXPECT_EQ(UserSelectRadioAndBand(dialogs, page, 0, ""), -13);
    dialogs.choices = {9, 6};
    EXPECT_EQ(UserSelectRadioAndBand(dialogs, page, 0, ""), -13);
    dialogs.choices = {18};
    EXPECT_EQ(UserSelectRadioAndBand(dialogs, page, 0, ""), -12);
    EXPECT_EQ(page.params.radio, 1);
    EXPECT_EQ(page.strings.radioName, "VR-12");
}

TEST(ChangeTarget, GuardRowsMoveToTheNewGuardRows) {
    Page page = MakePage(1);  // 122 rows, guards 121 and 122
    FillRow(page, 5, "FIVE");
    FillRow(page, 121, "GUARD1");
    FillRow(page, 122, "GUARD2");
    ScriptedDialogs dialogs;
    dialogs.choices = {9, 0};  // VR-30 on 138-174: 202 rows
    ASSERT_EQ(ChangePageTarget(dialogs, page, 0), 0);
    EXPECT_EQ(dialogs.shown[0].caption, "Change Target?");
    EXPECT_EQ(page.grid.RowCount(), 203);
    EXPECT_EQ(page.grid.Get(5, DESC), "FIVE");
    EXPECT_FALSE(page.IsRowUsed(121));
    EXPECT_FALSE(page.IsRowUsed(122));
    const CellText expected[] = {
        {201, DESC, "GUARD1"}, {202, DESC, "GUARD2"}, {201, MNUM, "201"}, {202, MNUM, "202"}};
    ExpectCells(page, expected);
    EXPECT_EQ(page.grid.Get(0, DESC), "VHF   138") << "the new radio's defaults";
}

TEST(ChangeTarget, ToARadioWithoutGuardRowsLosesThem) {
    Page page = MakePage(1);
    FillRow(page, 121, "GUARD1");
    ScriptedDialogs dialogs;
    dialogs.choices = {9, 1};  // 200 rows, no guards
    ASSERT_EQ(ChangePageTarget(dialogs, page, 0), 0);
    for (int row = 1; row <= 200; ++row)
        EXPECT_FALSE(page.IsRowUsed(row)) << row;
}

TEST(ChangeTarget, SameRadioKeepsEveryRowAndTheSelection) {
    Page page = MakePage(6);
    for (int row : {1, 2, 40, 231, 232})
        SetCells(page, {{row, DESC, wxString::Format("D%d", row)}, {row, RFRQ, "150.0000"}});
    page.grid.GetSelection().AddRow(40);
    RowTexts before40 = page.grid.GetRow(40);
    RowTexts before1 = page.grid.GetRow(1);
    RowTexts guard = page.grid.GetRow(232);
    ScriptedDialogs dialogs;
    dialogs.choices = {6};
    ASSERT_EQ(ChangePageTarget(dialogs, page, 0), 0);
    EXPECT_EQ(page.grid.GetRow(40), before40);
    EXPECT_EQ(page.grid.GetRow(1), before1);
    EXPECT_EQ(page.grid.GetRow(232), guard);
    EXPECT_TRUE(page.grid.GetSelection().IsRowSelected(40));
    EXPECT_TRUE(ZoneCountersMatchRows(page));
}

TEST(ChangeTarget, EveryZoneCountsItsRowsOnTheNewTarget) {
    Page page = MakePage(7);  // EP25, zones 1..16 and A..X
    for (int row = 2; row <= 20; ++row) {
        FillRow(page, row, "X");
        SetCells(page, {{row, TFLG, "A0"}, {row, ZONE, row % 2 ? "A" : "3"}});
        CheckZone(page, row);
    }
    EXPECT_TRUE(ZoneCountersMatchRows(page));
    ScriptedDialogs dialogs;
    dialogs.choices = {6};  // RP25 knows no zone "A"
    ASSERT_EQ(ChangePageTarget(dialogs, page, 0), 0);
    EXPECT_TRUE(ZoneCountersMatchRows(page));
    EXPECT_EQ(page.zoneCounters[2], 10);
    EXPECT_EQ(page.grid.Get(3, TFLG), "A0") << "a row whose zone has no place is placed again";
    CheckZone(page, 3);
    EXPECT_EQ(page.grid.Get(3, ZONE), "1") << "placed in the first zone with room";
    EXPECT_TRUE(ZoneCountersMatchRows(page));
}

TEST(ChangeTarget, CancelLeavesEverythingAsItWas) {
    Page page = MakePage(1);
    FillRow(page, 121, "GUARD1");
    ScriptedDialogs dialogs;
    dialogs.answers = {DialogAnswer::Cancel};
    EXPECT_EQ(ChangePageTarget(dialogs, page, 0), -10);
    dialogs.choices = {40};  // OK to the question, then no such radio
    EXPECT_EQ(ChangePageTarget(dialogs, page, 0), -12);
    EXPECT_EQ(dialogs.shown.back().text, "Invalid Radio selection");
    EXPECT_EQ(page.grid.Get(121, DESC), "GUARD1");
    EXPECT_EQ(page.params.radio, 1);
    EXPECT_EQ(page.grid.RowCount(), 123);
}
