// The radio simulator against Lumo's serial link: a conversation of each kind, and each fault.
#include "edit/row_values.h"
#include "sim_server.h"
#include "support/page_fixtures.h"
#include "support/pty_pair.h"
#include "transfer/trecord.h"
#include "transfer/wx_async_serial.h"

#include <gtest/gtest.h>
#include <wx/filename.h>

#include <sys/wait.h>
#include <csignal>

using namespace lumo;
using namespace radiosim;

namespace {
class SimulatorTest : public testing::Test {
  protected:
    void Serve(std::unique_ptr<DigitalRadio> digital, std::unique_ptr<AnalogRadio> analog,
               Faults faults = {}) {
        server = std::make_unique<SimServer>(std::move(digital), std::move(analog), faults);
        std::string error;
        ASSERT_TRUE(server->Open("", &error)) << error;
        server->Start();
        ASSERT_TRUE(link.Open(server->DevicePath(), 9600));
    }
    void ServeDigital(DigitalSettings settings = {}, Faults faults = {}) {
        Serve(std::make_unique<DigitalRadio>(settings), nullptr, faults);
    }
    void TearDown() override {
        link.Close();
        if (server) server->Stop();
    }

    // Everything received until `enough` holds or the time is up.
    wxString ReadUntil(const std::function<bool(const wxString&)>& enough, int timeoutMs = 3000) {
        EventuallyTrue(
            [&] {
                received += link.Read();
                return enough(received);
            },
            timeoutMs);
        wxString got;
        got.swap(received);
        return got;
    }
    // Sends a record with its checksum and returns the next reply line (without its CR).
    wxString Exchange(const wxString& record) {
        link.Write(WithChecksum(record) + "\r");
        return NextLine();
    }
    wxString NextLine() {
        wxString got = ReadUntil([](const wxString& text) { return text.Contains("\r"); });
        wxString line = got.BeforeFirst('\r');
        received = got.AfterFirst('\r');
        return line;
    }

    std::unique_ptr<SimServer> server;
    wxAsyncSerial link;
    wxString received;
};
}  // namespace

TEST_F(SimulatorTest, DigitalConversationFromHeaderToReadBack) {
    ServeDigital();
    EXPECT_EQ(Exchange(ProtocolHeader(0)), WithChecksum("T204000003"))
        << "only protocol 2 is accepted";
    EXPECT_EQ(Exchange(ProtocolHeader(2)), "T204000000FB");
    EXPECT_EQ(Exchange(kSetBaudRecord), "T204000000FB");
    EXPECT_EQ(Exchange(kReadModesRecord), WithChecksum("T20500003370"));
    EXPECT_EQ(Exchange(kReadVersionRecord), WithChecksum("T207000023020100"));
    wxDateTime when(5, wxDateTime::Dec, 2026, 21, 26, 6);
    EXPECT_EQ(Exchange(SetIdRecord(when)), "T204000000FB");
    EXPECT_EQ(Exchange(kReadIdRecord), WithChecksum("T20B000021" + RadioIdText(when)));
    wxString hardware = Exchange(kReadHardwareRecord);
    EXPECT_TRUE(hardware.StartsWith("T1"));
    while (hardware.StartsWith("T1"))
        hardware = Exchange(kAckRecord);
    EXPECT_EQ(hardware, sendEndRecord());

    EXPECT_EQ(Exchange(kDownloadRecord), "T204000000FB");
    EXPECT_EQ(Exchange(kPurgeRecord), WithChecksum(kBusyReply));
    EXPECT_EQ(NextLine(), WithChecksum(kBusyReply));
    EXPECT_EQ(NextLine(), "T204000000FB");
    Page page = MakePage(7);
    FillFromDefaults(page, 2);
    page.grid.Set(2, DESC, "SIM TWO");
    for (int row : {1, 2})
        EXPECT_EQ(Exchange(encodeTrecordV2(page, row)), "T204000000FB");
    link.Write(sendEndRecord() + "\r");

    EXPECT_EQ(Exchange(kUploadRecord).Left(2), "T1");
    Page read = MakePage(7);
    ClearPage(read, 0);
    int records = 0;
    wxString line = WithChecksum(encodeTrecordV2(page, 1));  // the first record, already read
    while (line.StartsWith("T1")) {
        ASSERT_TRUE(decodeTrecordV2(read, line.Left(line.length() - 2)));
        ++records;
        line = Exchange(kAckRecord);
    }
    EXPECT_EQ(line, sendEndRecord());
    EXPECT_EQ(records, 2);
    EXPECT_EQ(read.grid.Get(2, DESC), "SIM TWO");
}

TEST_F(SimulatorTest, RadioKeepsItsPrimariesShadowLists) {
    ServeDigital();
    Exchange(ProtocolHeader(2));
    Exchange(kReadVersionRecord);
    Exchange(kDownloadRecord);
    Page page = MakePage(6);
    FillFromDefaults(page, 5);
    FillFromDefaults(page, 9);
    page.grid.Set(5, MFLG, "10");
    page.grid.Set(9, MFLG, "01");
    page.grid.Set(9, PRIM, "005");
    Exchange(encodeTrecordV2(page, 5));
    Exchange(encodeTrecordV2(page, 9));
    std::lock_guard<std::mutex> lock(server->RadioMutex());
    const std::string& primary = server->Digital()->Memory().at(5);
    EXPECT_EQ(primary.substr(100, 4), "0009") << "slot 1 of the primary names its shadow";
}

