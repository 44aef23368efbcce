// The telnet side of an RFC 2217 port: the option negotiation, the COM-PORT-OPTION commands
// that set the far port's line, and the escaping of data bytes that look like commands.
// Nothing here does I/O; the link feeds it what it receives and sends what it returns.
#pragma once

#include <cstddef>
#include <string>

namespace lumo {

class TelnetCodec {
  public:
    // What the client says first: binary data both ways, no go-aheads, the COM-PORT option,
    // and the line settings (`baudRate`, 8 data bits, no parity, one stop bit, no flow control).
    std::string Greeting(unsigned baudRate);
    // The command that sets the far port's baud rate.
    static std::string BaudCommand(unsigned baudRate);
    // Data bytes as they go on the wire (a 255 byte is sent twice).
    static std::string Escape(const char* data, size_t size);

    // Takes received bytes: appends the data bytes among them to `data` and the answers the
    // server's negotiation needs to `replies`. Commands may be split across calls.
    void Decode(const char* bytes, size_t size, std::string& data, std::string& replies);

    // The baud rate the server last said its port runs at (0 until it says).
    unsigned ServerBaudRate() const { return serverBaud_; }

  private:
    enum class State { Data, Command, Option, Sub, SubCommand };

    void Negotiate(unsigned char verb, unsigned char option, std::string& replies);
    void EndSub();

    State state_ = State::Data;
    unsigned char verb_ = 0;
    std::string sub_;
    // Options already answered, so that a server repeating itself causes no loop.
    bool will_[256] = {};
    bool doSent_[256] = {};
    unsigned serverBaud_ = 0;
};

}  // namespace lumo
