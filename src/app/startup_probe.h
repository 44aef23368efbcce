// Start-up measurement for the benchmark script: when LUMO_STARTUP_PROBE is set, the program
// prints how long it took from LUMO_STARTUP_T0 (nanoseconds since the epoch, taken just before
// the program was started) to the first paint of the page's grid, then its resident memory one
// second later, and exits.
#pragma once

class LumoFrame;

namespace StartupProbe {
void ArmIfRequested(LumoFrame* frame);
}
