// The radio simulator as a program, and the fault no session test meets. Its conversations and
// its other faults (silence, bad checksums, noise, split replies, refused records) are met by
// the session tests, which talk to it as Lumo does.
#include "edit/row_values.h"
#include "sim_server.h"
#include "support/page_fixtures.h"
#include "support/pty_pair.h"
#include "support/temp_dir.h"
#include "transfer/trecord.h"
#include "transfer/wx_async_serial.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <csignal>
#include <fstream>

using namespace lumo;
using namespace radiosim;

// A radio that drops the line in the middle of a conversation: the link notices.
TEST(Simulator, ALineDroppedInTheMiddleIsNoticedByTheLink) {
    Faults faults;
    faults.dropAfter = 2;
    SimServer server(std::make_unique<DigitalRadio>(), nullptr, faults);
    std::string error;
    ASSERT_TRUE(server.Open("", &error)) << error;
    server.Start();
    wxAsyncSerial link;
    ASSERT_TRUE(link.Open(server.DevicePath(), 9600));
    for (const wxString& record : {ProtocolHeader(2), wxString(kDownloadRecord)})
        link.Write(WithChecksum(record) + "\r");
    EXPECT_TRUE(EventuallyTrue([&] { return link.ErrorStatus(); }));
    link.Close();
    server.Stop();
}

TEST(SimulatorProgram, PrintsItsDeviceKeepsATranscriptAndSavesItsMemory) {
    TempDir dir;
    std::string memory = std::string(dir.Path("memory.txt").mb_str());
    std::string transcript = std::string(dir.Path("transcript.txt").mb_str());
    std::string link = std::string(dir.Path("radio").mb_str());
    int out[2];
    ASSERT_EQ(pipe(out), 0);
    pid_t child = fork();
    if (child == 0) {
        dup2(out[1], 1);
        execl(LUMO_RADIO_SIM, "lumo-radio-sim", "digital", "--link", link.c_str(), "--memory",
              memory.c_str(), "--transcript", transcript.c_str(), nullptr);
        _exit(127);
    }
    close(out[1]);
    char first[256] = {};
    size_t used = 0;
    EventuallyTrue([&] {
        ssize_t n = read(out[0], first + used, sizeof(first) - 1 - used);
        if (n > 0) used += static_cast<size_t>(n);
        return std::string(first).find('\n') != std::string::npos;
    });
    std::string device = std::string(first).substr(0, std::string(first).find('\n'));
    EXPECT_EQ(device.rfind("/dev/pts/", 0), 0u) << device;
    {
        wxAsyncSerial serial;
        ASSERT_TRUE(serial.Open(link, 9600)) << "the stable link opens the device";
        Page page = MakePage(6);
        FillFromDefaults(page, 3);
        for (const wxString& record :
             {WithChecksum(ProtocolHeader(2)), WithChecksum(kDownloadRecord),
              WithChecksum(encodeTrecordV1(page, 3))}) {
            serial.Write(record + "\r");
            wxString reply;
            EventuallyTrue([&] {
                reply += serial.Read();
                return reply.Contains("\r");
            });
        }
    }
    kill(child, SIGTERM);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a clean exit on SIGTERM";
    std::ifstream saved(memory);
    std::string record;
    ASSERT_TRUE(std::getline(saved, record));
    EXPECT_EQ(record.substr(0, 8), "T1430003");
    std::ifstream lines(transcript);
    std::string firstLine;
    std::getline(lines, firstLine);
    EXPECT_EQ(firstLine, "<" + std::string(WithChecksum(ProtocolHeader(2)).mb_str()));
    close(out[0]);
}
