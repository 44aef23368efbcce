#include "startup_probe.h"

#include "lumo_frame.h"
#include "page_view.h"

#include <wx/grid.h>
#include <wx/timer.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {
long ResidentKiB() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
        status.ignore(4096, '\n');
    }
    return -1;
}

long long NowNs() {
    using namespace std::chrono;
    return duration_cast<nanoseconds>(system_clock::now().time_since_epoch()).count();
}
}  // namespace

void StartupProbe::ArmIfRequested(LumoFrame* frame) {
    const char* t0 = std::getenv("LUMO_STARTUP_T0");
    if (!std::getenv("LUMO_STARTUP_PROBE") || !t0) return;
    long long start = std::atoll(t0);
    wxWindow* gridWindow = frame->CurrentView()->Grid()->GetGridWindow();
    auto fired = std::make_shared<bool>(false);
    gridWindow->Bind(wxEVT_PAINT, [=](wxPaintEvent& event) {
        event.Skip();
        if (*fired) return;
        *fired = true;
        std::printf("shown_ms %.1f\n", (NowNs() - start) / 1e6);
        std::fflush(stdout);
        wxTimer* timer = new wxTimer(frame);
        frame->Bind(wxEVT_TIMER, [frame, timer](wxTimerEvent&) {
            std::printf("rss_kib %ld\n", ResidentKiB());
            std::fflush(stdout);
            delete timer;
            frame->Destroy();
        });
        timer->StartOnce(1000);
    });
}
