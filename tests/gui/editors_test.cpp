// Typing into real cells: the editors, their key filters and what an edit does to its row.
#include "support/gui_support.h"

#include "commands/commands.h"

#include <wx/dcclient.h>
#include <wx/uiaction.h>

using namespace lumo;

namespace {
using EditorTest = FrameTest;
}  // namespace

// Typing into a cell: the editor's key filter rings at a refused key, and the end of the edit
// completes the text and sets its companions.
TEST_F(EditorTest, TypedTextIsFilteredAndCompleted) {
    const struct {
        int radio, row, col;
        const char* keys;
        std::vector<std::pair<int, const char*>> cells;
        bool bell;
    } cases[] = {
        {1, 5, RFRQ, "70.5", {{RFRQ, "70.5000"}, {TFRQ, "70.5000"}}, false},
        {1, 6, RFRQ, "70.003", {{RFRQ, "70.0000"}}, true},
        {1, 7, DESC, "tac#2", {{DESC, "TAC2"}}, true},
        {6, 1, RNAC, "f", {{RNAC, "00F"}, {TNAC, "00F"}}, false},
        {6, 1, RTGP, "g", {}, true},  // no hexadecimal digit
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        if (CurrentPage().params.radio != c.radio) Retarget(c.radio);
        int bells = dialogs->bells;
        Type(c.row, c.col, c.keys);
        for (const auto& [col, text] : c.cells)
            EXPECT_EQ(Grid()->GetCellValue(c.row, col), text) << ColumnKeys[col];
        EXPECT_EQ(dialogs->bells > bells, c.bell);
    }
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
