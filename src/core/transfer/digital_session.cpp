#include "transfer/digital_session.h"

#include "edit/shadows.h"
#include "edit/zones.h"
#include "transfer/transfer_status.h"
#include "transfer/transfer_wait.h"
#include "transfer/trecord.h"
#include "util/diag_log.h"

#include <wx/filename.h>

#include <algorithm>
#include <functional>

namespace lumo {

namespace {
constexpr const char* kUnit = "LumoSerial";
constexpr int kReplyTimeoutMs = 30000;
constexpr int kRetryPauseMs = 500;
constexpr unsigned kHighBaud = 115200;
// Rows, memory numbers and shadow numbers a V1 record can carry.
constexpr long kV1LastNumber = 230;

// What the rows of a write ask for: shadows and TFLG 0x04 need a purge, and so does a radio
// that is not the one read last; some rows need V2 records.
enum SessionFlag : unsigned {
    kSessionShadows = 0x02,
    kSessionTflg04 = 0x04,
    kSessionIdDiffers = 0x08,
    kSessionV1Suffices = 0x20,
};

// What a step's handler made of a reply.
enum class Outcome {
    Unhandled,  // the common rules decide
    Done,       // the step is complete
    WaitAgain,  // wait for another reply without sending
    SendNew,    // send context.lastRecord (without checksum) anew
    Resend,     // send the same record again
    Stop,       // the session ends with context.status
};

using ReplyHandler = std::function<Outcome(const wxString&)>;

bool ChecksumIsGood(const wxString& reply) {
    if (reply.length() < 4) return false;
    long sent = 0;
    if (!reply.Right(2).ToLong(&sent, 16)) return false;
    return Checksum(reply.Left(reply.length() - 2)) == sent;
}

// The operating modes a row needs and the radio has not enabled ("w" 0x40, "n" 0x20, "D" 0x10).
int CheckForInvalidOpModes(const Page& page, int row, int radioModes) {
    const wxString& mode = page.grid.Get(row, MODE);
    int needed = mode == "w" ? 0x40 : mode == "n" ? 0x20 : mode == "D" ? 0x10 : 0;
    int invalid = needed & ~radioModes;
    if (invalid) LUMO_LOG(kUnit, " . OpMode Error - %02X on row: %d", invalid, row);
    return invalid;
}

class DigitalSession {
  public:
    DigitalSession(TransferContext& context, Page& page, int mode)
        : c_(context), page_(page), mode_(mode) {}

    int Run();

  private:
    bool Writing() const { return mode_ == kTransferWrite; }

    // Row evaluation (write mode).
    bool Selected(int row) const;
    void EvaluateRows();
    void EvaluateRow(int row, bool normalRow);
    void MarkGroup(int shadowRow);
    bool NeedsV2(int row) const;

    // Opening steps.
    int OpeningSteps();
    wxString OpeningRecord(int step);
    Outcome OpeningReply(int step, const wxString& reply, int& next);
    Outcome ProtocolReply(bool accepted, int& next);
    Outcome ModesReply(const wxString& reply, int& next);
    Outcome HardwareReply(int step, const wxString& reply, int& next);
    Outcome VersionReply(const wxString& reply);
    Outcome IdReply(const wxString& reply, bool accepted);
    bool AskOperatingModes();
    int InvalidModesOfSendingRows() const;
    void HardwareRecord(const wxString& reply, bool first);
    int PrepareWrite();
    int ConfirmPurge();

    // Rows.
    void PlanRecords();
    wxString RowRecord(int row, bool firstPass);
    int WriteRows();
    bool SendRecords(const std::vector<std::pair<int, wxString>>& records, int& sent);
    int ReadRows();

    // One record and its replies until the step is done. False when the session must end
    // (context.status says why).
    bool Exchange(const wxString& record, const ReplyHandler& handler);
    // What goes on the line before the next wait for a reply.
    enum class Sending { NewRecord, SameRecord, Nothing };
    void Send(Sending sending);
    Outcome JudgeReply(const ReplyHandler& handler);
    bool TakeReply();
    Outcome CommonReply(const wxString& reply);

