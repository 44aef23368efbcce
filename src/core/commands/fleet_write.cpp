#include "commands/fleet_write.h"

#include "export/csv_export.h"
#include "files/backups.h"
#include "util/atomic_file.h"
#include "util/diag_log.h"
#include "util/go_ahead_dialogs.h"

#include <wx/file.h>
#include <wx/filename.h>
#include <wx/log.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <thread>

namespace lumo {

namespace {
constexpr const char* kUnit = "LumoFleet";
std::mutex g_threadStateMutex;

wxString FirstLine(const wxString& text) {
    return text.BeforeFirst('\n');
}

wxString OneLine(const wxString& text) {
    wxString line = text;
    line.Replace("\n", " ");
    return line;
}

// The one line of the table that says how the port's write ended.
wxString StatusLine(const FleetPortResult& r, const WriteResult& write, bool cancelled,
                    bool opened) {
    if (opened && write.status == kTransferPortError)
        return "Line lost after " + MemoriesText(r.memories) + " written";
    if (write.backupFailed && write.write.memories == 0)
        return cancelled ? wxString("Cancelled: nothing written")
                         : "Backup failed: " + FirstLine(write.message).AfterFirst(':').Trim(false);
    if (write.status == kTransferCancelled) return "Cancelled after " + MemoriesText(r.memories);
    if (write.status != kTransferComplete)
        return OneLine(write.write.message.empty() ? write.message : write.write.message);
    if (!r.verifyWanted) return "Written";
    if (r.verify.Passed()) return "Written and verified";
    if (r.verify.done) return "Written; verify found " + r.VerifiedText();
    return "Written; not verified (" + StatusText(r.verify.status) + ")";
}
}  // namespace

// --- SessionProgress ---

void SessionProgress::SetStatusText(const wxString& text) {
    std::lock_guard<std::mutex> lock(mutex_);
    state_.status = text;
    ++state_.changes;
}

wxString SessionProgress::StatusText() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return state_.status;
}

void SessionProgress::SetRange(int range) {
    std::lock_guard<std::mutex> lock(mutex_);
    state_.range = range;
}

void SessionProgress::SetValue(int value) {
    std::lock_guard<std::mutex> lock(mutex_);
    state_.value = value;
}

void SessionProgress::Finish(const wxString& text) {
    std::lock_guard<std::mutex> lock(mutex_);
    state_.status = text;
    state_.finished = true;
    ++state_.changes;
}

SessionProgress::Snapshot SessionProgress::Take() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return state_;
}

// --- FleetPortResult ---

bool FleetPortResult::Succeeded() const {
    return code == kTransferComplete && (!verifyWanted || verify.Passed());
}

wxString FleetPortResult::VerifiedText() const {
    if (verify.Passed()) return "yes";
    if (!verify.done) return "no";
    size_t n = verify.differences.size();
    return wxString::Format("%zu %s", n, n == 1 ? "difference" : "differences");
}

// --- FleetWrite ---

struct FleetWrite::Session {
    Session(const Page& source, const std::atomic<bool>& cancel) : page(source), progress(cancel) {
        page.grid.SetObserver(nullptr);  // the copy belongs to no grid
    }

    wxString port;
    Page page;
    int pageNumber = 0;
    TransferEnvironment env;
    SafetyOptions safety;
    SessionProgress progress;
    HeldRadio held;  // this radio's ID and firmware, nobody else's
    FleetPortResult result;
    std::atomic<bool> done{false};
    std::thread thread;

    void Run(const std::atomic<bool>& cancel);
};

void FleetWrite::Session::Run(const std::atomic<bool>& cancel) {
    auto start = std::chrono::steady_clock::now();
    // The toolkit's own complaints (a file that would not open) from this thread would wait for
    // the main thread to show them, in the program as message boxes; the result says it all.
    std::optional<wxLogNull> quiet;
    {
        // That makes the toolkit's state of this thread, and the first thread to need such state
        // makes the lock that guards the list of them: threads doing that at once would race.
        std::lock_guard<std::mutex> lock(g_threadStateMutex);
        quiet.emplace();
    }
    GoAheadDialogs dialogs;
    env.dialogs = &dialogs;
    env.heldRadio = &held;
    env.makeProgress = [this](const wxString&) -> std::unique_ptr<TransferProgress> {
        return std::make_unique<PhaseProgress>(progress, wxString());
    };
    LUMO_LOG(kUnit, " . %s: start", port);
    WriteResult write;
    int status = UploadCommand(env, safety, page, pageNumber, port, &write);
    // A port that opened has shown a status text by now; a line lost later is not a port
    // that could not be opened.
    bool opened = progress.Take().changes > 0;
    result.port = port;
    result.model = page.strings.radioName;
    // A radio never given an ID reports zeros: it has none.
    wxString id = write.write.radioId.empty() ? held.radioId : write.write.radioId;
    result.radioId = id.find_first_not_of('0') == wxString::npos ? wxString() : id;
    result.firmware = held.firmware;
    result.memories = write.write.memories;
    result.verifyWanted = safety.verify;
    result.verify = write.verify;
    result.backupFile = write.backupFile;
    result.code = status;
    if (status < 0)  // a check stopped it before the port was opened
        result.status =
            dialogs.messages.empty() ? wxString("Not sent") : OneLine(dialogs.messages.front());
    else
        result.status = StatusLine(result, write, cancel.load(), opened);
    result.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    LUMO_LOG(kUnit, " . %s: %s", port, result.status);
    progress.Finish(result.status);
    done = true;
}

