// One channel ("memory") is one row of a page's cell store: 32 text cells. This header fixes
// the columns, which of them each page type shows, the default rows and the two flag columns.
#pragma once

#include "model/catalogue.h"
#include "util/number_text.h"

#include <wx/string.h>

#include <array>

namespace lumo {

enum Column {
    MFLG = 0,
    MNUM,
    PRIM,
    SHAD,
    BAND,
    SCAN,
    ZONE,
    DESC,
    MODE,
    RFRQ,
    RSQL,
    RNSV,
    RTON,
    RCOD,
    RTGP,
    RNAC,
    TFRQ,
    TSQL,
    TTON,
    TCOD,
    TTGP,
    TNAC,
    TIDC,
    SHD0,
    SHD1,
    SHD2,
    SHD3,
    SHD4,
    SHD5,
    SHD6,
    RONL,
    TFLG,
    kColumnCount
};
static_assert(kColumnCount == 32, "a memory record has 32 columns");

constexpr int kDefaultRowCount = 11;

using RowTexts = std::array<wxString, kColumnCount>;

extern const std::array<const char*, kColumnCount> ColumnKeys;
extern const std::array<std::array<const char*, kColumnCount>, kPageTypeCount> ColumnHeaders;
extern const std::array<std::array<int, kColumnCount>, kPageTypeCount> ColumnWidths;
extern const std::array<std::array<const char*, kColumnCount>, kDefaultRowCount> DefaultRows;

// MFLG: slot number of a shadow in its primary's list, and the primary bit.
constexpr unsigned kMflgShadowSlotMask = 0x07;
constexpr unsigned kMflgPrimary = 0x10;
constexpr unsigned kMflgRelationMask = 0x17;
// TFLG: transferable, action bits, zone counted, read from a radio.
constexpr unsigned kTflgTransferable = 0x80;
constexpr unsigned kTflgFromRadio = 0x40;
constexpr unsigned kTflgZoneCounted = 0x08;
constexpr unsigned kTflgActionMask = 0x03;
constexpr unsigned kTflgSelected = 0x01;
extern const char* const kDefaultTflg;  // "A0"

bool IsColumnShown(int pageType, int column);
// The columns that hold a memory of a page type, the ones a data file keeps: the shown ones,
// plus the flags, primary and shadow slots of P25 pages and RONL of DAMX pages.
bool IsMemoryColumn(int pageType, int column);
// Index into DefaultRows for a page: the radio's own default row, or its band's.
int DefaultRowIndex(int radio, int band);
RowTexts DefaultRowTexts(int defaultRowIndex);

// A flag cell's text (read with ParseHexFlags).
wxString FormatHexFlags(unsigned value);  // "%02X"

}  // namespace lumo
