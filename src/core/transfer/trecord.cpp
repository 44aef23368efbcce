#include "transfer/trecord.h"

#include "edit/row_values.h"
#include "edit/shadows.h"
#include "edit/zones.h"
#include "model/radio_facts.h"
#include "rules/frequency_rules.h"
#include "rules/text_rules.h"

#include <algorithm>

namespace lumo {

const char* const kSetBaudRecord = "T2060000320480";
const char* const kReadModesRecord = "T204000033";
const char* const kReadHardwareRecord = "T204000031";
const char* const kAckRecord = "T204000000";
const char* const kRepeatRecord = "T204000001";
const char* const kBusyReply = "T204000002";
const char* const kReadVersionRecord = "T204000022";
const char* const kReadIdRecord = "T204000020";
const char* const kDownloadRecord = "T204000025";
const char* const kUploadRecord = "T204000024";
const char* const kPurgeRecord = "T204000011";
const char* const kEndRecord = "T9030000";

namespace {
constexpr size_t kMemoryRecordLength = 136;  // "T1", count, address, 128 hex digits
constexpr int kEp25LastV1Row = 230;
constexpr int kEp25HighRowShift = 270;

int HexDigit(wxUniChar c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Position in a list without regard to case, -1 when absent.
int PositionIn(const std::vector<wxString>& list, const wxString& text) {
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].IsSameAs(text, false)) return static_cast<int>(i);
    return -1;
}

int TonePosition(const Page& page, const wxString& text) {
    return PositionIn(ToneChoicesFor(page.IsP25()), text);
}

// The code number: the position in the code list, one less on P25 pages when found.
int CodeNumber(const Page& page, const wxString& text) {
    int position = PositionIn(Lists().dcs, text);
    return (page.IsP25() && position >= 0) ? position - 1 : position;
}

wxString TextBytes(const wxString& text, size_t count) {
    wxString out;
    for (size_t i = 0; i < count; ++i)
        out += HexN(i < text.length() ? static_cast<long>(text[i].GetValue() & 0xFF) : 0, 2);
    return out;
}

// MFLG as sent: bit 0x08 tells the radio whether the memory scans.
long SentFlags(const Page& page, int row) {
    long mflg = ParseHexFlags(page.grid.Get(row, MFLG));
    return page.grid.Get(row, SCAN) == "Y" ? (mflg | 0x08) : (mflg & ~0x08L);
}

wxString Frame(long address, const wxString& data) {
    return "T1" + HexN(static_cast<long>(data.length() / 2 + 3), 2) + HexN(address, 4) + data;
}

wxString TextAt(const wxString& record, size_t pos, size_t bytes) {
    wxString text;
    for (size_t i = 0; i < bytes; ++i) {
        long value = 0;
        ParseHex(record, pos + 2 * i, 2, value);
        if (value != 0) text += static_cast<wchar_t>(value);
    }
    return text;
}

wxString ToneFromByte(const Page& page, long byte) {
    std::vector<wxString> tones = ToneChoicesFor(page.IsP25());
    long index = byte - 1;
    return (index >= 0 && index < static_cast<long>(tones.size())) ? tones[index] : wxString();
}

// The inverse of CodeNumber.
wxString CodeFromNumber(const Page& page, long number) {
    if (number == 0xFF) number = -1;
    return number < 0 ? wxString() : DcsText(static_cast<int>(number), page.IsP25());
}

// Every hex field the decoders read must be hex; text and fixed bytes are not checked.
bool AllHex(const wxString& record, size_t from, size_t to) {
    for (size_t i = from; i < to && i < record.length(); ++i)
        if (HexDigit(record[i]) < 0) return false;
    return record.length() >= to;
}

void RegisterRow(Page& page, int row, long mflg, int nonZeroSlots) {
    int kind = (mflg & kMflgShadowSlotMask) ? 2 : (mflg & kMflgPrimary) ? 1 : 0;
    if (kind == 2)
        page.grid.Set(row, SHAD,
                      "S-" + wxString::Format("%03ld", DecimalOrZero(page.grid.Get(row, PRIM))));
    else if (kind == 1)
        page.grid.Set(row, SHAD, wxString::Format("P-%d", nonZeroSlots));
    else
        page.grid.Set(row, SHAD, "N");
    if (kind != 0) {
        LockShadowCells(page, row, kind);
        page.params.pageFlags |= kPageFlagRelations;
    }
}

// Common start of both decoders: a record long enough for its layout, with an address.
bool BeginRow(const wxString& record, long& row) {
    return record.length() >= kMemoryRecordLength && ParseHex(record, 4, 4, row);
}

void ClearForDecoding(Page& page, int row) {
    ClearRowData(page, row, page.IsP25());
    page.grid.Set(row, TFLG, "C0");
}
}  // namespace

