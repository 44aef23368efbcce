#include "rules/frequency_rules.h"

#include "model/catalogue.h"
#include "rules/text_rules.h"
#include "util/diag_log.h"

namespace lumo {

const char* const FrequencyCompletionDigits = "005000050002570025700251302513";

namespace {
constexpr const char* kUnit = "LumoEditors";
constexpr int kNone = -1;

// Next digit of a 12.5 kHz and of a 25 kHz step, by the previous digit.
constexpr int N12[10] = {0, 2, 5, 7, kNone, 0, 2, 5, 7, kNone};
constexpr int N25[10] = {0, kNone, 5, kNone, kNone, 0, kNone, 5, kNone, kNone};

// Allowed third fraction digits (bit per digit) after each second digit.
constexpr int Bits(int a, int b = -1) {
    return (1 << a) | (b >= 0 ? 1 << b : 0);
}
constexpr int kEightKhzPairs[10] = {Bits(0, 5), Bits(0, 5), Bits(5), Bits(0, 5), Bits(0),
                                    Bits(0, 5), Bits(0, 5), Bits(5), Bits(0, 5), Bits(0)};
constexpr int kSixKhzPairs[10] = {Bits(0, 6), Bits(2, 8), Bits(5), Bits(1, 7), Bits(3),
                                  Bits(0, 6), Bits(2, 8), Bits(5), Bits(1, 7), Bits(3)};

// The fraction digits f1..f5 present, as numbers.
struct Fraction {
    int digit[5] = {};
    int count = 0;
    bool Has(int n) const { return count >= n; }  // n counts from 1
    int F(int n) const { return digit[n - 1]; }
};

bool AllDigits(const wxString& text) {
    for (wxChar c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

bool Pair(const int table[10], int f2, int f3) {
    return (table[f2] >> f3) & 1;
}
bool Next(const int table[10], int previous, int digit) {
    return previous >= 0 && previous <= 9 && table[previous] == digit;
}

// Each test is made only when the digit it reads is present; a digit whose table entry is "-"
// fails at once, since no channel can follow it.
bool PassesStep(const Fraction& f, int step, long mhz) {
    if (step == 8333 && mhz >= 118 && mhz <= 138) {
        if (!f.Has(3)) return true;
        return f.count == 3 && Pair(kEightKhzPairs, f.F(2), f.F(3));
    }
    switch (step) {
        case 8333:
        case 25000:
            if (f.Has(2) && !(f.F(2) == 0 || f.F(2) == 2 || f.F(2) == 5 || f.F(2) == 7))
                return false;
            if (f.Has(3) && !Next(N25, f.F(2), f.F(3))) return false;
            if (f.Has(4) && f.F(4) != 0) return false;
            return !f.Has(5) || f.F(5) == 0;
        case 12500:
            if (f.Has(2) && N12[f.F(2)] == kNone) return false;
            if (f.Has(3) && !Next(N12, f.F(2), f.F(3))) return false;
            if (f.Has(4) && !Next(N25, f.F(3), f.F(4))) return false;
            return !f.Has(5) || f.F(5) == 0;
        case 6250:
            if (f.Has(3) && !Pair(kSixKhzPairs, f.F(2), f.F(3))) return false;
            if (f.Has(4) && !Next(N12, f.F(3), f.F(4))) return false;
            return !f.Has(5) || (N12[f.F(3)] != kNone && Next(N25, N12[f.F(3)], f.F(5)));
        case 2500:
            if (f.Has(3) && !(f.F(3) == 0 || f.F(3) == 2 || f.F(3) == 5 || f.F(3) == 7))
                return false;
            if (f.Has(4) && !Next(N25, f.F(3), f.F(4))) return false;
            return !f.Has(5) || f.F(5) == 0;
        case 1250:
            if (f.Has(3) && N12[f.F(3)] == kNone) return false;
            if (f.Has(4) && !Next(N12, f.F(3), f.F(4))) return false;
            return !f.Has(5) || (N12[f.F(3)] != kNone && Next(N25, N12[f.F(3)], f.F(5)));
        default: return true;
    }
}

// Splits at the first point for the row check's parsing; returns 0 or the negative code.
int SplitForCheck(const wxString& text, long& mhz, long& fraction) {
    int point = text.Find('.');
    if (point == wxNOT_FOUND) return -1;
    wxString whole = text.Left(point).Strip(wxString::trailing);
    wxString part = text.Mid(point + 1).Strip(wxString::trailing);
    if (part.Find('.') != wxNOT_FOUND) return -2;
    if (part.length() > 5 || whole.length() > 3) return -3;
    if (whole.empty()) return -4;
    fraction = 0;
    if (!AllDigits(whole) || !whole.ToLong(&mhz) || (!part.empty() && !AllDigits(part)) ||
        (!part.empty() && !part.ToLong(&fraction)))
        return -5;
    return 0;
}
}  // namespace

int FullFrequencyLength(int band, int step) {
    if (band == 0 || band == 1 || step == 8333) return 7;
    if (step == 1250) return 9;
    return 8;
}

bool IsOkFreq(const wxString& text, const FrequencyRule& rule) {
    int point = text.Find('.');
    if (point == wxNOT_FOUND) return true;
    wxString whole = text.Left(point), part = text.Mid(point + 1);
    if (part.Find('.') != wxNOT_FOUND) return false;
    if (whole.empty() || whole.length() > 3 || part.length() > 5) return false;
    if (!AllDigits(whole) || !AllDigits(part)) return false;
    long mhz = 0;
    whole.ToLong(&mhz);
    if (rule.band < 0 || rule.band >= kBandCount) return false;
    if (mhz < BandLimitsMHz[rule.band][0] || mhz > BandLimitsMHz[rule.band][1]) {
        LUMO_LOG(kUnit, "   . IOF - MHz: %s - Not In Band: %d", whole, rule.band);
        return false;
    }
    if (mhz == BandLimitsMHz[rule.band][1]) return part.find_first_not_of('0') == wxString::npos;
    Fraction f;
    f.count = static_cast<int>(part.length());
    for (int i = 0; i < f.count; ++i)
        f.digit[i] = part[i] - '0';
    return PassesStep(f, rule.step, mhz);
}

bool IsOnChannelRaster(const wxString& text, const FrequencyRule& rule) {
    wxString whole = text.BeforeFirst('.').Strip(wxString::trailing);
    wxString part = text.AfterFirst('.').Strip(wxString::trailing);
    while (!part.empty() && part.Last() == '0')
        part.RemoveLast();
    long mhz = 0;
    whole.ToLong(&mhz);
    // The 8.33 kHz channels of the air band are named with exactly three decimals.
    size_t digits = (rule.step == 8333 && mhz >= 118 && mhz <= 138) ? 3 : 5;
    if (part.length() > digits) return false;
    while (part.length() < digits)
        part += '0';
    return IsOkFreq(whole + "." + part, rule);
}

bool CompleteFrequency(const FrequencyRule& rule, wxString& text, int fullLength) {
    wxString copy = text;
    if (copy.Find('.') == wxNOT_FOUND) copy += '.';
    if (!IsOkFreq(copy, rule)) return false;
    int a = copy.Find('.');
    int length = static_cast<int>(copy.length());
    int k = -1, r = 0;
    switch (rule.step) {
        case 6250: k = a + 3, r = 2; break;
        case 12500: k = a + 3, r = 1; break;
        case 25000:
        case 8333: k = a + 3, r = 0; break;
        case 1250: k = a + 4, r = 1; break;
        case 2500: k = a + 4, r = 0; break;
        default: break;  // no completion digits: only padding
    }
    if (length >= fullLength) return true;
    bool appendDigits = k >= 0;
    if (appendDigits && k < length) {
        r = k + r - length;
        appendDigits = r >= 0;
    } else if (appendDigits) {
        while (static_cast<int>(copy.length()) < k)
            copy += '0';
    }
    for (; appendDigits && r >= 0; --r) {
        int last = copy.Last() - '0';
        copy += FrequencyCompletionDigits[r * 10 + last];
    }
    while (static_cast<int>(copy.length()) < fullLength)
        copy += '0';
    text = copy;
    return true;
}

bool CheckRxOnlyFreq(const wxString& text) {
    LUMO_LOG(kUnit, " . CheckRxOnlyFreq - Freq: %s", text);
    long mhz = 0, fraction = 0;
    text.BeforeFirst('.').ToLong(&mhz);
    text.AfterFirst('.').ToLong(&fraction);
    LUMO_LOG(kUnit, " . MHz: %ld; kHz: %ld", mhz, fraction);
    return (mhz >= 108 && mhz <= 116) || (mhz == 117 && fraction <= 974);
}

bool IsInBand(long mhz, long fraction, int band) {
    if (band < 0 || band >= kBandCount) return false;
    long low = BandLimitsMHz[band][0], high = BandLimitsMHz[band][1];
    return mhz >= low && mhz <= high && (mhz != high || fraction == 0);
}

int CheckFrequencyText(const wxString& text, int band) {
    long mhz = 0, fraction = 0;
    int code = SplitForCheck(text, mhz, fraction);
    if (code != 0) return code;
    return IsInBand(mhz, fraction, band) ? 0 : -5;
}

int BandOfFrequency(const wxString& text, int pageType) {
    long mhz = 0, fraction = 0;
    int code = SplitForCheck(text, mhz, fraction);
    if (code != 0 && code != -5) return code;
    if (code == -5) return -6;
    for (int band = 0; band < kBandCount; ++band) {
        if (!IsInBand(mhz, fraction, band)) continue;
        return (band == 4 && !IsP25Type(pageType)) ? 5 : band;
    }
    return -6;
}

bool FrequencyKeyAccepted(const wxString& text, long insertionPoint, wxChar key,
                          const FrequencyRule& rule) {
    if (IsControlKey(key)) return true;
    if (!((key >= '0' && key <= '9') || key == '.')) return false;
    return IsOkFreq(text.Left(insertionPoint) + key + text.Mid(insertionPoint), rule);
}

bool FrequencyPasteAccepted(const wxString& text, long insertionPoint, const wxString& pasted,
                            const FrequencyRule& rule) {
    for (wxChar c : pasted)
        if (!((c >= '0' && c <= '9') || c == '.')) return false;
    return IsOkFreq(text.Left(insertionPoint) + pasted + text.Mid(insertionPoint), rule);
}

wxString FrequencyRefusal(const wxString& text, const FrequencyRule& rule) {
    if (text.empty() || rule.band < 0 || rule.band >= kBandCount) return wxString();
    // "250." is shown as the 250 typed so far.
    wxString shown =
        text.Freq('.') == 1 && text.EndsWith(".") ? text.Left(text.length() - 1) : text;
    wxString whole = text.BeforeFirst('.'), part = text.AfterFirst('.');
    auto why = [&](const wxString& reason) { return shown + ": " + reason; };
    wxString digits = text;
    digits.Replace(".", "");
    if (!AllDigits(digits)) return why("a frequency holds only digits and a point");
    if (part.Find('.') != wxNOT_FOUND) return why("a frequency has one point");
    if (whole.empty()) return why("the MHz come before the point");
    if (whole.length() > 3) return why("more than three digits before the point");
    if (part.length() > 5) return why("more than five digits after the point");
    long mhz = 0;
    whole.ToLong(&mhz);
    int low = BandLimitsMHz[rule.band][0], high = BandLimitsMHz[rule.band][1];
    if (mhz < low || mhz > high || (mhz == high && part.find_first_not_of('0') != wxString::npos))
        return why(wxString::Format("outside %d-%d MHz for this page", low, high));
    if (!IsOkFreq(whole + "." + part, rule))
        return why(wxString::Format(
            "not a channel of the %s kHz step",
            rule.step == 8333 ? wxString("8.33") : wxString::FromDouble(rule.step / 1000.0)));
    return wxString();
}

wxString FrequencyKeyRefusal(const wxString& text, long insertionPoint, wxChar key,
                             const FrequencyRule& rule) {
    if (FrequencyKeyAccepted(text, insertionPoint, key, rule)) return wxString();
    return FrequencyRefusal(text.Left(insertionPoint) + key + text.Mid(insertionPoint), rule);
}

wxString FrequencyPasteRefusal(const wxString& text, long insertionPoint, const wxString& pasted,
                               const FrequencyRule& rule) {
    if (FrequencyPasteAccepted(text, insertionPoint, pasted, rule)) return wxString();
    return FrequencyRefusal(text.Left(insertionPoint) + pasted + text.Mid(insertionPoint), rule);
}

wxString FrequencyValidationError(const wxString& text) {
    for (wxChar c : text)
        if (!((c >= '0' && c <= '9') || c == '.')) return InvalidCharactersMessage(text);
    return wxString();
}

long FrequencyHz(const wxString& text) {
    wxString trimmed = text.Strip(wxString::both);
    long value = 0;
    int afterPoint = -1;
    for (wxUniChar c : trimmed) {
        if (c == '.') {
            afterPoint = 0;
        } else if (c >= '0' && c <= '9') {
            value = value * 10 + (c - '0');
            if (afterPoint >= 0) ++afterPoint;
        }
    }
    if (afterPoint >= 0)
        for (int i = afterPoint; i < 6; ++i)
            value *= 10;
    return value;
}

wxString FrequencyText(long hz, int step) {
    int digits = step == 8333 ? 3 : step == 1250 ? 5 : 4;
    long divisor = 1;
    for (int i = digits; i < 6; ++i)
        divisor *= 10;
    // The fraction's width is written into the format: wx checks "*" widths against "%ld".
    wxString fraction = wxString::Format("%ld", (hz % 1000000) / divisor);
    while (static_cast<int>(fraction.length()) < digits)
        fraction.Prepend("0");
    return wxString::Format("%ld.", hz / 1000000) + fraction;
}

namespace {
// Digits with one point and at most six fraction digits: a text FrequencyHz reads exactly.
bool IsPlainFrequency(const wxString& text) {
    int points = 0, fraction = 0, digits = 0;
    for (wxUniChar c : text) {
        if (c == '.') {
            ++points;
        } else if (c >= '0' && c <= '9') {
            ++digits;
            if (points) ++fraction;
        } else {
            return false;
        }
    }
    return points == 1 && fraction <= 6 && digits - fraction >= 1 && digits - fraction <= 3;
}
}  // namespace

wxString PageFrequencyText(const wxString& text, int step) {
    wxString trimmed = text.Strip(wxString::both);
    if (!IsPlainFrequency(trimmed)) return trimmed;
    long hz = FrequencyHz(trimmed);
    wxString formatted = FrequencyText(hz, step);
    return FrequencyHz(formatted) == hz ? formatted : trimmed;
}

}  // namespace lumo
