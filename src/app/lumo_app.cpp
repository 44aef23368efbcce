#include "lumo_app.h"

#include "lumo_frame.h"
#include "startup_probe.h"

#include <wx/image.h>

bool LumoApp::OnInit() {
    wxInitAllImageHandlers();
    auto* frame = new LumoFrame;
    SetTheLumoFrame(frame);
    frame->Show(true);
    // "--port DEVICE" chooses the serial port at start (a radio simulator's device, say).
    for (int i = 1; i + 1 < argc; ++i)
        if (argv[i] == "--port") frame->SetPort(argv[i + 1]);
    StartupProbe::ArmIfRequested(frame);
    return true;
}
