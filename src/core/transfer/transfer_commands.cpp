#include "transfer/transfer_commands.h"

#include "transfer/async_serial.h"
#include "transfer/digital_session.h"
#include "transfer/transfer_status.h"
#include "transfer/trecord.h"
#include "util/diag_log.h"

#include <wx/filename.h>

namespace lumo {

namespace {
constexpr const char* kUnit = "LumoMain";
constexpr unsigned kLineBaud = 9600;
constexpr int kClosingPauseMs = 1000;
constexpr const char* kAnalogUnavailable =
    "Transfers with analog radios and the M6 module are not available in this version of Lumo.";

// The transfer log is kept only when the user asked for it by creating the file.
void OpenTransferLog(TransferContext& c) {
    if (!wxFileExists(c.logPath)) return;
    wxRemoveFile(c.logPath);
    c.log.Open(c.logPath, "w");
}

void SendEndRecord(TransferContext& c) {
    c.serial->Write(sendEndRecord() + "\r");
}

void ReportStatus(TransferEnvironment& env, TransferContext& c, int status, int mode) {
    auto error = [&](const wxString& text) {
        env.dialogs->Message(text, "Error", DialogIcon::Error);
    };
    switch (status) {
        case kTransferComplete:
            if (mode == kTransferWrite || c.stoppedAtModes) SendEndRecord(c);
            c.progress->SetStatusText("Transfer Complete.");
            c.Log("Transfer Complete.\n");
            Wait(c, kClosingPauseMs, true);
            break;
        case kTransferPortError: error("Invalid COM Port (or Port in use)"); break;
        case kTransferNoReply:
            error(wxString::Format("Communication Error at channel %d", c.step));
            break;
        case kTransferTimeout:
            error(
                "Timeout Error\nVerify Radio is in PC Download mode (3-8)\nand correct COM port "
                "is selected");
            c.Log("<Timeout>\n");
            break;
        case kTransferRefused:
            SendEndRecord(c);
            error(wxString::Format("Radio rejected channel %d", c.step));
            break;
        case kTransferChecksum:
            error(wxString::Format("Checksum Error on channel %d", c.step));
            break;
        case kTransferNothingSelected: error("No data selected for transfer to Radio"); break;
        case kTransferInvalidData:
            error("Selected operation requires updated software in Radio");
            break;
        case kTransferCancelled:
            SendEndRecord(c);
            c.progress->SetStatusText("Transfer Cancelled.");
            c.Log("Transfer cancelled by user.\n");
            Wait(c, kClosingPauseMs, true);
            break;
        default: error(wxString::Format("Download Failure %d %d", status, c.step)); break;
    }
}
}  // namespace

bool UsesDigitalSession(const Page& page) {
    return page.IsP25() || (page.Type() == kMODX && page.params.band == 9);
}

int TransferData(TransferEnvironment& env, Page& page, int mode, const wxString& port,
                 const wxString& title) {
    std::unique_ptr<TransferProgress> progress = env.makeProgress(title);
    progress->SetRange(page.grid.RowCount());
    progress->SetValue(0);
    TransferContext c;
    c.progress = progress.get();
    c.clock = env.clock;
    c.dialogs = env.dialogs;
    c.waitSliceMs = env.waitSliceMs;
    c.logPath = env.logPath;
    c.hardwareDirectory = env.hardwareDirectory;
    OpenTransferLog(c);
    wxAsyncSerial serial(nullptr, wxString(PlatformPortName(std::string(port.mb_str()))),
                         kLineBaud);
    c.serial = &serial;
    int status = kTransferPortError;
    if (serial.IsOpen())
        status = DoTransferData(c, page, mode);
    else
        LUMO_LOG(kUnit, " . Port %s: %s", port, serial.LastError());
    ReportStatus(env, c, status, mode);
    if (c.hardware.IsOpened()) c.hardware.Close();
    if (c.log.IsOpened()) c.log.Close();
    serial.Close();
    return status;
}

namespace {
void ShowStatus(TransferEnvironment& env, int status, const char* caption) {
    LUMO_LOG(kUnit, " . Status: %d - %s", status, StatusText(status));
    env.dialogs->Message(StatusText(status), caption);
}
}  // namespace

int DownloadCommand(TransferEnvironment& env, Page& page, int pageNumber, const wxString& port) {
    LUMO_LOG(kUnit, "\n>----------- OnDownload - (Read data from Radio) --------------------<");
    Dialogs& dialogs = *env.dialogs;
    if (dialogs.Ask("This will overwrite any data on this page! Continue?",
                    "Read Channel Data from Radio?",
                    DialogButtons::OkCancel) == DialogAnswer::Cancel)
        return -1;
    if (page.params.radio < 0) {
        dialogs.Message("No target radio selected!", "Error!");
        return -1;
    }
    if (port == "none") {
        dialogs.Message("No Port selected!", "Error!");
        return -1;
    }
    // Without a session for this radio, the page is not cleared for nothing.
    if (!UsesDigitalSession(page)) {
        dialogs.Message(kAnalogUnavailable, "Error!");
        return -1;
    }
    LUMO_LOG(kUnit, ". From: %s, Band: %s", page.strings.radioName, page.strings.bandName);
    ClearPage(page, pageNumber);
    wxString title = "Read " + page.strings.typeCode + " Memory Data Progress";
    int status = TransferData(env, page, kTransferRead, port, title);
    ShowStatus(env, status, "Read from Radio Status");
    return status;
}

namespace {
bool HasSelectedRow(const Page& page) {
    for (int row = 0; row <= page.Rows(); ++row)
        if (page.grid.GetSelection().IsRowSelected(row)) return true;
    return false;
}
}  // namespace

int UploadCommand(TransferEnvironment& env, Page& page, int pageNumber, const wxString& port) {
    LUMO_LOG(kUnit, "\n>----------- OnUpload (Send channel data to Radio) ------------------<");
    LUMO_LOG(kUnit, ". To Radio: %d from Page: %d, Type %d, Band %d.", page.params.radio,
             pageNumber + 1, page.Type(), page.params.band);
    Dialogs& dialogs = *env.dialogs;
    if (port == "none") {
        dialogs.Message("No Port selected!", "Error!");
        return -1;
    }
    if (!HasSelectedRow(page)) {
        dialogs.Message("No data selected!", "Error!");
        return -1;
    }
    int status;
    switch (page.Type()) {
        case kRP25:
        case kEP25:
            status = TransferData(env, page, kTransferWrite, port, "Send to RP25 Radio Progress");
            break;
        case kMODX:
            if (page.params.band != 8) {
                status = TransferData(env, page, kTransferWrite, port,
                                      "Send to MODX M7 Module Progress");
                break;
            }
            dialogs.Message(kAnalogUnavailable, "Error!");
            return -1;
        case kR19:
            dialogs.Message("VR-19 is not currently supported!", "Error!");
            status = kTransferUnsupported;
            break;
        case kDAMX:
            LUMO_LOG(kUnit, " . Error No Type");
            status = kTransferInvalidData;
            break;
        default: dialogs.Message(kAnalogUnavailable, "Error!"); return -1;
    }
    ShowStatus(env, status, "Write to Radio Status");
    return status;
}

}  // namespace lumo
