// Typing into real cells: the editors, their key filters and what an edit does to its row.
#include "support/gui_support.h"

#include "commands/commands.h"

#include <wx/dcclient.h>
#include <wx/uiaction.h>

using namespace lumo;

namespace {
using EditorTest = FrameTest;
}  // namespace

TEST_F(EditorTest, FrequencyIsCompletedAtTheEndOfTheEdit) {
    Type(5, RFRQ, "70.5");
    EXPECT_EQ(Grid()->GetCellValue(5, RFRQ), "70.5000");
    EXPECT_EQ(Grid()->GetCellValue(5, TFRQ), "70.5000") << "RFRQ is copied to TFRQ";
}

TEST_F(EditorTest, RefusedKeyRingsAndLeavesTheTextAlone) {
    Type(5, RFRQ, "70.003");
    EXPECT_GE(dialogs->bells, 1);
    EXPECT_EQ(Grid()->GetCellValue(5, RFRQ), "70.0000");
}

TEST_F(EditorTest, ReceiveOnlyTransmitFrequencyBecomesNotApplicable) {
    Retarget(17, 5);  // the modular radio's module page
    CurrentPage().grid.SetRow(3, CurrentPage().grid.GetRow(0));
    CurrentPage().grid.Set(3, BAND, "AM 108-138");
    Type(3, TFRQ, "112.1");
    EXPECT_EQ(Grid()->GetCellValue(3, TFRQ), "n/a");
    Type(3, RFRQ, "112.1");
    EXPECT_EQ(Grid()->GetCellValue(3, RFRQ), "112.100");
    EXPECT_EQ(Grid()->GetCellValue(3, TFRQ), "n/a") << "a receive-only RFRQ is not copied";
}

TEST_F(EditorTest, NacTypedAsLowerCaseIsStoredPadded) {
    Retarget(6);
    Type(1, RNAC, "f");
    EXPECT_EQ(Grid()->GetCellValue(1, RNAC), "00F");
    EXPECT_EQ(Grid()->GetCellValue(1, TNAC), "00F");
    Type(1, RTGP, "g");
    EXPECT_GE(dialogs->bells, 1) << "g is no hexadecimal digit";
}

TEST_F(EditorTest, ScanCellTogglesItsListsByKey) {
    CurrentPage().grid.SetRow(5, CurrentPage().grid.GetRow(0));
    CurrentPage().grid.Set(5, MNUM, "005");
    Focus(5, SCAN);
    wxUIActionSimulator sim;
    sim.Char('3');
    ASSERT_TRUE(WaitUntil([&] { return Grid()->GetCellValue(5, SCAN) == "4"; }));
    sim.Char('3');
    ASSERT_TRUE(WaitUntil([&] { return Grid()->GetCellValue(5, SCAN) == "0"; }));
}

TEST_F(EditorTest, DescriptionIsUpperCasedAndFilteredWhileTyping) {
    Type(7, DESC, "tac#2");
    EXPECT_EQ(Grid()->GetCellValue(7, DESC), "TAC2");
    EXPECT_GE(dialogs->bells, 1);
}

TEST_F(EditorTest, GuardRowsLockTheirNumberAndReceiveTone) {
    EXPECT_TRUE(Grid()->IsReadOnly(121, MNUM));
    EXPECT_TRUE(Grid()->IsReadOnly(122, RTON));
    EXPECT_TRUE(Grid()->IsReadOnly(122, SCAN));
    EXPECT_FALSE(Grid()->IsReadOnly(122, TTON));
    Retarget(6);
    EXPECT_TRUE(Grid()->IsReadOnly(231, ZONE));
    EXPECT_FALSE(Grid()->IsReadOnly(231, RTON));
}

TEST_F(EditorTest, ValidateCommandRepairsAndHighlights) {
    CurrentPage().grid.SetRow(4, CurrentPage().grid.GetRow(0));
    CurrentPage().grid.Set(4, RFRQ, "150.0000");
    Command(ID_VALIDATE);
    EXPECT_EQ(dialogs->shown[0].caption, "Validate Page");
    EXPECT_EQ(Grid()->GetCellValue(4, RFRQ), "66.0000");
    EXPECT_EQ(Grid()->GetCellBackgroundColour(4, RFRQ), wxColour(235, 125, 50));
    EXPECT_EQ(frame->GetStatusBar()->GetStatusText(0),
              "Checked 1 memory: 2 values repaired, highlighted");
    Command(ID_CLEAR_HIGHLIGHT);
    EXPECT_NE(Grid()->GetCellBackgroundColour(4, RFRQ), wxColour(235, 125, 50));
}

TEST_F(EditorTest, ScanBoxesToggleByClickAndNeedAChannelNumber) {
    CurrentPage().grid.SetRow(5, CurrentPage().grid.GetRow(0));
    CurrentPage().grid.Set(5, MNUM, "005");
    wxGrid* grid = Grid();
    grid->MakeCellVisible(5, SCAN);
    wxTheApp->Yield(true);
    auto clickBox = [&](int row, int box) {
        wxClientDC dc(grid->GetGridWindow());
        dc.SetFont(grid->GetDefaultCellFont());
        int labelWidth = dc.GetTextExtent(wxString(L"\u2610\u2610\u2610\u2610\u2610")).x;
        wxRect cell = grid->CellToRect(row, SCAN);
        wxPoint origin = grid->CalcScrolledPosition(cell.GetTopLeft());
        int x = origin.x + (cell.width - labelWidth) / 2 + labelWidth * (2 * box + 1) / 10;
        wxPoint screen =
            grid->GetGridWindow()->ClientToScreen(wxPoint(x, origin.y + cell.height / 2));
        // A click activates the cell that is already current.
        grid->SetGridCursor(row, SCAN);
        wxUIActionSimulator sim;
        sim.MouseMove(screen);
        wxTheApp->Yield(true);
        sim.MouseClick();
    };
    clickBox(5, 2);
    EXPECT_TRUE(WaitUntil([&] { return grid->GetCellValue(5, SCAN) == "4"; }))
        << grid->GetCellValue(5, SCAN);
    clickBox(8, 0);
    EXPECT_TRUE(WaitUntil([&] { return !dialogs->Messages().empty(); }));
    EXPECT_EQ(dialogs->Messages().back(), "Chan number cannot be empty!");
    EXPECT_EQ(dialogs->shown.back().caption, "ERROR");
}
