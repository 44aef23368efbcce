// The radio's side of a pseudo-terminal replaying a fixed stream of replies: once the program
// has sent its first bytes (so the port is open and set), it hands the replies over as fast as
// the line takes them, and reads and drops whatever the program sends, so neither side ever
// waits for room.
#pragma once

#include <poll.h>
#include <unistd.h>

#include <atomic>
#include <string>
#include <thread>

class ReplayRadio {
  public:
    ReplayRadio(int fd, std::string replies)
        : replies_(std::move(replies)), thread_([this, fd] { Run(fd); }) {}
    ~ReplayRadio() {
        stop_ = true;
        thread_.join();
    }
    ReplayRadio(const ReplayRadio&) = delete;
    ReplayRadio& operator=(const ReplayRadio&) = delete;

  private:
    void Run(int fd) {
        char buffer[4096];
        size_t sent = 0;
        bool asked = false;
        while (!stop_) {
            bool more = asked && sent < replies_.size();
            pollfd p{fd, static_cast<short>(POLLIN | (more ? POLLOUT : 0)), 0};
            if (poll(&p, 1, 1) <= 0) continue;
            if (p.revents & POLLHUP) usleep(1000);  // the port is not open (yet, or again)
            if (p.revents & POLLIN) {
                ssize_t n = read(fd, buffer, sizeof(buffer));
                if (n > 0) asked = true;
            }
            if (more && (p.revents & POLLOUT)) {
                ssize_t n = write(fd, replies_.data() + sent, replies_.size() - sent);
                if (n > 0) sent += static_cast<size_t>(n);
            }
        }
    }
    const std::string replies_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};
