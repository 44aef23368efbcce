#include "analog_radio.h"

#include <cctype>
#include <cstdlib>

namespace radiosim {

namespace {
std::string Trim(const std::string& text) {
    size_t begin = text.find_first_not_of(" \n");
    size_t end = text.find_last_not_of(" \n");
    return begin == std::string::npos ? std::string() : text.substr(begin, end - begin + 1);
}

bool IsEndLine(const std::string& line) {
    return line.rfind("END", 0) == 0 || line.rfind("300", 0) == 0;
}
}  // namespace

// A channel line as the radio takes it: its memory number, then the receive and transmit
// frequencies at their places ("001 NAME      150.0000RX 150.0000TX ...").
bool AnalogRadio::IsChannelLine(const std::string& line) const {
    if (line.size() < 36 || line[3] != ' ') return false;
    for (int i = 0; i < 3; ++i)
        if (!std::isdigit(static_cast<unsigned char>(line[i]))) return false;
    int number = std::atoi(line.substr(0, 3).c_str());
    return number >= 1 && number <= rows_ && line.compare(22, 3, "RX ") == 0 &&
           line.compare(33, 3, "TX ") == 0;
}

std::string AnalogRadio::Receive(const std::string& bytes) {
    std::string reply;
    for (char c : bytes) {
        if (c != '\r') {
            pending_ += c;
            continue;
        }
        std::string line = pending_;
        pending_.clear();
        received_.push_back(line);
        reply += HandleLine(line);
    }
    return reply;
}

std::vector<std::string> AnalogRadio::TakeReceivedLines() {
    std::vector<std::string> lines;
    lines.swap(received_);
    return lines;
}

std::string AnalogRadio::HandleLine(const std::string& raw) {
    std::string line = Trim(raw);
    switch (mode_) {
        case Mode::Pib:
            pib_ = std::atoi(line.c_str());
            mode_ = Mode::Command;
            return std::string();
        case Mode::Writing: {
            if (IsEndLine(line)) {
                mode_ = Mode::Command;
                return std::string();
            }
            // Anything but a channel line is not acknowledged: the program waits in vain.
            if (!IsChannelLine(raw)) return std::string();
            int number = std::atoi(raw.substr(0, 3).c_str());
            std::string& stored = memory_[number] = raw;
            if (number == corrupted_) stored[4] = raw[4] == 'X' ? 'Y' : 'X';  // its name
            return std::string(1, kEnq);
        }
        case Mode::Command: break;
    }
    if (line == "rt") {
        mode_ = Mode::Pib;
        return std::string();
    }
    if (line == "dl" || line.rfind("DL", 0) == 0) {
        mode_ = Mode::Writing;
        return std::string(1, kEnq);
    }
    if (line == "ul" || line.rfind("UL", 0) == 0) return ReadAll();
    return std::string();
}

// Every stored channel in memory order, then the end line ("300" on radios of at most 200
// rows, "END" otherwise).
std::string AnalogRadio::ReadAll() const {
    std::string out;
    for (const auto& entry : memory_)
        out += entry.second + "\r";
    out += (rows_ <= 200 ? "300" : "END") + std::string(74, ' ') + "\r";
    return out;
}

}  // namespace radiosim
