#include "support/pty_pair.h"
#include "transfer/async_serial.h"
#include "transfer/wx_async_serial.h"

#include <gtest/gtest.h>

#include <sys/file.h>

using namespace lumo;

namespace {
class SerialLink : public testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(pty.Ok()); }
    void TearDown() override { link.Close(); }

    // Collects Read() until the text is complete or the time is up.
    wxString ReadUntil(size_t length) {
        wxString got;
        EventuallyTrue([&] {
            got += link.Read();
            return got.length() >= length;
        });
        return got;
    }

    PtyPair pty;
    wxAsyncSerial link;
};
}  // namespace

TEST_F(SerialLink, WritesLeaveInOrderEvenFromTwoThreads) {
    ASSERT_TRUE(link.Open(pty.WxPath(), 9600));
    auto writer = [&](char tag) {
        for (int i = 0; i < 200; ++i)
            link.Write(wxString::Format("%c%03d;", tag, i));
    };
    std::thread a(writer, 'a'), b(writer, 'b');
    a.join();
    b.join();
    std::string got = pty.ReceiveBytes(2 * 200 * 5);
    ASSERT_EQ(got.size(), 2000u);
    for (char tag : {'a', 'b'}) {
        int expected = 0;
        for (size_t pos = 0; pos + 5 <= got.size(); pos += 5) {
            if (got[pos] != tag) continue;
            ASSERT_EQ(std::stoi(got.substr(pos + 1, 3)), expected) << "chunks of one writer";
            ++expected;
        }
        EXPECT_EQ(expected, 200);
    }
}

TEST_F(SerialLink, HighBytesArriveAsLatinOneCharacters) {
    ASSERT_TRUE(link.Open(pty.WxPath(), 9600));
    std::string bytes;
    for (int b = 0x80; b <= 0xFF; ++b)
        bytes += static_cast<char>(b);
    pty.Send(bytes);
    wxString got = ReadUntil(bytes.size());
    ASSERT_EQ(got.length(), bytes.size());
    for (size_t i = 0; i < got.length(); ++i)
        EXPECT_EQ(got[i].GetValue(), 0x80 + i);
}

TEST_F(SerialLink, ReopenCloseAndDestroy) {
    ASSERT_TRUE(link.Open(pty.WxPath(), 9600));
    ASSERT_TRUE(link.Open(pty.WxPath(), 9600)) << "opening an open port reopens it";
    EXPECT_TRUE(link.IsOpen());
    link.SetBaudRate(115200);
    link.Close();
    EXPECT_FALSE(link.IsOpen());
    link.Close();  // closing a closed port does nothing
    ASSERT_TRUE(link.Open(pty.WxPath(), 9600));
    pty.Send("again\r");
    EXPECT_EQ(ReadUntil(6), "again\r");
    {
        PtyPair second;
        wxAsyncSerial open(second.WxPath(), 9600);
        EXPECT_TRUE(open.IsOpen());
    }  // destroyed while open: closes without throwing
}

TEST_F(SerialLink, MissingOrHeldPortsDoNotOpen) {
    EXPECT_FALSE(link.Open("/dev/lumo-no-such-port", 9600));
    EXPECT_FALSE(link.IsOpen());
    int holder = open(pty.Path().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(flock(holder, LOCK_EX | LOCK_NB), 0);
    EXPECT_FALSE(link.Open(pty.WxPath(), 9600));
    close(holder);
}

TEST(SerialClose, WhatWasWrittenJustBeforeClosingStillGoesOut) {
    PtyPair pty;
    std::string expected(20000, 'x');
    expected += "T9030000FC\r";
    std::string got;
    std::thread radio([&] { got = pty.ReceiveBytes(expected.size()); });
    {
        AsyncSerial port(pty.Path(), 9600);
        port.writeString(expected);
        EXPECT_NO_THROW(port.close()) << "a clean close reports no error";
        EXPECT_FALSE(port.errorStatus());
    }
    radio.join();
    ASSERT_EQ(got.size(), expected.size()) << "nothing queued before close() is dropped";
    EXPECT_EQ(got.substr(got.size() - 11), "T9030000FC\r");
}

TEST_F(SerialLink, AHangUpIsReportedAndTheLinkOpensAgain) {
    ASSERT_TRUE(link.Open(pty.WxPath(), 9600));
    EXPECT_FALSE(link.ErrorStatus());
    pty.CloseMaster();
    EXPECT_TRUE(EventuallyTrue([&] { return link.ErrorStatus() && !link.IsOpen(); }));
    link.Write("lost");  // dropped, never a crash
    link.SetBaudRate(115200);
    link.Close();
    PtyPair next;
    ASSERT_TRUE(link.Open(next.WxPath(), 9600));
    EXPECT_FALSE(link.ErrorStatus());
    link.Write("out\r");
    EXPECT_EQ(next.ReceiveBytes(4), "out\r");
    next.Send("in\r");
    EXPECT_EQ(ReadUntil(3), "in\r");
    EXPECT_TRUE(link.IsOpen());
    AsyncSerial raw;
    EXPECT_NO_THROW(raw.close());
}

// Each link has its own receive buffer and wake-up: two ports at once never mix their bytes.
TEST_F(SerialLink, TwoLinksOnTwoPortsKeepTheirBytesApart) {
    PtyPair otherPty;
    wxAsyncSerial other;
    ASSERT_TRUE(link.Open(pty.WxPath(), 9600));
    ASSERT_TRUE(other.Open(otherPty.WxPath(), 9600));
    pty.Send("first\r");
    EXPECT_FALSE(other.WaitForData(50)) << "bytes for the first link wake only the first";
    otherPty.Send("second\r");
    wxString got;
    EXPECT_TRUE(EventuallyTrue([&] {
        got += other.Read();
        return got.length() >= 7;
    }));
    EXPECT_EQ(got, "second\r");
    EXPECT_EQ(ReadUntil(6), "first\r");
    link.Write("to first");
    other.Write("to second");
    EXPECT_EQ(pty.ReceiveBytes(8), "to first");
    EXPECT_EQ(otherPty.ReceiveBytes(9), "to second");
}
