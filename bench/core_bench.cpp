// Core figures: creating a page for each radio, and the cost of a fresh page's defaults.
#include "model/catalogue.h"
#include "pages/page.h"
#include "shell/target_selection.h"
#include "support/scripted_dialogs.h"

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

// The largest page (VRD-21B, 502 rows) to the smallest (VR-19, 6 rows) and back, with a
// page full of channels.
static void BM_RetargetLargestToSmallestAndBack(benchmark::State& state) {
    Page page;
    SetPageParameters(page, 0, 7, 0);
    SetupPageStore(page);
    SetPageDefaults(page, 0);
    for (auto _ : state) {
        state.PauseTiming();
        for (int row = 1; row <= page.Rows(); ++row) {
            page.grid.SetRow(row, page.grid.GetRow(0));
            page.grid.Set(row, MNUM, wxString::Format("%03d", row));
        }
        ScriptedDialogs dialogs;
        dialogs.choices = {2, 7};
        state.ResumeTiming();
        ChangePageTarget(dialogs, page, 0);
        ChangePageTarget(dialogs, page, 0);
        benchmark::DoNotOptimize(page.grid.RowCount());
    }
}
BENCHMARK(BM_RetargetLargestToSmallestAndBack)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    wxInitializer wx;
    InitCatalogueLists();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
