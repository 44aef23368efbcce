// Send to radio with its safety net: the radio is read into a backup file before the write and
// read back after it, and every memory written is compared with the page. One write is one
// unit on one port and holds nothing process-wide; the program and lumo-cli only call it.
#pragma once

#include "edit/page_compare.h"
#include "transfer/transfer_commands.h"
#include "util/settings.h"

namespace lumo {

// The safety net as the user set it; both on unless turned off.
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
    // A backup that fails asks whether to write without one (the program), or stops the write
    // (lumo-cli, where --no-backup says so beforehand).
    bool offerWriteWithoutBackup = true;
};
SafetyOptions SafetyOptionsOf(const WriteSafety& safety, const wxString& backupFolder);
// A write without either, as Send to radio was before them.
SafetyOptions PlainWrite();

struct VerifyResult {
    bool done = false;  // the radio was read back and compared
    int status = 0;     // of the read back; 0 when there was none
    int compared = 0;   // memories compared
    std::vector<MemoryDifference> differences;
    bool Passed() const { return done && differences.empty(); }
};

// What one Send to radio did.
struct WriteResult {
    // The command's status: the write's, or the failed backup's when that stopped the write
    // (Cancelled when its file could not be saved).
    int status = kTransferPortError;
    TransferOutcome write;  // the write itself ("Complete: 40 memories written.")
    wxString backupFile;    // empty: no backup was taken
    bool backupFailed = false;
    VerifyResult verify;
    wxString message;  // the box that ends the command: the write's text, then the net's
    DialogIcon icon = DialogIcon::None;
};

// "Written: 40 memories; verified: 40 memories match; backup: PATH", one line.
wxString WriteSummary(const WriteResult& result);
// The verify's differences, one line each ("memory 5 DESC: "ONE" -> "0NE""); 0: no limit.
std::vector<wxString> VerifyLines(const VerifyResult& verify, size_t limit = 0);

// Send to radio with its checks, ending with exactly one box; the page's cells that differ
// from what the radio holds afterwards get the mark colour. Returns the status, or -1 when a
// check stopped it before a transfer began.
int UploadCommand(TransferEnvironment& env, const SafetyOptions& safety, Page& page, int pageNumber,
                  const wxString& port, WriteResult* result = nullptr);

}  // namespace lumo
