// Printing a full 502-row VRD-21B (EP25) page to PDF, in portrait and landscape: the time to
// draw and write the file in the process, the time of a whole "lumo FILE --print-to OUT.pdf"
// run (start-up, reading the file, printing), the sheets and the file's size. Needs no display.
// Usage: lumo_print_bench path/to/lumo
#include "bench_pages.h"
#include "files/lumo_file.h"
#include "lumo_printing.h"

#include <wx/app.h>
#include <wx/filename.h>
#include <wx/init.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

using namespace lumo;

namespace {
double MedianMs(int runs, const std::function<void()>& work) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
}  // namespace

int main(int argc, char** argv) {
    wxApp::SetInstance(new wxAppConsole);
    wxInitializer toolkit(argc, argv);
    if (!toolkit.IsOk() || argc < 2) {
        std::fputs("usage: lumo_print_bench path/to/lumo\n", stderr);
        return 2;
    }
    const wxString lumo = argv[1];
    InitCatalogueLists();
    Page page = FullPage(7);
    wxString base = wxFileName::CreateTempFileName("lumo-print-bench");
    wxString file = base + ".lumo", pdf = base + ".pdf";
    SaveLumoFile(page, file);
    PrintedTable table = TableOf(ColumnWidths[page.Type()], page.Rows() + 1);
    constexpr int kRuns = 7;
    for (bool landscape : {false, true}) {
        PrintGeometry geometry;
        geometry.landscape = landscape;
        int sheets = 0;
        double inProcess = MedianMs(kRuns, [&] {
            sheets = PrintPageToPdf(page, table, page.strings.radioName, geometry, pdf, nullptr);
        });
        wxString command = "'" + lumo + "' '" + file + "' --print-to '" + pdf + "'" +
                           (landscape ? " --landscape" : "");
        int failures = 0;
        double whole = MedianMs(kRuns, [&] { failures += std::system(command.utf8_str()) != 0; });
        std::printf(
            "%s, full %d-row %s page: %d sheets, %.0f KiB; printing %.1f ms, whole lumo "
            "--print-to run %.1f ms (medians of %d)%s\n",
            landscape ? "landscape" : "portrait", page.Rows(),
            static_cast<const char*>(page.strings.typeCode.utf8_str()), sheets,
            wxFileName::GetSize(pdf).ToDouble() / 1024, inProcess, whole, kRuns,
            failures ? " - THE lumo RUNS FAILED" : "");
    }
    for (const wxString& path : {base, file, pdf})
        wxRemoveFile(path);
    return 0;
}
