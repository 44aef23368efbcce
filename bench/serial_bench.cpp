// The serial link on a pseudo-terminal: bytes per second through it, and the time from a byte
// arriving at the port to Read() handing it over. Also the record codec per record.
#include "bench_pages.h"
#include "commands/fleet_write.h"
#include "commands/radio_write.h"
#include "edit/row_check.h"
#include "model/catalogue.h"
#include "pages/page.h"
#include "sim_server.h"
#include "support/port_server.h"
#include "support/pty_pair.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"
#include "transfer/transfer_commands.h"
#include "transfer/trecord.h"
#include "transfer/wx_async_serial.h"

#include <benchmark/benchmark.h>
#include <wx/init.h>

#include <atomic>

using namespace lumo;

static void BM_LinkThroughput(benchmark::State& state) {
    PtyPair pty;
    wxAsyncSerial link;
    if (!link.Open(pty.WxPath(), 115200)) {
        state.SkipWithError("cannot open the pseudo-terminal");
        return;
    }
    const std::string chunk(64 * 1024, 'T');
    for (auto _ : state) {
        link.Write(wxString(chunk));
        std::string got = pty.ReceiveBytes(chunk.size());
        if (got.size() != chunk.size()) state.SkipWithError("bytes lost");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * chunk.size()));
    link.Close();
}
BENCHMARK(BM_LinkThroughput)->Unit(benchmark::kMillisecond)->UseRealTime();

static void BM_LinkReceiveLatency(benchmark::State& state) {
    PtyPair pty;
    wxAsyncSerial link;
    if (!link.Open(pty.WxPath(), 115200)) {
        state.SkipWithError("cannot open the pseudo-terminal");
        return;
    }
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        pty.Send("T204000000FB\r");
        wxString got;
        while (!got.Contains("\r"))
            got += link.Read();
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    link.Close();
}
BENCHMARK(BM_LinkReceiveLatency)->UseManualTime()->Unit(benchmark::kMicrosecond);

static void BM_EncodeRecord(benchmark::State& state) {
    int version = static_cast<int>(state.range(0));
    Page page = FullPage(6);
    int row = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(encodeTrecord(page, row, version));
        row = row % 230 + 1;
    }
}
BENCHMARK(BM_EncodeRecord)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

static void BM_DecodeRecord(benchmark::State& state) {
    int version = static_cast<int>(state.range(0));
    Page page = FullPage(6);
    std::vector<wxString> records;
    for (int row = 1; row <= 230; ++row)
        records.push_back(encodeTrecord(page, row, version));
    Page target = FullPage(6);
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(decodeTrecord(target, records[i], version));
        i = (i + 1) % records.size();
    }
}
BENCHMARK(BM_DecodeRecord)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// A simulated digital radio serving on its pseudo-terminal, and a quiet transfer environment
// on the real clock; `ok` is false, and the benchmark skipped, when no terminal opened.
struct BenchRadio {
    radiosim::SimServer server{std::make_unique<radiosim::DigitalRadio>(), nullptr,
                               radiosim::Faults()};
    SteadyClock clock;
    ScriptedDialogs dialogs;
    TransferEnvironment env;
    bool ok = false;

    explicit BenchRadio(benchmark::State& state) {
        std::string error;
        ok = server.Open("", &error);
        if (!ok) {
            state.SkipWithError(error.c_str());
            return;
        }
        server.Start();
        env.dialogs = &dialogs;
        env.clock = &clock;
        env.logPath = env.analogLogPath = "/nonexistent/Lumo.log";
        env.makeProgress = [](const wxString&) { return std::make_unique<QuietProgress>(); };
    }
    wxString Port() const { return server.DevicePath(); }
};

// A whole 502-row VRD-21B page sent to the simulated radio and read back, on the real clock:
// what the user waits for, less the radio's own time (the simulator answers at once) and the
// one-second pause that ends every transfer.
static void BM_SendAndReadFullEp25(benchmark::State& state) {
    BenchRadio radio(state);
    if (!radio.ok) return;
    TransferEnvironment& env = radio.env;
    for (auto _ : state) {
        Page page = FullPage(7);
        page.grid.GetSelection().SelectAll(page.grid.RowCount());
        TransferData(env, page, kTransferWrite, radio.Port(), "Send");
        Page back = FullPage(7);
        TransferData(env, back, kTransferRead, radio.Port(), "Read");
    }
}
BENCHMARK(BM_SendAndReadFullEp25)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

