// What the main frame does as a desktop editor: the recent files of the File menu, and the
// window's place and size between runs.
#include "lumo_frame.h"

#include "commands/commands.h"
#include "files/file_commands.h"
#include "model/memory_record.h"
#include "page_view.h"

#include <wx/display.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/grid.h>
#include <wx/menu.h>
#include <wx/settings.h>
#include <wx/toolbar.h>

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

namespace {
const char* const kLeft = "Window/Left";
const char* const kTop = "Window/Top";
const char* const kWidth = "Window/Width";
const char* const kHeight = "Window/Height";
const char* const kMaximized = "Window/Maximized";

// The screen area (without panels) of the display the window is on, or of the first one.
wxRect ScreenArea(const wxWindow* window) {
    int index = wxDisplay::GetFromWindow(window);
    return wxDisplay(index == wxNOT_FOUND ? 0u : static_cast<unsigned>(index)).GetClientArea();
}
}  // namespace

void LumoFrame::RestoreGeometry() {
    wxRect screen = ScreenArea(this);
    wxRect kept(settings_->ReadLong(kLeft, 0), settings_->ReadLong(kTop, 0),
                settings_->ReadLong(kWidth, 0), settings_->ReadLong(kHeight, 0));
    // A place on a display that is gone since is not kept: the window would be out of reach.
    if (kept.width > 0 && kept.height > 0 &&
        wxDisplay::GetFromPoint(kept.GetTopLeft() + wxPoint(20, 20)) != wxNOT_FOUND) {
        SetSize(kept);
        if (settings_->ReadBool(kMaximized, false)) Maximize();
        return;
    }
    // The widest page is a P25 page: every column, the row labels, the tools, the borders.
    int columns = 0;
    for (int width : ColumnWidths[kEP25])
        columns += width;
    int decoration = GetSize().x - GetClientSize().x;
    int needed = columns + CurrentView()->Grid()->GetRowLabelSize() + ToolBar()->GetSize().x +
                 decoration + wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, this) + 40;
    wxSize size(std::min(std::max(GetSize().x, needed), screen.width),
                std::min(GetSize().y, screen.height));
    SetSize(size);
    CentreOnScreen();
}

void LumoFrame::SaveGeometry() {
    if (IsIconized()) return;
    settings_->WriteBool(kMaximized, IsMaximized());
    if (IsMaximized()) return;  // the size to come back to is the one from before
    wxRect rect = GetRect();
    settings_->WriteLong(kLeft, rect.x);
    settings_->WriteLong(kTop, rect.y);
    settings_->WriteLong(kWidth, rect.width);
    settings_->WriteLong(kHeight, rect.height);
}
