// The radio transfer commands of the main frame.
#include "lumo_frame.h"

#include "page_view.h"
#include "progress_frame.h"
#include "transfer/transfer_commands.h"

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

void LumoFrame::OnUpload(wxCommandEvent&) {
    PageView* view = CurrentView();
    if (!view) return;
    view->Grid()->DisableCellEditControl();
    view->SelectionToStore();
    TransferEnvironment env = EnvironmentOf(this, Dialogs(), clock_, heldRadio_);
    UploadCommand(env, view->GetPage(), pages_.Current(), port_.name);
    view->SelectionFromStore();
    view->Refresh();
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
