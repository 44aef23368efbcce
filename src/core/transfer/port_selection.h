// The serial port chosen for the run, and the command that chooses it.
#pragma once

#include "transfer/port_probe.h"
#include "util/dialogs.h"
#include "util/settings.h"

namespace lumo {

extern const char* const kOtherPortEntry;

struct PortSelection {
    wxString name = "none";  // the transfer commands refuse to run while it is "none"
    int index = -1;
    // Devices the user typed in this run (a /dev/serial/by-id link, a simulator's terminal);
    // offered again next time.
    std::vector<wxString> typedPorts;

    bool IsChosen() const { return name != "none"; }
};

// The available ports, then the ports typed earlier and the chosen one, when not among them.
std::vector<wxString> OfferedPorts(const PortSelection& selection,
                                   const std::vector<PortProbeResult>& probed);
// Asks for a device path or a network port; nothing when cancelled, blank, or not a port Lumo can
// open (after saying why).
std::optional<wxString> AskForDevice(Dialogs& dialogs);

// A device typed by the user, offered again from now on.
void AddTypedPort(PortSelection& selection, const wxString& device);
// The port chosen in the dialog and the ports typed there, kept for the next run.
void RememberPort(Settings& settings, const PortSelection& selection);
PortSelection RecalledPort(const Settings& settings);

// Offers the available ports, the ports typed earlier and "Other device..."; tells the user
// first when ports exist that they may not open. Returns true when a port was chosen.
bool ChooseSerialPort(Dialogs& dialogs, PortSelection& selection,
                      const std::vector<PortProbeResult>& probed);

}  // namespace lumo
