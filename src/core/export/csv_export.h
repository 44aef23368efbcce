// CSV export of the selected rows of a page: a generic layout with one column per field the
// page type uses (headed by the names the CSV import reads), or on VRA-50 pages the radio's own
// layout. Both read back through the import.
#pragma once

#include "pages/page.h"
#include "util/atomic_file.h"
#include "util/dialogs.h"

#include <memory>
#include <vector>

namespace lumo {

// Per page type, the CSV columns (indexes into the export header's names) that are written.
extern const std::array<std::vector<int>, kPageTypeCount> ExportColumnMask;

// The file being written: a temporary file beside the target, put in its place when the export
// ends and everything was written.
class ExportWriter {
  public:
    bool Open(const wxString& path);
    bool IsOpen() const { return file_ != nullptr; }
    void Write(const wxString& line);
    // Puts the file in place; false (the target untouched) when any write failed.
    bool Close();
    int Lines() const { return lines_; }

  private:
    std::unique_ptr<AtomicFile> file_;
    int lines_ = 0;
};

// A value as written: in double quotes, inner quotes doubled, when it holds a quote, a comma or
// a line end; as it is otherwise.
wxString CsvValue(const wxString& value);
// Opens the file and writes the layout's title and header lines.
bool OpenExportFile(ExportWriter& writer, const wxString& path, const Page& page);
// The first `count` values, each followed by a comma, and the line end.
void WriteCsvLine(ExportWriter& writer, const std::vector<wxString>& values, size_t count);
// The rows an export writes: the used memory rows of the selection (never the default row), in
// grid order.
std::vector<int> ExportedRows(const Page& page);
// The data lines of the exported rows.
void ExportSelectedRows(ExportWriter& writer, const Page& page);
void ExportCSV_DAMX(ExportWriter& writer, const Page& page);
// The whole command: checks the selection, asks for the file, writes it and says how many
// memories went to which file. Returns true when a file was written.
bool ExportFileCommand(Dialogs& dialogs, const Page& page);

}  // namespace lumo
