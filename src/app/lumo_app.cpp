#include "lumo_app.h"

#include "command_line.h"
#include "lumo_frame.h"
#include "startup_probe.h"

#include <wx/image.h>

bool LumoApp::OnInit() {
    wxCmdLineParser parser(argc, argv);
    exitCode_ = ParseWindowCommandLine(parser);
    if (exitCode_) return true;
    wxInitAllImageHandlers();
    auto* frame = new LumoFrame;
    SetTheLumoFrame(frame);
    frame->Show(true);
    // A device given at start (a radio simulator's, say) is the chosen port.
    wxString port;
    if (parser.Found("port", &port)) frame->SetPort(port);
    std::vector<wxString> files;
    for (size_t i = 0; i < parser.GetParamCount(); ++i)
        files.push_back(parser.GetParam(i));
    frame->OpenFiles(files);
    StartupProbe::ArmIfRequested(frame);
    return true;
}

int LumoApp::OnRun() {
    return exitCode_ ? *exitCode_ : wxApp::OnRun();
}
