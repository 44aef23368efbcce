// The simulator's line: a pseudo-terminal whose slave side Lumo opens as its serial port, or a
// TCP port where Lumo connects as it would to a radio behind a network serial server. The
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
    int dropAfter = -1;    // hang up after this many replies (on TCP: of each connection)
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
    // Instead of a pseudo-terminal, listens on TCP `port` (0: one the system picks) on every
    // address. One connection is served at a time: a new one replaces it, and after a hang-up
    // (either side's) the server waits for the next.
    bool Listen(int port, std::string* error);
    // The pseudo-terminal's slave, or "tcp://localhost:PORT" when listening.
    std::string DevicePath() const { return device_; }
    // The TCP port listened on, -1 for a pseudo-terminal.
    int ListeningPort() const { return listeningPort_; }
    // The pseudo-terminal's speed as the serving loop last saw it (it looks on every pass, at
    // least every 20 ms); 0 before it looks, when listening, or for an unusual speed. The
    // transcript notes it ("=115200 baud") whenever it changes, the first speed seen included.
    unsigned LineBaud() const { return lineBaud_; }
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
    void ReadLine(short events);
    void AcceptLine();
    void CloseLine();
    void NoteLineSpeed();
    void Write(const char* data, size_t size);
    void Send(const std::string& chunk);
    void Note(char direction, const std::string& text);

    std::unique_ptr<DigitalRadio> digital_;
    std::unique_ptr<AnalogRadio> analog_;
    Faults faults_;
    // The served end: the pseudo-terminal's master or the accepted connection.
    int line_ = -1;
    int listener_ = -1;
    int listeningPort_ = -1;
    std::atomic<unsigned> lineBaud_{0};
    std::string device_, link_;
    std::string pendingLine_;
    int replies_ = 0;
    std::ofstream transcript_;
    std::mutex radioMutex_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

}  // namespace radiosim
