#include "util/version.h"

namespace lumo {

const char* ProgramVersion() {
    return LUMO_VERSION;
}

wxString FileFormatVersionText() {
    const char* parts[] = {"R", "C", "4"};
    return wxString::Format("%s.%s.%s", parts[0], parts[1], parts[2]);
}

}  // namespace lumo
