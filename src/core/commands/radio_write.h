// Send to radio with its safety net: the radio is read into a backup file before the write and
// read back after it, and what it holds is compared with the page. One write is one unit on
// one port, holding nothing process-wide, so several radios can be written side by side; the
// program and lumo-cli only call it.
#pragma once

#include "edit/page_compare.h"
#include "transfer/transfer_commands.h"
#include "util/settings.h"

namespace lumo {

// The safety net around a write to a radio as the user set it; both on unless turned off.
struct WriteSafety {
    bool backup = true;  // read the radio into a backup file before writing
    bool verify = true;  // read it back after writing and compare
};
WriteSafety ReadWriteSafety(const Settings& settings);
void SaveWriteSafety(Settings& settings, const WriteSafety& safety);

struct SafetyOptions {
    bool backup = true;
    bool verify = true;
    wxString backupFolder;  // empty: DefaultBackupFolder()
    // A backup that fails asks whether to write without one (the program), or stops the write.
    bool offerWriteWithoutBackup = true;
};
// A write as it was before backups and verifies: neither.
inline SafetyOptions PlainWrite() {
    SafetyOptions options;
    options.backup = options.verify = false;
    return options;
}

// One radio on one port: the open link, what the program knows of the radio it read last, and
// the progress display.
struct RadioPort {
    wxAsyncSerial* link = nullptr;
    HeldRadio* held = nullptr;
    TransferProgress* progress = nullptr;
};

struct VerifyResult {
    bool done = false;  // the radio was read back and compared
    int status = 0;     // of the read back; 0 when there was none
    int compared = 0;   // memories compared
    std::vector<MemoryDifference> differences;
    bool Passed() const { return done && differences.empty(); }
};

// What one write did.
struct WriteResult {
    wxString radioModel, radioId, firmware;  // the ID and firmware as the radio reported them
    // The write's status; when a failed backup stopped the write, the backup's (Cancelled when
    // its file could not be saved).
    int status = kTransferPortError;
    int memoriesWritten = 0;
    wxString backupFile;  // empty: no backup was taken
    VerifyResult verify;
    double seconds = 0;
    wxString message;  // what the box at the end says
    DialogIcon icon = DialogIcon::None;
};

// Backs the radio up (when asked and possible), writes the page's selected memories and reads
// the radio back to compare every memory written.
WriteResult WriteRadio(const TransferEnvironment& env, const RadioPort& port, Page& page,
                       int pageNumber, const SafetyOptions& options);

// "Written: 40 memories; verified: 40 memories match; backup: PATH", in one line.
wxString WriteSummary(const WriteResult& result);
// The verify's differences, one line each ("memory 5 DESC: "ONE" -> "0NE""); 0: no limit.
std::vector<wxString> VerifyLines(const VerifyResult& verify, size_t limit = 0);

// Send to radio with its checks, ending with exactly one box; the page's cells that differ
// from what the radio holds afterwards get the mark colour. Returns the status, or -1 when a
// check stopped it before a transfer began.
int UploadCommand(TransferEnvironment& env, const SafetyOptions& safety, Page& page,
                  int pageNumber, const wxString& port, WriteResult* result = nullptr);

}  // namespace lumo
