// What the main frame does as a desktop editor: the recent files of the File menu.
#include "lumo_frame.h"

#include "commands/commands.h"
#include "files/file_commands.h"
#include "page_view.h"

#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/grid.h>
#include <wx/menu.h>

using namespace lumo;

void LumoFrame::NoteDataFile(const wxString& path) {
    if (path.empty()) return;
    recent_.Add(path);
    recent_.Save(*settings_);
    RememberFolderOf(*settings_, path);
    ShowRecentFiles();
}

void LumoFrame::ShowRecentFiles() {
    wxMenuItem* item = GetMenuBar()->FindItem(ID_RECENT_FILES);
    wxMenu* menu = item ? item->GetSubMenu() : nullptr;
    if (!menu) return;
    while (menu->GetMenuItemCount() > 0)
        menu->Destroy(menu->FindItemByPosition(0));
    const std::vector<wxString>& paths = recent_.Paths();
    for (size_t i = 0; i < paths.size(); ++i) {
        wxString name = wxFileName(paths[i]).GetFullName();
        name.Replace("&", "&&");
        menu->Append(wxID_FILE1 + static_cast<int>(i), wxString::Format("&%zu %s", i + 1, name),
                     paths[i]);
    }
    item->Enable(!paths.empty());
}

void LumoFrame::OnRecentFile(wxCommandEvent& event) {
    size_t index = static_cast<size_t>(event.GetId() - wxID_FILE1);
    if (index >= recent_.Paths().size()) return;
    wxString path = recent_.Paths()[index];
    if (!wxFileExists(path)) {
        recent_.Remove(path);
        recent_.Save(*settings_);
        ShowRecentFiles();
        Dialogs().Message(path + "\nno longer exists; it is taken off the recent files.",
                          "Recent Files", DialogIcon::Exclamation);
        return;
    }
    PageView* view = CurrentView();
    if (!view) return;
    view->Grid()->DisableCellEditControl();
    if (!OpenChosenFileCommand(Dialogs(), pages_, pages_.Current(), path)) return;
    AdjustEditGrid();
    ShowPageStatus(pages_.Current());
    NoteDataFile(path);
}
