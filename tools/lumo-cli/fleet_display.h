// The progress of a write to several radios on standard error: on a terminal one line per port,
// redrawn in place; otherwise a plain line whenever a port's status text changes.
#pragma once

#include "commands/fleet_write.h"

#include <sys/ioctl.h>
#include <unistd.h>
#include <cstdio>
#include <vector>

class FleetDisplay {
  public:
    explicit FleetDisplay(const lumo::FleetWrite& fleet)
        : fleet_(fleet), terminal_(isatty(fileno(stderr)) != 0), seen_(fleet.Size(), 0) {}

    void Update() {
        if (terminal_)
            Redraw();
        else
            PrintChanges();
        std::fflush(stderr);
    }

  private:
    wxString Line(size_t index, const lumo::SessionProgress::Snapshot& p) const {
        wxString line = fleet_.Port(index) + ": " + (p.status.empty() ? "Waiting..." : p.status);
        if (!p.finished && p.value > 0) line << wxString::Format(" %d/%d", p.value, p.range);
        return line;
    }

    void Redraw() {
        winsize size{};
        size_t width = ioctl(fileno(stderr), TIOCGWINSZ, &size) == 0 && size.ws_col > 1
                           ? size.ws_col - 1u
                           : 79u;
        std::vector<wxString> lines;
        for (size_t i = 0; i < fleet_.Size(); ++i)
            lines.push_back(Line(i, fleet_.Progress(i)).Left(width));
        if (lines == drawn_) return;
        // Back to the first port's line, then each line rewritten and cleared to its end; a
        // line never wraps, or the way back up would miss.
        if (!drawn_.empty()) std::fprintf(stderr, "\x1b[%zuA", lines.size());
        for (const wxString& line : lines)
            std::fprintf(stderr, "\r%s\x1b[K\n", static_cast<const char*>(line.utf8_str()));
        drawn_ = lines;
    }

    void PrintChanges() {
        for (size_t i = 0; i < fleet_.Size(); ++i) {
            lumo::SessionProgress::Snapshot p = fleet_.Progress(i);
            if (p.changes == seen_[i]) continue;
            seen_[i] = p.changes;
            std::fprintf(stderr, "%s\n", static_cast<const char*>(Line(i, p).utf8_str()));
        }
    }

    const lumo::FleetWrite& fleet_;
    bool terminal_;
    std::vector<wxString> drawn_;  // the lines on the terminal now
    std::vector<int> seen_;
};
