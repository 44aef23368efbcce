#include "model/csv_columns.h"

#include "model/memory_record.h"

namespace lumo {

const std::array<int, kCsvColumnCount> ExportColumnList = {
    MNUM, BAND, SCAN, ZONE, DESC, MODE, RFRQ, RSQL, RNSV, RTON,
    RCOD, RTGP, RNAC, TFRQ, TSQL, TTON, TCOD, TTGP, TNAC, TIDC,
};

const char* const Vra50CsvHeaderLine = "Memory,Name,Receive,Transmit,Scan,Rx Only";
const char* const Vra50CsvPurgeLine = "VRA-50,Purge,,,,";

const char* CsvColumnName(int csvColumn) {
    return ColumnKeys[ExportColumnList[csvColumn]];
}

int CsvColumnOfName(const wxString& name) {
    for (int column = 0; column < kCsvColumnCount; ++column)
        if (name == CsvColumnName(column)) return column;
    return -1;
}

}  // namespace lumo
