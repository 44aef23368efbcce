// The column names of Lumo's CSV files (the export header split at its commas), shared by the
// CSV export and import.
#pragma once

#include <array>

namespace lumo {

constexpr int kCsvColumnCount = 20;
extern const std::array<const char*, kCsvColumnCount> CsvColumnNames;
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

}  // namespace lumo
