// The two commands that talk to a radio: Get from radio (read into the current page) and Send to
// radio (write the current page), and TransferData, which wraps one session in its progress
// display, the optional transfer log and the error report.
#pragma once

#include "pages/page.h"
#include "transfer/transfer_context.h"
#include "transfer/transfer_status.h"
#include "util/dialogs.h"

#include <functional>
#include <memory>

namespace lumo {

// "Lumo.log" in the user's data directory for Lumo.
wxString DefaultAnalogLogPath();

// What the program around a transfer provides.
struct TransferEnvironment {
    Dialogs* dialogs = nullptr;
    // Makes the progress display when a transfer starts; it lives until the transfer ends.
    std::function<std::unique_ptr<TransferProgress>(const wxString& title)> makeProgress;
    const TransferClock* clock = nullptr;
    // The radio the program read last; without it every write purges the radio.
    HeldRadio* heldRadio = nullptr;
    int waitSliceMs = 20;
    wxString logPath = "Lumo.log";                    // digital radios: in the working directory
    wxString analogLogPath = DefaultAnalogLogPath();  // analog radios: in the data directory
    wxString hardwareDirectory = "Logs";
};

// How a transfer ended: its status and what the one box at its end tells the user.
struct TransferOutcome {
    int status = kTransferPortError;
    wxString message;
    DialogIcon icon = DialogIcon::None;
};

// Opens the port, runs the session for the page's radio and closes the port again.
TransferOutcome TransferData(TransferEnvironment& env, Page& page, int mode, const wxString& port,
                             const wxString& title);
// The commands with their questions and checks; each ends with exactly one box. Return the
// status, or -1 when a check stopped them before a transfer began.
int DownloadCommand(TransferEnvironment& env, Page& page, int pageNumber, const wxString& port);
int UploadCommand(TransferEnvironment& env, Page& page, int pageNumber, const wxString& port);
// True when the page's radio speaks memory records (the P25 radios).
bool UsesDigitalSession(const Page& page);

}  // namespace lumo
