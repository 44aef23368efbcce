#include "edit/cell_traits.h"
#include "edit/cell_edits.h"
#include "edit/row_check.h"
#include "edit/row_commands.h"
#include "support/page_fixtures.h"
#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

using namespace lumo;

TEST(CellTraits, AmTwoTwentyFivePagesShowNotApplicableButKeepBlankRowsBlank) {
    Page page = MakePage(10, 1);  // VR-32 on AM 225-400: an ANAM page
    SetPageEditors(page, 0);
    EXPECT_EQ(page.grid.Get(0, MODE), "n/a") << "the default row holds data";
    for (int row = 1; row <= page.Rows(); ++row)
        ASSERT_FALSE(page.IsRowUsed(row)) << row;
    ScriptedDialogs dialogs;
    CheckPage(page, dialogs, 0);
    for (int row = 1; row <= page.Rows(); ++row)
        ASSERT_FALSE(page.IsRowUsed(row)) << row;
    CellTraits mode = EditorFor(page, 5, MODE);
    EXPECT_TRUE(mode.notApplicable);
    EXPECT_TRUE(mode.readOnly);
}

TEST(CellTraits, ModuleRowMovedToTheHighAmBand) {
    Page page = MakePage(17, 5);
    FillFromDefaults(page, 4);
    ApplyModxBandEdit(page, 4, "AM 225-400");
    ExpectCells(page, {{4, RFRQ, ""}, {4, TFRQ, ""}});
    for (int col : {MODE, RCOD, TCOD}) {
        EXPECT_EQ(page.grid.Get(4, col), "n/a") << ColumnKeys[col];
        EXPECT_TRUE(EditorFor(page, 4, col).readOnly) << ColumnKeys[col];
    }
    for (int col : {RTON, TTON}) {
        EXPECT_EQ(page.grid.Get(4, col), "OFF");
        CellTraits traits = EditorFor(page, 4, col);
        EXPECT_FALSE(traits.readOnly);
        EXPECT_EQ(traits.choices, ChoiceList::ToneChoices);
        EXPECT_EQ(ChoicesOf(traits.choices).size(), 65u);
    }
    EXPECT_EQ(EditorFor(page, 4, RFRQ).band, 6);
    ApplyModxBandEdit(page, 4, "FM 30-50");
    EXPECT_EQ(page.grid.Get(4, RCOD), "OFF") << "back on a band with codes";
    EXPECT_FALSE(EditorFor(page, 4, RCOD).readOnly);
}

TEST(CellTraits, P25SquelchChoicesFollowModeAndShadow) {
    Page page = MakePage(6);
    FillFromDefaults(page, 3);
    EXPECT_EQ(EditorFor(page, 3, TSQL).choices, ChoiceList::TxSquelchAnalog);
    ApplyChoiceEdit(page, 3, MODE, "D");
    ExpectCells(page, {{3, RSQL, "m"}, {3, TSQL, "g"}});
    EXPECT_EQ(EditorFor(page, 3, TSQL).choices, ChoiceList::TxSquelchDigital);
    page.grid.Set(3, MFLG, "01");
    EXPECT_EQ(ChoicesOf(EditorFor(page, 3, TSQL).choices), (std::vector<wxString>{"g", "-"}));
    EXPECT_EQ(EditorFor(page, 3, RNSV).editor, EditorKind::Text) << "no squelch value on RP25";
    EXPECT_EQ(EditorFor(page, 231, ZONE).readOnly, true);
    EXPECT_EQ(EditorFor(page, 0, MNUM).readOnly, true);
}

TEST(CellTraits, ChoiceEditsSetTheirCompanions) {
    Page page = MakePage(1);
    FillFromDefaults(page, 2);
    page.grid.SetBackground(2, RTON, kHighlightColour);
    ApplyChoiceEdit(page, 2, RTON, "100.0");
    EXPECT_EQ(page.grid.Get(2, TTON), "100.0");
    EXPECT_FALSE(page.grid.Background(2, RTON).has_value()) << "an edited cell loses its highlight";
    Page p25 = MakePage(6);
    FillFromDefaults(p25, 2);
    ApplyChoiceEdit(p25, 2, RSQL, "c");
    EXPECT_EQ(p25.grid.Get(2, TSQL), "c");
    ApplyHexEdit(p25, 2, RTGP, "a");
    EXPECT_EQ(p25.grid.Get(2, TTGP), "000A");
}

// A row holds a tone or a code, never both, whether the value is chosen in a cell or defaulted
// into its column; a code cell of a band without codes stays "n/a".
TEST(CellTraits, ToneAndCodeExcludeEachOtherHoweverTheyAreSet) {
    using Setter = void (*)(Page&, int, int, const wxString&);
    for (Setter set : {Setter(ApplyChoiceEdit), Setter(SetDefaultCellValue)}) {
        for (Page page : {MakePage(1), MakePage(17, 5)}) {  // ANFM, and the module page
            FillFromDefaults(page, 2);
            set(page, 2, RCOD, "023");
            set(page, 2, RTON, "100.0");
            EXPECT_EQ(page.grid.Get(2, RCOD), "OFF") << page.strings.typeCode;
            EXPECT_EQ(page.grid.Get(2, TCOD), "OFF") << page.strings.typeCode;
            set(page, 2, TCOD, "023");
            EXPECT_EQ(page.grid.Get(2, TTON), "OFF") << page.strings.typeCode;
        }
        Page modx = MakePage(17, 5);
        FillFromDefaults(modx, 3);
        ApplyModxBandEdit(modx, 3, "AM 225-400");
        set(modx, 3, RTON, "100.0");
        EXPECT_EQ(modx.grid.Get(3, RCOD), "n/a");
    }
}

TEST(CellTraits, CellsThatLookAlikeShareOneKey) {
    Page page = MakePage(7);
    EXPECT_EQ(EditorFor(page, 10, RFRQ).Key(), EditorFor(page, 300, RFRQ).Key());
    EXPECT_NE(EditorFor(page, 10, RFRQ).Key(), EditorFor(page, 10, DESC).Key());
    EXPECT_NE(EditorFor(page, 10, SCAN).Key(), EditorFor(page, 501, SCAN).Key());
    EXPECT_EQ(EditorFor(page, 10, RFRQ).maxChars, 9) << "1250 Hz channels";
    CellTraits number = EditorFor(page, 10, TIDC), wider = number, lower = number;
    wider.maxValue += 1024;
    lower.minValue = -1;
    EXPECT_NE(number.Key(), wider.Key()) << "editors with other bounds are other attributes";
    EXPECT_NE(number.Key(), lower.Key());
}
