// A right click on the grid reaches the core's menu rules with what the page says about the
// row or column under it (the rules themselves are checked in commands_test).
#include "support/gui_support.h"

#include "commands/commands.h"

#include <algorithm>

using namespace lumo;

namespace {
class ContextMenuTest : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        frame->SetContextMenuPresenter([this](wxMenu& menu) {
            for (wxMenuItem* item : menu.GetMenuItems())
                shownItems.push_back(item->GetId());
            ++popups;
        });
    }

    // Right click at a point given in the grid's cell-window coordinates; a negative row or
    // column stands for its label.
    std::vector<int> RightClick(int row, int col) {
        int cellRow = row < 0 ? 1 : row, cellCol = col < 0 ? 0 : col;
        Grid()->MakeCellVisible(cellRow, cellCol);
        wxTheApp->Yield(true);
        wxRect rect = Grid()->CellToRect(cellRow, cellCol);
        wxPoint at = Grid()->CalcScrolledPosition(rect.GetTopLeft()) +
                     wxPoint(rect.width / 2, rect.height / 2);
        if (col < 0) at.x = -20;
        if (row < 0) at.y = -10;
        shownItems.clear();
        wxContextMenuEvent event(wxEVT_CONTEXT_MENU, Grid()->GetId(),
                                 Grid()->GetGridWindow()->ClientToScreen(at));
        event.SetEventObject(Grid());
        Grid()->GetEventHandler()->ProcessEvent(event);
        return shownItems;
    }

    std::vector<int> shownItems;
    int popups = 0;
};
}  // namespace

TEST_F(ContextMenuTest, TheClickedRowOrColumnAndThePageDecideTheMenu) {
    Retarget(6);  // a P25 page: memory 1 and the guard memories in use
    CurrentPage().grid.SetRow(7, CurrentPage().grid.GetRow(1));
    CurrentPage().grid.Set(7, MFLG, "01");

    EXPECT_EQ(RightClick(0, -1), (std::vector<int>{ID_LOAD_DEFAULT, ID_SAVE_DEFAULT}));
    EXPECT_EQ(RightClick(1, -1),
              (std::vector<int>{ID_DEFAULT_ROW, ID_CREATE_SHADOW, ID_COPY_ROW, ID_PASTE_ROW,
                                ID_CLEAR_ROW, ID_MARK_ROW, ID_INSERT_ROW, ID_DELETE_ROW}));
    EXPECT_EQ(frame->ContextRow(), 1);
    EXPECT_TRUE(Grid()->IsInSelection(1, 0));
    std::vector<int> shadow = RightClick(7, -1);
    EXPECT_EQ(std::count(shadow.begin(), shadow.end(), ID_CREATE_SHADOW), 0);
    EXPECT_EQ(RightClick(231, -1), (std::vector<int>{ID_DEFAULT_ROW, ID_COPY_ROW, ID_PASTE_ROW,
                                                     ID_CLEAR_ROW, ID_MARK_ROW}));
    EXPECT_EQ(RightClick(5, -1),
              (std::vector<int>{ID_DEFAULT_ROW, ID_PASTE_ROW, ID_INSERT_ROW, ID_DELETE_ROW}));

    EXPECT_EQ(RightClick(-1, MNUM), (std::vector<int>{ID_RENUMBER_TO_ROW, ID_RENUMBER_SEQUENCE}));
    EXPECT_TRUE(Grid()->IsInSelection(40, MNUM));
    CurrentPage().params.pageFlags |= kPageFlagMarked;
    EXPECT_EQ(RightClick(-1, RFRQ), (std::vector<int>{ID_DEFAULT_COL, ID_DEFAULT_MARKED}));

    EXPECT_EQ(RightClick(-1, -1), (std::vector<int>{ID_DEFAULT_FILE}));
    EXPECT_TRUE(Grid()->IsInSelection(100, TCOD));
    EXPECT_EQ(frame->ContextMenu().GetMenuItemCount(), 1u) << "the menu is rebuilt each time";

    int before = popups;
    EXPECT_TRUE(RightClick(3, DESC).empty()) << "cells show no menu";
    EXPECT_EQ(popups, before);
}
