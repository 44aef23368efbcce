// Which serial ports this machine has that Lumo could open now. On Linux the candidates are
// device files; a candidate is listed only when it opens read-write, is a real serial line (a
// ttyS node with no UART behind it is not), and no other program holds it.
#pragma once

#include <wx/string.h>

#include <vector>

namespace lumo {

enum class PortState {
    Available,
    Absent,       // no such device, or no hardware behind the node
    NotSerial,    // opens, but is not a serial line
    InUse,        // another program holds it
    NoPermission  // exists, but this user may not open it
};

struct PortProbeResult {
    wxString path;
    PortState state = PortState::Absent;
    wxString group;  // the group that owns a device the user may not open
};

// The device files that may be serial ports, in the order they are offered.
std::vector<wxString> CandidatePorts(const wxString& devRoot = "/dev");
PortProbeResult ProbePort(const wxString& path);
std::vector<PortProbeResult> ProbePorts(const std::vector<wxString>& candidates);
// The paths of the available ports among the results.
std::vector<wxString> AvailablePorts(const std::vector<PortProbeResult>& results);

// The message for ports the user may not open, naming the group to join; "" when none.
wxString PermissionAdvice(const std::vector<PortProbeResult>& results);
// Why a path the user typed cannot be used as a port; "" when it can.
wxString PortProblem(const PortProbeResult& result);

}  // namespace lumo
