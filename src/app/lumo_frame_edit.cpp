// The check, selection and row commands of the main frame. Each works on the current page's
// cell store; the grid's selection travels into the store and back around it.
#include "lumo_frame.h"

#include "edit/row_check.h"
#include "edit/shadows.h"
#include "page_view.h"

#include <wx/grid.h>

using namespace lumo;

void LumoFrame::RunOnPage(const std::function<void(Page&)>& command) {
    PageView* view = CurrentView();
    if (!view) return;
    view->Grid()->DisableCellEditControl();
    view->SelectionToStore();
    command(view->GetPage());
    view->SelectionFromStore();
    view->Refresh();
}

void LumoFrame::RunRowCommand(const std::function<void(RowCommand&)>& command) {
    RunOnPage([&](Page& page) {
        RowCommand cmd{page, Dialogs(), contextRow_, pages_.Current()};
        command(cmd);
    });
}

void LumoFrame::OnValidatePage(wxCommandEvent&) {
    Dialogs().Message("Validate row data", "Validate Page");
    wxString summary;
    RunOnPage([&](Page& page) { summary = ValidatePage(page, Dialogs(), pages_.Current()); });
    SetStatusText(summary, 0);
}

void LumoFrame::OnClearHighlight(wxCommandEvent&) {
    RunOnPage(ClearHighlights);
}
void LumoFrame::OnSelectAll(wxCommandEvent&) {
    RunOnPage(SelectAllRows);
}
void LumoFrame::OnDeSelectAll(wxCommandEvent&) {
    RunOnPage(DeselectAllRows);
}
void LumoFrame::OnMarkRow(wxCommandEvent&) {
    RunOnPage([](Page& page) { MarkRows(page); });
}

void LumoFrame::OnCreateShadow(wxCommandEvent&) {
    RunOnPage([&](Page& page) { CreateShadow(page, Dialogs(), contextRow_); });
}

void LumoFrame::OnCopyRow(wxCommandEvent&) {
    RunRowCommand([&](RowCommand& cmd) { CopyRow(cmd, pasteBuffer_); });
}

void LumoFrame::OnPasteRow(wxCommandEvent&) {
    RunRowCommand([&](RowCommand& cmd) { PasteRow(cmd, pasteBuffer_); });
}

void LumoFrame::OnDefaultRow(wxCommandEvent&) {
    RunRowCommand(DefaultRow);
}
void LumoFrame::OnInsertRow(wxCommandEvent&) {
    RunRowCommand(InsertRow);
}
void LumoFrame::OnClearRow(wxCommandEvent&) {
    RunRowCommand(ClearRows);
}
void LumoFrame::OnDeleteRow(wxCommandEvent&) {
    RunRowCommand(DeleteRows);
}
void LumoFrame::OnDefaultCol(wxCommandEvent&) {
    RunRowCommand(DefaultColumn);
}
void LumoFrame::OnDefaultMarked(wxCommandEvent&) {
    RunRowCommand(DefaultMarked);
}
void LumoFrame::OnRenumberToRowNum(wxCommandEvent&) {
    RunRowCommand(RenumberToRowNum);
}
void LumoFrame::OnRenumberSequencial(wxCommandEvent&) {
    RunRowCommand(RenumberSequential);
}
void LumoFrame::OnDefaultFile(wxCommandEvent&) {
    RunRowCommand(DefaultFile);
}
