// A notebook page on screen: a panel holding the grid that shows one page's cell store.
#pragma once

#include "cell_validators.h"
#include "edit/page_history.h"
#include "pages/page.h"

#include <wx/grid.h>
#include <wx/panel.h>

class PageGridTable;

// The grid of a page. wxGrid keeps the attribute of the last cell it looked up; when a command
// changes the store behind it (a colour, a lock), that cached attribute must be dropped too.
class PageGrid : public wxGrid {
  public:
    using wxGrid::wxGrid;
    void ForgetCachedAttributes() { ClearAttrCache(); }
};

// Redraws a page's grid after its store changed.
void RefreshPageGrid(wxGrid* grid);

class PageView : public wxPanel {
  public:
    PageView(wxWindow* notebook, lumo::Page& page, DialogsSource dialogs);

    PageGrid* Grid() const { return grid_; }
    lumo::Page& GetPage() const { return *page_; }
    // The page's undo history; it goes with the view when the page is deleted.
    lumo::PageHistory& History() { return history_; }

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
    lumo::PageHistory history_;
    DialogsSource dialogs_;
    PageGrid* grid_;
};
