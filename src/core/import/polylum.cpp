#include "import/polylum.h"

#include "edit/cell_edits.h"
#include "edit/row_check.h"
#include "edit/row_values.h"
#include "edit/zones.h"
#include "import/import_cells.h"
#include "rules/frequency_rules.h"
#include "util/diag_log.h"

#include <algorithm>

namespace lumo {

namespace {
constexpr const char* kUnit = "LumoFile_ImportExport";
constexpr size_t kFullLineLength = 64;
constexpr long kLastToneChoice = 64;

// A frequency the page's band cannot hold is replaced by the band's default frequency.
wxString FrequencyAt(const Page& page, const wxString& line, size_t pos, int alignment) {
    if (alignment & 0x02) return BandDefaultFrequencies[page.params.band];
    return PageFrequencyText(FieldAt(line, pos, 8), page.ChannelStep());
}

wxString ToneAt(const wxString& line, size_t pos) {
    return ToneChoiceText(
        static_cast<int>(std::min(DecimalOrZero(FieldAt(line, pos, 2)), kLastToneChoice)));
}

void CopyDefault(Page& page, int row, std::initializer_list<int> columns) {
    for (int col : columns)
        page.grid.Set(row, col, page.grid.Get(0, col));
}

void WriteScan(Page& page, int row, const wxString& line) {
    wxString scan = ConvertPolyLumScan(line.Mid(70, 5));
    if (page.Type() == kANFM || page.Type() == kMODX)
        SetScanCell(page, row, SCAN, scan);
    else if (page.IsP25())
        page.grid.Set(row, SCAN, scan == "0" ? "N" : "Y");
    // A P25 memory gets its zone from the row check: the file names none.
    if (page.IsP25()) ApplyZoneLabel(page, row, wxString());
}
}  // namespace

bool writeANFMToGrid(Page& page, Dialogs& dialogs, const wxString& line) {
    CellStore& g = page.grid;
    LUMO_LOG(kUnit, "Import ANFM to Page - Type: %d; Band: %d; Radio: %d", page.Type(),
             page.params.band, page.params.radio);
    if (line.length() < kFullLineLength) LUMO_LOG(kUnit, " . IsGuard = true");
    wxString number = line.Mid(0, 3);
    long row = 0;
    // Row 0 is the page's default row, not a memory; numbers beyond the page are skipped.
    if (!ParseDecimal(number, row) || row < 1 || row > page.Rows()) return false;
    int r = static_cast<int>(row);
    if (page.IsRowUsed(r)) ClearRowData(page, r, true);
    g.Set(r, MNUM, number);
    bool p25 = page.IsP25();
    if (p25) {
        g.Set(r, PRIM, number);
        g.Set(r, SHAD, "N");
    }
    int band = BandOfFrequency(FieldAt(line, 14, 8), page.Type());
    int alignment = GetAlignment(page, 0, band);
    LUMO_LOG(kUnit, "FrqMHz: %ld", DecimalOrZero(FieldAt(line, 14, 3)));
    LUMO_LOG(kUnit, "Align: %02X", alignment);
    if (page.params.band == 8) g.Set(r, BAND, "FM 30-50");
    WriteScan(page, r, line);
    g.Set(r, DESC, line.Mid(4, 9).Strip(wxString::trailing));
    wxString mode = line.Mid(75, 1);
    g.Set(r, MODE, (mode == "N" || mode == "n") ? mode : wxString("w"));
    g.Set(r, RFRQ, FrequencyAt(page, line, 14, alignment));
    if (p25) CopyDefault(page, r, {RSQL});
    if (page.Type() == kEP25) CopyDefault(page, r, {RNSV});
    SetToneAndCode(page, dialogs, r, RTON, ToneAt(line, 43), RCOD, FieldAt(line, 64, 3),
                   g.Get(r, RSQL));
    if (p25) CopyDefault(page, r, {RTGP, RNAC});
    g.Set(r, TFRQ, FrequencyAt(page, line, 25, alignment));
    if (p25) CopyDefault(page, r, {TSQL});
    SetToneAndCode(page, dialogs, r, TTON, ToneAt(line, 48), TCOD, FieldAt(line, 58, 3),
                   g.Get(r, TSQL));
    if (p25) CopyDefault(page, r, {TTGP, TNAC, TIDC});
    MarkImportedRow(page, r);
    CheckRow(page, dialogs, r);
    return true;
}

int ImportPolyLum(ImportReader& reader, Page& page, Dialogs& dialogs) {
    int count = 0;
    wxString line;
    while (reader.ReadTextLine(line)) {
        ++reader.lineCounter;
        if (writeANFMToGrid(page, dialogs, line)) ++count;
    }
    return count;
}

}  // namespace lumo
