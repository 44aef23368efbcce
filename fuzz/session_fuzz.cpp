// A transfer session fed whatever the input says the radio answers: the bytes arrive on a
// pseudo-terminal as fast as the line takes them, and the session's own lines are read and
// dropped. The clock runs a thousand times fast, so every time limit passes in milliseconds.
// Built twice: for the digital radios (memory records) and for the analog ones (channel lines).
#include "edit/row_values.h"
#include "fuzz_page.h"
#include "pty_pair.h"
#include "replay_radio.h"
#include "support/scripted_dialogs.h"
#include "transfer/transfer_commands.h"

namespace {
class FastClock : public lumo::TransferClock {
  public:
    int64_t NowMs() const override { return lumo::SteadyClock().NowMs() * 1000; }
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input input = fuzz::Split(data, size, fuzz::Radios::LUMO_FUZZ_RADIOS);
    int mode =
        !input.rest.empty() && (input.rest[0] & 1) ? lumo::kTransferRead : lumo::kTransferWrite;
    lumo::Page& page = input.page;
    if (mode == lumo::kTransferRead) {
        lumo::ClearPage(page, 0);  // as Get from radio reads into a cleared page
    } else {
        for (int row = 1; row <= 3 && row <= page.LastMemoryRow(); ++row)
            if (!page.IsRowUsed(row)) FillFromDefaults(page, row);
    }
    page.grid.GetSelection().SelectAll(page.grid.RowCount());
    int gridRows = page.grid.RowCount();

    PtyPair pty;
    if (!pty.Ok()) std::abort();
    ReplayRadio radio(pty.Master(), input.rest.empty() ? std::string() : input.rest.substr(1));

    ScriptedDialogs dialogs;
    FastClock clock;
    lumo::TransferEnvironment env;
    env.dialogs = &dialogs;
    env.clock = &clock;
    env.waitSliceMs = 1;
    env.logPath = env.analogLogPath = "/nonexistent/Lumo.log";
    env.hardwareDirectory = "/nonexistent";
    std::unique_ptr<lumo::wxAsyncSerial> link = lumo::OpenRadioPort(pty.WxPath());
    if (!link->IsOpen()) std::abort();
    lumo::QuietProgress progress;
    lumo::HeldRadio held;
    lumo::SessionSetup setup;
    setup.link = link.get();
    setup.progress = &progress;
    setup.held = &held;
    setup.closingPause = false;
    lumo::TransferOutcome outcome = lumo::RunTransfer(env, setup, page, mode);
    link->Close();
    // A read that does not complete is thrown away with the copy it was read into.
    if (mode == lumo::kTransferWrite || outcome.status == lumo::kTransferComplete)
        fuzz::CheckPage(page, gridRows);
    return 0;
}
