#include "edit/error_display.h"

#include "util/diag_log.h"

namespace lumo {

wxString ErrorText(int code, int value) {
    switch (code) {
        case kInvalidRadio: return "Invalid Radio selection";
        case kInvalidBand: return "Invalid Band selection";
        case kNumberInUse: return wxString::Format("Number already used at row: %03d", value);
        case kDuplicateNumbers:
            return wxString::Format("%d Duplicate memory number(s) found.", value);
        default: return "Unknown Error";
    }
}

void DisplayError(Dialogs& dialogs, int code, int value) {
    wxString text = ErrorText(code, value);
    LUMO_LOG("LumoMain", " . Error: %s", text);
    dialogs.Message(text, "Error");
}

}  // namespace lumo
