#include "transfer/async_serial.h"

#include <boost/asio/post.hpp>
#include <boost/asio/write.hpp>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>

#ifdef __unix__
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#endif

namespace lumo {

namespace asio = boost::asio;

struct AsyncSerial::State {
    asio::io_context io;
    asio::serial_port port{io};
    std::thread thread;
    std::atomic<bool> open{false};
    bool error = false;
    mutable std::mutex errorMutex;
    std::vector<char> writeQueue;
    std::shared_ptr<char[]> writeBuffer;
    size_t writeBufferSize = 0;
    std::mutex writeQueueMutex;
    std::atomic<size_t> writesStarted{0};
    char readBuffer[512];
    ReadCallback callback;
    std::mutex callbackMutex;  // the callback is cleared from the GUI thread while reads run
};

std::string PlatformPortName(const std::string& name) {
#ifdef _WIN32
    if (!name.empty() && name[0] != '\\') return "\\\\.\\" + name;
#endif
    return name;
}

AsyncSerial::AsyncSerial() : state_(std::make_shared<State>()) {}

AsyncSerial::AsyncSerial(const std::string& device, unsigned baudRate, Parity parity,
                         CharacterSize size, FlowControl flow, StopBits stop)
    : state_(std::make_shared<State>()) {
    open(device, baudRate, parity, size, flow, stop);
}

AsyncSerial::~AsyncSerial() {
    if (isOpen()) {
        try {
            close();
        } catch (...) {
            // a destructor never throws; the error was the port's
        }
    }
}

void AsyncSerial::open(const std::string& device, unsigned baudRate, Parity parity,
                       CharacterSize size, FlowControl flow, StopBits stop) {
    if (isOpen()) close();
    setErrorStatus(true);  // cleared once everything below worked
    State& s = *state_;
    s.port.open(PlatformPortName(device));
    try {
#ifdef __unix__
        // Exclusive, as a port is on Windows: other programs (and Lumo's port probe) see it held.
        int fd = s.port.native_handle();
        if (flock(fd, LOCK_EX | LOCK_NB) != 0)
            throw boost::system::system_error(
                boost::system::error_code(EBUSY, boost::system::system_category()), "open");
        ioctl(fd, TIOCEXCL);
#endif
        s.port.set_option(asio::serial_port_base::baud_rate(baudRate));
        s.port.set_option(parity);
        s.port.set_option(size);
        s.port.set_option(flow);
        s.port.set_option(stop);
    } catch (...) {
        boost::system::error_code ignored;
        s.port.close(ignored);
        throw;
    }
    s.io.restart();
    s.writesStarted = 0;
    asio::post(s.io, [this] { doRead(); });
    s.thread = std::thread([state = state_] { state->io.run(); });
    setErrorStatus(false);
    s.open = true;
}

bool AsyncSerial::isOpen() const {
    return state_->open;
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

void AsyncSerial::write(const char* data, size_t size) {
    {
        std::lock_guard<std::mutex> lock(state_->writeQueueMutex);
        state_->writeQueue.insert(state_->writeQueue.end(), data, data + size);
    }
    asio::post(state_->io, [this] { doWrite(); });
}

void AsyncSerial::write(const std::vector<char>& data) {
    write(data.data(), data.size());
}
void AsyncSerial::writeString(const std::string& text) {
    write(text.data(), text.size());
}

void AsyncSerial::setBaudRate(unsigned baudRate) {
    state_->port.set_option(asio::serial_port_base::baud_rate(baudRate));
}

void AsyncSerial::close() {
    State& s = *state_;
    if (!s.open) return;
    // What was written just before closing (an end record, say) still goes out: wait a little
    // for the queue to drain unless the line is already dead.
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (!errorStatus() && std::chrono::steady_clock::now() < deadline) {
        {
            std::lock_guard<std::mutex> lock(s.writeQueueMutex);
            if (!s.writeBuffer && s.writeQueue.empty()) break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    s.open = false;
    asio::post(s.io, [this] { doClose(); });
    if (s.thread.joinable()) s.thread.join();
    s.io.restart();
    {
        std::lock_guard<std::mutex> lock(s.writeQueueMutex);
        s.writeQueue.clear();
        s.writeBuffer.reset();
        s.writeBufferSize = 0;
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

void AsyncSerial::doRead() {
    state_->port.async_read_some(
        asio::buffer(state_->readBuffer, sizeof(state_->readBuffer)),
        [this](const boost::system::error_code& error, size_t count) { readEnd(error, count); });
}

void AsyncSerial::readEnd(const boost::system::error_code& error, size_t count) {
    if (error) {
        // A read that fails while the port is open means the line is gone (a hang-up, an
        // unplugged adapter); during close() it is the cancelled read and ends the loop.
        if (isOpen()) {
            doClose();
            setErrorStatus(true);
        }
        return;
    }
    {
        std::lock_guard<std::mutex> lock(state_->callbackMutex);
        if (state_->callback) state_->callback(state_->readBuffer, count);
    }
    doRead();
}

void AsyncSerial::doWrite() {
    State& s = *state_;
    std::lock_guard<std::mutex> lock(s.writeQueueMutex);
    if (s.writeBuffer || s.writeQueue.empty()) return;  // one write at a time
    startQueuedWrite();
}

// Moves the whole queue into the write buffer and writes it. The queue mutex is held.
void AsyncSerial::startQueuedWrite() {
    State& s = *state_;
    s.writeBufferSize = s.writeQueue.size();
    s.writeBuffer.reset(new char[s.writeBufferSize]);
    std::copy(s.writeQueue.begin(), s.writeQueue.end(), s.writeBuffer.get());
    s.writeQueue.clear();
    ++s.writesStarted;
    asio::async_write(s.port, asio::buffer(s.writeBuffer.get(), s.writeBufferSize),
                      [this](const boost::system::error_code& error, size_t) { writeEnd(error); });
}

void AsyncSerial::writeEnd(const boost::system::error_code& error) {
    State& s = *state_;
    if (error == asio::error::operation_aborted && !isOpen()) return;  // cancelled by close()
    if (error) {
        setErrorStatus(true);
        doClose();
        return;
    }
    std::lock_guard<std::mutex> lock(s.writeQueueMutex);
    if (s.writeQueue.empty()) {
        s.writeBuffer.reset();
        s.writeBufferSize = 0;
        return;
    }
    startQueuedWrite();
}

void AsyncSerial::doClose() {
    boost::system::error_code error;
    state_->port.cancel(error);
    if (error) setErrorStatus(true);
    state_->port.close(error);
    if (error) setErrorStatus(true);
}

CallbackAsyncSerial::~CallbackAsyncSerial() {
    clearCallback();
}

}  // namespace lumo
