#include "lumo_app.h"

#include "lumo_frame.h"
#include "startup_probe.h"

#include <wx/image.h>

bool LumoApp::OnInit() {
    wxInitAllImageHandlers();
    auto* frame = new LumoFrame;
    SetTheLumoFrame(frame);
    frame->Show(true);
    StartupProbe::ArmIfRequested(frame);
    return true;
}
