// Ports on other machines: their names, the telnet side of RFC 2217, and transfers through
// ser2net in front of simulated radios, healthy and failing.
#include "transfer/network_port.h"
#include "commands/radio_write.h"
#include "support/page_fixtures.h"
#include "support/port_server.h"
#include "support/simulated_radio.h"
#include "transfer/telnet_codec.h"

#include <chrono>
#include <functional>
#include <thread>

using namespace lumo;
using portserver::Ser2net;

namespace {
constexpr int kVRD21 = 6;

std::string Bytes(std::initializer_list<int> bytes) {
    std::string text;
    for (int b : bytes)
        text += static_cast<char>(b);
    return text;
}

TEST(NetworkPort, NamesAreASchemeAHostAndAPort) {
    struct Case {
        const char* name;
        const char* host;
        const char* service;
        bool rfc2217;
    };
    const Case good[] = {
        {"tcp://bench2:3001", "bench2", "3001", false},
        {"rfc2217://10.0.0.7:65535", "10.0.0.7", "65535", true},
        {"tcp://[fe80::1]:4000", "fe80::1", "4000", false},
    };
    for (const Case& c : good) {
        std::optional<NetworkPort> port = ParseNetworkPort(c.name);
        ASSERT_TRUE(port) << c.name;
        EXPECT_EQ(port->host, c.host);
        EXPECT_EQ(port->service, c.service);
        EXPECT_EQ(port->rfc2217, c.rfc2217);
        EXPECT_EQ(port->Name(), c.name);
    }
    for (const char* bad :
         {"tcp://bench2", "tcp://:3001", "tcp://bench2:0", "rfc2217://bench2:65536",
          "tcp://bench2:30a1", "tcp://fe80::1:4000", "tcp://bench 2:3001", "/dev/ttyUSB0"})
        EXPECT_FALSE(ParseNetworkPort(bad)) << bad;
}

// The line settings at `baud`, as sent once the server takes the COM-PORT option.
std::string Settings(std::initializer_list<int> baud) {
    return Bytes({255, 250, 44, 1}) + Bytes(baud) + Bytes({255, 240}) +
           Bytes({255, 250, 44, 2, 8, 255, 240, 255, 250, 44, 3, 1, 255, 240}) +
           Bytes({255, 250, 44, 4, 1, 255, 240, 255, 250, 44, 5, 1, 255, 240});
}

// What a port server says arrives in pieces of any size: the data, the answers and the baud
// rate it reports come out the same wherever the pieces break.
TEST(TelnetCodec, DecodesWhereverTheBytesAreSplit) {
    const std::string wire =
        Bytes({255, 251, 3, 255, 251, 1, 255, 253, 0, 255, 253, 44, 255, 253, 24}) +
        Bytes({255, 250, 44, 101, 0, 1, 0xC2, 0, 255, 240}) + "REPLY\r" + Bytes({255, 255}) +
        Bytes({255, 251, 1, 255, 250}) + std::string(100, 'j') + Bytes({255, 240}) + "X";
    for (size_t split = 0; split <= wire.size(); ++split) {
        SCOPED_TRACE(split);
        TelnetCodec codec;
        codec.Greeting(9600);
        std::string data, replies;
        codec.Decode(wire.data(), split, data, replies);
        codec.Decode(wire.data() + split, wire.size() - split, data, replies);
        EXPECT_EQ(data, "REPLY\r\xffX");
        // Echo refused once however often offered, the line set once the COM-PORT option is
        // agreed, terminal type declined; the agreements Lumo asked for need no answer.
        EXPECT_EQ(replies,
                  Bytes({255, 254, 1}) + Settings({0, 0, 0x25, 0x80}) + Bytes({255, 252, 24}));
        EXPECT_EQ(codec.ServerBaudRate(), 115200u);
    }
}

// The far line is set only once the server agrees, and no longer once it refuses; data and
// values double the command byte, and a server without binary data gets CR NUL and sends it.
TEST(TelnetCodec, FollowsTheServersAgreementsAndRefusals) {
    TelnetCodec codec;
    EXPECT_EQ(codec.Greeting(9600),
              Bytes({255, 251, 0, 255, 251, 3, 255, 251, 44, 255, 253, 0, 255, 253, 3}));
    EXPECT_EQ(codec.SetBaudRate(115200), "") << "before the server agreed";
    std::string data, replies;
    auto receive = [&](const std::string& bytes) {
        data.clear();
        replies.clear();
        codec.Decode(bytes.data(), bytes.size(), data, replies);
    };
    EXPECT_FALSE(codec.LineSettled());
    receive(Bytes({255, 253, 44}));
    EXPECT_EQ(replies, Settings({0, 1, 0xC2, 0}));
    EXPECT_TRUE(codec.LineSettled());
    EXPECT_EQ(codec.SetBaudRate(255), Bytes({255, 250, 44, 1, 0, 0, 0, 255, 255, 255, 240}));
    EXPECT_EQ(codec.Encode("a\xff\rb", 4), "a\xff\xff\rb");
    receive(Bytes({255, 254, 44, 255, 254, 0, 255, 252, 0}));
    // An agreed option ended is acknowledged, a request refused is not.
    EXPECT_EQ(replies, Bytes({255, 252, 44}));
    EXPECT_EQ(codec.SetBaudRate(9600), "") << "after the server refused the option";
    EXPECT_EQ(codec.Encode("\r", 1), std::string("\r\0", 2));
    receive(std::string("A\r\0B", 4));
    EXPECT_EQ(data, "A\rB");
}

wxString Local(int port, const char* scheme = "tcp") {
    return wxString::Format("%s://127.0.0.1:%d", scheme, port);
}

// A raw port keeps its server's speed: a radio's switch is noted for the message of a transfer
// that then fails.
TEST(NetworkLink, ARawPortNotesASpeedItCannotSet) {
    int listener = portserver::BoundSocket(0);
    ASSERT_EQ(listen(listener, 1), 0);
    wxString name = Local(portserver::PortOf(listener));
    wxAsyncSerial link(name, 9600);
    link.SetBaudRate(9600);
    EXPECT_EQ(link.NetworkTrouble(), name);
    link.SetBaudRate(115200);
    EXPECT_EQ(link.NetworkTrouble(),
              name + ": the radio asked for 115200 baud, which only an rfc2217:// port can set");
    link.Close();
    close(listener);
}

Page Named(int rows) {
    Page page = MakePage(kVRD21);
    for (int row = 1; row <= rows; ++row) {
        FillFromDefaults(page, row);
        page.grid.Set(row, DESC, wxString::Format("BENCH %d", row));
    }
    page.grid.GetSelection().SelectAll(page.grid.RowCount());
    return page;
}

// A radio on a pseudo-terminal that ser2net offers over TCP. (Writing and reading through
// ser2net, raw and RFC 2217, is tested end to end with lumo-cli.)
class ThroughSer2net : public SimulatedRadioTest {
  public:
    void ServeBehindSer2net(radiosim::Faults faults = {}) {
        Serve(0, {}, faults);
        std::string device(Port().mb_str());
        ser2net = std::make_unique<Ser2net>(std::vector<Ser2net::Device>{{device}},
                                            std::string(dir.Path().mb_str()));
        ASSERT_TRUE(ser2net->Ok()) << "ser2net did not start";
    }
    wxString Raw() const { return ser2net->Names()[0]; }
    // A port whose connections are never answered: the one place in its queue is taken.
    wxString Unanswered() {
        unanswered = portserver::BoundSocket(0);
        listen(unanswered, 0);
        filler = portserver::ConnectedSocket(portserver::PortOf(unanswered));
        return Local(portserver::PortOf(unanswered));
    }
    void TearDown() override {
        close(unanswered);
        close(filler);
        SimulatedRadioTest::TearDown();
    }
    std::unique_ptr<Ser2net> ser2net;
    int unanswered = -1, filler = -1;
};

// Accepts one connection, takes what arrives first and hangs up in good order.
class HangingUpServer {
  public:
    HangingUpServer() {
        listener_ = portserver::BoundSocket(0);
        listen(listener_, 1);
        port_ = portserver::PortOf(listener_);
        thread_ = std::thread([this] {
            int peer = accept(listener_, nullptr, nullptr);
            if (peer < 0) return;
            char buffer[512];
            recv(peer, buffer, sizeof(buffer), 0);
            shutdown(peer, SHUT_WR);
            while (recv(peer, buffer, sizeof(buffer), 0) > 0) {
            }
            close(peer);
        });
    }
    ~HangingUpServer() {
        shutdown(listener_, SHUT_RDWR);
        thread_.join();
        close(listener_);
    }
    int Port() const { return port_; }

