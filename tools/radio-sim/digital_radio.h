// A P25 radio in its PC download mode, as Lumo meets it on the line: one reply line per
// T-record received. Pure logic; the server moves the bytes.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace radiosim {

struct DigitalSettings {
    int protocol = 2;                 // the one protocol index it accepts; -1 for none
    std::string firmware = "020100";  // three bytes as six hex digits
    int modes = 0x70;                 // analog wide, analog narrow, P25 conventional
    int purgeBusyReplies = 2;         // "busy" lines before a purge is done; -1: never done
    int refusedAddress = -1;          // a memory record it refuses, -1 for none
    int corruptedAddress = -1;        // a memory record it stores damaged, -1 for none
};

class DigitalRadio {
  public:
    explicit DigitalRadio(DigitalSettings settings = {}) : settings_(settings) {}

    // The reply lines (checksums included, no carriage returns) to one received line.
    using Replies = std::vector<std::string>;
    Replies Handle(const std::string& line);

    // Memory records as stored ("T143" + address + 128 hex digits), by address.
    const std::map<int, std::string>& Memory() const { return memory_; }
    void SetMemory(std::map<int, std::string> memory) { memory_ = std::move(memory); }
    bool Purged() const { return purged_; }
    // A purge that never ends: the radio says "busy" again and again, unasked.
    bool BusyWithoutEnd() const { return busyWithoutEnd_; }
    static std::string BusyLine();

  private:
    enum class Mode { Idle, Writing, Reading, Hardware };

    Replies Reply(const std::string& record);
    std::optional<Replies> OpeningReply(const std::string& record);
    std::optional<Replies> CommandReply(const std::string& record);
    std::optional<Replies> FlowReply(const std::string& record);
    std::optional<Replies> MemoryReply(const std::string& record);
    std::vector<std::string> NextRecord();
    void StoreMemoryRecord(const std::string& record);
    void LinkShadow(const std::string& record);

    DigitalSettings settings_;
    Mode mode_ = Mode::Idle;
    int version_ = 1;
    int protocol_ = -1;
    bool purged_ = false;
    bool busyWithoutEnd_ = false;
    std::string radioId_;
    std::map<int, std::string> memory_;
    std::map<int, std::string>::const_iterator cursor_;
    size_t hardwareIndex_ = 0;
    std::string lastSent_;
};

}  // namespace radiosim
