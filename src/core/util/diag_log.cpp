#include "util/diag_log.h"

#include <wx/datetime.h>
#include <wx/log.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>

namespace lumo {

namespace {
std::atomic<bool> g_enabled{false};
// Sessions on several ports log at once: each line is written whole, one after the other.
std::mutex g_lineMutex;

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
    // Straight to standard error rather than through wxLog, which holds back the lines of
    // threads other than the main one until the main thread flushes them. The line looks as
    // the toolkit's own stderr lines do: the time first.
    wxString whole = wxString::Format("%s: [%s:%d %s] %s\n", wxDateTime::Now().FormatISOTime(),
                                      unit, line, function, text);
    std::lock_guard<std::mutex> lock(g_lineMutex);
    std::fputs(static_cast<const char*>(whole.utf8_str()), stderr);
    std::fflush(stderr);
}

}  // namespace lumo