FleetWrite::FleetWrite(const Page& page, int pageNumber, const std::vector<wxString>& ports,
                       const TransferEnvironment& env, const SafetyOptions& safety) {
    SafetyOptions settled = safety;
    if (settled.backupFolder.empty()) settled.backupFolder = DefaultBackupFolder();
    settled.offerWriteWithoutBackup = false;
    for (const wxString& port : DistinctPorts(ports)) {
        auto session = std::make_unique<Session>(page, cancel_);
        session->port = port;
        session->pageNumber = pageNumber;
        session->env = env;
        session->safety = settled;
        // Each session keeps its own transfer log, written when the program's log is: the
        // file exists (the user made it).
        Session& s = *session;
        for (wxString* path : {&s.env.logPath, &s.env.analogLogPath}) {
            wxString own = PortFilePath(*path, port);
            if (wxFileExists(*path) && !wxFileExists(own)) wxFile().Create(own);
            *path = own;
        }
        s.env.hardwareDirectory = PortFilePath(env.hardwareDirectory, port);
        sessions_.push_back(std::move(session));
    }
}

FleetWrite::~FleetWrite() {
    Cancel();
    Wait();
}

void FleetWrite::Start() {
    for (auto& session : sessions_) {
        Session* s = session.get();
        s->thread = std::thread([this, s] { s->Run(cancel_); });
    }
}

void FleetWrite::Cancel() {
    cancel_ = true;
}

bool FleetWrite::Finished() const {
    return std::all_of(sessions_.begin(), sessions_.end(),
                       [](const auto& s) { return s->done.load() || !s->thread.joinable(); });
}

void FleetWrite::Wait() {
    for (auto& session : sessions_)
        if (session->thread.joinable()) session->thread.join();
}

size_t FleetWrite::Size() const {
    return sessions_.size();
}

const wxString& FleetWrite::Port(size_t index) const {
    return sessions_.at(index)->port;
}

SessionProgress::Snapshot FleetWrite::Progress(size_t index) const {
    return sessions_.at(index)->progress.Take();
}

std::vector<FleetPortResult> FleetWrite::Results() const {
    std::vector<FleetPortResult> results;
    for (const auto& session : sessions_)
        results.push_back(session->result);
    return results;
}

std::vector<FleetPortResult> RunFleetWrite(FleetWrite& fleet, const std::atomic<bool>* cancel,
                                           const std::function<void()>& onTick, int pollMs) {
    fleet.Start();
    while (!fleet.Finished()) {
        if (cancel && cancel->load() && !fleet.Cancelled()) fleet.Cancel();
        if (onTick) onTick();
        std::this_thread::sleep_for(std::chrono::milliseconds(pollMs));
    }
    fleet.Wait();
    if (onTick) onTick();
    return fleet.Results();
}

// --- The table ---

std::vector<wxString> FleetColumns() {
    return {"Port",     "Radio model", "Radio ID", "Firmware", "Memories written",
            "Verified", "Backup file", "Status",   "Seconds"};
}

std::vector<wxString> FleetRow(const FleetPortResult& r) {
    return {r.port,
            r.model,
            r.radioId,
            r.firmware,
            wxString::Format("%d", r.memories),
            r.VerifiedText(),
            r.backupFile,
            r.status,
            wxString::Format("%.1f", r.seconds)};
}

wxString FleetTable(const std::vector<FleetPortResult>& results) {
    std::vector<std::vector<wxString>> rows = {FleetColumns()};
    for (const FleetPortResult& r : results)
        rows.push_back(FleetRow(r));
    std::vector<size_t> widths(rows.front().size(), 0);
    for (const auto& row : rows)
        for (size_t i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], std::max<size_t>(row[i].length(), 1));
    wxString table;
    for (const auto& row : rows) {
        wxString line;
        for (size_t i = 0; i < row.size(); ++i) {
            wxString cell = row[i].empty() ? wxString("-") : row[i];
            line << cell;
            if (i + 1 < row.size()) line << wxString(' ', widths[i] - cell.length() + 2);
        }
        table << line << "\n";
    }
    return table;
}

wxString FleetCsv(const std::vector<FleetPortResult>& results) {
    auto line = [](const std::vector<wxString>& values) {
        wxString text;
        for (size_t i = 0; i < values.size(); ++i)
            text << (i ? "," : "") << CsvValue(values[i]);
        return text + "\n";
    };
    wxString csv = line(FleetColumns());
    for (const FleetPortResult& r : results)
        csv << line(FleetRow(r));
    return csv;
}

bool SaveFleetCsv(const std::vector<FleetPortResult>& results, const wxString& path) {
    AtomicFile file(path);
    std::string csv(FleetCsv(results).utf8_str());
    file.Write(csv.data(), csv.size());
    return file.Commit();
}

wxString PortFilePath(const wxString& path, const wxString& port) {
    wxString tag = port;
    if (tag.StartsWith("/dev/")) tag = tag.Mid(5);
    tag.Replace("://", "-");  // tcp://bench2:3001 gives "tcp-bench2_3001"
    for (size_t i = 0; i < tag.length(); ++i)
        if (!wxIsalnum(tag[i]) && tag[i] != '.' && tag[i] != '-' && tag[i] != '_') tag[i] = '_';
    wxFileName name(path);
    name.SetName(name.GetName() + "-" + tag);
    return name.GetFullPath();
}

std::vector<wxString> DistinctPorts(const std::vector<wxString>& ports) {
    std::vector<wxString> distinct;
    for (wxString port : ports) {
        port.Trim().Trim(false);
        if (port.empty() || port == "none") continue;
        if (std::find(distinct.begin(), distinct.end(), port) == distinct.end())
            distinct.push_back(port);
    }
    return distinct;
}

}  // namespace lumo
