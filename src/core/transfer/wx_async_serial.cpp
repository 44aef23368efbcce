#include "transfer/wx_async_serial.h"

namespace lumo {

wxString serialRxBuffer;
wxMutex serialRxMutex;

namespace {
// Signalled by every arrival, so a waiting transfer sleeps until bytes come or its slice ends.
wxCondition serialRxArrived(serialRxMutex);
bool serialRxPending = false;

void Receive(const char* data, size_t length) {
    wxString text;
    text.reserve(length);
    for (size_t i = 0; i < length; ++i)
        text += static_cast<wchar_t>(static_cast<unsigned char>(data[i]));
    wxMutexLocker lock(serialRxMutex);
    serialRxBuffer += text;
    serialRxPending = true;
    serialRxArrived.Broadcast();
}
}  // namespace

wxAsyncSerial::wxAsyncSerial(wxWindow* parent)
    : serial_(std::make_shared<CallbackAsyncSerial>()), parent_(parent) {}

wxAsyncSerial::wxAsyncSerial(wxWindow* parent, const wxString& portName, unsigned baudRate)
    : wxAsyncSerial(parent) {
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
    try {
        serial_->open(std::string(portName.mb_str()), baudRate);
    } catch (const boost::system::system_error& error) {
        lastError_ = error.what();
        return false;
    }
    {
        wxMutexLocker lock(serialRxMutex);
        serialRxBuffer.clear();
    }
    serial_->setCallback(Receive);
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
    wxMutexLocker lock(serialRxMutex);
    wxString taken;
    taken.swap(serialRxBuffer);
    return taken;
}

bool wxAsyncSerial::WaitForData(int milliseconds) {
    wxMutexLocker lock(serialRxMutex);
    if (!serialRxPending && milliseconds > 0)
        serialRxArrived.WaitTimeout(static_cast<unsigned long>(milliseconds));
    bool arrived = serialRxPending;
    serialRxPending = false;
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
bool wxAsyncSerial::ErrorStatus() const {
    return serial_->errorStatus();
}

}  // namespace lumo
