// Core figures: creating a page for each radio, and the cost of a fresh page's defaults.
#include "model/catalogue.h"
#include "pages/page.h"

#include <benchmark/benchmark.h>
#include <wx/init.h>

using namespace lumo;

static void BM_CreatePageForRadio(benchmark::State& state) {
    int radio = static_cast<int>(state.range(0));
    for (auto _ : state) {
        Page page;
        SetPageParameters(page, 0, radio, 0);
        SetupPageStore(page);
        SetPageDefaults(page, 0);
        benchmark::DoNotOptimize(page.grid.RowCount());
    }
    state.SetLabel(RadioNames[radio]);
}
BENCHMARK(BM_CreatePageForRadio)->DenseRange(0, kRadioCount - 1)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    wxInitializer wx;
    InitCatalogueLists();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
