// The serial link as the transfer code uses it: GUI strings in, and the link's own receive
// buffer that Read() empties. Received bytes become characters one to one (ISO-8859-1).
#pragma once

#include "transfer/async_serial.h"

#include <wx/object.h>
#include <wx/string.h>

namespace lumo {

class wxAsyncSerial : public wxObject {
  public:
    wxAsyncSerial();
    // Opens the port; a failure leaves it closed (test IsOpen()).
    wxAsyncSerial(const wxString& portName, unsigned baudRate);
    ~wxAsyncSerial() override;

    // 8 data bits, no parity, one stop bit, no flow control. Empties the receive buffer.
    bool Open(const wxString& portName, unsigned baudRate);
    void Write(const wxString& text);
    // Everything received since the last call; never the same byte twice.
    wxString Read();
    // Sleeps until bytes arrive that no earlier wait has seen, or the time is up. True when
    // bytes arrived.
    bool WaitForData(int milliseconds);
    void SetBaudRate(unsigned rate);
    void Close();
    // False once closed, and after a hang-up.
    bool IsOpen() const;
    // True once the radio's bytes can go out (a port on another machine connects, and may
    // agree on the line's settings, after Open returns).
    bool IsReady() const;
    bool ErrorStatus() const;
    // Why the last Open or SetBaudRate failed, for the log.
    wxString LastError() const { return lastError_; }
    // For a port on another machine, its name and what went wrong with the connection, if
    // anything ("tcp://bench2:3001: Connection refused"), for the user; empty for a local port.
    wxString NetworkTrouble() const;

  private:
    // What the I/O thread hands over: bytes not yet read and the wake-up of a waiting transfer.
    struct Inbox;

    std::shared_ptr<CallbackAsyncSerial> serial_;
    std::shared_ptr<Inbox> inbox_;
    wxString lastError_;
    wxString portName_;
};

}  // namespace lumo
