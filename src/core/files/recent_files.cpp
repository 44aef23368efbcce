#include "files/recent_files.h"

#include <wx/filename.h>

#include <algorithm>

namespace lumo {

namespace {
wxString Key(size_t index) {
    return wxString::Format("RecentFiles/File%zu", index + 1);
}
const char* const kLastFolderKey = "RecentFiles/LastFolder";
}  // namespace

void RecentFiles::Load(const Settings& settings) {
    paths_.clear();
    for (size_t i = 0; i < kMost; ++i) {
        wxString path = settings.ReadString(Key(i), wxString());
        if (!path.empty() && std::find(paths_.begin(), paths_.end(), path) == paths_.end())
            paths_.push_back(path);
    }
}

void RecentFiles::Save(Settings& settings) const {
    for (size_t i = 0; i < kMost; ++i)
        settings.WriteString(Key(i), i < paths_.size() ? paths_[i] : wxString());
}

void RecentFiles::Add(const wxString& path) {
    Remove(path);
    paths_.insert(paths_.begin(), path);
    if (paths_.size() > kMost) paths_.resize(kMost);
}

void RecentFiles::Remove(const wxString& path) {
    paths_.erase(std::remove(paths_.begin(), paths_.end(), path), paths_.end());
}

wxString LastFolder(const Settings& settings) {
    return settings.ReadString(kLastFolderKey, wxString());
}

void RememberFolderOf(Settings& settings, const wxString& path) {
    settings.WriteString(kLastFolderKey, wxFileName(path).GetPathWithSep());
}

}  // namespace lumo
