// A simulated radio on a pseudo-terminal and the transfer environment a command runs in: a clock
// fifty times fast (the 30-second reply limit passes in 0.6 s), scripted dialogs, and a progress
// display that records what it shows.
#pragma once

#include "sim_server.h"
#include "support/recording_progress.h"
#include "support/scaled_clock.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"
#include "transfer/transfer_commands.h"

#include <gtest/gtest.h>
#include <wx/textfile.h>
#include <wx/utils.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

class SimulatedRadioTest : public testing::Test {
  protected:
    void SetUp() override {
        env.dialogs = &dialogs;
        env.heldRadio = &held;
        env.clock = &clock;
        env.waitSliceMs = 5;
        env.logPath = env.analogLogPath = dir.Path("Lumo.log");
        env.hardwareDirectory = dir.Path("Logs");
        env.makeProgress = [this](const wxString& title) {
            titles.push_back(title);
            return std::make_unique<RecordingProgress>(&seen, cancelAfter);
        };
    }
    void TearDown() override {
        if (server) server->Stop();
    }

    // A digital radio, or an analog one with `analogRows` memories (holding `analogMemory`).
    void Serve(int analogRows = 0, radiosim::DigitalSettings settings = {},
               radiosim::Faults faults = {}, std::map<int, std::string> analogMemory = {}) {
        if (server) server->Stop();
        std::unique_ptr<radiosim::DigitalRadio> digital;
        std::unique_ptr<radiosim::AnalogRadio> analog;
        if (analogRows == 0) {
            digital = std::make_unique<radiosim::DigitalRadio>(settings);
        } else {
            analog = std::make_unique<radiosim::AnalogRadio>(analogRows, settings.corruptedAddress);
            analog->SetMemory(std::move(analogMemory));
        }
        server =
            std::make_unique<radiosim::SimServer>(std::move(digital), std::move(analog), faults);
        std::string error;
        ASSERT_TRUE(server->Open("", &error)) << error;
        server->SetTranscript(std::string(dir.Path("transcript").mb_str()));
        server->Start();
    }
    wxString Port() const { return server->DevicePath(); }
    std::map<int, std::string> Memory() {
        std::lock_guard<std::mutex> lock(server->RadioMutex());
        return server->Digital() ? server->Digital()->Memory() : server->Analog()->Memory();
    }
    // How many of the lines the radio received, from line `from` on, begin with `prefix`.
    long SentStartingWith(const wxString& prefix, size_t from = 0) {
        std::vector<wxString> lines = Sent();
        from = std::min(from, lines.size());
        return std::count_if(lines.begin() + static_cast<long>(from), lines.end(),
                             [&](const wxString& line) { return line.StartsWith(prefix); });
    }
    // The lines the radio received, in order, without their line ends.
    std::vector<wxString> Sent() {
        std::vector<wxString> lines;
        wxTextFile file;
        if (!file.Open(dir.Path("transcript"))) return lines;
        for (wxString line = file.GetFirstLine(); !file.Eof(); line = file.GetNextLine())
            if (line.StartsWith("<")) lines.push_back(line.Mid(1).BeforeFirst('\\'));
        return lines;
    }

    // The last line the radio received, once the end record has reached it (the simulator
    // notes lines on its own thread), or after a bounded wait.
    wxString LastSent() {
        wxString last;
        for (int i = 0; i < 300; ++i) {
            std::vector<wxString> lines = Sent();
            last = lines.empty() ? wxString() : lines.back();
            if (last == "T9030000FC") break;
            wxMilliSleep(10);
        }
        return last;
    }

    TempDir dir;
    ScaledClock clock;
    ScriptedDialogs dialogs;
    lumo::TransferEnvironment env;
    lumo::HeldRadio held;
    std::vector<wxString> titles;
    RecordingProgress::Seen seen;
    int cancelAfter = -1;
    std::unique_ptr<radiosim::SimServer> server;
};
