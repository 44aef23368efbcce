// The program's version, as the About box, lumo-cli and the data files give it.
#pragma once

#include <wx/string.h>

namespace lumo {

wxString VersionText();  // "R.C.4"

}  // namespace lumo
