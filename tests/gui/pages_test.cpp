#include "support/gui_support.h"
#include "support/pty_pair.h"

#include "commands/commands.h"

#include <wx/notebook.h>
#include <wx/statusbr.h>

using namespace lumo;

namespace {
class PagesTest : public FrameTest {
  protected:
    void AddPage(int radio, std::optional<int> band = std::nullopt) {
        dialogs->choices.push_back(radio);
        if (band) dialogs->choices.push_back(*band);
        Command(ID_PAGE_ADD);
    }
    wxString Status(int field) { return frame->GetStatusBar()->GetStatusText(field); }
    wxString Tab(int page) { return frame->Notebook()->GetPageText(page); }
};
}  // namespace

TEST_F(PagesTest, AnAddedPageBecomesCurrentAndEachPageShowsItsStatus) {
    AddPage(9, 0);  // VR-30, FM 138-174
    ASSERT_EQ(frame->Notebook()->GetPageCount(), 2u);
    EXPECT_EQ(frame->GetTitle(), "Norv Lumo: Page 2 of 2.");
    EXPECT_EQ(frame->Pages().Current(), 1);
    EXPECT_EQ(Tab(1), "VR-30");
    EXPECT_EQ(Status(1), "VR-30");
    EXPECT_EQ(Status(2), "FM 138-174");
    EXPECT_EQ(Status(3), "202 Rows");
    EXPECT_EQ(Grid()->GetNumberRows(), 203);
    EXPECT_EQ(Grid()->GetCellValue(0, DESC), "VHF   138");
    EXPECT_EQ(frame->Pages().FirstGuardRow(), 201);
    frame->Notebook()->SetSelection(0);
    ASSERT_TRUE(WaitUntil([&] { return frame->Pages().Current() == 0; }));
    EXPECT_EQ(frame->GetTitle(), "Norv Lumo: Page 1 of 2.");
    EXPECT_EQ(Status(1), "VR-12");
    EXPECT_EQ(Status(3), "122 Rows");
    EXPECT_EQ(frame->Pages().FirstGuardRow(), 121);
}

TEST_F(PagesTest, SeventhPageIsRefused) {
    for (int i = 0; i < 5; ++i)
        AddPage(i);
    ASSERT_EQ(frame->Pages().Count(), 6);
    Command(ID_PAGE_ADD);
    EXPECT_EQ(dialogs->shown.back().text, "Cannot add further pages to notebook");
    EXPECT_EQ(dialogs->shown.back().caption, "MAX Page Reached");
    EXPECT_EQ(frame->Notebook()->GetPageCount(), 6u);
}

TEST_F(PagesTest, DeletingASlotMovesTheOnesAboveIt) {
    Command(ID_PAGE_DELETE);
    EXPECT_EQ(dialogs->shown.back().text, "There must always be at least one Page");
    AddPage(0);
    AddPage(2);
    AddPage(8);  // slots: VR-12, VR-11, VR-19, VRA-50
    frame->Notebook()->SetSelection(1);
    ASSERT_TRUE(WaitUntil([&] { return frame->Pages().Current() == 1; }));
    frame->Pages().Slot(2).grid.Set(3, DESC, "MOVED");
    Command(ID_PAGE_DELETE);
    EXPECT_EQ(dialogs->shown.back().caption, "Delete Page?");
    ASSERT_EQ(frame->Notebook()->GetPageCount(), 3u);
    EXPECT_EQ(frame->Pages().Count(), 3);
    EXPECT_EQ((std::vector<wxString>{Tab(0), Tab(1), Tab(2)}),
              (std::vector<wxString>{"VR-12", "VR-19", "VRA-50"}));
    EXPECT_EQ(frame->Pages().Slot(1).strings.radioName, "VR-19");
    EXPECT_EQ(frame->Pages().Slot(1).grid.Get(3, DESC), "MOVED");
    EXPECT_EQ(frame->Pages().Slot(3).strings.radioName, "");
    EXPECT_EQ(frame->View(3), nullptr);
    int current = frame->Pages().Current();
    EXPECT_TRUE(
        frame->GetTitle().StartsWith(wxString::Format("Norv Lumo: Page %d of 3.", current + 1)));
    EXPECT_EQ(&frame->CurrentView()->GetPage(), &frame->Pages().Slot(current));
}

TEST_F(PagesTest, RetargetingResizesTheGridAndShowsTheNewColumns) {
    CurrentPage().grid.Set(121, DESC, "GUARD1");
    dialogs->choices = {9, 0};  // VR-30 FM 138-174, 202 rows
    Command(ID_SET_TARGET);
    EXPECT_EQ(dialogs->shown[0].caption, "Change Target?");
    EXPECT_EQ(Grid()->GetNumberRows(), 203);
    EXPECT_EQ(Grid()->GetCellValue(201, DESC), "GUARD1");
    EXPECT_EQ(Status(3), "202 Rows");
    EXPECT_EQ(Tab(0), "VR-30");
    dialogs->choices = {7};
    Command(ID_SET_TARGET);
    EXPECT_EQ(Grid()->GetNumberRows(), 503);
    EXPECT_EQ(Grid()->GetColSize(RNSV), 50);
    EXPECT_EQ(Grid()->GetColLabelValue(ZONE), "Zone");
    EXPECT_EQ(Grid()->GetCellValue(502, MNUM), "502");
}

TEST_F(PagesTest, ChosenPortIsShownInTheStatusBar) {
    PtyPair port;
    ASSERT_TRUE(port.Ok());
    EXPECT_EQ(Status(4), "");
    dialogs->choices = {-1};  // the scripted dialog answers past the list: nothing chosen
    Command(ID_SET_PORT);
    EXPECT_EQ(Status(4), "");
    size_t entries = dialogs->choiceRequests.back().choices.size();
    dialogs->choices = {static_cast<int>(entries - 1)};  // "Other device..."
    dialogs->texts = {port.WxPath()};
    Command(ID_SET_PORT);
    EXPECT_EQ(Status(4), port.WxPath());
    EXPECT_EQ(frame->Port().name, port.WxPath());
}
