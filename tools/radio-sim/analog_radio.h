// An analog radio in its PC download mode: typed commands, ENQ after each channel line written
// (other lines go unanswered), and channel lines sent back on a read. Radios with a transfer
// byte are told it after "rt"; the others (PIB 0) get the command at once. Pure logic; the
// server moves the bytes.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace radiosim {

constexpr char kEnq = 0x05;

class AnalogRadio {
  public:
    // `corrupted`: a memory it stores damaged (a character of its name), -1 for none.
    explicit AnalogRadio(int rows = 122, int corrupted = -1) : rows_(rows), corrupted_(corrupted) {}

    // Bytes to send back for the bytes received.
    std::string Receive(const std::string& bytes);

    // Channel lines by memory number, as the program wrote them.
    const std::map<int, std::string>& Memory() const { return memory_; }
    void SetMemory(std::map<int, std::string> memory) { memory_ = std::move(memory); }
    int Pib() const { return pib_; }
    // The lines received since the last call, for the transcript.
    std::vector<std::string> TakeReceivedLines();

  private:
    enum class Mode { Command, Pib, Writing };
    std::string HandleLine(const std::string& line);
    bool IsChannelLine(const std::string& line) const;
    std::string ReadAll() const;

    int rows_;
    int corrupted_;
    int pib_ = 0;
    Mode mode_ = Mode::Command;
    std::string pending_;
    std::map<int, std::string> memory_;
    std::vector<std::string> received_;
};

}  // namespace radiosim
