#include "transfer/port_probe.h"
#include "support/pty_pair.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"
#include "transfer/port_selection.h"

#include <gtest/gtest.h>
#include <wx/filename.h>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace lumo;

TEST(PortProbe, CandidatesFollowTheDevicePatternsInNaturalOrder) {
    TempDir dev;
    for (const char* name : {"ttyS10", "ttyS2", "ttyUSB0", "ttyACM1", "ttyXRUSB0", "tty1", "null"})
        close(open(dev.Path(name).fn_str(), O_CREAT | O_WRONLY, 0600));
    mkdir(dev.Path("usb").fn_str(), 0700);
    mkdir(dev.Path("usb/tts").fn_str(), 0700);
    close(open(dev.Path("usb/tts/0").fn_str(), O_CREAT | O_WRONLY, 0600));
    std::vector<wxString> found = CandidatePorts(dev.Path("").BeforeLast('/'));
    std::vector<wxString> names;
    for (const wxString& path : found)
        names.push_back(path.AfterLast('/'));
    EXPECT_EQ(names,
              (std::vector<wxString>{"ttyS2", "ttyS10", "ttyUSB0", "ttyACM1", "ttyXRUSB0", "0"}));
}

TEST(PortProbe, PortHeldByAnotherProgramIsNotListed) {
    PtyPair pty;
    ASSERT_TRUE(pty.Ok());
    int holder = open(pty.WxPath().fn_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(flock(holder, LOCK_EX | LOCK_NB), 0);
    std::vector<PortProbeResult> results = ProbePorts({pty.WxPath()});
    EXPECT_EQ(results[0].state, PortState::InUse);
    EXPECT_TRUE(AvailablePorts(results).empty());
    close(holder);
    EXPECT_EQ(ProbePort(pty.WxPath()).state, PortState::Available);
}

TEST(PortProbe, PortOpenInAnotherProcessIsInUse) {
    PtyPair pty;
    ASSERT_TRUE(pty.Ok());
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    pid_t child = fork();
    if (child == 0) {
        int fd = open(pty.WxPath().fn_str(), O_RDWR | O_NOCTTY);
        char c = fd >= 0 ? 'y' : 'n';
        (void)!write(ready[1], &c, 1);
        pause();
        _exit(0);
    }
    char c = 0;
    ASSERT_EQ(read(ready[0], &c, 1), 1);
    EXPECT_EQ(c, 'y');
    EXPECT_EQ(ProbePort(pty.WxPath()).state, PortState::InUse);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    close(ready[0]);
    close(ready[1]);
}

TEST(PortProbe, NodesThatAreNoPortsAreNotListed) {
    TempDir dir;
    EXPECT_EQ(ProbePort(dir.Path("missing")).state, PortState::Absent);
    close(open(dir.Path("plain").fn_str(), O_CREAT | O_WRONLY, 0600));
    EXPECT_EQ(ProbePort(dir.Path("plain")).state, PortState::NotSerial);
    EXPECT_EQ(ProbePort("/dev/null").state, PortState::NotSerial);
    // A serial device node whose driver has nothing behind it (major 4, a high ttyS minor).
    if (mknod(dir.Path("ttyS99").fn_str(), S_IFCHR | 0600, makedev(4, 64 + 99)) == 0) {
        EXPECT_EQ(ProbePort(dir.Path("ttyS99")).state, PortState::Absent);
    }
}

TEST(PortProbe, LinksAreFollowedToTheirDevice) {
    PtyPair pty;
    TempDir dir;
    ASSERT_EQ(symlink(pty.WxPath().fn_str(), dir.Path("by-id-radio").fn_str()), 0);
    EXPECT_EQ(ProbePort(dir.Path("by-id-radio")).state, PortState::Available);
}

TEST(PortProbe, PortTheUserMayNotOpenNamesItsGroup) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to probe as another user";
    PtyPair pty;
    ASSERT_TRUE(pty.Ok());
    chmod(pty.WxPath().fn_str(), 0660);
    int report[2];
    ASSERT_EQ(pipe(report), 0);
    pid_t child = fork();
    if (child == 0) {
        passwd* nobody = getpwnam("nobody");
        if (!nobody || setgroups(0, nullptr) != 0 || setgid(nobody->pw_gid) != 0 ||
            setuid(nobody->pw_uid) != 0)
            _exit(3);
        PortProbeResult result = ProbePort(pty.WxPath());
        std::string text = std::to_string(static_cast<int>(result.state)) + ":" +
                           std::string(PermissionAdvice({result}).utf8_str());
        (void)!write(report[1], text.data(), text.size());
        _exit(0);
    }
    close(report[1]);
    char buffer[1024] = {};
    ssize_t n = read(report[0], buffer, sizeof(buffer) - 1);
    waitpid(child, nullptr, 0);
    close(report[0]);
    ASSERT_GT(n, 0);
    wxString answer = wxString::FromUTF8(buffer);
    EXPECT_TRUE(
        answer.StartsWith(wxString::Format("%d:", static_cast<int>(PortState::NoPermission))))
        << answer;
    struct stat st;
    ASSERT_EQ(stat(pty.WxPath().fn_str(), &st), 0);
    wxString group = getgrgid(st.st_gid)->gr_name;
    EXPECT_TRUE(answer.Contains("sudo adduser $USER " + group)) << answer;
}

