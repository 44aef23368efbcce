#include "transfer/trecord.h"

#include "edit/row_values.h"
#include "edit/shadows.h"
#include "edit/zones.h"
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

wxString FirstCharacter(const wxString& text) {
    return TextBytes(text.Left(1), 1);
}

wxString Description(const wxString& text) {
    return TextBytes((text.Strip(wxString::both) + "        ").Left(8), 8);
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

wxString encodeConfigRecord(const std::string& configBytes) {
    wxString record = "T1" + HexN(static_cast<long>(configBytes.size() + 3), 2) + "0000";
    for (unsigned char c : configBytes)
        record += HexN(c, 2);
    return record;
}

wxString sendEndRecord() {
    return WithChecksum(kEndRecord);
}

wxString encodeTrecordV1(const Page& page, int row) {
    bool ep25 = page.Type() == kEP25;
    bool encodable =
        (page.Type() == kRP25 && row >= 0 && row <= 232) ||
        (ep25 && row >= 0 && (row <= kEp25LastV1Row || (row > 500 && row <= page.Rows())));
    if (!encodable) return wxString();
    const CellStore& g = page.grid;
    long mnum = DecimalOrZero(g.Get(row, MNUM)), prim = DecimalOrZero(g.Get(row, PRIM));
    int zone = PositionIn(page.ZoneList(), g.Get(row, ZONE)) + 1;
    if (row > 500) {
        mnum -= kEp25HighRowShift;
        prim -= kEp25HighRowShift;
        zone = 16;
    }
    long mflg = SentFlags(page, row);
    long sentFlags = (mflg & 0x7F) | (page.IsGuardRow(row) ? 0x80 : 0);
    wxString data;
    data << HexN(sentFlags, 2) << HexN(prim, 2) << HexN(mnum, 2)
         << HexN(zone ? (zone - 1) * 16 : 0, 2) << Description(g.Get(row, DESC)) << "20"
         << FirstCharacter(g.Get(row, MODE)) << TextBytes(g.Get(row, RFRQ).Strip(wxString::both), 8)
         << "52" << FirstCharacter(g.Get(row, RSQL)) << HexN(ParseHexFlags(g.Get(row, RTGP)), 4)
         << HexN(TonePosition(page, g.Get(row, RTON)) + 1, 2)
         << HexN(CodeNumber(page, g.Get(row, RCOD)), 2)
         << HexN(ParseHexFlags(g.Get(row, RNAC)) & 0xFFF, 4)
         << TextBytes(g.Get(row, TFRQ).Strip(wxString::both), 8) << "54"
         << FirstCharacter(g.Get(row, TSQL)) << HexN(ParseHexFlags(g.Get(row, TTGP)), 4)
         << HexN(TonePosition(page, g.Get(row, TTON)) + 1, 2)
         << HexN(CodeNumber(page, g.Get(row, TCOD)) + 1, 2)
         << HexN(ParseHexFlags(g.Get(row, TNAC)), 4) << HexN(DecimalOrZero(g.Get(row, TIDC)), 8)
         << wxString('0', 14) << HexN(ep25 ? DecimalOrZero(g.Get(row, RNSV)) : 0x0A, 2) << "0000"
         << HexN((mflg >> 8) & 3, 2) << "000000";
    return Frame(mnum, data);
}

wxString encodeTrecordV2(const Page& page, int row) {
    if (row < 0 || row > page.Rows()) return wxString();
    const CellStore& g = page.grid;
    int zone = PositionIn(page.ZoneList(), g.Get(row, ZONE));
    long receiveWord =
        (ParseHexFlags(g.Get(row, RNAC)) | (DecimalOrZero(g.Get(row, RNSV)) << 12)) & 0xFFFF;
    wxString data;
    data << HexN(SentFlags(page, row), 4) << HexN(DecimalOrZero(g.Get(row, PRIM)), 4)
         << HexN(DecimalOrZero(g.Get(row, MNUM)), 4) << HexN(zone >= 0 ? zone * 16 : 0, 4)
         << Description(g.Get(row, DESC)) << "20" << FirstCharacter(g.Get(row, MODE))
         << HexN(FrequencyHz(g.Get(row, RFRQ)), 8) << "52" << FirstCharacter(g.Get(row, RSQL))
         << HexN(TonePosition(page, g.Get(row, RTON)) + 1, 2)
         << HexN(CodeNumber(page, g.Get(row, RCOD)) + 1, 2) << HexN(receiveWord, 4)
         << HexN(ParseHexFlags(g.Get(row, RTGP)), 4) << HexN(FrequencyHz(g.Get(row, TFRQ)), 8)
         << "54" << FirstCharacter(g.Get(row, TSQL))
         << HexN(TonePosition(page, g.Get(row, TTON)) + 1, 2)
         << HexN(CodeNumber(page, g.Get(row, TCOD)) + 1, 2)
         << HexN(ParseHexFlags(g.Get(row, TNAC)), 4) << HexN(ParseHexFlags(g.Get(row, TTGP)), 4)
         << HexN(DecimalOrZero(g.Get(row, TIDC)), 8) << wxString('0', 36);
    return Frame(row, data);
}

wxString encodeTrecord(const Page& page, int row, int protocolVersion) {
    return protocolVersion == 2 ? encodeTrecordV2(page, row) : encodeTrecordV1(page, row);
}

namespace {
// How a field of a received memory record becomes cell text. Positions count characters from
// the "T"; sizes are hex digits for numbers and bytes for texts.
enum class FieldKind { Number, Text, TrimmedText, Tone, Code, CodePlusOne, FrequencyHz };

struct RecordField {
    int column;
    size_t pos;
    size_t size;
    FieldKind kind;
    const char* format;  // for numbers
};

// clang-format off
const RecordField kV1Fields[] = {
    {DESC, 16, 8, FieldKind::TrimmedText, nullptr}, {MODE, 34, 1, FieldKind::Text, nullptr},
    {RFRQ, 36, 8, FieldKind::Text, nullptr},        {RSQL, 54, 1, FieldKind::Text, nullptr},
    {RTGP, 56, 4, FieldKind::Number, "%04lX"},      {RTON, 60, 2, FieldKind::Tone, nullptr},
    {RCOD, 62, 2, FieldKind::Code, nullptr},        {RNAC, 64, 4, FieldKind::Number, "%03lX"},
    {TFRQ, 68, 8, FieldKind::Text, nullptr},        {TSQL, 86, 1, FieldKind::Text, nullptr},
    {TTGP, 88, 4, FieldKind::Number, "%04lX"},      {TTON, 92, 2, FieldKind::Tone, nullptr},
    {TCOD, 94, 2, FieldKind::CodePlusOne, nullptr}, {TNAC, 96, 4, FieldKind::Number, "%03lX"},
    {TIDC, 100, 8, FieldKind::Number, "%ld"},
};

const RecordField kV2Fields[] = {
    {PRIM, 12, 4, FieldKind::Number, "%ld"},        {MNUM, 16, 4, FieldKind::Number, "%ld"},
    {DESC, 24, 8, FieldKind::TrimmedText, nullptr}, {MODE, 42, 1, FieldKind::Text, nullptr},
    {RFRQ, 44, 8, FieldKind::FrequencyHz, nullptr}, {RSQL, 54, 1, FieldKind::Text, nullptr},
    {RTON, 56, 2, FieldKind::Tone, nullptr},        {RCOD, 58, 2, FieldKind::CodePlusOne, nullptr},
    {RTGP, 64, 4, FieldKind::Number, "%04lX"},      {TFRQ, 68, 8, FieldKind::FrequencyHz, nullptr},
    {TSQL, 78, 1, FieldKind::Text, nullptr},        {TTON, 80, 2, FieldKind::Tone, nullptr},
    {TCOD, 82, 2, FieldKind::CodePlusOne, nullptr}, {TNAC, 84, 4, FieldKind::Number, "%03lX"},
    {TTGP, 88, 4, FieldKind::Number, "%04lX"},      {TIDC, 92, 8, FieldKind::Number, "%07ld"},
};
// clang-format on

// The text of one field; each decoder is the inverse of its encoder, codes included (V1 sends
// RCOD bare and TCOD plus one, V2 both plus one).
wxString FieldText(const Page& page, const wxString& record, const RecordField& field) {
    if (field.kind == FieldKind::Text) return TextAt(record, field.pos, field.size);
    if (field.kind == FieldKind::TrimmedText)
        return TextAt(record, field.pos, field.size).Strip(wxString::both);
    long v = 0;
    ParseHex(record, field.pos, field.size, v);
    switch (field.kind) {
        case FieldKind::Number: return wxString::Format(field.format, v);
        case FieldKind::Tone: return ToneFromByte(page, v);
        case FieldKind::Code: return CodeFromNumber(page, v);
        case FieldKind::CodePlusOne: return CodeFromNumber(page, v - 1);
        case FieldKind::FrequencyHz: {
            return FrequencyText(v, page.ChannelStep());  // in the page's own format
        }
        default: return wxString();
    }
}

template <size_t N>
void DecodeFields(Page& page, int row, const wxString& record, const RecordField (&fields)[N]) {
    for (const RecordField& field : fields)
        page.grid.Set(row, field.column, FieldText(page, record, field));
}

// What both versions do last: SCAN from the flags, the shadow slots, the zone, the relation.
void FinishRow(Page& page, int row, const wxString& record, long mflg, size_t slotPos,
               size_t slotDigits, size_t zonePos, size_t zoneDigits) {
    page.grid.Set(row, SCAN, (mflg & 0x08) ? "Y" : "N");
    int slots = 0;
    for (int k = 0; k < 7; ++k) {
        long v = 0;
        ParseHex(record, slotPos + slotDigits * k, slotDigits, v);
        page.grid.Set(row, SHD0 + k, wxString::Format("%ld", v));
        slots += v != 0;
    }
    long zone = 0;
    ParseHex(record, zonePos, zoneDigits, zone);
    ApplyZoneLabel(page, row, ZoneLabel(static_cast<int>(zone / 16), page.Type()));
    RegisterRow(page, row, mflg, slots);
}
}  // namespace

bool decodeTrecordV1(Page& page, const wxString& record) {
    long address = 0;
    if (!BeginRow(record, address) || !AllHex(record, 8, kMemoryRecordLength)) return false;
    bool shifted = page.params.radio == 7 && address > kEp25LastV1Row;
    long row = shifted ? address + kEp25HighRowShift : address;
    if (row < 0 || row > page.Rows()) return false;
    int r = static_cast<int>(row);
    ClearForDecoding(page, r);
    long low = 0, high = 0, prim = 0, nsv = 0;
    ParseHex(record, 8, 2, low);
    ParseHex(record, 128, 2, high);
    ParseHex(record, 10, 2, prim);
    ParseHex(record, 122, 2, nsv);
    long mflg = (low & 0x7F) | ((high & 3) << 8);
    page.grid.Set(r, MFLG, wxString::Format("%02lX", mflg));
    page.grid.Set(r, MNUM, wxString::Format("%03ld", row));
    page.grid.Set(r, PRIM, wxString::Format("%03ld", shifted ? prim + kEp25HighRowShift : prim));
    page.grid.Set(r, RNSV, wxString::Format("%2ld", nsv & 0x0F));
    DecodeFields(page, r, record, kV1Fields);
    FinishRow(page, r, record, mflg, 108, 2, 14, 2);
    return true;
}

bool decodeTrecordV2(Page& page, const wxString& record) {
    long row = 0;
    if (!BeginRow(record, row) || !AllHex(record, 8, kMemoryRecordLength)) return false;
    if (row < 0 || row > page.Rows()) return false;
    int r = static_cast<int>(row);
    ClearForDecoding(page, r);
    long mflg = 0, receiveWord = 0;
    ParseHex(record, 8, 4, mflg);
    ParseHex(record, 60, 4, receiveWord);
    page.grid.Set(r, MFLG, wxString::Format("%02lX", mflg));
    page.grid.Set(r, RNSV, wxString::Format("%ld", receiveWord >> 12));
    page.grid.Set(r, RNAC, wxString::Format("%03lX", receiveWord & 0xFFF));
    DecodeFields(page, r, record, kV2Fields);
    FinishRow(page, r, record, mflg, 100, 4, 20, 4);
    return true;
}

bool decodeTrecord(Page& page, const wxString& record, int protocolVersion) {
    return protocolVersion == 2 ? decodeTrecordV2(page, record) : decodeTrecordV1(page, record);
}

}  // namespace lumo
