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
        wxString copy = scratch.Path(name);
        wxCopyFile(wxString(LUMO_TEST_DATA) + "/" + name, copy);
        return copy;
    }
    bool Shown(const wxString& caption) const {
        for (const ShownDialog& dialog : dialogs->shown)
            if (dialog.caption == caption) return true;
        return false;
    }
    // A key as the user presses it, with the grid holding the keyboard.
    void Press(int key, int modifiers = wxMOD_NONE) {
        Focus(1, DESC);
        wxUIActionSimulator().Char(key, modifiers);
    }
};
}  // namespace

TEST_F(DesktopTest, EveryShortcutRunsItsCommand) {
    frame->OpenFiles({CopyOfData("long-names.lumo")});
    int printed = 0;
    frame->SetPrintRunner([&](wxPrintout&) {
        ++printed;
        return PrintOutcome::Cancelled;
    });
    wxString launched;
    frame->SetDocumentLauncher([&](const wxString& path) {
        launched = path;
        return true;
    });
    CurrentPage().grid.Set(3, DESC, "CHANGED");
    struct Case {
        const char* keys;
        int key;
        int modifiers;
        std::function<bool()> ran;
    };
    const Case cases[] = {
        {"Ctrl+O", 'O', wxMOD_CONTROL, [&] { return Shown("Open File?"); }},
        {"Ctrl+Shift+S", 'S', wxMOD_CONTROL | wxMOD_SHIFT,
         [&] { return Shown("Save .lumo file..."); }},
        {"Ctrl+S", 'S', wxMOD_CONTROL,
         [&] {
             return !CurrentPage().HasUnsavedChanges() &&
                    frame->GetStatusBar()->GetStatusText(0) == "Saved long-names.lumo";
         }},
        {"Ctrl+P", 'P', wxMOD_CONTROL, [&] { return printed == 1; }},
        {"Ctrl+N", 'N', wxMOD_CONTROL, [&] { return Shown("<-- Select Target Radio -->"); }},
        {"Ctrl+W", 'W', wxMOD_CONTROL, [&] { return Shown("Delete Page Error"); }},
        {"F1", WXK_F1, wxMOD_NONE, [&] { return !launched.empty() || Shown("User Guide"); }},
        {"Ctrl+Q", 'Q', wxMOD_CONTROL, [] { return wxTopLevelWindows.empty(); }},
    };
    for (const Case& c : cases) {
        Press(c.key, c.modifiers);
        EXPECT_TRUE(WaitUntil(c.ran)) << c.keys;
    }
    frame = nullptr;  // Ctrl+Q closed it
}

TEST_F(DesktopTest, RecentFilesOutliveTheRunAndDropMissingFiles) {
    wxString longNames = CopyOfData("long-names.lumo");
    wxString shortNames = CopyOfData("short-names.lumo");
    frame->OpenFiles({longNames, shortNames});
    auto labels = [](LumoFrame* shown) {
        std::vector<wxString> texts;
        for (wxMenuItem* item :
             shown->GetMenuBar()->FindItem(ID_RECENT_FILES)->GetSubMenu()->GetMenuItems())
            texts.push_back(item->GetItemLabel());
        return texts;
    };
    std::vector<wxString> newestFirst = {"&1 short-names.lumo", "&2 long-names.lumo"};
    EXPECT_EQ(labels(frame), newestFirst);

    // The next run starts from the settings this one leaves.
    auto* next = new LumoFrame;
    next->SetSettings(
        std::make_unique<MemorySettings>(static_cast<const MemorySettings&>(frame->GetSettings())));
    EXPECT_EQ(labels(next), newestFirst);
    next->Destroy();

    wxRemoveFile(shortNames);
    Command(wxID_FILE1);
    EXPECT_EQ(dialogs->shown.back().caption, "Recent Files");
    EXPECT_TRUE(dialogs->shown.back().text.StartsWith(shortNames));
    EXPECT_EQ(labels(frame), std::vector<wxString>{"&1 long-names.lumo"});
    EXPECT_EQ(frame->GetSettings().ReadString("RecentFiles/File2", "?"), "");

    CurrentPage().grid.Set(2, DESC, "CHANGED");
    Command(wxID_FILE1);  // asks, as File > Open does, and reads the file again
    EXPECT_EQ(dialogs->shown.back().caption, "Open File?");
    EXPECT_FALSE(CurrentPage().HasUnsavedChanges());
    EXPECT_EQ(CurrentPage().strings.fileName, "long-names");
}

