// The channel lines an analog radio sends back on a read: each lands in the row it names or
// nowhere.
#include "fuzz_page.h"
#include "transfer/analog_session.h"

#include <set>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input input = fuzz::Split(data, size, fuzz::Radios::Analog);
    const lumo::Page before = input.page;
    std::set<int> named;
    wxString text = wxString::From8BitData(input.rest.data(), input.rest.size());
    for (const wxString& line : wxSplit(text, '\n', '\0')) {
        int row = -1;
        if (!lumo::ReadAnalogLine(input.page, line, &row)) continue;
        if (row < 1 || row > input.page.Rows()) fuzz::Broken("a line named a row off the page");
        named.insert(row);
    }
    for (int row = 0; row < before.grid.RowCount(); ++row)
        if (!named.count(row) && input.page.grid.GetRow(row) != before.grid.GetRow(row))
            fuzz::Broken("a line changed a row it did not name", std::to_string(row));
    fuzz::CheckPage(input.page, before.grid.RowCount());
    return 0;
}
