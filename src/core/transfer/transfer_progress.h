// What a transfer needs from the program around it: the time, the progress display with its
// Cancel button, and a way to let the program breathe while the transfer waits. The program
// gives a progress window; tests and the command-line tool give plain ones.
#pragma once

#include <wx/string.h>

#include <chrono>
#include <cstdint>

namespace lumo {

class TransferClock {
  public:
    virtual ~TransferClock() = default;
    virtual int64_t NowMs() const = 0;
};

class SteadyClock : public TransferClock {
  public:
    int64_t NowMs() const override {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
};

class TransferProgress {
  public:
    virtual ~TransferProgress() = default;
    virtual void SetStatusText(const wxString& text) = 0;
    virtual wxString StatusText() const = 0;
    virtual void SetRange(int range) = 0;
    virtual void SetValue(int value) = 0;
    virtual void Pulse() = 0;
    virtual bool Cancelled() const = 0;
    // Handles the user's pending clicks and keys (the Cancel button); never blocks.
    virtual void ProcessEvents() = 0;
};

// A progress display that shows nothing and is never cancelled.
class QuietProgress : public TransferProgress {
  public:
    void SetStatusText(const wxString& text) override { status_ = text; }
    wxString StatusText() const override { return status_; }
    void SetRange(int range) override { range_ = range; }
    void SetValue(int value) override { value_ = value; }
    void Pulse() override {}
    bool Cancelled() const override { return cancelled_; }
    void ProcessEvents() override {}

    void Cancel() { cancelled_ = true; }
    int Range() const { return range_; }
    int Value() const { return value_; }

  private:
    wxString status_;
    int range_ = 0, value_ = 0;
    bool cancelled_ = false;
};

// Passes a session's progress on to a display it does not own, with the phase in front of its
// texts ("Backup: Receiving Memory Data...."; no phase: the texts as they are).
class PhaseProgress : public TransferProgress {
  public:
    PhaseProgress(TransferProgress& inner, const wxString& phase) : inner_(inner), phase_(phase) {}
    void SetStatusText(const wxString& text) override {
        text_ = text;
        inner_.SetStatusText(phase_ + text);
    }
    wxString StatusText() const override { return text_; }
    void SetRange(int range) override { inner_.SetRange(range); }
    void SetValue(int value) override { inner_.SetValue(value); }
    void Pulse() override { inner_.Pulse(); }
    bool Cancelled() const override { return inner_.Cancelled(); }
    void ProcessEvents() override { inner_.ProcessEvents(); }

  private:
    TransferProgress& inner_;
    wxString phase_, text_;
};

}  // namespace lumo
