#include "transfer/wx_async_serial.h"

#include "transfer/network_port.h"

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace lumo {

struct wxAsyncSerial::Inbox {
    std::mutex mutex;
    std::condition_variable arrived;
    wxString bytes;
    bool pending = false;  // bytes came that no wait has seen yet

    void Receive(const char* data, size_t length) {
        wxString text;
        text.reserve(length);
        for (size_t i = 0; i < length; ++i)
            text += static_cast<wchar_t>(static_cast<unsigned char>(data[i]));
        std::lock_guard<std::mutex> lock(mutex);
        bytes += text;
        pending = true;
        arrived.notify_all();
    }
};

wxAsyncSerial::wxAsyncSerial()
    : serial_(std::make_shared<CallbackAsyncSerial>()), inbox_(std::make_shared<Inbox>()) {}

wxAsyncSerial::wxAsyncSerial(const wxString& portName, unsigned baudRate) : wxAsyncSerial() {
    Open(portName, baudRate);
}

wxAsyncSerial::~wxAsyncSerial() {
    try {
        serial_->clearCallback();
        serial_->close();
    } catch (...) {
        // nothing a destructor could do about it
    }
}

bool wxAsyncSerial::Open(const wxString& portName, unsigned baudRate) {
    serial_->clearCallback();
    portName_ = portName;
    try {
        serial_->open(std::string(portName.mb_str()), baudRate);
    } catch (const boost::system::system_error& error) {
        lastError_ = error.what();
        return false;
    }
    {
        std::lock_guard<std::mutex> lock(inbox_->mutex);
        inbox_->bytes.clear();
        inbox_->pending = false;
    }
    std::shared_ptr<Inbox> inbox = inbox_;
    serial_->setCallback(
        [inbox](const char* data, size_t length) { inbox->Receive(data, length); });
    return true;
}

void wxAsyncSerial::Write(const wxString& text) {
    // Lumo sends ASCII only; each character is one byte.
    std::string bytes;
    bytes.reserve(text.length());
    for (wxUniChar c : text)
        bytes += static_cast<char>(c.GetValue() & 0xFF);
    serial_->writeString(bytes);
}

wxString wxAsyncSerial::Read() {
    std::lock_guard<std::mutex> lock(inbox_->mutex);
    wxString taken;
    taken.swap(inbox_->bytes);
    return taken;
}

bool wxAsyncSerial::WaitForData(int milliseconds) {
    std::unique_lock<std::mutex> lock(inbox_->mutex);
    if (milliseconds > 0)
        inbox_->arrived.wait_for(lock, std::chrono::milliseconds(milliseconds),
                                 [this] { return inbox_->pending; });
    bool arrived = inbox_->pending;
    inbox_->pending = false;
    return arrived;
}

void wxAsyncSerial::SetBaudRate(unsigned rate) {
    try {
        serial_->setBaudRate(rate);
    } catch (const boost::system::system_error& error) {
        lastError_ = error.what();
    }
}

void wxAsyncSerial::Close() {
    serial_->clearCallback();
    try {
        serial_->close();
    } catch (const boost::system::system_error&) {
        // the error was the port's; the transfer has already ended
    }
}

bool wxAsyncSerial::IsOpen() const {
    return serial_->isOpen();
}
bool wxAsyncSerial::IsReady() const {
    return serial_->isReady();
}
bool wxAsyncSerial::ErrorStatus() const {
    return serial_->errorStatus();
}

wxString wxAsyncSerial::NetworkTrouble() const {
    if (!IsNetworkPortName(std::string(portName_.utf8_str()))) return wxString();
    wxString failure = wxString::FromUTF8(serial_->failure());
    return failure.empty() ? portName_ : portName_ + ": " + failure;
}

}  // namespace lumo
