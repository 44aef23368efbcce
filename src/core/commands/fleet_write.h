// One page written to many radios at once: one Send to radio with its backup and verify per
// port, each on a thread of its own with its own link, session, radio and progress. Nothing is
// shared between the sessions but the page they copy at the start and the Cancel they obey, so
// a radio that fails, hangs or goes silent never stops or slows the others.
#pragma once

#include "commands/radio_write.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

namespace lumo {

// A port's progress as its session reports it, read at any time by the front end (a timer in
// the program, a loop in lumo-cli): the session never calls into a display.
class SessionProgress : public TransferProgress {
  public:
    struct Snapshot {
        wxString status;
        int range = 0;
        int value = 0;
        bool finished = false;
        int changes = 0;  // counts every new status text, so a reader sees that one came
    };

    explicit SessionProgress(const std::atomic<bool>& cancel) : cancel_(cancel) {}
    void SetStatusText(const wxString& text) override;
    wxString StatusText() const override;
    void SetRange(int range) override;
    void SetValue(int value) override;
    void Pulse() override {}
    bool Cancelled() const override { return cancel_.load(); }
    void ProcessEvents() override {}

    void Finish(const wxString& text);
    Snapshot Take() const;

  private:
    mutable std::mutex mutex_;
    Snapshot state_;
    const std::atomic<bool>& cancel_;
};

// What became of one port, as the table at the end shows it.
struct FleetPortResult {
    wxString port;
    wxString model;     // the page's radio
    wxString radioId;   // as the radio reported it; empty when it reports none
    wxString firmware;  // likewise
    int memories = 0;   // memories written
    bool verifyWanted = true;
    VerifyResult verify;
    wxString backupFile;  // empty: no backup
    wxString status;      // one line: "Written and verified", or what went wrong
    int code = kTransferPortError;
    double seconds = 0;

    // Written, and verified when the verify was asked for.
    bool Succeeded() const;
    // "yes", "2 differences", or "no" (not verified).
    wxString VerifiedText() const;
};

class FleetWrite {
  public:
    // Copies the page (its selected memories are written) and the environment; the backup
    // folder is settled here, before any thread starts. Questions a radio raises are answered
    // "go ahead", as in lumo-cli: nobody is there to answer eight at once.
    FleetWrite(const Page& page, int pageNumber, const std::vector<wxString>& ports,
               const TransferEnvironment& env, const SafetyOptions& safety);
    // Cancels what still runs and waits for it.
    ~FleetWrite();
    FleetWrite(const FleetWrite&) = delete;
    FleetWrite& operator=(const FleetWrite&) = delete;

    void Start();
    // Every session stops as its own Cancel would stop it (a digital radio gets its end
    // record); returns at once.
    void Cancel();
    bool Cancelled() const { return cancel_.load(); }
    bool Finished() const;
    void Wait();

    size_t Size() const;
    const wxString& Port(size_t index) const;
    SessionProgress::Snapshot Progress(size_t index) const;
    // After Wait (or once Finished): one row per port, in the order given.
    std::vector<FleetPortResult> Results() const;

  private:
    struct Session;
    std::vector<std::unique_ptr<Session>> sessions_;
    std::atomic<bool> cancel_{false};
};

// Starts the write and waits for it; `cancel` (a signal handler's flag), when given, is
// looked at every `pollMs` while it runs, and `onTick` called as often.
std::vector<FleetPortResult> RunFleetWrite(FleetWrite& fleet, const std::atomic<bool>* cancel,
                                           const std::function<void()>& onTick, int pollMs = 100);

// The table's head and rows as texts, in column order.
std::vector<wxString> FleetColumns();
std::vector<wxString> FleetRow(const FleetPortResult& result);
// The results as a table in columns for a terminal, and as CSV (a header, then a row a port).
wxString FleetTable(const std::vector<FleetPortResult>& results);
wxString FleetCsv(const std::vector<FleetPortResult>& results);
// Writes the CSV to a file (through a temporary file); false when it could not.
bool SaveFleetCsv(const std::vector<FleetPortResult>& results, const wxString& path);

// The per-port file of a transfer log or hardware folder: "Lumo.log" on /dev/ttyUSB0 is
// "Lumo-ttyUSB0.log" (on tcp://bench2:3001 "Lumo-tcp-bench2_3001.log"), so the sessions never
// write one file.
wxString PortFilePath(const wxString& path, const wxString& port);

// The ports named once each, in their first order, without "none" and blanks.
std::vector<wxString> DistinctPorts(const std::vector<wxString>& ports);

}  // namespace lumo
