// Send to radio and Get from radio through the real frame, against the simulated radio: the
// progress window comes and goes, the status box reports, and the read refills the grid.
#include "commands/radio_write.h"
#include "files/backups.h"
#include "sim_server.h"
#include "support/gui_support.h"
#include "support/page_fixtures.h"

using namespace lumo;
using namespace radiosim;

namespace {
constexpr int kVRD21 = 6;

class TransferTest : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        server = std::make_unique<SimServer>(std::make_unique<DigitalRadio>(), nullptr, Faults());
        std::string error;
        ASSERT_TRUE(server->Open("", &error)) << error;
        server->Start();
        frame->SetPort(server->DevicePath());
    }
    void TearDown() override {
        server->Stop();
        FrameTest::TearDown();
    }
    // Rows 1 to 3 named "UNIT n", selected, on a VRD-21 page.
    void FillAndSelect() {
        Retarget(kVRD21);
        ASSERT_EQ(CurrentPage().params.radio, kVRD21);
        for (int row = 1; row <= 3; ++row) {
            FillFromDefaults(CurrentPage(), row);
            CurrentPage().grid.Set(row, DESC, wxString::Format("UNIT %d", row));
        }
        frame->CurrentView()->Refresh();
        Grid()->SelectRow(1);
        Grid()->SelectRow(2, true);
        Grid()->SelectRow(3, true);
    }
    std::unique_ptr<SimServer> server;
};
}  // namespace

TEST_F(TransferTest, SendThenGetBringsTheRowsBack) {
    // Rows 1 to 3 of a page that also holds its two guard memories: the radio, never read in
    // this run, is purged, so the user is asked and (by default) the whole page is written.
    FillAndSelect();
    dialogs->shown.clear();
    Command(ID_UPLOAD);
    ASSERT_EQ(dialogs->shown.size(), 2u);
    EXPECT_EQ(dialogs->shown[0].caption, "Erase Radio Memories");
    EXPECT_TRUE(dialogs->shown[0].text.Contains("only 3 of the 5 memories"));
    EXPECT_EQ(dialogs->shown[1].text,
              "Complete: 5 memories written.\nVerified: 5 memories match\nBackup: " +
                  LastBackup(scratch.Path("backups"), "VRD-21"));
    // Every window is usable again once the progress window is gone.
    EXPECT_TRUE(frame->IsEnabled());

    CurrentPage().grid.Set(2, DESC, "CHANGED");
    Command(ID_DOWNLOAD);
    EXPECT_EQ(dialogs->shown.back().caption, "Read from Radio Status");
    EXPECT_EQ(dialogs->shown.back().text, "Complete: 5 memories read.");
    ExpectShown({{2, DESC, "UNIT 2"}, {3, DESC, "UNIT 3"}});
}

// The settings turn the backup and the verify off (and on) and keep what the user chose.
TEST_F(TransferTest, TheSettingsMenuTurnsBackupAndVerifyOffAndOn) {
    wxMenuBar* menus = frame->GetMenuBar();
    for (int id : {ID_BACKUP_BEFORE_WRITING, ID_VERIFY_AFTER_WRITING}) {
        EXPECT_TRUE(menus->IsChecked(id));
        Command(id);
        EXPECT_FALSE(menus->IsChecked(id));
    }
    WriteSafety chosen = ReadWriteSafety(frame->GetSettings());
    EXPECT_FALSE(chosen.backup || chosen.verify);
    FillAndSelect();
    Command(ID_UPLOAD);
    EXPECT_EQ(dialogs->Messages().back(), "Complete: 5 memories written.");
    EXPECT_EQ(LastBackup(scratch.Path("backups"), "VRD-21"), "");
    Command(ID_VERIFY_AFTER_WRITING);
    EXPECT_TRUE(menus->IsChecked(ID_VERIFY_AFTER_WRITING));
    EXPECT_TRUE(ReadWriteSafety(frame->GetSettings()).verify);
}

// The last backup opens on a page of its own; comparing a page with a file marks what differs.
TEST_F(TransferTest, TheLastBackupOpensAndAComparisonMarksWhatDiffers) {
    Command(ID_OPEN_LAST_BACKUP);
    EXPECT_TRUE(dialogs->Messages().back().StartsWith("There is no backup of a VR-12 yet"));
    FillAndSelect();
    Command(ID_UPLOAD);  // backs up the empty radio
    CurrentPage().grid.Set(2, DESC, "CHANGED");
    Command(ID_UPLOAD);  // backs up rows 1 to 3 and the guards
    Command(ID_OPEN_LAST_BACKUP);
    ASSERT_EQ(frame->Pages().Count(), 2);
    EXPECT_EQ(Grid()->GetCellValue(2, DESC), "UNIT 2");

    Grid()->SetCellValue(2, DESC, "OTHER");
    dialogs->texts.push_back(LastBackup(scratch.Path("backups"), "VRD-21"));
    Command(ID_COMPARE_WITH_FILE);
    EXPECT_TRUE(dialogs->Messages().back().StartsWith("1 memory differs from VRD-21_"));
    EXPECT_EQ(Grid()->GetCellBackgroundColour(2, DESC), wxColour(105, 160, 170));
    EXPECT_NE(Grid()->GetCellBackgroundColour(2, RFRQ), wxColour(105, 160, 170));
}
