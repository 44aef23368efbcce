// lumo-cli: the headless front end over Lumo's core. Every error is one line on standard error
// and a non-zero exit code.
#include "cli_dialogs.h"
#include "cli_progress.h"
#include "commands/fleet_write.h"
#include "commands/radio_write.h"
#include "edit/cell_traits.h"
#include "edit/row_check.h"
#include "edit/row_values.h"
#include "export/csv_export.h"
#include "files/lumo_file.h"
#include "fleet_display.h"
#include "import/import_command.h"
#include "model/catalogue.h"
#include "transfer/port_probe.h"
#include "transfer/transfer_commands.h"
#include "transfer/transfer_status.h"
#include "util/diag_log.h"
#include "util/program_options.h"

#include <wx/init.h>
#include <wx/textfile.h>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

using namespace lumo;

namespace {

const char* const kUsage =
    "Usage: lumo-cli COMMAND [ARGUMENTS]\n"
    "\n"
    "Lumo loads channel data into Norv radios. This is its command-line front end.\n"
    "\n"
    "Commands:\n"
    "  new RADIO [BAND] -o OUT.lumo   save a new page for a radio (e.g. \"VRD-21\") and band\n"
    "                                 (e.g. \"FM 138-174\"; the radio's first band if omitted)\n"
    "  dump IN.lumo                   print the page's used rows as tab-separated text\n"
    "  check IN.lumo [-o OUT.lumo] [--dump]\n"
    "                                 check the page; print its messages and repaired cells\n"
    "  import IN RADIO [BAND] -o OUT.lumo [--dump]\n"
    "                                 import another program's file (VRD-21 .21 or .txt list,\n"
    "                                 PolyLum .m10-.m70, CSV, VRA-50 CSV) into a new page\n"
    "  export IN.lumo -o OUT.csv      write the page's memories as CSV (the VRA-50's own layout\n"
    "                                 on VRA-50 pages)\n"
    "  send IN.lumo --port DEVICE [--no-backup] [--no-verify] [--backup-dir DIR]\n"
    "                                 send the page's memories to its radio (or the simulator):\n"
    "                                 the radio is read into a backup file first (in DIR; by\n"
    "                                 default $XDG_DATA_HOME/lumo/backups, else\n"
    "                                 ~/.local/share/lumo/backups) and read back afterwards to\n"
    "                                 verify every memory sent; the last line says what was\n"
    "                                 written, verified and where the backup is\n"
    "  send IN.lumo --port A --port B ... | --ports-from LIST | --all-ports\n"
    "       [--report OUT.csv] [--no-backup] [--no-verify] [--backup-dir DIR]\n"
    "                                 send the page to several radios at once, each with its\n"
    "                                 backup and verify: every port named (LIST: a file with one\n"
    "                                 device a line; --all-ports: every port the probe finds\n"
    "                                 free); one progress line per port, then a table: port,\n"
    "                                 radio model, radio ID, firmware, memories written,\n"
    "                                 verified, backup file, status, seconds (--report: the same\n"
    "                                 as CSV); exit code 0 only when every radio was written and\n"
    "                                 verified; Ctrl+C cancels every radio\n"
    "  get RADIO [BAND] --port DEVICE -o OUT.lumo\n"
    "                                 read a radio's memories into a new page\n"
    "  diff A.lumo B.lumo             print the memories that differ, one line each (added,\n"
    "                                 removed, changed with the column's two values); exit\n"
    "                                 code 0 when the pages are equal, 1 when not, 2 on errors\n"
    "  --version                      print the program's version\n"
    "  -h, --help                     print this text\n"
    "\n"
    "A DEVICE may be a serial port on another machine, offered by a port server such as\n"
    "ser2net: tcp://HOST:PORT (raw) or rfc2217://HOST:PORT (Lumo sets the line's speed).\n";

struct Arguments {
    std::vector<wxString> positional;
    wxString output;
    wxString port = "none";
    std::vector<wxString> ports;  // every --port, in order
    wxString portsFrom, report;
    bool allPorts = false;
    bool dump = false;
    bool noBackup = false, noVerify = false;
    wxString backupDir;
};

const wxCmdLineEntryDesc kOptions[] = {
    {wxCMD_LINE_OPTION, "o", nullptr, "the file to write", wxCMD_LINE_VAL_STRING, 0},
    {wxCMD_LINE_OPTION, nullptr, "port", "the radio's serial device", wxCMD_LINE_VAL_STRING,
     wxCMD_LINE_PARAM_MULTIPLE},
    {wxCMD_LINE_OPTION, nullptr, "ports-from", "a file of devices", wxCMD_LINE_VAL_STRING, 0},
    {wxCMD_LINE_SWITCH, nullptr, "all-ports", "every free port", wxCMD_LINE_VAL_NONE, 0},
    {wxCMD_LINE_OPTION, nullptr, "report", "the table as CSV", wxCMD_LINE_VAL_STRING, 0},
    {wxCMD_LINE_SWITCH, nullptr, "dump", "print the page's rows", wxCMD_LINE_VAL_NONE, 0},
    {wxCMD_LINE_SWITCH, nullptr, "no-backup", "write without a backup", wxCMD_LINE_VAL_NONE, 0},
    {wxCMD_LINE_SWITCH, nullptr, "no-verify", "do not read back", wxCMD_LINE_VAL_NONE, 0},
    {wxCMD_LINE_OPTION, nullptr, "backup-dir", "the backup folder", wxCMD_LINE_VAL_STRING, 0},
    {wxCMD_LINE_PARAM, nullptr, nullptr, "COMMAND ARGUMENTS", wxCMD_LINE_VAL_STRING,
     wxCMD_LINE_PARAM_OPTIONAL | wxCMD_LINE_PARAM_MULTIPLE},
    {wxCMD_LINE_NONE, nullptr, nullptr, nullptr, wxCMD_LINE_VAL_NONE, 0},
};

class UsageError : public std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A verb's arguments: what follows the command on the parsed command line.
Arguments ArgumentsOf(const wxCmdLineParser& parser) {
    Arguments args;
    for (size_t i = 1; i < parser.GetParamCount(); ++i)
        args.positional.push_back(parser.GetParam(i));
    parser.Found("o", &args.output);
    parser.Found("port", &args.port);
    for (const wxCmdLineArg& arg : parser.GetArguments())
        if (arg.GetKind() == wxCMD_LINE_OPTION && arg.GetLongName() == "port")
            args.ports.push_back(arg.GetStrVal());
    parser.Found("ports-from", &args.portsFrom);
    args.allPorts = parser.Found("all-ports");
    parser.Found("report", &args.report);
    args.dump = parser.Found("dump");
    args.noBackup = parser.Found("no-backup");
    args.noVerify = parser.Found("no-verify");
    parser.Found("backup-dir", &args.backupDir);
    return args;
}

int Fail(const wxString& message) {
    wxString line = message;
    line.Replace("\n", ": ");
    std::fprintf(stderr, "%s\n", static_cast<const char*>(line.utf8_str()));
    return 1;
}

void Print(const wxString& text) {
    std::fputs(static_cast<const char*>(text.utf8_str()), stdout);
}

// The page Lumo starts with, before a file re-targets it.
Page StartingPage() {
    Page page;
    SetPageParameters(page, 0, 1, 0);
    SetupPageStore(page);
    SetPageDefaults(page, 0);
    return page;
}

// Opens a data file into the page Lumo starts with; false after the message when it cannot.
bool LoadPage(const wxString& path, Page& page) {
    page = StartingPage();
    wxString message;
    if (OpenLumoFileAt(path, page, 0, &message) == kFileOk) return true;
    Fail(message);
    return false;
}

void Dump(const Page& page) {
    wxString header = "row";
    for (const char* key : ColumnKeys)
        header << "\t" << key;
    Print(header + "\n");
    for (int row = 0; row <= page.Rows(); ++row) {
        if (!page.IsRowUsed(row)) continue;
        wxString line = wxString::Format("%d", row);
        for (int col = 0; col < kColumnCount; ++col)
            line << "\t" << page.grid.Get(row, col);
        Print(line + "\n");
    }
}

// A new page for a radio and, when named, one of its bands; false after the message.
bool NewPage(const wxString& radioName, const wxString* bandName, Page& page) {
    int radio = FindRadioNumber(radioName);
    if (radio < 0) {
        Fail("Unknown radio: \"" + radioName + "\"");
        return false;
    }
    int choice = 0;
    if (bandName) {
        choice = FindBandChoice(radio, FindBandNumber(*bandName));
        if (choice < 0) {
            Fail("Unknown band for this radio: \"" + *bandName + "\"");
            return false;
        }
    }
    SetPageParameters(page, 0, radio, choice);
    SetupPageStore(page);
    SetPageEditors(page, 0);
    SetPageDefaults(page, 0);
    return true;
}

// The new page that a verb's RADIO [BAND] arguments name (from `first` on), for a verb that
// saves it with -o. False after the message when the radio or band is unknown.
bool NewPageToSave(const Arguments& args, size_t first, const char* usage, Page& page) {
    size_t count = args.positional.size();
    if (count < first + 1 || count > first + 2 || args.output.empty()) throw UsageError(usage);
    bool hasBand = count == first + 2;
    return NewPage(args.positional[first], hasBand ? &args.positional[first + 1] : nullptr, page);
}

wxString OneLine(const wxString& text) {
    wxString line = text;
    line.Replace("\n", " ");
    return line;
}

void PrintMessages(const CliDialogs& dialogs) {
    for (const wxString& text : dialogs.messages)
        Print(OneLine(text) + "\n");
}

int NewCommand(const Arguments& args) {
    Page page;
    if (!NewPageToSave(args, 0, "new needs RADIO [BAND] -o OUT.lumo", page)) return 1;
    wxString error;
    if (!SaveLumoFile(page, args.output, &error)) return Fail(error);
    return 0;
}

int DumpCommand(const Arguments& args) {
    if (args.positional.size() != 1) throw UsageError("dump needs IN.lumo");
    Page page;
    if (!LoadPage(args.positional[0], page)) return 1;
    Dump(page);
    return 0;
}

int CheckCommand(const Arguments& args) {
    if (args.positional.size() != 1) throw UsageError("check needs IN.lumo");
    Page page;
    if (!LoadPage(args.positional[0], page)) return 1;
    CliDialogs dialogs;
    CheckReport report;
    CheckPage(page, dialogs, 0, &report);
    for (const wxString& text : dialogs.messages)
        Print("Error: " + OneLine(text) + "\n");
    for (const auto& [row, col] : report.highlighted)
        Print(wxString::Format("highlight %d %s\n", row, ColumnKeys[col]));
    if (args.dump) Dump(page);
    wxString error;
    if (!args.output.empty() && !SaveLumoFile(page, args.output, &error)) return Fail(error);
    return 0;
}

int ImportCommand(const Arguments& args) {
    Page page;
    if (!NewPageToSave(args, 1, "import needs IN RADIO [BAND] -o OUT.lumo", page)) return 1;
    CliDialogs dialogs;
    ImportOutcome outcome = ImportFileAt(args.positional[0], page, 0, dialogs);
    if (outcome.count == 0) {
        // The reasons come first; the last message says the file was not imported.
        for (size_t i = 0; i + 1 < dialogs.messages.size(); ++i)
            Fail(dialogs.messages[i]);
        return Fail(dialogs.messages.empty() ? wxString("Nothing imported")
                                             : dialogs.messages.back());
    }
    PrintMessages(dialogs);
    if (args.dump) Dump(page);
    wxString error;
    if (!SaveLumoFile(page, args.output, &error)) return Fail(error);
    return 0;
}

int ExportCommand(const Arguments& args) {
    if (args.positional.size() != 1 || args.output.empty())
        throw UsageError("export needs IN.lumo -o OUT.csv");
    Page page;
    if (!LoadPage(args.positional[0], page)) return 1;
    for (int row = 1; row <= page.Rows(); ++row)
        if (page.IsRowUsed(row)) page.grid.GetSelection().AddRow(row);
    CliDialogs dialogs;
    dialogs.savePath = args.output;
    if (!ExportFileCommand(dialogs, page))
        return Fail(dialogs.messages.empty() ? wxString("Nothing exported")
                                             : dialogs.messages.back());
    PrintMessages(dialogs);
    return 0;
}

TransferEnvironment CliEnvironment(CliDialogs& dialogs, const SteadyClock& clock) {
    TransferEnvironment env;
    env.dialogs = &dialogs;
    env.clock = &clock;
    env.makeProgress = [](const wxString&) -> std::unique_ptr<TransferProgress> {
        return std::make_unique<LineProgress>();
    };
    return env;
}

// The status box's text is the last message; errors before it are reported first.
int TransferResult(const CliDialogs& dialogs, int status) {
    if (status == kTransferComplete) {
        PrintMessages(dialogs);
        return 0;
    }
    for (size_t i = 0; i + 1 < dialogs.messages.size(); ++i)
        Fail(dialogs.messages[i]);
    return Fail(dialogs.messages.empty() ? wxString("Transfer failed") : dialogs.messages.back());
}

std::atomic<bool> g_interrupted{false};

void OnInterrupt(int) {
    g_interrupted = true;
}

// The devices of --ports-from: one a line; blank lines and lines from "#" on are skipped.
bool PortsFromFile(const wxString& path, std::vector<wxString>& ports) {
    wxTextFile file;
    if (!wxFileExists(path) || !file.Open(path)) {
        Fail("Cannot read the list of ports: " + path);
        return false;
    }
    for (wxString line = file.GetFirstLine(); !file.Eof(); line = file.GetNextLine()) {
        line.Trim().Trim(false);
        if (!line.empty() && !line.StartsWith("#")) ports.push_back(line);
    }
    return true;
}

// One write per port, all at once; the table at the end (and in --report), exit code 0 only
// when every radio was written and verified.
int SendToSeveral(const Arguments& args, const Page& page) {
    std::vector<wxString> ports = args.ports;
    if (!args.portsFrom.empty() && !PortsFromFile(args.portsFrom, ports)) return 1;
    if (args.allPorts) {
        std::vector<wxString> found = AvailablePorts(ProbePorts(CandidatePorts()));
        ports.insert(ports.end(), found.begin(), found.end());
    }
    ports = DistinctPorts(ports);
    if (ports.empty()) return Fail("No serial port to send to");
    CliDialogs dialogs;
    SteadyClock clock;
    TransferEnvironment env = CliEnvironment(dialogs, clock);
    SafetyOptions safety = SafetyOptionsOf({!args.noBackup, !args.noVerify}, args.backupDir);
    FleetWrite fleet(page, 0, ports, env, safety);
    FleetDisplay display(fleet);
    std::signal(SIGINT, OnInterrupt);
    std::vector<FleetPortResult> results =
        RunFleetWrite(fleet, &g_interrupted, [&display] { display.Update(); });
    std::signal(SIGINT, SIG_DFL);
    Print(FleetTable(results));
    std::fflush(stdout);
    if (!args.report.empty() && !SaveFleetCsv(results, args.report))
        Fail("Could not write the report " + args.report);
    size_t failed = std::count_if(results.begin(), results.end(),
                                  [](const FleetPortResult& r) { return !r.Succeeded(); });
    if (fleet.Cancelled()) return Fail("Cancelled");
    if (failed == 0) return 0;
    return Fail(wxString::Format("%zu of %zu radios were not written and verified", failed,
                                 results.size()));
}

int SendCommand(const Arguments& args) {
    if (args.positional.size() != 1) throw UsageError("send needs IN.lumo --port DEVICE");
    bool several =
        args.ports.size() > 1 || !args.portsFrom.empty() || args.allPorts || !args.report.empty();
    Page page;
    if (!LoadPage(args.positional[0], page)) return 1;
    for (int row = 1; row <= page.Rows(); ++row)
        if (page.IsRowUsed(row)) page.grid.GetSelection().AddRow(row);
    if (several) return SendToSeveral(args, page);
    CliDialogs dialogs;
    SteadyClock clock;
    TransferEnvironment env = CliEnvironment(dialogs, clock);
    SafetyOptions safety = SafetyOptionsOf({!args.noBackup, !args.noVerify}, args.backupDir);
    safety.offerWriteWithoutBackup = false;  // --no-backup says so beforehand
    WriteResult result;
    int status = UploadCommand(env, safety, page, 0, args.port, &result);
    bool transferred = result.backupFailed || !result.write.message.empty();
    if (status < 0 || !transferred) return TransferResult(dialogs, status);
    // The messages before the final box (a read prompt), the write's own text, what the
    // verify found, and the summary last.
    bool complete = status == kTransferComplete;
    for (size_t i = 0; i + 1 < dialogs.messages.size(); ++i)
        complete ? Print(OneLine(dialogs.messages[i]) + "\n") : (void)Fail(dialogs.messages[i]);
    if (complete) Print(result.write.message + "\n");
    for (const wxString& line : VerifyLines(result.verify))
        Print(line + "\n");
    Print(WriteSummary(result) + "\n");
    if (result.backupFailed) {
        Fail(dialogs.messages.back());
        return Fail("--no-backup writes without a backup");
    }
    if (!complete) return Fail(result.write.message);
    if (!safety.verify || result.verify.Passed()) return 0;
    return Fail(result.verify.done ? "Verify failed: send the page again, or restore the radio "
                                     "from the backup"
                                   : "Not verified: the radio could not be read back (" +
                                         StatusText(result.verify.status) + ")");
}

int GetCommand(const Arguments& args) {
    Page page;
    if (!NewPageToSave(args, 0, "get needs RADIO [BAND] --port DEVICE -o OUT.lumo", page)) return 1;
    CliDialogs dialogs;
    SteadyClock clock;
    TransferEnvironment env = CliEnvironment(dialogs, clock);
    int status = DownloadCommand(env, page, 0, args.port);
    if (status != kTransferComplete) return TransferResult(dialogs, status);
    wxString error;
    if (!SaveLumoFile(page, args.output, &error)) return Fail(error);
    return TransferResult(dialogs, status);
}

// The two pages' memories that differ, one line each; a file that cannot be read is an error
// (exit code 2), as with diff(1).
int DiffCommand(const Arguments& args) {
    if (args.positional.size() != 2) throw UsageError("diff needs A.lumo B.lumo");
    Page first, second;
    if (!LoadPage(args.positional[0], first) || !LoadPage(args.positional[1], second)) return 2;
    bool sameTarget =
        first.params.radio == second.params.radio && first.params.band == second.params.band;
    if (!sameTarget)
        Print("radio: " + first.strings.radioName + " " + first.strings.bandName + " -> " +
              second.strings.radioName + " " + second.strings.bandName + "\n");
    std::vector<MemoryDifference> differences = ComparePages(first, second);
    for (const wxString& line : DifferenceLines(differences, {"added", "removed"}))
        Print(line + "\n");
    return sameTarget && differences.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    wxInitializer wx;
    if (!wx.IsOk()) {
        std::fputs("lumo-cli: could not initialise the toolkit\n", stderr);
        return 2;
    }
    InitCatalogueLists();
    ApplyDiagLogEnvironment();
    if (argc < 2) {
        std::fputs(kUsage, stderr);
        return kExitMisused;
    }
    wxCmdLineParser parser;
    SetArguments(parser, argc, argv);
    if (std::optional<int> done = ParseOptions(parser, "lumo-cli", kOptions, kUsage)) return *done;
    if (parser.GetParamCount() == 0) return Misused("lumo-cli", "no command given");
    const std::map<wxString, std::function<int(const Arguments&)>> verbs = {
        {"new", NewCommand},       {"dump", DumpCommand},     {"check", CheckCommand},
        {"import", ImportCommand}, {"export", ExportCommand}, {"send", SendCommand},
        {"get", GetCommand},       {"diff", DiffCommand}};
    wxString command = parser.GetParam(0);
    auto verb = verbs.find(command);
    if (verb == verbs.end()) return Misused("lumo-cli", "unknown command '" + command + "'");
    try {
        return verb->second(ArgumentsOf(parser));
    } catch (const UsageError& error) {
        return Misused("lumo-cli", error.what());
    }
}
