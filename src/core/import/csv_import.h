// CSV imports: a generic CSV file whose header line names the columns (as the CSV export
// writes them), and the VRA-50's own CSV file (a title line, a fixed header, one memory a line).
#pragma once

#include "import/import_reader.h"
#include "model/csv_columns.h"
#include "pages/page.h"
#include "util/dialogs.h"

#include <array>

namespace lumo {

// Sets up the tokenizer's look-ahead at the start of the file.
void PrimeCsv(ImportReader& reader);
// The fields of the next line (quotes and doubled quotes undone); 0 at the end of the file.
int GetLine_CSV(ImportReader& reader, std::vector<wxString>& fields);
// Reads lines until one is a header (VRA-50 mode: any line with a non-empty field).
bool GetHeader_CSV(ImportReader& reader);
// Reads lines until one has a usable key; its fields (by column name, or the VRA-50's six) go to
// `out` and its row to `row`. False at the end of the file.
bool GetData_CSV(ImportReader& reader, std::vector<wxString>& out, int gridRows, int& row);

// One value of a CSV column into a row, through the single-column check of its grid column (a
// zone through the zone placement, tones and codes with the row's squelch type).
void SetCsvCell(Page& page, Dialogs& dialogs, int row, int column, const wxString& text);

int Import_CSV(ImportReader& reader, Page& page, Dialogs& dialogs);
int Import_DAMX(ImportReader& reader, Page& page, Dialogs& dialogs);

}  // namespace lumo
