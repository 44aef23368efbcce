#include "transfer/port_selection.h"

#include <algorithm>

namespace lumo {

const char* const kOtherPortEntry = "Other device...";

namespace {
bool Contains(const std::vector<wxString>& list, const wxString& text) {
    return std::find(list.begin(), list.end(), text) != list.end();
}

}  // namespace

std::optional<wxString> AskForDevice(Dialogs& dialogs) {
    std::optional<wxString> typed =
        dialogs.AskText("<-- Serial Port Device -->", "Device path (e.g. /dev/serial/by-id/...):");
    if (!typed) return std::nullopt;
    wxString path = typed->Strip(wxString::both);
    if (path.empty()) return std::nullopt;
    wxString problem = PortProblem(ProbePort(path));
    if (!problem.empty()) {
        dialogs.Message(problem, "Serial Port", DialogIcon::Exclamation);
        return std::nullopt;
    }
    return path;
}

std::vector<wxString> OfferedPorts(const PortSelection& selection,
                                   const std::vector<PortProbeResult>& probed) {
    std::vector<wxString> ports = AvailablePorts(probed);
    for (const wxString& typed : selection.typedPorts)
        if (!Contains(ports, typed)) ports.push_back(typed);
    return ports;
}

bool ChooseSerialPort(Dialogs& dialogs, PortSelection& selection,
                      const std::vector<PortProbeResult>& probed) {
    wxString advice = PermissionAdvice(probed);
    if (!advice.empty()) dialogs.Message(advice, "Serial Port Permission", DialogIcon::Exclamation);

    std::vector<wxString> ports = OfferedPorts(selection, probed);
    int preselection = -1;
    for (size_t i = 0; i < ports.size(); ++i)
        if (ports[i] == selection.name) preselection = static_cast<int>(i);
    std::vector<wxString> choices = ports;
    choices.push_back(kOtherPortEntry);

    std::optional<int> chosen =
        dialogs.Choose({"<-- Select Serial Port -->", "Port", choices, preselection});
    if (!chosen || *chosen < 0 || *chosen >= static_cast<int>(choices.size())) return false;
    if (*chosen < static_cast<int>(ports.size())) {
        selection.name = ports[*chosen];
        selection.index = *chosen;
        return true;
    }
    std::optional<wxString> device = AskForDevice(dialogs);
    if (!device) return false;
    if (!Contains(selection.typedPorts, *device)) selection.typedPorts.push_back(*device);
    selection.name = *device;
    selection.index = static_cast<int>(ports.size());
    return true;
}

}  // namespace lumo