    TransferContext& c_;
    Page& page_;
    int mode_;
    wxString pendingId_;
    std::vector<int> sendingRows_;  // the rows that take part in a write
    bool writeAll_ = false;         // a purge: every used row goes, selected or not
    bool purging_ = false;
    int64_t searchStart_ = 0;  // when the first protocol header went out
    // The records of a write, row by row: primaries first, then shadows.
    std::vector<std::pair<int, wxString>> firstPass_, secondPass_;
};

int DigitalSession::Run() {
    c_.flags = kSessionV1Suffices;
    c_.status = kTransferRunning;
    c_.protocolIndex = 0;
    c_.protocolVersion = 1;
    c_.invalidModes = 0;
    c_.radioModes = page_.operatingModes;
    c_.memories = c_.erased = 0;
    if (Writing()) {
        EvaluateRows();
        c_.progress->SetRange(c_.count);
        if (c_.count == 0) return kTransferNothingSelected;
    }
    c_.received.clear();
    c_.SetStatusMessage("Initializing...");
    int status = OpeningSteps();
    if (status == kTransferRunning) status = Writing() ? WriteRows() : ReadRows();
    // A radio's records may name a shadow its primary does not list, or the other way round
    // (a memory another program wrote, a record of another layout): such links are cut as an
    // imported file's are, so every link of the page read has both ends.
    if (!Writing() && status == kTransferComplete) UnlinkBrokenRelations(page_);
    return status;
}

// ---- Row evaluation -----------------------------------------------------------------------

bool DigitalSession::NeedsV2(int row) const {
    const CellStore& g = page_.grid;
    if (DecimalOrZero(g.Get(row, PRIM)) > kV1LastNumber) return true;
    // V1 carries zones 1 to 16 (indexes 0 to 15) in four bits.
    if (ZoneIndex(g.Get(row, ZONE), page_.Type()) > 15) return true;
    for (int slot = SHD0; slot <= SHD6; ++slot)
        if (DecimalOrZero(g.Get(row, slot)) > kV1LastNumber) return true;
    // A V1 record holds 8 characters of a frequency: a fifth fraction digit would be cut.
    for (int col : {RFRQ, TFRQ})
        if (g.Get(row, col).Strip(wxString::both).length() > 8) return true;
    return false;
}

void DigitalSession::MarkGroup(int shadowRow) {
    CellStore& g = page_.grid;
    auto mark = [&](long row) {
        if (row < 0 || row >= g.RowCount()) return;
        int r = static_cast<int>(row);
        g.Set(r, TFLG, FormatHexFlags(ParseHexFlags(g.Get(r, TFLG)) | kTflgSelected));
    };
    long primary = DecimalOrZero(g.Get(shadowRow, PRIM));
    if (primary <= 0 || primary >= g.RowCount()) return;
    mark(primary);
    for (int slot = SHD0; slot <= SHD6; ++slot) {
        long shadow = DecimalOrZero(g.Get(static_cast<int>(primary), slot));
        if (shadow != 0) mark(shadow);
    }
}

bool DigitalSession::Selected(int row) const {
    if (page_.grid.GetSelection().IsRowSelected(row)) return true;
    return writeAll_ && row > 0 && page_.IsRowUsed(row);
}

void DigitalSession::EvaluateRows() {
    c_.count = 0;
    c_.invalidModes = 0;
    sendingRows_.clear();
    int rows = page_.grid.RowCount();
    for (int row = 0; row <= rows - 3; ++row)
        EvaluateRow(row, true);
    LUMO_LOG(kUnit, "  . 21-DTD - Check Gd TFlags: DEF, SEL");
    for (int row = std::max(0, rows - 2); row < rows; ++row)
        EvaluateRow(row, false);
}

void DigitalSession::EvaluateRow(int row, bool normalRow) {
    CellStore& g = page_.grid;
    unsigned tflg = ParseHexFlags(g.Get(row, TFLG));
    if (Selected(row)) {
        tflg |= kTflgSelected;
        g.Set(row, TFLG, FormatHexFlags(tflg));
    }
    if (!(tflg & kTflgTransferable) || !(tflg & kTflgActionMask)) return;
    ++c_.count;
    sendingRows_.push_back(row);
    if (normalRow) {
        // Memories beyond the V1 limit of a VRD-21B only travel in V2 records.
        bool beyondV1 = row > kV1LastNumber && !page_.IsGuardRow(row);
        if (beyondV1 || (row < kV1LastNumber && NeedsV2(row))) c_.flags &= ~kSessionV1Suffices;
        if (tflg & 0x04) c_.flags |= kSessionTflg04;
    }
    c_.invalidModes |= CheckForInvalidOpModes(page_, row, page_.operatingModes);
    if (ParseHexFlags(g.Get(row, MFLG)) & kMflgShadowSlotMask) {
        c_.flags |= kSessionShadows;
        MarkGroup(row);
    }
}

// ---- Opening steps ------------------------------------------------------------------------

wxString DigitalSession::OpeningRecord(int step) {
    int index = c_.protocolIndex;
    switch (step) {
        case -10: return ProtocolHeader(index);
        case -9: return index >= 2 ? wxString(kSetBaudRecord) : wxString();
        case -8: return index >= 1 ? wxString(kReadModesRecord) : wxString();
        case -7: return !Writing() && index >= 2 ? wxString(kReadHardwareRecord) : wxString();
        case -6: return !Writing() && index >= 2 ? wxString(kAckRecord) : wxString();
        case -5: return kReadVersionRecord;
        case -4: {
            if (Writing() || c_.keepRadioId) return kReadIdRecord;
            wxDateTime now = wxDateTime::Now();
            pendingId_ = RadioIdText(now);
            return SetIdRecord(now);
        }
        case -3: return Writing() ? kDownloadRecord : kUploadRecord;
        case -2:
            if (!Writing() || !purging_) return wxString();
            c_.SetStatusMessage("Purging Radio....");
            return kPurgeRecord;
        default: return wxString();
    }
}

int DigitalSession::InvalidModesOfSendingRows() const {
    int invalid = 0;
    for (int row : sendingRows_)
        invalid |= CheckForInvalidOpModes(page_, row, c_.radioModes);
    return invalid;
}

bool DigitalSession::AskOperatingModes() {
    static const std::pair<int, const char*> kModes[] = {
        {0x40, "    Analog Wideband\n"},
        {0x20, "    Analog Narrowband\n"},
        {0x10, "    P25 Conventional\n"},
    };
    wxString text =
        "The following operating modes are used in the memory data but not enabled in "
        "the radio:\n";
    for (const auto& [bit, line] : kModes)
        if (c_.invalidModes & bit) text << line;
    text << "\nThe radio will not transmit in disabled modes (affected memories become receive "
            "only).\n"
         << "\nDo you wish to continue the transfer?";
    if (c_.dialogs->Ask(text, "Radio Operating Modes", DialogButtons::YesNo,
                        DialogIcon::Exclamation) != DialogAnswer::No)
        return true;
    LUMO_LOG(kUnit, "   . User 'CANCEL' on OP Mode");
    return false;
}

// A file name from the radio's own text: only plain characters, so it stays in its folder.
wxString SafeFileName(const wxString& text) {
    wxString name;
    for (wxUniChar ch : text) {
        wxChar c = ch.GetValue();
        bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                     c == '-' || c == '_' || c == ' ' || (c == '.' && !name.empty());
        name += plain ? c : wxChar('_');
    }
    return name.Strip(wxString::both).empty() ? wxString("radio") : name;
}

// The data bytes after a record's address, one character each.
wxString RecordDataText(const wxString& record) {
    wxString text;
    for (size_t pos = 8; pos + 1 < record.length(); pos += 2) {
        long byte = 0;
        if (record.Mid(pos, 2).ToLong(&byte, 16) && byte > 0) text += wxChar(byte);
    }
    return text;
}

void DigitalSession::HardwareRecord(const wxString& reply, bool first) {
    wxString text = RecordDataText(reply);
    if (first && c_.log.IsOpened()) {
        wxFileName::Mkdir(c_.hardwareDirectory, 0777, wxPATH_MKDIR_FULL);
        wxFileName path(c_.hardwareDirectory, SafeFileName(text) + ".txt");
        if (c_.hardware.Open(path.GetFullPath(), "w"))
            c_.hardware.Write("Date: " + wxDateTime::Now().Format() + "\n");
    }
    if (c_.hardware.IsOpened()) c_.hardware.Write(text + "\n");
}

Outcome DigitalSession::OpeningReply(int step, const wxString& reply, int& next) {
    bool accepted = reply == kAckRecord || reply == kRepeatRecord;
    switch (step) {
        case -10: return ProtocolReply(accepted, next);
        case -9:
            if (!accepted) return Outcome::Unhandled;
            Wait(c_, 50, false);
            c_.serial->SetBaudRate(kHighBaud);
            return Outcome::Done;
        case -8: return ModesReply(reply, next);
        case -7:
        case -6: return HardwareReply(step, reply, next);
        case -5: return VersionReply(reply);
        case -4: return IdReply(reply, accepted);
        default: return Outcome::Unhandled;
    }
}

// A refused header is followed by the next protocol index, one per reply, and not for ever: up
// to the last index a header carries, and no longer than a reply may take.
Outcome DigitalSession::ProtocolReply(bool accepted, int& next) {
    if (accepted) {
        if (c_.protocolIndex <= 1) page_.operatingModes = c_.radioModes = 0x70;
        next = c_.protocolIndex == 0 ? -5 : c_.protocolIndex == 1 ? -8 : -9;
        return Outcome::Done;
    }
    LUMO_LOG(kUnit, " . Error from Radio");
    if (c_.protocolIndex >= kLastProtocolIndex ||
        c_.clock->NowMs() - searchStart_ >= kReplyTimeoutMs) {
        c_.status = kTransferRefused;
        return Outcome::Stop;
    }
    ++c_.protocolIndex;
    LUMO_LOG(kUnit, "  . Error, try next Transfer Protocol: %d", c_.protocolIndex);
    c_.lastRecord = ProtocolHeader(c_.protocolIndex);
    return Outcome::SendNew;
}

Outcome DigitalSession::ModesReply(const wxString& reply, int& next) {
    long modes = 0;
    if (!reply.StartsWith("T205000033") || !reply.Mid(10, 2).ToLong(&modes, 16))
        return Outcome::Unhandled;
    page_.operatingModes = c_.radioModes = static_cast<int>(modes);
    next = (c_.protocolIndex >= 2 && !Writing()) ? -7 : -5;
    return Outcome::Done;
}

// The hardware records come one per acknowledgement until the end record.
Outcome DigitalSession::HardwareReply(int step, const wxString& reply, int& next) {
    if (reply.StartsWith("T1")) {
        HardwareRecord(reply, step == -7);
        next = -6;
        return Outcome::Done;
    }
    if (step == -6 && reply.StartsWith(kEndRecord)) {
        if (c_.hardware.IsOpened()) c_.hardware.Close();
        next = -5;
        return Outcome::Done;
    }
    return Outcome::Unhandled;
}

// The firmware decides the record version; rows that need V2 stop a radio that cannot take it.
Outcome DigitalSession::VersionReply(const wxString& reply) {
    if (!reply.StartsWith("T207000023")) return Outcome::Unhandled;
    c_.protocolVersion = 1;
    c_.held->firmware = reply.Mid(10, 6);
    if (c_.protocolIndex >= 2 && c_.held->firmware.StartsWith("02")) c_.protocolVersion = 2;
    if (!(c_.flags & kSessionV1Suffices) && c_.protocolVersion != 2) {
        c_.status = kTransferInvalidData;
        return Outcome::Stop;
    }
    return Outcome::Done;
}

// A write compares the radio's ID with the one read last; a read gives the radio a new one,
// unless it is to leave the radio as it was.
Outcome DigitalSession::IdReply(const wxString& reply, bool accepted) {
    if ((Writing() || c_.keepRadioId) && reply.StartsWith("T20B000021")) {
        c_.radioId = reply.Mid(10);
        if (Writing() && c_.radioId != c_.held->radioId) c_.flags |= kSessionIdDiffers;
        return Outcome::Done;
    }
    if (!Writing() && !c_.keepRadioId && accepted) {
        c_.held->radioId = pendingId_;
        return Outcome::Done;
    }
    return Outcome::Unhandled;
}

int DigitalSession::OpeningSteps() {
    int step = -10;
    searchStart_ = c_.clock->NowMs();
    while (step < -1) {
        c_.step = step;
        // The question weighs the rows against the modes the radio has just reported, not
        // those of the radio read last. Declining it leaves the radio as it was.
        if (step == -5 && Writing()) c_.invalidModes = InvalidModesOfSendingRows();
        if (step == -5 && Writing() && c_.invalidModes != 0 && !AskOperatingModes())
            return kTransferCancelled;
        // Once the radio is known, and before it is told to take memories.
        if (step == -3 && Writing()) {
            int status = PrepareWrite();
            if (status != kTransferRunning) return status;
        }
        int next = step + 1;
        wxString record = OpeningRecord(step);
        if (!record.empty()) {
            int current = step;
            bool going = Exchange(
                record, [&](const wxString& reply) { return OpeningReply(current, reply, next); });
            if (!going) return c_.status;
        }
        step = next;
    }
    c_.step = -1;
    c_.SetStatusMessage(Writing() ? "Sending Primary Memory Data...."
                                  : "Receiving Memory Data....");
    LUMO_LOG(kUnit, " . Transfer Mode: %s", Writing() ? "Write Chan" : "Read Chan");
    return kTransferRunning;
}

// ---- Rows ---------------------------------------------------------------------------------

// The radio is purged when asked for by the rows (shadows, TFLG 0x04) or when it is not the
// radio read last; then every used row of the page is written, as the user agrees.
int DigitalSession::PrepareWrite() {
    purging_ = (c_.flags & (kSessionShadows | kSessionTflg04 | kSessionIdDiffers)) != 0;
    if (purging_) {
        int status = ConfirmPurge();
        if (status != kTransferRunning) return status;
    }
    PlanRecords();
    if (firstPass_.empty() && secondPass_.empty()) return kTransferNothingSelected;
    return kTransferRunning;
}

int DigitalSession::ConfirmPurge() {
    int used = 0, selected = 0;
    for (int row = 1; row <= page_.Rows(); ++row) {
        if (!page_.IsRowUsed(row) ||
            !(ParseHexFlags(page_.grid.Get(row, TFLG)) & kTflgTransferable))
            continue;
        ++used;
        if (page_.grid.GetSelection().IsRowSelected(row)) ++selected;
    }
    if (selected == used) return kTransferRunning;
    wxString text = wxString::Format(
        "All memories in the radio will be erased before writing, but only %d of the %d "
        "memories on this page are selected.\n\nWrite all %d memories on this page to the "
        "radio?\n\nChoose No to stop: the radio is left as it is.",
        selected, used, used);
    if (c_.dialogs->Ask(text, "Erase Radio Memories", DialogButtons::YesNo,
                        DialogIcon::Exclamation) == DialogAnswer::No) {
        LUMO_LOG(kUnit, "   . User 'CANCEL' on Purge");
        return kTransferCancelled;
    }
    writeAll_ = true;
    int accepted = c_.invalidModes;
    EvaluateRows();
    if (!(c_.flags & kSessionV1Suffices) && c_.protocolVersion != 2) return kTransferInvalidData;
    c_.invalidModes = InvalidModesOfSendingRows();
    if ((c_.invalidModes & ~accepted) != 0 && !AskOperatingModes()) return kTransferCancelled;
    return kTransferRunning;
}

wxString DigitalSession::RowRecord(int row, bool firstPass) {
    const CellStore& g = page_.grid;
    if (!Selected(row)) return wxString();
    unsigned tflg = ParseHexFlags(g.Get(row, TFLG));
    if (!(tflg & kTflgTransferable)) return wxString();
    unsigned action = tflg & kTflgActionMask;
    // A purge wiped what the radio held: rows read from it go back even when unchanged.
    if (purging_ && row != 0 && action == 0 && (tflg & kTflgFromRadio)) action = 1;
    bool shadow = (ParseHexFlags(g.Get(row, MFLG)) & kMflgShadowSlotMask) != 0;
    if (firstPass) {
        static const char* const kActions[] = {"Don't Send.", "Send.", "Erase.", "Erase."};
        LUMO_LOG(kUnit, "Row: %03d - %s", row, kActions[action]);
        if (action == 1 && !shadow) return encodeTrecord(page_, row, c_.protocolVersion);
        if (action >= 2 && !(c_.flags & kSessionIdDiffers) && (tflg & kTflgFromRadio) && !shadow)
            return encodeEraseRecord(row, c_.protocolVersion);
        return wxString();
    }
    return action == 1 && shadow ? encodeTrecord(page_, row, c_.protocolVersion) : wxString();
}

void DigitalSession::PlanRecords() {
    int rows = page_.grid.RowCount();
    // A V1 record addresses the guard rows of the larger radio right after its short layout.
    int shortLayout = RadioFactsOf(page_.params.radio).shortLayoutMemories;
    bool jumpGuards = shortLayout > 0 && c_.protocolVersion == 1;
    firstPass_.clear();
    secondPass_.clear();
    for (bool first : {true, false}) {
        for (int row = 0; row < rows; ++row) {
            if (jumpGuards && row == shortLayout + 1) row = page_.FirstGuardRow();
            wxString record = RowRecord(row, first);
            if (!record.empty()) (first ? firstPass_ : secondPass_).emplace_back(row, record);
        }
    }
}

bool DigitalSession::SendRecords(const std::vector<std::pair<int, wxString>>& records, int& sent) {
    for (const auto& [row, record] : records) {
        c_.step = row;
        if (!Exchange(record, [](const wxString&) { return Outcome::Unhandled; })) return false;
        if (record.StartsWith("T1")) {
            ++c_.memories;
            c_.writtenRows.push_back(row);
        } else {
            ++c_.erased;
        }
        c_.ShowCount(++sent);
    }
    return true;
}

int DigitalSession::WriteRows() {
    c_.progress->SetRange(static_cast<int>(firstPass_.size() + secondPass_.size()));
    int sent = 0;
    if (!SendRecords(firstPass_, sent)) return c_.status;
    // The shadow pass is announced only when it has something to send.
    if (!secondPass_.empty()) {
        LUMO_LOG(kUnit, "\n   . Send Shadows if any");
        c_.statusMessage = "Sending Shadow Memory Data....";
        c_.progress->SetStatusText(c_.statusMessage);
        c_.Log("Sending Shadow Memory Data...\n");
        Wait(c_, kRetryPauseMs, false);
        if (!SendRecords(secondPass_, sent)) return c_.status;
    }
    c_.step = page_.grid.RowCount();
    return kTransferComplete;
}

int DigitalSession::ReadRows() {
    for (c_.step = 0;; ++c_.step)
        if (!Exchange(kAckRecord, [](const wxString&) { return Outcome::Unhandled; }))
            return c_.status;
}

// ---- One record and its replies -----------------------------------------------------------

bool DigitalSession::TakeReply() {
    int end = c_.received.Find('\r');
    if (end == wxNOT_FOUND) return false;
    c_.reply = c_.received.Left(end).Strip(wxString::both);
    // Only the front of the rest is trimmed: a reply that came with this one keeps its line end.
    c_.received = c_.received.Mid(end + 1).Strip(wxString::leading);
    return true;
}

Outcome DigitalSession::CommonReply(const wxString& reply) {
    if (reply == kAckRecord || reply == kRepeatRecord) return Outcome::Done;
    if (reply.StartsWith("T1") && !Writing() && c_.step != -7 && c_.step != -6) {
        if (!decodeTrecord(page_, reply, c_.protocolVersion)) {
            c_.lastRecord = kRepeatRecord;
            return Outcome::SendNew;
        }
        long address = 0;
        reply.Mid(4, 4).ToLong(&address, 16);
        ++c_.memories;
        c_.ShowCount(static_cast<int>(address) + 1);
        return Outcome::Done;
    }
    if (reply.StartsWith(kEndRecord)) {
        c_.status = Writing() ? kTransferRefused : kTransferComplete;
        return Outcome::Stop;
    }
    LUMO_LOG(kUnit, " . Error from Radio");
    if (++c_.retries > 1) {
        c_.status = kTransferRefused;
        return Outcome::Stop;
    }
    Wait(c_, kRetryPauseMs, true);
    return Outcome::Resend;
}

bool DigitalSession::Exchange(const wxString& record, const ReplyHandler& handler) {
    c_.retries = 0;
    c_.lastRecord = record;
    Sending sending = Sending::NewRecord;
    int64_t deadline = 0;
    for (;;) {
        // The reply limit runs from the record sent: "busy" lines and noise do not move it,
        // so a radio that never stops saying busy ends the transfer as a silent one does.
        if (sending != Sending::Nothing) deadline = c_.clock->NowMs() + kReplyTimeoutMs;
        Send(sending);
        c_.status = kTransferNoReply;
        int64_t left = std::max<int64_t>(deadline - c_.clock->NowMs(), 0);
        int waited = WaitFor(c_, static_cast<int>(left), '\r');
        if (waited != 0) {
            c_.status = waited;
            return false;
        }
        switch (JudgeReply(handler)) {
            case Outcome::Done: return true;
            case Outcome::Stop: return false;
            case Outcome::SendNew: sending = Sending::NewRecord; break;
            case Outcome::Resend: sending = Sending::SameRecord; break;
            case Outcome::WaitAgain:
            case Outcome::Unhandled: sending = Sending::Nothing; break;
        }
    }
}

void DigitalSession::Send(Sending sending) {
    if (sending == Sending::Nothing) return;
    if (sending == Sending::NewRecord) {
        c_.lastRecord = WithChecksum(c_.lastRecord);
        c_.Log(">" + c_.lastRecord + "\n");
    }
    if (c_.lastRecord != "T204000000FB") LUMO_LOG(kUnit, "    > %s", c_.lastRecord);
    c_.serial->Write(c_.lastRecord + "\r");
}

// Noise is passed over, a garbled reply asked for again (once), the radio's "busy" waited out;
// the step's handler, then the common rules, decide what a good reply means.
Outcome DigitalSession::JudgeReply(const ReplyHandler& handler) {
    TakeReply();
    c_.Log("<" + c_.reply + "\n");
    LUMO_LOG(kUnit, "  < %s", c_.reply);
    if (!c_.reply.StartsWith("T")) return Outcome::WaitAgain;  // noise on the line
    if (!ChecksumIsGood(c_.reply)) {
        if (++c_.retries > 1) {
            c_.status = kTransferChecksum;
            return Outcome::Stop;
        }
        if (Writing()) return Outcome::Resend;
        c_.lastRecord = kRepeatRecord;
        return Outcome::SendNew;
    }
    c_.status = kTransferRunning;
    wxString reply = c_.reply.Left(c_.reply.length() - 2);
    if (reply == kBusyReply) {
        c_.progress->SetStatusText(c_.progress->StatusText() + ".");
        return Outcome::WaitAgain;
    }
    Outcome outcome = handler(reply);
    return outcome == Outcome::Unhandled ? CommonReply(reply) : outcome;
}
}  // namespace

int DoTransferData(TransferContext& context, Page& page, int mode) {
    return DigitalSession(context, page, mode).Run();
}

}  // namespace lumo
