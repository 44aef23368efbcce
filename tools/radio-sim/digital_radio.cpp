#include "digital_radio.h"

#include <cstdio>

namespace radiosim {

namespace {
const char* const kAck = "T204000000";
const char* const kRepeat = "T204000001";
const char* const kBusy = "T204000002";
const char* const kRefuse = "T204000003";
const char* const kEnd = "T9030000";
const std::vector<std::string> kHardwareTexts = {"LUMO-SIM", "BOARD 1.0", "SERIAL 0001"};
constexpr size_t kCorruptedDigit = 8 + 2 * 8;

int Hex(const std::string& text, size_t pos, size_t digits) {
    if (pos + digits > text.size()) return -1;
    int value = 0;
    for (size_t i = pos; i < pos + digits; ++i) {
        char c = text[i];
        int d = (c >= '0' && c <= '9') ? c - '0' : (c >= 'A' && c <= 'F') ? c - 'A' + 10 : -1;
        if (d < 0) return -1;
        value = value * 16 + d;
    }
    return value;
}

std::string Hex(int value, int digits) {
    char buffer[16];
    std::snprintf(buffer, sizeof(buffer), "%0*X", digits, value);
    std::string text = buffer;
    return text.substr(text.size() - digits);
}

int RecordChecksum(const std::string& record) {
    if (record.size() < 3) return 255;
    unsigned sum = 0;
    for (size_t pos = 2; pos + 1 < record.size(); pos += 2) {
        int byte = Hex(record, pos, 2);
        sum += byte < 0 ? 0 : static_cast<unsigned>(byte);
    }
    return static_cast<int>(255 - sum % 256);
}

std::string WithRecordChecksum(const std::string& record) {
    return record + Hex(RecordChecksum(record), 2);
}

bool HasValidChecksum(const std::string& line) {
    if (line.size() < 4 || line[0] != 'T') return false;
    std::string body = line.substr(0, line.size() - 2);
    return Hex(line, line.size() - 2, 2) == RecordChecksum(body);
}

DigitalRadio::Replies Ack() {
    return {WithRecordChecksum(kAck)};
}

std::string TextRecord(const std::string& text) {
    std::string record = "T1" + Hex(static_cast<int>(text.size()) + 3, 2) + "0000";
    for (unsigned char c : text)
        record += Hex(c, 2);
    return record;
}
}  // namespace

std::vector<std::string> DigitalRadio::Handle(const std::string& line) {
    if (!HasValidChecksum(line)) return {WithRecordChecksum(kRefuse)};
    std::vector<std::string> replies = Reply(line.substr(0, line.size() - 2));
    if (!replies.empty()) lastSent_ = replies.back();
    return replies;
}

std::vector<std::string> DigitalRadio::Reply(const std::string& record) {
    for (auto part : {&DigitalRadio::OpeningReply, &DigitalRadio::CommandReply,
                      &DigitalRadio::FlowReply, &DigitalRadio::MemoryReply})
        if (std::optional<Replies> replies = (this->*part)(record)) return *replies;
    return {WithRecordChecksum(kRefuse)};
}

// The protocol header, the baud rate, and what the radio tells of itself.
std::optional<DigitalRadio::Replies> DigitalRadio::OpeningReply(const std::string& record) {
    if (record.rfind("T0070000", 0) == 0 && record.size() == 16) {
        int index = Hex(record, 8, 2) - 0x20;
        if (index != settings_.protocol) return Replies{WithRecordChecksum(kRefuse)};
        protocol_ = index;
        return Ack();
    }
    if (record == "T2060000320480") return Ack();
    if (record == "T204000033")
        return Replies{WithRecordChecksum("T205000033" + Hex(settings_.modes, 2))};
    if (record == "T204000022") {
        version_ = (protocol_ >= 2 && settings_.firmware.rfind("02", 0) == 0) ? 2 : 1;
        return Replies{WithRecordChecksum("T207000023" + settings_.firmware)};
    }
    if (record == "T204000020") {
        std::string id = radioId_.empty() ? std::string(14, '0') : radioId_;
        return Replies{WithRecordChecksum("T20B000021" + id)};
    }
    if (record.rfind("T20B000021", 0) == 0 && record.size() == 24) {
        radioId_ = record.substr(10);
        return Ack();
    }
    return std::nullopt;
}

std::string DigitalRadio::BusyLine() {
    return WithRecordChecksum(kBusy);
}

// The commands that start a transfer: hardware information, write, purge, read.
std::optional<DigitalRadio::Replies> DigitalRadio::CommandReply(const std::string& record) {
    if (record == "T204000031") {
        mode_ = Mode::Hardware;
        hardwareIndex_ = 0;
        return Replies{WithRecordChecksum(TextRecord(kHardwareTexts[hardwareIndex_++]))};
    }
    if (record == "T204000025") {
        mode_ = Mode::Writing;
        return Ack();
    }
    if (record == "T204000011") {
        memory_.clear();
        purged_ = true;
        if (settings_.purgeBusyReplies < 0) {
            busyWithoutEnd_ = true;
            return Replies{BusyLine()};
        }
        Replies replies(settings_.purgeBusyReplies, BusyLine());
        replies.push_back(WithRecordChecksum(kAck));
        return replies;
    }
    if (record == "T204000024") {
        mode_ = Mode::Reading;
        cursor_ = memory_.begin();
        return NextRecord();
    }
    return std::nullopt;
}

// "Next", "again" and "end" within a transfer.
std::optional<DigitalRadio::Replies> DigitalRadio::FlowReply(const std::string& record) {
    if (record == kAck) {
        if (mode_ == Mode::Reading) return NextRecord();
        if (mode_ == Mode::Hardware) {
            if (hardwareIndex_ < kHardwareTexts.size())
                return Replies{WithRecordChecksum(TextRecord(kHardwareTexts[hardwareIndex_++]))};
            mode_ = Mode::Idle;
            return Replies{WithRecordChecksum(kEnd)};
        }
        return Ack();
    }
    if (record == kRepeat && !lastSent_.empty()) return Replies{lastSent_};
    if (record == kEnd) {
        mode_ = Mode::Idle;
        return Replies{};
    }
    return std::nullopt;
}

// Erase records, and the memory records of a write.
std::optional<DigitalRadio::Replies> DigitalRadio::MemoryReply(const std::string& record) {
    if (record.rfind("T204", 0) == 0 && record.size() == 10 && record.substr(8) == "10") {
        memory_.erase(Hex(record, 4, 4));
        return Ack();
    }
    if (record.rfind("T143", 0) == 0 && record.size() == 136 && mode_ == Mode::Writing) {
        if (Hex(record, 4, 4) == settings_.refusedAddress)
            return Replies{WithRecordChecksum(kRefuse)};
        StoreMemoryRecord(record);
        return Ack();
    }
    return std::nullopt;
}

std::vector<std::string> DigitalRadio::NextRecord() {
    if (cursor_ == memory_.end()) {
        mode_ = Mode::Idle;
        return {WithRecordChecksum(kEnd)};
    }
    std::string record = cursor_->second;
    ++cursor_;
    return {WithRecordChecksum(record)};
}

void DigitalRadio::StoreMemoryRecord(const std::string& record) {
    int address = Hex(record, 4, 4);
    std::string stored = record;
    // A damaged store: data byte 8, a character of the name in both record versions.
    if (address == settings_.corruptedAddress)
        stored.replace(kCorruptedDigit, 2, stored.compare(kCorruptedDigit, 2, "58") ? "58" : "59");
    memory_[address] = stored;
    LinkShadow(stored);
}

// The radio keeps its own shadow lists: a shadow's record names its primary and its slot, and
// the radio enters the shadow in the primary's record (the program sends the slots as zeros).
void DigitalRadio::LinkShadow(const std::string& record) {
    bool v2 = version_ == 2;
    int flags = v2 ? Hex(record, 8, 4) : Hex(record, 8, 2);
    int slot = flags & 0x07;
    if (slot == 0) return;
    int primary = v2 ? Hex(record, 12, 4) : Hex(record, 10, 2);
    int number = v2 ? Hex(record, 16, 4) : Hex(record, 12, 2);
    for (auto& [address, stored] : memory_) {
        int storedNumber = v2 ? Hex(stored, 16, 4) : Hex(stored, 12, 2);
        if (storedNumber != primary || address == Hex(record, 4, 4)) continue;
        size_t pos = v2 ? 100 + 4 * (slot - 1) : 108 + 2 * (slot - 1);
        stored.replace(pos, v2 ? 4 : 2, Hex(number, v2 ? 4 : 2));
    }
}

}  // namespace radiosim