wxString HexN(long value, int n) {
    wxString text = wxString::Format("%08X", static_cast<unsigned>(value));
    return text.Right(n);
}

int Checksum(const wxString& record) {
    if (record.length() < 3) return 255;
    unsigned sum = 0;
    for (size_t pos = 2; pos + 1 < record.length(); pos += 2) {
        int high = HexDigit(record[pos]), low = HexDigit(record[pos + 1]);
        sum += static_cast<unsigned>(std::max(high, 0) * 16 + std::max(low, 0));
    }
    return static_cast<int>(255 - (sum % 256));
}

wxString WithChecksum(const wxString& record) {
    return record + HexN(Checksum(record), 2);
}

wxString ProtocolHeader(int protocolIndex) {
    return "T0070000" + HexN(0x20 + protocolIndex, 2) + "030000";
}

wxString RadioIdText(const wxDateTime& when) {
    return when.Format("%Y%m%d%H%M%S");
}
wxString SetIdRecord(const wxDateTime& when) {
    return "T20B000021" + RadioIdText(when);
}

wxString encodeEraseRecord(int row, int protocolVersion) {
    int limit = protocolVersion == 2 ? 501 : 231;
    if (row < 2 || row >= limit) return wxString();
    return "T204" + HexN(row, 4) + "10";
}

wxString sendEndRecord() {
    return WithChecksum(kEndRecord);
}

