#include "import/import_command.h"

#include "edit/cell_traits.h"
#include "edit/row_values.h"
#include "import/csv_import.h"
#include "import/import_reader.h"
#include "import/legacy21.h"
#include "import/polylum.h"
#include "util/diag_log.h"

#include <wx/filename.h>

namespace lumo {

namespace {
constexpr const char* kUnit = "LumoFile_ImportExport";
// The dialog opens on every kind of file Lumo imports, so none is hidden at first.
constexpr const char* kWildcard =
    "Importable files (*.21;*.txt;*.m10;*.m12;*.m30;*.m33;*.m35;*.m37;*.m70;*.csv)|"
    "*.21;*.txt;*.m10;*.m12;*.m30;*.m33;*.m35;*.m37;*.m70;*.csv|"
    "LUM21 Binary files (*.21)|*.21|LUM21 List files (*.txt)|*.txt|PolyLum files "
    "(*.m10;*.m12;*.m30;*.m33;*.m35;*.m37;*.m70)|*.m10;*.m12;*.m30;*.m33;*.m35;*.m37;*.m70|CSV "
    "files (*.csv)|*.csv|All files (%s)|%s";

using Importer = int (*)(ImportReader&, Page&, Dialogs&);
struct ImporterEntry {
    const char* label;
    Importer run;
};
// Indexed by ImportType.
const ImporterEntry kImporters[] = {
    {"UNKNOWN", nullptr},       {"21 Binary", Import21_Binary},
    {"21 Text", Import21_Text}, {"PolyLum", ImportPolyLum},
    {"CSV", Import_CSV},        {"DAMX", Import_DAMX},
};

}  // namespace

ImportOutcome ImportFileAt(const wxString& path, Page& page, int pageNumber, Dialogs& dialogs) {
    ImportOutcome outcome;
    ImportReader reader;
    outcome.type = DetectImportType(reader, path);
    outcome.label = kImporters[outcome.type].label;
    if (outcome.type == kImportPolyLum && !reader.OpenText(path)) {
        dialogs.Message(path, "File Open Error", DialogIcon::Error);
        return outcome;
    }
    // Memories are imported into a copy, so a file that gives none leaves the page as it was.
    Page imported = page;
    imported.grid.SetObserver(nullptr);
    ClearPage(imported, pageNumber);
    if (Importer run = kImporters[outcome.type].run) outcome.count = run(reader, imported, dialogs);
    if (outcome.count == 0) {
        dialogs.Message("Error: Unknown File Type.", "Import File");
        return outcome;
    }
    wxFileName name(path);
    name.MakeAbsolute();
    // Saved without a dialog, the page goes beside the imported file as "<name>.lumo".
    imported.strings.fileDirectory = name.GetPathWithSep();
    imported.strings.fileName = name.GetFullName();
    imported.params.pageFlags |= kPageFlagFromFile;
    SetPageEditors(imported, pageNumber);
    AdoptPage(page, std::move(imported));
    dialogs.Message(
        wxString::Format("Imported %d Lines from %s file.", outcome.count, outcome.label),
        "Import File");
    return outcome;
}

bool ImportFileCommand(Dialogs& dialogs, PageTable& pages, int pageNumber) {
    LUMO_LOG(kUnit, "\n>----------- OnImportFile -------------------------------------------<");
    // The imported memories replace the page's: the same question as Open asks.
    if (pages.Slot(pageNumber).HoldsMemories() &&
        dialogs.Ask("This will overwrite all data on this page! Continue?", "Import File?",
                    DialogButtons::OkCancel) == DialogAnswer::Cancel)
        return false;
    std::optional<wxString> path =
        dialogs.OpenFile({"Import file", wxString(), wxString(),
                          wxString::Format(kWildcard, kAllFilesPattern, kAllFilesPattern)});
    if (!path) return false;
    return ImportFileAt(*path, pages.Slot(pageNumber), pageNumber, dialogs).count != 0;
}

}  // namespace lumo
