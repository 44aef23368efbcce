// The transfer's progress on standard error: each status text on a line of its own, then the
// gauge as "12/40", rewritten in place on a terminal and one line per step otherwise.
#pragma once

#include "transfer/transfer_progress.h"

#include <unistd.h>
#include <cstdio>

class LineProgress : public lumo::QuietProgress {
  public:
    LineProgress() : terminal_(isatty(fileno(stderr)) != 0) {}
    ~LineProgress() override { EndCount(); }

    void SetStatusText(const wxString& text) override {
        QuietProgress::SetStatusText(text);
        EndCount();
        std::fprintf(stderr, "%s\n", static_cast<const char*>(text.utf8_str()));
    }
    void SetValue(int value) override {
        QuietProgress::SetValue(value);
        if (value <= 0) return;
        std::fprintf(stderr, terminal_ ? "\r%d/%d" : "%d/%d\n", value, Range());
        midLine_ = terminal_;
    }

  private:
    void EndCount() {
        if (midLine_) std::fputc('\n', stderr);
        midLine_ = false;
    }

    bool terminal_;
    bool midLine_ = false;
};
