// The diagnostic log: message-level lines tagged with their source unit, line and function.
// It is off unless the environment variable LUMO_LOG is set to a non-empty value other than
// "0", in which case the lines go to standard error. Formatting is skipped while it is off.
// Any thread may log: lines are never interleaved.
#pragma once

#include <wx/string.h>

namespace lumo {

bool DiagLogEnabled();
void SetDiagLogEnabled(bool enabled);
// Reads LUMO_LOG once and switches the toolkit's logging to match: off, or to standard error.
void ApplyDiagLogEnvironment();
void DiagLogWrite(const char* unit, int line, const char* function, const wxString& text);

}  // namespace lumo

#define LUMO_LOG(unit, ...)                                                                \
    do {                                                                                   \
        if (::lumo::DiagLogEnabled())                                                      \
            ::lumo::DiagLogWrite(unit, __LINE__, __func__, wxString::Format(__VA_ARGS__)); \
    } while (0)