namespace {
// How one field of a memory record travels. FieldBytes writes each kind and ReadField reads it
// back, so both directions follow the same layout table.
enum class Wire {
    FlagsLow,     // V1: MFLG's low seven bits, 0x80 on a guard row
    FlagsHigh,    // V1: bits 8 and 9 of MFLG
    Flags,        // V2: MFLG
    Number,       // a decimal cell
    Hex,          // a hexadecimal cell, masked by `value` when it is not 0
    Char,         // the cell's first character
    Text,         // the trimmed cell, cut to the field or padded with zero bytes
    Name,         // the trimmed cell, cut to the field or padded with blanks
    Fixed,        // the byte `value` in every place
    Tone,         // the position in the tone list + 1
    Code,         // the code number + `value`
    Zone,         // the position in the zone list x 16
    Hz,           // a frequency in Hz
    ReceiveWord,  // V2: RNAC in the low 12 bits, RNSV in the top four
    Squelch,      // V1: RNSV on EP25 pages, 0x0A on the others
    Slots,        // the seven shadow slots: sent as zeros (the radio keeps its own lists)
};

struct WireField {
    Wire kind;
    int column;  // -1 for none
    int bytes;
    long value = 0;
    // Number and Hex: how the cell is written back; a number without one is not read back.
    const char* format = nullptr;
    // V1 sends a VRD-21B's high rows as low ones: the row and its numbers less the shift.
    bool shifted = false;
};

// The 64 data bytes of a memory record, in the order they are sent.
// clang-format off
constexpr WireField kV1Layout[] = {
    // kind, column, bytes, value, format, shifted
    {Wire::FlagsLow,  MFLG, 1},
    {Wire::Number,    PRIM, 1, 0, "%03ld", true},
    {Wire::Number,    MNUM, 1, 0, nullptr, true},  // read from the address
    {Wire::Zone,      ZONE, 1},
    {Wire::Name,      DESC, 8},
    {Wire::Fixed,     -1,   1, 0x20},
    {Wire::Char,      MODE, 1},
    {Wire::Text,      RFRQ, 8},
    {Wire::Fixed,     -1,   1, 'R'},
    {Wire::Char,      RSQL, 1},
    {Wire::Hex,       RTGP, 2, 0, "%04lX"},
    {Wire::Tone,      RTON, 1},
    {Wire::Code,      RCOD, 1, 0},
    {Wire::Hex,       RNAC, 2, 0xFFF, "%03lX"},
    {Wire::Text,      TFRQ, 8},
    {Wire::Fixed,     -1,   1, 'T'},
    {Wire::Char,      TSQL, 1},
    {Wire::Hex,       TTGP, 2, 0, "%04lX"},
    {Wire::Tone,      TTON, 1},
    {Wire::Code,      TCOD, 1, 1},
    {Wire::Hex,       TNAC, 2, 0, "%03lX"},
    {Wire::Number,    TIDC, 4, 0, "%ld"},
    {Wire::Slots,     SHD0, 7},
    {Wire::Squelch,   RNSV, 1},
    {Wire::Fixed,     -1,   2},
    {Wire::FlagsHigh, MFLG, 1},
    {Wire::Fixed,     -1,   3},
};

constexpr WireField kV2Layout[] = {
    {Wire::Flags,       MFLG, 2},
    {Wire::Number,      PRIM, 2, 0, "%ld"},
    {Wire::Number,      MNUM, 2, 0, "%ld"},
    {Wire::Zone,        ZONE, 2},
    {Wire::Name,        DESC, 8},
    {Wire::Fixed,       -1,   1, 0x20},
    {Wire::Char,        MODE, 1},
    {Wire::Hz,          RFRQ, 4},
    {Wire::Fixed,       -1,   1, 'R'},
    {Wire::Char,        RSQL, 1},
    {Wire::Tone,        RTON, 1},
    {Wire::Code,        RCOD, 1, 1},
    {Wire::ReceiveWord, RNAC, 2},
    {Wire::Hex,         RTGP, 2, 0, "%04lX"},
    {Wire::Hz,          TFRQ, 4},
    {Wire::Fixed,       -1,   1, 'T'},
    {Wire::Char,        TSQL, 1},
    {Wire::Tone,        TTON, 1},
    {Wire::Code,        TCOD, 1, 1},
    {Wire::Hex,         TNAC, 2, 0, "%03lX"},
    {Wire::Hex,         TTGP, 2, 0, "%04lX"},
    {Wire::Number,      TIDC, 4, 0, "%07ld"},
    {Wire::Slots,       SHD0, 14},
    {Wire::Fixed,       -1,   4},
};
// clang-format on

template <size_t N>
constexpr int DataBytes(const WireField (&layout)[N]) {
    int bytes = 0;
    for (const WireField& field : layout)
        bytes += field.bytes;
    return bytes;
}
static_assert(DataBytes(kV1Layout) == 64 && DataBytes(kV2Layout) == 64);

constexpr int kSlotCount = SHD6 - SHD0 + 1;

// The value a numeric field sends.
long FieldValue(const Page& page, int row, const WireField& field, long shift) {
    const CellStore& g = page.grid;
    const wxString& cell = g.Get(row, field.column);
    switch (field.kind) {
        case Wire::FlagsLow:
            return (SentFlags(page, row) & 0x7F) | (page.IsGuardRow(row) ? 0x80 : 0);
        case Wire::FlagsHigh: return (SentFlags(page, row) >> 8) & 3;
        case Wire::Flags: return SentFlags(page, row);
        case Wire::Number: return DecimalOrZero(cell) - (field.shifted ? shift : 0);
        case Wire::Hex:
            return field.value ? ParseHexFlags(cell) & field.value : ParseHexFlags(cell);
        case Wire::Tone: return TonePosition(page, cell) + 1;
        case Wire::Code: return CodeNumber(page, cell) + field.value;
        case Wire::Zone: {
            // The high rows are the guard memories, which hold the last zone.
            if (shift != 0) return 15 * 16;
            int zone = PositionIn(page.ZoneList(), cell);
            return zone >= 0 ? zone * 16 : 0;
        }
        case Wire::Hz: return FrequencyHz(cell);
        case Wire::ReceiveWord:
            return (ParseHexFlags(cell) | DecimalOrZero(g.Get(row, RNSV)) * 0x1000) & 0xFFFF;
        case Wire::Squelch: return page.Type() == kEP25 ? DecimalOrZero(cell) : 0x0A;
        default: return 0;
    }
}

wxString FieldBytes(const Page& page, int row, const WireField& field, long shift) {
    size_t bytes = static_cast<size_t>(field.bytes);
    if (field.kind == Wire::Fixed) {
        wxString text;
        for (size_t i = 0; i < bytes; ++i)
            text += HexN(field.value, 2);
        return text;
    }
    if (field.kind == Wire::Slots) return wxString('0', 2 * bytes);
    const wxString& cell = page.grid.Get(row, field.column);
    switch (field.kind) {
        case Wire::Char: return TextBytes(cell, bytes);
        case Wire::Text: return TextBytes(cell.Strip(wxString::both), bytes);
        case Wire::Name:
            return TextBytes((cell.Strip(wxString::both) + wxString(' ', bytes)).Left(bytes),
                             bytes);
        default: return HexN(FieldValue(page, row, field, shift), 2 * field.bytes);
    }
}

template <size_t N>
wxString EncodeRecord(const Page& page, int row, long address, long shift,
                      const WireField (&layout)[N]) {
    wxString data;
    for (const WireField& field : layout)
        data << FieldBytes(page, row, field, shift);
    return Frame(address, data);
}

// What the fields of a received record leave for the end: the row's flags, zone and shadows.
struct ReadRow {
    long mflg = 0;
    long zone = 0;
    int slots = 0;  // non-zero shadow slots
};

void ReadField(Page& page, int row, const wxString& record, size_t pos, const WireField& field,
               long shift, ReadRow& read) {
    CellStore& g = page.grid;
    auto set = [&](const wxString& text) { g.Set(row, field.column, text); };
    switch (field.kind) {
        case Wire::Char:
        case Wire::Text: set(TextAt(record, pos, field.bytes)); return;
        case Wire::Name: set(TextAt(record, pos, field.bytes).Strip(wxString::both)); return;
        case Wire::Fixed: return;
        case Wire::Slots: {
            size_t digits = 2 * field.bytes / kSlotCount;
            for (int k = 0; k < kSlotCount; ++k) {
                long v = 0;
                ParseHex(record, pos + digits * k, digits, v);
                g.Set(row, field.column + k, wxString::Format("%ld", v));
                read.slots += v != 0;
            }
            return;
        }
        default: break;
    }
    long v = 0;
    ParseHex(record, pos, 2 * field.bytes, v);
    switch (field.kind) {
        case Wire::FlagsLow: read.mflg |= v & 0x7F; break;
        case Wire::FlagsHigh: read.mflg |= (v & 3) << 8; break;
        case Wire::Flags: read.mflg = v; break;
        case Wire::Number:
            if (field.format) set(wxString::Format(field.format, field.shifted ? v + shift : v));
            break;
        case Wire::Hex: set(wxString::Format(field.format, v)); break;
        case Wire::Tone: set(ToneFromByte(page, v)); break;
        case Wire::Code: set(CodeFromNumber(page, v - field.value)); break;
        case Wire::Zone: read.zone = v / 16; break;
        case Wire::Hz:
            // in the page's own format
            set(FrequencyText(v, page.ChannelStep()));
            break;
        case Wire::ReceiveWord:
            g.Set(row, RNSV, wxString::Format("%ld", v >> 12));
            set(wxString::Format("%03lX", v & 0xFFF));
            break;
        case Wire::Squelch: set(wxString::Format("%2ld", v & 0x0F)); break;
        default: break;
    }
}

// Writes the fields of a received record into its row, then the scan flag, the zone and the
// row's place among primaries and shadows.
template <size_t N>
void DecodeRecord(Page& page, int row, const wxString& record, long shift,
                  const WireField (&layout)[N]) {
    ReadRow read;
    size_t pos = 8;
    for (const WireField& field : layout) {
        ReadField(page, row, record, pos, field, shift, read);
        pos += 2 * field.bytes;
    }
    page.grid.Set(row, MFLG, wxString::Format("%02lX", read.mflg));
    page.grid.Set(row, SCAN, (read.mflg & 0x08) ? "Y" : "N");
    ApplyZoneLabel(page, row, ZoneLabel(static_cast<int>(read.zone), page.Type()));
    RegisterRow(page, row, read.mflg, read.slots);
}
}  // namespace

