#include "pages/memory_label.h"

namespace lumo {

wxString MemoryNumberLabel(const Page& page, int row, const wxString& text) {
    if (text.empty()) return text;
    long number = 0;
    if (!ParseDecimal(text, number)) return text;
    if (number == 0) return row == 0 ? "DEF" : "";
    if (page.HasGuardRows()) {
        if (number == page.FirstGuardRow()) return "GD1";
        if (number == page.SecondGuardRow()) return "GD2";
    }
    return wxString::Format("%03ld", number);
}

}  // namespace lumo
