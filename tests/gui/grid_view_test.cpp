#include "support/gui_support.h"

#include "page_attr_provider.h"

#include <wx/textctrl.h>
#include <wx/uiaction.h>

using namespace lumo;

TEST_F(FrameTest, GridShowsThePageLayout) {
    wxGrid* grid = Grid();
    EXPECT_EQ(grid->GetNumberRows(), 123);
    EXPECT_EQ(grid->GetNumberCols(), 32);
    EXPECT_EQ(grid->GetRowLabelValue(7), "007");
    EXPECT_EQ(grid->GetColLabelValue(RFRQ), "RxFreq");
    EXPECT_EQ(grid->GetColLabelValue(MFLG), "");
    int shown = 0;
    for (int col = 0; col < 32; ++col)
        shown += grid->IsColShown(col) && grid->GetColSize(col) == ColumnWidths[kANFM][col];
    EXPECT_EQ(shown, 10);
    EXPECT_EQ(grid->GetCellValue(0, DESC), "LOW    66");
    EXPECT_TRUE(grid->IsReadOnly(0, MNUM));
    EXPECT_FALSE(grid->IsReadOnly(1, MNUM));
}

TEST_F(FrameTest, StoreColoursReachTheGridWithoutCellAttributes) {
    CurrentPage().grid.SetBackground(4, DESC, kHighlightColour);
    CurrentPage().grid.SetBackground(6, DESC, kHighlightColour);
    EXPECT_EQ(Grid()->GetCellBackgroundColour(4, DESC), wxColour(235, 125, 50));
    EXPECT_EQ(Grid()->GetCellBackgroundColour(6, DESC), wxColour(235, 125, 50));
    EXPECT_NE(Grid()->GetCellBackgroundColour(5, DESC), wxColour(235, 125, 50));
    auto* provider = static_cast<PageAttrProvider*>(Grid()->GetTable()->GetAttrProvider());
    for (int row = 0; row < Grid()->GetNumberRows(); ++row)
        for (int col = 0; col < 32; ++col)
            Grid()->GetCellBackgroundColour(row, col);
    EXPECT_LT(provider->CachedAttrCount(), 40u) << "cells that look alike share one attribute";
}

TEST_F(FrameTest, SelectionTravelsBetweenGridAndStore) {
    Grid()->SelectRow(3);
    Grid()->SelectBlock(7, 2, 9, 4, true);
    frame->CurrentView()->SelectionToStore();
    const Selection& sel = CurrentPage().grid.GetSelection();
    EXPECT_TRUE(sel.IsRowSelected(3));
    EXPECT_TRUE(sel.Contains(8, 3));
    EXPECT_FALSE(sel.IsRowSelected(8));
    CurrentPage().grid.GetSelection().Clear();
    CurrentPage().grid.GetSelection().AddRow(11);
    frame->CurrentView()->SelectionFromStore();
    EXPECT_TRUE(Grid()->IsInSelection(11, 0));
    EXPECT_FALSE(Grid()->IsInSelection(3, 0));
}

TEST_F(FrameTest, TypingIntoABlankRowFillsItFromTheDefaultRowFirst) {
    wxGrid* grid = Grid();
    CurrentPage().grid.Set(20, DESC, "KEEP");
    CurrentPage().grid.Set(20, TFLG, "A0");
    grid->SelectRow(20);
    grid->SetFocus();
    grid->SetGridCursor(5, DESC);
    grid->MakeCellVisible(5, DESC);
    ASSERT_TRUE(WaitUntil([&] { return grid->GetGridWindow()->IsShownOnScreen(); }));
    wxUIActionSimulator sim;
    grid->GetGridWindow()->SetFocus();
    wxTheApp->Yield(true);
    sim.Text("PARK");
    ASSERT_TRUE(WaitUntil([&] { return grid->IsCellEditControlShown(); }))
        << "the editor opens on the first key";
    // Ends the edit where it is (Enter would also move the cursor, which resets the selection).
    grid->DisableCellEditControl();
    ASSERT_TRUE(WaitUntil([&] { return grid->GetCellValue(5, DESC) == "PARK"; }));
    EXPECT_EQ(grid->GetCellValue(5, MNUM), "005");
    EXPECT_EQ(grid->GetCellValue(5, RFRQ), "66.0000");
    EXPECT_EQ(grid->GetCellValue(5, TFLG), "A0");
    EXPECT_TRUE(grid->IsInSelection(5, 0));
    EXPECT_EQ(grid->GetCellValue(20, DESC), "KEEP") << "other selected rows keep their data";
    EXPECT_FALSE(grid->IsInSelection(20, 0));
}
