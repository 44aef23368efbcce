// Serial ports on other machines, offered over TCP by a port server such as ser2net:
// "tcp://HOST:PORT" carries the bytes as they are (the server keeps its own line settings),
// "rfc2217://HOST:PORT" speaks telnet with the COM-PORT option, so that Lumo sets the far
// port's baud rate and line settings as it would a local one's.
#pragma once

#include <optional>
#include <string>

namespace lumo {

struct NetworkPort {
    bool rfc2217 = false;
    std::string host;     // a name or an address; an IPv6 address is written in brackets
    std::string service;  // the TCP port, 1 to 65535
    // The name as the user writes it, for messages: "rfc2217://bench2:3001".
    std::string Name() const;
};

// True for a name that starts with one of the network schemes, well formed or not: such a
// name is never a device path.
bool IsNetworkPortName(const std::string& name);
// The host and port of a network name; nothing when the name is not one, or is not
// SCHEME://HOST:PORT with a port from 1 to 65535.
std::optional<NetworkPort> ParseNetworkPort(const std::string& name);

}  // namespace lumo
