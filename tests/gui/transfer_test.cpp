// Send to radio and Get from radio through the real frame, against the simulated radio: the
// progress window comes and goes, the status box reports, and the read refills the grid.
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
    std::unique_ptr<SimServer> server;
};
}  // namespace

TEST_F(TransferTest, SendThenGetBringsTheRowsBack) {
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
    Command(ID_UPLOAD);
    ASSERT_FALSE(dialogs->shown.empty());
    EXPECT_EQ(dialogs->shown.back().caption, "Write to Radio Status");
    EXPECT_EQ(dialogs->shown.back().text, "Complete");
    {
        std::lock_guard<std::mutex> lock(server->RadioMutex());
        EXPECT_EQ(server->Digital()->Memory().size(), 3u);
    }
    // Every window is usable again once the progress window is gone.
    EXPECT_TRUE(frame->IsEnabled());

    CurrentPage().grid.Set(2, DESC, "CHANGED");
    Command(ID_DOWNLOAD);
    EXPECT_EQ(dialogs->shown.back().caption, "Read from Radio Status");
    EXPECT_EQ(dialogs->shown.back().text, "Complete");
    EXPECT_EQ(Grid()->GetCellValue(2, DESC), "UNIT 2");
    EXPECT_EQ(Grid()->GetCellValue(3, DESC), "UNIT 3");
}

TEST_F(TransferTest, SendingWithNothingSelectedSaysSo) {
    Retarget(kVRD21);
    Grid()->ClearSelection();
    Command(ID_UPLOAD);
    EXPECT_EQ(dialogs->Messages().back(), "No data selected!");
}
