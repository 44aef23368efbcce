// A notebook page on screen: a panel holding the grid that shows one page's cell store.
#pragma once

#include "pages/page.h"

#include <wx/panel.h>

class wxGrid;
class PageGridTable;

class PageView : public wxPanel {
  public:
    PageView(wxWindow* notebook, lumo::Page& page);

    wxGrid* Grid() const { return grid_; }
    lumo::Page& GetPage() const { return *page_; }

    // Widths, minimal widths and labels of the 32 columns for the page's type.
    void SetPageColumns();
    // Re-reads everything from the store after a command changed it.
    void Refresh();

    // The grid's selection is copied into the store when a command starts and back at its end.
    void SelectionToStore();
    void SelectionFromStore();

  private:
    void SetupGrid();

    lumo::Page* page_;
    wxGrid* grid_;
};
