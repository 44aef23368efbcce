// The telnet side of an RFC 2217 port: the option negotiation, the COM-PORT-OPTION commands
// that set the far port's line, and the coding of data bytes on the wire. Nothing here does
// I/O; the link feeds it what it receives and sends what it returns. Encode() may be called
// from any thread; everything else runs on the link's I/O thread.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>

namespace lumo {

class TelnetCodec {
  public:
    // What the client says on connecting: binary data both ways, no go-aheads, and the
    // COM-PORT option. The line settings (`baudRate`, 8 data bits, no parity, one stop bit,
    // no flow control) follow once the server agrees to the option.
    std::string Greeting(unsigned baudRate);
    // A new speed for the far port: the command to send now, or nothing while the server has
    // not agreed to the COM-PORT option (the speed then goes with the settings) or refused it.
    std::string SetBaudRate(unsigned baudRate);
    // Data bytes as they go on the wire: a 255 byte twice, and a carriage return followed by
    // NUL should the server refuse binary data.
    std::string Encode(const char* data, size_t size) const;

    // Takes received bytes: appends the data bytes among them to `data` and the answers the
    // server's negotiation needs to `replies`. Commands may be split across calls.
    void Decode(const char* bytes, size_t size, std::string& data, std::string& replies);

    // True once the server has taken the COM-PORT option (the line settings are then among the
    // replies) or refused it.
    bool LineSettled() const;
    // The baud rate the server last said its port runs at (0 until it says).
    unsigned ServerBaudRate() const { return serverBaud_; }

  private:
    enum class State { Data, Command, Option, Sub, SubCommand };
    // Where an option stands, on one side: asked for by Lumo and not yet answered, agreed,
    // or off (never asked, refused, or ended).
    enum class Side : uint8_t { Off, Asked, On };

    void Negotiate(unsigned char verb, unsigned char option, std::string& replies);
    void Agreed(unsigned char option, std::string& replies);
    void DataByte(unsigned char b, std::string& data);
    void EndSub();

    State state_ = State::Data;
    unsigned char verb_ = 0;
    std::string sub_;
    Side ours_[256] = {};                // options Lumo performs (the server says DO / DONT)
    Side theirs_[256] = {};              // options the server performs (it says WILL / WONT)
    bool refused_[2][256] = {};          // offers already refused: a repeated offer is not answered
    std::atomic<bool> binaryOut_{true};  // until the server refuses binary data from Lumo
    bool afterReturn_ = false;
    unsigned baud_ = 0;
    unsigned serverBaud_ = 0;
};

}  // namespace lumo
