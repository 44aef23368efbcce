#include "transfer/telnet_codec.h"

namespace lumo {

namespace {
constexpr unsigned char kIac = 255, kDont = 254, kDo = 253, kWont = 252, kWill = 251, kSb = 250,
                        kSe = 240;
constexpr unsigned char kBinary = 0, kSuppressGoAhead = 3, kComPort = 44;
// COM-PORT-OPTION commands; the server answers each with the same code plus 100.
constexpr unsigned char kSetBaud = 1, kSetDataSize = 2, kSetParity = 3, kSetStopSize = 4,
                        kSetControl = 5, kServerOffset = 100;
constexpr unsigned char kParityNone = 1, kOneStopBit = 1, kNoFlowControl = 1;
// Longer subnegotiations are none Lumo needs; their excess is dropped, not kept.
constexpr size_t kMaxSub = 64;

std::string Verb(unsigned char verb, unsigned char option) {
    return {static_cast<char>(kIac), static_cast<char>(verb), static_cast<char>(option)};
}

// A subnegotiation's value doubles the command byte as data does.
std::string ComPort(unsigned char command, const std::string& value) {
    std::string text = {static_cast<char>(kIac), static_cast<char>(kSb),
                        static_cast<char>(kComPort), static_cast<char>(command)};
    for (char c : value) {
        text += c;
        if (static_cast<unsigned char>(c) == kIac) text += c;
    }
    return text + std::string{static_cast<char>(kIac), static_cast<char>(kSe)};
}

std::string BaudCommand(unsigned baudRate) {
    std::string value;
    for (int shift = 24; shift >= 0; shift -= 8)
        value += static_cast<char>((baudRate >> shift) & 0xFF);
    return ComPort(kSetBaud, value);
}

std::string LineSettings(unsigned baudRate) {
    return BaudCommand(baudRate) + ComPort(kSetDataSize, std::string(1, 8)) +
           ComPort(kSetParity, std::string(1, static_cast<char>(kParityNone))) +
           ComPort(kSetStopSize, std::string(1, static_cast<char>(kOneStopBit))) +
           ComPort(kSetControl, std::string(1, static_cast<char>(kNoFlowControl)));
}

// Lumo performs binary, no go-aheads and the COM-PORT option, and asks the server for binary
// and no go-aheads (the COM-PORT option is the client's to perform, not the server's).
bool WantOurs(unsigned char option) {
    return option == kBinary || option == kSuppressGoAhead || option == kComPort;
}
bool WantTheirs(unsigned char option) {
    return option == kBinary || option == kSuppressGoAhead;
}
}  // namespace

std::string TelnetCodec::Greeting(unsigned baudRate) {
    baud_ = baudRate;
    std::string text;
    for (unsigned char option : {kBinary, kSuppressGoAhead, kComPort}) {
        text += Verb(kWill, option);
        ours_[option] = Side::Asked;
    }
    for (unsigned char option : {kBinary, kSuppressGoAhead}) {
        text += Verb(kDo, option);
        theirs_[option] = Side::Asked;
    }
    return text;
}

bool TelnetCodec::LineSettled() const {
    return ours_[kComPort] != Side::Asked;
}

std::string TelnetCodec::SetBaudRate(unsigned baudRate) {
    baud_ = baudRate;
    return ours_[kComPort] == Side::On ? BaudCommand(baudRate) : std::string();
}

std::string TelnetCodec::Encode(const char* data, size_t size) const {
    bool binary = binaryOut_;
    std::string text;
    text.reserve(size);
    for (size_t i = 0; i < size; ++i) {
        text += data[i];
        if (static_cast<unsigned char>(data[i]) == kIac) text += data[i];
        if (!binary && data[i] == '\r') text += '\0';
    }
    return text;
}

void TelnetCodec::Agreed(unsigned char option, std::string& replies) {
    if (option == kComPort) replies += LineSettings(baud_);
    if (option == kBinary) binaryOut_ = true;
}

// The answers of RFC 1143 without its queue: a request that changes nothing is not answered,
// an answer to Lumo's own request is not answered back, and a refused offer is refused once.
void TelnetCodec::Negotiate(unsigned char verb, unsigned char option, std::string& replies) {
    bool about = verb == kDo || verb == kDont;  // about what Lumo performs
    Side& side = about ? ours_[option] : theirs_[option];
    bool enable = verb == kDo || verb == kWill;
    bool wanted = about ? WantOurs(option) : WantTheirs(option);
    unsigned char yes = about ? kWill : kDo, no = about ? kWont : kDont;
    if (enable) {
        if (side == Side::On) return;
        if (side == Side::Off && !wanted) {
            if (!refused_[about][option]) replies += Verb(no, option);
            refused_[about][option] = true;
            return;
        }
        if (side == Side::Off) replies += Verb(yes, option);
        side = Side::On;
        if (about) Agreed(option, replies);
        return;
    }
    if (side == Side::On) replies += Verb(no, option);
    side = Side::Off;
    if (option == kBinary && about) binaryOut_ = false;
}

void TelnetCodec::EndSub() {
    const std::string& s = sub_;
    if (s.size() >= 6 && static_cast<unsigned char>(s[0]) == kComPort &&
        static_cast<unsigned char>(s[1]) == kSetBaud + kServerOffset) {
        unsigned rate = 0;
        for (size_t i = 2; i < 6; ++i)
            rate = (rate << 8) | static_cast<unsigned char>(s[i]);
        serverBaud_ = rate;
    }
    sub_.clear();
}

// A server that does not send binary data follows each carriage return with a NUL to drop.
void TelnetCodec::DataByte(unsigned char b, std::string& data) {
    bool padding = b == 0 && afterReturn_ && theirs_[kBinary] == Side::Off;
    afterReturn_ = b == '\r';
    if (!padding) data += static_cast<char>(b);
}

void TelnetCodec::Decode(const char* bytes, size_t size, std::string& data, std::string& replies) {
    for (size_t i = 0; i < size; ++i) {
        unsigned char b = static_cast<unsigned char>(bytes[i]);
        switch (state_) {
            case State::Data:
                if (b == kIac)
                    state_ = State::Command;
                else
                    DataByte(b, data);
                break;
            case State::Command:
                state_ = State::Data;
                if (b == kIac) {
                    DataByte(b, data);
                } else if (b >= kWill && b <= kDont) {
                    verb_ = b;
                    state_ = State::Option;
                } else if (b == kSb) {
                    sub_.clear();
                    state_ = State::Sub;
                }  // other commands (NOP, go-ahead...) carry nothing for Lumo
                break;
            case State::Option:
                Negotiate(verb_, b, replies);
                state_ = State::Data;
                break;
            case State::Sub:
                if (b == kIac)
                    state_ = State::SubCommand;
                else if (sub_.size() < kMaxSub)
                    sub_ += static_cast<char>(b);
                break;
            case State::SubCommand:
                if (b == kIac) {
                    if (sub_.size() < kMaxSub) sub_ += static_cast<char>(b);
                    state_ = State::Sub;
                } else {
                    // SE ends it; anything else is a broken subnegotiation, ended all the same
                    if (b == kSe) EndSub();
                    sub_.clear();
                    state_ = State::Data;
                }
                break;
        }
    }
}

}  // namespace lumo
