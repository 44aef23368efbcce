// Finds the files that ship beside the program: the tool-bar images and the user guide.
#pragma once

#include <wx/string.h>

#include <vector>

namespace lumo {

// The directories searched, in order: beside the executable, the installation's data directory
// (../share/lumo from the executable), the source tree the program was built from, and the
// working directory.
std::vector<wxString> ResourceDirectories();
// The full path of a resource such as "icons/btn-open-32.png", or "" when none is found.
wxString FindResource(const wxString& relativePath);
// The path the Help command opens: the first existing user guide, else the one beside the
// executable (which then does not exist, and the command says so).
wxString UserGuidePath();

}  // namespace lumo
