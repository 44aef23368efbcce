#include "edit/page_compare.h"

#include "model/radio_facts.h"
#include "rules/frequency_rules.h"

#include <wx/tokenzr.h>

#include <map>

namespace lumo {

namespace {
// How a value travels: any way (a data file among them), in the memory records of the digital
// radios, or in the channel lines of the analog ones.
enum class Way { Any, Record, Line };

enum class Likeness {
    Number,              // the decimal value ("007", "7", " 7"); empty is 0; "GD1"/"GD2" the guards
    Hex,                 // the hexadecimal value ("0a", "000A")
    Flags,               // the hexadecimal value without bit 0x08
    Receive,             // "n/a" (receive only) stands for the row's receive frequency
    Frequency,           // the value in Hz ("150.0000", "150.00000"); "n/a" is 0 Hz
    Same,                // the texts in `same` are one value, the first of them
    Cut,                 // blanks at the ends dropped, then cut to `length` characters
    Narrow,              // "n", "N", "n/a" and empty are narrow; every other mode is wide
    NoScanWithoutCodes,  // none ("0") when the row has no receive or transmit code
};

constexpr uint32_t Columns(std::initializer_list<int> columns) {
    uint32_t bits = 0;
    for (int column : columns)
        bits |= 1u << column;
    return bits;
}
constexpr uint32_t kShadowSlots = Columns({SHD0, SHD1, SHD2, SHD3, SHD4, SHD5, SHD6});

struct RoundTripRule {
    Way way;
    uint32_t columns;
    Likeness likeness;
    const char* same = nullptr;  // Same
    size_t length = 0;           // Cut
};

// What a round trip makes of a value and still means the same. The rules of any way are texts
// of one value, as data files, records and lines write them; the rules of one way are what
// that way changes or loses. Every rule of the way that names a column is applied, in this
// order, to both texts before they are compared; a column no rule names is compared as it
// stands.
// clang-format off
const RoundTripRule kRoundTripRules[] = {
    // Numbers: V1 records and the data file write "%03d", V2 records "%d", the unit ID with
    // seven digits, the squelch value "%2d"; an analog line names the guard memories GD1 and
    // GD2; a page may leave a free shadow slot empty.
    {Way::Any,    Columns({MNUM, PRIM, TIDC, RNSV}) | kShadowSlots, Likeness::Number},
    // Flags, talkgroups and NACs are written with their leading zeros, or without.
    {Way::Any,    Columns({MFLG, RTGP, TTGP, RNAC, TNAC}), Likeness::Hex},
    // An analog line sends a receive-only channel's transmit frequency as the receive one
    // (before the frequencies are read as numbers).
    {Way::Line,   Columns({TFRQ}),                   Likeness::Receive},
    // V1 records carry a frequency's text, V2 records its Hz ("n/a" as 0), analog lines four
    // decimals; a read writes it with the page's own number of decimals.
    {Way::Any,    Columns({RFRQ, TFRQ}),             Likeness::Frequency},
    // The data file writes the tones "00" and "64" and the code "000" as "OFF".
    {Way::Any,    Columns({RTON, TTON}),             Likeness::Same, "OFF|00|64"},
    {Way::Any,    Columns({RCOD, TCOD}),             Likeness::Same, "OFF|000"},
    // An analog line carries the scan lists as five boxes, read back as the number they make.
    {Way::Any,    Columns({SCAN}),                   Likeness::Number},
    // MFLG's bit 0x08 travels in a record as the scan flag, which SCAN holds.
    {Way::Record, Columns({MFLG}),                   Likeness::Flags},
    // A description travels as its first 8 (record) or 9 (line) characters, trimmed.
    {Way::Record, Columns({DESC}),                   Likeness::Cut, nullptr, 8},
    {Way::Line,   Columns({DESC}),                   Likeness::Cut, nullptr, 9},
    // An analog line sends "n/a" (the receive tone and code of guard rows, bands without tones
    // or codes) as zero, which comes back "OFF".
    {Way::Line,   Columns({RTON, TTON, RCOD, TCOD}), Likeness::Same, "OFF|n/a"},
    // An analog line carries narrow as "N" and every other mode as wide.
    {Way::Line,   Columns({MODE}),                   Likeness::Narrow},
    // A line without codes (AM pages have none) is shorter than a read expects: the read does
    // not find its scan lists, and they come back as none.
    {Way::Line,   Columns({SCAN}),                   Likeness::NoScanWithoutCodes},
};
// clang-format on

// The guard memories' names on an analog line, as numbers.
long GuardNumber(const Page& page, const wxString& text) {
    if (text == "GD1") return page.Rows() - 1;
    if (text == "GD2") return page.Rows();
    return -1;
}

bool IsDecimalFrequency(const wxString& text) {
    int points = 0;
    for (wxUniChar c : text) {
        if (c == '.')
            ++points;
        else if (c < '0' || c > '9')
            return false;
    }
    return !text.empty() && points <= 1;
}

wxString Apply(const RoundTripRule& rule, const Page& page, int row, const wxString& raw) {
    wxString text = raw.Strip(wxString::both);
    long value = 0;
    switch (rule.likeness) {
        case Likeness::Number:
            if (GuardNumber(page, text) >= 0)
                return wxString::Format("%ld", GuardNumber(page, text));
            if (text.empty()) return "0";
            return ParseDecimal(text, value) ? wxString::Format("%ld", value) : text;
        case Likeness::Hex:
        case Likeness::Flags:
            if (text.empty() || !ParseHex(text, 0, text.length(), value)) return text;
            if (rule.likeness == Likeness::Flags) value &= ~0x08L;
            return wxString::Format("%lX", value);
        case Likeness::Receive:
            return text == "n/a" ? page.grid.Get(row, RFRQ).Strip(wxString::both) : text;
        case Likeness::Frequency:
            if (text == "n/a") return "0";
            return IsDecimalFrequency(text) ? wxString::Format("%ld", FrequencyHz(text)) : text;
        case Likeness::Same: {
            wxArrayString same = wxSplit(rule.same, '|');
            return same.Index(text) != wxNOT_FOUND ? same[0] : text;
        }
        case Likeness::Cut: return text.Left(rule.length).Strip(wxString::trailing);
        case Likeness::Narrow:
            return (text.empty() || text == "n" || text == "N" || text == "n/a") ? "N" : "W";
        case Likeness::NoScanWithoutCodes:
            return page.grid.Get(row, RCOD).empty() || page.grid.Get(row, TCOD).empty() ? "0"
                                                                                        : text;
    }
    return text;
}

// A cell's text as the rules of the way see it.
wxString Normalised(const Page& page, int row, int column, Way way) {
    wxString text = page.grid.Get(row, column);
    for (const RoundTripRule& rule : kRoundTripRules)
        if ((rule.way == Way::Any || rule.way == way) && (rule.columns & (1u << column)))
            text = Apply(rule, page, row, text);
    return text;
}

long MemoryNumber(const Page& page, int row) {
    wxString text = page.grid.Get(row, MNUM).Strip(wxString::both);
    long number = GuardNumber(page, text);
    if (number < 0 && !ParseDecimal(text, number)) return -1;
    return number;
}

// The used memory rows of a page by the key they pair on: by memory number, or by row when
// `byRow` or when the page numbers two memories alike (then false comes back).
bool MemoriesByKey(const Page& page, bool byRow, std::map<int, int>& out) {
    out.clear();
    for (int row = 1; row <= page.Rows(); ++row) {
        if (!page.IsRowUsed(row)) continue;
        int key = byRow ? row : RadioRow(page, row);
        if (!out.emplace(key, row).second) return false;
    }
    return true;
}
}  // namespace

int RadioRow(const Page& page, int row) {
    long number = MemoryNumber(page, row);
    return number >= 1 && number <= page.Rows() ? static_cast<int>(number) : row;
}

std::vector<ColumnDifference> CompareMemory(const Page& first, int row, const Page& second,
                                            int other, Trip trip) {
    Way way = trip == Trip::File                                ? Way::Any
              : RadioFactsOf(first.params.radio).digitalSession ? Way::Record
                                                                : Way::Line;
    std::vector<ColumnDifference> differences;
    for (int col = 0; col < kColumnCount; ++col) {
        if (!IsMemoryColumn(first.Type(), col) && !IsMemoryColumn(second.Type(), col)) continue;
        if (Normalised(first, row, col, way) == Normalised(second, other, col, way)) continue;
        differences.push_back({col, first.grid.Get(row, col), second.grid.Get(other, col)});
    }
    return differences;
}

std::vector<MemoryDifference> ComparePages(const Page& first, const Page& second) {
    std::map<int, int> ours, theirs;
    bool byRow = !MemoriesByKey(first, false, ours) || !MemoriesByKey(second, false, theirs);
    if (byRow) {
        MemoriesByKey(first, true, ours);
        MemoriesByKey(second, true, theirs);
    }
    std::map<int, MemoryDifference> found;
    for (const auto& [key, row] : ours) {
        auto match = theirs.find(key);
        if (match == theirs.end()) {
            found.emplace(key, MemoryDifference{DifferenceKind::Removed, key, row, {}});
            continue;
        }
        std::vector<ColumnDifference> columns =
            CompareMemory(first, row, second, match->second, Trip::File);
        if (!columns.empty())
            found.emplace(key, MemoryDifference{DifferenceKind::Changed, key, row, columns});
    }
    for (const auto& [key, row] : theirs)
        if (!ours.count(key))
            found.emplace(key, MemoryDifference{DifferenceKind::Added, key, row, {}});
    std::vector<MemoryDifference> differences;
    for (auto& entry : found)
        differences.push_back(std::move(entry.second));
    return differences;
}

void MarkDifferences(Page& page, const std::vector<MemoryDifference>& differences) {
    auto markRow = [&](int row) {
        if (row < 1 || row > page.Rows()) return;
        for (int col = 0; col < kColumnCount; ++col)
            if (IsColumnShown(page.Type(), col)) page.grid.SetBackground(row, col, kMarkColour);
    };
    for (const MemoryDifference& difference : differences) {
        switch (difference.kind) {
            case DifferenceKind::Changed:
                for (const ColumnDifference& column : difference.columns)
                    page.grid.SetBackground(difference.row, column.column, kMarkColour);
                break;
            case DifferenceKind::Removed: markRow(difference.row); break;
            case DifferenceKind::Added: markRow(static_cast<int>(difference.memory)); break;
        }
    }
}

std::vector<wxString> DifferenceLines(const std::vector<MemoryDifference>& differences,
                                      const DifferenceWords& words, size_t limit) {
    std::vector<wxString> lines;
    for (const MemoryDifference& difference : differences) {
        if (difference.kind != DifferenceKind::Changed) {
            bool added = difference.kind == DifferenceKind::Added;
            lines.push_back(wxString::Format("memory %ld: %s", difference.memory,
                                             added ? words.added : words.removed));
            continue;
        }
        for (const ColumnDifference& column : difference.columns)
            lines.push_back(wxString::Format("memory %ld %s: \"%s\" -> \"%s\"", difference.memory,
                                             ColumnKeys[column.column], column.first,
                                             column.second));
    }
    if (limit > 0 && lines.size() > limit) {
        size_t more = lines.size() - limit;
        lines.resize(limit);
        lines.push_back(wxString::Format("... and %zu more", more));
    }
    return lines;
}

wxString MemoriesText(long count) {
    return wxString::Format(count == 1 ? "%ld memory" : "%ld memories", count);
}

}  // namespace lumo