TEST(PortChoice, OffersAvailablePortsAndOtherDevice) {
    std::vector<PortProbeResult> probed = {{"/dev/ttyS0", PortState::Available, ""},
                                           {"/dev/ttyS1", PortState::Absent, ""},
                                           {"/dev/ttyUSB0", PortState::Available, ""}};
    ScriptedDialogs dialogs;
    PortSelection port;
    dialogs.choices = {1};
    ASSERT_TRUE(ChooseSerialPort(dialogs, port, probed));
    const ChoiceRequest& request = dialogs.choiceRequests[0];
    EXPECT_EQ(request.title, "<-- Select Serial Port -->");
    EXPECT_EQ(request.label, "Port");
    EXPECT_EQ(request.choices,
              (std::vector<wxString>{"/dev/ttyS0", "/dev/ttyUSB0", "Other device..."}));
    EXPECT_EQ(request.preselection, -1);
    EXPECT_EQ(port.name, "/dev/ttyUSB0");
    EXPECT_EQ(port.index, 1);
    ChooseSerialPort(dialogs, port, probed);  // cancelled
    EXPECT_EQ(dialogs.choiceRequests[1].preselection, 1);
    EXPECT_EQ(port.name, "/dev/ttyUSB0") << "cancel keeps the port";
    for (int pastTheList : {-1, 3}) {
        dialogs.choices = {pastTheList};
        EXPECT_FALSE(ChooseSerialPort(dialogs, port, probed)) << pastTheList;
    }
    EXPECT_EQ(port.name, "/dev/ttyUSB0") << "an answer past the list chooses nothing";
}

TEST(PortChoice, UserCanTypeADeviceTheProbeDoesNotFind) {
    PtyPair pty;
    ScriptedDialogs dialogs;
    PortSelection port;
    dialogs.choices = {0};
    dialogs.texts = {pty.WxPath()};
    ASSERT_TRUE(ChooseSerialPort(dialogs, port, {}));
    EXPECT_EQ(port.name, pty.WxPath());
    dialogs.choices = {0};
    ASSERT_TRUE(ChooseSerialPort(dialogs, port, {}));
    EXPECT_EQ(dialogs.choiceRequests[1].choices,
              (std::vector<wxString>{pty.WxPath(), "Other device..."}))
        << "a typed device is offered again";
    EXPECT_EQ(dialogs.choiceRequests[1].preselection, 0);
}

TEST(PortChoice, TypedDeviceThatIsNoPortIsRefusedWithItsReason) {
    const std::pair<const char*, const char*> cases[] = {
        {"/dev/null", "/dev/null is not a serial port."},
        {"tcp://bench2", "tcp://bench2 is not a port on another machine.\nWrite tcp://HOST:PORT"},
        {"rfc2217://bench2:99999", "rfc2217://bench2:99999 is not a port on another machine."},
    };
    for (const auto& [typed, reason] : cases) {
        ScriptedDialogs dialogs;
        PortSelection port;
        dialogs.choices = {0};
        dialogs.texts = {wxString(typed)};
        EXPECT_FALSE(ChooseSerialPort(dialogs, port, {}));
        EXPECT_EQ(port.name, "none");
        EXPECT_TRUE(dialogs.Messages().back().StartsWith(reason)) << dialogs.Messages().back();
    }
}

// Nothing is tried on the far machine when the port is chosen; the next run offers it again.
TEST(PortChoice, APortOnAnotherMachineIsTakenAsTypedAndRemembered) {
    ScriptedDialogs dialogs;
    PortSelection port;
    dialogs.choices = {0};
    dialogs.texts = {wxString(" rfc2217://bench2:3002 ")};
    ASSERT_TRUE(ChooseSerialPort(dialogs, port, {}));
    EXPECT_EQ(port.name, "rfc2217://bench2:3002");
    MemorySettings settings;
    EXPECT_EQ(RecalledPort(settings).name, "none");
    RememberPort(settings, port);
    PortSelection next = RecalledPort(settings);
    EXPECT_EQ(next.name, "rfc2217://bench2:3002");
    EXPECT_EQ(OfferedPorts(next, {}), std::vector<wxString>{"rfc2217://bench2:3002"});
    PortSelection given;  // lumo --port tcp://bench3:3001
    given.name = "tcp://bench3:3001";
    EXPECT_EQ(OfferedPorts(given, {}), std::vector<wxString>{"tcp://bench3:3001"});
}

TEST(PortChoice, PermissionProblemsAreExplainedBeforeTheChoice) {
    std::vector<PortProbeResult> probed = {{"/dev/ttyUSB0", PortState::NoPermission, "dialout"}};
    ScriptedDialogs dialogs;
    PortSelection port;
    EXPECT_FALSE(ChooseSerialPort(dialogs, port, probed));
    ASSERT_GE(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].caption, "Serial Port Permission");
    EXPECT_TRUE(dialogs.shown[0].text.Contains("/dev/ttyUSB0"));
    EXPECT_TRUE(dialogs.shown[0].text.Contains("sudo adduser $USER dialout"));
    EXPECT_EQ(dialogs.choiceRequests[0].choices, (std::vector<wxString>{"Other device..."}));
}
