#include "edit/cell_edits.h"

#include "edit/shadows.h"
#include "rules/frequency_rules.h"
#include "rules/text_rules.h"
#include "util/diag_log.h"

#include <algorithm>

namespace lumo {

namespace {
constexpr const char* kUnit = "LumoEditors";

void Store(Page& page, int row, int col, const wxString& text) {
    page.grid.Set(row, col, text);
    page.grid.ResetBackground(row, col);
}

void TurnOff(Page& page, int row, std::initializer_list<int> columns) {
    for (int col : columns)
        if (page.grid.Get(row, col) != "n/a") page.grid.Set(row, col, "OFF");
}
}  // namespace

int RowBand(const Page& page, int row) {
    if (page.Type() != kMODX) return page.params.band;
    return std::max(0, FindBandNumber(page.grid.Get(row, BAND)));
}

void ApplyFrequencyEdit(Page& page, int row, int col, const wxString& text) {
    Store(page, row, col, text);
    bool receiveOnly = CheckRxOnlyFreq(text);
    if (col == RFRQ && !receiveOnly) Store(page, row, TFRQ, text);
    if (col == TFRQ && receiveOnly) {
        page.grid.Set(row, TFRQ, "n/a");
        LUMO_LOG(kUnit, " Rx Only!");
    }
    if (!page.IsP25()) return;
    long number = 0;
    if ((ParseHexFlags(page.grid.Get(row, MFLG)) & kMflgPrimary) &&
        ParseDecimal(page.grid.Get(row, MNUM), number))
        HandleP25Shadows(page, number);
}

void ApplyChoiceEdit(Page& page, int row, int col, const wxString& text) {
    Store(page, row, col, text);
    if (col == RTON || col == RCOD) Store(page, row, col + 6, text);
    ExcludeToneOrCode(page, row, col);
    if (!page.IsP25()) return;
    if (col == MODE) SetSquelchEditors(page, row, text);
    if (col == RSQL && (text == "x" || text == "t" || text == "c")) page.grid.Set(row, TSQL, text);
}

void ExcludeToneOrCode(Page& page, int row, int col) {
    if (page.IsP25()) return;
    switch (col) {
        case RTON: TurnOff(page, row, {RCOD, TCOD}); break;
        case RCOD: TurnOff(page, row, {RTON, TTON}); break;
        case TTON: TurnOff(page, row, {TCOD}); break;
        case TCOD: TurnOff(page, row, {TTON}); break;
        default: break;
    }
}

void ApplyHexEdit(Page& page, int row, int col, const wxString& text) {
    int width = (col == RNAC || col == TNAC) ? 3 : 4;
    wxString value = NormaliseHexField(text, width);
    Store(page, row, col, value);
    if (col == RTGP || col == RNAC) Store(page, row, col + 6, value);
}

void SetScanCell(Page& page, int row, int col, const wxString& value) {
    page.grid.Set(row, col, value);
}

void SetSquelchEditors(Page& page, int row, const wxString& mode, bool setValues) {
    if (!setValues) return;
    page.grid.Set(row, RSQL, DefaultSquelch(Direction::Receive, mode));
    page.grid.Set(row, TSQL, DefaultSquelch(Direction::Transmit, mode));
}

void ApplyModxBandEdit(Page& page, int row, const wxString& bandName) {
    Store(page, row, BAND, bandName);
    int newBand = std::max(0, FindBandNumber(bandName));
    if (BandOfFrequency(page.grid.Get(row, RFRQ), kANFM) != newBand) {
        page.grid.Set(row, RFRQ, wxString());
        page.grid.Set(row, TFRQ, wxString());
        SetToneCodeEditors(page, row, newBand);
    }
}

void SetToneCodeEditors(Page& page, int row, int band) {
    if (!page.IsRowUsed(row)) return;
    bool modx = page.Type() == kMODX;
    if (band == 6) {
        for (int col : {MODE, RTON, TTON, RCOD, TCOD})
            page.grid.Set(row, col, "n/a");
        if (modx)
            for (int col : {RTON, TTON})
                page.grid.Set(row, col, "OFF");
    } else if (band == 2 && modx) {
        for (int col : {RTON, TTON, RCOD, TCOD})
            page.grid.Set(row, col, "n/a");
    } else if (band != 3 && modx) {
        // Leaving a band without tones: "n/a" gives way to "OFF".
        for (int col : {RTON, TTON, RCOD, TCOD})
            if (page.grid.Get(row, col) == "n/a") page.grid.Set(row, col, "OFF");
        if (page.grid.Get(row, MODE) == "n/a") page.grid.Set(row, MODE, page.grid.Get(0, MODE));
    }
}

void SetPageToneCodeEditors(Page& page) {
    if (page.IsP25()) return;
    for (int row = 0; row <= page.Rows(); ++row)
        SetToneCodeEditors(page, row, RowBand(page, row));
}

}  // namespace lumo
