// The status codes a transfer ends with, and their texts.
#pragma once

#include <wx/string.h>

namespace lumo {

enum TransferStatus {
    kTransferRunning = 0,
    kTransferComplete = 1,
    kTransferPortError = 2,
    kTransferNoReply = 3,  // waiting for a reply
    kTransferTimeout = 4,
    kTransferRefused = 5,
    kTransferChecksum = 6,
    kTransferNothingSelected = 7,
    kTransferInvalidData = 8,
    kTransferUnsupported = 9,
    kTransferCancelled = 10,
    kTransferM7Unsupported = 11,
};

// The status text of a code, "Bad Index" outside the table.
wxString StatusText(int code);

}  // namespace lumo
