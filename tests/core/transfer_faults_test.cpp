// What a transfer does when the line or the radio misbehaves: one table over the simulated
// radios on pseudo-terminals, for the digital and the analog session, writing and reading.
// Every case ends with its status within its bound, the port closed (it opens again), and the
// page as it was before a read or as it was sent by a write.
#include "commands/radio_write.h"
#include "sim_server.h"
#include "support/page_fixtures.h"
#include "support/scaled_clock.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"
#include "transfer/transfer_commands.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <chrono>
#include <functional>

using namespace lumo;
using namespace radiosim;

namespace {
constexpr int kVRD21 = 6;
constexpr int kVR35 = 13;

enum class Event { None, Cancel, RadioGone, WrongRadio, NoPermission };

struct FaultCase {
    const char* name;
    bool digital;
    int mode;
    Faults faults;
    DigitalSettings settings;
    Event event;
    int status;
};

Faults NoReply() {
    return {true, 0, false, false, -1};
}
Faults BadChecksums(int n) {
    return {false, n, false, false, -1};
}
Faults Noise() {
    return {false, 0, true, false, -1};
}
Faults Split() {
    return {false, 0, false, true, -1};
}
Faults DropAfter(int n) {
    return {false, 0, false, false, n};
}
DigitalSettings Refusing() {
    return {2, "020100", 0x70, 2, 2, -1};
}
DigitalSettings EndlesslyBusy() {
    return {2, "020100", 0x70, -1, -1, -1};
}

constexpr int kW = kTransferWrite, kR = kTransferRead;
const FaultCase kCases[] = {
    {"digital write, no reply", true, kW, NoReply(), {}, Event::None, kTransferTimeout},
    {"digital read, no reply", true, kR, NoReply(), {}, Event::None, kTransferTimeout},
    {"analog write, no reply", false, kW, NoReply(), {}, Event::None, kTransferTimeout},
    {"analog read, no reply", false, kR, NoReply(), {}, Event::None, kTransferTimeout},
    {"digital write, one bad checksum",
     true,
     kW,
     BadChecksums(1),
     {},
     Event::None,
     kTransferComplete},
    {"digital read, two bad checksums",
     true,
     kR,
     BadChecksums(2),
     {},
     Event::None,
     kTransferChecksum},
    {"digital write, a record refused", true, kW, {}, Refusing(), Event::None, kTransferRefused},
    {"digital write, noise lines", true, kW, Noise(), {}, Event::None, kTransferComplete},
    {"digital read, noise lines", true, kR, Noise(), {}, Event::None, kTransferComplete},
    {"analog read, noise lines", false, kR, Noise(), {}, Event::None, kTransferComplete},
    {"digital write, byte by byte", true, kW, Split(), {}, Event::None, kTransferComplete},
    {"analog write, byte by byte", false, kW, Split(), {}, Event::None, kTransferComplete},
    {"digital write, busy without end",
     true,
     kW,
     {},
     EndlesslyBusy(),
     Event::None,
     kTransferTimeout},
    {"digital write, hang-up", true, kW, DropAfter(12), {}, Event::None, kTransferPortError},
    {"digital read, hang-up", true, kR, DropAfter(12), {}, Event::None, kTransferPortError},
    {"analog write, hang-up", false, kW, DropAfter(2), {}, Event::None, kTransferPortError},
    {"digital write, Cancel", true, kW, {}, {}, Event::Cancel, kTransferCancelled},
    {"analog read, Cancel", false, kR, {}, {}, Event::Cancel, kTransferCancelled},
    {"digital read, device removed", true, kR, {}, {}, Event::RadioGone, kTransferPortError},
    {"analog write, device removed", false, kW, {}, {}, Event::RadioGone, kTransferPortError},
    {"digital write, permission denied", true, kW, {}, {}, Event::NoPermission, kTransferPortError},
    {"analog read, permission denied", false, kR, {}, {}, Event::NoPermission, kTransferPortError},
    {"digital page, an analog radio", true, kR, {}, {}, Event::WrongRadio, kTransferTimeout},
    {"analog page, a digital radio", false, kW, {}, {}, Event::WrongRadio, kTransferTimeout},
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

// Runs the transfer as a user without the right to open the port: root opens any device,
// so as root it runs in a child process that has given its rights up.
int AsUserWithoutRights(const std::function<int()>& transfer) {
    if (geteuid() != 0) return transfer();
    pid_t child = fork();
    if (child == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0) _exit(99);
        _exit(transfer());
    }
    int result = 0;
    waitpid(child, &result, 0);
    return WIFEXITED(result) ? WEXITSTATUS(result) : -1;
}

class TransferFaults : public testing::TestWithParam<FaultCase> {
  protected:
    void SetUp() override {
        env.dialogs = &dialogs;
        env.clock = &clock;
        env.heldRadio = &held;
        env.waitSliceMs = 5;
        env.logPath = env.analogLogPath = dir.Path("Lumo.log");
        env.hardwareDirectory = dir.Path("Logs");
        env.makeProgress = [this](const wxString&) {
            Event event = GetParam().event;
            return std::make_unique<EventProgress>([this, event](EventProgress& progress) {
                if (event == Event::Cancel) progress.Cancel();
                if (event == Event::RadioGone) server.reset();  // its line goes with it
            });
        };
    }
    std::unique_ptr<SimServer> Radio(bool digital, const DigitalSettings& settings,
                                     const Faults& faults) {
        auto radio = digital ? std::make_unique<SimServer>(std::make_unique<DigitalRadio>(settings),
                                                           nullptr, faults)
                             : std::make_unique<SimServer>(
                                   nullptr, std::make_unique<AnalogRadio>(201), faults);
        std::string error;
        EXPECT_TRUE(radio->Open("", &error)) << error;
        radio->Start();
        return radio;
    }
    // What a read of the same radio gives on a clean line.
    Page CleanRead(bool digital) {
        std::unique_ptr<SimServer> clean = Radio(digital, {}, {});
        Page page = PageToSend(digital);
        EXPECT_EQ(DownloadCommand(env, page, 0, clean->DevicePath()), kTransferComplete);
        clean->Stop();
        return page;
    }
    int Transfer(Page& page, const wxString& port) {
        if (GetParam().mode == kTransferWrite)
            return UploadCommand(env, PlainWrite(), page, 0, port);
        return DownloadCommand(env, page, 0, port);
    }

    TempDir dir;
    ScaledClock clock;
    ScriptedDialogs dialogs;
    HeldRadio held;
    TransferEnvironment env;
    std::unique_ptr<SimServer> server;
};

TEST_P(TransferFaults, EndsWithItsStatusThePortClosedAndThePageKept) {
    const FaultCase& c = GetParam();
    server = Radio(c.digital != (c.event == Event::WrongRadio), c.settings, c.faults);
    wxString port = server->DevicePath();
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
    // A read that completes brings the radio's memories, as a clean line does.
    bool read = c.mode == kTransferRead && status == kTransferComplete;
    EXPECT_EQ(FirstChangedRow(read ? CleanRead(c.digital) : before, page), -1)
        << "the page is not what it should be";
    if (server && c.faults.dropAfter < 0) {  // a line that went dead took its device along
        chmod(port.fn_str(), 0600);
        EXPECT_TRUE(OpenRadioPort(port)->IsOpen()) << "the port was left open";
    }
}

INSTANTIATE_TEST_SUITE_P(Matrix, TransferFaults, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<FaultCase>& info) {
                             std::string name;
                             for (const char* p = info.param.name; *p; ++p)
                                 if (isalnum(static_cast<unsigned char>(*p))) name += *p;
                             return name;
                         });
}  // namespace
