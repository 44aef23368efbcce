#include "transfer/port_selection.h"

#include "transfer/network_port.h"

#include <wx/tokenzr.h>

#include <algorithm>

namespace lumo {

const char* const kOtherPortEntry = "Other device...";

namespace {
constexpr const char* kChosenPortKey = "Port/Chosen";
constexpr const char* kTypedPortsKey = "Port/Typed";  // one a line
constexpr size_t kMostTypedPorts = 32;

bool Contains(const std::vector<wxString>& list, const wxString& text) {
    return std::find(list.begin(), list.end(), text) != list.end();
}

// Why a name in the form of a network port is not a usable one; "" when it is.
wxString NetworkPortProblem(const wxString& name) {
    if (ParseNetworkPort(std::string(name.utf8_str()))) return wxString();
    return name +
           " is not a port on another machine.\n"
           "Write tcp://HOST:PORT or rfc2217://HOST:PORT, with a PORT from 1 to 65535.";
}
}  // namespace

std::optional<wxString> AskForDevice(Dialogs& dialogs) {
    std::optional<wxString> typed =
        dialogs.AskText("<-- Serial Port Device -->",
                        "Device path (e.g. /dev/serial/by-id/...),\n"
                        "or a port on another machine (tcp://HOST:PORT or rfc2217://HOST:PORT):");
    if (!typed) return std::nullopt;
    wxString path = typed->Strip(wxString::both);
    if (path.empty()) return std::nullopt;
    // A port on another machine is not tried here: its server may serve one client only, and
    // the transfer says clearly enough when nobody answers.
    wxString problem = IsNetworkPortName(std::string(path.utf8_str()))
                           ? NetworkPortProblem(path)
                           : PortProblem(ProbePort(path));
    if (!problem.empty()) {
        dialogs.Message(problem, "Serial Port", DialogIcon::Exclamation);
        return std::nullopt;
    }
    return path;
}

void AddTypedPort(PortSelection& selection, const wxString& device) {
    if (!Contains(selection.typedPorts, device)) selection.typedPorts.push_back(device);
}

void RememberPort(Settings& settings, const PortSelection& selection) {
    settings.WriteString(kChosenPortKey, selection.name);
    wxString typed;
    const std::vector<wxString>& ports = selection.typedPorts;
    size_t first = ports.size() > kMostTypedPorts ? ports.size() - kMostTypedPorts : 0;
    for (size_t i = first; i < ports.size(); ++i)  // the newest are kept
        typed << ports[i] << "\n";
    settings.WriteString(kTypedPortsKey, typed);
}

PortSelection RecalledPort(const Settings& settings) {
    PortSelection selection;
    wxString chosen = settings.ReadString(kChosenPortKey, "none").Strip(wxString::both);
    if (!chosen.empty()) selection.name = chosen;
    wxStringTokenizer lines(settings.ReadString(kTypedPortsKey, ""), "\n");
    while (lines.HasMoreTokens() && selection.typedPorts.size() < kMostTypedPorts) {
        wxString port = lines.GetNextToken().Strip(wxString::both);
        if (!port.empty() && !Contains(selection.typedPorts, port))
            selection.typedPorts.push_back(port);
    }
    return selection;
}

std::vector<wxString> OfferedPorts(const PortSelection& selection,
                                   const std::vector<PortProbeResult>& probed) {
    std::vector<wxString> ports = AvailablePorts(probed);
    for (const wxString& typed : selection.typedPorts)
        if (!Contains(ports, typed)) ports.push_back(typed);
    // The port in use (given on the command line, or remembered) stays the one preselected.
    if (selection.IsChosen() && !Contains(ports, selection.name)) ports.push_back(selection.name);
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
    AddTypedPort(selection, *device);
    selection.name = *device;
    selection.index = static_cast<int>(ports.size());
    return true;
}

}  // namespace lumo
