// Core figures: creating a page for each radio, and the cost of a fresh page's defaults.
#include "bench_pages.h"
#include "commands/target_selection.h"
#include "edit/cell_traits.h"
#include "edit/page_history.h"
#include "edit/row_check.h"
#include "edit/row_commands.h"
#include "edit/row_values.h"
#include "export/csv_export.h"
#include "files/lumo_file.h"
#include "import/import_command.h"
#include "model/catalogue.h"
#include "pages/page.h"
#include "rules/frequency_rules.h"
#include "support/scripted_dialogs.h"

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <wx/filename.h>
#include <wx/init.h>
#include <functional>

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

// What a full repaint asks of the attribute provider: the traits of every cell and its key.
static void BM_CellTraitsOfEveryCell(benchmark::State& state) {
    Page page = FullPage(7);
    for (auto _ : state) {
        for (int row = 0; row <= page.Rows(); ++row)
            for (int col = 0; col < kColumnCount; ++col)
                benchmark::DoNotOptimize(EditorFor(page, row, col).Key());
    }
    state.counters["cells"] = (page.Rows() + 1) * kColumnCount;
}
BENCHMARK(BM_CellTraitsOfEveryCell)->Unit(benchmark::kMillisecond);

static void BM_IsOkFreq(benchmark::State& state) {
    const wxString texts[] = {"150.0025", "118.005", "150.00375", "136.1250", "174.0000"};
    const FrequencyRule rules[] = {{4, 2500}, {3, 8333}, {4, 1250}, {5, 12500}, {4, 2500}};
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(IsOkFreq(texts[i % 5], rules[i % 5]));
        ++i;
    }
}
BENCHMARK(BM_IsOkFreq);

static void BM_CheckPageFullEp25(benchmark::State& state) {
    ScriptedDialogs dialogs;
    for (auto _ : state) {
        state.PauseTiming();
        Page page = FullPage(7);
        state.ResumeTiming();
        CheckPage(page, dialogs, 0);
        benchmark::DoNotOptimize(page.zoneCounters[0]);
    }
}
BENCHMARK(BM_CheckPageFullEp25)->Unit(benchmark::kMillisecond);

static void BM_DeleteHundredRowsOfFullEp25(benchmark::State& state) {
    ScriptedDialogs dialogs;
    for (auto _ : state) {
        state.PauseTiming();
        Page page = FullPage(7);
        for (int row = 100; row < 300; row += 2)
            page.grid.GetSelection().AddRow(row);
        state.ResumeTiming();
        RowCommand cmd{page, dialogs, 100};
        DeleteRows(cmd);
        benchmark::DoNotOptimize(page.grid.RowCount());
    }
}
BENCHMARK(BM_DeleteHundredRowsOfFullEp25)->Unit(benchmark::kMillisecond);

// The undo history on a full 502-row page: recording the step of a Validate page data that
// repairs every tenth row, and undoing it.
namespace {
Page ValidatedFullEp25(PageHistory*& history, ScriptedDialogs& dialogs) {
    Page page = FullPage(7);
    for (int row = 1; row <= page.LastMemoryRow(); row += 10)
        page.grid.Set(row, RFRQ, "999.0000");
    history = new PageHistory(page);
    CheckPage(page, dialogs, 0);
    return page;
}
}  // namespace

