// Draws a memory number as its label: "DEF" for the default row, "GD1"/"GD2" for the guard
// memories, otherwise three digits.
#pragma once

#include "pages/page.h"

#include <wx/grid.h>

class MemoryNumberRenderer : public wxGridCellStringRenderer {
  public:
    explicit MemoryNumberRenderer(const lumo::Page& page) : page_(page) {}

    void Draw(wxGrid& grid, wxGridCellAttr& attr, wxDC& dc, const wxRect& rect, int row, int col,
              bool isSelected) override;
    wxSize GetBestSize(wxGrid& grid, wxGridCellAttr& attr, wxDC& dc, int row, int col) override;
    wxGridCellRenderer* Clone() const override { return new MemoryNumberRenderer(page_); }

  private:
    wxString Label(int row, int col) const;

    const lumo::Page& page_;
};
