#include "line_speed.h"

#include <termios.h>

namespace radiosim {

namespace {
struct Speed {
    speed_t code;
    unsigned baud;
};

// termios hands out codes, not numbers: the ones a serial line is likely to be set to.
const Speed kSpeeds[] = {
    {B50, 50},       {B75, 75},         {B110, 110},       {B134, 134},       {B150, 150},
    {B200, 200},     {B300, 300},       {B600, 600},       {B1200, 1200},     {B1800, 1800},
    {B2400, 2400},   {B4800, 4800},     {B9600, 9600},     {B19200, 19200},   {B38400, 38400},
    {B57600, 57600}, {B115200, 115200}, {B230400, 230400}, {B460800, 460800}, {B921600, 921600},
};
}  // namespace

unsigned BaudOfLine(int fd) {
    termios settings;
    if (fd < 0 || tcgetattr(fd, &settings) != 0) return 0;
    speed_t code = cfgetospeed(&settings);
    for (const Speed& speed : kSpeeds)
        if (speed.code == code) return speed.baud;
    return 0;
}

}  // namespace radiosim
