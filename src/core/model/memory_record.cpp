#include "model/memory_record.h"

namespace lumo {

// The tables keep their hand-made layout.
// clang-format off

const char* const kDefaultTflg = "A0";

const std::array<const char*, kColumnCount> ColumnKeys = {
    "MFLG", "MNUM", "PRIM", "SHAD", "BAND", "SCAN", "ZONE", "DESC", "MODE", "RFRQ", "RSQL",
    "RNSV", "RTON", "RCOD", "RTGP", "RNAC", "TFRQ", "TSQL", "TTON", "TCOD", "TTGP", "TNAC",
    "TIDC", "SHD0", "SHD1", "SHD2", "SHD3", "SHD4", "SHD5", "SHD6", "RONL", "TFLG",
};

// Labels and widths per page type (ANFM, RP25, EP25, MODX, R19, DAMX, ANAM, FMAM). A width of
// 0 hides the column; hidden columns have no label. Rows are columns MFLG..TFLG.
const std::array<std::array<const char*, kColumnCount>, kPageTypeCount> ColumnHeaders = {{
    // ANFM
    {"", "Chan", "", "", "", "Scan", "", "Desc", "Mode", "RxFreq", "", "", "RxTn", "RxCd", "", "",
     "TxFreq", "", "TxTn", "TxCd", "", "", "", "", "", "", "", "", "", "", "", ""},
    // RP25
    {"", "Mem", "", "Shad", "", "Scan", "Zone", "Desc", "Mode", "RxFreq", "RxSq", "", "RxTn",
     "RxCd", "RxTG", "RxNAC", "TxFreq", "TxSq", "TxTn", "TxCd", "TxTG", "TxNAC", "TxIDC", "", "",
     "", "", "", "", "", "", ""},
    // EP25
    {"", "Mem", "", "Shad", "", "Scan", "Zone", "Desc", "Mode", "RxFreq", "RxSq", "NSqV", "RxTn",
     "RxCd", "RxTG", "RxNAC", "TxFreq", "TxSq", "TxTn", "TxCd", "TxTG", "TxNAC", "TxIDC", "", "",
     "", "", "", "", "", "", ""},
    // MODX
    {"", "Chan", "", "", "Band", "Scan", "", "Desc", "Mode", "RxFreq", "", "", "RxTn", "RxCd", "",
     "", "TxFreq", "", "TxTn", "TxCd", "", "", "", "", "", "", "", "", "", "", "", ""},
    // R19: column 30 is shown without a label.
    {"", "Chan", "", "", "", "", "", "", "", "Freq", "", "", "", "", "", "", "", "", "", "", "",
     "", "", "", "", "", "", "", "", "", "", ""},
    // DAMX
    {"", "Mem", "", "", "", "Scan", "", "Desc", "", "RxFreq", "", "", "", "", "", "", "TxFreq", "",
     "", "", "", "", "", "", "", "", "", "", "", "", "RxOnly", ""},
    // ANAM
    {"", "Chan", "", "", "", "Scan", "", "Desc", "", "RxFreq", "", "", "", "", "", "", "TxFreq", "",
     "", "", "", "", "", "", "", "", "", "", "", "", "", ""},
    // FMAM
    {"", "Chan", "", "", "", "Scan", "", "Desc", "", "RxFreq", "", "", "RxTn", "", "", "", "TxFreq",
     "", "TxTn", "", "", "", "", "", "", "", "", "", "", "", "", ""},
}};

const std::array<std::array<int, kColumnCount>, kPageTypeCount> ColumnWidths = {{
    // MF MN PR SH BD  SC  ZN  DS  MD  RF  RS  RV  RT  RC  RG  RN  TF  TS  TT  TC  TG  TN  TI
    {0, 45, 0, 0, 0, 75, 0, 90, 50, 80, 0, 0, 50, 50, 0, 0, 80, 0, 50, 50, 0, 0, 0,
     0, 0, 0, 0, 0, 0, 0, 0, 0},  // ANFM
    {0, 45, 0, 45, 0, 45, 45, 90, 50, 80, 50, 0, 50, 50, 50, 55, 80, 50, 50, 50, 50, 55, 70,
     0, 0, 0, 0, 0, 0, 0, 0, 0},  // RP25
    {0, 45, 0, 45, 0, 45, 45, 90, 50, 80, 50, 50, 50, 50, 50, 55, 80, 50, 50, 50, 50, 55, 70,
     0, 0, 0, 0, 0, 0, 0, 0, 0},  // EP25
    {0, 45, 0, 0, 90, 75, 0, 90, 50, 80, 0, 0, 50, 50, 0, 0, 80, 0, 50, 50, 0, 0, 0,
     0, 0, 0, 0, 0, 0, 0, 0, 0},  // MODX
    {0, 45, 0, 0, 0, 0, 0, 0, 0, 80, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
     0, 0, 0, 0, 0, 0, 0, 500, 0},  // R19
    {0, 45, 0, 0, 0, 45, 0, 80, 0, 80, 0, 0, 0, 0, 0, 0, 80, 0, 0, 0, 0, 0, 0,
     0, 0, 0, 0, 0, 0, 0, 60, 0},  // DAMX
    {0, 45, 0, 0, 0, 75, 0, 90, 0, 80, 0, 0, 0, 0, 0, 0, 80, 0, 0, 0, 0, 0, 0,
     0, 0, 0, 0, 0, 0, 0, 0, 0},  // ANAM
    {0, 45, 0, 0, 0, 75, 0, 90, 0, 80, 0, 0, 50, 0, 0, 0, 80, 0, 50, 0, 0, 0, 0,
     0, 0, 0, 0, 0, 0, 0, 0, 0},  // FMAM
}};

// The default row of each band (rows 0-8), of the VRD-21B (9) and of the VRA-50 (10). Inner
// blanks of the descriptions are part of the values.
const std::array<std::array<const char*, kColumnCount>, kDefaultRowCount> DefaultRows = {{
    // MFLG MNUM PRIM SHAD BAND SCAN ZONE DESC MODE RFRQ RSQL RNSV RTON RCOD RTGP RNAC
    // TFRQ TSQL TTON TCOD TTGP TNAC TIDC SHD0..SHD6 RONL TFLG
    {"", "0", "", "", "FM 30-50", "0", "", "LOW    30", "W", "30.0000", "", "", "OFF", "OFF", "",
     "", "50.0000", "", "OFF", "OFF", "", "", "", "", "", "", "", "", "", "", "", "A0"},
    {"", "0", "", "", "FM 66-88", "0", "", "LOW    66", "W", "66.0000", "", "", "OFF", "OFF", "",
     "", "88.0000", "", "OFF", "OFF", "", "", "", "", "", "", "", "", "", "", "", "A0"},
    {"", "0", "", "", "AM 108-138", "0", "", "VHFAM 108", "", "108.000", "", "", "", "", "", "",
     "138.000", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "A0"},
    {"", "0", "", "", "AM 118-138", "0", "", "VHFAM 118", "", "118.000", "", "", "", "", "", "",
     "138.000", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "A0"},
    {"0",   "0",   "0",   "N",   "FM 136-174", "N",       "1", "VHF  136", "n", "136.0000",
     "x",   "",    "67.0", "023", "0001",      "293",     "174.0000", "x", "67.0", "023",
     "0001", "293", "00000001", "0", "0", "0", "0", "0", "0", "0", "", "A0"},
    {"", "0", "", "", "FM 138-174", "0", "", "VHF   138", "N", "138.0000", "", "", "OFF", "OFF", "",
     "", "174.0000", "", "OFF", "OFF", "", "", "", "", "", "", "", "", "", "", "", "A0"},
    {"", "0", "", "", "AM 225-400", "0", "", "UHFAM 225", "", "225.0000", "", "", "", "", "", "",
     "400.0000", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "A0"},
    {"", "0", "", "", "FM 403-512", "0", "", "UHF   403", "W", "403.0000", "", "", "OFF", "OFF", "",
     "", "512.0000", "", "OFF", "OFF", "", "", "", "", "", "", "", "", "", "", "", "A0"},
    {"", "0", "", "", "FM 30-50", "0", "", "MODL   M6", "n", "31.0000", "", "", "OFF", "OFF", "",
     "", "31.0000", "", "OFF", "OFF", "", "", "", "", "", "", "", "", "", "", "", "A0"},
    {"0",   "0",   "0",   "N",   "FM 136-174", "N",       "1", "VHF  136", "n", "136.0000",
     "x",   "10",  "67.0", "023", "0001",      "293",     "174.0000", "x", "67.0", "023",
     "0001", "293", "00000001", "0", "0", "0", "0", "0", "0", "0", "", "A0"},
    {"", "0", "", "", "AM 118-138", "N", "", "VHFAM118", "", "118.000", "", "", "", "", "", "",
     "138.000", "", "", "", "", "", "", "", "", "", "", "", "", "", "N", "A0"},
}};
// clang-format on

bool IsColumnShown(int pageType, int column) {
    if (pageType < 0 || pageType >= kPageTypeCount || column < 0 || column >= kColumnCount)
        return false;
    return ColumnWidths[pageType][column] > 0;
}

bool IsMemoryColumn(int pageType, int column) {
    if (column == MFLG || column == PRIM || (column >= SHD0 && column <= SHD6))
        return IsP25Type(pageType);
    if (column == RONL) return pageType == kDAMX;
    return IsColumnShown(pageType, column);
}

int DefaultRowIndex(int radio, int band) {
    int row = RadioFactsOf(radio).defaultRow;
    return row == kDefaultRowOfBand ? band : row;
}

RowTexts DefaultRowTexts(int defaultRowIndex) {
    RowTexts texts;
    if (defaultRowIndex < 0 || defaultRowIndex >= kDefaultRowCount) return texts;
    for (int c = 0; c < kColumnCount; ++c)
        texts[c] = DefaultRows[defaultRowIndex][c];
    return texts;
}

wxString FormatHexFlags(unsigned value) {
    return wxString::Format("%02X", value);
}

}  // namespace lumo
