// Lumo's versions: the program's, which every program, the About box and the package show, and
// the one its data files carry.
#pragma once

#include <wx/string.h>

namespace lumo {

// The version of this build, from the project's VERSION ("0.1.0").
const char* ProgramVersion();

// "R.C.4": the version every data file Lumo writes carries, so files stay as older readers know
// them; readers only log it.
wxString FileFormatVersionText();

}  // namespace lumo
