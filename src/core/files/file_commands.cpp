#include "files/file_commands.h"

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
}  // namespace

bool OpenFileCommand(Dialogs& dialogs, PageTable& pages, int pageNumber) {
    LUMO_LOG(kUnit, "\n>----------- OnOpen -------------------------------------------------<");
    if (dialogs.Ask("This will overwrite all data on this page! Continue?", "Open File?",
                    DialogButtons::OkCancel) == DialogAnswer::Cancel)
        return false;
    Page& page = pages.Slot(pageNumber);
    wxString directory = page.strings.fileDirectory;
    if (directory.empty()) directory = pages.Slot(0).strings.fileDirectory;
    std::optional<wxString> path = dialogs.OpenFile(
        {"Select Lumo file", directory, wxString(), "Lumo files|*.lumo|All files|*.*"});
    if (!path) return false;
    wxString message;
    if (!OpenFileInto(pages, pageNumber, *path, &message)) {
        dialogs.Message(message, "Error", DialogIcon::Error);
        return false;
    }
    return true;
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

bool SaveFileCommand(Dialogs& dialogs, Page& page, bool saveAs) {
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
        std::optional<wxString> path = dialogs.SaveFile(
            {"Save .lumo file...", directory, fileName, "Lumo Files|*.lumo|All files|*.*"});
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
