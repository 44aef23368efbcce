#include "sim_server.h"

#include "line_speed.h"
#include "tcp_listener.h"

#include <poll.h>
#include <pty.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>
#include <cerrno>
#include <chrono>

namespace radiosim {

SimServer::SimServer(std::unique_ptr<DigitalRadio> digital, std::unique_ptr<AnalogRadio> analog,
                     Faults faults)
    : digital_(std::move(digital)), analog_(std::move(analog)), faults_(faults) {}

SimServer::~SimServer() {
    Stop();
    if (line_ >= 0) close(line_);
    if (listener_ >= 0) close(listener_);
    if (!link_.empty()) unlink(link_.c_str());
}

int OpenRawPseudoTerminal(std::string& slavePath) {
    char name[256];
    int master = -1, slave = -1;
    if (openpty(&master, &slave, name, nullptr, nullptr) != 0) return -1;
    termios raw;
    tcgetattr(slave, &raw);
    cfmakeraw(&raw);
    tcsetattr(slave, TCSANOW, &raw);
    // The slave is left free: Lumo opens it exclusively, as it would a real port.
    close(slave);
    slavePath = name;
    return master;
}

bool SimServer::Open(const std::string& linkPath, std::string* error) {
    line_ = OpenRawPseudoTerminal(device_);
    if (line_ < 0) {
        if (error) *error = "cannot open a pseudo-terminal";
        return false;
    }
    if (!linkPath.empty()) {
        unlink(linkPath.c_str());
        if (symlink(device_.c_str(), linkPath.c_str()) != 0) {
            if (error) *error = "cannot make the link " + linkPath;
            return false;
        }
        link_ = linkPath;
    }
    return true;
}

bool SimServer::Listen(int port, std::string* error) {
    if (port < 0 || port > 65535) {
        if (error) *error = "the port is a number from 0 to 65535";
        return false;
    }
    listener_ = OpenTcpListener(port, listeningPort_, error);
    if (listener_ < 0) return false;
    device_ = "tcp://localhost:" + std::to_string(listeningPort_);
    return true;
}

void SimServer::SetTranscript(const std::string& path) {
    transcript_.open(path, std::ios::out | std::ios::trunc);
}

void SimServer::Note(char direction, const std::string& text) {
    if (!transcript_.is_open()) return;
    std::string printable;
    for (char c : text)
        printable += (c == '\r')   ? std::string("\\r")
                     : (c == kEnq) ? std::string("<ENQ>")
                                   : std::string(1, c);
    transcript_ << direction << printable << '\n';
    transcript_.flush();
}

void SimServer::Write(const char* data, size_t size) {
    // A peer gone from a socket must not raise SIGPIPE: the read that follows sees the hang-up.
    if (listener_ >= 0)
        (void)!send(line_, data, size, MSG_NOSIGNAL);
    else
        (void)!write(line_, data, size);
}

void SimServer::Send(const std::string& chunk) {
    if (line_ < 0) return;
    Note('>', chunk);
    if (!faults_.split) {
        Write(chunk.data(), chunk.size());
        return;
    }
    for (char c : chunk) {
        Write(&c, 1);
        std::this_thread::sleep_for(std::chrono::microseconds(300));
    }
}

void SimServer::HandleBytes(const std::string& bytes) {
    std::vector<std::string> chunks;
    {
        std::lock_guard<std::mutex> lock(radioMutex_);
        if (analog_) {
            std::string reply = analog_->Receive(bytes);
            for (const std::string& line : analog_->TakeReceivedLines())
                Note('<', line);
            if (!reply.empty()) chunks.push_back(reply);
        } else {
            for (char c : bytes) {
                if (c != '\r') {
                    pendingLine_ += c;
                    continue;
                }
                Note('<', pendingLine_);
                for (std::string& line : digital_->Handle(pendingLine_)) {
                    if (faults_.badChecksums > 0) {
                        --faults_.badChecksums;
                        line.back() = line.back() == '0' ? '1' : '0';
                    }
                    chunks.push_back(line + "\r");
                }
                pendingLine_.clear();
            }
        }
    }
    if (faults_.noReply) return;
    for (const std::string& chunk : chunks) {
        if (faults_.noise) Send("NOISE ON THE LINE\r");
        Send(chunk);
        if (faults_.dropAfter >= 0 && ++replies_ >= faults_.dropAfter) {
            // The line goes dead in the middle of the transfer.
            Note('!', "hang-up");
            CloseLine();
            return;
        }
    }
}

bool SimServer::BusyWithoutEnd() {
    std::lock_guard<std::mutex> lock(radioMutex_);
    return digital_ && digital_->BusyWithoutEnd();
}

void SimServer::CloseLine() {
    close(line_);
    line_ = -1;
}

// A new client takes the line over from the one before, which is closed; it starts with no
// half-received line and its own count of replies before a --drop-after hang-up.
void SimServer::AcceptLine() {
    int connection = AcceptConnection(listener_);
    if (connection < 0) return;
    if (line_ >= 0) CloseLine();
    line_ = connection;
    pendingLine_.clear();
    replies_ = 0;
}

void SimServer::NoteLineSpeed() {
    unsigned baud = BaudOfLine(line_);
    if (baud == lineBaud_) return;
    lineBaud_ = baud;
    Note('=', std::to_string(baud) + " baud");
}

void SimServer::ReadLine(short events) {
    if (events & POLLIN) {
        char buffer[4096];
        ssize_t n = read(line_, buffer, sizeof(buffer));
        if (n > 0) return HandleBytes(std::string(buffer, static_cast<size_t>(n)));
        if (n < 0 && errno == EINTR) return;
    }
    // The client hung up: the next connection gets the line.
    if (listener_ >= 0) return CloseLine();
    // Nobody has the port open (POLLHUP, EIO): wait for Lumo to open it.
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

// One loop whichever the line is; poll passes over the entries of a line not (or no longer)
// open, so with neither it just waits its time.
void SimServer::Serve(const std::atomic<bool>& stop) {
    while (!stop && !stop_) {
        pollfd p[2] = {{line_, POLLIN, 0}, {listener_, POLLIN, 0}};
        int ready = poll(p, 2, 20);
        if (listener_ < 0 && line_ >= 0) NoteLineSpeed();
        if (ready == 0 && BusyWithoutEnd()) Send(DigitalRadio::BusyLine() + "\r");
        if (ready <= 0) continue;
        if (p[0].revents != 0) ReadLine(p[0].revents);
        if (p[1].revents & POLLIN) AcceptLine();
    }
}

void SimServer::Start() {
    stop_ = false;
    thread_ = std::thread([this] {
        std::atomic<bool> never{false};
        Serve(never);
    });
}

void SimServer::Stop() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
}

}  // namespace radiosim