// A whole 502-row VRD-21B page written to the simulated radio on the real clock, through its
// pseudo-terminal (argument 0), and through ser2net in front of it on this machine: raw TCP
// (1) and RFC 2217 (2), and raw TCP with ser2net's default character delay (3), which holds
// every answer of the radio a little before passing it on.
static void BM_WriteFullEp25ThroughPort(benchmark::State& state) {
    BenchRadio radio(state);
    if (!radio.ok) return;
    TransferEnvironment& env = radio.env;
    TempDir folder;
    std::string device(radio.Port().mb_str());
    portserver::Ser2net ser2net({{device, false}, {device, true}, {device, false, true}},
                                std::string(folder.Path().mb_str()));
    if (state.range(0) > 0 && !ser2net.Ok()) {
        state.SkipWithError("ser2net did not start");
        return;
    }
    wxString port =
        state.range(0) == 0 ? wxString(radio.Port()) : ser2net.Names()[state.range(0) - 1];
    for (auto _ : state) {
        Page page = FullPage(7);
        page.grid.GetSelection().SelectAll(page.grid.RowCount());
        TransferOutcome outcome = TransferData(env, page, kTransferWrite, port, "Send");
        if (outcome.status != kTransferComplete)
            state.SkipWithError(static_cast<const char*>(outcome.message.utf8_str()));
    }
}
BENCHMARK(BM_WriteFullEp25ThroughPort)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Arg(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

// Send to radio of a whole 502-row VRD-21B page to a radio that holds one already, on the real
// clock: without the safety net (argument 0), and with the backup before it and the verify
// after it (1), each with the one-second pause that ends it.
static void BM_SendFullEp25WithBackupAndVerify(benchmark::State& state) {
    BenchRadio radio(state);
    if (!radio.ok) return;
    TransferEnvironment& env = radio.env;
    TempDir backups;
    SafetyOptions safety = state.range(0) ? SafetyOptionsOf({}, backups.Path()) : PlainWrite();
    // A page as the program holds one: checked, so its zones keep their limits.
    Page page = FullPage(7);
    CheckPage(page, radio.dialogs, 0);
    page.grid.GetSelection().SelectAll(page.grid.RowCount());
    UploadCommand(env, PlainWrite(), page, 0, radio.Port());
    for (auto _ : state) {
        WriteResult result;
        UploadCommand(env, safety, page, 0, radio.Port(), &result);
        if (result.status != kTransferComplete || (state.range(0) && !result.verify.Passed()))
            state.SkipWithError(static_cast<const char*>(result.message.utf8_str()));
    }
}
BENCHMARK(BM_SendFullEp25WithBackupAndVerify)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(2);

// The same Send to radio with backup and verify, to 1, 4 and 8 simulated radios at once (one
// thread and one link each): the time for eight should stay near the time for one. The CPU
// time is the whole process's, the simulated radios' included.
static void BM_SendFullEp25ToSeveralRadios(benchmark::State& state) {
    using namespace radiosim;
    std::vector<std::unique_ptr<SimServer>> servers;
    std::vector<wxString> ports;
    for (int64_t i = 0; i < state.range(0); ++i) {
        servers.push_back(
            std::make_unique<SimServer>(std::make_unique<DigitalRadio>(), nullptr, Faults()));
        std::string error;
        if (!servers.back()->Open("", &error)) {
            state.SkipWithError(error.c_str());
            return;
        }
        servers.back()->Start();
        ports.push_back(servers.back()->DevicePath());
    }
    TempDir backups;
    SteadyClock clock;
    ScriptedDialogs dialogs;
    TransferEnvironment env;
    env.clock = &clock;
    env.logPath = env.analogLogPath = "/nonexistent/Lumo.log";
    Page page = FullPage(7);
    CheckPage(page, dialogs, 0);
    page.grid.GetSelection().SelectAll(page.grid.RowCount());
    for (auto _ : state) {
        FleetWrite fleet(page, 0, ports, env, SafetyOptionsOf({}, backups.Path()));
        fleet.Start();
        fleet.Wait();
        for (const FleetPortResult& result : fleet.Results())
            if (!result.Succeeded())
                state.SkipWithError(static_cast<const char*>(result.status.utf8_str()));
    }
    for (auto& server : servers)
        server->Stop();
}
BENCHMARK(BM_SendFullEp25ToSeveralRadios)
    ->Arg(1)
    ->Arg(4)
    ->Arg(8)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Iterations(2);

int main(int argc, char** argv) {
    wxInitializer wx;
    InitCatalogueLists();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