TEST_F(SimulatorTest, AnalogWriteThenRead) {
    Serve(nullptr, std::make_unique<AnalogRadio>(122));
    link.Write("rt\r2\r");
    link.Write("dl\r");
    EXPECT_EQ(ReadUntil([](const wxString& t) { return t.Contains("\x05"); }), "\x05");
    for (const char* line :
         {"001 CHANNEL1  150.0000RX 150.0000TX ", "002 CHANNEL2  151.0000RX 151.0000TX "}) {
        link.Write(wxString(line) + "\r");
        EXPECT_EQ(ReadUntil([](const wxString& t) { return t.Contains("\x05"); }), "\x05");
    }
    link.Write("123 NOT A CHANNEL LINE\r");
    EXPECT_EQ(ReadUntil([](const wxString& t) { return !t.empty(); }, 200), "")
        << "only channel lines are acknowledged";
    link.Write("300" + wxString(' ', 74) + "\r");
    link.Write("ul\r");
    wxString lines = ReadUntil([](const wxString& t) { return t.Contains("\r300"); });
    EXPECT_TRUE(lines.StartsWith("001 CHANNEL1"));
    EXPECT_TRUE(lines.Contains("\r002 CHANNEL2"));
    std::lock_guard<std::mutex> lock(server->RadioMutex());
    EXPECT_EQ(server->Analog()->Pib(), 2);
}

TEST_F(SimulatorTest, ShortRadiosEndTheirReadWith300) {
    Serve(nullptr, std::make_unique<AnalogRadio>(200));
    link.Write("ul\r");
    wxString lines = ReadUntil([](const wxString& t) { return t.Contains("\r"); });
    EXPECT_TRUE(lines.StartsWith("300"));
}

TEST_F(SimulatorTest, NoReply) {
    ServeDigital({}, Faults{true});
    link.Write(WithChecksum(ProtocolHeader(2)) + "\r");
    EXPECT_EQ(ReadUntil([](const wxString& t) { return !t.empty(); }, 300), "");
}

TEST_F(SimulatorTest, BadChecksumOnceThenGood) {
    Faults faults;
    faults.badChecksums = 1;
    ServeDigital({}, faults);
    wxString bad = Exchange(ProtocolHeader(2));
    EXPECT_TRUE(bad.StartsWith("T204000000"));
    EXPECT_NE(HexN(Checksum(bad.Left(bad.length() - 2)), 2), bad.Right(2)) << "a bad checksum";
    EXPECT_EQ(Exchange(kRepeatRecord), "T204000000FB") << "asked again, the reply is good";
}

TEST_F(SimulatorTest, NoiseLinesComeBeforeReplies) {
    Faults faults;
    faults.noise = true;
    ServeDigital({}, faults);
    EXPECT_EQ(Exchange(ProtocolHeader(2)), "NOISE ON THE LINE");
    EXPECT_EQ(NextLine(), "T204000000FB");
}

TEST_F(SimulatorTest, RepliesSplitAcrossManyReads) {
    Faults faults;
    faults.split = true;
    ServeDigital({}, faults);
    link.Write(WithChecksum(kReadVersionRecord) + "\r");
    // How many reads the pieces arrive in depends on the machine's load; the reply must not.
    wxString got;
    EventuallyTrue([&] {
        got += link.Read();
        return got.Contains("\r");
    });
    EXPECT_EQ(got, WithChecksum("T207000023020100") + "\r");
}

TEST_F(SimulatorTest, RefusedRecord) {
    DigitalSettings settings;
    settings.refusedAddress = 2;
    ServeDigital(settings);
    Exchange(ProtocolHeader(2));
    Exchange(kDownloadRecord);
    Page page = MakePage(6);
    FillFromDefaults(page, 2);
    EXPECT_EQ(Exchange(encodeTrecordV2(page, 1)), "T204000000FB");
    EXPECT_EQ(Exchange(encodeTrecordV2(page, 2)), WithChecksum("T204000003"));
}

TEST_F(SimulatorTest, LineDroppedInTheMiddle) {
    Faults faults;
    faults.dropAfter = 2;
    ServeDigital({}, faults);
    Exchange(ProtocolHeader(2));
    Exchange(kDownloadRecord);
    EXPECT_TRUE(EventuallyTrue([&] { return link.ErrorStatus(); }));
}

TEST(SimulatorProgram, PrintsItsDeviceKeepsATranscriptAndSavesItsMemory) {
    wxString dir = wxFileName::CreateTempFileName("lumo-sim");
    wxRemoveFile(dir);
    wxFileName::Mkdir(dir);
    std::string memory = std::string(dir.mb_str()) + "/memory.txt";
    std::string transcript = std::string(dir.mb_str()) + "/transcript.txt";
    std::string link = std::string(dir.mb_str()) + "/radio";
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
    wxFileName::Rmdir(dir, wxPATH_RMDIR_RECURSIVE);
}
