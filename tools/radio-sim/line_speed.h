// The speed a terminal line is set to, as a number of bits per second.
#pragma once

namespace radiosim {

// The output speed of the line `fd` (a pseudo-terminal master reports its slave's settings on
// Linux), or 0 when it cannot be read or is not one of the standard speeds.
unsigned BaudOfLine(int fd);

}  // namespace radiosim
