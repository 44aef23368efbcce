#include "import/legacy21.h"

#include "edit/row_check.h"
#include "edit/row_values.h"
#include "edit/shadows.h"
#include "edit/zones.h"
#include "import/import_cells.h"
#include "rules/frequency_rules.h"
#include "util/diag_log.h"

namespace lumo {

namespace {
constexpr const char* kUnit = "LumoFile_ImportExport";

unsigned WordAt(const std::string& r, size_t offset) {
    return static_cast<unsigned char>(r[offset]) | (static_cast<unsigned char>(r[offset + 1]) << 8);
}

wxString TextAt(const std::string& r, size_t offset, size_t length) {
    return BytesText(r.substr(offset, length)).Strip(wxString::trailing);
}

wxString CharacterOf(unsigned word) {
    wchar_t c = static_cast<wchar_t>(word & 0xFF);
    return c == 0 ? wxString() : wxString(c);
}

wxString Number3(unsigned value) {
    return wxString::Format("%03u", value);
}

wxString ModeOf(unsigned index) {
    static const char* const modes[] = {"w", "n", "D"};
    return index < 3 ? wxString(modes[index]) : wxString();  // the row check repairs it
}

// The fields of one direction of a record; the transmit fields stand 28 bytes after the
// receive ones.
struct DirectionFields {
    wxString& squelch;
    wxString& talkgroup;
    wxString& tone;
    wxString& code;
    wxString& nac;
    wxString& frequency;
};

void ReadDirection(const std::string& r, size_t at, bool p25, DirectionFields out) {
    out.squelch = CharacterOf(WordAt(r, at));
    out.talkgroup = TextAt(r, at + 2, 6).Strip(wxString::leading);
    out.tone = CtcssText(static_cast<int>(WordAt(r, at + 8)));
    out.code = DcsText(static_cast<int>(WordAt(r, at + 10)), p25);
    out.nac = TextAt(r, at + 12, 6).Strip(wxString::leading);
    out.frequency = TextAt(r, at + 18, 10).Strip(wxString::leading);
}
}  // namespace

wxString UnitIdFromWords(const unsigned (&words)[4]) {
    unsigned long long value = 0;
    for (unsigned w : words)
        value = value * 100 + (w >> 4) * 10 + (w & 0x0F);
    if (value > 99999999ULL) value = 0;
    return wxString::Format("%07llu", value);
}

bool Read21Record(ImportReader& reader, Legacy21Record& record, const Page& page) {
    std::string r;
    if (!reader.ReadBytes(k21RecordSize, r)) {
        reader.position = reader.bytes.size();  // a partial last record ends the file
        return false;
    }
    bool p25 = page.IsP25();
    unsigned mflg = WordAt(r, 2) & 0xFF;
    record = Legacy21Record();
    record.Mflg = FormatHexFlags(mflg);
    record.Prim = Number3(WordAt(r, 4));
    record.Mnum = Number3(WordAt(r, 6));
    record.Zone = wxString::Format("%u", (WordAt(r, 8) >> 4) + 1);
    record.Desc = TextAt(r, 10, 8);
    record.Encr = CharacterOf(WordAt(r, 18));
    record.Mode = ModeOf(WordAt(r, 20));
    ReadDirection(r, 22, p25,
                  {record.Rsql, record.Rtgp, record.Rton, record.Rcod, record.Rnac, record.Rfrq});
    ReadDirection(r, 50, p25,
                  {record.Tsql, record.Ttgp, record.Tton, record.Tcod, record.Tnac, record.Tfrq});
    unsigned idWords[4] = {WordAt(r, 78), WordAt(r, 80), WordAt(r, 82), WordAt(r, 84)};
    record.Tidc = UnitIdFromWords(idWords);
    for (int k = 0; k < 7; ++k)
        record.Shd[k] = Number3(WordAt(r, 88 + 2 * k));
    record.Rfrn = Number3(WordAt(r, 104));
    record.Scan = (mflg & 0x08) ? "Y" : "N";
    record.Tflg = kDefaultTflg;
    return true;
}

namespace {
void WriteRelation(Page& page, int row, const Legacy21Record& record) {
    CellStore& g = page.grid;
    unsigned mflg = ParseHexFlags(record.Mflg);
    if (!page.IsP25()) {  // only P25 radios know primaries and shadows
        g.Set(row, MFLG, FormatHexFlags(mflg & ~kMflgRelationMask));
        return;
    }
    if (mflg & kMflgPrimary) {
        page.params.pageFlags |= kPageFlagRelations;
        g.SetReadOnly(row, SCAN);
        int shadows = 0;
        for (int k = 0; k < 7; ++k) {
            g.Set(row, SHD0 + k, record.Shd[k]);
            long value = 0;
            if (ParseDecimal(record.Shd[k], value) && value != 0) ++shadows;
        }
        g.Set(row, SHAD, wxString::Format("P-%d", shadows));
    } else if (mflg & kMflgShadowSlotMask) {
        g.SetReadOnly(row, SCAN);
        g.SetReadOnly(row, ZONE);
        g.Set(row, SHAD, "S-" + record.Prim);
    } else {
        g.Set(row, SHAD, "N");
    }
}
}  // namespace

void Write21RecordToGrid(Page& page, Dialogs& dialogs, int row, const Legacy21Record& record) {
    CellStore& g = page.grid;
    // A second record with the same number replaces the first one whole.
    if (row > 0 && page.IsRowUsed(row)) ClearRowData(page, row, true);
    g.Set(row, TFLG, record.Tflg);
    g.Set(row, MFLG, record.Mflg);
    g.Set(row, MNUM, record.Mnum);
    g.Set(row, PRIM, record.Prim);
    g.Set(row, SCAN, record.Scan);
    if (page.IsP25())
        ApplyZoneLabel(page, row, record.Zone);
    else
        g.Set(row, ZONE, record.Zone);
    g.Set(row, DESC, record.Desc);
    g.Set(row, MODE, record.Mode);
    g.Set(row, RFRQ, PageFrequencyText(record.Rfrq, page.ChannelStep()));
    g.Set(row, RSQL, record.Rsql);
    if (page.Type() == kEP25) g.Set(row, RNSV, "10");
    SetToneAndCode(page, dialogs, row, RTON, record.Rton, RCOD, record.Rcod, record.Rsql);
    g.Set(row, RTGP, record.Rtgp);
    g.Set(row, RNAC, record.Rnac);
    g.Set(row, TFRQ, PageFrequencyText(record.Tfrq, page.ChannelStep()));
    g.Set(row, TSQL, record.Tsql);
    SetToneAndCode(page, dialogs, row, TTON, record.Tton, TCOD, record.Tcod, record.Tsql);
    g.Set(row, TTGP, record.Ttgp);
    g.Set(row, TNAC, record.Tnac);
    g.Set(row, TIDC, record.Tidc);
    WriteRelation(page, row, record);
    if (record.lockScan) g.SetReadOnly(row, SCAN);
}

namespace {
// The row a record goes to, or -1 when it has none on this page. On a VRD-21B page the smaller
// radio's guard memories move to the larger one's, and the record is renumbered with them; a
// list line keyed "GD1" or "GD2" names the page's own guard row already.
int TargetRow(const Page& page, Legacy21Record& record) {
    long row = 0;
    if (!ParseDecimal(record.Mnum, row)) return -1;
    // The VRD-21's guard memories (231, 232) land on the VRD-21B's (501, 502).
    long shortLayout = RadioFactsOf(page.params.radio).shortLayoutMemories;
    if (shortLayout > 0 && row > shortLayout && !record.guardKey) {
        row += page.FirstGuardRow() - (shortLayout + 1);
        record.Mnum = record.Prim = wxString::Format("%03ld", row);
    }
    if (!(ParseHexFlags(record.Tflg) & kTflgTransferable) || row < 0 || row > page.Rows())
        return -1;
    return static_cast<int>(row);
}

int WriteCheckedRecord(Page& page, Dialogs& dialogs, Legacy21Record& record) {
    int row = TargetRow(page, record);
    if (row < 0) return 0;
    LUMO_LOG(kUnit, ".Write Row: %d", row);
    Write21RecordToGrid(page, dialogs, row, record);
    CheckRow(page, dialogs, row);
    return 1;
}
}  // namespace

int Import21_Binary(ImportReader& reader, Page& page, Dialogs& dialogs) {
    int count = 0;
    Legacy21Record record;
    while (Read21Record(reader, record, page))
        count += WriteCheckedRecord(page, dialogs, record);
    if (page.IsP25()) UnlinkBrokenRelations(page);
    return count;
}

namespace {
bool IsGuardKey(const wxString& key) {
    return key == "GD1" || key == "GD2";
}

// Fills the record's number, relation and zone from the line's key and marks; returns the
// MFLG value.
unsigned ReadKey(const wxString& line, Legacy21Record& record, int gridRows) {
    wxString key = line.Mid(3, 3);
    bool guard = IsGuardKey(key);
    unsigned flags = 0;
    if (key == "DEF") {
        record.Mnum = "000";
    } else if (guard) {
        record.guardKey = true;
        record.Mnum = wxString::Format("%03d", gridRows - (key == "GD1" ? 2 : 1));
        record.Zone = gridRows > 233 ? "X" : "16";
        flags = 0x80;
    } else {
        record.Mnum = key;
    }
    wxUniChar kind = line[6];
    record.Scan = "N";
    record.Prim = record.Mnum;  // "DEF" and the guard keys are no numbers; their rows' are
    if (kind == 'S') {
        flags |= 0x01;
        long primary = 0;
        record.Prim = ParseDecimal(FieldAt(line, 8, 3), primary)
                          ? wxString::Format("%03ld", primary)
                          : wxString();
        record.lockScan = true;
    } else if (kind == 'P') {
        record.lockScan = true;
        flags = guard ? 0x90 : 0x10;
        if (!guard) record.Zone = FieldAt(line, 10, 2);
    } else if (!guard) {
        if (line[9] == 'S') {
            record.Scan = "Y";
            flags = 0x08;
        }
        record.Zone = FieldAt(line, 10, 2);
    } else {
        record.lockScan = true;
        flags = 0x80;
    }
    return flags;
}

// Character positions of the list's fields: position, length.
struct ListField {
    wxString Legacy21Record::*member;
    size_t pos;
    size_t len;
};
// clang-format off
const ListField kListFields[] = {
    {&Legacy21Record::Desc, 13, 8}, {&Legacy21Record::Mode, 23, 1},
    {&Legacy21Record::Rfrq, 25, 8}, {&Legacy21Record::Rsql, 35, 1},
    {&Legacy21Record::Rton, 37, 5}, {&Legacy21Record::Rcod, 43, 3},
    {&Legacy21Record::Rtgp, 47, 4}, {&Legacy21Record::Rnac, 52, 3},
    {&Legacy21Record::Tfrq, 56, 8}, {&Legacy21Record::Tsql, 66, 1},
    {&Legacy21Record::Tton, 68, 5}, {&Legacy21Record::Tcod, 74, 3},
    {&Legacy21Record::Ttgp, 78, 3}, {&Legacy21Record::Tnac, 83, 3},
};
// clang-format on
constexpr size_t kShortestListLine = 50;
}  // namespace

bool Parse21TextLine(ImportReader& reader, Legacy21Record& record, int gridRows) {
    wxString line;
    if (!reader.ReadLine(line)) return false;
    ++reader.lineCounter;
    record = Legacy21Record();
    if (line.length() < kShortestListLine || line.Mid(36, 9) == "UNDEFINED" ||
        line.Mid(37, 6) == "ERASED")
        return true;  // no memory on this line
    unsigned flags = ReadKey(line, record, gridRows);
    for (const ListField& field : kListFields)
        record.*field.member = FieldAt(line, field.pos, field.len);
    record.Tidc = "0000001";
    for (wxString& slot : record.Shd)
        slot = "0";
    record.Mflg = FormatHexFlags(flags);
    record.Tflg = kDefaultTflg;
    return true;
}

namespace {
// The list names each shadow's primary only on the shadow's line: the primary's first free
// slot takes it. A shadow whose primary is missing or full stays unlinked (and is made a plain
// memory afterwards).
void LinkListedShadows(Page& page) {
    CellStore& g = page.grid;
    for (int row = 1; row <= page.Rows(); ++row) {
        unsigned mflg = ParseHexFlags(g.Get(row, MFLG));
        if (!(mflg & kMflgShadowSlotMask)) continue;
        long primary = DecimalOrZero(g.Get(row, PRIM));
        if (primary < 1 || primary > page.Rows() || primary == row || !page.IsRowUsed(primary) ||
            IsShadowRow(page, primary))
            continue;
        int p = static_cast<int>(primary);
        for (int k = 0; k < 7; ++k) {
            if (DecimalOrZero(g.Get(p, SHD0 + k)) != 0) continue;
            g.Set(p, SHD0 + k, wxString::Format("%d", row));
            g.Set(row, MFLG, FormatHexFlags((k + 1) | (mflg & 0x60)));
            g.Set(p, MFLG, FormatHexFlags(ParseHexFlags(g.Get(p, MFLG)) | kMflgPrimary));
            const wxString& shad = g.Get(p, SHAD);
            long listed = shad.StartsWith("P-") ? DecimalOrZero(shad.Mid(2)) : 0;
            g.Set(p, SHAD, wxString::Format("P-%ld", listed + 1));
            g.Set(row, ZONE, g.Get(p, ZONE));
            LockShadowCells(page, p, 1);
            LockShadowCells(page, row, 2);
            page.params.pageFlags |= kPageFlagRelations;
            break;
        }
    }
}
}  // namespace

int Import21_Text(ImportReader& reader, Page& page, Dialogs& dialogs) {
    wxString skipped;
    for (int i = 0; i < 3; ++i)
        reader.ReadLine(skipped);
    reader.lineCounter = 3;
    int count = 0;
    int gridRows = page.grid.RowCount();
    Legacy21Record record;
    while (Parse21TextLine(reader, record, gridRows))
        if (!record.Mnum.empty()) count += WriteCheckedRecord(page, dialogs, record);
    if (page.IsP25()) {
        LinkListedShadows(page);
        UnlinkBrokenRelations(page);
    }
    return count;
}

}  // namespace lumo
