#include "support/gui_support.h"

#include "commands/commands.h"
#include "util/resources.h"
#include "util/version.h"

#include <wx/menu.h>
#include <wx/notebook.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>

using namespace lumo;

// The frame builds its menus and tools from the command table: every item under its menu, every
// tool with its picture.
TEST_F(FrameTest, MenusAndToolsComeFromTheCommandTable) {
    EXPECT_EQ(frame->GetTitle(), "Norv Lumo: Page 1 of 1.");
    EXPECT_EQ(frame->GetStatusBar()->GetStatusText(0), "Select function");
    wxMenuBar* bar = frame->GetMenuBar();
    for (const MenuItemSpec& traits : MenuItems) {
        wxMenu* owner = nullptr;
        ASSERT_NE(bar->FindItem(traits.id, &owner), nullptr) << traits.label;
        EXPECT_EQ(bar->GetMenu(bar->FindMenu(traits.menu)), owner) << traits.label;
    }
    wxToolBar* tools = frame->ToolBar();
    for (const ToolSpec& traits : Tools) {
        wxToolBarToolBase* tool = tools->FindById(traits.id);
        ASSERT_NE(tool, nullptr) << traits.shortHelp;
        EXPECT_EQ(tool->GetShortHelp(), traits.shortHelp);
        EXPECT_EQ(tool->GetLabel(), traits.shortHelp) << "what a screen reader announces";
        EXPECT_EQ(tool->GetNormalBitmap().GetWidth(), 32) << traits.bitmap;
    }
}

TEST_F(FrameTest, AboutShowsNameVersionAndToolkit) {
    Command(ID_ABOUT);
    EXPECT_EQ(dialogs->about.name, "Norv Lumo");
    EXPECT_EQ(dialogs->about.version, ProgramVersion());  // what --version and the package say
    EXPECT_TRUE(dialogs->about.description.StartsWith(
        "Channel loading software for Norv Radios. \n26 MAY 2026 \n\nwxWidgets 3.2"));
    EXPECT_TRUE(dialogs->about.description.Contains("GTK"));
    EXPECT_TRUE(wxImage(dialogs->about.icon).IsOk()) << dialogs->about.icon;
}

TEST_F(FrameTest, HelpOpensTheGuideOrSaysWhereToLook) {
    std::vector<wxString> opened;
    frame->SetDocumentLauncher([&](const wxString& path) {
        opened.push_back(path);
        return true;
    });
    Command(ID_HELP);
    if (wxFileExists(UserGuidePath())) {
        ASSERT_EQ(opened.size(), 1u);
        EXPECT_TRUE(opened[0].EndsWith("LumoUserGuide.pdf"));
        EXPECT_TRUE(dialogs->shown.empty());
    }
    frame->SetDocumentLauncher([](const wxString&) { return false; });
    Command(ID_HELP);
    ASSERT_FALSE(dialogs->shown.empty());
    EXPECT_TRUE(dialogs->shown.back().text.StartsWith(
        "Unable to open User Guide.\nLook in the install directory for LumoUserGuide.pdf\n\n"));
    EXPECT_TRUE(dialogs->shown.back().text.EndsWith(UserGuidePath()));
    EXPECT_EQ(dialogs->shown.back().caption, "User Guide");
}

TEST_F(FrameTest, DefaultDataCommandsSayTheyAreNotThereYet) {
    Command(ID_SAVE_DEFAULT);
    Command(ID_LOAD_DEFAULT);
    ASSERT_EQ(dialogs->shown.size(), 2u);
    EXPECT_EQ(dialogs->shown[0].caption, "Save Radio Default Data?");
    EXPECT_EQ(dialogs->shown[1].caption, "Load Radio Default Data");
    EXPECT_EQ(dialogs->shown[1].text, " ! Currently UnImplemented !");
}

TEST_F(FrameTest, ClosingWithUnsavedChangesAsksFirst) {
    CurrentPage().grid.Set(3, DESC, "UNSAVED");
    dialogs->answers = {DialogAnswer::Cancel};
    EXPECT_FALSE(frame->Close());
    EXPECT_EQ(dialogs->shown.back().caption, "Save Changes?");
    EXPECT_TRUE(frame->IsShown()) << "Cancel keeps the program open";
    ScriptedDialogs* asked = dialogs;
    asked->answers = {DialogAnswer::No};
    Command(ID_QUIT);
    EXPECT_TRUE(WaitUntil([] { return wxTopLevelWindows.empty(); })) << "No closes";
    frame = nullptr;
}

TEST_F(FrameTest, FilesNamedAtStartOpenOnPagesOfTheirOwn) {
    wxString data = wxString(LUMO_TEST_DATA) + "/";
    frame->OpenFiles(
        {data + "twelve-in-zone-one.lumo", data + "missing.lumo", data + "short-names.lumo"});
    ASSERT_EQ(frame->Notebook()->GetPageCount(), 2u);  // the file that failed leaves no page
    EXPECT_EQ(frame->Notebook()->GetPageText(0), "VRD-21");
    EXPECT_EQ(frame->View(0)->GetPage().strings.fileName, "twelve-in-zone-one");
    EXPECT_EQ(frame->View(0)->Grid()->GetCellValue(12, DESC), "CH 12");
    EXPECT_EQ(frame->Notebook()->GetPageText(1), "VR-11");
    EXPECT_EQ(frame->Pages().Current(), 1);
    ASSERT_EQ(dialogs->shown.size(), 1u);  // no question: nothing is overwritten
    EXPECT_TRUE(dialogs->shown[0].text.EndsWith(data + "missing.lumo"));
}
