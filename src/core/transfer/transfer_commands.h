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
#include <vector>

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

// How a transfer ended: its status and what the one box at its end tells the user, with what
// the radio took and told.
struct TransferOutcome {
    int status = kTransferPortError;
    wxString message;
    DialogIcon icon = DialogIcon::None;
    int memories = 0;              // written or read
    std::vector<int> writtenRows;  // the rows whose memories the radio took
    wxString radioId;              // as the radio reported it (digital radios)
};

// One session on a port that is open already: a port may carry several in a row (a backup,
// the write, a verify).
struct SessionSetup {
    wxAsyncSerial* link = nullptr;
    TransferProgress* progress = nullptr;
    HeldRadio* held = nullptr;
    bool keepRadioId = false;  // a read that leaves the radio's ID as it is
    // A later session of one command on the port: it adds to the transfer log and starts the
    // line afresh (its speed, nothing unread).
    bool laterSession = false;
    bool closingPause = true;  // the pause that shows "Transfer Complete."
};
TransferOutcome RunTransfer(const TransferEnvironment& env, const SessionSetup& setup, Page& page,
                            int mode);
// "Invalid COM Port (or Port in use)": the outcome of a port that did not open.
TransferOutcome PortFailure(const Page& page, const wxAsyncSerial& link);
// The port as a link at the line's speed; test IsOpen().
std::unique_ptr<wxAsyncSerial> OpenRadioPort(const wxString& port);

// Opens the port, runs the session for the page's radio and closes the port again.
TransferOutcome TransferData(TransferEnvironment& env, Page& page, int mode, const wxString& port,
                             const wxString& title);
// Get from radio with its questions and checks; it ends with exactly one box. Returns the
// status, or -1 when a check stopped it before a transfer began. (Send to radio, with its
// backup and verify, is commands/radio_write.)
int DownloadCommand(TransferEnvironment& env, Page& page, int pageNumber, const wxString& port);
// True when the page's radio speaks memory records (the P25 radios).
bool UsesDigitalSession(const Page& page);

}  // namespace lumo
