// A progress display for transfer tests: records the status texts and the gauge, and presses
// Cancel after a number of looks at it.
#pragma once

#include "transfer/transfer_progress.h"

#include <vector>

class RecordingProgress : public lumo::QuietProgress {
  public:
    struct Seen {
        std::vector<wxString> texts;
        std::vector<int> values;  // every value the gauge was given after the transfer began
        int range = 0;
        int pulsesWhileCounting = 0;  // pulses that hid a count already shown
    };
    RecordingProgress(Seen* seen, int cancelAfter) : seen_(seen), cancelAfter_(cancelAfter) {}

    void SetStatusText(const wxString& text) override {
        QuietProgress::SetStatusText(text);
        seen_->texts.push_back(text);
    }
    void SetRange(int range) override {
        QuietProgress::SetRange(range);
        seen_->range = range;
    }
    void SetValue(int value) override {
        QuietProgress::SetValue(value);
        if (value > 0 || !seen_->values.empty()) seen_->values.push_back(value);
    }
    void Pulse() override {
        QuietProgress::Pulse();
        if (Value() > 0) ++seen_->pulsesWhileCounting;
    }
    void ProcessEvents() override {
        if (cancelAfter_ >= 0 && looks_++ >= cancelAfter_) Cancel();
    }

  private:
    Seen* seen_;
    int cancelAfter_;
    int looks_ = 0;
};