wxString encodeTrecordV1(const Page& page, int row) {
    bool ep25 = page.Type() == kEP25;
    bool encodable =
        (page.Type() == kRP25 && row >= 0 && row <= 232) ||
        (ep25 && row >= 0 && (row <= kEp25LastV1Row || (row > 500 && row <= page.Rows())));
    if (!encodable) return wxString();
    long shift = row > 500 ? kEp25HighRowShift : 0;
    return EncodeRecord(page, row, DecimalOrZero(page.grid.Get(row, MNUM)) - shift, shift,
                        kV1Layout);
}

wxString encodeTrecordV2(const Page& page, int row) {
    if (row < 0 || row > page.Rows()) return wxString();
    return EncodeRecord(page, row, row, 0, kV2Layout);
}

wxString encodeTrecord(const Page& page, int row, int protocolVersion) {
    return protocolVersion == 2 ? encodeTrecordV2(page, row) : encodeTrecordV1(page, row);
}

bool decodeTrecordV1(Page& page, const wxString& record) {
    long address = 0;
    if (!BeginRow(record, address) || !AllHex(record, 8, kMemoryRecordLength)) return false;
    // A V1 record addresses the guard rows of the larger radio right after its short layout.
    int shortLayout = RadioFactsOf(page.params.radio).shortLayoutMemories;
    long shift = shortLayout > 0 && address > shortLayout ? kEp25HighRowShift : 0;
    long row = address + shift;
    if (row < 0 || row > page.Rows()) return false;
    int r = static_cast<int>(row);
    ClearForDecoding(page, r);
    page.grid.Set(r, MNUM, wxString::Format("%03ld", row));
    DecodeRecord(page, r, record, shift, kV1Layout);
    return true;
}

bool decodeTrecordV2(Page& page, const wxString& record) {
    long row = 0;
    if (!BeginRow(record, row) || !AllHex(record, 8, kMemoryRecordLength)) return false;
    if (row < 0 || row > page.Rows()) return false;
    int r = static_cast<int>(row);
    ClearForDecoding(page, r);
    DecodeRecord(page, r, record, 0, kV2Layout);
    return true;
}

bool decodeTrecord(Page& page, const wxString& record, int protocolVersion) {
    return protocolVersion == 2 ? decodeTrecordV2(page, record) : decodeTrecordV1(page, record);
}

}  // namespace lumo
