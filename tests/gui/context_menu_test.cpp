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
            shownItems.clear();
            for (wxMenuItem* item : menu.GetMenuItems())
                shownItems.push_back(item->GetId());
            ++popups;
        });
    }

    // Right click at a point given in the grid's cell-window coordinates.
    void RightClickAt(wxPoint cellWindowPoint) {
        shownItems.clear();
        wxPoint screen = Grid()->GetGridWindow()->ClientToScreen(cellWindowPoint);
        wxContextMenuEvent event(wxEVT_CONTEXT_MENU, Grid()->GetId(), screen);
        event.SetEventObject(Grid());
        Grid()->GetEventHandler()->ProcessEvent(event);
    }

    // The middle of a row, as seen from the row labels.
    void RightClickRowLabel(int row) {
        Grid()->MakeCellVisible(row, MNUM);
        wxTheApp->Yield(true);
        wxRect rect = Grid()->CellToRect(row, MNUM);
        wxPoint scrolled = Grid()->CalcScrolledPosition(rect.GetTopLeft());
        RightClickAt(wxPoint(-20, scrolled.y + rect.height / 2));
    }

    void RightClickColumnLabel(int col) {
        Grid()->MakeCellVisible(1, col);
        wxTheApp->Yield(true);
        wxRect rect = Grid()->CellToRect(1, col);
        wxPoint scrolled = Grid()->CalcScrolledPosition(rect.GetTopLeft());
        RightClickAt(wxPoint(scrolled.x + rect.width / 2, -10));
    }

    std::vector<int> shownItems;
    int popups = 0;
};
}  // namespace

TEST_F(ContextMenuTest, DefaultRowOffersLoadAndSaveDefaults) {
    RightClickRowLabel(0);
    EXPECT_EQ(shownItems, (std::vector<int>{ID_LOAD_DEFAULT, ID_SAVE_DEFAULT}));
    EXPECT_EQ(frame->ContextRow(), 0);
}

TEST_F(ContextMenuTest, EmptyRowOffersDefaultPasteInsertDelete) {
    RightClickRowLabel(5);
    EXPECT_EQ(shownItems,
              (std::vector<int>{ID_DEFAULT_ROW, ID_PASTE_ROW, ID_INSERT_ROW, ID_DELETE_ROW}));
    EXPECT_EQ(frame->ContextRow(), 5);
    EXPECT_TRUE(Grid()->IsInSelection(5, 0));
}

TEST_F(ContextMenuTest, GuardRowOffersNeitherInsertNorDelete) {
    CurrentPage().grid.Set(121, DESC, "GUARD");
    RightClickRowLabel(121);
    EXPECT_EQ(shownItems, (std::vector<int>{ID_DEFAULT_ROW, ID_COPY_ROW, ID_PASTE_ROW, ID_CLEAR_ROW,
                                            ID_MARK_ROW}));
}

TEST_F(ContextMenuTest, UsedRowOfAnAnalogPageOffersNoShadow) {
    CurrentPage().grid.Set(9, DESC, "TAC");
    RightClickRowLabel(9);
    EXPECT_EQ(shownItems, (std::vector<int>{ID_DEFAULT_ROW, ID_COPY_ROW, ID_PASTE_ROW, ID_CLEAR_ROW,
                                            ID_MARK_ROW, ID_INSERT_ROW, ID_DELETE_ROW}));
}

TEST_F(ContextMenuTest, ColumnLabelsOfferRenumberingOrColumnDefaults) {
    RightClickColumnLabel(MNUM);
    EXPECT_EQ(shownItems, (std::vector<int>{ID_RENUMBER_TO_ROW, ID_RENUMBER_SEQUENCE}));
    EXPECT_TRUE(Grid()->IsInSelection(40, MNUM));
    RightClickColumnLabel(DESC);
    EXPECT_EQ(shownItems, (std::vector<int>{ID_DEFAULT_COL}));
    CurrentPage().params.pageFlags |= kPageFlagMarked;
    RightClickColumnLabel(RFRQ);
    EXPECT_EQ(shownItems, (std::vector<int>{ID_DEFAULT_COL, ID_DEFAULT_MARKED}));
}

TEST_F(ContextMenuTest, CornerOffersDefaultFileAndSelectsEverything) {
    RightClickAt(wxPoint(-5, -5));
    EXPECT_EQ(shownItems, (std::vector<int>{ID_DEFAULT_FILE}));
    EXPECT_TRUE(Grid()->IsInSelection(100, TCOD));
}

TEST_F(ContextMenuTest, CellsShowNoMenu) {
    RightClickAt(wxPoint(60, 40));
    EXPECT_EQ(popups, 0);
}

TEST_F(ContextMenuTest, MenuIsRebuiltForEveryClick) {
    RightClickRowLabel(0);
    RightClickRowLabel(3);
    EXPECT_EQ(frame->ContextMenu().GetMenuItemCount(), 4u);
    EXPECT_EQ(popups, 2);
}

TEST_F(ContextMenuTest, P25RowsOfferShadowsExceptOnShadowsAndGuards) {
    dialogs->choices = {6};
    Command(ID_SET_TARGET);
    RightClickRowLabel(1);
    EXPECT_EQ(shownItems,
              (std::vector<int>{ID_DEFAULT_ROW, ID_CREATE_SHADOW, ID_COPY_ROW, ID_PASTE_ROW,
                                ID_CLEAR_ROW, ID_MARK_ROW, ID_INSERT_ROW, ID_DELETE_ROW}));
    CurrentPage().grid.SetRow(7, CurrentPage().grid.GetRow(1));
    CurrentPage().grid.Set(7, MFLG, "01");
    RightClickRowLabel(7);
    EXPECT_EQ(std::count(shownItems.begin(), shownItems.end(), ID_CREATE_SHADOW), 0);
    RightClickRowLabel(231);
    EXPECT_EQ(std::count(shownItems.begin(), shownItems.end(), ID_CREATE_SHADOW), 0);
    EXPECT_EQ(std::count(shownItems.begin(), shownItems.end(), ID_DELETE_ROW), 0);
}
