// The grid's view of a page: a virtual table over the page's cell store. Rows added or removed
// in the store are announced to the grid; cell texts are never copied.
#pragma once

#include "cell_editors.h"
#include "model/cell_store.h"
#include "pages/page.h"

#include <wx/grid.h>

class PageGridTable : public wxGridTableBase, public lumo::CellStoreObserver {
  public:
    explicit PageGridTable(const EditorContext& context);
    ~PageGridTable() override;

    lumo::Page& GetPage() { return page_; }

    int GetNumberRows() override { return page_.grid.RowCount(); }
    int GetNumberCols() override { return lumo::kColumnCount; }
    bool IsEmptyCell(int row, int col) override { return page_.grid.Get(row, col).empty(); }
    wxString GetValue(int row, int col) override { return page_.grid.Get(row, col); }
    void SetValue(int row, int col, const wxString& value) override;
    wxString GetRowLabelValue(int row) override { return wxString::Format("%03d", row); }
    wxString GetColLabelValue(int col) override;

    void RowsInserted(int pos, int count) override;
    void RowsDeleted(int pos, int count) override;
    void RowsAppended(int count) override;

  private:
    void Announce(int message, int pos, int count);

    lumo::Page& page_;
};
