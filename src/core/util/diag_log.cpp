#include "util/diag_log.h"

#include <wx/log.h>

#include <atomic>
#include <cstdlib>
#include <cstring>

namespace lumo {

namespace {
std::atomic<bool> g_enabled{false};

bool EnvironmentAsksForLog() {
    const char* value = std::getenv("LUMO_LOG");
    return value && *value && std::strcmp(value, "0") != 0;
}
}  // namespace

bool DiagLogEnabled() {
    return g_enabled.load(std::memory_order_relaxed);
}

void SetDiagLogEnabled(bool enabled) {
    g_enabled = enabled;
}

void ApplyDiagLogEnvironment() {
    bool on = EnvironmentAsksForLog();
    SetDiagLogEnabled(on);
    if (on) {
        delete wxLog::SetActiveTarget(new wxLogStderr);
        wxLog::SetLogLevel(wxLOG_Info);
    }
    wxLog::EnableLogging(on);
}

void DiagLogWrite(const char* unit, int line, const char* function, const wxString& text) {
    // The source is written into the line itself: the stderr target prints only the message.
    wxLogRecordInfo info(unit, line, function, unit);
    wxLog::OnLog(wxLOG_Message, wxString::Format("[%s:%d %s] %s", unit, line, function, text),
                 info);
}

}  // namespace lumo
