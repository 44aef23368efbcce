// The serial link on a pseudo-terminal: bytes per second through it, and the time from a byte
// arriving at the port to Read() handing it over. Also the record codec per record.
#include "bench_pages.h"
#include "model/catalogue.h"
#include "pages/page.h"
#include "support/pty_pair.h"
#include "transfer/trecord.h"
#include "transfer/wx_async_serial.h"

#include <benchmark/benchmark.h>
#include <wx/init.h>

#include <atomic>

using namespace lumo;

static void BM_LinkThroughput(benchmark::State& state) {
    PtyPair pty;
    wxAsyncSerial link(nullptr);
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
    wxAsyncSerial link(nullptr);
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

int main(int argc, char** argv) {
    wxInitializer wx;
    InitCatalogueLists();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
