// Import of other programs' files (VRD-21 binary and list files, PolyLum line files, generic and
// VRA-50 CSV), type detection included: the memories replace the page's only when the file gave
// some, and whatever it holds nothing lands outside the page.
#include "fuzz_page.h"
#include "import/import_command.h"
#include "support/scripted_dialogs.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input input = fuzz::Split(data, size);
    int gridRows = input.page.grid.RowCount();
    uint64_t revision = input.page.grid.Revision();
    ScriptedDialogs dialogs;
    lumo::ImportOutcome outcome =
        lumo::ImportFileAt(fuzz::WriteFile(input.rest, "memories"), input.page, 0, dialogs);
    if (outcome.count == 0) fuzz::CheckUntouched(input.page, revision);
    fuzz::CheckPage(input.page, gridRows);
    return 0;
}
