#include "edit/row_commands.h"
#include "digital_radio.h"
#include "edit/page_history.h"
#include "edit/row_check.h"
#include "edit/row_values.h"
#include "files/lumo_file.h"
#include "support/page_equality.h"
#include "support/page_fixtures.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"
#include "transfer/trecord.h"

#include <gtest/gtest.h>

#include <random>

using namespace lumo;

namespace {
struct CommandTest : testing::Test {
    ScriptedDialogs dialogs;
    PasteBuffer buffer;
    RowCommand On(Page& page, int row) { return RowCommand{page, dialogs, row}; }
    void Select(Page& page, std::initializer_list<int> rows) {
        page.grid.GetSelection().Clear();
        for (int row : rows)
            page.grid.GetSelection().AddRow(row);
    }
};
}  // namespace

TEST_F(CommandTest, CopyOfAPrimaryPastesAsAPlainRow) {
    Page page = MakePage(6);
    FillFromDefaults(page, 5);
    MakeShadow(page, 5, 10);
    RowCommand copy = On(page, 5);
    CopyRow(copy, buffer);
    ASSERT_TRUE(buffer.has_value());
    RowCommand paste = On(page, 20);
    ASSERT_TRUE(PasteRow(paste, buffer));
    EXPECT_EQ(dialogs.shown.back().caption, "Paste copied data into Selection?");
    ExpectCells(page, {{20, SHAD, "N"}, {20, MFLG, "00"}});
    for (int slot = SHD0; slot <= SHD6; ++slot)
        EXPECT_EQ(page.grid.Get(20, slot), "0");
    EXPECT_EQ(page.grid.Get(20, MNUM), "020") << "a row without a number takes its own";
    EXPECT_EQ(page.grid.Get(20, PRIM), "020");
    EXPECT_EQ(page.grid.Get(20, TFLG), "A8") << "a pasted row is a filled row";
    // A row keeps its own number; one without takes its row's only when no other row holds it.
    FillFromDefaults(page, 21);
    page.grid.Set(21, MNUM, "040");
    for (int row : {21, 40}) {
        paste.currentRow = row;
        ASSERT_TRUE(PasteRow(paste, buffer));
    }
    ExpectCells(page, {{21, MNUM, "040"}, {40, MNUM, ""}});
    EXPECT_TRUE(PageIsConsistent(page));
}

TEST_F(CommandTest, EmptyRowsAndBuffersAreReported) {
    Page page = MakePage(1);
    RowCommand cmd = On(page, 7);
    CopyRow(cmd, buffer);
    EXPECT_EQ(dialogs.shown.back().text, "Cannot copy empty row.");
    EXPECT_EQ(dialogs.shown.back().caption, "Error - Empty Row!");
    EXPECT_FALSE(PasteRow(cmd, buffer));
    EXPECT_EQ(dialogs.shown.back().caption, "Error - Empty paste buffer!");
    EXPECT_FALSE(page.IsRowUsed(7));
}

TEST_F(CommandTest, CancelLeavesThePageAlone) {
    Page page = MakePage(1);
    FillFromDefaults(page, 3);
    Select(page, {3});
    uint64_t before = page.grid.Revision();
    for (auto command : {ClearRows, DeleteRows, InsertRow, DefaultRow, DefaultColumn, DefaultMarked,
                         DefaultFile, RenumberToRowNum, RenumberSequential}) {
        dialogs.answers.push_back(DialogAnswer::Cancel);
        RowCommand cmd = On(page, 3);
        EXPECT_FALSE(command(cmd));
    }
    EXPECT_EQ(page.grid.Revision(), before);
}

TEST_F(CommandTest, InsertShiftsRowsAndKeepsGuardRows) {
    Page page = MakePage(1);
    for (int row = 1; row <= page.Rows(); ++row)
        FillFromDefaults(page, row);
    SetCells(page, {{3, DESC, "THREE"}, {120, DESC, "LAST"}, {121, DESC, "GUARD1"}});
    RowCommand cmd = On(page, 3);
    ASSERT_TRUE(InsertRow(cmd));
    EXPECT_FALSE(page.IsRowUsed(3));
    ExpectCells(page, {{4, DESC, "THREE"}, {4, MNUM, "4"}, {120, MNUM, "120"}});
    EXPECT_NE(page.grid.Get(120, DESC), "LAST") << "the last memory row is lost";
    ExpectCells(page, {{121, DESC, "GUARD1"}, {121, MNUM, "121"}});
    EXPECT_EQ(page.grid.RowCount(), 123);
}

