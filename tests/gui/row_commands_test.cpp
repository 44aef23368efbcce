// The row and column commands through the real frame: the grid's selection reaches the store
// and comes back, and the grid shows what the command did.
#include "support/gui_support.h"

#include "shell/commands.h"

using namespace lumo;

namespace {
class RowCommandTest : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        frame->SetContextMenuPresenter([](wxMenu&) {});
    }
    // Opens the row's context menu (which makes it the command's row) and runs a command.
    void OnRow(int row, int command) {
        Grid()->MakeCellVisible(row, MNUM);
        wxTheApp->Yield(true);
        wxRect rect = Grid()->CellToRect(row, MNUM);
        wxPoint scrolled = Grid()->CalcScrolledPosition(rect.GetTopLeft());
        wxPoint screen =
            Grid()->GetGridWindow()->ClientToScreen(wxPoint(-20, scrolled.y + rect.height / 2));
        wxContextMenuEvent event(wxEVT_CONTEXT_MENU, Grid()->GetId(), screen);
        event.SetEventObject(Grid());
        Grid()->GetEventHandler()->ProcessEvent(event);
        Command(command);
    }
    void Fill(int row) {
        CurrentPage().grid.SetRow(row, CurrentPage().grid.GetRow(0));
        CurrentPage().grid.Set(row, MNUM, wxString::Format("%03d", row));
        CurrentPage().grid.Set(row, PRIM, wxString::Format("%03d", row));
    }
};
}  // namespace

TEST_F(RowCommandTest, CreateShadowFromTheRowMenu) {
    dialogs->choices = {6};
    Command(ID_SET_TARGET);
    Fill(5);
    dialogs->texts = {wxString("12")};
    OnRow(5, ID_CREATE_SHADOW);
    EXPECT_EQ(dialogs->shown.back().caption, "For Primary: 005 create Shadow: 1");
    EXPECT_EQ(Grid()->GetCellValue(5, SHAD), "P-1");
    EXPECT_EQ(Grid()->GetCellValue(12, SHAD), "S-005");
    EXPECT_TRUE(Grid()->IsReadOnly(12, RFRQ));
}

TEST_F(RowCommandTest, CopyAndPasteBetweenRows) {
    Fill(3);
    CurrentPage().grid.Set(3, DESC, "COPY ME");
    OnRow(3, ID_COPY_ROW);
    OnRow(9, ID_PASTE_ROW);
    EXPECT_EQ(Grid()->GetCellValue(9, DESC), "COPY ME");
    EXPECT_EQ(Grid()->GetCellValue(9, MNUM), "") << "the copied number is already used";
    EXPECT_EQ(dialogs->Messages().back(), "Number already used at row: 003");
}

TEST_F(RowCommandTest, DeleteTheSelectedRowsKeepsTheGuards) {
    for (int row : {2, 4, 6})
        Fill(row);
    CurrentPage().grid.Set(6, DESC, "SIX");
    CurrentPage().grid.Set(121, DESC, "GUARD");
    Grid()->ClearSelection();
    Grid()->SelectRow(2, true);
    Grid()->SelectRow(4, true);
    Command(ID_DELETE_ROW);
    EXPECT_EQ(dialogs->shown.back().caption, "Delete Selection?");
    EXPECT_EQ(Grid()->GetCellValue(4, DESC), "SIX");
    EXPECT_EQ(Grid()->GetCellValue(121, DESC), "GUARD");
    EXPECT_EQ(Grid()->GetNumberRows(), 123);
    EXPECT_TRUE(Grid()->GetSelectedBlocks().begin() == Grid()->GetSelectedBlocks().end());
}

TEST_F(RowCommandTest, InsertAboveTheMenuRow) {
    for (int row : {3, 4})
        Fill(row);
    CurrentPage().grid.Set(3, DESC, "THREE");
    OnRow(3, ID_INSERT_ROW);
    EXPECT_EQ(Grid()->GetCellValue(3, DESC), "");
    EXPECT_EQ(Grid()->GetCellValue(4, DESC), "THREE");
    EXPECT_EQ(Grid()->GetCellValue(4, MNUM), "4");
}

TEST_F(RowCommandTest, MarkRowsThenDefaultTheMarkedColumn) {
    for (int row : {2, 3}) {
        Fill(row);
        CurrentPage().grid.Set(row, DESC, "KEEP");
    }
    CurrentPage().grid.Set(0, DESC, "NEW");
    Grid()->ClearSelection();
    Grid()->SelectRow(2);
    Command(ID_MARK_ROW);
    EXPECT_EQ(Grid()->GetCellBackgroundColour(2, DESC), wxColour(105, 160, 170));
    Grid()->SelectCol(DESC);
    Command(ID_DEFAULT_MARKED);
    EXPECT_EQ(Grid()->GetCellValue(2, DESC), "NEW");
    EXPECT_EQ(Grid()->GetCellValue(3, DESC), "KEEP");
    Command(ID_CLEAR_HIGHLIGHT);
    EXPECT_NE(Grid()->GetCellBackgroundColour(2, DESC), wxColour(105, 160, 170));
}

TEST_F(RowCommandTest, SelectAllAndDeselectAll) {
    Command(ID_SELECT_ALL);
    EXPECT_TRUE(Grid()->IsInSelection(122, TCOD));
    Command(ID_DESELECT_ALL);
    EXPECT_FALSE(Grid()->IsInSelection(5, 0));
}
