#include "memory_number_renderer.h"

#include "model/memory_label.h"

void MemoryNumberRenderer::Draw(wxGrid& grid, wxGridCellAttr& attr, wxDC& dc, const wxRect& rect,
                                int row, int col, bool isSelected) {
    wxGridCellRenderer::Draw(grid, attr, dc, rect, row, col, isSelected);
    SetTextColoursAndFont(grid, attr, dc, isSelected);
    int hAlign, vAlign;
    attr.GetAlignment(&hAlign, &vAlign);
    grid.DrawTextRectangle(dc, Label(row, col), rect.Deflate(2, 0), hAlign, vAlign);
}

wxSize MemoryNumberRenderer::GetBestSize(wxGrid&, wxGridCellAttr& attr, wxDC& dc, int row,
                                         int col) {
    return DoGetBestSize(attr, dc, Label(row, col));
}

wxString MemoryNumberRenderer::Label(int row, int col) const {
    return lumo::MemoryNumberLabel(page_, row, page_.grid.Get(row, col));
}
