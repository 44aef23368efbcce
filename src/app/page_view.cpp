#include "page_view.h"

#include "page_grid_table.h"

#include <wx/grid.h>
#include <wx/sizer.h>

using namespace lumo;

PageView::PageView(wxWindow* notebook, Page& page, DialogsSource dialogs)
    : wxPanel(notebook, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxNO_BORDER),
      page_(&page),
      history_(page),
      dialogs_(std::move(dialogs)) {
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    grid_ = new PageGrid(this, wxID_ANY);
    SetupGrid();
    sizer->Add(grid_, 1, wxALL | wxEXPAND, 5);
    SetSizer(sizer);
}

void PageView::SetupGrid() {
    grid_->SetTable(new PageGridTable({page_, dialogs_}), true, wxGrid::wxGridSelectCells);
    grid_->EnableEditing(true);
    grid_->EnableGridLines(true);
    grid_->EnableDragGridSize(false);
    grid_->EnableDragColMove(false);
    grid_->EnableDragRowSize(false);
    grid_->EnableDragColSize(true);
    grid_->SetColLabelAlignment(wxALIGN_CENTRE, wxALIGN_CENTRE);
    SetPageColumns();
    grid_->SetDefaultRowSize(23, true);
    grid_->SetRowLabelSize(wxGRID_AUTOSIZE);
    grid_->SetRowLabelAlignment(wxALIGN_CENTRE, wxALIGN_CENTRE);
    grid_->SetDefaultCellAlignment(wxALIGN_LEFT, wxALIGN_TOP);
}

void PageView::SetPageColumns() {
    grid_->BeginBatch();
    for (int col = 0; col < kColumnCount; ++col) {
        int width = ColumnWidths[page_->Type()][col];
        grid_->SetColMinimalWidth(col, width);
        grid_->SetColSize(col, width);
    }
    grid_->EndBatch();
}

void RefreshPageGrid(wxGrid* grid) {
    if (auto* pageGrid = dynamic_cast<PageGrid*>(grid)) pageGrid->ForgetCachedAttributes();
    grid->ForceRefresh();
}

void PageView::Refresh() {
    RefreshPageGrid(grid_);
}

void PageView::SelectionToStore() {
    Selection& selection = page_->grid.GetSelection();
    selection.Clear();
    for (const wxGridBlockCoords& block : grid_->GetSelectedBlocks())
        selection.Add(
            {block.GetTopRow(), block.GetLeftCol(), block.GetBottomRow(), block.GetRightCol()});
}

void PageView::SelectionFromStore() {
    grid_->ClearSelection();
    for (const CellBlock& b : page_->grid.GetSelection().Blocks())
        grid_->SelectBlock(b.top, b.left, b.bottom, b.right, true);
}
