#include "transfer/port_probe.h"

#include <wx/dir.h>
#include <wx/filename.h>

#include <dirent.h>
#include <fcntl.h>
#include <glob.h>
#include <grp.h>
#include <linux/serial.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace lumo {

namespace {
const char* const kPatterns[] = {"ttyS*", "tts/*", "ttyUSB*", "ttyACM*", "ttyXRUSB*", "usb/tts/*"};

// Natural order of the trailing number, so ttyS2 comes before ttyS10.
bool NaturalLess(const wxString& a, const wxString& b) {
    auto split = [](const wxString& path, unsigned long& number) {
        size_t end = path.length();
        while (end > 0 && wxIsdigit(path[end - 1]))
            --end;
        if (!path.Mid(end).ToULong(&number)) number = 0;
        return path.Left(end);
    };
    unsigned long na = 0, nb = 0;
    wxString sa = split(a, na), sb = split(b, nb);
    if (sa != sb) return sa < sb;
    return na < nb;
}

std::string Canonical(const wxString& path) {
    char resolved[PATH_MAX];
    if (!realpath(path.fn_str(), resolved)) return std::string(path.fn_str());
    return resolved;
}

// True when another process has the device open. Only /proc entries we may read are seen,
// which for an ordinary user are that user's own programs.
bool OpenedByAnotherProcess(const std::string& device) {
    DIR* proc = opendir("/proc");
    if (!proc) return false;
    const std::string self = std::to_string(getpid());
    bool found = false;
    while (dirent* entry = readdir(proc)) {
        if (!isdigit(static_cast<unsigned char>(entry->d_name[0])) || self == entry->d_name)
            continue;
        std::string fdDir = std::string("/proc/") + entry->d_name + "/fd";
        DIR* fds = opendir(fdDir.c_str());
        if (!fds) continue;
        while (dirent* fd = readdir(fds)) {
            char target[PATH_MAX];
            std::string link = fdDir + "/" + fd->d_name;
            ssize_t n = readlink(link.c_str(), target, sizeof(target) - 1);
            if (n > 0 && device.compare(0, std::string::npos, target, n) == 0 &&
                device.size() == static_cast<size_t>(n)) {
                found = true;
                break;
            }
        }
        closedir(fds);
        if (found) break;
    }
    closedir(proc);
    return found;
}

// The UUCP lock file ("/var/lock/LCK..ttyUSB0") of a live process also marks a held port.
bool LockedByUucpFile(const std::string& device) {
    std::string name = device.substr(device.rfind('/') + 1);
    for (const char* dir : {"/var/lock/", "/run/lock/"}) {
        FILE* file = std::fopen((std::string(dir) + "LCK.." + name).c_str(), "r");
        if (!file) continue;
        long pid = 0;
        bool live = std::fscanf(file, "%ld", &pid) == 1 && pid > 0 &&
                    (kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
        std::fclose(file);
        if (live) return true;
    }
    return false;
}

wxString GroupOf(const std::string& device) {
    struct stat st;
    if (stat(device.c_str(), &st) != 0) return wxString();
    if (group* g = getgrgid(st.st_gid)) return wxString(g->gr_name);
    return wxString::Format("%u", static_cast<unsigned>(st.st_gid));
}

// A ttyS node answers its ioctls even when no UART is fitted; its type then reads unknown.
bool HasNoUart(int fd) {
    serial_struct info{};
    return ioctl(fd, TIOCGSERIAL, &info) == 0 && info.type == PORT_UNKNOWN;
}
}  // namespace

std::vector<wxString> CandidatePorts(const wxString& devRoot) {
    std::vector<wxString> ports;
    for (const char* pattern : kPatterns) {
        glob_t found{};
        wxString full = devRoot + "/" + pattern;
        if (glob(full.fn_str(), 0, nullptr, &found) == 0) {
            std::vector<wxString> group;
            for (size_t i = 0; i < found.gl_pathc; ++i)
                group.push_back(found.gl_pathv[i]);
            std::sort(group.begin(), group.end(), NaturalLess);
            ports.insert(ports.end(), group.begin(), group.end());
        }
        globfree(&found);
    }
    return ports;
}

PortProbeResult ProbePort(const wxString& path) {
    PortProbeResult result{path, PortState::Absent, wxString()};
    std::string device = Canonical(path);
    struct stat st;
    if (stat(device.c_str(), &st) != 0) return result;
    if (!S_ISCHR(st.st_mode)) {
        result.state = PortState::NotSerial;
        return result;
    }
    int fd = open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == EACCES || errno == EPERM) {
            result.state = PortState::NoPermission;
            result.group = GroupOf(device);
        } else if (errno == EBUSY) {
            result.state = PortState::InUse;  // another program opened it exclusively
        }
        return result;
    }
    termios tio;
    if (tcgetattr(fd, &tio) != 0) {
        result.state = PortState::NotSerial;
    } else if (HasNoUart(fd)) {
        result.state = PortState::Absent;
    } else if (flock(fd, LOCK_EX | LOCK_NB) != 0 || LockedByUucpFile(device) ||
               OpenedByAnotherProcess(device)) {
        result.state = PortState::InUse;
    } else {
        result.state = PortState::Available;
    }
    close(fd);
    return result;
}

std::vector<PortProbeResult> ProbePorts(const std::vector<wxString>& candidates) {
    std::vector<PortProbeResult> results;
    for (const wxString& path : candidates)
        results.push_back(ProbePort(path));
    return results;
}

std::vector<wxString> AvailablePorts(const std::vector<PortProbeResult>& results) {
    std::vector<wxString> ports;
    for (const PortProbeResult& r : results)
        if (r.state == PortState::Available) ports.push_back(r.path);
    return ports;
}

wxString PermissionAdvice(const std::vector<PortProbeResult>& results) {
    wxString ports, group;
    for (const PortProbeResult& r : results) {
        if (r.state != PortState::NoPermission) continue;
        ports += (ports.empty() ? "" : ", ") + r.path;
        if (group.empty()) group = r.group;
    }
    if (ports.empty()) return wxString();
    if (group.empty()) group = "dialout";
    return wxString::Format(
        "You are not allowed to use the serial port(s) %s.\n\n"
        "They belong to the group '%s'. Add your user to it with\n"
        "    sudo adduser $USER %s\n"
        "then log out and in again, and choose the port once more.",
        ports, group, group);
}

wxString PortProblem(const PortProbeResult& result) {
    switch (result.state) {
        case PortState::Available: return wxString();
        case PortState::Absent: return wxString::Format("%s is not there.", result.path);
        case PortState::NotSerial: return wxString::Format("%s is not a serial port.", result.path);
        case PortState::InUse:
            return wxString::Format("%s is in use by another program.", result.path);
        case PortState::NoPermission: return PermissionAdvice({result});
    }
    return wxString();
}

}  // namespace lumo
