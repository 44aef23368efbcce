// The columns of Lumo's CSV files, shared by the CSV export and import: each is a grid column,
// named by its key (ColumnKeys), in the order the export writes them.
#pragma once

#include <wx/string.h>

#include <array>

namespace lumo {

constexpr int kCsvColumnCount = 20;
enum CsvColumn {
    kCsvMNUM,
    kCsvBAND,
    kCsvSCAN,
    kCsvZONE,
    kCsvDESC,
    kCsvMODE,
    kCsvRFRQ,
    kCsvRSQL,
    kCsvRNSV,
    kCsvRTON,
    kCsvRCOD,
    kCsvRTGP,
    kCsvRNAC,
    kCsvTFRQ,
    kCsvTSQL,
    kCsvTTON,
    kCsvTCOD,
    kCsvTTGP,
    kCsvTNAC,
    kCsvTIDC,
};
// The grid column of each CSV column.
extern const std::array<int, kCsvColumnCount> ExportColumnList;
const char* CsvColumnName(int csvColumn);
// The CSV column a header name (upper case) stands for, -1 when none.
int CsvColumnOfName(const wxString& name);

// The title and header lines of the VRA-50's own CSV files.
extern const char* const Vra50CsvHeaderLine;
extern const char* const Vra50CsvPurgeLine;

}  // namespace lumo
