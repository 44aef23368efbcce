#include "import/clipboard.h"

#include "edit/row_commands.h"
#include "edit/row_values.h"
#include "import/csv_import.h"
#include "import/import_cells.h"
#include "model/csv_columns.h"

#include <wx/tokenzr.h>

#include <algorithm>

namespace lumo {

namespace {
// A cell's text as one field: the text's own tabs and line ends would split it.
wxString Field(wxString text) {
    for (const char* separator : {"\t", "\r", "\n"})
        text.Replace(separator, " ");
    return text;
}

std::vector<wxString> Lines(const wxString& text) {
    std::vector<wxString> lines;
    for (const wxString& line : wxSplit(text, '\n', '\0'))
        lines.push_back(line.EndsWith("\r") ? line.Left(line.length() - 1) : line);
    while (!lines.empty() && lines.back().empty())
        lines.pop_back();
    return lines;
}

int CsvColumnOf(int gridColumn) {
    auto it = std::find(ExportColumnList.begin(), ExportColumnList.end(), gridColumn);
    return it == ExportColumnList.end() ? -1 : static_cast<int>(it - ExportColumnList.begin());
}
}  // namespace

wxString CopyCellsText(const Page& page) {
    const Selection& selection = page.grid.GetSelection();
    std::vector<int> rows, cols;
    for (int col = 0; col < kColumnCount; ++col) {
        if (!IsColumnShown(page.Type(), col)) continue;
        for (int row = 0; row < page.grid.RowCount(); ++row)
            if (selection.Contains(row, col)) {
                cols.push_back(col);
                break;
            }
    }
    for (int row = 0; row < page.grid.RowCount(); ++row)
        if (std::any_of(cols.begin(), cols.end(),
                        [&](int col) { return selection.Contains(row, col); }))
            rows.push_back(row);
    if (rows.empty()) return wxString();
    wxArrayString fields;
    for (int col : cols)
        fields.Add(ColumnHeaders[page.Type()][col]);
    wxString text = wxJoin(fields, '\t', '\0') + "\n";
    for (int row : rows) {
        fields.Clear();
        for (int col : cols)
            fields.Add(Field(page.grid.Get(row, col)));
        text += wxJoin(fields, '\t', '\0') + "\n";
    }
    return text;
}

int ColumnOfName(const wxString& name) {
    wxString key = name.Strip(wxString::both);
    if (key.empty()) return -1;
    for (int col = 0; col < kColumnCount; ++col) {
        if (key.IsSameAs(ColumnKeys[col], false)) return col;
        for (const auto& headers : ColumnHeaders)
            if (key.IsSameAs(headers[col], false)) return col;
    }
    return -1;
}

PasteOutcome PasteCellsText(Page& page, Dialogs& dialogs, const wxString& text, int row, int col) {
    PasteOutcome outcome;
    std::vector<wxString> lines = Lines(text);
    if (lines.empty()) return outcome;
    // The columns of the fields: named by a header line, else the shown columns from `col` on.
    std::vector<int> columns;
    wxArrayString first = wxSplit(lines.front(), '\t', '\0');
    for (const wxString& name : first)
        columns.push_back(ColumnOfName(name));
    bool header = std::none_of(columns.begin(), columns.end(), [](int c) { return c < 0; });
    if (header) {
        lines.erase(lines.begin());
    } else {
        columns.clear();
        for (int c = std::max(col, 0); c < kColumnCount; ++c)
            if (IsColumnShown(page.Type(), c)) columns.push_back(c);
    }
    int target = std::max(row, 1);
    for (const wxString& line : lines) {
        if (target > page.LastMemoryRow()) {
            ++outcome.leftOut;
            continue;
        }
        // The values in the order an import sets them, so MODE comes before its squelch.
        std::vector<wxString> values(kCsvColumnCount);
        wxArrayString fields = wxSplit(line, '\t', '\0');
        for (size_t i = 0; i < fields.size() && i < columns.size(); ++i) {
            int c = columns[i];
            int csv = c < 0 ? -1 : CsvColumnOf(c);
            if (csv < 0 || c == MNUM || !IsColumnShown(page.Type(), c) ||
                page.grid.IsReadOnly(target, c))
                continue;
            values[csv] = fields[i].Strip(wxString::both);
        }
        if (std::all_of(values.begin(), values.end(),
                        [](const wxString& v) { return v.empty(); })) {
            ++target;
            continue;
        }
        if (!page.IsRowUsed(target))
            ApplyRowValuesToRow(page, target, page.grid.GetRow(0), true, true);
        for (int csv = 0; csv < kCsvColumnCount; ++csv)
            if (!values[csv].empty()) SetCsvCell(page, dialogs, target, csv, values[csv]);
        MarkImportedRow(page, target);
        FinishWrittenRow(page, dialogs, target);
        ++outcome.rows;
        ++target;
    }
    return outcome;
}

}  // namespace lumo
