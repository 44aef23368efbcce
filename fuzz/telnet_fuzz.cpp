// What a port server sends on an RFC 2217 connection: any bytes, cut in two at a place the
// input's first byte picks. The cut must change nothing, and the answers must be whole
// commands, no more of them than the server sent.
#include "transfer/telnet_codec.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {
void Require(bool condition) {
    if (!condition) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const char* bytes = reinterpret_cast<const char*>(data) + 1;
    size_t length = size - 1;
    size_t cut = length == 0 ? 0 : data[0] % (length + 1);

    lumo::TelnetCodec whole, pieces;
    whole.Greeting(9600);
    pieces.Greeting(9600);
    std::string data1, replies1, data2, replies2;
    whole.Decode(bytes, length, data1, replies1);
    pieces.Decode(bytes, cut, data2, replies2);
    pieces.Decode(bytes + cut, length - cut, data2, replies2);
    Require(data1 == data2 && replies1 == replies2);
    Require(whole.ServerBaudRate() == pieces.ServerBaudRate());
    Require(data1.size() <= length);

    // Each command received (three bytes at least) is answered by one command at most, an
    // agreement to the COM-PORT option also by the line settings (38 bytes); every answer is
    // a whole command.
    Require(replies1.size() <= 16 * length);
    for (size_t i = 0; i < replies1.size();) {
        Require(replies1.size() - i >= 3 && static_cast<unsigned char>(replies1[i]) == 255);
        auto verb = static_cast<unsigned char>(replies1[i + 1]);
        if (verb != 250) {
            Require(verb >= 251 && verb <= 254);
            i += 3;
            continue;
        }
        size_t end = replies1.find("\xff\xf0", i);
        Require(end != std::string::npos && replies1[i + 2] == 44);
        i = end + 2;
    }
    return 0;
}
