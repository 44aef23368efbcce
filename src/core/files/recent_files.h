// The data files opened or saved last, newest first, as File > Recent files offers them again.
// They are kept in the settings, so the list outlives the run.
#pragma once

#include "util/settings.h"

#include <vector>

namespace lumo {

class RecentFiles {
  public:
    static constexpr size_t kMost = 9;

    void Load(const Settings& settings);
    void Save(Settings& settings) const;
    // Puts a path first; an older mention of it goes, and so does the tenth path.
    void Add(const wxString& path);
    void Remove(const wxString& path);
    const std::vector<wxString>& Paths() const { return paths_; }

  private:
    std::vector<wxString> paths_;
};

// The folder the file dialogs open in when the page names none: the folder of the file the
// user opened or saved last, in this run or an earlier one.
wxString LastFolder(const Settings& settings);
void RememberFolderOf(Settings& settings, const wxString& path);

}  // namespace lumo
