// A transfer clock that runs fifty times fast: the 30-second reply limit passes in 0.6 s, while
// replies from the simulated radio still arrive in their own (real) time.
#pragma once

#include "transfer/transfer_progress.h"

class ScaledClock : public lumo::TransferClock {
  public:
    int64_t NowMs() const override { return lumo::SteadyClock().NowMs() * 50; }
};
