// Transfers with analog radios: the channel line both ways, and sessions against the simulated
// analog radio on a pseudo-terminal (a clock fifty times fast stands in for the pauses).
#include "transfer/analog_session.h"
#include "commands/radio_write.h"
#include "support/page_fixtures.h"
#include "support/simulated_radio.h"
#include "transfer/transfer_status.h"

#include <gtest/gtest.h>

#include <random>

using namespace lumo;
using namespace radiosim;

namespace {
constexpr int kVR12 = 1;  // FM 66-88, transfer byte 2, guard rows 121 and 122
constexpr int kVR35 = 13;
constexpr int kVRD70 = 16;

void FillChannel(Page& page, int row, const char* description, const char* frequency) {
    FillFromDefaults(page, row);
    SetCells(page, {{row, DESC, description}, {row, RFRQ, frequency}, {row, TFRQ, frequency}});
}

// A VR-12 page with channels 1 to 3 and both guards, all selected.
Page ChannelPage() {
    Page page = MakePage(kVR12);
    FillChannel(page, 1, "SIMPLEX", "70.5000");
    FillChannel(page, 2, "REPEAT", "71.2500");
    SetCells(page, {{2, RTON, "100.0"}, {2, SCAN, "5"}, {2, MODE, "N"}});
    FillChannel(page, 3, "CALL", "66.0000");
    FillChannel(page, page.FirstGuardRow(), "GUARD 1", "67.0000");
    FillChannel(page, page.SecondGuardRow(), "GUARD 2", "68.0000");
    for (int row : {1, 2, 3, page.FirstGuardRow(), page.SecondGuardRow()})
        page.grid.GetSelection().AddRow(row);
    return page;
}

class AnalogSessionTest : public SimulatedRadioTest {
  protected:
    int RadioPib() {
        std::lock_guard<std::mutex> lock(server->RadioMutex());
        return server->Analog()->Pib();
    }
};
}  // namespace

TEST(AnalogLine, FieldsStandAtTheirPlaces) {
    Page page = ChannelPage();
    wxString line;
    ASSERT_EQ(BuildAnalogLine(page, 2, line), 0);
    EXPECT_EQ(line.ToStdString(),
              "002 REPEAT    071.2500RX 071.2500TX CTCSS: 12RX 00TX DPL: 000RX 000TX 1_3__N");
    line.clear();
    ASSERT_EQ(BuildAnalogLine(page, 1, line), 0);
    EXPECT_TRUE(line.EndsWith("LOCK W"));
    page.grid.Set(1, MNUM, "000");
    EXPECT_NE(BuildAnalogLine(page, 1, line), 0);
    EXPECT_EQ(NormalisedAnalogFrequency("30.5"), "030.5000");
    EXPECT_EQ(NormalisedAnalogFrequency("136.0000"), "136.0000");
}

// The columns of a line come back as they went (the verify's round trip, radio_write_test);
// a line that names no row is refused, a short one reads as far as it goes.
TEST(AnalogLine, OnlyLinesThatNameARowAreRead) {
    Page back = MakePage(kVR12);
    EXPECT_FALSE(ReadAnalogLine(back, "999 TOO FAR"));
    EXPECT_FALSE(ReadAnalogLine(back, "x"));
    int placed = 0;
    ASSERT_TRUE(ReadAnalogLine(back, "GD1 GUARD", &placed));
    EXPECT_EQ(placed, 121);
    ExpectCells(back, {{121, MNUM, "121"}, {121, SCAN, "0"}, {121, TFLG, "C0"}});
}

TEST_F(AnalogSessionTest, APageWrittenAndReadBackIsThePage) {
    Serve(122);
    Page page = ChannelPage();
    EXPECT_EQ(UploadCommand(env, PlainWrite(), page, 0, Port()), kTransferComplete);
    EXPECT_EQ(Memory().size(), 5u);
    EXPECT_EQ(RadioPib(), 2);
    EXPECT_EQ(titles.back(), "Send to ANFM Radio Progress");
    // The gauge moves with every line sent.
    EXPECT_EQ(seen.range, 5);
    EXPECT_EQ(seen.values, std::vector<int>({1, 2, 3, 4, 5}));

    Page back = MakePage(kVR12);
    EXPECT_EQ(DownloadCommand(env, back, 0, Port()), kTransferComplete);
    std::vector<wxString> boxes = {"Complete: 5 memories written.", "Complete: 5 memories read."};
    EXPECT_EQ(dialogs.Messages(), boxes);
    EXPECT_EQ(back.grid.Get(121, MNUM), "121");  // the radio names it GD1
}