TEST_F(CommandTest, DeleteClosesGapsAndKeepsGuardRows) {
    Page page = MakePage(1);
    for (int row : {1, 2, 5, 6})
        FillFromDefaults(page, row);
    SetCells(page, {{6, DESC, "SIX"}, {121, DESC, "GUARD1"}, {122, DESC, "GUARD2"}});
    Select(page, {1, 5});
    RowCommand cmd = On(page, 1);
    ASSERT_TRUE(DeleteRows(cmd));
    ExpectCells(page, {{4, DESC, "SIX"}, {121, DESC, "GUARD1"}, {122, DESC, "GUARD2"}});
    EXPECT_EQ(page.grid.RowCount(), 123);
    EXPECT_TRUE(page.grid.GetSelection().Empty());
    Select(page, {122});  // the last row is selected like any other
    RowCommand clear = On(page, 122);
    ASSERT_TRUE(ClearRows(clear));
    EXPECT_FALSE(page.IsRowUsed(122));
}

TEST_F(CommandTest, DefaultColumnOfZoneRefillsZonesInRowOrder) {
    Page page = MakePage(6);
    for (int row = 2; row <= 40; ++row)
        FillFromDefaults(page, row);
    MakeShadow(page, 2, 41);
    page.grid.GetSelection().Clear();
    page.grid.GetSelection().Add({1, ZONE, 1, ZONE});
    RowCommand cmd = On(page, 1);
    ASSERT_TRUE(DefaultColumn(cmd));
    ExpectCells(page, {{16, ZONE, "1"}, {17, ZONE, "2"}, {33, ZONE, "3"}});
    EXPECT_EQ(page.grid.Get(41, ZONE), "") << "shadows take no slot";
    EXPECT_EQ(page.grid.Get(231, ZONE), "16");
    EXPECT_TRUE(ZoneCountersMatchRows(page));
}

TEST_F(CommandTest, DefaultColumnWithoutRowOneSelectedSetsTheUnitId) {
    Page page = MakePage(6);
    FillFromDefaults(page, 3);
    page.grid.Set(3, TIDC, "1234");
    Select(page, {5});
    EXPECT_EQ(SelectedDefaultColumn(page), TIDC);
    RowCommand cmd = On(page, 5);
    DefaultColumn(cmd);
    EXPECT_EQ(page.grid.Get(3, TIDC), "00000001");
}

TEST_F(CommandTest, DefaultColumnOfAToneSetsItsCompanions) {
    Page page = MakePage(1);
    FillFromDefaults(page, 3);
    SetCells(page, {{0, RTON, "100.0"}, {3, RCOD, "023"}});
    page.grid.GetSelection().Add({1, RTON, 1, RTON});
    RowCommand cmd = On(page, 1);
    DefaultColumn(cmd);
    ExpectCells(page, {{3, RTON, "100.0"}, {3, TTON, "100.0"}, {3, RCOD, "OFF"}, {3, TCOD, "OFF"}});
}

TEST_F(CommandTest, RenumberingKeepsShadowLinks) {
    Page page = MakePage(6);
    FillFromDefaults(page, 2);
    MakeShadow(page, 2, 9);
    FillFromDefaults(page, 5);
    page.grid.ClearRowTexts(1);
    page.grid.ClearRowTexts(231);
    page.grid.ClearRowTexts(232);
    page.zoneCounters.fill(0);
    RowCommand cmd = On(page, 2);
    ASSERT_TRUE(RenumberSequential(cmd));
    const CellText expected[] = {
        {2, MNUM, "1"}, {5, MNUM, "2"}, {9, MNUM, "3"}, {9, PRIM, "001"}, {2, SHD0, "003"}};
    ExpectCells(page, expected);
    EXPECT_TRUE(ShadowLinksHaveBothEnds(page));
    ASSERT_TRUE(RenumberToRowNum(cmd));
    ExpectCells(page, {{9, MNUM, "9"}, {9, PRIM, "002"}});
    EXPECT_TRUE(ShadowLinksHaveBothEnds(page));
}

TEST_F(CommandTest, MarkThenDefaultMarkedChangesOnlyMarkedRows) {
    Page page = MakePage(1);
    for (int row : {2, 3, 4})
        FillFromDefaults(page, row);
    for (int row : {2, 3, 4})
        page.grid.Set(row, SCAN, "7");
    Select(page, {2, 4});
    EXPECT_TRUE(MarkRows(page));
    EXPECT_TRUE(page.params.pageFlags & kPageFlagMarked);
    EXPECT_EQ(page.grid.Background(2, DESC), kMarkColour);
    page.grid.GetSelection().Add({1, SCAN, 1, SCAN});
    RowCommand cmd = On(page, 1);
    ASSERT_TRUE(DefaultMarked(cmd));
    ExpectCells(page, {{2, SCAN, "0"}, {3, SCAN, "7"}, {4, SCAN, "0"}});
    ClearHighlights(page);
    EXPECT_FALSE(page.grid.Background(2, DESC).has_value());
}

