// lumo-radio-sim: a Norv radio in its PC download mode, on a pseudo-terminal, for trying Lumo
// without a radio and for testing it. Prints the device to open as its first line.
#include "model/catalogue.h"
#include "sim_server.h"

#include <wx/init.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

using namespace radiosim;

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
    "  --transcript FILE   write every line received (<) and sent (>)\n"
    "  --memory FILE       load the radio's memory from FILE and save it there on exit\n"
    "Faults:\n"
    "  --no-reply          never answer\n"
    "  --bad-checksum N    the next N replies carry a wrong checksum\n"
    "  --noise             a line of noise before every reply\n"
    "  --split             replies leave one byte at a time\n"
    "  --refuse ADDR       refuse the memory record of this address\n"
    "  --drop-after N      hang up after N replies\n"
    "  --purge-busy N      busy replies before a purge is done (default 2)\n";

struct Options {
    bool digital = true;
    std::string radio, link, transcript, memory;
    DigitalSettings settings;
    Faults faults;
};

bool Parse(int argc, char** argv, Options& o) {
    if (argc < 2) return false;
    std::string kind = argv[1];
    if (kind != "digital" && kind != "analog") return false;
    o.digital = kind == "digital";
    for (int i = 2; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) throw std::runtime_error(arg + " needs a value");
            return argv[++i];
        };
        if (arg == "--radio")
            o.radio = value();
        else if (arg == "--protocol")
            o.settings.protocol = std::stoi(value());
        else if (arg == "--refuse-protocols")
            o.settings.protocol = -1;
        else if (arg == "--firmware")
            o.settings.firmware = value();
        else if (arg == "--modes")
            o.settings.modes = std::stoi(value(), nullptr, 16);
        else if (arg == "--link")
            o.link = value();
        else if (arg == "--transcript")
            o.transcript = value();
        else if (arg == "--memory")
            o.memory = value();
        else if (arg == "--no-reply")
            o.faults.noReply = true;
        else if (arg == "--bad-checksum")
            o.faults.badChecksums = std::stoi(value());
        else if (arg == "--noise")
            o.faults.noise = true;
        else if (arg == "--split")
            o.faults.split = true;
        else if (arg == "--refuse")
            o.settings.refusedAddress = std::stoi(value());
        else if (arg == "--drop-after")
            o.faults.dropAfter = std::stoi(value());
        else if (arg == "--purge-busy")
            o.settings.purgeBusyReplies = std::stoi(value());
        else
            throw std::runtime_error("unknown option " + arg);
    }
    return true;
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
    Options options;
    try {
        if (!Parse(argc, argv, options)) {
            std::fputs(kUsage, stderr);
            return 2;
        }
        std::unique_ptr<DigitalRadio> digital;
        std::unique_ptr<AnalogRadio> analog;
        if (options.digital)
            digital = std::make_unique<DigitalRadio>(options.settings);
        else
            analog = std::make_unique<AnalogRadio>(RowsOfRadio(options.radio));
        SimServer server(std::move(digital), std::move(analog), options.faults);
        std::string error;
        if (!server.Open(options.link, &error)) {
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
    } catch (const std::exception& e) {
        std::fprintf(stderr, "lumo-radio-sim: %s\n", e.what());
        return 2;
    }
}
