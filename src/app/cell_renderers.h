// Renderers that draw a cell's text as its label: scan lists as five ballot boxes, unit IDs
// with seven digits, and "n/a" in cells where tones and codes do not apply.
#pragma once

#include "pages/page.h"

#include <wx/grid.h>

// Draws a label computed from the cell, aligned as the cell's attribute says.
class LabelRenderer : public wxGridCellStringRenderer {
  public:
    explicit LabelRenderer(const lumo::Page& page) : page_(page) {}

    void Draw(wxGrid& grid, wxGridCellAttr& attr, wxDC& dc, const wxRect& rect, int row, int col,
              bool isSelected) override;
    wxSize GetBestSize(wxGrid& grid, wxGridCellAttr& attr, wxDC& dc, int row, int col) override;

  protected:
    virtual wxString Label(int row, int col) const = 0;
    const lumo::Page& page_;
};

// "DEF" for the default row, "GD1"/"GD2" for the guard memories, otherwise three digits.
class MemoryNumberRenderer : public LabelRenderer {
  public:
    using LabelRenderer::LabelRenderer;
    wxGridCellRenderer* Clone() const override { return new MemoryNumberRenderer(page_); }

  protected:
    wxString Label(int row, int col) const override;
};

class ScanlistRenderer : public LabelRenderer {
  public:
    using LabelRenderer::LabelRenderer;
    wxGridCellRenderer* Clone() const override { return new ScanlistRenderer(page_); }

  protected:
    wxString Label(int row, int col) const override;
};

class IDCNumberRenderer : public LabelRenderer {
  public:
    using LabelRenderer::LabelRenderer;
    wxGridCellRenderer* Clone() const override { return new IDCNumberRenderer(page_); }

  protected:
    wxString Label(int row, int col) const override;
};

class NotApplicableRenderer : public LabelRenderer {
  public:
    using LabelRenderer::LabelRenderer;
    wxGridCellRenderer* Clone() const override { return new NotApplicableRenderer(page_); }

  protected:
    wxString Label(int row, int col) const override;
};