TEST_F(CommandTest, DefaultFileLeavesOnlyTheCurrentRow) {
    Page page = MakePage(1);
    for (int row : {2, 3, 4})
        FillFromDefaults(page, row);
    page.params.pageFlags = kPageFlagFromFile;
    RowCommand cmd = On(page, 3);
    ASSERT_TRUE(DefaultFile(cmd));
    EXPECT_FALSE(page.IsRowUsed(2));
    ExpectCells(page, {{3, MNUM, "003"}, {0, DESC, "LOW    66"}});
    EXPECT_TRUE(page.grid.IsReadOnly(0, MNUM));
    EXPECT_EQ(page.params.pageFlags, 0);
}

namespace {
// Sends the page's used rows to a simulated radio (primaries first, shadows in a second pass,
// as a transfer does) and reads its memory back into the cleared page.
void ReadBackThroughRadio(Page& page, int version) {
    radiosim::DigitalSettings settings;
    settings.protocol = version == 2 ? 2 : 1;
    settings.firmware = version == 2 ? "020100" : "010100";
    radiosim::DigitalRadio radio(settings);
    auto send = [&](const wxString& record) {
        return radio.Handle(std::string(WithChecksum(record).mb_str()));
    };
    send(ProtocolHeader(settings.protocol));
    send(kReadVersionRecord);
    send(kDownloadRecord);
    for (bool shadows : {false, true})
        for (int row = 0; row <= page.Rows(); ++row)
            if (page.IsRowUsed(row) && IsShadowRow(page, row) == shadows) {
                wxString record = encodeTrecord(page, row, version);
                if (!record.empty()) send(record);
            }
    ClearPage(page, 0);
    std::vector<std::string> reply = send(kUploadRecord);
    while (!reply.empty() && reply[0].rfind("T1", 0) == 0) {
        wxString line(reply[0]);
        decodeTrecord(page, line.Left(line.length() - 2), version);
        reply = send(kAckRecord);
    }
}
}  // namespace

// Random sequences of commands, undos and redos on P25 pages must keep every zone counter equal
// to the rows it counts and every shadow link whole; undoing every step gives back the first
// page, redoing them the last. Seeded, so a failure can be replayed.
class CommandSequences : public CommandTest, public testing::WithParamInterface<int> {};

TEST_P(CommandSequences, KeepZoneCountsAndShadowLinks) {
    TempDir dir;
    for (int radio : {6, 7}) {
        Page page = MakePage(radio);
        Page first = page;
        PageHistory history(page, 1000);
        std::mt19937 random(GetParam() * 31 + radio);
        auto pick = [&](int low, int high) {
            return std::uniform_int_distribution<int>(low, high)(random);
        };
        int lastRow = std::min(page.LastMemoryRow(), 60);
        for (int step = 0; step < 150; ++step) {
            int row = pick(1, lastRow);
            Select(page, {row, pick(1, lastRow)});
            RowCommand cmd = On(page, row);
            int command = pick(0, 16);
            switch (command) {
                case 0:
                    if (!page.IsRowUsed(row)) FillFromDefaults(page, row);
                    break;
                case 1: MakeShadow(page, row, pick(1, lastRow)); break;
                case 2: ClearRows(cmd); break;
                case 3: DeleteRows(cmd); break;
                case 4: InsertRow(cmd); break;
                case 5: DefaultRow(cmd); break;
                case 6:
                    CopyRow(cmd, buffer);
                    cmd.currentRow = pick(1, lastRow);
                    PasteRow(cmd, buffer);
                    break;
                case 7: CheckPage(page, dialogs, 0); break;
                case 8:
                    if (page.IsRowUsed(row) && !IsShadowRow(page, row))
                        ApplyZoneEdit(page, row, ZoneLabel(pick(0, 31), page.Type()));
                    break;
                case 9:
                    MarkRows(page);
                    page.grid.GetSelection().Clear();
                    page.grid.GetSelection().AddColumn(ZONE, page.grid.RowCount());
                    DefaultMarked(cmd);
                    break;
                case 10: RenumberToRowNum(cmd); break;
                case 11:
                    page.grid.GetSelection().Clear();
                    page.grid.GetSelection().AddColumn(ZONE, page.grid.RowCount());
                    DefaultColumn(cmd);
                    break;
                case 12:  // save, then open the file into the page
                    ASSERT_TRUE(SaveLumoFile(page, dir.Path("page.lumo")));
                    ASSERT_EQ(OpenLumoFileAt(dir.Path("page.lumo"), page, 0, nullptr), 0);
                    break;
                case 13: {  // write the page to a radio and read it back
                    int version = pick(1, 2);
                    ReadBackThroughRadio(page, version);
                    break;
                }
                case 14: history.Undo(page); break;
                case 15: history.Redo(page); break;
            }
            history.Record(page, "step");
            ASSERT_TRUE(PageIsConsistent(page))
                << "radio " << radio << " step " << step << " command " << command;
        }
        while (history.Redo(page)) {
        }
        Page last = page;
        while (history.Undo(page)) {
        }
        ExpectSamePage(page, first);
        while (history.Redo(page)) {
        }
        ExpectSamePage(page, last);
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, CommandSequences, testing::Range(1, 9));
