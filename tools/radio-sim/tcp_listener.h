// The TCP side of the simulator: a socket listening on every address, and the connections it
// accepts, set up to pass each reply on at once as a serial line would.
#pragma once

#include <string>

namespace radiosim {

// Listens on `port` (0: one the system picks) on every address, IPv6 and IPv4 alike. Returns
// the socket and sets `boundPort`, or returns -1 and says why in `error`.
int OpenTcpListener(int port, int& boundPort, std::string* error);

// The next waiting connection on `listener`, -1 when there was none after all.
int AcceptConnection(int listener);

}  // namespace radiosim
