// A page written to many simulated radios at once, each on its own pseudo-terminal: the healthy
// radios end written and verified whatever the faulty ones beside them do.
#include "commands/fleet_write.h"
#include "sim_server.h"
#include "support/page_fixtures.h"
#include "support/scaled_clock.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <wx/dir.h>
#include <wx/filename.h>
#include <wx/tokenzr.h>

using namespace lumo;
using namespace radiosim;

namespace {
constexpr int kVR12 = 1;
constexpr int kVRD21 = 6;

// Rows 1 to 5 (and the guard rows of a radio that has them), selected.
Page Filled(int radio) {
    Page page = MakePage(radio);
    std::vector<int> rows = {1, 2, 3, 4, 5};
    if (page.HasGuardRows()) rows.insert(rows.end(), {page.FirstGuardRow(), page.SecondGuardRow()});
    for (int row : rows) {
        FillFromDefaults(page, row);
        page.grid.GetSelection().AddRow(row);
    }
    return page;
}

struct Radio {
    const char* role;
    bool digital;
    DigitalSettings settings;
    Faults faults;
    std::unique_ptr<SimServer> server;
};

std::unique_ptr<SimServer> Serve(Radio& r) {
    auto server = std::make_unique<SimServer>(
        r.digital ? std::make_unique<DigitalRadio>(r.settings) : nullptr,
        r.digital ? nullptr : std::make_unique<AnalogRadio>(RowsOf(kVR12, 0), -1), r.faults);
    std::string error;
    EXPECT_TRUE(server->Open("", &error)) << error;
    server->Start();
    return server;
}
}  // namespace

// Eight radios, digital and analog, three of them faulty, written by two fleets at once: what
// one session learns or suffers stays its own, down to the report's row.
TEST(FleetWrite, HealthyRadiosEndVerifiedBesideSilentRefusingAndDroppingOnes) {
    Radio radios[] = {
        {"healthy", true, {2, "020100"}, {}, nullptr},
        {"healthy", true, {2, "020205"}, {}, nullptr},
        {"silent", true, {}, {true}, nullptr},
        {"refusing", true, {2, "020100", 0x70, 2, 2}, {}, nullptr},
        {"dropping", true, {}, {false, 0, false, false, 26}, nullptr},
        {"healthy", false, {}, {}, nullptr},
        {"healthy", false, {}, {}, nullptr},
        {"healthy", false, {}, {}, nullptr},
    };
    std::vector<wxString> digitalPorts, analogPorts;
    for (Radio& r : radios) {
        r.server = Serve(r);
        (r.digital ? digitalPorts : analogPorts).push_back(r.server->DevicePath());
    }
    TempDir dir;
    ScaledClock clock;
    TransferEnvironment env;
    env.clock = &clock;
    env.waitSliceMs = 5;
    env.logPath = env.analogLogPath = dir.Path("Lumo.log");
    SafetyOptions safety = SafetyOptionsOf({}, dir.Path("backups"));
    FleetWrite digital(Filled(kVRD21), 0, digitalPorts, env, safety);
    FleetWrite analog(Filled(kVR12), 0, analogPorts, env, safety);
    digital.Start();
    analog.Start();
    digital.Wait();
    analog.Wait();
    std::vector<FleetPortResult> results = digital.Results();
    for (const FleetPortResult& r : analog.Results())
        results.push_back(r);
    ASSERT_EQ(results.size(), 8u);
    for (size_t i = 0; i < results.size(); ++i) {
        const FleetPortResult& r = results[i];
        const Radio& radio = radios[i];
        SCOPED_TRACE(std::string(radio.role) + " " + std::string(r.port.mb_str()));
        EXPECT_EQ(r.port, wxString(radio.server->DevicePath()));
        EXPECT_EQ(r.Succeeded(), std::string(radio.role) == "healthy") << r.status;
        if (r.Succeeded()) {
            EXPECT_EQ(r.status, "Written and verified");
            EXPECT_EQ(r.memories, 7);
            EXPECT_TRUE(wxFileExists(r.backupFile));
            EXPECT_EQ(r.firmware, radio.digital ? wxString(radio.settings.firmware) : "");
        }
    }
    EXPECT_TRUE(results[2].status.StartsWith("Backup failed: Timeout Error")) << results[2].status;
    EXPECT_EQ(results[3].status, "Radio rejected channel 2");
    EXPECT_TRUE(results[4].status.StartsWith("Line lost after")) << results[4].status;
    EXPECT_LT(results[4].memories, 5);
    // One backup file per backed-up radio: none took another's name.
    wxArrayString backups;
    EXPECT_EQ(wxDir::GetAllFiles(dir.Path("backups"), &backups), 7u);
    wxArrayString lines = wxStringTokenize(FleetCsv(results), "\n");
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_TRUE(lines[4].Contains(",1,no,") && lines[4].Contains(",Radio rejected channel 2,"))
        << lines[4];
    for (Radio& r : radios)
        r.server->Stop();
}

// Cancel stops every session, each saying where it was.
TEST(FleetWrite, CancelStopsEverySession) {
    Radio silent{"silent", true, {}, {true}, nullptr};
    Radio other{"silent", true, {}, {true}, nullptr};
    auto first = Serve(silent), second = Serve(other);
    SteadyClock clock;  // real time: only the Cancel ends these sessions soon
    TransferEnvironment env;
    env.clock = &clock;
    env.logPath = env.analogLogPath = "/nonexistent/Lumo.log";
    FleetWrite fleet(Filled(kVRD21), 0, {first->DevicePath(), second->DevicePath()}, env,
                     PlainWrite());
    fleet.Start();
    fleet.Cancel();
    fleet.Wait();
    for (const FleetPortResult& r : fleet.Results()) {
        EXPECT_EQ(r.code, kTransferCancelled);
        EXPECT_EQ(r.status, "Cancelled after 0 memories");
        EXPECT_LT(r.seconds, 5.0);
    }
    first->Stop();
    second->Stop();
}
