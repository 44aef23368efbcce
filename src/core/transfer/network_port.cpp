#include "transfer/network_port.h"

#include <cctype>

namespace lumo {

namespace {
constexpr const char* kRaw = "tcp://";
constexpr const char* kRfc2217 = "rfc2217://";

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}

bool IsPortNumber(const std::string& text) {
    if (text.empty() || text.size() > 5) return false;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    long number = std::stol(text);
    return number >= 1 && number <= 65535;
}

bool IsHost(const std::string& host) {
    if (host.empty()) return false;
    for (char c : host)
        if (std::isspace(static_cast<unsigned char>(c)) || c == '/' || c == '@') return false;
    return true;
}
}  // namespace

std::string NetworkPort::Name() const {
    bool v6 = host.find(':') != std::string::npos;
    return std::string(rfc2217 ? kRfc2217 : kRaw) + (v6 ? "[" + host + "]" : host) + ":" + service;
}

bool IsNetworkPortName(const std::string& name) {
    return StartsWith(name, kRaw) || StartsWith(name, kRfc2217);
}

std::optional<NetworkPort> ParseNetworkPort(const std::string& name) {
    if (!IsNetworkPortName(name)) return std::nullopt;
    NetworkPort port;
    port.rfc2217 = StartsWith(name, kRfc2217);
    std::string rest = name.substr(port.rfc2217 ? 10 : 6);
    size_t colon = rest.rfind(':');
    if (colon == std::string::npos) return std::nullopt;
    std::string host = rest.substr(0, colon);
    port.service = rest.substr(colon + 1);
    if (host.size() >= 2 && host.front() == '[' && host.back() == ']')
        host = host.substr(1, host.size() - 2);
    else if (host.find(':') != std::string::npos)
        return std::nullopt;  // an IPv6 address needs its brackets
    port.host = host;
    if (!IsHost(port.host) || !IsPortNumber(port.service)) return std::nullopt;
    return port;
}

}  // namespace lumo
