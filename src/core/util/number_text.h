// Numbers in the texts of cells, files and radio records. Called for every cell of a page on
// every check: nothing here allocates.
#pragma once

#include <wx/string.h>

#include <cstddef>

namespace lumo {

// Reads a decimal text; blanks around it and one sign are allowed. False, with the value left
// alone, when the text is not a number.
bool ParseDecimal(const wxString& text, long& value);
// A decimal text's value, 0 when the text is not a number.
long DecimalOrZero(const wxString& text);
// Reads exactly `digits` hexadecimal digits at a position; false when there are fewer or any is
// not a hexadecimal digit.
bool ParseHex(const wxString& text, size_t pos, size_t digits, long& value);
// A hexadecimal text's value (a flag cell, a talkgroup), blanks around it allowed; 0 when the
// text is empty or not hexadecimal.
unsigned ParseHexFlags(const wxString& text);

}  // namespace lumo
