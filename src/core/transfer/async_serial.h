// The serial link: a port, one background I/O thread, a read loop of 512-byte reads and a
// write queue that coalesces everything queued while a write is in flight. Only this layer
// throws (a port that cannot be opened, an error found at close).
//
// A port named tcp://HOST:PORT or rfc2217://HOST:PORT is a TCP connection to a port server
// instead; the link connects in the background, so that what is written before it is
// connected waits in the queue, and a connection that fails or is dropped looks to the
// transfer as a local port does when its adapter is pulled out: errorStatus() turns true.
#pragma once

#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/serial_port_base.hpp>
#include <boost/system/system_error.hpp>

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace lumo {

class AsyncSerial {
  public:
    using ReadCallback = std::function<void(const char* data, size_t length)>;
    using Parity = boost::asio::serial_port_base::parity;
    using CharacterSize = boost::asio::serial_port_base::character_size;
    using FlowControl = boost::asio::serial_port_base::flow_control;
    using StopBits = boost::asio::serial_port_base::stop_bits;

    AsyncSerial();
    AsyncSerial(const std::string& device, unsigned baudRate, Parity parity = Parity(Parity::none),
                CharacterSize size = CharacterSize(8),
                FlowControl flow = FlowControl(FlowControl::none),
                StopBits stop = StopBits(StopBits::one));
    AsyncSerial(const AsyncSerial&) = delete;
    AsyncSerial& operator=(const AsyncSerial&) = delete;
    virtual ~AsyncSerial();

    // Opens the port (closing it first when open); throws boost::system::system_error. A
    // network port throws only for a malformed name: its connection is made afterwards.
    void open(const std::string& device, unsigned baudRate, Parity parity = Parity(Parity::none),
              CharacterSize size = CharacterSize(8),
              FlowControl flow = FlowControl(FlowControl::none),
              StopBits stop = StopBits(StopBits::one));
    // False once the port is closed, and as soon as the line fails (a hang-up).
    bool isOpen() const;
    // True once the radio's bytes can go out: at once for a serial port, once connected for a
    // raw network port, and for an RFC 2217 port once the server has taken (or refused) the
    // line settings, so that nothing reaches the radio at the wrong speed.
    bool isReady() const;
    bool errorStatus() const;
    // Queue bytes and return at once; nothing is written on the calling thread. Bytes written
    // while no port is open are dropped.
    void write(const char* data, size_t size);
    void writeString(const std::string& text);
    // Applies a new baud rate to the open port (on the I/O thread; returns once applied). On an
    // RFC 2217 port the command leaves in order with the data around it; a raw TCP port keeps
    // the server's rate.
    void setBaudRate(unsigned baudRate);
    // Stops the I/O thread and closes the port; throws when an error was found. The link can be
    // opened again afterwards, also after a hang-up.
    void close();
    // How many writes went to the port since it was opened (for diagnostics: everything queued
    // while a write is in flight leaves in the next single write).
    size_t writesStarted() const;
    // Why the line failed or could not be opened, as the system words it; empty while well.
    std::string failure() const;

  protected:
    void setReadCallback(const ReadCallback& callback);
    void clearReadCallback();
    void setErrorStatus(bool error);
    void setFailure(const std::string& why);

  private:
    // One opening of the port: its I/O context, thread and queues. Work left over from one
    // opening can never touch the next.
    struct Line;
    using LinePtr = std::shared_ptr<Line>;

    LinePtr CurrentLine() const;
    // Runs `work` on the line's I/O thread and waits for it; rethrows what it threw.
    void RunOnLine(Line& line, const std::function<void()>& work);
    void openSerial(Line& line, const std::string& device, unsigned baudRate, Parity parity,
                    CharacterSize size, FlowControl flow, StopBits stop);
    void doConnect(const LinePtr& line);
    void connectTo(Line& line, const std::vector<boost::asio::ip::tcp::endpoint>& endpoints);
    void setNetworkBaudRate(const LinePtr& line, unsigned baudRate);
    void lineFailed(Line& line, const std::string& why);
    void queueBytes(Line& line, const char* data, size_t size);
    void doRead(Line& line);
    void readEnd(Line& line, const boost::system::error_code& error, size_t count);
    void doWrite(Line& line);
    void startQueuedWrite(Line& line);
    void writeEnd(Line& line, const boost::system::error_code& error);
    void doClose(Line& line);

    struct State;
    std::shared_ptr<State> state_;
};

// An AsyncSerial whose received bytes go to a callback set from outside.
class CallbackAsyncSerial : public AsyncSerial {
  public:
    CallbackAsyncSerial() = default;
    using AsyncSerial::AsyncSerial;
    ~CallbackAsyncSerial() override;

    void setCallback(const ReadCallback& callback) { setReadCallback(callback); }
    void clearCallback() { clearReadCallback(); }
};

// The platform's name for a port: on Windows a name that does not begin with a backslash is
// opened as "\\.\" + name (which makes COM10 and above work); elsewhere names are device paths.
// Network names are kept as they are.
std::string PlatformPortName(const std::string& name);

}  // namespace lumo
