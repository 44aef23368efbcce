#include "transfer/transfer_commands.h"

#include "edit/row_values.h"
#include "transfer/analog_session.h"
#include "transfer/async_serial.h"
#include "transfer/digital_session.h"
#include "transfer/transfer_status.h"
#include "transfer/transfer_wait.h"
#include "transfer/trecord.h"
#include "util/diag_log.h"

#include <wx/filename.h>
#include <wx/stdpaths.h>

namespace lumo {

namespace {
constexpr const char* kUnit = "LumoMain";
constexpr unsigned kLineBaud = 9600;
constexpr int kClosingPauseMs = 1000;

// The transfer log is kept only when the user asked for it by creating the file.
void OpenTransferLog(TransferContext& c) {
    if (!wxFileExists(c.logPath)) return;
    wxRemoveFile(c.logPath);
    c.log.Open(c.logPath, "w");
}

void SendEndRecord(TransferContext& c) {
    c.serial->Write(sendEndRecord() + "\r");
}

// "Complete: 40 memories written." / "Complete: 1 memory read."
wxString CompletionText(const TransferContext& c, int mode) {
    wxString text =
        wxString::Format("Complete: %d %s %s", c.memories, c.memories == 1 ? "memory" : "memories",
                         mode == kTransferWrite ? "written" : "read");
    if (c.erased > 0) text << wxString::Format(", %d erased", c.erased);
    return text + ".";
}

TransferOutcome Failure(int status, const wxString& text) {
    return {status, text, DialogIcon::Error};
}

// The box's text for a failure, by kind of session: the analog radios word some errors their
// own way. "%d" stands for the step the transfer had reached; nullptr for the common text.
struct FailureTexts {
    int status;
    const char* digital;
    const char* analog;
};

const FailureTexts kFailureTexts[] = {
    {kTransferPortError, "Invalid COM Port (or Port in use)", "Invalid COM Port (or Port in use)"},
    {kTransferNoReply, "Communication Error at channel %d", nullptr},
    {kTransferTimeout,
     "Timeout Error\nVerify Radio is in PC Download mode (3-8)\nand correct COM port is selected",
     "Timeout Error\nVerify Radio is in PC Download mode\nand correct COM port is selected"},
    {kTransferRefused, "Radio rejected channel %d", "Radio rejected item: %d"},
    {kTransferChecksum, "Checksum Error on channel %d", nullptr},
    {kTransferNothingSelected, "No data selected for transfer to Radio",
     "No data selected for transfer to Radio"},
    {kTransferInvalidData, "Selected operation requires updated software in Radio", nullptr},
    {kTransferUnsupported, nullptr,
     "The requested function is not supported\nby the firware in the Radio"},
};

wxString FailureText(const TransferContext& c, int status, bool digital) {
    if (digital && status == kTransferRefused && c.step == -10)  // the protocol search
        return wxString::Format("Radio rejected transfer protocols 0 to %d", c.protocolIndex);
    for (const FailureTexts& texts : kFailureTexts) {
        const char* text = digital ? texts.digital : texts.analog;
        if (texts.status != status || !text) continue;
        return wxString(text).Contains("%d") ? wxString::Format(text, c.step) : wxString(text);
    }
    return wxString::Format("Download Failure %d %d", status, c.step);
}

// What the end of a session shows, logs and tells the radio: a digital radio is sent the end
// record after a write, a refusal or a cancel.
TransferOutcome Outcome(TransferContext& c, int status, int mode, bool digital) {
    bool endRecord = (status == kTransferComplete && mode == kTransferWrite) ||
                     status == kTransferRefused || status == kTransferCancelled;
    if (digital && endRecord) SendEndRecord(c);
    switch (status) {
        case kTransferComplete:
            c.progress->SetStatusText("Transfer Complete.");
            c.Log("Transfer Complete.\n");
            Wait(c, kClosingPauseMs, true);
            return {status, CompletionText(c, mode), DialogIcon::Information};
        case kTransferCancelled:
            if (digital) c.progress->SetStatusText("Transfer Cancelled.");
            c.Log("Transfer cancelled by user.\n");
            if (digital) Wait(c, kClosingPauseMs, true);
            return {status, StatusText(status), DialogIcon::None};
        case kTransferTimeout: c.Log("<Timeout>\n"); break;
        default: break;
    }
    return Failure(status, FailureText(c, status, digital));
}
}  // namespace

wxString DefaultAnalogLogPath() {
    // The program's data directory, whichever front end (lumo, lumo-cli) runs the transfer.
#ifdef __UNIX__
    const char* folder = ".lumo";
#else
    const char* folder = "Lumo";
#endif
    wxFileName path(wxStandardPaths::Get().GetUserConfigDir(), "Lumo.log");
    path.AppendDir(folder);
    return path.GetFullPath();
}

bool UsesDigitalSession(const Page& page) {
    return RadioFactsOf(page.params.radio).digitalSession;
}

TransferOutcome TransferData(TransferEnvironment& env, Page& page, int mode, const wxString& port,
                             const wxString& title) {
    std::unique_ptr<TransferProgress> progress = env.makeProgress(title);
    progress->SetRange(page.grid.RowCount());
    progress->SetValue(0);
    TransferContext c;
    c.progress = progress.get();
    c.clock = env.clock;
    c.dialogs = env.dialogs;
    HeldRadio forgotten;  // without one from the program, this transfer's radio is forgotten
    c.held = env.heldRadio ? env.heldRadio : &forgotten;
    c.waitSliceMs = env.waitSliceMs;
    bool digital = UsesDigitalSession(page);
    c.logPath = digital ? env.logPath : env.analogLogPath;
    c.hardwareDirectory = env.hardwareDirectory;
    OpenTransferLog(c);
    wxAsyncSerial serial(wxString(PlatformPortName(std::string(port.mb_str()))), kLineBaud);
    c.serial = &serial;
    int status = kTransferPortError;
    if (serial.IsOpen())
        status = digital ? DoTransferData(c, page, mode) : DoAnalogTransferData(c, page, mode);
    else
        LUMO_LOG(kUnit, " . Port %s: %s", port, serial.LastError());
    TransferOutcome outcome = Outcome(c, status, mode, digital);
    if (c.hardware.IsOpened()) c.hardware.Close();
    if (c.log.IsOpened()) c.log.Close();
    serial.Close();
    return outcome;
}

namespace {
// The one box that ends a transfer.
void ShowOutcome(TransferEnvironment& env, const TransferOutcome& outcome, const char* caption) {
    LUMO_LOG(kUnit, " . Status: %d - %s", outcome.status, StatusText(outcome.status));
    env.dialogs->Message(outcome.message, caption, outcome.icon);
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
    LUMO_LOG(kUnit, ". From: %s, Band: %s", page.strings.radioName, page.strings.bandName);
    // The radio's memories are read into a cleared copy, which replaces the page only when the
    // read completes: a read that fails half-way leaves the page as it was.
    Page incoming = page;
    incoming.grid.SetObserver(nullptr);
    ClearPage(incoming, pageNumber);
    wxString title = "Read " + page.strings.typeCode + " Memory Data Progress";
    TransferOutcome outcome = TransferData(env, incoming, kTransferRead, port, title);
    page.operatingModes = incoming.operatingModes;
    if (outcome.status == kTransferComplete) AdoptPage(page, std::move(incoming));
    ShowOutcome(env, outcome, "Read from Radio Status");
    return outcome.status;
}

namespace {
// A single-channel analog radio needs its main channel and both guards in every write.
bool PassesGuardRule(const Page& page) {
    if (!RadioFactsOf(page.params.radio).singleChannel || !page.HasGuardRows()) return true;
    const Selection& selection = page.grid.GetSelection();
    return page.IsRowUsed(0) && page.IsRowUsed(page.FirstGuardRow()) &&
           page.IsRowUsed(page.SecondGuardRow()) && selection.IsRowSelected(page.FirstGuardRow()) &&
           selection.IsRowSelected(page.SecondGuardRow());
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
    if (!AnyRowSelected(page)) {
        dialogs.Message("No data selected!", "Error!");
        return -1;
    }
    TransferOutcome outcome;
    switch (page.Type()) {
        case kRP25:
        case kEP25:
            outcome = TransferData(env, page, kTransferWrite, port, "Send to RP25 Radio Progress");
            break;
        case kMODX:
            outcome =
                TransferData(env, page, kTransferWrite, port, "Send to MODX M6 Module Progress");
            break;
        case kR19:
            // The message is the transfer's one box.
            dialogs.Message("VR-19 is not currently supported!", "Error!");
            return kTransferUnsupported;
        case kDAMX:
            LUMO_LOG(kUnit, " . Error No Type");
            outcome = Failure(kTransferInvalidData, StatusText(kTransferInvalidData));
            break;
        default:  // ANFM, ANAM, FMAM
            if (!PassesGuardRule(page)) {
                dialogs.Message(
                    "For single channel analog radios\n(VR-11, 12, 13, 13B 14):\n\n"
                    "At least one Main channel and\n both Guards must be selected!",
                    "Error!");
                return -1;
            }
            outcome = TransferData(env, page, kTransferWrite, port, "Send to ANFM Radio Progress");
            break;
    }
    ShowOutcome(env, outcome, "Write to Radio Status");
    return outcome.status;
}

}  // namespace lumo
