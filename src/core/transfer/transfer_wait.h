// Waiting during a transfer: on the transfer's clock, with the user's clicks handled and the
// CPU asleep until bytes arrive or a short slice ends.
#pragma once

#include "transfer/transfer_context.h"

namespace lumo {

// 0 when the character arrived, 4 when the time ran out first, 10 when the user cancelled
// (2 when the port failed).
int WaitFor(TransferContext& context, int timeoutMs, wxUniChar character);
// Waits until the link can carry the radio's bytes (a port on another machine connects, and
// agrees on the line's settings, first): 0 then, 2
// when the connection failed, 4 when the time ran out, 10 when the user cancelled.
int WaitForLink(TransferContext& context, int timeoutMs);
// Pauses, keeping the program responsive; a cancellable pause ends at Cancel.
void Wait(TransferContext& context, int ms, bool cancellable);

}  // namespace lumo
