#include "edit/row_check.h"
#include "support/page_fixtures.h"
#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

using namespace lumo;

namespace {
bool Highlighted(const Page& page, int row, int col) {
    return page.grid.Background(row, col) == kHighlightColour;
}

// What the check leaves in a cell, and whether it marks it: 'h' highlighted, '-' not, ' ' either.
struct Outcome {
    int col;
    const char* text;
    char mark;
};
}  // namespace

// A row filled from its page's default row, some cells typed, then checked: each repair the
// check makes, and the cells it shows the user.
TEST(RowCheck, RepairsWhatIsWrongAndHighlightsWhatTheUserShouldSee) {
    struct Case {
        const char* name;
        struct {
            int radio, bandChoice, row;
        } at;
        std::vector<std::pair<int, const char*>> typed;
        std::vector<Outcome> outcome;
    };
    const Case cases[] = {
        {"number above the rows", {6, 0, 3}, {{MNUM, "300"}}, {{MNUM, "", ' '}}},
        {"digital mode, analog page", {1, 0, 2}, {{MODE, "D"}}, {{MODE, "W", 'h'}}},
        {"bad NAC",
         {6, 0, 2},
         {{RNAC, "12G"}, {TIDC, ""}},
         {{RNAC, "293", '-'}, {TIDC, "0000001", ' '}}},
        {"EP25 squelch value", {7, 0, 2}, {{RNSV, "16"}}, {{RNSV, "10", 'h'}}},
        {"no squelch value on RP25", {6, 0, 2}, {{RNSV, "5"}}, {{RNSV, "", ' '}}},
        {"analog tones and codes",
         {1, 0, 2},
         {{RTON, "100.0"}, {RCOD, "000"}, {TTON, "101.0"}},
         {{RTON, "100.0", '-'}, {RCOD, "OFF", ' '}, {TTON, "OFF", 'h'}}},
        {"guard", {1, 0, 121}, {}, {{RTON, "n/a", ' '}, {RCOD, "n/a", ' '}, {TTON, "OFF", ' '}}},
        {"P25 tone and code without a squelch",
         {6, 0, 2},
         {{RSQL, "x"}, {RTON, "OFF"}, {TCOD, "000"}},
         {{RTON, "OFF", ' '}, {TCOD, "OFF", ' '}}},
        {"scan list letters", {1, 0, 2}, {{SCAN, "1_3__"}}, {{SCAN, "5", ' '}}},
        {"scan lists", {1, 0, 3}, {{SCAN, "31"}}, {{SCAN, "31", '-'}}},
        {"scan lists out of range", {1, 0, 4}, {{SCAN, "100"}}, {{SCAN, "0", 'h'}}},
        {"P25 scan", {6, 0, 2}, {{SCAN, "Yes"}}, {{SCAN, "Y", ' '}}},
        {"module on the air band",
         {17, 5, 4},
         {{BAND, "AM 108-138"}, {RFRQ, "112.000"}, {TFRQ, "112.000"}},
         {{TFRQ, "n/a", ' '}, {RTON, "n/a", ' '}, {RCOD, "n/a", ' '}}},
        {"air band transmit is not range-checked",
         {17, 5, 5},
         {{BAND, "AM 108-138"}, {RFRQ, "121.500"}, {TFRQ, "999"}},
         {{TFRQ, "999", ' '}}},
        {"not a module band of the page",
         {17, 5, 6},
         {{BAND, "FM 138-174"}, {RFRQ, "40.0000"}},
         {{BAND, "FM 30-50", 'h'}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Page page = MakePage(c.at.radio, c.at.bandChoice);
        FillFromDefaults(page, c.at.row);
        for (const auto& [col, text] : c.typed)
            page.grid.Set(c.at.row, col, text);
        ScriptedDialogs dialogs;
        CheckRow(page, dialogs, c.at.row);
        for (const Outcome& o : c.outcome) {
            EXPECT_EQ(page.grid.Get(c.at.row, o.col), o.text) << ColumnKeys[o.col];
            if (o.mark != ' ') {
                EXPECT_EQ(Highlighted(page, c.at.row, o.col), o.mark == 'h') << ColumnKeys[o.col];
            }
        }
    }
}

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
    SetCells(page, {{1, MNUM, "5"}, {2, MNUM, "005"}});
    ScriptedDialogs dialogs;
    CheckPage(page, dialogs, 0);
    EXPECT_EQ(dialogs.Messages(), (std::vector<wxString>{"Number already used at row: 002"}));
    ExpectCells(page, {{1, MNUM, ""}, {2, MNUM, "005"}});
}

// Out of band: replaced. Off the channel step but in band: kept (the user decides) and shown.
TEST(PageCheck, BadFrequenciesAreHighlightedUntilCleared) {
    Page page = MakePage(6);  // band 4, 2.5 kHz
    FillFromDefaults(page, 3);
    FillFromDefaults(page, 4);
    SetCells(page, {{3, RFRQ, "50.5000"}, {4, TFRQ, "155.123"}});
    ScriptedDialogs dialogs;
    CheckReport report;
    CheckPage(page, dialogs, 0, &report);
    ExpectCells(page, {{3, RFRQ, "136.0000"}, {4, TFRQ, "155.123"}});
    EXPECT_TRUE(Highlighted(page, 3, RFRQ));
    EXPECT_EQ(report.highlighted, (std::vector<std::pair<int, int>>{{3, RFRQ}, {4, TFRQ}}));
    page.params.pageFlags |= kPageFlagMarked;
    ClearHighlights(page);
    EXPECT_FALSE(Highlighted(page, 3, RFRQ));
    EXPECT_FALSE(Highlighted(page, 4, TFRQ));
    EXPECT_EQ(page.params.pageFlags & kPageFlagMarked, 0);
}

TEST(ColumnCheck, P25TonesNeedASquelch) {
    Page page = MakePage(6);
    FillFromDefaults(page, 2);
    ScriptedDialogs dialogs;
    page.grid.Set(2, TTON, "OFF");
    CheckColumn(page, dialogs, 2, TTON, "");
    EXPECT_EQ(page.grid.Get(2, TTON), "67.0") << "OFF without a squelch fails";
    SetCells(page, {{2, TSQL, ""}, {2, TTON, "100.0"}});
    CheckColumn(page, dialogs, 2, TTON, "");
    EXPECT_EQ(page.grid.Get(2, TSQL), "t");
}
