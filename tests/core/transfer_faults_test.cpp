// What a transfer does when the line or the radio misbehaves: one table over the simulated
// radios on pseudo-terminals, for the digital and the analog session, writing and reading.
// Every case ends with its status and one box within its bound, the port closed (it opens
// again), and the page as it was before a read or as it was sent by a write.
#include "commands/radio_write.h"
#include "support/page_fixtures.h"
#include "support/simulated_radio.h"
#include "support/without_rights.h"

#include <sys/stat.h>
#include <chrono>
#include <functional>

using namespace lumo;
using namespace radiosim;

namespace {
constexpr int kVRD21 = 6;
constexpr int kVR35 = 13;
constexpr int kAnalogRows = 201;

enum class Event { None, Cancel, RadioGone, WrongRadio, NoPermission };

struct FaultCase {
    const char* name;
    bool digital;
    int mode;
    Event event;
    int status;
    const char* box;  // how the one box that ends the command begins
    Faults faults = {};
    DigitalSettings settings = {};
};

Faults With(bool noReply, int badChecksums, bool noise, bool split, int dropAfter) {
    return {noReply, badChecksums, noise, split, dropAfter};
}
const Faults kSilent = With(true, 0, false, false, -1);
const Faults kNoise = With(false, 0, true, false, -1);
const Faults kSplit = With(false, 0, false, true, -1);
const Faults kClean = {};
const auto Bad = [](int checksums) { return With(false, checksums, false, false, -1); };
const auto DropAfter = [](int lines) { return With(false, 0, false, false, lines); };
DigitalSettings Refusing() {
    return {2, "020100", 0x70, 2, 2, -1};
}
DigitalSettings BusyForEver() {
    return {2, "020100", 0x70, -1, -1, -1};
}

constexpr int kW = kTransferWrite, kR = kTransferRead;
constexpr Event kNone = Event::None;
const char* const kTimeout = "Timeout Error";
const char* const kPort = "Invalid COM Port";
const FaultCase kCases[] = {
    {"digital write, no reply", true, kW, kNone, kTransferTimeout, kTimeout, kSilent},
    {"digital read, no reply", true, kR, kNone, kTransferTimeout, kTimeout, kSilent},
    {"analog write, no reply", false, kW, kNone, kTransferTimeout, kTimeout, kSilent},
    {"analog read, no reply", false, kR, kNone, kTransferTimeout, kTimeout, kSilent},
    {"digital write, one bad checksum", true, kW, kNone, kTransferComplete, "Complete", Bad(1)},
    {"digital read, two bad checksums", true, kR, kNone, kTransferChecksum, "Checksum Error",
     Bad(2)},
    {"digital write, a record refused", true, kW, kNone, kTransferRefused,
     "Radio rejected channel 2", kClean, Refusing()},
    {"digital write, noise lines", true, kW, kNone, kTransferComplete, "Complete", kNoise},
    {"digital read, noise lines", true, kR, kNone, kTransferComplete, "Complete", kNoise},
    {"analog read, noise lines", false, kR, kNone, kTransferComplete, "Complete", kNoise},
    {"digital write, byte by byte", true, kW, kNone, kTransferComplete, "Complete", kSplit},
    {"analog write, byte by byte", false, kW, kNone, kTransferComplete, "Complete", kSplit},
    {"digital write, busy without end", true, kW, kNone, kTransferTimeout, kTimeout, kClean,
     BusyForEver()},
    {"digital write, hang-up", true, kW, kNone, kTransferPortError, kPort, DropAfter(12)},
    {"digital read, hang-up", true, kR, kNone, kTransferPortError, kPort, DropAfter(5)},
    {"analog write, hang-up", false, kW, kNone, kTransferPortError, kPort, DropAfter(2)},
    {"digital write, Cancel", true, kW, Event::Cancel, kTransferCancelled, "Cancelled by User"},
    {"analog read, Cancel", false, kR, Event::Cancel, kTransferCancelled, "Cancelled by User"},
    {"digital read, device removed", true, kR, Event::RadioGone, kTransferPortError, kPort},
    {"analog write, device removed", false, kW, Event::RadioGone, kTransferPortError, kPort},
    {"digital write, permission denied", true, kW, Event::NoPermission, kTransferPortError, kPort},
    {"analog read, permission denied", false, kR, Event::NoPermission, kTransferPortError, kPort},
    {"digital page, an analog radio", true, kR, Event::WrongRadio, kTransferTimeout, kTimeout},
    {"analog page, a digital radio", false, kW, Event::WrongRadio, kTransferTimeout, kTimeout},
};

Page PageToSend(bool digital) {
    Page page = MakePage(digital ? kVRD21 : kVR35);
    for (int row = 1; row <= 3; ++row) {
        if (!page.IsRowUsed(row)) FillFromDefaults(page, row);
        page.grid.Set(row, DESC, wxString::Format("CH %d", row));
    }
    page.grid.GetSelection().SelectAll(page.grid.RowCount());
    return page;
}

// The first row whose texts differ, TFLG aside (a write marks what it sent); -1 when none.
int FirstChangedRow(const Page& before, const Page& after) {
    for (int row = 0; row < before.grid.RowCount(); ++row) {
        RowTexts a = before.grid.GetRow(row), b = after.grid.GetRow(row);
        a[TFLG].clear();
        b[TFLG].clear();
        if (a != b) return row;
    }
    return before.grid.RowCount() == after.grid.RowCount() ? -1 : after.grid.RowCount();
}

// Something happens from outside at the third look at the progress display, which the session
// takes between records: the user presses Cancel, or the radio's cable is pulled out.
class EventProgress : public QuietProgress {
  public:
    explicit EventProgress(std::function<void(EventProgress&)> event) : event_(std::move(event)) {}
    void ProcessEvents() override {
        if (++looks_ == 3 && event_) event_(*this);
    }

