#include "util/resources.h"

#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/stdpaths.h>

namespace lumo {

namespace {
wxString WithSeparator(const wxString& dir) {
    return wxFileName::DirName(dir).GetPathWithSep();
}

wxString ExecutableDirectory() {
    return wxFileName(wxStandardPaths::Get().GetExecutablePath()).GetPathWithSep();
}
}  // namespace

std::vector<wxString> ResourceDirectories() {
    wxString exeDir = ExecutableDirectory();
    wxFileName shareDir = wxFileName::DirName(exeDir + "../share/lumo");
    shareDir.Normalize(wxPATH_NORM_DOTS | wxPATH_NORM_ABSOLUTE);
    std::vector<wxString> dirs = {exeDir, shareDir.GetPathWithSep()};
#ifdef LUMO_SOURCE_DIR
    dirs.push_back(WithSeparator(LUMO_SOURCE_DIR));
#endif
    dirs.push_back(WithSeparator(wxGetCwd()));
    return dirs;
}

wxString FindResource(const wxString& relativePath) {
    for (const wxString& dir : ResourceDirectories()) {
        wxString path = dir + relativePath;
        if (wxFileExists(path)) return path;
    }
    return wxString();
}

wxString UserGuidePath() {
    const wxString name = "LumoUserGuide.pdf";
    // The guide is built beside the program; an installation keeps it in its data directory.
    std::vector<wxString> dirs = ResourceDirectories();
    for (size_t i = 0; i < 2 && i < dirs.size(); ++i)
        if (wxFileExists(dirs[i] + name)) return dirs[i] + name;
    return dirs.front() + name;
}

}  // namespace lumo