TEST_F(DesktopTest, TitleAndTabTellTheFileAndWhetherItIsSaved) {
    wxString path = CopyOfData("long-names.lumo");
    frame->OpenFiles({path});
    EXPECT_EQ(frame->GetTitle(), "Norv Lumo: Page 1 of 1. - long-names.lumo");
    Type(5, DESC, "NEW");
    EXPECT_TRUE(WaitUntil([&] {
        return frame->GetTitle() == "Norv Lumo: Page 1 of 1. - long-names.lumo *";
    })) << frame->GetTitle();
    wxString tip = frame->TabTip(0);
    EXPECT_TRUE(tip.Contains(path)) << tip;
    EXPECT_TRUE(tip.EndsWith("\nChanges not saved")) << tip;

    // The pointer on the tab shows its tooltip.
    wxNotebook* book = frame->Notebook();
    wxPoint onTab = wxDefaultPosition;
    for (int y = 0; y < 60 && onTab == wxDefaultPosition; y += 3)
        for (int x = 0; x < 200 && onTab == wxDefaultPosition; x += 5)
            if (book->HitTest(wxPoint(x, y)) == 0) onTab = wxPoint(x, y);
    ASSERT_NE(onTab, wxDefaultPosition);
    wxUIActionSimulator().MouseMove(book->ClientToScreen(onTab));
    EXPECT_TRUE(WaitUntil([&] { return book->GetToolTipText() == frame->TabTip(0); }));

    Command(ID_SAVE);
    EXPECT_TRUE(WaitUntil(
        [&] { return frame->GetTitle() == "Norv Lumo: Page 1 of 1. - long-names.lumo"; }));
    EXPECT_FALSE(frame->TabTip(0).Contains("not saved"));
}

TEST_F(DesktopTest, WindowShowsAWholeP25RowAndOpensWhereItWasLeft) {
    Retarget(6);  // VRD-21, a P25 page: the most columns
    ASSERT_TRUE(CurrentPage().IsP25());
    EXPECT_LE(frame->GetSize().x, 1366) << "fits a 1366-pixel-wide screen";
    int row = 0;
    for (int col = 0; col < Grid()->GetNumberCols(); ++col)
        row += Grid()->GetColSize(col);
    EXPECT_TRUE(WaitUntil([&] { return Grid()->GetGridWindow()->GetClientSize().x >= row; }))
        << Grid()->GetGridWindow()->GetClientSize().x << " shown of " << row;

    wxRect left(60, 40, 800, 560);
    frame->SetSize(left);
    ASSERT_TRUE(WaitUntil([&] { return frame->GetRect() == left; }));
    dialogs->answers = {DialogAnswer::No};  // the retarget is not saved
    ASSERT_TRUE(frame->Close());
    auto kept =
        std::make_unique<MemorySettings>(static_cast<const MemorySettings&>(frame->GetSettings()));
    frame = new LumoFrame;
    frame->SetSettings(std::move(kept));
    frame->Show();
    EXPECT_TRUE(WaitUntil([&] { return frame->GetRect() == left; })) << frame->GetRect().x;
}

TEST_F(DesktopTest, ARefusedKeySaysWhyAndTheCellKeepsItsValue) {
    Type(2, RFRQ, "70");  // the VR-12 page: FM 66-88
    wxString before = Grid()->GetCellValue(2, RFRQ);
    ASSERT_TRUE(before.StartsWith("70.")) << before;
    Type(2, RFRQ, "9.");
    EXPECT_EQ(frame->GetStatusBar()->GetStatusText(0), "9: outside 66-88 MHz for this page");
    EXPECT_EQ(dialogs->bells, 1);
    EXPECT_EQ(Grid()->GetCellValue(2, RFRQ), before);
}

TEST_F(DesktopTest, TypingIntoAChoiceCellPicksTheChoiceItBegins) {
    Focus(3, RTON);
    wxUIActionSimulator sim;
    sim.Text("103");  // "1" picks the first tone from 1, "10" 100.0, "103" 103.5
    ASSERT_TRUE(WaitUntil([&] { return Grid()->IsCellEditControlShown(); }));
    sim.Char(WXK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return Grid()->GetCellValue(3, RTON) == "103.5"; }))
        << Grid()->GetCellValue(3, RTON);
}
