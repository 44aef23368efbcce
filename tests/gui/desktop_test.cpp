// What a user of desktop editors reaches for: shortcuts, recent files, the title, feedback.
#include "support/gui_support.h"

#include "lumo_printing.h"

#include <wx/filefn.h>
#include <wx/notebook.h>

using namespace lumo;

namespace {
class DesktopTest : public FrameTest {
  protected:
    // A data file of the test folder, copied where the test may write it.
    wxString CopyOfData(const char* name) {
        wxCopyFile(wxString(LUMO_TEST_DATA) + "/" + name, scratch.Path(name));
        return scratch.Path(name);
    }
    wxString Status() const { return frame->GetStatusBar()->GetStatusText(0); }
    // The next run of the program, with the settings this one leaves.
    void Restart() {
        auto kept = std::make_unique<MemorySettings>(
            static_cast<const MemorySettings&>(frame->GetSettings()));
        frame->Destroy();
        frame = new LumoFrame;
        auto scripted = std::make_unique<ScriptedDialogs>();
        dialogs = scripted.get();
        frame->SetDialogs(std::move(scripted));
        frame->SetSettings(std::move(kept));
        frame->Show();
    }
    std::vector<wxString> RecentLabels() const {
        std::vector<wxString> labels;
        wxMenu* menu = frame->GetMenuBar()->FindItem(ID_RECENT_FILES)->GetSubMenu();
        for (wxMenuItem* item : menu->GetMenuItems())
            labels.push_back(item->GetItemLabel());
        return labels;
    }
};
}  // namespace

TEST_F(DesktopTest, EveryShortcutRunsItsCommand) {
    frame->OpenFiles({CopyOfData("long-names.lumo")});
    int printed = 0;
    frame->SetPrintRunner([&](wxPrintout&) { return ++printed, PrintOutcome::Cancelled; });
    frame->SetDocumentLauncher([&](const wxString&) { return false; });
    CurrentPage().grid.Set(3, DESC, "CHANGED");
    const std::tuple<int, int, std::function<bool()>> cases[] = {
        {'O', wxMOD_CONTROL, [&] { return dialogs->Showed("Open File?"); }},
        {'S', wxMOD_CONTROL | wxMOD_SHIFT, [&] { return dialogs->Showed("Save .lumo file..."); }},
        {'S', wxMOD_CONTROL, [&] { return Status() == "Saved long-names.lumo"; }},
        {'P', wxMOD_CONTROL, [&] { return printed == 1; }},
        {'N', wxMOD_CONTROL, [&] { return dialogs->Showed("<-- Select Target Radio -->"); }},
        {'W', wxMOD_CONTROL, [&] { return dialogs->Showed("Delete Page Error"); }},
        {WXK_F1, wxMOD_NONE, [&] { return dialogs->Showed("User Guide"); }},
        {'Q', wxMOD_CONTROL, [] { return wxTopLevelWindows.empty(); }},
    };
    for (const auto& [key, modifiers, ran] : cases) {
        Focus(1, DESC);
        wxUIActionSimulator().Char(key, modifiers);
        EXPECT_TRUE(WaitUntil(ran)) << "key " << key << " with " << modifiers;
    }
    frame = nullptr;  // Ctrl+Q closed it
}

TEST_F(DesktopTest, RecentFilesOutliveTheRunAndDropMissingFiles) {
    wxString longNames = CopyOfData("long-names.lumo"), shortNames = CopyOfData("short-names.lumo");
    frame->OpenFiles({longNames, shortNames});
    Restart();
    EXPECT_EQ(RecentLabels(), (std::vector<wxString>{"&1 short-names.lumo", "&2 long-names.lumo"}));

    wxRemoveFile(shortNames);
    Command(wxID_FILE1);
    EXPECT_TRUE(dialogs->shown.back().text.StartsWith(shortNames + "\nno longer exists"));
    EXPECT_EQ(RecentLabels(), std::vector<wxString>{"&1 long-names.lumo"});
    Command(wxID_FILE1);  // asks, as File > Open does
    EXPECT_EQ(dialogs->shown.back().caption, "Open File?");
    EXPECT_EQ(CurrentPage().strings.fileName, "long-names");
}

