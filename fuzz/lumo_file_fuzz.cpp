// The .lumo data file reader, as File > Open uses it: a file is read whole and checked before
// the page is touched, so a refused file leaves the page as it was.
#include "files/lumo_file.h"
#include "fuzz_page.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input input = fuzz::Split(data, size);
    uint64_t revision = input.page.grid.Revision();
    wxString message;
    int code =
        lumo::OpenLumoFileAt(fuzz::WriteFile(input.rest, "page.lumo"), input.page, 0, &message);
    if (code != lumo::kFileOk) {
        fuzz::CheckUntouched(input.page, revision);
        return 0;
    }
    // An accepted file sets the page's own target: its rows are the file's radio's.
    lumo::Page fresh = MakePage(input.page.params.radio, input.page.params.bandChoice);
    fuzz::CheckPage(input.page, fresh.grid.RowCount());
    return 0;
}
