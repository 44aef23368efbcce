#include "rules/text_rules.h"

#include "model/catalogue.h"

#include <wx/crt.h>

namespace lumo {

bool IsControlKey(wxChar key) {
    return key < 32 || key == 127;
}

wxString InvalidCharactersMessage(const wxString& text) {
    return wxString::Format("'%s' contains invalid character(s)", text);
}

bool InDescriptionSet(wxChar c, DescriptionSet set) {
    switch (set) {
        case DescriptionSet::Wide: return c >= 32 && c <= 126;
        case DescriptionSet::P25: return c >= 32 && c <= 122;
        case DescriptionSet::Restricted:
            return c == ' ' || c == '+' || c == '-' || c == '.' || c == '/' || c == ':' ||
                   c == '?' || c == '_' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
                   (c >= 'a' && c <= 'z');
    }
    return false;
}

DescriptionSet DescriptionEditorSet(int pageType) {
    if (pageType == kDAMX) return DescriptionSet::Wide;
    if (IsP25Type(pageType) || pageType == kMODX) return DescriptionSet::P25;
    return DescriptionSet::Restricted;
}

int DescriptionEditorLength(int pageType) {
    return (IsP25Type(pageType) || pageType == kDAMX) ? 8 : 9;
}

bool DescriptionKeyAccepted(wxChar key, DescriptionSet set) {
    return IsControlKey(key) || InDescriptionSet(key, set);
}

bool DescriptionPasteAccepted(const wxString& pasted, DescriptionSet set) {
    for (wxChar c : pasted)
        if (!InDescriptionSet(c, set)) return false;
    return true;
}

wxString DescriptionValidationError(const wxString& text, DescriptionSet set) {
    return DescriptionPasteAccepted(text, set) ? wxString() : InvalidCharactersMessage(text);
}

wxString CheckDescriptionText(const wxString& text, int pageType) {
    wxString result = text;
    if (IsP25Type(pageType))
        result.Truncate(8);
    else if (pageType == kANFM || pageType == kMODX)
        result.Truncate(9);
    if (pageType == kANFM) result.MakeUpper();
    DescriptionSet set = IsP25Type(pageType) ? DescriptionSet::P25 : DescriptionSet::Restricted;
    for (size_t i = 0; i < result.length(); ++i)
        if (!InDescriptionSet(result[i], set)) result[i] = ' ';
    return result;
}

wxString DescriptionRefusal(const wxString& typed, DescriptionSet set) {
    for (wxChar c : typed) {
        if (InDescriptionSet(c, set) || (typed.length() == 1 && IsControlKey(c))) continue;
        wxString allowed = set == DescriptionSet::Restricted
                               ? "letters, digits, space and + - . / : ? _"
                               : (set == DescriptionSet::P25 ? "characters from space to z"
                                                             : "characters from space to ~");
        return wxString::Format("'%s': a name on this page holds only %s", typed, allowed);
    }
    return wxString();
}

wxString HexRefusal(const wxString& typed) {
    for (wxChar c : typed)
        if (!wxIsxdigit(c) && !(typed.length() == 1 && IsControlKey(c)))
            return wxString::Format("'%s': only the hexadecimal digits 0-9 and A-F", typed);
    return wxString();
}

bool HexKeyAccepted(wxChar key) {
    return IsControlKey(key) || wxIsxdigit(key);
}

bool HexPasteAccepted(const wxString& pasted) {
    for (wxChar c : pasted)
        if (!wxIsxdigit(c)) return false;
    return true;
}

wxString HexValidationError(const wxString& text) {
    return HexPasteAccepted(text) ? wxString() : InvalidCharactersMessage(text);
}

wxString NormaliseHexField(const wxString& text, int width) {
    wxString padded = "0000" + text.Upper();
    return padded.Right(width);
}

bool HexFieldValid(const wxString& text, int width) {
    if (static_cast<int>(text.length()) < width) return false;
    return HexPasteAccepted(text.Left(width));
}

bool IsModeValid(const wxString& mode, bool p25Page) {
    if (mode == "w" || mode == "W" || mode == "n" || mode == "N") return true;
    return p25Page && mode == "D";
}

std::vector<wxString> ModeChoices(bool p25Page) {
    if (p25Page) return {"w", "n", "D"};
    return {"W", "N"};
}

std::vector<wxString> SquelchChoices(Direction direction, const wxString& mode, bool shadowRow) {
    bool digital = mode == "D";
    if (direction == Direction::Receive) {
        if (digital) return {"m", "n", "g"};
        return {"x", "t", "c"};
    }
    if (digital) {
        if (shadowRow) return {"g", "-"};
        return {"g", "i", "-"};
    }
    return {"x", "t", "c", "-"};
}

wxString DefaultSquelch(Direction direction, const wxString& mode) {
    if (mode == "D") return direction == Direction::Receive ? "m" : "g";
    return "x";
}

bool IsSquelchValueValid(const wxString& text) {
    long value = 0;
    return ParseDecimal(text, value) && value >= 0 && value <= 15;
}

wxString CheckUnitId(const wxString& text, const wxString& defaultValue) {
    if (text.empty()) return "0000001";
    long value = 0;
    if (!ParseDecimal(text, value) || value < 0 || value > 9999999) return defaultValue;
    return text;
}

std::vector<wxString> ToneChoicesFor(bool p25Page) {
    return p25Page ? Lists().ctcss : Lists().toneChoices;
}

std::vector<wxString> CodeChoicesFor(bool p25Page) {
    const std::vector<wxString>& dcs = Lists().dcs;
    if (p25Page && !dcs.empty()) return std::vector<wxString>(dcs.begin() + 1, dcs.end());
    return dcs;
}

wxString ScanBoxes(const wxString& value) {
    long mask = 0;
    if (!ParseDecimal(value, mask) || mask < 0 || mask >= 32) return wxString();
    wxString boxes;
    for (int bit = 0; bit < 5; ++bit)
        boxes += (mask >> bit) & 1 ? wxUniChar(0x2612) : wxUniChar(0x2610);
    return boxes;
}

wxString ToggleScanBit(const wxString& value, int bit) {
    long mask = 0;
    ParseDecimal(value, mask);
    if (bit >= 0 && bit < 5) mask ^= 1L << bit;
    return wxString::Format("%ld", mask);
}

int ScanBitForKey(wxChar key) {
    return (key >= '1' && key <= '5') ? key - '1' : -1;
}

}  // namespace lumo
