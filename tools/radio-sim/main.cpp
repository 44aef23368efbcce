// lumo-radio-sim: a Norv radio in its PC download mode, on a pseudo-terminal or a TCP port, for
// trying Lumo without a radio and for testing it. Prints the device to open as its first line.
#include "model/catalogue.h"
#include "sim_server.h"
#include "util/program_options.h"

#include <wx/init.h>

#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

using namespace radiosim;
using lumo::kExitMisused;
using lumo::Misused;
using lumo::ParseOptions;
using lumo::SetArguments;

namespace {
std::atomic<bool> g_stop{false};

void OnSignal(int) {
    g_stop = true;
}

const char* const kUsage =
    "Usage: lumo-radio-sim digital|analog [options]\n"
    "\n"
    "  --radio NAME        the radio (analog: its rows, e.g. VR-12); default VRD-21 / VR-12\n"
    "  --protocol N        the one protocol index a digital radio accepts (default 2)\n"
    "  --refuse-protocols  accept no protocol index: refuse every protocol header\n"
    "  --firmware HEX6     firmware version (default 020100; 01xxxx forbids V2 records)\n"
    "  --modes HEX2        operating modes (default 70)\n"
    "  --link PATH         also make PATH a symbolic link to the device\n"
    "  --listen PORT       serve on TCP PORT (0: a free one) instead of a pseudo-terminal;\n"
    "                      prints tcp://localhost:PORT, one connection at a time\n"
    "  --transcript FILE   write every line received (<) and sent (>)\n"
    "  --memory FILE       load the radio's memory from FILE and save it there on exit\n"
    "Faults:\n"
    "  --no-reply          never answer\n"
    "  --bad-checksum N    the next N replies carry a wrong checksum\n"
    "  --noise             a line of noise before every reply\n"
    "  --split             replies leave one byte at a time\n"
    "  --refuse ADDR       refuse the memory record of this address\n"
    "  --corrupt ADDR      store the memory of this address (analog: this memory number)\n"
    "                      with one character of its name changed\n"
    "  --drop-after N      hang up after N replies (TCP: of each connection)\n"
    "  --purge-busy N      busy replies before a purge is done (default 2; -1: never done)\n"
    "\n"
    "  --version           print the program's version\n"
    "  -h, --help          print this text\n";

const wxCmdLineEntryDesc kOptions[] = {
    {wxCMD_LINE_OPTION, nullptr, "radio", "the radio", wxCMD_LINE_VAL_STRING, 0},
    {wxCMD_LINE_OPTION, nullptr, "protocol", "protocol index", wxCMD_LINE_VAL_NUMBER, 0},
    {wxCMD_LINE_SWITCH, nullptr, "refuse-protocols", "refuse every header", wxCMD_LINE_VAL_NONE, 0},
    {wxCMD_LINE_OPTION, nullptr, "firmware", "firmware version", wxCMD_LINE_VAL_STRING, 0},
    {wxCMD_LINE_OPTION, nullptr, "modes", "operating modes", wxCMD_LINE_VAL_STRING, 0},
    {wxCMD_LINE_OPTION, nullptr, "link", "a link to the device", wxCMD_LINE_VAL_STRING, 0},
    {wxCMD_LINE_OPTION, nullptr, "listen", "a TCP port", wxCMD_LINE_VAL_NUMBER, 0},
    {wxCMD_LINE_OPTION, nullptr, "transcript", "the transcript", wxCMD_LINE_VAL_STRING, 0},
    {wxCMD_LINE_OPTION, nullptr, "memory", "the memory file", wxCMD_LINE_VAL_STRING, 0},
    {wxCMD_LINE_SWITCH, nullptr, "no-reply", "never answer", wxCMD_LINE_VAL_NONE, 0},
    {wxCMD_LINE_OPTION, nullptr, "bad-checksum", "bad checksums", wxCMD_LINE_VAL_NUMBER, 0},
    {wxCMD_LINE_SWITCH, nullptr, "noise", "noise before replies", wxCMD_LINE_VAL_NONE, 0},
    {wxCMD_LINE_SWITCH, nullptr, "split", "one byte at a time", wxCMD_LINE_VAL_NONE, 0},
    {wxCMD_LINE_OPTION, nullptr, "refuse", "a refused address", wxCMD_LINE_VAL_NUMBER, 0},
    {wxCMD_LINE_OPTION, nullptr, "corrupt", "a damaged memory", wxCMD_LINE_VAL_NUMBER, 0},
    {wxCMD_LINE_OPTION, nullptr, "drop-after", "hang up", wxCMD_LINE_VAL_NUMBER, 0},
    {wxCMD_LINE_OPTION, nullptr, "purge-busy", "busy replies", wxCMD_LINE_VAL_NUMBER, 0},
    {wxCMD_LINE_PARAM, nullptr, nullptr, "digital|analog", wxCMD_LINE_VAL_STRING,
     wxCMD_LINE_PARAM_OPTIONAL},
    {wxCMD_LINE_NONE, nullptr, nullptr, nullptr, wxCMD_LINE_VAL_NONE, 0},
};

struct Options {
    bool digital = true;
    std::string radio, link, transcript, memory;
    int listen = -1;  // the TCP port, -1 for a pseudo-terminal
    DigitalSettings settings;
    Faults faults;
};

class UsageError : public std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::string Text(const wxString& text) {
    return std::string(text.utf8_str());
}

// A count or address: a whole number from 0 up.
void SetNumber(const wxCmdLineParser& parser, const char* name, int& value) {
    long number = 0;
    if (!parser.Found(name, &number)) return;
    if (number < 0 || number > INT_MAX)
        throw UsageError(std::string("--") + name + " takes a whole number from 0 up");
    value = static_cast<int>(number);
}

// `digits` hexadecimal digits; the value, or -1 when the text is not that.
long HexValue(const wxString& text, size_t digits) {
    unsigned long value = 0;
    if (text.length() != digits || !text.ToULong(&value, 16)) return -1;
    return static_cast<long>(value);
}

void SetListen(const wxCmdLineParser& parser, Options& o) {
    long port = 0;
    if (!parser.Found("listen", &port)) return;
    if (port < 0 || port > 65535) throw UsageError("--listen takes a port from 0 to 65535");
    // A link names a device file; a TCP port has none.
    if (!o.link.empty()) throw UsageError("--link and --listen do not go together");
    o.listen = static_cast<int>(port);
}

Options OptionsOf(const wxCmdLineParser& parser) {
    Options o;
    wxString kind = parser.GetParamCount() > 0 ? parser.GetParam(0) : wxString();
    if (kind != "digital" && kind != "analog") throw UsageError("the radio is digital or analog");
    o.digital = kind == "digital";
    wxString text;
    if (parser.Found("radio", &text)) o.radio = Text(text);
    SetNumber(parser, "protocol", o.settings.protocol);
    if (parser.Found("refuse-protocols")) o.settings.protocol = -1;
    if (parser.Found("firmware", &text)) {
        if (HexValue(text, 6) < 0) throw UsageError("--firmware takes six hexadecimal digits");
        o.settings.firmware = Text(text.Upper());
    }
    if (parser.Found("modes", &text)) {
        o.settings.modes = static_cast<int>(HexValue(text, 2));
        if (o.settings.modes < 0) throw UsageError("--modes takes two hexadecimal digits");
    }
    if (parser.Found("link", &text)) o.link = Text(text);
    SetListen(parser, o);
    if (parser.Found("transcript", &text)) o.transcript = Text(text);
    if (parser.Found("memory", &text)) o.memory = Text(text);
    o.faults.noReply = parser.Found("no-reply");
    SetNumber(parser, "bad-checksum", o.faults.badChecksums);
    o.faults.noise = parser.Found("noise");
    o.faults.split = parser.Found("split");
    SetNumber(parser, "refuse", o.settings.refusedAddress);
    SetNumber(parser, "corrupt", o.settings.corruptedAddress);
    SetNumber(parser, "drop-after", o.faults.dropAfter);
    SetNumber(parser, "purge-busy", o.settings.purgeBusyReplies);
    return o;
}

int RowsOfRadio(const std::string& name) {
    int radio = lumo::FindRadioNumber(name.empty() ? "VR-12" : name);
    if (radio < 0) throw std::runtime_error("unknown radio " + name);
    return lumo::RowsOf(radio, 0);
}

void LoadMemory(const Options& o, SimServer& server) {
    std::ifstream in(o.memory);
    if (!in) return;
    std::string line;
    std::map<int, std::string> memory;
    while (std::getline(in, line)) {
        if (line.size() < 8) continue;
        int key = o.digital ? std::stoi(line.substr(4, 4), nullptr, 16)
                            : std::atoi(line.substr(0, 3).c_str());
        memory[key] = line;
    }
    if (o.digital)
        server.Digital()->SetMemory(memory);
    else
        server.Analog()->SetMemory(memory);
}

void SaveMemory(const Options& o, SimServer& server) {
    std::ofstream out(o.memory, std::ios::trunc);
    const auto& memory = o.digital ? server.Digital()->Memory() : server.Analog()->Memory();
    for (const auto& entry : memory)
        out << entry.second << '\n';
}
}  // namespace

