#include "tcp_listener.h"

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

namespace radiosim {

namespace {
// A socket of `family` bound to every address at `port`; -1 with errno set on failure.
int BindEverywhere(int family, int port) {
    int fd = socket(family, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    int on = 1, off = 0;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof(on));
    sockaddr_storage address{};
    socklen_t size = 0;
    if (family == AF_INET6) {
        // One socket for both: clients that resolve localhost to 127.0.0.1 or ::1 both arrive.
        setsockopt(fd, IPPROTO_IPV6, IPV6_V6ONLY, &off, sizeof(off));
        auto* in6 = reinterpret_cast<sockaddr_in6*>(&address);
        in6->sin6_family = AF_INET6;
        in6->sin6_addr = in6addr_any;
        in6->sin6_port = htons(static_cast<uint16_t>(port));
        size = sizeof(*in6);
    } else {
        auto* in4 = reinterpret_cast<sockaddr_in*>(&address);
        in4->sin_family = AF_INET;
        in4->sin_addr.s_addr = htonl(INADDR_ANY);
        in4->sin_port = htons(static_cast<uint16_t>(port));
        size = sizeof(*in4);
    }
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), size) != 0 || listen(fd, 4) != 0) {
        int saved = errno;
        close(fd);
        errno = saved;
        return -1;
    }
    return fd;
}

int PortOf(int fd) {
    sockaddr_storage address{};
    socklen_t size = sizeof(address);
    if (getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) != 0) return -1;
    if (address.ss_family == AF_INET6)
        return ntohs(reinterpret_cast<sockaddr_in6*>(&address)->sin6_port);
    return ntohs(reinterpret_cast<sockaddr_in*>(&address)->sin_port);
}
}  // namespace

int OpenTcpListener(int port, int& boundPort, std::string* error) {
    int fd = BindEverywhere(AF_INET6, port);
    // A machine without IPv6 still listens on IPv4; a port taken is taken for both.
    if (fd < 0 && errno != EADDRINUSE && errno != EACCES) fd = BindEverywhere(AF_INET, port);
    if (fd < 0) {
        if (error)
            *error = errno == EADDRINUSE ? "port " + std::to_string(port) + " is in use"
                                         : "cannot listen on port " + std::to_string(port) + ": " +
                                               std::strerror(errno);
        return -1;
    }
    boundPort = PortOf(fd);
    return fd;
}

int AcceptConnection(int listener) {
    int fd = accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0) return -1;
    // Replies are short lines, and --split sends them a byte at a time: none may wait for more.
    int on = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof(on));
    return fd;
}

}  // namespace radiosim
