#include "transfer/transfer_status.h"

#include <array>

namespace lumo {

namespace {
constexpr std::array<const char*, 12> TransferStatusTexts = {
    "Ok",
    "Complete",
    "Port Error",
    "Communication Failure",
    "Timeout",
    "Communication Error",
    "Checksum Error",
    "No Data Selected",
    "Invalid Transmit Data",
    "Protocol is Unsupported",
    "Cancelled by User",
    "M7 Data Transfer is currently UnSupported",
};
}  // namespace

wxString StatusText(int code) {
    if (code < 0 || code >= static_cast<int>(TransferStatusTexts.size())) return "Bad Index";
    return TransferStatusTexts[code];
}

}  // namespace lumo
