// The printing commands of the main frame.
#include "lumo_frame.h"

#include "lumo_printing.h"
#include "page_view.h"

using namespace lumo;

namespace {
// The page's table at the column widths the user sees.
PrintedTable TableOfView(PageView& view) {
    wxGrid* grid = view.Grid();
    grid->DisableCellEditControl();  // a value being typed is part of the page
    std::array<int, kColumnCount> widths{};
    for (int col = 0; col < kColumnCount && col < grid->GetNumberCols(); ++col)
        widths[col] = grid->IsColShown(col) ? grid->GetColSize(col) : 0;
    return TableOf(widths, view.GetPage().Rows() + 1);
}
}  // namespace

bool LumoFrame::PrintWithDialog(wxWindow* parent, wxPrintout& printout) {
    PrintOutcome outcome = printRunner_ ? printRunner_(printout) : RunPrinter(parent, printout);
    if (outcome == PrintOutcome::Failed)
        Dialogs().Message(kPrintErrorText, "Error", DialogIcon::Error);
    return outcome == PrintOutcome::Printed;
}

void LumoFrame::OnPrint(wxCommandEvent&) {
    PageView* view = CurrentView();
    if (!view) return;
    const Page& page = view->GetPage();
    LumoPrintout printout(page, TableOfView(*view), page.strings.radioName, SettingsGeometry());
    PrintWithDialog(this, printout);
}

void LumoFrame::OnPrintPreview(wxCommandEvent&) {
    PageView* view = CurrentView();
    if (!view) return;
    const Page& page = view->GetPage();
    auto print = [this](wxWindow* parent, wxPrintout& printout) {
        return PrintWithDialog(parent, printout);
    };
    if (!PreviewPage(this, page, TableOfView(*view), page.strings.radioName, print))
        Dialogs().Message(kPreviewErrorText, "Error", DialogIcon::Error);
}

void LumoFrame::OnPageSetup(wxCommandEvent&) {
    SetUpPage(this);
}
