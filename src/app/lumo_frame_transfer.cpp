// The radio transfer commands of the main frame, and the safety net of writes: the settings,
// the last backup and the comparison with a file.
#include "lumo_frame.h"

#include "commands/commands.h"
#include "commands/radio_write.h"
#include "files/backups.h"
#include "files/file_commands.h"
#include "fleet_window.h"
#include "page_view.h"
#include "progress_frame.h"
#include "transfer/transfer_commands.h"

#include <wx/menu.h>

using namespace lumo;

namespace {
TransferEnvironment EnvironmentOf(LumoFrame* frame, Dialogs& dialogs, const TransferClock& clock,
                                  HeldRadio& held) {
    TransferEnvironment env;
    env.dialogs = &dialogs;
    env.clock = &clock;
    env.heldRadio = &held;
    env.makeProgress = [frame](const wxString& title) -> std::unique_ptr<TransferProgress> {
        return std::make_unique<ProgressFrameView>(frame, title);
    };
    return env;
}
}  // namespace

void LumoFrame::SetPort(const wxString& name) {
    port_.name = name;
    SetStatusText(name, 4);
}

void LumoFrame::SetPort(const PortSelection& selection) {
    port_ = selection;
    SetStatusText(port_.IsChosen() ? port_.name : wxString(), 4);
}

void LumoFrame::OnUpload(wxCommandEvent&) {
    PageView* view = CurrentView();
    if (!view) return;
    view->Grid()->DisableCellEditControl();
    view->SelectionToStore();
    TransferEnvironment env = EnvironmentOf(this, Dialogs(), clock_, heldRadio_);
    SafetyOptions safety = SafetyOptionsOf(ReadWriteSafety(*settings_), backupFolder_);
    UploadCommand(env, safety, view->GetPage(), pages_.Current(), port_.name);
    view->SelectionFromStore();
    view->Refresh();
}

// The writes run on threads of their own behind their window; the program stays usable.
void LumoFrame::OnSendToSeveral(wxCommandEvent&) {
    PageView* view = CurrentView();
    if (!view) return;
    view->Grid()->DisableCellEditControl();
    view->SelectionToStore();
    if (!AnyRowSelected(view->GetPage())) {
        Dialogs().Message("No data selected!", "Error!");
        return;
    }
    TransferEnvironment env = EnvironmentOf(this, Dialogs(), clock_, heldRadio_);
    SafetyOptions safety = SafetyOptionsOf(ReadWriteSafety(*settings_), backupFolder_);
    std::vector<wxString> ports = OfferedPorts(port_, ProbePorts(CandidatePorts()));
    auto* window =
        new FleetWindow(this, Dialogs(), view->GetPage(), pages_.Current(), env, safety, ports);
    window->OnDeviceTyped([this](const wxString& device) {
        AddTypedPort(port_, device);
        RememberPort(*settings_, port_);
    });
    window->Show();
}

void LumoFrame::OnDownload(wxCommandEvent&) {
    PageView* view = CurrentView();
    if (!view) return;
    view->Grid()->DisableCellEditControl();
    view->SelectionToStore();
    TransferEnvironment env = EnvironmentOf(this, Dialogs(), clock_, heldRadio_);
    DownloadCommand(env, view->GetPage(), pages_.Current(), port_.name);
    view->SelectionFromStore();
    AdjustEditGrid();
    ShowPageStatus(pages_.Current());
}

void LumoFrame::SetSettings(std::unique_ptr<Settings> settings) {
    settings_ = std::move(settings);
    // The port chosen in an earlier run (a port given on the command line replaces it later).
    SetPort(RecalledPort(*settings_));
    ShowSafetySettings();
    recent_.Load(*settings_);
    ShowRecentFiles();
    RestoreGeometry();
}

void LumoFrame::ShowSafetySettings() {
    WriteSafety safety = ReadWriteSafety(*settings_);
    GetMenuBar()->Check(ID_BACKUP_BEFORE_WRITING, safety.backup);
    GetMenuBar()->Check(ID_VERIFY_AFTER_WRITING, safety.verify);
}

// The setting changes with each choice of its item, however the item's own mark got there.
void LumoFrame::OnBackupSetting(wxCommandEvent&) {
    WriteSafety safety = ReadWriteSafety(*settings_);
    safety.backup = !safety.backup;
    SaveWriteSafety(*settings_, safety);
    ShowSafetySettings();
}

void LumoFrame::OnVerifySetting(wxCommandEvent&) {
    WriteSafety safety = ReadWriteSafety(*settings_);
    safety.verify = !safety.verify;
    SaveWriteSafety(*settings_, safety);
    ShowSafetySettings();
}

void LumoFrame::OnOpenLastBackup(wxCommandEvent&) {
    PageView* view = CurrentView();
    if (!view) return;
    view->Grid()->DisableCellEditControl();
    wxString path = LastBackupCommand(Dialogs(), view->GetPage(), backupFolder_);
    if (!path.empty()) OpenOnNewPage(path);
}

void LumoFrame::OnCompareWithFile(wxCommandEvent&) {
    RunOnPage([&](Page& page) { CompareFileCommand(Dialogs(), page, pages_.Current()); });
}
