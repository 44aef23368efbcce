// The data-file commands of the main frame.
#include "lumo_frame.h"

#include "export/csv_export.h"
#include "files/file_commands.h"
#include "import/import_command.h"
#include "page_view.h"

using namespace lumo;

void LumoFrame::OnOpen(wxCommandEvent&) {
    PageView* view = CurrentView();
    if (!view) return;
    view->Grid()->DisableCellEditControl();
    if (!OpenFileCommand(Dialogs(), pages_, pages_.Current())) return;
    AdjustEditGrid();
    ShowPageStatus(pages_.Current());
}

void LumoFrame::OnSave(wxCommandEvent&) {
    if (PageView* view = CurrentView()) view->Grid()->DisableCellEditControl();
    SaveFileCommand(Dialogs(), pages_.CurrentPage(), false);
}

void LumoFrame::OnSaveAs(wxCommandEvent&) {
    if (PageView* view = CurrentView()) view->Grid()->DisableCellEditControl();
    SaveFileCommand(Dialogs(), pages_.CurrentPage(), true);
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
