#include "support/gui_support.h"

#include "commands/commands.h"
#include "util/resources.h"
#include "util/version.h"

#include <wx/menu.h>
#include <wx/notebook.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>

using namespace lumo;

TEST_F(FrameTest, StartsWithOneVr12Page) {
    EXPECT_EQ(frame->GetTitle(), "Norv Lumo: Page 1 of 1.");
    wxStatusBar* status = frame->GetStatusBar();
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->GetFieldsCount(), 5);
    EXPECT_EQ(status->GetStatusText(0), "Select function");
    EXPECT_EQ(status->GetStatusText(1), "VR-12");
    EXPECT_EQ(status->GetStatusText(2), "FM 66-88");
    EXPECT_EQ(status->GetStatusText(3), "122 Rows");
    ASSERT_EQ(frame->Notebook()->GetPageCount(), 1u);
    EXPECT_EQ(frame->Notebook()->GetPageText(0), "VR-12");
    EXPECT_EQ(frame->Pages().Count(), 1);
    EXPECT_EQ(frame->Pages().FirstGuardRow(), 121);
    EXPECT_EQ(frame->Pages().SecondGuardRow(), 122);
}

TEST_F(FrameTest, MenuItemsHaveTheirLabelsHelpTextsAndIds) {
    wxMenuBar* bar = frame->GetMenuBar();
    ASSERT_EQ(bar->GetMenuCount(), MenuTitles.size());
    for (size_t m = 0; m < MenuTitles.size(); ++m)
        EXPECT_EQ(bar->GetMenuLabelText(m), MenuTitles[m]);
    for (const MenuItemSpec& traits : MenuItems) {
        wxMenu* owner = nullptr;
        wxMenuItem* item = bar->FindItem(traits.id, &owner);
        ASSERT_NE(item, nullptr) << traits.label;
        EXPECT_EQ(item->GetItemLabel().BeforeFirst('\t'), traits.label);
        EXPECT_EQ(item->GetHelp(), traits.help);
        EXPECT_EQ(bar->GetMenu(bar->FindMenu(traits.menu)), owner) << traits.label;
    }
    size_t total = 0;
    for (size_t m = 0; m < bar->GetMenuCount(); ++m)
        total += bar->GetMenu(m)->GetMenuItemCount();
    EXPECT_EQ(total, MenuItems.size());
}

TEST_F(FrameTest, ToolBarHoldsElevenToolsWithTheirSeparators) {
    wxToolBar* tools = frame->ToolBar();
    ASSERT_TRUE(tools->HasFlag(wxTB_VERTICAL));
    std::vector<int> ids;
    for (size_t pos = 0; pos < tools->GetToolsCount(); ++pos)
        ids.push_back(tools->GetToolByPos(pos)->GetId());
    std::vector<int> expected = {ID_OPEN,        ID_SAVE,        ID_PRINT,       wxID_SEPARATOR,
                                 ID_DOWNLOAD,    ID_UPLOAD,      ID_SELECT_ALL,  ID_DESELECT_ALL,
                                 wxID_SEPARATOR, ID_SET_PORT,    ID_SET_TARGET,  wxID_SEPARATOR,
                                 ID_QUIT,        wxID_SEPARATOR, wxID_SEPARATOR, ID_HELP};
    EXPECT_EQ(ids, expected);
    for (const ToolSpec& traits : Tools) {
        wxToolBarToolBase* tool = tools->FindById(traits.id);
        ASSERT_NE(tool, nullptr);
        EXPECT_EQ(tool->GetShortHelp(), traits.shortHelp);
        EXPECT_EQ(tool->GetLabel(), traits.shortHelp) << "what a screen reader announces";
        EXPECT_EQ(tool->GetLongHelp(), traits.longHelp);
        EXPECT_TRUE(tool->GetNormalBitmap().IsOk());
        EXPECT_EQ(tool->GetNormalBitmap().GetWidth(), 32) << traits.bitmap;
    }
}

TEST_F(FrameTest, ToolsFindTheirImagesInTheSourceTree) {
    for (const ToolSpec& traits : Tools)
        EXPECT_FALSE(FindResource(traits.bitmap).empty()) << traits.bitmap;
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

TEST_F(FrameTest, QuitWithoutChangesClosesAtOnce) {
    ScriptedDialogs* asked = dialogs;
    Command(ID_QUIT);
    EXPECT_TRUE(asked->shown.empty()) << "a page without changes is not asked about";
    EXPECT_TRUE(WaitUntil([] { return wxTopLevelWindows.empty(); }));
    frame = nullptr;
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