  private:
    std::function<void(EventProgress&)> event_;
    int looks_ = 0;
};

class TransferFaults : public SimulatedRadioTest, public testing::WithParamInterface<FaultCase> {
  protected:
    void SetUp() override {
        SimulatedRadioTest::SetUp();
        Event event = GetParam().event;
        env.makeProgress = [this, event](const wxString&) {
            return std::make_unique<EventProgress>([this, event](EventProgress& progress) {
                if (event == Event::Cancel) progress.Cancel();
                if (event == Event::RadioGone) server.reset();  // its line goes with it
            });
        };
    }
    void ServeRadio(bool digital, const FaultCase& c) {
        Serve(digital ? 0 : kAnalogRows, c.settings, c.faults);
    }
    int Transfer(Page& page, const wxString& port) {
        if (GetParam().mode == kTransferWrite)
            return UploadCommand(env, PlainWrite(), page, 0, port);
        return DownloadCommand(env, page, 0, port);
    }
    // What a read of the same radio gives on a clean line.
    Page CleanRead(bool digital) {
        ServeRadio(digital, {});
        Page page = PageToSend(digital);
        EXPECT_EQ(DownloadCommand(env, page, 0, Port()), kTransferComplete);
        return page;
    }
};

TEST_P(TransferFaults, EndsWithItsStatusThePortClosedAndThePageKept) {
    const FaultCase& c = GetParam();
    ServeRadio(c.digital != (c.event == Event::WrongRadio), c);
    wxString port = Port();
    Page page = PageToSend(c.digital);
    const Page before = page;
    if (c.event == Event::NoPermission) chmod(port.fn_str(), 0);

    auto start = std::chrono::steady_clock::now();
    int status = c.event == Event::NoPermission
                     ? AsUserWithoutRights([&] { return Transfer(page, port); })
                     : Transfer(page, port);
    auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start);

    EXPECT_EQ(status, c.status);
    // 30 s of radio time pass in 0.6 s on the scaled clock; a slow machine gets room.
    EXPECT_LT(seconds.count(), 8.0);
    if (c.event != Event::NoPermission) {  // the child showed its box
        // An analog read first tells the user which key starts it on the radio.
        std::vector<wxString> boxes = dialogs.Messages();
        ASSERT_EQ(boxes.size(), c.mode == kTransferRead && !c.digital ? 2u : 1u);
        EXPECT_TRUE(boxes.back().StartsWith(c.box)) << boxes.back();
    }
    if (c.digital && c.event == Event::Cancel) {
        EXPECT_EQ(LastSent(), "T9030000FC");
    }
    if (server && c.faults.dropAfter < 0) {  // a line that went dead took its device along
        chmod(port.fn_str(), 0600);
        EXPECT_TRUE(OpenRadioPort(port)->IsOpen()) << "the port was left open";
    }
    // A read that completes brings the radio's memories, as a clean line does.
    bool read = c.mode == kTransferRead && status == kTransferComplete;
    EXPECT_EQ(FirstChangedRow(read ? CleanRead(c.digital) : before, page), -1)
        << "the page is not what it should be";
}

INSTANTIATE_TEST_SUITE_P(Matrix, TransferFaults, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<FaultCase>& info) {
                             std::string name;
                             for (const char* p = info.param.name; *p; ++p)
                                 if (isalnum(static_cast<unsigned char>(*p))) name += *p;
                             return name;
                         });
}  // namespace
