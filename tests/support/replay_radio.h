// The radio's side of a pseudo-terminal replaying a fixed stream of replies: it hands the bytes
// over as fast as the line takes them and reads and drops whatever the program sends, so
// neither side ever waits for room. The fuzz targets and the tests of their findings use it.
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
        while (!stop_) {
            pollfd p{fd, static_cast<short>(POLLIN | (sent < replies_.size() ? POLLOUT : 0)), 0};
            if (poll(&p, 1, 1) <= 0) continue;
            if ((p.revents & POLLIN) && read(fd, buffer, sizeof(buffer)) < 0) break;
            if (p.revents & POLLOUT) {
                ssize_t n = write(fd, replies_.data() + sent, replies_.size() - sent);
                if (n > 0) sent += static_cast<size_t>(n);
            }
        }
    }
    const std::string replies_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};
