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

// Shows a session's texts with the phase in front ("Backup: Receiving Memory Data....").
class PhaseProgress : public TransferProgress {
  public:
    PhaseProgress(TransferProgress& inner, const wxString& phase) : inner_(inner), phase_(phase) {}
    void SetStatusText(const wxString& text) override {
        text_ = text;
        inner_.SetStatusText(phase_ + text);
    }
    wxString StatusText() const override { return text_; }
    void SetRange(int range) override { inner_.SetRange(range); }
    void SetValue(int value) override { inner_.SetValue(value); }
    void Pulse() override { inner_.Pulse(); }
    bool Cancelled() const override { return inner_.Cancelled(); }
    void ProcessEvents() override { inner_.ProcessEvents(); }

  private:
    TransferProgress& inner_;
    wxString phase_, text_;
};

// A cleared copy of the page to read the radio into.
Page BlankCopy(const Page& page, int pageNumber) {
    Page copy = page;
    copy.grid.SetObserver(nullptr);
    ClearPage(copy, pageNumber);
    return copy;
}

// The radios that start a read only after a key press are backed up when the user agrees.
bool WantsBackup(const TransferEnvironment& env, const Page& page) {
    const char* key = RadioFactsOf(page.params.radio).readKey;
    if (!key) return true;
    wxString text = wxString::Format(
        "Back up the radio before writing to it?\n\nThe radio sends its memories only after %s "
        "is pressed on it. Yes: read it into a backup file first. No: write without a backup.",
        key);
    return env.dialogs->Ask(text, "Back Up Radio", DialogButtons::YesNo, DialogIcon::Question) ==
           DialogAnswer::Yes;
}

// A radio that was never read reports an ID of zeros: it has none.
wxString ReportedId(const wxString& id) {
    return id.find_first_not_of('0') == wxString::npos ? wxString() : id;
}

wxString OneLine(const wxString& text) {
    wxString line = text;
    line.Replace("\n", " ");
    return line;
}

// Reads the radio into a backup file; false, with `why`, when there is no backup.
bool TakeBackup(const TransferEnvironment& env, SessionSetup setup, Page& page, int pageNumber,
                const SafetyOptions& options, WriteResult& result, wxString& why, int& status) {
    Page backup = BlankCopy(page, pageNumber);
    PhaseProgress progress(*setup.progress, "Backup: ");
    setup.progress = &progress;
    setup.keepRadioId = true;
    setup.closingPause = false;
    TransferOutcome read = RunTransfer(env, setup, backup, kTransferRead);
    status = read.status;
    if (read.status != kTransferComplete) {
        why = OneLine(read.message);
        return false;
    }
    result.radioId = ReportedId(read.radioId);
    wxString folder = options.backupFolder.empty() ? DefaultBackupFolder() : options.backupFolder;
    result.backupFile = SaveBackup(backup, folder, result.radioId, wxDateTime::Now(), &why);
    status = kTransferCancelled;
    why = OneLine(why);
    return !result.backupFile.empty();
}

