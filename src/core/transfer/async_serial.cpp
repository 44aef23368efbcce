#include "transfer/async_serial.h"

#include "transfer/network_port.h"
#include "transfer/telnet_codec.h"
#include "util/diag_log.h"

#include <boost/asio/connect.hpp>
#include <boost/asio/executor_work_guard.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/post.hpp>
#include <boost/asio/serial_port.hpp>
#include <boost/asio/write.hpp>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <future>
#include <thread>

#ifdef __unix__
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#endif

namespace lumo {

namespace asio = boost::asio;
using asio::ip::tcp;

namespace {
constexpr const char* kUnit = "AsyncSerial";
}  // namespace

struct AsyncSerial::Line {
    asio::io_context io;
    asio::serial_port port{io};
    // A network port's connection; `network`, `telnet` and `openingBaud` are set before the
    // line starts.
    std::optional<NetworkPort> network;
    std::unique_ptr<TelnetCodec> telnet;
    unsigned openingBaud = 0;
    tcp::socket socket{io};
    std::atomic<bool> connected{false};  // writes wait in the queue until then
    std::atomic<bool> ready{false};      // see isReady()
    // Keeps the I/O thread running after a hang-up ended the read loop, so close() and
    // setBaudRate() always find a thread to run on.
    asio::executor_work_guard<asio::io_context::executor_type> work{io.get_executor()};
    std::thread thread;
    std::atomic<bool> open{false};  // cleared by close() and when the line fails
    std::vector<char> writeQueue;
    std::shared_ptr<char[]> writeBuffer;
    size_t writeBufferSize = 0;
    std::mutex writeQueueMutex;
    char readBuffer[512];
};

struct AsyncSerial::State {
    mutable std::mutex lineMutex;  // guards `line`, which open() and close() replace
    LinePtr line;
    bool error = false;
    std::string failure;
    mutable std::mutex errorMutex;  // guards `error` and `failure`
    std::atomic<size_t> writesStarted{0};
    ReadCallback callback;
    std::mutex callbackMutex;  // the callback is cleared from the GUI thread while reads run
};

std::string PlatformPortName(const std::string& name) {
#ifdef _WIN32
    if (!name.empty() && name[0] != '\\' && !IsNetworkPortName(name)) return "\\\\.\\" + name;
#endif
    return name;
}

namespace {
// Runs `work` on whichever stream the line has.
template <typename L, typename Work>
void OnStream(L& line, Work&& work) {
    if (line.network)
        work(line.socket);
    else
        work(line.port);
}

std::string Why(const boost::system::error_code& error) {
    if (error == asio::error::eof) return "the connection was closed";
    return error.message();
}
}  // namespace

AsyncSerial::AsyncSerial() : state_(std::make_shared<State>()) {}

AsyncSerial::AsyncSerial(const std::string& device, unsigned baudRate, Parity parity,
                         CharacterSize size, FlowControl flow, StopBits stop)
    : state_(std::make_shared<State>()) {
    open(device, baudRate, parity, size, flow, stop);
}

AsyncSerial::~AsyncSerial() {
    try {
        close();
    } catch (...) {
        // a destructor never throws; the error was the port's
    }
}

AsyncSerial::LinePtr AsyncSerial::CurrentLine() const {
    std::lock_guard<std::mutex> lock(state_->lineMutex);
    return state_->line;
}

// Errors come back as codes: an exception is not carried from one thread to another.
void AsyncSerial::RunOnLine(Line& line, const std::function<void()>& work) {
    if (std::this_thread::get_id() == line.thread.get_id()) {
        work();
        return;
    }
    std::promise<void> done;
    std::future<void> finished = done.get_future();
    asio::post(line.io, [&] {
        work();
        done.set_value();
    });
    finished.wait();
}

void AsyncSerial::open(const std::string& device, unsigned baudRate, Parity parity,
                       CharacterSize size, FlowControl flow, StopBits stop) {
    try {
        close();
    } catch (const boost::system::system_error&) {
        // how the previous port ended does not matter to the new one
    }
    setErrorStatus(true);  // cleared once everything below worked
    setFailure("");
    auto line = std::make_shared<Line>();
    if (IsNetworkPortName(device)) {
        line->network = ParseNetworkPort(device);
        if (!line->network) {
            setFailure("not a port server's HOST:PORT");
            throw boost::system::system_error(asio::error::invalid_argument, device);
        }
        if (line->network->rfc2217) line->telnet = std::make_unique<TelnetCodec>();
        line->openingBaud = baudRate;
    }
    Line* l = line.get();
    line->thread = std::thread([l] { l->io.run(); });
    if (!line->network) openSerial(*line, device, baudRate, parity, size, flow, stop);
    state_->writesStarted = 0;
    line->open = true;
    {
        std::lock_guard<std::mutex> lock(state_->lineMutex);
        state_->line = line;
    }
    // Cleared before the line starts: a connection refused at once must stay an error.
    setErrorStatus(false);
    if (line->network) {
        // Said first, before anything the transfer writes: the far port's line settings.
        if (line->telnet) {
            std::string greeting = line->telnet->Greeting(baudRate);
            queueBytes(*line, greeting.data(), greeting.size());
        }
        asio::post(line->io, [this, line] { doConnect(line); });
    } else {
        asio::post(line->io, [this, l] { doRead(*l); });
    }
}

// Opens and sets up the device on the line's thread; throws (with the thread ended) on failure.
void AsyncSerial::openSerial(Line& line, const std::string& device, unsigned baudRate,
                             Parity parity, CharacterSize size, FlowControl flow, StopBits stop) {
    boost::system::error_code error;
    const char* step = "open";
    RunOnLine(line, [&] {
        asio::serial_port& port = line.port;
        port.open(PlatformPortName(device), error);
#ifdef __unix__
        // Exclusive, as a port is on Windows: other programs (and Lumo's port probe) see it
        // held.
        if (!error && flock(port.native_handle(), LOCK_EX | LOCK_NB) != 0)
            error = boost::system::error_code(EBUSY, boost::system::system_category());
        if (!error) ioctl(port.native_handle(), TIOCEXCL);
#endif
        if (error) return;
        step = "set_option";
        port.set_option(asio::serial_port_base::baud_rate(baudRate), error);
        if (!error) port.set_option(parity, error);
        if (!error) port.set_option(size, error);
        if (!error) port.set_option(flow, error);
        if (!error) port.set_option(stop, error);
        boost::system::error_code ignored;
        if (error) port.close(ignored);
    });
    if (error) {
        setFailure(error.message());
        line.work.reset();
        line.thread.join();
        throw boost::system::system_error(error, step);
    }
    line.connected = true;
    line.ready = true;
}

// On the I/O thread. A numeric address is connected to at once. A name is looked up on a
// thread of its own that keeps the line alive: a lookup cannot be cancelled once it runs, and
// closing the port must not wait for a name server that does not answer.
void AsyncSerial::doConnect(const LinePtr& line) {
    if (!line->open) return;
    const NetworkPort& port = *line->network;
    boost::system::error_code error;
    asio::ip::address address = asio::ip::make_address(port.host, error);
    if (!error) {
        auto number = static_cast<unsigned short>(std::stoi(port.service));
        return connectTo(*line, {tcp::endpoint(address, number)});
    }
    std::thread([this, line] {
        asio::io_context lookup;
        boost::system::error_code error;
        tcp::resolver::results_type found =
            tcp::resolver(lookup).resolve(line->network->host, line->network->service, error);
        Line* l = line.get();
        std::vector<tcp::endpoint> endpoints(found.begin(), found.end());
        asio::post(l->io, [this, l, endpoints, error] {
            if (error) return lineFailed(*l, Why(error));
            connectTo(*l, endpoints);
        });
    }).detach();
}

void AsyncSerial::connectTo(Line& line, const std::vector<tcp::endpoint>& endpoints) {
    if (!line.open) return;  // closed while the name was looked up
    asio::async_connect(
        line.socket, endpoints,
        [this, &line](const boost::system::error_code& error, const tcp::endpoint&) {
            boost::system::error_code ignored;
            if (!line.open) return void(line.socket.close(ignored));  // closed meanwhile
            if (error) return lineFailed(line, Why(error));
            // Records are short and each waits for its answer: no Nagle delay.
            line.socket.set_option(tcp::no_delay(true), ignored);
            line.connected = true;
            line.ready = !line.telnet;
            LUMO_LOG(kUnit, " . Connected to %s", line.network->Name().c_str());
            doRead(line);
            doWrite(line);
        });
}

// On the I/O thread: the line is gone (a hang-up, a dropped or refused connection). Work
// cancelled by close() ends here too, and is no failure.
void AsyncSerial::lineFailed(Line& line, const std::string& why) {
    if (!line.open) return;
    setFailure(why);
    setErrorStatus(true);
    line.open = false;
    doClose(line);
}

bool AsyncSerial::isOpen() const {
    LinePtr line = CurrentLine();
    return line && line->open;
}

bool AsyncSerial::isReady() const {
    LinePtr line = CurrentLine();
    return line && line->open && line->ready;
}

size_t AsyncSerial::writesStarted() const {
    return state_->writesStarted;
}

bool AsyncSerial::errorStatus() const {
    std::lock_guard<std::mutex> lock(state_->errorMutex);
    return state_->error;
}

void AsyncSerial::setErrorStatus(bool error) {
    std::lock_guard<std::mutex> lock(state_->errorMutex);
    state_->error = error;
}

std::string AsyncSerial::failure() const {
    std::lock_guard<std::mutex> lock(state_->errorMutex);
    return state_->failure;
}

void AsyncSerial::setFailure(const std::string& why) {
    std::lock_guard<std::mutex> lock(state_->errorMutex);
    state_->failure = why;
}

void AsyncSerial::write(const char* data, size_t size) {
    LinePtr line = CurrentLine();
    if (!line) return;
    if (!line->telnet) return queueBytes(*line, data, size);
    std::string encoded = line->telnet->Encode(data, size);
    queueBytes(*line, encoded.data(), encoded.size());
}

// Bytes as they go on the wire, after everything queued before them.
void AsyncSerial::queueBytes(Line& line, const char* data, size_t size) {
    {
        std::lock_guard<std::mutex> lock(line.writeQueueMutex);
        line.writeQueue.insert(line.writeQueue.end(), data, data + size);
    }
    asio::post(line.io, [this, &line] { doWrite(line); });
}

void AsyncSerial::writeString(const std::string& text) {
    write(text.data(), text.size());
}

void AsyncSerial::setBaudRate(unsigned baudRate) {
    LinePtr line = CurrentLine();
    if (!line) throw boost::system::system_error(asio::error::bad_descriptor, "set_option");
    if (line->network) return setNetworkBaudRate(line, baudRate);
    // Asio allows no other operation on a port from another thread while a read is pending.
    boost::system::error_code error;
    RunOnLine(*line,
              [&] { line->port.set_option(asio::serial_port_base::baud_rate(baudRate), error); });
    if (error) throw boost::system::system_error(error, "set_option");
}

// Queued on the I/O thread, which the codec belongs to, before the caller writes again. A raw
// port cannot follow; should the transfer fail, its message says why.
void AsyncSerial::setNetworkBaudRate(const LinePtr& line, unsigned baudRate) {
    if (!line->telnet) {
        if (baudRate != line->openingBaud && failure().empty())
            setFailure("the radio asked for " + std::to_string(baudRate) +
                       " baud, which only an rfc2217:// port can set");
        return;
    }
    RunOnLine(*line, [&] {
        std::string command = line->telnet->SetBaudRate(baudRate);
        if (!command.empty()) queueBytes(*line, command.data(), command.size());
    });
}

void AsyncSerial::close() {
    LinePtr line = CurrentLine();
    if (!line) return;
    // What was written just before closing (an end record, say) still goes out: wait a little
    // for the queue to drain unless the line is already dead.
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (line->open && line->connected && !errorStatus() &&
           std::chrono::steady_clock::now() < deadline) {
        {
            std::lock_guard<std::mutex> lock(line->writeQueueMutex);
            if (!line->writeBuffer && line->writeQueue.empty()) break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    line->open = false;
    Line* l = line.get();
    asio::post(line->io, [this, l] { doClose(*l); });
    line->work.reset();
    if (line->thread.joinable()) line->thread.join();
    {
        std::lock_guard<std::mutex> lock(state_->lineMutex);
        state_->line.reset();
    }
    if (errorStatus())
        throw boost::system::system_error(
            boost::system::error_code(EIO, boost::system::system_category()),
            "Error while closing the device");
}

void AsyncSerial::setReadCallback(const ReadCallback& callback) {
    std::lock_guard<std::mutex> lock(state_->callbackMutex);
    state_->callback = callback;
}

void AsyncSerial::clearReadCallback() {
    std::lock_guard<std::mutex> lock(state_->callbackMutex);
    state_->callback = nullptr;
}

void AsyncSerial::doRead(Line& line) {
    OnStream(line, [this, &line](auto& stream) {
        stream.async_read_some(asio::buffer(line.readBuffer, sizeof(line.readBuffer)),
                               [this, &line](const boost::system::error_code& error, size_t count) {
                                   readEnd(line, error, count);
                               });
    });
}

void AsyncSerial::readEnd(Line& line, const boost::system::error_code& error, size_t count) {
    // A read that fails while the port is open means the line is gone (a hang-up, an
    // unplugged adapter, a closed connection); during close() it is the cancelled read.
    if (error) return lineFailed(line, Why(error));
    const char* data = line.readBuffer;
    std::string decoded, replies;
    if (line.telnet) {
        unsigned baudBefore = line.telnet->ServerBaudRate();
        line.telnet->Decode(line.readBuffer, count, decoded, replies);
        if (line.telnet->ServerBaudRate() != baudBefore)
            LUMO_LOG(kUnit, " . %s: the far port runs at %u baud", line.network->Name().c_str(),
                     line.telnet->ServerBaudRate());
        if (!replies.empty()) queueBytes(line, replies.data(), replies.size());
        if (line.telnet->LineSettled()) line.ready = true;
        data = decoded.data();
        count = decoded.size();
    }
    if (count > 0) {
        std::lock_guard<std::mutex> lock(state_->callbackMutex);
        if (state_->callback) state_->callback(data, count);
    }
    doRead(line);
}

void AsyncSerial::doWrite(Line& line) {
    std::lock_guard<std::mutex> lock(line.writeQueueMutex);
    if (!line.open) {
        line.writeQueue.clear();  // the line is gone: nothing will ever leave
        return;
    }
    // One write at a time, and none before the connection is made.
    if (!line.connected || line.writeBuffer || line.writeQueue.empty()) return;
    startQueuedWrite(line);
}

// Moves the whole queue into the write buffer and writes it. The queue mutex is held.
void AsyncSerial::startQueuedWrite(Line& line) {
    line.writeBufferSize = line.writeQueue.size();
    line.writeBuffer.reset(new char[line.writeBufferSize]);
    std::copy(line.writeQueue.begin(), line.writeQueue.end(), line.writeBuffer.get());
    line.writeQueue.clear();
    ++state_->writesStarted;
    OnStream(line, [this, &line](auto& stream) {
        asio::async_write(stream, asio::buffer(line.writeBuffer.get(), line.writeBufferSize),
                          [this, &line](const boost::system::error_code& error, size_t) {
                              writeEnd(line, error);
                          });
    });
}

void AsyncSerial::writeEnd(Line& line, const boost::system::error_code& error) {
    std::lock_guard<std::mutex> lock(line.writeQueueMutex);
    line.writeBuffer.reset();
    line.writeBufferSize = 0;
    if (error == asio::error::operation_aborted && !line.open) return;  // cancelled by close()
    if (error) {
        line.writeQueue.clear();
        if (!line.open) return setErrorStatus(true);  // failed while closing: close() says so
        lineFailed(line, Why(error));
        return;
    }
    if (!line.writeQueue.empty()) startQueuedWrite(line);
}

// Runs on the I/O thread only; a port the line's failure already closed is left alone.
void AsyncSerial::doClose(Line& line) {
    if (line.network) {
        // The far end's errors at closing are no concern of the transfer's.
        boost::system::error_code ignored;
        line.socket.close(ignored);
        return;
    }
    if (!line.port.is_open()) return;
    boost::system::error_code error;
    line.port.cancel(error);
    if (error) setErrorStatus(true);
    line.port.close(error);
    if (error) setErrorStatus(true);
}

CallbackAsyncSerial::~CallbackAsyncSerial() {
    clearCallback();
}

}  // namespace lumo
