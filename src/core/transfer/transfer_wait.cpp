#include "transfer/transfer_wait.h"

#include "transfer/transfer_status.h"

#include <algorithm>

namespace lumo {

namespace {
constexpr int kPulseMs = 49;  // the gauge moves at least this often while a transfer waits
}  // namespace

int WaitFor(TransferContext& c, int timeoutMs, wxUniChar character) {
    // Pulses show that the transfer is alive until there is a count to show.
    if (!c.counting) c.progress->Pulse();
    int64_t start = c.clock->NowMs();
    int64_t lastPulse = start;
    for (;;) {
        c.progress->ProcessEvents();
        c.received += c.serial->Read();
        bool found = c.received.Find(character) != wxNOT_FOUND;
        int64_t now = c.clock->NowMs();
        if (!c.counting && now - lastPulse > kPulseMs) {
            c.progress->Pulse();
            lastPulse = now;
        }
        if (c.progress->Cancelled()) return kTransferCancelled;
        if (now - start >= timeoutMs) return kTransferTimeout;
        if (found) return 0;
        // A port that failed (a cable pulled out) will send nothing more.
        if (c.serial->ErrorStatus()) return kTransferPortError;
        c.serial->WaitForData(c.waitSliceMs);
    }
}

int WaitForLink(TransferContext& c, int timeoutMs) {
    int64_t start = c.clock->NowMs();
    while (!c.serial->IsReady()) {
        c.progress->ProcessEvents();
        if (c.progress->Cancelled()) return kTransferCancelled;
        if (c.serial->ErrorStatus()) return kTransferPortError;
        if (c.clock->NowMs() - start >= timeoutMs) return kTransferTimeout;
        c.serial->WaitForData(c.waitSliceMs);
    }
    return 0;
}

void Wait(TransferContext& c, int ms, bool cancellable) {
    int64_t start = c.clock->NowMs();
    for (;;) {
        c.progress->ProcessEvents();
        if (cancellable && c.progress->Cancelled()) return;
        int64_t elapsed = c.clock->NowMs() - start;
        if (elapsed >= ms) return;
        c.serial->WaitForData(static_cast<int>(std::min<int64_t>(c.waitSliceMs, ms - elapsed)));
    }
}

}  // namespace lumo
