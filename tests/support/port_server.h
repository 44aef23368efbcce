// Serial devices offered over TCP by ser2net, as on a programming bench elsewhere: each device
// gets a port on 127.0.0.1, raw or RFC 2217. The server stops with the object.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace portserver {

// A TCP socket bound to `port` on 127.0.0.1 (0: one the system picks); -1 when it is taken.
inline sockaddr_in Loopback(int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<uint16_t>(port));
    return address;
}

inline int BoundSocket(int port) {
    int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = Loopback(port);
    if (bind(s, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0) return s;
    close(s);
    return -1;
}

inline int PortOf(int socket) {
    sockaddr_in address{};
    socklen_t size = sizeof(address);
    getsockname(socket, reinterpret_cast<sockaddr*>(&address), &size);
    return ntohs(address.sin_port);
}

// A socket connected to `port` on 127.0.0.1, -1 when the connection failed.
inline int ConnectedSocket(int port) {
    int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = Loopback(port);
    if (connect(s, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0) return s;
    close(s);
    return -1;
}

// A port on 127.0.0.1 that nothing listens on now.
inline int FreePort() {
    int s = BoundSocket(0);
    int port = PortOf(s);
    close(s);
    return port;
}

// True once something listens on the port: it can no longer be bound. Binding, unlike
// connecting, does not make ser2net open the device.
inline bool Listening(int port) {
    int s = BoundSocket(port);
    if (s >= 0) close(s);
    return s < 0;
}

class Ser2net {
  public:
    struct Device {
        std::string path;
        bool rfc2217 = false;
        // ser2net's own default: it holds what the device sends for the time of two
        // characters, at least a millisecond, before passing it on.
        bool chardelay = false;
    };

    // Starts ser2net with one port per device; Ok() tells whether it listens on all of them.
    Ser2net(const std::vector<Device>& devices, const std::string& folder) {
        std::string config = folder + "/ser2net.yaml";
        std::ofstream out(config);
        out << "%YAML 1.1\n---\n";
        for (size_t i = 0; i < devices.size(); ++i) {
            ports_.push_back(FreePort());
            out << "connection: &port" << i
                << "\n  accepter: " << (devices[i].rfc2217 ? "telnet(rfc2217),tcp," : "tcp,")
                << "127.0.0.1," << ports_[i] << "\n  connector: serialdev," << devices[i].path
                << ",9600n81,local\n  options:\n    kickolduser: true\n    chardelay: "
                << (devices[i].chardelay ? "true" : "false") << "\n";
            names_.push_back(std::string(devices[i].rfc2217 ? "rfc2217" : "tcp") +
                             "://127.0.0.1:" + std::to_string(ports_[i]));
        }
        out.close();
        std::string log = folder + "/ser2net.log", pid = folder + "/ser2net.pid";
        std::vector<std::string> args = {
            "/bin/sh", "-c",
            "exec ser2net -n -d -c '" + config + "' -P '" + pid + "' > '" + log + "' 2>&1"};
        std::vector<char*> argv;
        for (std::string& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        // ser2net gets none of this process's descriptors: a radio's pseudo-terminal it held
        // on to would not hang up when the radio does.
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addclosefrom_np(&actions, 3);
        if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (pid_ > 0 && !AllListening() && std::chrono::steady_clock::now() < deadline) {
            if (waitpid(pid_, nullptr, WNOHANG) == pid_) pid_ = -1;  // it could not start
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    ~Ser2net() {
        if (pid_ <= 0) return;
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    Ser2net(const Ser2net&) = delete;
    Ser2net& operator=(const Ser2net&) = delete;

    bool Ok() const { return pid_ > 0 && AllListening(); }
    // The port names Lumo opens, one per device, in order: "rfc2217://127.0.0.1:40123".
    const std::vector<std::string>& Names() const { return names_; }

  private:
    bool AllListening() const {
        for (int port : ports_)
            if (!Listening(port)) return false;
        return true;
    }

    pid_t pid_ = -1;
    std::vector<int> ports_;
    std::vector<std::string> names_;
};

}  // namespace portserver