TEST_F(DesktopTest, TitleAndTabTellTheFileAndWhetherItIsSaved) {
    wxString path = CopyOfData("long-names.lumo");
    frame->OpenFiles({path});
    EXPECT_EQ(frame->GetTitle(), "Norv Lumo: Page 1 of 1. - long-names.lumo");
    Type(5, DESC, "NEW");
    EXPECT_TRUE(WaitUntil([&] { return frame->GetTitle().EndsWith("long-names.lumo *"); }));
    EXPECT_EQ(frame->TabTip(0), "VR-11, FM 30-50\n" + path + "\nChanges not saved");
    // The pointer on the tab shows its tooltip.
    wxNotebook* book = frame->Notebook();
    wxPoint onTab;
    while (book->HitTest(onTab) != 0 && onTab.y < 60)
        onTab = onTab.x < 200 ? onTab + wxPoint(5, 0) : wxPoint(0, onTab.y + 3);
    wxUIActionSimulator().MouseMove(book->ClientToScreen(onTab));
    EXPECT_TRUE(WaitUntil([&] { return book->GetToolTipText() == frame->TabTip(0); }));
    Command(ID_SAVE);
    EXPECT_TRUE(WaitUntil([&] { return frame->GetTitle().EndsWith("long-names.lumo"); }));
}

TEST_F(DesktopTest, WindowShowsAWholeP25RowAndOpensWhereItWasLeft) {
    Retarget(6);  // VRD-21, a P25 page: the most columns
    EXPECT_LE(frame->GetSize().x, 1366) << "fits a 1366-pixel-wide screen";
    int row = 0;
    for (int col = 0; col < Grid()->GetNumberCols(); ++col)
        row += Grid()->GetColSize(col);
    EXPECT_TRUE(WaitUntil([&] { return Grid()->GetGridWindow()->GetClientSize().x >= row; }));
    wxRect left(60, 40, 800, 560);
    frame->SetSize(left);
    ASSERT_TRUE(WaitUntil([&] { return frame->GetRect() == left; }));
    dialogs->answers = {DialogAnswer::No};  // the retarget is not saved
    ASSERT_TRUE(frame->Close());
    Restart();
    EXPECT_TRUE(WaitUntil([&] { return frame->GetRect() == left; }));
}

TEST_F(DesktopTest, RefusedKeysSayWhyAndChoiceCellsTakeTyping) {
    Type(2, RFRQ, "70");  // the VR-12 page: FM 66-88
    wxString before = Grid()->GetCellValue(2, RFRQ);
    Type(2, RFRQ, "9.");
    EXPECT_EQ(Status(), "9: outside 66-88 MHz for this page");
    EXPECT_EQ(dialogs->bells, 1);
    EXPECT_EQ(Grid()->GetCellValue(2, RFRQ), before);

    Focus(3, RTON);
    wxUIActionSimulator sim;
    sim.Text("103");  // "1" picks the first tone from 1, "10" 100.0, "103" 103.5
    ASSERT_TRUE(WaitUntil([&] { return Grid()->IsCellEditControlShown(); }));
    sim.Char(WXK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return Grid()->GetCellValue(3, RTON) == "103.5"; }));
}

// A port on another machine typed in Settings > set Port is the port of this run and the next.
TEST_F(DesktopTest, ThePortChosenIsKeptForTheNextRun) {
    // "Other device..." comes after the ports this machine has
    dialogs->choices = {
        static_cast<int>(OfferedPorts(frame->Port(), ProbePorts(CandidatePorts())).size())};
    dialogs->texts = {wxString("tcp://bench2:3001")};
    Command(ID_SET_PORT);
    EXPECT_EQ(frame->Port().name, "tcp://bench2:3001");
    Restart();
    EXPECT_EQ(frame->Port().name, "tcp://bench2:3001");
    EXPECT_EQ(frame->GetStatusBar()->GetStatusText(4), "tcp://bench2:3001");
}
