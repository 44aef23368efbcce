#include "commands/radio_write.h"

#include "edit/row_values.h"
#include "files/backups.h"
#include "util/diag_log.h"

namespace lumo {

namespace {
constexpr const char* kUnit = "LumoMain";
constexpr size_t kBoxDifferenceLines = 20;
constexpr const char* kBackupKey = "/Safety/BackupBeforeWriting";
constexpr const char* kVerifyKey = "/Safety/VerifyAfterWriting";

// A cleared copy of the page to read the radio into.
Page BlankCopy(const Page& page, int pageNumber) {
    Page copy = page;
    copy.grid.SetObserver(nullptr);
    ClearPage(copy, pageNumber);
    return copy;
}

// Reads the radio into `into` as a later session on the port, leaving the radio's ID as it is.
TransferOutcome ReadBack(const TransferEnvironment& env, SessionSetup setup, Page& into,
                         const wxString& phase) {
    PhaseProgress progress(*setup.progress, phase);
    setup.progress = &progress;
    setup.keepRadioId = true;
    return RunTransfer(env, setup, into, kTransferRead);
}

// The radios that start a read only after a key press are backed up when the user agrees.
bool WantsBackup(Dialogs& dialogs, const Page& page) {
    const char* key = RadioFactsOf(page.params.radio).readKey;
    if (!key) return true;
    wxString text = wxString::Format(
        "Back up the radio before writing to it?\n\nThe radio sends its memories only after %s "
        "is pressed on it. Yes: read it into a backup file first. No: write without a backup.",
        key);
    return dialogs.Ask(text, "Back Up Radio", DialogButtons::YesNo, DialogIcon::Question) ==
           DialogAnswer::Yes;
}

// A radio that was never given an ID reports zeros: it has none.
wxString ReportedId(const wxString& id) {
    return id.find_first_not_of('0') == wxString::npos ? wxString() : id;
}

wxString OneLine(const wxString& text) {
    wxString line = text;
    line.Replace("\n", " ");
    return line;
}

// Reads the radio into a backup file; empty, with `why`, when there is none.
wxString TakeBackup(const TransferEnvironment& env, const SessionSetup& setup, const Page& page,
                    int pageNumber, const SafetyOptions& options, int& status, wxString& why) {
    Page backup = BlankCopy(page, pageNumber);
    TransferOutcome read = ReadBack(env, setup, backup, "Backup: ");
    status = read.status;
    if (read.status != kTransferComplete) {
        why = OneLine(read.message);
        return wxString();
    }
    wxString folder = options.backupFolder.empty() ? DefaultBackupFolder() : options.backupFolder;
    wxString file = SaveBackup(backup, folder, ReportedId(read.radioId), wxDateTime::Now(), &why);
    if (file.empty()) status = kTransferCancelled;
    why = OneLine(why);
    return file;
}

// Reads the radio back and compares each memory it took with the page.
VerifyResult Verify(const TransferEnvironment& env, const SessionSetup& setup, const Page& page,
                    int pageNumber, const std::vector<int>& writtenRows) {
    VerifyResult verify;
    Page back = BlankCopy(page, pageNumber);
    verify.status = ReadBack(env, setup, back, "Verify: ").status;
    if (verify.status != kTransferComplete) return verify;
    verify.done = true;
    verify.compared = static_cast<int>(writtenRows.size());
    for (int row : writtenRows) {
        int other = RadioRow(page, row);
        if (!back.IsRowUsed(other)) {
            verify.differences.push_back({DifferenceKind::Removed, other, row, {}});
            continue;
        }
        std::vector<ColumnDifference> columns = CompareMemory(page, row, back, other, Trip::Radio);
        if (!columns.empty())
            verify.differences.push_back({DifferenceKind::Changed, other, row, columns});
    }
    return verify;
}

// "differences in 2 of 40 memories"
wxString DifferencesText(const VerifyResult& verify) {
    return wxString::Format("differences in %zu of %s", verify.differences.size(),
                            MemoriesText(verify.compared));
}

wxString MatchText(const VerifyResult& verify) {
    return MemoriesText(verify.compared) + (verify.compared == 1 ? " matches" : " match");
}

// What the box says of the verify, and what to do when it failed.
wxString VerifyText(const WriteResult& result) {
    const VerifyResult& verify = result.verify;
    if (!verify.done)
        return "Not verified: the radio could not be read back (" + StatusText(verify.status) +
               "). Get from radio shows what it holds.";
    if (verify.Passed()) return "Verified: " + MatchText(verify);
    wxString text = "Verify: " + DifferencesText(verify) + ":\n";
    for (const wxString& line : VerifyLines(verify, kBoxDifferenceLines))
        text << "    " << line << "\n";
    text << "The radio keeps what was written. Send the page again; if they still differ, ";
    if (result.backupFile.empty()) return text + "check the radio.";
    return text +
           "restore the radio from the backup (Data > Open the last backup, then Send to "
           "radio).";
}

// Backs the radio up (when asked and possible), writes the page's selected memories and reads
// the radio back to compare every memory written.
WriteResult WriteRadio(const TransferEnvironment& env, SessionSetup setup, Page& page,
                       int pageNumber, const SafetyOptions& options) {
    WriteResult result;
    wxString backupLine;  // the box's line on the backup
    if (options.backup && WantsBackup(*env.dialogs, page)) {
        setup.closingPause = false;
        wxString why;
        int status = kTransferComplete;
        result.backupFile = TakeBackup(env, setup, page, pageNumber, options, status, why);
        setup.laterSession = true;
        if (result.backupFile.empty()) {
            LUMO_LOG(kUnit, " . Backup failed: %s", why);
            result.backupFailed = true;
            wxString text =
                "The radio could not be backed up: " + why + "\nNothing was written to the radio.";
            bool goOn = options.offerWriteWithoutBackup &&
                        env.dialogs->Ask(text + "\n\nWrite to the radio without a backup?",
                                         "Backup Failed", DialogButtons::YesNo,
                                         DialogIcon::Exclamation) == DialogAnswer::Yes;
            if (!goOn) {
                result.status = status;
                result.message = text;
                result.icon = DialogIcon::Error;
                return result;
            }
            backupLine = "\nNo backup was taken.";
        } else {
            backupLine = "\nBackup: " + result.backupFile;
        }
    }
    setup.closingPause = !options.verify;
    result.write = RunTransfer(env, setup, page, kTransferWrite);
    result.status = result.write.status;
    result.message = result.write.message;
    result.icon = result.write.icon;
    if (result.status == kTransferComplete && options.verify) {
        setup.laterSession = true;
        setup.closingPause = true;
        result.verify = Verify(env, setup, page, pageNumber, result.write.writtenRows);
        result.message << "\n" << VerifyText(result);
        if (!result.verify.Passed()) result.icon = DialogIcon::Exclamation;
    }
    result.message << backupLine;
    return result;
}

// A single-channel analog radio needs its main channel and both guards in every write.
bool PassesGuardRule(const Page& page) {
    if (!RadioFactsOf(page.params.radio).singleChannel || !page.HasGuardRows()) return true;
    const Selection& selection = page.grid.GetSelection();
    return page.IsRowUsed(0) && page.IsRowUsed(page.FirstGuardRow()) &&
           page.IsRowUsed(page.SecondGuardRow()) && selection.IsRowSelected(page.FirstGuardRow()) &&
           selection.IsRowSelected(page.SecondGuardRow());
}
}  // namespace

WriteSafety ReadWriteSafety(const Settings& settings) {
    WriteSafety safety;
    safety.backup = settings.ReadBool(kBackupKey, true);
    safety.verify = settings.ReadBool(kVerifyKey, true);
    return safety;
}

void SaveWriteSafety(Settings& settings, const WriteSafety& safety) {
    settings.WriteBool(kBackupKey, safety.backup);
    settings.WriteBool(kVerifyKey, safety.verify);
}

SafetyOptions SafetyOptionsOf(const WriteSafety& safety, const wxString& backupFolder) {
    SafetyOptions options;
    options.backup = safety.backup;
    options.verify = safety.verify;
    options.backupFolder = backupFolder;
    return options;
}

SafetyOptions PlainWrite() {
    return SafetyOptionsOf({false, false}, wxString());
}

std::vector<wxString> VerifyLines(const VerifyResult& verify, size_t limit) {
    return DifferenceLines(verify.differences, {"only in the radio", "not in the radio"}, limit);
}

wxString WriteSummary(const WriteResult& result) {
    wxString line = "Written: " + MemoriesText(result.write.memories);
    if (result.status != kTransferComplete)
        line << " (stopped: "
             << (result.backupFailed && result.write.memories == 0
                     ? wxString("the radio could not be backed up")
                     : OneLine(result.write.message))
             << ")";
    const VerifyResult& verify = result.verify;
    if (verify.Passed())
        line << "; verified: " << MatchText(verify);
    else if (verify.done)
        line << "; verify: " << DifferencesText(verify);
    else if (verify.status != 0)
        line << "; not verified (" << StatusText(verify.status) << ")";
    else
        line << "; not verified";
    return line << "; "
                << (result.backupFile.empty() ? wxString("no backup")
                                              : "backup: " + result.backupFile);
}

int UploadCommand(TransferEnvironment& env, const SafetyOptions& safety, Page& page, int pageNumber,
                  const wxString& port, WriteResult* out) {
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
    WriteResult result;
    wxString title;
    switch (page.Type()) {
        case kRP25:
        case kEP25: title = "Send to RP25 Radio Progress"; break;
        case kMODX: title = "Send to MODX M6 Module Progress"; break;
        case kR19:
            // The message is the transfer's one box.
            dialogs.Message("VR-19 is not currently supported!", "Error!");
            return kTransferUnsupported;
        case kDAMX:
            LUMO_LOG(kUnit, " . Error No Type");
            result.status = kTransferInvalidData;
            result.message = StatusText(kTransferInvalidData);
            result.icon = DialogIcon::Error;
            break;
        default:  // ANFM, ANAM, FMAM
            if (!PassesGuardRule(page)) {
                dialogs.Message(
                    "For single channel analog radios\n(VR-11, 12, 13, 13B 14):\n\n"
                    "At least one Main channel and\n both Guards must be selected!",
                    "Error!");
                return -1;
            }
            title = "Send to ANFM Radio Progress";
            break;
    }
    if (!title.empty()) {
        std::unique_ptr<TransferProgress> progress = env.makeProgress(title);
        std::unique_ptr<wxAsyncSerial> link = OpenRadioPort(port);
        if (link->IsOpen()) {
            HeldRadio forgotten;  // without one from the program, the radio is forgotten
            SessionSetup setup;
            setup.link = link.get();
            setup.progress = progress.get();
            setup.held = env.heldRadio ? env.heldRadio : &forgotten;
            result = WriteRadio(env, setup, page, pageNumber, safety);
            link->Close();
        } else {
            result.write = PortFailure(page, *link);
            result.status = result.write.status;
            result.message = result.write.message;
            result.icon = result.write.icon;
        }
    }
    MarkDifferences(page, result.verify.differences);
    LUMO_LOG(kUnit, " . Status: %d - %s", result.status, StatusText(result.status));
    dialogs.Message(result.message, "Write to Radio Status", result.icon);
    if (out) *out = result;
    return result.status;
}

}  // namespace lumo
