// The Edit menu of the main frame: each page's undo history, which every command and cell edit
// adds a step to, the clipboard of cells, the Delete key, and Select all.
#include "lumo_frame.h"

#include "commands/commands.h"
#include "edit/row_commands.h"
#include "import/clipboard.h"
#include "page_view.h"

#include <wx/clipbrd.h>
#include <wx/grid.h>
#include <wx/menu.h>
#include <wx/textentry.h>

using namespace lumo;

namespace {
// A change found when a command starts was made outside any command (a path not announced).
constexpr const char* kUnnamedStep = "Edit";

void PutOnClipboard(const wxString& text) {
    wxClipboardLocker lock;
    if (!!lock) wxTheClipboard->SetData(new wxTextDataObject(text));
}

wxString ClipboardText() {
    wxClipboardLocker lock;
    if (!lock || !wxTheClipboard->IsSupported(wxDF_UNICODETEXT)) return wxString();
    wxTextDataObject data;
    return wxTheClipboard->GetData(data) ? data.GetText() : wxString();
}

// The commands on cells take the cell under the cursor when nothing is selected.
void SelectCursorCellIfNone(wxGrid* grid) {
    if (!grid->IsSelection())
        grid->SelectBlock(grid->GetGridCursorCoords(), grid->GetGridCursorCoords());
}
}  // namespace

void LumoFrame::BeginStep() {
    PageView* view = CurrentView();
    if (!view) return;
    // The selection the command starts from is the one its undo gives back.
    view->SelectionToStore();
    view->History().Record(view->GetPage(), kUnnamedStep);
}

void LumoFrame::EndStep(const wxString& name, bool namesOnly) {
    // A command may change any page (a new page, an opened one), so each page is compared.
    for (int slot = 0; slot < pages_.Count(); ++slot) {
        PageView* view = View(slot);
        if (!view) continue;
        if (namesOnly)
            view->History().AbsorbNames(view->GetPage());
        else
            view->History().Record(view->GetPage(), name);
    }
    UpdateEditMenu();
}

void LumoFrame::CommandStarts(int) {
    BeginStep();
}

void LumoFrame::CommandEnded(int id) {
    // A save gives the page a file name; there is nothing in it to undo.
    EndStep(CommandName(id), id == ID_SAVE || id == ID_SAVE_AS);
}

void LumoFrame::UpdateEditMenu() {
    wxMenuBar* bar = GetMenuBar();
    PageView* view = CurrentView();
    if (!bar || !view) return;
    const PageHistory& history = view->History();
    bar->SetLabel(ID_UNDO, HistoryItemLabel(ID_UNDO, history.UndoName()));
    bar->SetLabel(ID_REDO, HistoryItemLabel(ID_REDO, history.RedoName()));
    bar->Enable(ID_UNDO, history.CanUndo());
    bar->Enable(ID_REDO, history.CanRedo());
}

wxTextEntry* LumoFrame::OpenEditorText() {
    PageView* view = CurrentView();
    if (!view || !view->Grid()->IsCellEditControlShown()) return nullptr;
    return dynamic_cast<wxTextEntry*>(wxWindow::FindFocus());
}

void LumoFrame::StepThroughHistory(bool back) {
    PageView* view = CurrentView();
    if (!view) return;
    // While a cell is being typed in, the shortcuts belong to its text.
    if (wxTextEntry* text = OpenEditorText()) {
        back ? text->Undo() : text->Redo();
        return;
    }
    view->Grid()->DisableCellEditControl();
    Page& page = view->GetPage();
    if (!(back ? view->History().Undo(page) : view->History().Redo(page))) return;
    // A step may have changed the page's target: its columns and editors follow.
    AdjustEditGrid();
    view->SelectionFromStore();
    ShowPageStatus(pages_.Current());
}

void LumoFrame::OnUndo(wxCommandEvent&) {
    StepThroughHistory(true);
}

void LumoFrame::OnRedo(wxCommandEvent&) {
    StepThroughHistory(false);
}

void LumoFrame::OnSelectAllCells(wxCommandEvent&) {
    if (wxTextEntry* text = OpenEditorText()) return text->SelectAll();
    if (PageView* view = CurrentView()) view->Grid()->SelectAll();
}

void LumoFrame::OnGridCellChanged(wxGridEvent& event) {
    event.Skip();
    PageView* view = CurrentView();
    if (!view) return;
    view->History().Record(view->GetPage(),
                           "Edit " + view->Grid()->GetColLabelValue(event.GetCol()));
    UpdateEditMenu();
}

void LumoFrame::OnGridKeyDown(wxKeyEvent& event) {
    PageView* view = CurrentView();
    bool deleteKey = event.GetKeyCode() == WXK_DELETE || event.GetKeyCode() == WXK_NUMPAD_DELETE;
    if (!view || !deleteKey || event.HasAnyModifiers() || view->Grid()->IsCellEditControlShown()) {
        event.Skip();
        return;
    }
    ClearCells("Delete");
}

void LumoFrame::ClearCells(const wxString& stepName) {
    BeginStep();
    SelectCursorCellIfNone(CurrentView()->Grid());
    RunOnPage([&](Page& page) { ClearSelectedCells(page, Dialogs()); });
    EndStep(stepName);
}

bool LumoFrame::CopyCells() {
    PageView* view = CurrentView();
    if (!view) return false;
    SelectCursorCellIfNone(view->Grid());
    view->SelectionToStore();
    wxString text = CopyCellsText(view->GetPage());
    if (text.empty()) return false;
    PutOnClipboard(text);
    return true;
}

void LumoFrame::OnCopy(wxCommandEvent&) {
    if (wxTextEntry* text = OpenEditorText()) return text->Copy();
    CopyCells();
}

void LumoFrame::OnCut(wxCommandEvent&) {
    if (wxTextEntry* text = OpenEditorText()) return text->Cut();
    if (CopyCells()) ClearCells(CommandName(ID_CUT));
}

void LumoFrame::OnPaste(wxCommandEvent&) {
    if (wxTextEntry* text = OpenEditorText()) return text->Paste();
    wxString text = ClipboardText();
    PageView* view = CurrentView();
    if (!view || text.empty()) return;
    // The block goes to the top left of the selection, or to the cursor.
    int row = view->Grid()->GetGridCursorRow();
    int col = view->Grid()->GetGridCursorCol();
    PasteOutcome outcome;
    RunOnPage([&](Page& page) {
        for (const CellBlock& block : page.grid.GetSelection().Blocks()) {
            row = block.top;
            col = block.left;
            break;
        }
        outcome = PasteCellsText(page, Dialogs(), text, row, col);
    });
    if (outcome.leftOut > 0)
        SetStatusText(
            wxString::Format("%d lines past the last memory row were not pasted", outcome.leftOut),
            0);
}
