// The Edit menu through the real frame: every kind of change is one step that Undo takes back
// and Redo does again, the items name the step, the keys reach them, each page keeps its own.
#include "support/gui_support.h"
#include "support/page_equality.h"

#include <wx/menu.h>

using namespace lumo;

namespace {
class EditHistoryTest : public FrameTest {
  public:
    // For the table of steps.
    using FrameTest::Command;
    using FrameTest::CurrentPage;
    using FrameTest::dialogs;
    using FrameTest::Focus;
    using FrameTest::Grid;
    using FrameTest::Retarget;
    using FrameTest::Type;

    // Memories written straight into the store (the last one with a frequency the check
    // repairs), then taken as the page's start.
    void Fill(std::initializer_list<int> rows) {
        for (int row : rows) {
            CurrentPage().grid.SetRow(row, CurrentPage().grid.GetRow(0));
            CurrentPage().grid.Set(row, MNUM, wxString::Format("%03d", row));
            CurrentPage().grid.Set(row, PRIM, wxString::Format("%03d", row));
        }
        CurrentPage().grid.Set(*std::prev(rows.end()), RFRQ, "999.0000");
        frame->CurrentView()->History().Reset(CurrentPage());
    }
    wxString UndoLabel() { return frame->GetMenuBar()->GetLabel(ID_UNDO); }
    void Key(int key, int modifiers) {
        wxUIActionSimulator sim;
        sim.Char(key, modifiers);
    }
};

struct StepCase {
    const char* name;  // the step's name in the Undo item
    std::function<void(EditHistoryTest&)> act;
};
}  // namespace

// Each kind of change, undone and redone: the page (cells, locks, colours, flags, zone counters,
// row count, target, the unsaved mark) comes back exactly, and the grid shows it.
TEST_F(EditHistoryTest, EveryKindOfChangeIsOneStepUndoneAndRedoneExactly) {
    const StepCase cases[] = {
        {"Edit Desc", [](EditHistoryTest& t) { t.Type(3, DESC, "AB"); }},
        {"Validate page data", [](EditHistoryTest& t) { t.Command(ID_VALIDATE); }},
        {"Delete row",
         [](EditHistoryTest& t) {
             t.Grid()->SelectRow(2);
             t.Command(ID_DELETE_ROW);
         }},
        {"Mark row",
         [](EditHistoryTest& t) {
             t.Grid()->SelectRow(3);
             t.Command(ID_MARK_ROW);
         }},
        {"Default file", [](EditHistoryTest& t) { t.Command(ID_DEFAULT_FILE); }},
        {"set Target", [](EditHistoryTest& t) { t.Retarget(6); }},
        {"Import",
         [](EditHistoryTest& t) {
             t.dialogs->texts.push_back(wxString(LUMO_TEST_DATA) + "/three-memories.m35");
             t.Command(ID_IMPORT);
         }},
        {"Delete",
         [](EditHistoryTest& t) {
             t.Focus(3, DESC);
             t.Key(WXK_DELETE, wxMOD_NONE);
             ASSERT_TRUE(WaitUntil([&] { return t.Grid()->GetCellValue(3, DESC).empty(); }));
         }},
    };
    for (const StepCase& step : cases) {
        SCOPED_TRACE(step.name);
        Fill({2, 3, 4});
        Page before = CurrentPage();
        step.act(*this);
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
