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

std::string ComPort(unsigned char command, const std::string& value) {
    std::string text = {static_cast<char>(kIac), static_cast<char>(kSb),
                        static_cast<char>(kComPort), static_cast<char>(command)};
    text += TelnetCodec::Escape(value.data(), value.size());
    return text + std::string{static_cast<char>(kIac), static_cast<char>(kSe)};
}

bool Wanted(unsigned char option) {
    return option == kBinary || option == kSuppressGoAhead || option == kComPort;
}
}  // namespace

std::string TelnetCodec::BaudCommand(unsigned baudRate) {
    std::string value;
    for (int shift = 24; shift >= 0; shift -= 8)
        value += static_cast<char>((baudRate >> shift) & 0xFF);
    return ComPort(kSetBaud, value);
}

std::string TelnetCodec::Greeting(unsigned baudRate) {
    std::string text;
    for (unsigned char option : {kBinary, kSuppressGoAhead, kComPort}) {
        text += Verb(kWill, option);
        will_[option] = true;
    }
    for (unsigned char option : {kBinary, kSuppressGoAhead}) {
        text += Verb(kDo, option);
        doSent_[option] = true;
    }
    text += BaudCommand(baudRate);
    text += ComPort(kSetDataSize, std::string(1, 8));
    text += ComPort(kSetParity, std::string(1, static_cast<char>(kParityNone)));
    text += ComPort(kSetStopSize, std::string(1, static_cast<char>(kOneStopBit)));
    text += ComPort(kSetControl, std::string(1, static_cast<char>(kNoFlowControl)));
    return text;
}

std::string TelnetCodec::Escape(const char* data, size_t size) {
    std::string text;
    text.reserve(size);
    for (size_t i = 0; i < size; ++i) {
        text += data[i];
        if (static_cast<unsigned char>(data[i]) == kIac) text += data[i];
    }
    return text;
}

// Agrees to the options Lumo wants and refuses the rest, each once.
void TelnetCodec::Negotiate(unsigned char verb, unsigned char option, std::string& replies) {
    if (verb == kDo && !will_[option]) {
        will_[option] = true;
        replies += Verb(Wanted(option) ? kWill : kWont, option);
    } else if (verb == kWill && !doSent_[option]) {
        doSent_[option] = true;
        replies += Verb(Wanted(option) ? kDo : kDont, option);
    }
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

void TelnetCodec::Decode(const char* bytes, size_t size, std::string& data, std::string& replies) {
    for (size_t i = 0; i < size; ++i) {
        unsigned char b = static_cast<unsigned char>(bytes[i]);
        switch (state_) {
            case State::Data:
                if (b == kIac)
                    state_ = State::Command;
                else
                    data += static_cast<char>(b);
                break;
            case State::Command:
                state_ = State::Data;
                if (b == kIac) {
                    data += static_cast<char>(b);
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
