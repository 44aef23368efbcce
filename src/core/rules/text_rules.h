// The value domains of the text, tone, code and squelch columns, and the key filters that keep
// typed text inside them.
#pragma once

#include "model/memory_record.h"

#include <wx/string.h>

#include <vector>

namespace lumo {

// Control characters (below 32) and Delete pass every key filter.
bool IsControlKey(wxChar key);
wxString InvalidCharactersMessage(const wxString& text);  // "'%s' contains invalid character(s)"

// Description character sets.
enum class DescriptionSet { Wide, P25, Restricted };
bool InDescriptionSet(wxChar c, DescriptionSet set);
// The set and length of the description editor on a page.
DescriptionSet DescriptionEditorSet(int pageType);
int DescriptionEditorLength(int pageType);
bool DescriptionKeyAccepted(wxChar key, DescriptionSet set);
bool DescriptionPasteAccepted(const wxString& pasted, DescriptionSet set);
wxString DescriptionValidationError(const wxString& text, DescriptionSet set);
// Why a typed or pasted name is refused, for the status bar; empty when it is not.
wxString DescriptionRefusal(const wxString& typed, DescriptionSet set);
// The row check's repair: cut (8 on P25 pages, 9 on ANFM and MODX), upper-case on ANFM pages,
// characters outside the page's set replaced by spaces.
wxString CheckDescriptionText(const wxString& text, int pageType);

// Hexadecimal fields: talkgroups (4 digits) and NACs (3 digits).
bool HexKeyAccepted(wxChar key);
bool HexPasteAccepted(const wxString& pasted);
wxString HexValidationError(const wxString& text);
// Why a typed or pasted talkgroup or NAC is refused, for the status bar; empty when it is not.
wxString HexRefusal(const wxString& typed);
// Upper-cased, zero-padded on the left to the field width, cut to its rightmost digits.
wxString NormaliseHexField(const wxString& text, int width);
// The first `width` characters are all hexadecimal digits.
bool HexFieldValid(const wxString& text, int width);

// Modes and squelch letters.
bool IsModeValid(const wxString& mode, bool p25Page);
std::vector<wxString> ModeChoices(bool p25Page);
enum class Direction { Receive, Transmit };
std::vector<wxString> SquelchChoices(Direction direction, const wxString& mode, bool shadowRow);
// The squelch values a mode starts with: "m"/"g" digital, "x"/"x" analog.
wxString DefaultSquelch(Direction direction, const wxString& mode);

// Other P25 fields.
bool IsSquelchValueValid(const wxString& text);                            // RNSV: decimal 0 to 15
wxString CheckUnitId(const wxString& text, const wxString& defaultValue);  // TIDC

// Tone and code lists by page: P25 pages use the 42 CTCSS tones and 83 codes, other pages the
// 65 tone choices and 84 DCS entries.
std::vector<wxString> ToneChoicesFor(bool p25Page);
std::vector<wxString> CodeChoicesFor(bool p25Page);

// Scan lists: a decimal mask 0 to 31, one bit per list; the five boxes drawn for it.
wxString ScanBoxes(const wxString& value);  // "" when the value is not below 32
wxString ToggleScanBit(const wxString& value, int bit);
// Key "1" to "5" gives the bit to toggle, -1 otherwise.
int ScanBitForKey(wxChar key);

}  // namespace lumo
