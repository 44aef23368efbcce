#include "cell_renderers.h"

#include "pages/memory_label.h"
#include "rules/text_rules.h"

void LabelRenderer::Draw(wxGrid& grid, wxGridCellAttr& attr, wxDC& dc, const wxRect& rect, int row,
                         int col, bool isSelected) {
    wxGridCellRenderer::Draw(grid, attr, dc, rect, row, col, isSelected);
    SetTextColoursAndFont(grid, attr, dc, isSelected);
    int hAlign, vAlign;
    attr.GetAlignment(&hAlign, &vAlign);
    grid.DrawTextRectangle(dc, Label(row, col), rect.Deflate(2, 0), hAlign, vAlign);
}

wxSize LabelRenderer::GetBestSize(wxGrid&, wxGridCellAttr& attr, wxDC& dc, int row, int col) {
    return DoGetBestSize(attr, dc, Label(row, col));
}

wxString MemoryNumberRenderer::Label(int row, int col) const {
    return lumo::MemoryNumberLabel(page_, row, page_.grid.Get(row, col));
}

wxString ScanlistRenderer::Label(int row, int col) const {
    if (page_.grid.Get(row, lumo::MNUM).empty()) return wxString();
    return lumo::ScanBoxes(page_.grid.Get(row, col));
}

wxString IDCNumberRenderer::Label(int row, int col) const {
    long number = 0;
    const wxString& text = page_.grid.Get(row, col);
    if (!lumo::ParseDecimal(text, number)) return text;
    return wxString::Format("%07ld", number);
}

wxString NotApplicableRenderer::Label(int row, int col) const {
    const wxString& text = page_.grid.Get(row, col);
    return text.empty() ? wxString("n/a") : text;
}
