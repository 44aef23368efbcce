// The row and column commands through the real frame: the grid's selection reaches the store
// and comes back, and the grid shows what the command did.
#include "support/gui_support.h"
#include "support/page_fixtures.h"

#include "commands/commands.h"

using namespace lumo;

namespace {
class RowCommandTest : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        frame->SetContextMenuPresenter([this](wxMenu&) { ++menus; });
    }
    // Right-clicks the row's label with the mouse, as the user does (which makes it the
    // command's row), and runs a command of the menu.
    void OnRow(int row, int command) {
        Grid()->MakeCellVisible(row, MNUM);
        wxTheApp->Yield(true);
        wxRect rect = Grid()->CellToRect(row, MNUM);
        wxPoint scrolled = Grid()->CalcScrolledPosition(rect.GetTopLeft());
        // Successive clicks land apart, so none is taken for the second half of a double click.
        int y = scrolled.y + rect.height / 2 + (menus % 2 ? -6 : 6);
        wxPoint screen = Grid()->GetGridWindow()->ClientToScreen(wxPoint(-10, y));
        int before = menus;
        wxUIActionSimulator sim;
        sim.MouseMove(screen);
        wxTheApp->Yield(true);
        sim.MouseClick(wxMOUSE_BTN_RIGHT);
        ASSERT_TRUE(WaitUntil([&] { return menus > before; }));
        Command(command);
    }
    int menus = 0;
};
}  // namespace

// Each right click on a row that is not selected makes it the only selected row: the commands
// act on that row alone. A pasted row keeps its place's memory number.
TEST_F(RowCommandTest, CopyPasteAndDefaultActOnTheRowsClickedOnly) {
    dialogs->choices = {6};
    Command(ID_SET_TARGET);
    CurrentPage().grid.Set(1, DESC, "ONE");
    dialogs->texts = {wxString("12")};
    OnRow(1, ID_CREATE_SHADOW);
    OnRow(1, ID_COPY_ROW);
    OnRow(3, ID_PASTE_ROW);
    OnRow(5, ID_DEFAULT_ROW);
    ExpectShown({{1, DESC, "ONE"}, {1, SHAD, "P-1"}, {12, SHAD, "S-001"}});
    ExpectShown({{3, DESC, "ONE"}, {3, MNUM, "003"}, {5, MNUM, "005"}});
    EXPECT_TRUE(dialogs->Messages().empty());

    // A right click on a selected row keeps the selection: the command takes every row.
    FillFromDefaults(CurrentPage(), 7);
    FillFromDefaults(CurrentPage(), 8);
    Grid()->ClearSelection();
    Grid()->SelectRow(7);
    Grid()->SelectRow(8, true);
    OnRow(8, ID_CLEAR_ROW);
    EXPECT_FALSE(CurrentPage().IsRowUsed(7));
    EXPECT_FALSE(CurrentPage().IsRowUsed(8));
}

TEST_F(RowCommandTest, SelectAllAndDeselectAll) {
    Command(ID_SELECT_ALL);
    EXPECT_TRUE(Grid()->IsInSelection(122, TCOD));
    Command(ID_DESELECT_ALL);
    EXPECT_FALSE(Grid()->IsInSelection(5, 0));
}
