#include "import/csv_import.h"

#include "edit/row_check.h"
#include "edit/row_values.h"
#include "edit/zones.h"
#include "import/import_cells.h"
#include "rules/frequency_rules.h"
#include "util/diag_log.h"

namespace lumo {

namespace {
constexpr const char* kUnit = "LumoFile_ImportExport";
constexpr const char* kNoHeader =
    "Unable to import the selected file\n\nPlease check that the file is correctly formatted\nand "
    "contains a column header line.";
constexpr size_t kDamxFields = 6;
enum DamxField { kDamxMemory, kDamxName, kDamxReceive, kDamxTransmit, kDamxScan, kDamxRxOnly };

int ByteAt(const ImportReader& reader, size_t pos) {
    return pos < reader.bytes.size() ? static_cast<unsigned char>(reader.bytes[pos]) : -1;
}

void Advance(ImportReader& reader) {
    reader.current = reader.next;
    reader.next = ByteAt(reader, reader.position);
    if (reader.position < reader.bytes.size()) ++reader.position;
}

bool IsLineEnd(int c) {
    return c == '\r' || c == '\n';
}

wxString Trimmed(const wxString& text) {
    return wxString(text).Strip(wxString::both);
}
}  // namespace

void PrimeCsv(ImportReader& reader) {
    reader.position = 0;
    reader.lineCounter = 0;
    reader.current = ByteAt(reader, 0);
    reader.next = ByteAt(reader, 1);
    reader.position = std::min<size_t>(2, reader.bytes.size());
}

int GetLine_CSV(ImportReader& reader, std::vector<wxString>& fields) {
    fields.clear();
    if (reader.current < 0) return 0;
    std::string field;
    bool quoted = false;
    for (;;) {
        int c = reader.current;
        if (c < 0 || IsLineEnd(c)) {
            fields.push_back(DecodeText(field));
            while (IsLineEnd(reader.current))
                Advance(reader);
            break;
        }
        if (quoted && c == '"' && reader.next == '"') {
            field += '"';
            Advance(reader);
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            fields.push_back(DecodeText(field));
            field.clear();
        } else {
            field += static_cast<char>(c);
        }
        Advance(reader);
    }
    ++reader.lineCounter;
    LUMO_LOG(kUnit, " . Get CSV Line of: %zu Cols:", fields.size());
    return static_cast<int>(fields.size());
}

namespace {
int RecogniseHeader(ImportReader& reader) {
    int recognised = 0;
    for (size_t pos = 0; pos < reader.fields.size(); ++pos) {
        wxString text = Trimmed(reader.fields[pos]);
        if (reader.damxMode) {
            if (!text.empty()) ++recognised;
            continue;
        }
        int column = CsvColumnOfName(text.Upper());
        if (column < 0) continue;
        reader.CsvColumnMap[column] = static_cast<int>(pos);
        ++recognised;
    }
    return recognised;
}

// The row a key names: "DEF" the default row, "GD1" and "GD2" the guard rows of pages that have
// them, a number the row of that number. -1: the line is skipped.
int KeyRow(const wxString& key, int gridRows) {
    if (key == "DEF") return 0;
    if (key == "GD1" || key == "GD2") {
        if (!HasGuardRowCount(gridRows - 1)) return -1;
        return gridRows - (key == "GD1" ? 2 : 1);
    }
    if (key.empty() || key.find_first_not_of("0123456789") != wxString::npos) return -1;
    long row = 0;
    if (!ParseDecimal(key, row) || row >= gridRows) return -1;
    return static_cast<int>(row);
}
}  // namespace

bool GetHeader_CSV(ImportReader& reader) {
    if (!reader.damxMode) reader.CsvColumnMap.fill(-1);
    while (GetLine_CSV(reader, reader.fields) > 0) {
        int recognised = RecogniseHeader(reader);
        if (recognised == 0) continue;
        reader.headerFieldCount = recognised;
        LUMO_LOG(kUnit, " . Get CSV Headings - Num elements: %d", recognised);
        return true;
    }
    return false;
}

bool GetData_CSV(ImportReader& reader, std::vector<wxString>& out, int gridRows, int& row) {
    std::vector<wxString>& f = reader.fields;
    auto fieldAt = [&](int pos) {
        return pos >= 0 && pos < static_cast<int>(f.size()) ? f[pos] : wxString();
    };
    while (GetLine_CSV(reader, f) > 0) {
        wxString key = Trimmed(fieldAt(reader.damxMode ? 0 : reader.CsvColumnMap[kCsvMNUM]));
        row = KeyRow(key, gridRows);
        if (row < 0) continue;
        out.clear();
        if (reader.damxMode) {
            for (size_t i = 0; i < kDamxFields; ++i)
                out.push_back(fieldAt(static_cast<int>(i)));
        } else {
            for (int column = 0; column < kCsvColumnCount; ++column)
                out.push_back(fieldAt(reader.CsvColumnMap[column]));
        }
        LUMO_LOG(kUnit, ". Get CSV Data");
        return true;
    }
    return false;
}

namespace {
// A row about to receive a line starts as the default-row command leaves it.
void StartRowFromDefaults(Page& page, int row) {
    if (row > 0) ApplyRowValuesToRow(page, row, page.grid.GetRow(0), true, true);
}

wxString NormalisedTone(const Page& page, const wxString& text) {
    if (page.IsP25()) return CtcssText(CtcssIndex(text));
    return ToneChoiceText(ToneChoiceIndex(text));
}

void SetChecked(Page& page, Dialogs& dialogs, int row, int col, const wxString& text,
                const wxString& squelch = wxString()) {
    page.grid.Set(row, col, text);
    CheckColumn(page, dialogs, row, col, squelch);
}

}  // namespace

void SetCsvCell(Page& page, Dialogs& dialogs, int row, int column, const wxString& text) {
    CellStore& g = page.grid;
    bool p25 = page.IsP25();
    switch (column) {
        case kCsvZONE:
            if (p25) {
                ReleaseRowZone(page, row);
                ApplyZoneLabel(page, row, text);
            }
            break;
        case kCsvRFRQ:
            SetChecked(page, dialogs, row, RFRQ, PageFrequencyText(text, page.ChannelStep()));
            break;
        case kCsvTFRQ:
            SetChecked(page, dialogs, row, TFRQ, PageFrequencyText(text, page.ChannelStep()));
            break;
        case kCsvRNSV: g.Set(row, RNSV, text); break;
        case kCsvTIDC: g.Set(row, TIDC, text); break;
        case kCsvRTON:
            SetChecked(page, dialogs, row, RTON, NormalisedTone(page, text), g.Get(row, RSQL));
            break;
        case kCsvTTON:
            SetChecked(page, dialogs, row, TTON, NormalisedTone(page, text), g.Get(row, TSQL));
            break;
        // Codes are checked with the row's squelch type, as tones are: with none, a valid code
        // would turn a carrier-squelch row into a code-squelch one.
        case kCsvRCOD:
            SetChecked(page, dialogs, row, RCOD, DcsText(DcsIndex(text, p25), p25),
                       g.Get(row, RSQL));
            break;
        case kCsvTCOD:
            SetChecked(page, dialogs, row, TCOD, DcsText(DcsIndex(text, p25), p25),
                       g.Get(row, TSQL));
            break;
        default: SetChecked(page, dialogs, row, ExportColumnList[column], text); break;
    }
}
int Import_CSV(ImportReader& reader, Page& page, Dialogs& dialogs) {
    int gridRows = page.grid.RowCount();
    reader.damxMode = false;
    LUMO_LOG(kUnit, "Import CSV File to Grid %d rows", gridRows);
    PrimeCsv(reader);
    if (!GetHeader_CSV(reader)) {
        dialogs.Message(kNoHeader, "Import CSV", DialogIcon::Error);
        return 0;
    }
    LUMO_LOG(kUnit, " . Import CSV - Header Found: %s", reader.fields.front());
    const std::array<int, kCsvColumnCount> map = reader.CsvColumnMap;
    std::vector<wxString> values;
    int count = 0, row = 0;
    while (count < gridRows && GetData_CSV(reader, values, gridRows, row)) {
        ++count;
        LUMO_LOG(kUnit, " . Import CSV Row %d: %s", count, values[kCsvMNUM]);
        StartRowFromDefaults(page, row);
        for (int column = 0; column < kCsvColumnCount; ++column) {
            wxString text = Trimmed(values[column]);
            if (map[column] >= 0 && !text.empty()) SetCsvCell(page, dialogs, row, column, text);
        }
        // Without a code column the default row's squelch type would stand for one the file
        // never gave.
        if (map[kCsvRCOD] < 0) page.grid.Set(row, RSQL, wxString());
        if (map[kCsvTCOD] < 0) page.grid.Set(row, TSQL, wxString());
        MarkImportedRow(page, row);
        if (row > 0) CheckRow(page, dialogs, row);
    }
    return count;
}

namespace {
// "118000" is 118.000 MHz; a text of three characters or fewer is no frequency.
wxString DamxFrequency(const wxString& text) {
    if (text.length() <= 3) return wxString();
    return text.Left(3) + "." + text.Mid(3);
}

unsigned DamxTransferFlags(ImportReader& reader) {
    if (!GetHeader_CSV(reader)) return 0xA0;
    LUMO_LOG(kUnit, " Import DAMX Header - Title Found: %s", reader.fields.front());
    if (reader.fields.size() > 1 && Trimmed(reader.fields[1]) == "Purge") {
        LUMO_LOG(kUnit, " Import DAMX Header - Option Found: %s", reader.fields[1]);
        return 0xA2;
    }
    return 0xA0;
}

void WriteDamxRow(Page& page, Dialogs& dialogs, int row, const std::vector<wxString>& fields,
                  unsigned tflg) {
    CellStore& g = page.grid;
    wxString name = Trimmed(fields[kDamxName]);
    wxString receive = DamxFrequency(Trimmed(fields[kDamxReceive]));
    wxString transmit = DamxFrequency(Trimmed(fields[kDamxTransmit]));
    wxString scan = Trimmed(fields[kDamxScan]);
    wxString rxOnly = Trimmed(fields[kDamxRxOnly]);
    if (!name.empty()) g.Set(row, DESC, fields[kDamxName]);
    if (!receive.empty()) g.Set(row, RFRQ, PageFrequencyText(receive, page.ChannelStep()));
    if (!transmit.empty())
        g.Set(row, TFRQ, PageFrequencyText(transmit, page.ChannelStep()));
    else if (!receive.empty())
        g.Set(row, TFRQ, g.Get(row, RFRQ));
    if (!scan.empty()) SetChecked(page, dialogs, row, SCAN, scan);
    if (!rxOnly.empty()) g.Set(row, RONL, rxOnly == "Yes" ? "Y" : "N");
    // The zone-counted bit is bookkeeping of this page, not a transfer flag of the file.
    unsigned counted = ParseHexFlags(g.Get(row, TFLG)) & kTflgZoneCounted;
    g.Set(row, TFLG, FormatHexFlags(tflg | counted));
}
}  // namespace

int Import_DAMX(ImportReader& reader, Page& page, Dialogs& dialogs) {
    int gridRows = page.grid.RowCount();
    reader.damxMode = true;
    LUMO_LOG(kUnit, "Import DAMX File of up to %d rows", gridRows);
    PrimeCsv(reader);
    unsigned tflg = DamxTransferFlags(reader);
    if (!GetHeader_CSV(reader)) {
        dialogs.Message(kNoHeader, "Import CSV", DialogIcon::Error);
        return 0;
    }
    std::vector<wxString> fields;
    int count = 0, key = 0;
    for (int row = 1; row < gridRows && GetData_CSV(reader, fields, gridRows, key); ++row) {
        LUMO_LOG(kUnit, " . Import DAMX - Row %03d", row);
        StartRowFromDefaults(page, row);
        WriteDamxRow(page, dialogs, row, fields, tflg);
        CheckRow(page, dialogs, row);
        ++count;
    }
    return count;
}

}  // namespace lumo
