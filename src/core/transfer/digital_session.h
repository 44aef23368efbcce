// One complete exchange with a digital (P25) radio over an open link: which rows take part, the
// protocol, the radio's identity, then the memory records sent (write) or received into the
// page (read). Runs on the calling thread and keeps the program responsive while it waits.
#pragma once

#include "pages/page.h"
#include "transfer/transfer_context.h"

namespace lumo {

// Mode kTransferWrite or kTransferRead; returns a TransferStatus.
int DoTransferData(TransferContext& context, Page& page, int mode);

}  // namespace lumo
