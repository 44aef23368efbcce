// Program entry: assertions are not reported to the user, and the log level is informational.
#include "command_line.h"
#include "lumo_app.h"

#include <wx/log.h>

#include <cstdlib>

wxIMPLEMENT_APP_NO_MAIN(LumoApp);

int main(int argc, char** argv) {
#ifdef __WXGTK__
    // Lumo draws nothing with OpenGL. Without this GTK loads the GL stack at start-up (on a
    // machine without a GPU driver that is the whole software renderer: ~55 MB and ~100 ms).
    setenv("GDK_GL", "disable", 0);
#endif
    wxDISABLE_ASSERTS_IN_RELEASE_BUILD();
    wxSetAssertHandler(nullptr);
    wxLog::SetLogLevel(wxLOG_Info);
    // Help, the version, printing to a file and mistakes need no window, so no display either.
    if (WantsNoWindow(argc, argv)) return RunWithoutWindow(argc, argv);
    return wxEntry(argc, argv);
}
