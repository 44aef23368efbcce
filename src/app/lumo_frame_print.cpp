// The printing commands of the main frame.
#include "lumo_frame.h"

#include "lumo_printing.h"
#include "page_view.h"

void LumoFrame::OnPrint(wxCommandEvent&) {
    if (PageView* view = CurrentView())
        PrintGrid(this, view->Grid(), view->GetPage().strings.radioName);
}

void LumoFrame::OnPrintPreview(wxCommandEvent&) {
    if (PageView* view = CurrentView())
        PreviewGrid(this, view->Grid(), view->GetPage().strings.radioName);
}

void LumoFrame::OnPageSetup(wxCommandEvent&) {
    SetUpPage(this);
}
