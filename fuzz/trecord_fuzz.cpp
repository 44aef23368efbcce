// The memory records a digital radio sends back (versions 1 and 2, chosen by the input's second
// byte), decoded one per line into the page as a read from the radio does.
#include "edit/shadows.h"
#include "fuzz_page.h"
#include "transfer/trecord.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input input = fuzz::Split(data, size, fuzz::Radios::Digital);
    if (input.rest.empty()) return 0;
    int version = (input.rest[0] & 1) ? 2 : 1;
    int gridRows = input.page.grid.RowCount();
    wxString text = wxString::From8BitData(input.rest.data() + 1, input.rest.size() - 1);
    for (const wxString& record : wxSplit(text, '\n', '\0'))
        lumo::decodeTrecord(input.page, record, version);
    // A complete read ends as the session ends it: links one end does not know are cut.
    lumo::UnlinkBrokenRelations(input.page);
    fuzz::CheckPage(input.page, gridRows);
    return 0;
}