static void BM_RecordValidateFullEp25(benchmark::State& state) {
    ScriptedDialogs dialogs;
    for (auto _ : state) {
        state.PauseTiming();
        PageHistory* history = nullptr;
        Page page = ValidatedFullEp25(history, dialogs);
        state.ResumeTiming();
        history->Record(page, "Validate page data");
        state.PauseTiming();
        delete history;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RecordValidateFullEp25)->Unit(benchmark::kMillisecond);

static void BM_UndoValidateFullEp25(benchmark::State& state) {
    ScriptedDialogs dialogs;
    for (auto _ : state) {
        state.PauseTiming();
        PageHistory* history = nullptr;
        Page page = ValidatedFullEp25(history, dialogs);
        history->Record(page, "Validate page data");
        state.ResumeTiming();
        history->Undo(page);
        benchmark::DoNotOptimize(page.grid.Get(1, RFRQ));
        state.PauseTiming();
        delete history;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UndoValidateFullEp25)->Unit(benchmark::kMillisecond);

// What 100 steps hold, measured on the heap: one-cell edits, and inserted rows (each moves the
// rows below it, so the step keeps whole rows).
static void HistoryMemory(benchmark::State& state, const std::function<void(Page&, int)>& step) {
    ScriptedDialogs dialogs;
    for (auto _ : state) {
        Page page = FullPage(7);
        PageHistory history(page);
        size_t before = mallinfo2().uordblks;
        for (int i = 0; i < 100; ++i) {
            step(page, i);
            history.Record(page, "step");
        }
        state.counters["bytes"] = static_cast<double>(mallinfo2().uordblks - before);
        state.counters["steps"] = static_cast<double>(history.Size());
    }
}

static void BM_MemoryOfHundredOneCellSteps(benchmark::State& state) {
    HistoryMemory(state, [](Page& page, int i) {
        page.grid.Set(1 + i * 5, DESC, wxString::Format("EDIT %d", i));
    });
}
BENCHMARK(BM_MemoryOfHundredOneCellSteps)->Iterations(1)->Unit(benchmark::kMillisecond);

static void BM_MemoryOfHundredInsertedRows(benchmark::State& state) {
    ScriptedDialogs dialogs;
    HistoryMemory(state, [&](Page& page, int i) {
        RowCommand cmd{page, dialogs, 10 + i};
        page.grid.GetSelection().Clear();
        page.grid.GetSelection().AddRow(10 + i);
        InsertRow(cmd);
    });
}
BENCHMARK(BM_MemoryOfHundredInsertedRows)->Iterations(1)->Unit(benchmark::kMillisecond);

static void BM_SaveFullEp25File(benchmark::State& state) {
    Page page = FullPage(7);
    wxString path = wxFileName::CreateTempFileName("lumo-bench") + ".lumo";
    for (auto _ : state)
        SaveLumoFile(page, path);
    state.counters["bytes"] = wxFileName(path).GetSize().ToDouble();
    wxRemoveFile(path);
}
BENCHMARK(BM_SaveFullEp25File)->Unit(benchmark::kMillisecond);

static void BM_OpenFullEp25File(benchmark::State& state) {
    Page full = FullPage(7);
    wxString path = wxFileName::CreateTempFileName("lumo-bench") + ".lumo";
    SaveLumoFile(full, path);
    for (auto _ : state) {
        state.PauseTiming();
        Page page;
        SetPageParameters(page, 0, 1, 0);
        SetupPageStore(page);
        SetPageDefaults(page, 0);
        state.ResumeTiming();
        OpenLumoFileAt(path, page, 0, nullptr);
        benchmark::DoNotOptimize(page.grid.RowCount());
    }
    wxRemoveFile(path);
}
BENCHMARK(BM_OpenFullEp25File)->Unit(benchmark::kMillisecond);

// A full 502-row VRD-21B page as CSV, all rows selected.
static wxString ExportFullEp25(const wxString& path) {
    Page page = FullPage(7);
    page.grid.GetSelection().SelectAll(page.grid.RowCount());
    ScriptedDialogs dialogs;
    dialogs.texts.push_back(path);
    ExportFileCommand(dialogs, page);
    return path;
}

static void BM_ExportFullEp25Csv(benchmark::State& state) {
    wxString path = wxFileName::CreateTempFileName("lumo-bench") + ".csv";
    for (auto _ : state)
        ExportFullEp25(path);
    state.counters["bytes"] = wxFileName(path).GetSize().ToDouble();
    wxRemoveFile(path);
}
BENCHMARK(BM_ExportFullEp25Csv)->Unit(benchmark::kMillisecond);

static void BM_ImportFullEp25Csv(benchmark::State& state) {
    wxString path = ExportFullEp25(wxFileName::CreateTempFileName("lumo-bench") + ".csv");
    for (auto _ : state) {
        state.PauseTiming();
        Page page;
        SetPageParameters(page, 0, 7, 0);
        SetupPageStore(page);
        SetPageDefaults(page, 0);
        ScriptedDialogs dialogs;
        state.ResumeTiming();
        ImportFileAt(path, page, 0, dialogs);
        benchmark::DoNotOptimize(page.grid.RowCount());
    }
    wxRemoveFile(path);
}
BENCHMARK(BM_ImportFullEp25Csv)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    wxInitializer wx;
    InitCatalogueLists();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
