// The data-file commands of the main frame.
#include "lumo_frame.h"

#include "export/csv_export.h"
#include "files/file_commands.h"
#include "import/import_command.h"
#include "page_view.h"

#include <wx/filename.h>

using namespace lumo;

void LumoFrame::OnOpen(wxCommandEvent&) {
    PageView* view = CurrentView();
    if (!view) return;
    view->Grid()->DisableCellEditControl();
    wxString opened;
    if (!OpenFileCommand(Dialogs(), pages_, pages_.Current(), &opened, LastFolder(*settings_)))
        return;
    AdjustEditGrid();
    ShowPageStatus(pages_.Current());
    NoteDataFile(opened);
}

void LumoFrame::OnSave(wxCommandEvent&) {
    SaveCurrentPage(false);
}

void LumoFrame::OnSaveAs(wxCommandEvent&) {
    SaveCurrentPage(true);
}

void LumoFrame::SaveCurrentPage(bool saveAs) {
    if (PageView* view = CurrentView()) view->Grid()->DisableCellEditControl();
    Page& page = pages_.CurrentPage();
    if (!SaveFileCommand(Dialogs(), page, saveAs, LastFolder(*settings_))) return;
    NoteDataFile(DataFilePath(page));
    SetStatusText("Saved " + wxFileName(DataFilePath(page)).GetFullName(), 0);
}

void LumoFrame::OnImport(wxCommandEvent&) {
    PageView* view = CurrentView();
    if (!view) return;
    view->Grid()->DisableCellEditControl();
    view->SelectionToStore();
    if (!ImportFileCommand(Dialogs(), pages_, pages_.Current())) return;
    view->SelectionFromStore();
    AdjustEditGrid();
    ShowPageStatus(pages_.Current());
}

void LumoFrame::OnExport(wxCommandEvent&) {
    PageView* view = CurrentView();
    if (!view) return;
    view->Grid()->DisableCellEditControl();
    view->SelectionToStore();
    ExportFileCommand(Dialogs(), view->GetPage());
}
