// T-records: the ASCII lines of the digital radios' protocol, built like Motorola S-records
// with "T" in place of "S". Memory records carry one grid row in 64 data bytes (protocol
// versions 1 and 2).
#pragma once

#include "pages/page.h"

#include <wx/datetime.h>
#include <wx/string.h>

namespace lumo {

// The value as "%08X", cut to its last n characters (so -1 with n = 2 is "FF").
wxString HexN(long value, int n);
// Ones' complement of the byte sum of the text from its third character; 255 below 3 chars.
int Checksum(const wxString& record);
// The record with its checksum appended.
wxString WithChecksum(const wxString& record);

// Fixed records, without their checksums.
wxString ProtocolHeader(int protocolIndex);
// The last protocol index a header can carry (its byte holds 0x20 + the index).
constexpr int kLastProtocolIndex = 0xFF - 0x20;
extern const char* const kSetBaudRecord;       // T206000032 0480
extern const char* const kReadModesRecord;     // T204000033
extern const char* const kReadHardwareRecord;  // T204000031
extern const char* const kAckRecord;           // T204000000
extern const char* const kRepeatRecord;        // T204000001
extern const char* const kBusyReply;           // T204000002
extern const char* const kReadVersionRecord;   // MSG_RVER
extern const char* const kReadIdRecord;        // MSG_RID
extern const char* const kDownloadRecord;      // MSG_DNLD: write to the radio
extern const char* const kUploadRecord;        // MSG_UPLD: read from the radio
extern const char* const kPurgeRecord;         // MSG_PURGE
extern const char* const kEndRecord;           // T9030000
// MSG_SID: the radio ID, local time "%Y%m%d%H%M%S" as seven bytes.
wxString SetIdRecord(const wxDateTime& when);
wxString RadioIdText(const wxDateTime& when);

// Erase record of a row: "T204" + address + "10" for rows 2 to below the limit (231 in V1,
// 501 in V2); empty otherwise.
wxString encodeEraseRecord(int row, int protocolVersion);
wxString sendEndRecord();  // the end record with its checksum: T9030000FC

// Memory records without checksum; empty when the row cannot be sent in that version.
wxString encodeTrecordV1(const Page& page, int row);
wxString encodeTrecordV2(const Page& page, int row);
wxString encodeTrecord(const Page& page, int row, int protocolVersion);

// Writes a received memory record (checksum checked and removed) into its row. False, with
// the page untouched, when the record is too short, not hexadecimal where it is read, or
// addressed outside the page.
bool decodeTrecordV1(Page& page, const wxString& record);
bool decodeTrecordV2(Page& page, const wxString& record);
bool decodeTrecord(Page& page, const wxString& record, int protocolVersion);

}  // namespace lumo
