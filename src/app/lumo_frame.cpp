#include "lumo_frame.h"

#include "lumo_printing.h"

#include "commands/commands.h"
#include "edit/row_values.h"
#include "files/backups.h"
#include "files/file_commands.h"
#include "page_view.h"
#include "util/diag_log.h"
#include "util/resources.h"
#include "util/version.h"

#include <wx/filefn.h>
#include <wx/grid.h>
#include <wx/utils.h>

using namespace lumo;

namespace {
constexpr const char* kUnit = "LumoMain";
LumoFrame* g_frame = nullptr;
}  // namespace

LumoFrame* TheLumoFrame() {
    return g_frame;
}
void SetTheLumoFrame(LumoFrame* frame) {
    g_frame = frame;
}

LumoFrame::LumoFrame()
    : NorvLumFrame(nullptr, wxID_ANY, "Norv Lumo", wxDefaultPosition, wxSize(927, 680),
                   wxDEFAULT_FRAME_STYLE | wxHSCROLL | wxVSCROLL | wxTAB_TRAVERSAL),
      launchDocument_([](const wxString& path) { return wxLaunchDefaultApplication(path); }) {
    SetStatusText("Select function", 0);
    InitPrintSettings();
    SetSettings(std::make_unique<ConfigSettings>());
    backupFolder_ = DefaultBackupFolder();
    UpdateEditMenu();
    Bind(wxEVT_MENU, &LumoFrame::OnRecentFile, this, wxID_FILE1, wxID_FILE9);
}

void LumoFrame::OnClose(wxCloseEvent& event) {
    LUMO_LOG(kUnit, "\n>----------- OnClose ------------------------------------------------<");
    // Changes that were never saved are not dropped without asking.
    if (event.CanVeto() && !ConfirmUnsavedPages(Dialogs(), pages_)) {
        event.Veto();
        return;
    }
    SaveGeometry();
    Destroy();
}

void LumoFrame::OnQuit(wxCommandEvent&) {
    LUMO_LOG(kUnit, "\n>----------- OnQuit -------------------------------------------------<");
    if (!ConfirmUnsavedPages(Dialogs(), pages_)) return;
    SaveGeometry();
    Destroy();
}

void LumoFrame::OnAbout(wxCommandEvent&) {
    LUMO_LOG(kUnit, "\n>----------- OnAbout ------------------------------------------------<");
    Dialogs().About({"Norv Lumo", ProgramVersion(),
                     wxString(AboutDescription) + ReleaseDateText + ToolkitVersionText(),
                     FindResource("icons/lumo-128.png")});
}

void LumoFrame::OnHelp(wxCommandEvent&) {
    LUMO_LOG(kUnit, "\n>----------- OnHelp -------------------------------------------------<");
    wxString path = UserGuidePath();
    LUMO_LOG(kUnit, " File Name and Path: %s", path);
    bool found = wxFileExists(path);
    if (found && launchDocument_ && launchDocument_(path)) return;
    Dialogs().Message(
        "Unable to open User Guide.\nLook in the install directory for "
        "LumoUserGuide.pdf\n\n" +
            (found ? "No program could be started to show " + path
                   : "The guide was looked for at " + path),
        "User Guide");
}

void LumoFrame::OnSaveDefault(wxCommandEvent&) {
    LUMO_LOG(kUnit, ">-- OnSaveDefault --------------------------------------<");
    Dialogs().Message(" ! Currently UnImplemented !", "Save Radio Default Data?");
}

void LumoFrame::OnLoadDefault(wxCommandEvent&) {
    LUMO_LOG(kUnit, ">-- OnLoadDefaults -------------------------------------<");
    Dialogs().Message(" ! Currently UnImplemented !", "Load Radio Default Data");
}

void LumoFrame::OnGridCellChanging(wxGridEvent& event) {
    event.Skip();
    PageView* view = CurrentView();
    if (!view) return;
    Page& page = view->GetPage();
    int row = event.GetRow();
    if (row <= 0 || !page.grid.Get(row, TFLG).empty()) return;
    // A blank row is filled from the default row before its first change. Only this row: the
    // user's other selected rows keep their data.
    ApplyRowValuesToRow(page, row, page.grid.GetRow(0), true, true);
    view->Grid()->SelectRow(row);
    view->Refresh();
}