TEST_F(AnalogSessionTest, NoiseBeforeTheFirstChannelIsDropped) {
    Page page = ChannelPage();
    wxString line;
    BuildAnalogLine(page, 1, line);
    std::string first = "garbage " + std::string(line.mb_str());
    Serve(122, {}, {}, {{1, first}});
    Page back = MakePage(kVR12);
    EXPECT_EQ(DownloadCommand(env, back, 0, Port()), kTransferComplete);
    EXPECT_EQ(back.grid.Get(1, DESC), "SIMPLEX");
    EXPECT_EQ(dialogs.Messages(), std::vector<wxString>{"Complete: 1 memory read."});
}

TEST_F(AnalogSessionTest, SingleChannelRadiosNeedBothGuardsSelected) {
    Serve(122);
    Page page = ChannelPage();
    page.grid.GetSelection().Clear();
    page.grid.GetSelection().AddRow(1);
    EXPECT_EQ(UploadCommand(env, PlainWrite(), page, 0, Port()), -1);
    EXPECT_TRUE(dialogs.Messages().back().EndsWith("both Guards must be selected!"));
    EXPECT_TRUE(titles.empty());
}

// Radios without a transfer byte (VR-30 to VRD-70, the M6 module) get no "rt" prefix, and
// their channel lines like every other radio.
TEST_F(AnalogSessionTest, RadiosWithoutATransferByteGetTheirChannelLines) {
    Serve(200);
    Page vrd70 = MakePage(kVRD70);
    EXPECT_EQ(DownloadCommand(env, vrd70, 0, Port()), kTransferComplete);
    EXPECT_EQ(dialogs.shown[1].text, "Close this dialog, then press HOME on radio to start");
    dialogs.shown.clear();
    Serve(202);
    Page page = MakePage(kVR35);
    EXPECT_EQ(DownloadCommand(env, page, 0, Port()), kTransferComplete);
    EXPECT_EQ(dialogs.shown[1].text, "Close this dialog, then press ENTER on radio to start");
    FillChannel(page, 1, "SITE", "150.0000");
    page.grid.GetSelection().AddRow(1);
    dialogs.shown.clear();
    EXPECT_EQ(UploadCommand(env, PlainWrite(), page, 0, Port()), kTransferComplete);
    EXPECT_EQ(dialogs.Messages(), std::vector<wxString>{"Complete: 1 memory written."});
    std::map<int, std::string> memory = Memory();
    ASSERT_EQ(memory.size(), 1u);
    EXPECT_EQ(memory.begin()->second.substr(0, 13), "001 SITE     ");
    EXPECT_EQ(RadioPib(), 0);
    // A write with no line to send says so, and sends nothing.
    page.grid.Set(1, MNUM, "000");
    dialogs.shown.clear();
    EXPECT_EQ(UploadCommand(env, PlainWrite(), page, 0, Port()), kTransferNothingSelected);
    EXPECT_EQ(dialogs.Messages(), std::vector<wxString>{"No data selected for transfer to Radio"});
}

// Whatever a radio sends, a line lands in the row it names or nowhere.
TEST(AnalogLine, DamagedLinesNeverReachOtherRows) {
    Page page = ChannelPage();
    wxString good;
    BuildAnalogLine(page, 2, good);
    std::mt19937 random(4);
    for (int round = 0; round < 500; ++round) {
        wxString line = good;
        int changes = 1 + static_cast<int>(random() % 8);
        for (int i = 0; i < changes && !line.empty(); ++i) {
            size_t at = random() % line.length();
            if (random() % 3 == 0)
                line.Truncate(at);
            else
                line[at] = wxUniChar(static_cast<wchar_t>(random() % 256));
        }
        Page back = MakePage(kVR12);
        int row = -1;
        bool placed = ReadAnalogLine(back, line, &row);
        if (placed) {
            ASSERT_GE(row, 1);
            ASSERT_LE(row, back.Rows());
        }
        for (int other = 1; other <= back.Rows(); ++other) {
            bool expected = placed && other == row;
            ASSERT_EQ(back.IsRowUsed(other), expected) << line;
        }
    }
}
