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
// A port on another machine has as long to connect as a radio has to answer.
constexpr int kConnectMs = 30000;

// The transfer log is kept only when the user asked for it by creating the file. A command's
// later sessions add to what its first one wrote.
void OpenTransferLog(TransferContext& c, bool continues) {
    if (!wxFileExists(c.logPath)) return;
    if (!continues) wxRemoveFile(c.logPath);
    c.log.Open(c.logPath, continues ? "a" : "w");
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

TransferOutcome Ended(int status, const wxString& text, DialogIcon icon) {
    TransferOutcome outcome;
    outcome.status = status;
    outcome.message = text;
    outcome.icon = icon;
    return outcome;
}

// A port on another machine names itself and what became of its connection, so that the
// user of a fleet knows which bench to look at.
TransferOutcome Failure(int status, const wxString& text, const wxAsyncSerial& link) {
    wxString trouble = link.NetworkTrouble();
    if (!trouble.empty()) LUMO_LOG(kUnit, " . Port %s", trouble);
    return Ended(status, trouble.empty() ? text : text + "\n" + trouble, DialogIcon::Error);
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
TransferOutcome Outcome(TransferContext& c, int status, int mode, bool digital, bool pause) {
    bool endRecord = (status == kTransferComplete && mode == kTransferWrite) ||
                     status == kTransferRefused || status == kTransferCancelled;
    if (digital && endRecord) SendEndRecord(c);
    switch (status) {
        case kTransferComplete:
            c.progress->SetStatusText("Transfer Complete.");
            c.Log("Transfer Complete.\n");
            if (pause) Wait(c, kClosingPauseMs, true);
            return Ended(status, CompletionText(c, mode), DialogIcon::Information);
        case kTransferCancelled:
            if (digital) c.progress->SetStatusText("Transfer Cancelled.");
            c.Log("Transfer cancelled by user.\n");
            if (digital) Wait(c, kClosingPauseMs, true);
            return Ended(status, StatusText(status), DialogIcon::None);
        case kTransferTimeout: c.Log("<Timeout>\n"); break;
        default: break;
    }
    return Failure(status, FailureText(c, status, digital), *c.serial);
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

TransferOutcome PortFailure(const Page& page, const wxAsyncSerial& link) {
    TransferContext c;
    return Failure(kTransferPortError, FailureText(c, kTransferPortError, UsesDigitalSession(page)),
                   link);
}

std::unique_ptr<wxAsyncSerial> OpenRadioPort(const wxString& port) {
    auto link = std::make_unique<wxAsyncSerial>(
        wxString(PlatformPortName(std::string(port.mb_str()))), kLineBaud);
    if (!link->IsOpen()) LUMO_LOG(kUnit, " . Port %s: %s", port, link->LastError());
    return link;
}

TransferOutcome RunTransfer(const TransferEnvironment& env, const SessionSetup& setup, Page& page,
                            int mode) {
    setup.progress->SetRange(page.grid.RowCount());
    setup.progress->SetValue(0);
    TransferContext c;
    c.progress = setup.progress;
    c.clock = env.clock;
    c.dialogs = env.dialogs;
    c.held = setup.held;
    c.keepRadioId = setup.keepRadioId;
    c.waitSliceMs = env.waitSliceMs;
    bool digital = UsesDigitalSession(page);
    c.logPath = digital ? env.logPath : env.analogLogPath;
    c.hardwareDirectory = env.hardwareDirectory;
    OpenTransferLog(c, setup.laterSession);
    c.serial = setup.link;
    // Each session starts as on a port just opened: at the line's speed, with nothing unread.
    if (setup.laterSession) {
        c.serial->SetBaudRate(kLineBaud);
        c.serial->Read();
    }
    // Connected first, so that the session's paced keys and time limits start with the line.
    int status = WaitForLink(c, kConnectMs);
    if (status == 0)
        status = digital ? DoTransferData(c, page, mode) : DoAnalogTransferData(c, page, mode);
    TransferOutcome outcome = Outcome(c, status, mode, digital, setup.closingPause);
    outcome.memories = c.memories;
    outcome.writtenRows = std::move(c.writtenRows);
    outcome.radioId = c.radioId;
    if (c.hardware.IsOpened()) c.hardware.Close();
    if (c.log.IsOpened()) c.log.Close();
    return outcome;
}

TransferOutcome TransferData(TransferEnvironment& env, Page& page, int mode, const wxString& port,
                             const wxString& title) {
    std::unique_ptr<TransferProgress> progress = env.makeProgress(title);
    progress->SetRange(page.grid.RowCount());
    progress->SetValue(0);
    std::unique_ptr<wxAsyncSerial> link = OpenRadioPort(port);
    if (!link->IsOpen()) return PortFailure(page, *link);
    HeldRadio forgotten;  // without one from the program, this transfer's radio is forgotten
    SessionSetup setup;
    setup.link = link.get();
    setup.progress = progress.get();
    setup.held = env.heldRadio ? env.heldRadio : &forgotten;
    TransferOutcome outcome = RunTransfer(env, setup, page, mode);
    link->Close();
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

}  // namespace lumo
