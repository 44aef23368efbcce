// A pseudo-terminal standing in for a serial line: tests talk through its master side while
// the code under test opens the slave path. Both ends are closed when it goes.
#pragma once

#include "sim_server.h"

#include <wx/string.h>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#include <chrono>
#include <functional>
#include <string>
#include <thread>

class PtyPair {
  public:
    PtyPair() { master_ = radiosim::OpenRawPseudoTerminal(path_); }
    ~PtyPair() { CloseMaster(); }
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    bool Ok() const { return master_ >= 0; }
    std::string Path() const { return path_; }
    wxString WxPath() const { return wxString(path_); }
    int Master() const { return master_; }
    void CloseMaster() {
        if (master_ >= 0) close(master_);
        master_ = -1;
    }

    void Send(const std::string& bytes) const {
        size_t done = 0;
        while (done < bytes.size()) {
            ssize_t n = write(master_, bytes.data() + done, bytes.size() - done);
            if (n <= 0) return;
            done += static_cast<size_t>(n);
        }
    }

    // Reads what arrives until `enough` says so or the time is up.
    std::string Receive(const std::function<bool(const std::string&)>& enough,
                        int timeoutMs = 5000) const {
        std::string got;
        auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (!enough(got) && std::chrono::steady_clock::now() < deadline) {
            pollfd p{master_, POLLIN, 0};
            if (poll(&p, 1, 20) <= 0) continue;
            char buffer[4096];
            ssize_t n = read(master_, buffer, sizeof(buffer));
            if (n > 0) got.append(buffer, static_cast<size_t>(n));
        }
        return got;
    }
    std::string ReceiveBytes(size_t count, int timeoutMs = 5000) const {
        return Receive([count](const std::string& s) { return s.size() >= count; }, timeoutMs);
    }

  private:
    int master_ = -1;
    std::string path_;
};

// Polls until the condition holds or the time is up; never a fixed sleep.
inline bool EventuallyTrue(const std::function<bool()>& condition, int timeoutMs = 5000) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}
