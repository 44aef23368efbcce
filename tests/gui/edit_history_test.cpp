// The Edit menu through the real frame: every kind of change is one step that Undo takes back
// and Redo does again, the items name the step, the keys reach them, each page keeps its own.
#include "support/gui_support.h"
#include "support/page_equality.h"
#include "support/page_fixtures.h"

#include <wx/clipbrd.h>
#include <wx/menu.h>

using namespace lumo;

namespace {
struct StepCase {
    const char* name;  // the step's name in the Undo item
    std::function<void()> act;
};

class EditHistoryTest : public FrameTest {
  protected:
    // Memories written straight into the store (the last one with a frequency the check
    // repairs), then taken as the page's start.
    void Fill(std::initializer_list<int> rows) {
        for (int row : rows)
            FillFromDefaults(CurrentPage(), row);
        CurrentPage().grid.Set(*std::prev(rows.end()), RFRQ, "999.0000");
        frame->CurrentView()->History().Reset(CurrentPage());
    }
    wxString UndoLabel() { return frame->GetMenuBar()->GetLabel(ID_UNDO); }
    void Key(int key, int modifiers) {
        wxUIActionSimulator sim;
        sim.Char(key, modifiers);
    }
};
}  // namespace

// Each kind of change, undone and redone: the page (cells, locks, colours, flags, zone counters,
// row count, target, the unsaved mark) comes back exactly, and the grid shows it.
TEST_F(EditHistoryTest, EveryKindOfChangeIsOneStepUndoneAndRedoneExactly) {
    const StepCase cases[] = {
        {"Edit Desc", [this] { Type(3, DESC, "AB"); }},
        {"Validate page data", [this] { Command(ID_VALIDATE); }},
        {"Delete row",
         [this] {
             Grid()->SelectRow(2);
             Command(ID_DELETE_ROW);
         }},
        {"Mark row",
         [this] {
             Grid()->SelectRow(3);
             Command(ID_MARK_ROW);
         }},
        {"Default file", [this] { Command(ID_DEFAULT_FILE); }},
        {"set Target", [this] { Retarget(6); }},
        {"Import",
         [this] {
             dialogs->texts.push_back(wxString(LUMO_TEST_DATA) + "/three-memories.m35");
             Command(ID_IMPORT);
         }},
        {"Delete",
         [this] {
             Focus(3, DESC);
             Key(WXK_DELETE, wxMOD_NONE);
             ASSERT_TRUE(WaitUntil([&] { return Grid()->GetCellValue(3, DESC).empty(); }));
         }},
    };
    for (const StepCase& step : cases) {
        SCOPED_TRACE(step.name);
        Fill({2, 3, 4});
        Page before = CurrentPage();
        step.act();
        Page after = CurrentPage();
        EXPECT_EQ(UndoLabel(), wxString("&Undo ") + step.name + "\tCtrl+Z");
        Command(ID_UNDO);
        ExpectSamePage(CurrentPage(), before);
        EXPECT_EQ(Grid()->GetNumberRows(), before.grid.RowCount());
        EXPECT_EQ(Grid()->GetCellValue(3, DESC), before.grid.Get(3, DESC));
        EXPECT_EQ(frame->GetMenuBar()->GetLabel(ID_REDO),
                  wxString("&Redo ") + step.name + "\tCtrl+Y");
        Command(ID_REDO);
        ExpectSamePage(CurrentPage(), after);
        EXPECT_EQ(Grid()->GetCellValue(3, DESC), after.grid.Get(3, DESC));
    }
}

// The unsaved mark follows the history, the shortcuts reach Undo and Redo, and a new change
// after an undo never counts as the saved state.
TEST_F(EditHistoryTest, TheUnsavedMarkFollowsTheHistoryAndTheKeysReachIt) {
    EXPECT_FALSE(frame->GetMenuBar()->IsEnabled(ID_UNDO));
    Type(2, DESC, "A");
    Type(2, DESC, "B");
    EXPECT_TRUE(CurrentPage().HasUnsavedChanges());
    Focus(5, DESC);
    Key('Z', wxMOD_CONTROL);
    ASSERT_TRUE(WaitUntil([&] { return Grid()->GetCellValue(2, DESC) == "A"; }));
    Key('Z', wxMOD_CONTROL);
    ASSERT_TRUE(WaitUntil([&] { return !CurrentPage().IsRowUsed(2); }));
    EXPECT_FALSE(CurrentPage().HasUnsavedChanges());
    Key('Y', wxMOD_CONTROL);
    ASSERT_TRUE(WaitUntil([&] { return Grid()->GetCellValue(2, DESC) == "A"; }));
    Key('Z', wxMOD_CONTROL | wxMOD_SHIFT);
    ASSERT_TRUE(WaitUntil([&] { return Grid()->GetCellValue(2, DESC) == "B"; }));
    Command(ID_UNDO);
    Command(ID_UNDO);
    Type(2, DESC, "C");
    EXPECT_TRUE(CurrentPage().HasUnsavedChanges());
    Command(ID_UNDO);
    EXPECT_FALSE(CurrentPage().HasUnsavedChanges());
}