// Reads the radio back and compares each memory it took with the page.
VerifyResult Verify(const TransferEnvironment& env, SessionSetup setup, const Page& page,
                    int pageNumber, const std::vector<int>& writtenRows) {
    VerifyResult verify;
    Page back = BlankCopy(page, pageNumber);
    PhaseProgress progress(*setup.progress, "Verify: ");
    setup.progress = &progress;
    setup.keepRadioId = true;
    verify.status = RunTransfer(env, setup, back, kTransferRead).status;
    if (verify.status != kTransferComplete) return verify;
    verify.done = true;
    verify.compared = static_cast<int>(writtenRows.size());
    for (int row : writtenRows) {
        int other = RadioRow(page, row);
        if (!back.IsRowUsed(other)) {
            verify.differences.push_back({DifferenceKind::Removed, other, row, {}});
            continue;
        }
        std::vector<ColumnDifference> columns = CompareMemory(page, row, back, other);
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

wxString VerifyText(const WriteResult& result) {
    const VerifyResult& verify = result.verify;
    if (!verify.done)
        return "Not verified: the radio could not be read back (" + StatusText(verify.status) +
               "). Get from radio to see what it holds.";
    if (verify.Passed())
        return "Verified: " + MemoriesText(verify.compared) +
               (verify.compared == 1 ? " matches" : " match");
    wxString text = "Verify: " + DifferencesText(verify) + ":\n";
    for (const wxString& line : VerifyLines(verify, kBoxDifferenceLines))
        text << "    " << line << "\n";
    text << "The radio keeps what was written. Send the page again";
    if (!result.backupFile.empty())
        text << "; if they still differ, restore the radio from the backup (Data > Open the last "
                "backup, then Send to radio)";
    return text + ".";
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

WriteResult WriteRadio(const TransferEnvironment& env, const RadioPort& port, Page& page,
                       int pageNumber, const SafetyOptions& options) {
    int64_t start = env.clock->NowMs();
    WriteResult result;
    result.radioModel = page.strings.radioName;
    SessionSetup setup;
    setup.link = port.link;
    setup.progress = port.progress;
    setup.held = port.held;
    wxString backupLine;  // the box's line on the backup
    if (options.backup && WantsBackup(env, page)) {
        wxString why;
        int status = kTransferComplete;
        bool saved = TakeBackup(env, setup, page, pageNumber, options, result, why, status);
        setup.laterSession = true;
        if (saved) {
            backupLine = "\nBackup: " + result.backupFile;
        } else {
            LUMO_LOG(kUnit, " . Backup failed: %s", why);
            wxString text = "The radio could not be backed up: " + why +
                            "\nNothing was written to the radio.";
            bool goOn = options.offerWriteWithoutBackup &&
                        env.dialogs->Ask(text + "\n\nWrite to the radio without a backup?",
                                         "Backup Failed", DialogButtons::YesNo,
                                         DialogIcon::Exclamation) == DialogAnswer::Yes;
            if (!goOn) {
                result.status = status;
                result.message = text;
                result.icon = DialogIcon::Error;
                result.seconds = (env.clock->NowMs() - start) / 1000.0;
                return result;
            }
            backupLine = "\nNo backup was taken.";
        }
    }
    setup.closingPause = !options.verify;
    TransferOutcome write = RunTransfer(env, setup, page, kTransferWrite);
    result.status = write.status;
    result.memoriesWritten = write.memories;
    if (result.radioId.empty()) result.radioId = ReportedId(write.radioId);
    if (UsesDigitalSession(page)) result.firmware = port.held->firmware;
    result.message = write.message;
    result.icon = write.icon;
    if (write.status == kTransferComplete && options.verify) {
        setup.laterSession = true;
        setup.closingPause = true;
        result.verify = Verify(env, setup, page, pageNumber, write.writtenRows);
        result.message << "\n" << VerifyText(result);
        if (!result.verify.Passed()) result.icon = DialogIcon::Exclamation;
    }
    result.message << backupLine;
    result.seconds = (env.clock->NowMs() - start) / 1000.0;
    return result;
}

std::vector<wxString> VerifyLines(const VerifyResult& verify, size_t limit) {
    return DifferenceLines(verify.differences, {"only in the radio", "not in the radio"}, limit);
}

wxString WriteSummary(const WriteResult& result) {
    wxString line = "Written: " + MemoriesText(result.memoriesWritten) + "; ";
    const VerifyResult& verify = result.verify;
    if (verify.Passed())
        line << "verified: " << MemoriesText(verify.compared)
             << (verify.compared == 1 ? " matches" : " match");
    else if (verify.done)
        line << "verify: " << DifferencesText(verify);
    else if (verify.status != 0)
        line << "not verified (" << StatusText(verify.status) << ")";
    else
        line << "not verified";
    line << "; " << (result.backupFile.empty() ? wxString("no backup")
                                                : "backup: " + result.backupFile);
    return line;
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

int UploadCommand(TransferEnvironment& env, const SafetyOptions& safety, Page& page,
                  int pageNumber, const wxString& port, WriteResult* out) {
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
    result.radioModel = page.strings.radioName;
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
            RadioPort radio{link.get(), env.heldRadio ? env.heldRadio : &forgotten,
                            progress.get()};
            result = WriteRadio(env, radio, page, pageNumber, safety);
            link->Close();
        } else {
            TransferOutcome failure = PortFailure(page);
            result.status = failure.status;
            result.message = failure.message;
            result.icon = failure.icon;
        }
    }
    MarkDifferences(page, result.verify.differences);
    LUMO_LOG(kUnit, " . Status: %d - %s", result.status, StatusText(result.status));
    dialogs.Message(result.message, "Write to Radio Status", result.icon);
    if (out) *out = result;
    return result.status;
}

}  // namespace lumo