  private:
    int listener_ = -1, port_ = 0;
    std::thread thread_;
};

struct NetworkFault {
    const char* name;
    int dropAfter;  // the radio behind ser2net hangs up after this many replies (-1: never)
    std::function<wxString(ThroughSer2net&, HangingUpServer&)> port;
    int status;
    const char* box;   // how the box begins
    const char* says;  // after the port's name; nullptr: the box does not name the port
    int cancelAfter = -1;
};

const char* const kPortBox = "Invalid COM Port";
const NetworkFault kNetworkFaults[] = {
    {"nobody listens", -1, [](auto&, auto&) { return Local(portserver::FreePort()); },
     kTransferPortError, kPortBox, ": Connection refused"},
    {"accepted, then closed", -1,
     [](auto&, auto& server) { return Local(server.Port(), "rfc2217"); }, kTransferPortError,
     kPortBox, ": the connection was closed"},
    {"dropped mid-transfer", 12, [](auto& t, auto&) { return t.Raw(); }, kTransferPortError,
     kPortBox, ": the connection was closed"},
    {"not HOST:PORT", -1, [](auto&, auto&) { return wxString("tcp://127.0.0.1"); },
     kTransferPortError, kPortBox, ": not a port server's HOST:PORT"},
    {"never connected", -1, [](auto& t, auto&) { return t.Unanswered(); }, kTransferTimeout,
     "Timeout Error", ""},
    {"cancelled while connecting", -1, [](auto& t, auto&) { return t.Unanswered(); },
     kTransferCancelled, "Cancelled by User", nullptr, 3},
};

// Each ends as a radio that vanished, stayed silent or was cancelled does, with one box naming
// the port, in good time; the host not found may end either way, as the name service answers.
TEST_F(ThroughSer2net, ALostConnectionEndsAsAVanishedRadioNamingThePort) {
    for (const NetworkFault& fault : kNetworkFaults) {
        SCOPED_TRACE(fault.name);
        ServeBehindSer2net({false, 0, false, false, fault.dropAfter});
        HangingUpServer hangingUp;
        wxString port = fault.port(*this, hangingUp);
        dialogs.shown.clear();
        cancelAfter = fault.cancelAfter;
        Page page = Named(40);
        auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(UploadCommand(env, PlainWrite(), page, 0, port), fault.status);
        EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
                  8.0);
        ASSERT_EQ(dialogs.Messages().size(), 1u);
        wxString box = dialogs.Messages().back();
        EXPECT_TRUE(box.StartsWith(fault.box)) << box;
        EXPECT_EQ(box.Contains(port), fault.says != nullptr) << box;
        if (fault.says) {
            EXPECT_TRUE(box.EndsWith(port + fault.says)) << box;
        }
    }
    dialogs.shown.clear();
    cancelAfter = -1;
    Page page = Named(3);
    wxString unknown = "rfc2217://no-such-bench.invalid:3001";
    int status = UploadCommand(env, PlainWrite(), page, 0, unknown);
    EXPECT_TRUE(status == kTransferPortError || status == kTransferTimeout) << status;
    EXPECT_TRUE(dialogs.Messages().back().Contains(unknown)) << dialogs.Messages().back();
}

}  // namespace
