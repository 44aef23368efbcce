#include "edit/row_check.h"

#include "edit/cell_edits.h"
#include "edit/error_display.h"
#include "edit/page_compare.h"
#include "edit/shadows.h"
#include "edit/zones.h"
#include "rules/frequency_rules.h"
#include "rules/text_rules.h"
#include "util/diag_log.h"

#include <algorithm>

namespace lumo {

namespace {
constexpr const char* kUnit = "LumoEdit";

struct RowCheck {
    Page& page;
    Dialogs& dialogs;
    int row;
    CheckReport* report;
    wxString squelch[2];  // receive, transmit: as the squelch checks left them

    CellStore& grid() { return page.grid; }
    const wxString& Text(int col) { return page.grid.Get(row, col); }
    void Set(int col, const wxString& text) { page.grid.Set(row, col, text); }
    void Replace(int col, bool highlight) {
        Set(col, page.grid.Get(0, col));
        if (highlight) Highlight(col);
    }
    void Highlight(int col) {
        page.grid.SetBackground(row, col, kHighlightColour);
        if (report) report->highlighted.emplace_back(row, col);
    }
    bool P25() const { return page.IsP25(); }
    int Type() const { return page.Type(); }
    int Band() const { return RowBand(page, row); }
};

void CheckMemoryNumber(RowCheck& c, int col) {
    long number = 0;
    if (!ParseDecimal(c.Text(col), number) || number > c.page.Rows() || number < 0) {
        c.Set(col, wxString());
        return;
    }
    c.Set(col, wxString::Format("%03ld", number));
    int other = FindDuplicateMNum(c.page, 1, c.row, c.page.Rows(), number);
    if (other <= c.page.Rows()) {
        DisplayError(c.dialogs, kNumberInUse, other);
        c.Set(col, wxString());
        LUMO_LOG(kUnit, "  %s check: %s", "MNUM", "N/A");
    }
}

void CheckPrimary(RowCheck& c, int col) {
    if (!c.P25()) {
        c.Set(col, wxString());
        return;
    }
    // A shadow's PRIM is the only place that names its primary; it stays.
    if (!IsShadowRow(c.page, c.row)) c.Set(col, c.Text(MNUM));
}

void CheckShadowText(RowCheck& c, int col) {
    if (!c.P25()) {
        c.Set(col, wxString());
        return;
    }
    wxString head = c.Text(col).Left(2);
    if (head != "P-" && head != "S-") c.Set(col, "N");
}

void CheckBand(RowCheck& c, int col) {
    if (c.Type() != kMODX) {
        c.Set(col, wxString());
        return;
    }
    int band = FindBandNumber(c.Text(col));
    bool allowed = band == 0 || band == 2 || band == 6;
    if (!allowed) c.Replace(col, true);
}

void CheckScan(RowCheck& c, int col) {
    if (c.page.IsGuardRow(c.row)) {
        c.Set(col, c.grid().Get(0, col));
        return;
    }
    const wxString& text = c.Text(col);
    if (c.P25() || c.Type() == kDAMX) {
        c.Set(col, (text == "1" || text == "Y" || text == "Yes") ? "Y" : "N");
        return;
    }
    long value = 0;
    if ((text.length() == 1 || text.length() == 2) && ParseDecimal(text, value) && value >= 0 &&
        value <= 31) {
        SetScanCell(c.page, c.row, col, text);
        return;
    }
    if (text.length() == 4 || text.length() == 5) {
        SetScanCell(c.page, c.row, col, ConvertPolyLumScan(text));
        return;
    }
    c.Replace(col, true);
}

void CheckDescription(RowCheck& c, int col) {
    c.Set(col, CheckDescriptionText(c.Text(col), c.Type()));
}

void CheckMode(RowCheck& c, int col) {
    if (!IsModeValid(c.Text(col), c.P25())) c.Replace(col, true);
}

void CheckFrequency(RowCheck& c, int col) {
    int band = c.Band();
    if (col == TFRQ && band == 2) {
        if (CheckRxOnlyFreq(c.Text(RFRQ))) c.Set(col, "n/a");
        return;
    }
    if (CheckFrequencyText(c.Text(col), band) != 0) {
        c.Replace(col, true);
        return;
    }
    // A value off the channel raster may still be what the user wants: it is only shown.
    FrequencyRule rule{band, GetChannelStep(c.page.params.radio, band)};
    if (!IsOnChannelRaster(c.Text(col), rule)) c.Highlight(col);
}

void CheckSquelch(RowCheck& c, int col) {
    Direction direction = col == RSQL ? Direction::Receive : Direction::Transmit;
    if (c.P25()) {
        std::vector<wxString> letters =
            SquelchChoices(direction, c.Text(MODE), IsShadowRow(c.page, c.row));
        if (std::find(letters.begin(), letters.end(), c.Text(col)) == letters.end())
            c.Replace(col, true);
    } else {
        c.Set(col, wxString());
    }
    c.squelch[direction == Direction::Receive ? 0 : 1] = c.Text(col);
}

void CheckSquelchValue(RowCheck& c, int col) {
    if (c.Type() != kEP25)
        c.Set(col, wxString());
    else if (!IsSquelchValueValid(c.Text(col)))
        c.Replace(col, true);
}

bool InList(const std::vector<wxString>& list, const wxString& text) {
    return std::find(list.begin(), list.end(), text) != list.end();
}

// Tones and codes of P25 rows: "OFF" needs a squelch; a valid value gives an empty squelch
// its type ("t" for a tone, "c" for a code).
void CheckP25ToneOrCode(RowCheck& c, int col, bool tone, wxString& squelch) {
    int squelchCol = (col == RTON || col == RCOD) ? RSQL : TSQL;
    if (!tone && c.Text(col) == "000") c.Set(col, "OFF");
    const wxString& value = c.Text(col);
    if (value == "OFF") {
        if (squelch.empty()) c.Replace(col, true);
        return;
    }
    if (!InList(tone ? ToneChoicesFor(true) : CodeChoicesFor(true), value)) {
        c.Replace(col, true);
        return;
    }
    if (squelch.empty()) {
        squelch = tone ? "t" : "c";
        c.Set(squelchCol, squelch);
    }
}

void CheckAnalogToneOrCode(RowCheck& c, int col, bool tone, const wxString& squelch) {
    bool receive = col == RTON || col == RCOD;
    if (c.page.IsGuardRow(c.row) && receive) {
        c.Set(col, "n/a");
        return;
    }
    int rowType = c.Type() == kMODX ? GetPageType(c.page.params.radio, c.Band()) : c.Type();
    if (!tone && (rowType == kANAM || rowType == kR19 || rowType == kDAMX)) {
        c.Set(col, "n/a");
        return;
    }
    if (!squelch.empty() && squelch != (tone ? "t" : "c")) c.Set(col, "OFF");
    if (!tone && c.Text(col) == "000") c.Set(col, "OFF");
    if (!InList(tone ? ToneChoicesFor(false) : CodeChoicesFor(false), c.Text(col))) {
        c.Replace(col, true);
        return;
    }
    if (tone && FindBandNumber(c.Text(BAND)) == 2) c.Set(col, "n/a");
}

void CheckToneOrCode(RowCheck& c, int col, const wxString& givenSquelch) {
    bool tone = col == RTON || col == TTON;
    wxString& squelch = c.squelch[(col == RTON || col == RCOD) ? 0 : 1];
    squelch = givenSquelch;
    switch (c.Type()) {
        case kRP25:
        case kEP25: CheckP25ToneOrCode(c, col, tone, squelch); break;
        case kANFM:
        case kMODX: CheckAnalogToneOrCode(c, col, tone, squelch); break;
        default:
            if (tone)
                c.Set(col, wxString());
            else if (c.Type() != kFMAM)
                c.Set(col, "n/a");
            break;
    }
}

void CheckHexField(RowCheck& c, int col) {
    int width = (col == RNAC || col == TNAC) ? 3 : 4;
    if (!c.P25())
        c.Set(col, wxString());
    else if (!HexFieldValid(c.Text(col), width))
        c.Replace(col, false);
}

void CheckUnitIdCell(RowCheck& c, int col) {
    if (!c.P25()) {
        c.Set(col, wxString());
        return;
    }
    c.Set(col, CheckUnitId(c.Text(col), c.grid().Get(0, col)));
}

void CheckReceiveOnly(RowCheck& c, int col) {
    if (c.Type() != kDAMX) c.Set(col, wxString());
}

void CheckOneColumn(RowCheck& c, int col, const wxString* squelch) {
    switch (col) {
        case MNUM: CheckMemoryNumber(c, col); break;
        case PRIM: CheckPrimary(c, col); break;
        case SHAD: CheckShadowText(c, col); break;
        case BAND: CheckBand(c, col); break;
        case SCAN: CheckScan(c, col); break;
        case ZONE: CheckZone(c.page, c.row); break;
        case DESC: CheckDescription(c, col); break;
        case MODE: CheckMode(c, col); break;
        case RFRQ:
        case TFRQ: CheckFrequency(c, col); break;
        case RSQL:
        case TSQL: CheckSquelch(c, col); break;
        case RNSV: CheckSquelchValue(c, col); break;
        case RTON:
        case RCOD:
        case TTON:
        case TCOD:
            CheckToneOrCode(c, col,
                            squelch ? *squelch : c.squelch[(col == RTON || col == RCOD) ? 0 : 1]);
            break;
        case RTGP:
        case RNAC:
        case TTGP:
        case TNAC: CheckHexField(c, col); break;
        case TIDC: CheckUnitIdCell(c, col); break;
        case RONL: CheckReceiveOnly(c, col); break;
        default: break;  // MFLG, SHD0..SHD6 and TFLG are not checked
    }
}
}  // namespace

wxString ConvertPolyLumScan(const wxString& letters) {
    long sum = 0;
    for (size_t i = 0; i < letters.length() && i < 5; ++i) {
        if (letters[i] == 'L') return "0";
        if (letters[i] != '_') sum += 1L << i;
    }
    return wxString::Format("%ld", sum);
}

int FindDuplicateMNum(const Page& page, int firstRow, int excludedRow, int lastRow, long number) {
    for (int row = firstRow; row <= lastRow; ++row) {
        if (row == excludedRow) continue;
        long value = 0;
        if (ParseDecimal(page.grid.Get(row, MNUM), value) && value == number) {
            LUMO_LOG(kUnit, " . Find Duplicate MNum - conflict at row: %d", row);
            return row;
        }
    }
    return lastRow + 1;
}

void CheckColumn(Page& page, Dialogs& dialogs, int row, int col, const wxString& squelch,
                 CheckReport* report) {
    RowCheck check{page, dialogs, row, report, {}};
    CheckOneColumn(check, col, &squelch);
}

void CheckRow(Page& page, Dialogs& dialogs, int row, CheckReport* report) {
    RowCheck check{page, dialogs, row, report, {}};
    for (int col = 0; col <= RONL; ++col)
        CheckOneColumn(check, col, nullptr);
}

void CheckPage(Page& page, Dialogs& dialogs, int pageNumber, CheckReport* report) {
    LUMO_LOG(kUnit, " > Check Page %d - Radio: %s, %s, %s; Rows: %d", pageNumber + 1,
             page.strings.radioName, page.strings.bandName, page.strings.typeCode, page.Rows());
    for (int row = 1; row <= page.Rows(); ++row)
        if (page.IsRowUsed(row)) CheckRow(page, dialogs, row, report);
}

wxString ValidatePage(Page& page, Dialogs& dialogs, int pageNumber) {
    std::vector<std::pair<int, RowTexts>> before;
    for (int row = 1; row <= page.Rows(); ++row)
        if (page.IsRowUsed(row)) before.emplace_back(row, page.grid.GetRow(row));
    CheckReport report;
    CheckPage(page, dialogs, pageNumber, &report);
    long repaired = 0;
    for (const auto& [row, texts] : before)
        for (int col = 0; col < kColumnCount; ++col)
            if (IsColumnShown(page.Type(), col) && page.grid.Get(row, col) != texts[col])
                ++repaired;
    wxString summary = "Checked " + MemoriesText(static_cast<long>(before.size())) + ": ";
    if (repaired == 0) return summary + "nothing to repair";
    summary << repaired << (repaired == 1 ? " value repaired" : " values repaired");
    return report.highlighted.empty() ? summary : summary + ", highlighted";
}

void ClearHighlights(Page& page) {
    LUMO_LOG(kUnit, "\n>----------- OnClearHighlight ---------------------------------------<");
    for (int row = 0; row <= page.Rows(); ++row)
        for (int col = 0; col < kColumnCount; ++col)
            if (IsColumnShown(page.Type(), col)) page.grid.ResetBackground(row, col);
    page.params.pageFlags &= ~kPageFlagMarked;
}

bool ApplyMemoryNumberEdit(Page& page, Dialogs& dialogs, int row, long number) {
    wxString text = wxString::Format("%03ld", number);
    LUMO_LOG(kUnit, ".MNUM Change: %s to: %s", page.grid.Get(row, MNUM), text);
    int other = FindDuplicateMNum(page, 1, row, page.Rows(), number);
    if (other <= page.Rows()) {
        DisplayError(dialogs, kNumberInUse, other);
        return false;
    }
    if (page.IsP25()) {
        if (ParseHexFlags(page.grid.Get(row, MFLG)) & kMflgPrimary)
            RenumberShadowsOf(page, row, number);
        if (!IsShadowRow(page, row)) page.grid.Set(row, PRIM, text);
    }
    page.grid.Set(row, MNUM, text);
    return true;
}

}  // namespace lumo
