#include "files/file_commands.h"

#include "edit/page_compare.h"
#include "files/backups.h"
#include "files/lumo_file.h"
#include "util/diag_log.h"

#include <wx/filename.h>
#include <wx/stdpaths.h>

namespace lumo {

namespace {
constexpr const char* kUnit = "LumoFile_OpenSave";

void MakeUserDataDirectory() {
    wxString dir = wxStandardPaths::Get().GetUserDataDir();
    if (!wxFileName::DirExists(dir)) wxFileName::Mkdir(dir, 0777, wxPATH_MKDIR_FULL);
}

bool MayOverwritePage(Dialogs& dialogs) {
    return dialogs.Ask("This will overwrite all data on this page! Continue?", "Open File?",
                       DialogButtons::OkCancel) != DialogAnswer::Cancel;
}

bool OpenReported(Dialogs& dialogs, PageTable& pages, int pageNumber, const wxString& path) {
    wxString message;
    if (OpenFileInto(pages, pageNumber, path, &message)) return true;
    dialogs.Message(message, "Error", DialogIcon::Error);
    return false;
}
}  // namespace

bool OpenFileCommand(Dialogs& dialogs, PageTable& pages, int pageNumber, wxString* opened,
                     const wxString& lastFolder) {
    LUMO_LOG(kUnit, "\n>----------- OnOpen -------------------------------------------------<");
    if (!MayOverwritePage(dialogs)) return false;
    Page& page = pages.Slot(pageNumber);
    wxString directory = page.strings.fileDirectory;
    if (directory.empty()) directory = pages.Slot(0).strings.fileDirectory;
    if (directory.empty()) directory = lastFolder;
    std::optional<wxString> path = dialogs.OpenFile(
        {"Select Lumo file", directory, wxString(), "Lumo files|*.lumo|All files|*.*"});
    if (!path || !OpenReported(dialogs, pages, pageNumber, *path)) return false;
    if (opened) *opened = *path;
    return true;
}

bool OpenChosenFileCommand(Dialogs& dialogs, PageTable& pages, int pageNumber,
                           const wxString& path) {
    return MayOverwritePage(dialogs) && OpenReported(dialogs, pages, pageNumber, path);
}

wxString DataFilePath(const Page& page) {
    if (page.strings.fileName.empty()) return wxString();
    return page.strings.fileDirectory + page.strings.fileName + ".lumo";
}

bool OpenFileInto(PageTable& pages, int pageNumber, const wxString& path, wxString* message) {
    Page& page = pages.Slot(pageNumber);
    wxFileName name(path);
    if (OpenLumoFileAt(path, page, pageNumber, message) != kFileOk) return false;
    page.strings.fileName = name.GetName();
    page.strings.fileDirectory = name.GetPathWithSep();
    page.params.pageFlags |= kPageFlagFromFile;
    page.MarkSaved();
    return true;
}

bool SaveFileCommand(Dialogs& dialogs, Page& page, bool saveAs, const wxString& lastFolder) {
    if (saveAs) {
        LUMO_LOG(kUnit, "\n>----------- OnSaveAs -----------------------------------------------<");
    } else {
        LUMO_LOG(kUnit, "\n>----------- OnSave -------------------------------------------------<");
        LUMO_LOG(kUnit, " . Save - Page Flags: %02X", page.params.pageFlags);
    }
    if (!page.HoldsMemories()) {
        dialogs.Message("Empty Grid - No data to Save", "Error", DialogIcon::Error);
        return false;
    }
    MakeUserDataDirectory();
    wxString directory = page.strings.fileDirectory;
    wxString fileName = page.strings.fileName;
    LUMO_LOG(kUnit, "fPathName: %s", directory + fileName);
    if (fileName.empty() || saveAs) {
        std::optional<wxString> path =
            dialogs.SaveFile({"Save .lumo file...", directory.empty() ? lastFolder : directory,
                              fileName, "Lumo Files|*.lumo|All files|*.*"});
        if (!path) return false;
        wxFileName chosen(*path);
        directory = chosen.GetPathWithSep();
        fileName = chosen.GetName();
    }
    wxString error;
    if (!SaveLumoFile(page, directory + fileName + ".lumo", &error)) {
        dialogs.Message(error, "Error", DialogIcon::Error);
        return false;
    }
    page.strings.fileDirectory = directory;
    page.strings.fileName = fileName;
    page.MarkSaved();
    return true;
}

int CompareFileCommand(Dialogs& dialogs, Page& page, int pageNumber) {
    LUMO_LOG(kUnit, "\n>----------- OnCompareWithFile ----------------------------------------<");
    std::optional<wxString> path =
        dialogs.OpenFile({"Compare with file", page.strings.fileDirectory, wxString(),
                          wxString("Lumo files|*.lumo|All files|") + kAllFilesPattern});
    if (!path) return -1;
    Page other = page;
    other.grid.SetObserver(nullptr);
    wxString message;
    if (OpenLumoFileAt(*path, other, pageNumber, &message) != kFileOk) {
        dialogs.Message(message, "Error", DialogIcon::Error);
        return -1;
    }
    std::vector<MemoryDifference> differences = ComparePages(page, other);
    MarkDifferences(page, differences);
    wxString name = wxFileName(*path).GetFullName();
    wxString text;
    if (other.params.radio != page.params.radio || other.params.band != page.params.band)
        text << name << " is for the " << other.strings.radioName << " (" << other.strings.bandName
             << "), this page for the " << page.strings.radioName << " (" << page.strings.bandName
             << ").\n\n";
    if (differences.empty()) {
        text << "The page holds the same memories as " << name << ".";
    } else {
        text << MemoriesText(static_cast<long>(differences.size()))
             << (differences.size() == 1 ? " differs" : " differ") << " from " << name
             << "; the page's cells that differ are marked.\n";
        for (const wxString& line :
             DifferenceLines(differences, {"only in the file", "only on the page"}, 20))
            text << "\n    " << line;
    }
    dialogs.Message(text, "Compare with File", DialogIcon::Information);
    return static_cast<int>(differences.size());
}

wxString LastBackupCommand(Dialogs& dialogs, const Page& page, const wxString& folder) {
    wxString path = LastBackup(folder, page.strings.radioName);
    if (path.empty())
        dialogs.Message("There is no backup of a " + page.strings.radioName +
                            " yet: Lumo takes one before each write to a radio.\n\nBackups are "
                            "kept in " +
                            folder,
                        "Open the Last Backup", DialogIcon::Information);
    return path;
}

bool ConfirmUnsavedPages(Dialogs& dialogs, PageTable& pages) {
    for (int slot = 0; slot < pages.Count(); ++slot) {
        Page& page = pages.Slot(slot);
        if (!page.HasUnsavedChanges()) continue;
        wxString text = wxString::Format(
            "Page %d (%s) has changes that were not saved.\nSave them before closing?", slot + 1,
            page.strings.radioName);
        switch (
            dialogs.Ask(text, "Save Changes?", DialogButtons::YesNoCancel, DialogIcon::Question)) {
            case DialogAnswer::Yes:
                if (!SaveFileCommand(dialogs, page, false)) return false;
                break;
            case DialogAnswer::No: break;
            default: return false;
        }
    }
    return true;
}

}  // namespace lumo
