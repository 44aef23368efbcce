#include "util/number_text.h"

#include <charconv>

namespace lumo {

namespace {
constexpr size_t kLongestNumber = 32;

struct Narrow {
    char chars[kLongestNumber];
    size_t length = 0;
};

// The characters from `begin` to `end` as ASCII; false when one is not ASCII or the run is too
// long to be a number.
bool ToNarrow(const wxString& text, size_t begin, size_t end, Narrow& out) {
    if (end < begin || end - begin > kLongestNumber) return false;
    out.length = 0;
    for (size_t i = begin; i < end; ++i) {
        wxUniChar c = text[i];
        if (!c.IsAscii()) return false;
        out.chars[out.length++] = static_cast<char>(c.GetValue());
    }
    return true;
}

void Trim(const wxString& text, size_t& begin, size_t& end, bool anyBlank) {
    auto blank = [&](size_t i) {
        wxUniChar c = text[i];
        return c == ' ' || (anyBlank && (c == '\t' || c == '\r' || c == '\n' || c == '\v'));
    };
    begin = 0;
    end = text.length();
    while (begin < end && blank(begin))
        ++begin;
    while (end > begin && blank(end - 1))
        --end;
}

template <typename Number>
bool ReadAll(const Narrow& narrow, size_t from, int base, Number& value) {
    const char* first = narrow.chars + from;
    const char* last = narrow.chars + narrow.length;
    if (first == last) return false;
    auto [end, error] = std::from_chars(first, last, value, base);
    return error == std::errc() && end == last;
}
}  // namespace

bool ParseDecimal(const wxString& text, long& value) {
    size_t begin = 0, end = 0;
    Trim(text, begin, end, false);
    Narrow narrow;
    if (!ToNarrow(text, begin, end, narrow)) return false;
    // from_chars takes a minus sign but no plus sign.
    size_t from = narrow.length > 1 && narrow.chars[0] == '+' && narrow.chars[1] != '-' ? 1 : 0;
    long result = 0;
    if (!ReadAll(narrow, from, 10, result)) return false;
    value = result;
    return true;
}

long DecimalOrZero(const wxString& text) {
    long value = 0;
    return ParseDecimal(text, value) ? value : 0;
}

bool ParseHex(const wxString& text, size_t pos, size_t digits, long& value) {
    Narrow narrow;
    if (pos + digits > text.length() || !ToNarrow(text, pos, pos + digits, narrow)) return false;
    unsigned long result = 0;  // unsigned: no sign is read
    if (!ReadAll(narrow, 0, 16, result)) return false;
    value = static_cast<long>(result);
    return true;
}

unsigned ParseHexFlags(const wxString& text) {
    size_t begin = 0, end = 0;
    Trim(text, begin, end, true);
    Narrow narrow;
    unsigned long value = 0;
    if (!ToNarrow(text, begin, end, narrow) || !ReadAll(narrow, 0, 16, value)) return 0;
    return static_cast<unsigned>(value);
}

}  // namespace lumo
