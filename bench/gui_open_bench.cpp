// Opening a full 502-row VRD-21B file in the real main window, until the page has been
// painted. Run on a display (bench/gui_open.sh starts a virtual one). Prints the median of
// several opens in milliseconds.
#include "bench_pages.h"
#include "commands/commands.h"
#include "files/lumo_file.h"
#include "lumo_frame.h"
#include "page_view.h"
#include "support/scripted_dialogs.h"

#include <wx/app.h>
#include <wx/filename.h>
#include <wx/image.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

using namespace lumo;

namespace {
class BenchApp : public wxApp {
  public:
    bool OnInit() override {
        wxInitAllImageHandlers();
        InitCatalogueLists();
        CallAfter([this] { Run(); });
        return true;
    }

  private:
    void Run() {
        Page page = FullPage(7);
        wxString path = wxFileName::CreateTempFileName("lumo-gui-bench") + ".lumo";
        SaveLumoFile(page, path);

        std::vector<double> times;
        for (int run = 0; run < 7; ++run) {
            auto* frame = new LumoFrame;
            auto dialogs = std::make_unique<ScriptedDialogs>();
            dialogs->texts = {path};
            frame->SetDialogs(std::move(dialogs));
            frame->Show();
            while (!frame->IsShownOnScreen())
                Yield(true);
            auto start = std::chrono::steady_clock::now();
            wxCommandEvent open(wxEVT_MENU, ID_OPEN);
            frame->GetEventHandler()->ProcessEvent(open);
            frame->CurrentView()->Grid()->Update();  // paints now
            Yield(true);
            auto end = std::chrono::steady_clock::now();
            times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
            frame->Destroy();
            Yield(true);
        }
        wxRemoveFile(path);
        std::sort(times.begin(), times.end());
        std::printf("open of a full 502-row EP25 file until painted, median of %zu: %.1f ms\n",
                    times.size(), times[times.size() / 2]);
        ExitMainLoop();
    }
};
}  // namespace

wxIMPLEMENT_APP(BenchApp);