// Each page has its own history; a deleted page's goes with it.
TEST_F(EditHistoryTest, EachPageKeepsItsOwnSteps) {
    Type(2, DESC, "ONE");
    dialogs->choices = {3};
    Command(ID_PAGE_ADD);
    ASSERT_EQ(frame->Pages().Count(), 2);
    EXPECT_EQ(UndoLabel(), "&Undo\tCtrl+Z");
    Type(4, DESC, "TWO");
    Command(ID_UNDO);
    EXPECT_FALSE(CurrentPage().IsRowUsed(4));
    EXPECT_EQ(frame->Pages().Slot(0).grid.Get(2, DESC), "ONE");
    Command(ID_PAGE_DELETE);
    ASSERT_EQ(frame->Pages().Count(), 1);
    EXPECT_EQ(UndoLabel(), "&Undo Edit Desc\tCtrl+Z");
    Command(ID_UNDO);
    EXPECT_FALSE(CurrentPage().IsRowUsed(2));
}

// Rows copied from a page of one radio paste into a page of another by column name, through the
// system clipboard, as one step; the header line names the copied columns.
TEST_F(EditHistoryTest, RowsCopiedOnOneRadioPasteOnAnotherByColumnName) {
    Retarget(3);  // VR-13, FM 138-174
    Fill({2, 3});
    Type(2, DESC, "ALPHA");
    Type(3, RFRQ, "147.3");
    Grid()->SelectRow(2);
    Grid()->SelectRow(3, true);
    Command(ID_COPY);
    wxString copied;
    {
        wxClipboardLocker lock;
        wxTextDataObject data;
        ASSERT_TRUE(wxTheClipboard->GetData(data));
        copied = data.GetText();
    }
    EXPECT_TRUE(copied.StartsWith("Chan\tScan\tDesc\tMode\tRxFreq")) << copied;

    dialogs->choices = {6};  // VRD-21, a P25 radio on FM 136-174
    Command(ID_PAGE_ADD);
    Page before = CurrentPage();
    Focus(5, DESC);
    Command(ID_PASTE);
    ExpectShown(
        {{5, DESC, "ALPHA"}, {6, RFRQ, "147.3000"}, {6, TFRQ, "147.3000"}, {5, MNUM, "005"}});
    EXPECT_TRUE(ZoneCountersMatchRows(CurrentPage()));
    EXPECT_EQ(UndoLabel(), "&Undo Paste\tCtrl+Z");
    Command(ID_UNDO);
    ExpectSamePage(CurrentPage(), before);
}

// A block that runs past the last memory row stops there: the guard rows and the rows below
// keep what they held; a value the page cannot hold is repaired and highlighted; Cut empties
// what it copied.
TEST_F(EditHistoryTest, APasteStopsAtTheLastMemoryRowAndRepairsWhatThePageCannotHold) {
    Retarget(3);
    Page& page = CurrentPage();
    int last = page.LastMemoryRow();
    Fill({2});
    Type(2, DESC, "CUT ME");
    Focus(2, DESC);
    Command(ID_CUT);
    EXPECT_EQ(Grid()->GetCellValue(2, DESC), "");
    {
        wxClipboardLocker lock;
        wxTheClipboard->SetData(
            new wxTextDataObject("Desc\tRxFreq\nONE\t450.0\nTWO\t147.3\nTHREE\t148.0\n"));
    }
    RowTexts guard = page.grid.GetRow(last + 1);
    Focus(last - 1, MNUM);
    Command(ID_PASTE);
    EXPECT_EQ(Grid()->GetCellValue(last - 1, DESC), "ONE");
    EXPECT_EQ(page.grid.Background(last - 1, RFRQ), std::optional<Rgb>(kHighlightColour));
    EXPECT_EQ(Grid()->GetCellValue(last, RFRQ), "147.3000");
    EXPECT_EQ(page.grid.GetRow(last + 1), guard);
    EXPECT_EQ(frame->GetStatusBar()->GetStatusText(0),
              "1 lines past the last memory row were not pasted");
}
