// The state of one transfer with a radio: the link, the progress display, the clock, and the
// session's own bookkeeping. One context lives for the duration of one command.
#pragma once

#include "transfer/transfer_progress.h"
#include "transfer/wx_async_serial.h"
#include "util/dialogs.h"

#include <wx/ffile.h>

#include <vector>

namespace lumo {

enum TransferMode { kTransferWrite = 0, kTransferRead = 1 };

// What the last read learnt of a radio: the ID a write compares with the radio's, to decide
// whether the radio must be purged. The program keeps one for its run; nothing process-wide.
struct HeldRadio {
    wxString radioId;   // 14 digits, empty until a radio was read
    wxString firmware;  // 6 hex digits
};

struct TransferContext {
    wxAsyncSerial* serial = nullptr;
    TransferProgress* progress = nullptr;
    const TransferClock* clock = nullptr;
    Dialogs* dialogs = nullptr;  // the operating-modes and purge questions
    HeldRadio* held = nullptr;
    // How long a wait sleeps at most before it looks at the Cancel button again (real time).
    int waitSliceMs = 20;
    // Where the optional transfer log lives; it is written only when it exists already.
    wxString logPath = "Lumo.log";
    wxString hardwareDirectory = "Logs";
    // A read that leaves the radio as it was (a backup, a verify): it asks the radio for its
    // ID instead of giving it a new one, so the next write purges exactly as it would have.
    bool keepRadioId = false;

    wxString lastRecord, reply, received, statusMessage;
    int step = 0;
    int count = 0;
    int status = 0;
    unsigned flags = 0;
    int radioModes = 0x70;
    int invalidModes = 0;
    int retries = 0;
    int protocolIndex = 0;
    int protocolVersion = 1;
    int memories = 0;              // memories written or read
    int erased = 0;                // memories erased one by one
    std::vector<int> writtenRows;  // the rows whose memories the radio took
    wxString radioId;              // the ID the radio reported
    bool counting = false;         // the gauge shows a count, which a pulse would hide
    wxFFile log;
    wxFFile hardware;

    void Log(const wxString& text) {
        if (log.IsOpened()) log.Write(text);
    }
    // The text of the current phase: shown in the progress display and written to the log.
    void SetStatusMessage(const wxString& text) {
        statusMessage = text;
        progress->SetStatusText(text);
        Log(text + "\n");
    }
    void ShowCount(int value) {
        progress->SetValue(value);
        counting = true;
    }
};

}  // namespace lumo
