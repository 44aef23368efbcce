#include "page_grid_table.h"

#include "page_attr_provider.h"

PageGridTable::PageGridTable(const EditorContext& context) : page_(*context.page) {
    page_.grid.SetObserver(this);
    SetAttrProvider(new PageAttrProvider(context));
}

PageGridTable::~PageGridTable() {
    page_.grid.SetObserver(nullptr);
}

void PageGridTable::SetValue(int row, int col, const wxString& value) {
    page_.grid.Set(row, col, value);
}

wxString PageGridTable::GetColLabelValue(int col) {
    if (col < 0 || col >= lumo::kColumnCount) return wxString();
    return lumo::ColumnHeaders[page_.Type()][col];
}

void PageGridTable::Announce(int message, int pos, int count) {
    wxGrid* grid = GetView();
    if (!grid) return;
    wxGridTableMessage msg(this, message, pos, count);
    grid->ProcessTableMessage(msg);
}

void PageGridTable::RowsInserted(int pos, int count) {
    Announce(wxGRIDTABLE_NOTIFY_ROWS_INSERTED, pos, count);
}

void PageGridTable::RowsDeleted(int pos, int count) {
    Announce(wxGRIDTABLE_NOTIFY_ROWS_DELETED, pos, count);
}

void PageGridTable::RowsAppended(int count) {
    // wxGrid reads the count of appended rows from the message's first argument.
    Announce(wxGRIDTABLE_NOTIFY_ROWS_APPENDED, count, 0);
}
