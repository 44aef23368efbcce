#include "files/backups.h"

#include "files/lumo_file.h"
#include "util/diag_log.h"

#include <wx/dir.h>
#include <wx/filename.h>
#include <wx/utils.h>

#include <algorithm>
#include <mutex>
#include <optional>
#include <set>
#include <vector>

namespace lumo {

namespace {
constexpr const char* kUnit = "LumoBackup";
constexpr const char* kStampFormat = "%Y-%m-%d_%H-%M-%S";
constexpr size_t kStampLength = 19;  // 2026-05-12_10-30-00
constexpr size_t kRadioIdLength = 14;

// Model names become part of a file name: anything but letters, digits, '-' and '_' is a '-'.
wxString FileNamePart(const wxString& text) {
    wxString part;
    for (wxUniChar ch : text) {
        wxChar c = ch.GetValue();
        bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                     c == '-' || c == '_';
        part += plain ? c : wxChar('-');
    }
    return part.empty() ? wxString("radio") : part;
}

bool AllDigits(const wxString& text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](wxUniChar c) { return c >= '0' && c <= '9'; });
}

bool IsStamp(const wxString& text) {
    if (text.length() != kStampLength) return false;
    for (size_t i = 0; i < kStampLength; ++i) {
        wxUniChar expected = (i == 4 || i == 7 || i == 13 || i == 16) ? '-' : i == 10 ? '_' : '0';
        bool digit = text[i] >= '0' && text[i] <= '9';
        if (expected == '0' ? !digit : text[i] != expected) return false;
    }
    return true;
}

// What a backup's file name says.
struct BackupName {
    wxString model, radioId, stamp;
    long counter = 0;  // a second backup in the same second
    wxString path;
    bool operator<(const BackupName& o) const {
        return stamp != o.stamp ? stamp < o.stamp : counter < o.counter;
    }
};

std::optional<BackupName> ParseBackupName(const wxString& path) {
    wxFileName file(path);
    if (file.GetExt() != "lumo") return std::nullopt;
    BackupName name;
    name.path = path;
    wxString base = file.GetName();
    if (base.length() <= kStampLength || !IsStamp(base.Right(kStampLength))) {
        wxString counter = base.AfterLast('-');
        if (!AllDigits(counter) || !counter.ToLong(&name.counter)) return std::nullopt;
        base = base.BeforeLast('-');
    }
    if (base.length() <= kStampLength + 1 || !IsStamp(base.Right(kStampLength)) ||
        base[base.length() - kStampLength - 1] != '_')
        return std::nullopt;
    name.stamp = base.Right(kStampLength);
    wxString group = base.Left(base.length() - kStampLength - 1);
    wxString id = group.AfterLast('_');
    if (group.Contains("_") && id.length() == kRadioIdLength && AllDigits(id)) {
        name.radioId = id;
        group = group.BeforeLast('_');
    }
    name.model = group;
    return name;
}

std::vector<BackupName> BackupsIn(const wxString& folder) {
    std::vector<BackupName> backups;
    wxDir dir;
    if (!wxDir::Exists(folder) || !dir.Open(folder)) return backups;
    wxString file;
    for (bool more = dir.GetFirst(&file, "*.lumo", wxDIR_FILES); more; more = dir.GetNext(&file))
        if (std::optional<BackupName> name =
                ParseBackupName(wxFileName(folder, file).GetFullPath()))
            backups.push_back(*name);
    std::sort(backups.begin(), backups.end());
    return backups;
}

void PruneBackups(const wxString& folder, const wxString& model, const wxString& radioId) {
    std::vector<BackupName> backups = BackupsIn(folder);
    auto other = [&](const BackupName& b) { return b.model != model || b.radioId != radioId; };
    backups.erase(std::remove_if(backups.begin(), backups.end(), other), backups.end());
    for (size_t i = 0; i + kBackupsKept < backups.size(); ++i) {
        LUMO_LOG(kUnit, " . Remove old backup %s", backups[i].path);
        wxRemoveFile(backups[i].path);
    }
}
}  // namespace

wxString DefaultBackupFolder() {
    wxString data;
    wxFileName folder;
    // A relative XDG_DATA_HOME is ignored, as the desktop's own programs ignore it.
    if (wxGetEnv("XDG_DATA_HOME", &data) && wxIsAbsolutePath(data)) {
        folder = wxFileName::DirName(data);
    } else {
        folder = wxFileName::DirName(wxGetHomeDir());
        folder.AppendDir(".local");
        folder.AppendDir("share");
    }
    folder.AppendDir("lumo");
    folder.AppendDir("backups");
    return folder.GetPath();
}

wxString BackupFileName(const wxString& model, const wxString& radioId, const wxDateTime& when) {
    wxString name = FileNamePart(model) + "_";
    if (radioId.length() == kRadioIdLength && AllDigits(radioId)) name << radioId << "_";
    return name + when.Format(kStampFormat) + ".lumo";
}

wxString SaveBackup(const Page& page, const wxString& folder, const wxString& radioId,
                    const wxDateTime& when, wxString* error) {
    // Radios written at once back up at once: two of a model without an ID would otherwise pick
    // the same free name in the same second, and one backup would replace the other. A name is
    // taken under the lock and held until its file is there; the saving itself runs unlocked.
    static std::mutex folderMutex;
    static std::set<wxString> beingSaved;
    wxFileName path(folder, BackupFileName(page.strings.radioName, radioId, when));
    {
        std::lock_guard<std::mutex> lock(folderMutex);
        if (!wxFileName::DirExists(folder) && !wxFileName::Mkdir(folder, 0777, wxPATH_MKDIR_FULL)) {
            if (error) *error = "Could not make the backup folder\n" + folder;
            return wxString();
        }
        wxString base = path.GetName();
        for (int counter = 2; path.FileExists() || beingSaved.count(path.GetFullPath()); ++counter)
            path.SetName(wxString::Format("%s-%d", base, counter));
        beingSaved.insert(path.GetFullPath());
    }
    bool saved = SaveLumoFile(page, path.GetFullPath(), error);
    std::lock_guard<std::mutex> lock(folderMutex);
    beingSaved.erase(path.GetFullPath());
    if (!saved) return wxString();
    std::optional<BackupName> name = ParseBackupName(path.GetFullPath());
    if (name) PruneBackups(folder, name->model, name->radioId);
    return path.GetFullPath();
}

wxString LastBackup(const wxString& folder, const wxString& model) {
    std::vector<BackupName> backups = BackupsIn(folder);
    wxString wanted = FileNamePart(model);
    for (auto it = backups.rbegin(); it != backups.rend(); ++it)
        if (it->model == wanted) return it->path;
    return wxString();
}

}  // namespace lumo
