// The simulator's line: a pseudo-terminal whose slave side Lumo opens as its serial port. The
// server feeds received bytes to a radio, sends its answers, writes the transcript and plays
// the faults it was asked for.
#pragma once

#include "analog_radio.h"
#include "digital_radio.h"

#include <atomic>
#include <fstream>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace radiosim {

struct Faults {
    bool noReply = false;  // the radio never answers
    int badChecksums = 0;  // the next replies carry a wrong checksum
    bool noise = false;    // a line of noise before every reply
    bool split = false;    // replies leave one byte at a time
    int dropAfter = -1;    // hang up after this many replies
};

// Opens a pseudo-terminal whose slave side is a raw line, as a serial port is, and leaves the
// slave closed for the program under test to open. Returns the master, -1 when none opened.
int OpenRawPseudoTerminal(std::string& slavePath);

class SimServer {
  public:
    SimServer(std::unique_ptr<DigitalRadio> digital, std::unique_ptr<AnalogRadio> analog,
              Faults faults);
    ~SimServer();

    // Opens the pseudo-terminal (and a symbolic link to it when asked).
    bool Open(const std::string& linkPath, std::string* error);
    std::string DevicePath() const { return device_; }
    void SetTranscript(const std::string& path);

    // Serves until `stop` is set (the program) or Stop() is called (tests).
    void Serve(const std::atomic<bool>& stop);
    void Start();
    void Stop();

    DigitalRadio* Digital() { return digital_.get(); }
    AnalogRadio* Analog() { return analog_.get(); }
    // Guards the radio while the server thread runs.
    std::mutex& RadioMutex() { return radioMutex_; }

  private:
    void HandleBytes(const std::string& bytes);
    bool BusyWithoutEnd();
    void Send(const std::string& chunk);
    void Note(char direction, const std::string& text);

    std::unique_ptr<DigitalRadio> digital_;
    std::unique_ptr<AnalogRadio> analog_;
    Faults faults_;
    int master_ = -1;
    std::string device_, link_;
    std::string pendingLine_;
    int replies_ = 0;
    std::ofstream transcript_;
    std::mutex radioMutex_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

}  // namespace radiosim