int main(int argc, char** argv) {
    wxInitializer wx;
    if (argc < 2) {
        std::fputs(kUsage, stderr);
        return kExitMisused;
    }
    wxCmdLineParser parser;
    SetArguments(parser, argc, argv);
    if (std::optional<int> done = ParseOptions(parser, "lumo-radio-sim", kOptions, kUsage))
        return *done;
    try {
        Options options = OptionsOf(parser);
        std::unique_ptr<DigitalRadio> digital;
        std::unique_ptr<AnalogRadio> analog;
        if (options.digital)
            digital = std::make_unique<DigitalRadio>(options.settings);
        else
            analog = std::make_unique<AnalogRadio>(RowsOfRadio(options.radio),
                                                   options.settings.corruptedAddress);
        SimServer server(std::move(digital), std::move(analog), options.faults);
        std::string error;
        bool opened = options.listen >= 0 ? server.Listen(options.listen, &error)
                                          : server.Open(options.link, &error);
        if (!opened) {
            std::fprintf(stderr, "lumo-radio-sim: %s\n", error.c_str());
            return 1;
        }
        if (!options.transcript.empty()) server.SetTranscript(options.transcript);
        if (!options.memory.empty()) LoadMemory(options, server);
        std::printf("%s\n", server.DevicePath().c_str());
        std::fflush(stdout);
        std::signal(SIGINT, OnSignal);
        std::signal(SIGTERM, OnSignal);
        server.Serve(g_stop);
        if (!options.memory.empty()) SaveMemory(options, server);
        return 0;
    } catch (const UsageError& e) {
        return Misused("lumo-radio-sim", e.what());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "lumo-radio-sim: %s\n", e.what());
        return 2;
    }
}
