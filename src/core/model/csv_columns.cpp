#include "model/csv_columns.h"

namespace lumo {

// clang-format off
const std::array<const char*, kCsvColumnCount> CsvColumnNames = {
    "MNUM", "BAND", "SCAN", "ZONE", "DESC", "MODE", "RFRQ", "RSQL", "RNSV", "RTON",
    "RCOD", "RTGP", "RNAC", "TFRQ", "TSQL", "TTON", "TCOD", "TTGP", "TNAC", "TIDC",
};
// clang-format on

}  // namespace lumo
