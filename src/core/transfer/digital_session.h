// One complete exchange with a digital (P25) radio over an open link: which rows take part, the
// protocol, the radio's identity, then the memory records sent (write) or received into the
// page (read). Runs on the calling thread and keeps the program responsive while it waits.
#pragma once

#include "pages/page.h"
#include "transfer/transfer_context.h"

namespace lumo {

// Session flags.
constexpr unsigned kSessionPurged = 0x01;
constexpr unsigned kSessionShadows = 0x02;
constexpr unsigned kSessionTflg04 = 0x04;
constexpr unsigned kSessionIdDiffers = 0x08;
constexpr unsigned kSessionFirstPass = 0x10;
constexpr unsigned kSessionV1Suffices = 0x20;

// Mode kTransferWrite or kTransferRead; returns a TransferStatus.
int DoTransferData(TransferContext& context, Page& page, int mode);
// The operating modes a row needs and the radio has not enabled ("w" 0x40, "n" 0x20, "D" 0x10).
int CheckForInvalidOpModes(const Page& page, int row, int radioModes);

}  // namespace lumo
