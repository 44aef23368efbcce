// The page and target commands of the main frame: add, delete and switch pages, change a
// page's target, choose the serial port.
#include "lumo_frame.h"

#include "commands/target_selection.h"
#include "edit/cell_traits.h"
#include "edit/row_check.h"
#include "files/file_commands.h"
#include "page_view.h"
#include "transfer/port_probe.h"
#include "util/diag_log.h"

#include <wx/grid.h>
#include <wx/notebook.h>

using namespace lumo;

namespace {
constexpr const char* kUnit = "LumoMain";
}

void LumoFrame::ShowPageParameters(int slot) {
    if (!DiagLogEnabled()) return;
    const Page& page = pages_.Slot(slot);
    const PageView* view = View(slot);
    LUMO_LOG(kUnit, "> Show Page %d Parameters ------------------------------>", slot + 1);
    LUMO_LOG(kUnit, " . Radio: %d, %s", page.params.radio, page.strings.radioName);
    LUMO_LOG(kUnit, " . Type: %d, %s", page.params.pageType, page.strings.typeCode);
    LUMO_LOG(kUnit, " . Band: %d, %s; Index: %d", page.params.band, page.strings.bandName,
             page.params.bandChoice);
    LUMO_LOG(kUnit, " . Grid: %d rows; %d cols", view ? view->Grid()->GetNumberRows() : 0,
             view ? view->Grid()->GetNumberCols() : 0);
    if (page.HasGuardRows())
        LUMO_LOG(kUnit, " . GD1 Row: %d; GD2 Row: %d", page.FirstGuardRow(), page.SecondGuardRow());
    else
        LUMO_LOG(kUnit, " . No Guards");
}

void LumoFrame::OnPageAdd(wxCommandEvent&) {
    LUMO_LOG(kUnit, "\n>----------- OnPageAdd ----------------------------------------------<");
    if (pages_.Count() >= kPageSlots) {
        Dialogs().Message("Cannot add further pages to notebook", "MAX Page Reached");
        return;
    }
    int slot = pages_.Count();
    int code = UserSelectRadioAndBand(Dialogs(), pages_.Slot(slot), slot,
                                      pages_.CurrentPage().strings.radioName);
    if (code == kSelectOk) {
        CreateNewPage(slot);
        ShowPageStatus(pages_.Current());
        ShowPageParameters(slot);
    } else if (code != kSelectCancelled) {
        DisplayError(Dialogs(), code);
    }
}

void LumoFrame::OnPageDelete(wxCommandEvent&) {
    LUMO_LOG(kUnit, "\n>--------  OnPageDelete ---------------------------------------------<");
    int n = static_cast<int>(Notebook()->GetPageCount());
    if (n == 1) {
        Dialogs().Message("There must always be at least one Page", "Delete Page Error");
        return;
    }
    if (Dialogs().Ask("This will delete ALL data on this page! Continue?", "Delete Page?",
                      DialogButtons::OkCancel) == DialogAnswer::Cancel)
        return;
    RemovePage(pages_.Current());
}

void LumoFrame::RemovePage(int deleted) {
    int n = static_cast<int>(Notebook()->GetPageCount());
    // The view goes first: it refers to its page, which the slot table then discards.
    Notebook()->DeletePage(deleted);
    for (int p = deleted; p < n - 1; ++p)
        views_[p] = views_[p + 1];
    views_[n - 1] = nullptr;
    pages_.RemoveSlot(deleted);
    pages_.SetCurrent(Notebook()->GetSelection());
    for (int p = deleted; p < n - 1; ++p)
        ShowPageStatus(p);
    LUMO_LOG(kUnit, " . After Delete - Page count: %d; curPage: %d", n, pages_.Current());
    ShowPageStatus(pages_.Current());
    for (int p = 0; p < pages_.Count(); ++p)
        ShowPageParameters(p);
}

bool LumoFrame::OpenIntoCurrentPage(const wxString& path) {
    wxString message;
    if (OpenFileInto(pages_, pages_.Current(), path, &message)) {
        // A file opened at start or on a new page begins the page's history.
        CurrentView()->History().Reset(pages_.CurrentPage());
        AdjustEditGrid();
        ShowPageStatus(pages_.Current());
        NoteDataFile(path);
        return true;
    }
    Dialogs().Message(message + "\n\n" + path, "Error", DialogIcon::Error);
    return false;
}

bool LumoFrame::OpenOnNewPage(const wxString& path) {
    if (pages_.Count() >= kPageSlots) {
        Dialogs().Message("Cannot add further pages to notebook", "MAX Page Reached");
        return false;
    }
    int slot = pages_.Count();
    SetPageParameters(pages_.Slot(slot), slot, 1, 0);
    CreateNewPage(slot);
    if (!OpenIntoCurrentPage(path)) RemovePage(pages_.Current());
    return true;
}

void LumoFrame::OpenFiles(const std::vector<wxString>& paths) {
    bool intoStartPage = true;  // the page Lumo starts with holds nothing yet
    for (const wxString& path : paths) {
        if (intoStartPage)
            intoStartPage = !OpenIntoCurrentPage(path);
        else if (!OpenOnNewPage(path))
            return;
    }
}

void LumoFrame::OnPageChanged(wxBookCtrlEvent& event) {
    int previous = pages_.Current();
    int selection = event.GetSelection();
    if (selection < 0 || selection >= pages_.Count()) return;
    pages_.SetCurrent(selection);
    LUMO_LOG(kUnit, "\n>----------- OnPageChanged: %d -> %d ----------------------------------<",
             previous + 1, selection + 1);
    ShowPageStatus(selection);
    UpdateEditMenu();
}

void LumoFrame::AdjustEditGrid() {
    PageView* view = CurrentView();
    LUMO_LOG(kUnit, " . AdjustEditGrid Page: %d", pages_.Current());
    view->SetPageColumns();
    SetPageEditors(view->GetPage(), pages_.Current());
    view->Grid()->SetRowLabelSize(wxGRID_AUTOSIZE);
    view->Refresh();
}

void LumoFrame::OnSetTarget(wxCommandEvent&) {
    LUMO_LOG(kUnit, "\n>----------- OnSetTarget --------------------------------------------<");
    PageView* view = CurrentView();
    if (!view) return;
    view->Grid()->DisableCellEditControl();
    view->SelectionToStore();
    if (ChangePageTarget(Dialogs(), view->GetPage(), pages_.Current()) != kSelectOk) return;
    AdjustEditGrid();
    view->SelectionFromStore();
    ShowPageStatus(pages_.Current());
    CheckPage(view->GetPage(), Dialogs(), pages_.Current());
    view->Refresh();
}

void LumoFrame::OnSetPort(wxCommandEvent&) {
    LUMO_LOG(kUnit, "\n>----------- OnSetPort ----------------------------------------------<");
    std::vector<PortProbeResult> probed = ProbePorts(CandidatePorts());
    if (!ChooseSerialPort(Dialogs(), port_, probed)) return;
    SetStatusText(port_.name, 4);
    RememberPort(*settings_, port_);
}
