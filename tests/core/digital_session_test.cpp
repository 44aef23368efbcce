// Transfers with a digital radio: the session and its commands against the simulated radio.
#include "transfer/digital_session.h"
#include "commands/radio_write.h"
#include "support/page_fixtures.h"
#include "support/simulated_radio.h"
#include "transfer/transfer_status.h"
#include "transfer/trecord.h"

#include <gtest/gtest.h>
#include <wx/ffile.h>

using namespace lumo;
using namespace radiosim;

namespace {
constexpr int kVRD21 = 6;
constexpr int kVRD21B = 7;
constexpr int kVR12 = 1;
constexpr int kVR19 = 2;

class DigitalSessionTest : public SimulatedRadioTest {
  protected:
    // Send to radio and Get from radio, each ending with its one box.
    int Write(Page& page) { return UploadCommand(env, PlainWrite(), page, 0, Port()); }
    int Read(Page& page) { return DownloadCommand(env, page, 0, Port()); }
    size_t RadioMemories() { return Memory().size(); }
    // A P25 page with used rows 1 to `last` (at least 4), row 4 a shadow of row 3, and every
    // used row selected.
    Page PageToSend(int radio, int last = 6) {
        Page page = MakePage(radio);
        for (int row = 1; row <= last; ++row) {
            if (row == 4) continue;
            FillFromDefaults(page, row);
            page.grid.Set(row, DESC, wxString::Format("CHAN %d", row));
        }
        EXPECT_EQ(MakeShadow(page, 3, 4), 4);
        SelectUsedRows(page);
        return page;
    }
};
}  // namespace

TEST_F(DigitalSessionTest, APageWrittenAndReadBackIsThePage) {
    Serve();
    Page page = PageToSend(kVRD21B);
    EXPECT_EQ(Write(page), kTransferComplete);
    EXPECT_EQ(RadioMemories(), 8u);
    // Primaries go first, shadows in a second pass.
    std::vector<wxString> records;
    for (const wxString& line : Sent())
        if (line.StartsWith("T143")) records.push_back(line.Mid(4, 4));
    EXPECT_EQ(records, (std::vector<wxString>{"0001", "0002", "0003", "0005", "0006", "01F5",
                                              "01F6", "0004"}));
    // The radio's ID was never read in this run: it is purged before the rows are sent.
    EXPECT_TRUE(server->Digital()->Purged());
    EXPECT_NE(std::find(seen.texts.begin(), seen.texts.end(), "Sending Shadow Memory Data...."),
              seen.texts.end());
    // The gauge counts every record across both passes, and no pulse hides the count.
    EXPECT_EQ(seen.range, 8);
    EXPECT_EQ(seen.values, std::vector<int>({1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(seen.pulsesWhileCounting, 0);
    EXPECT_EQ(LastSent(), "T9030000FC");

    Page back = MakePage(kVRD21B);
    FillFromDefaults(back, 9);  // the read replaces the whole page
    EXPECT_EQ(Read(back), kTransferComplete);
    EXPECT_FALSE(back.IsRowUsed(9));
    EXPECT_EQ(back.grid.Get(2, DESC), "CHAN 2");
    EXPECT_EQ(titles.back(), "Read EP25 Memory Data Progress");
    // The columns come back as they went (the verify's round trip, radio_write_test).
    std::vector<wxString> boxes = {"Complete: 8 memories written.", "Complete: 8 memories read."};
    EXPECT_EQ(dialogs.Messages(), boxes);
    EXPECT_TRUE(PageIsConsistent(back));
    EXPECT_EQ(held.firmware, "020100");
    EXPECT_EQ(held.radioId.length(), 14u);
}

// A purge erases the radio: the radio then gets every used row of the page, or nothing at all.
TEST_F(DigitalSessionTest, APurgeWritesEveryUsedRowOrNothing) {
    struct Case {
        const char* name;
        bool readFirst;  // the radio is the one read last: no purge
        int lastSelected;
        DialogAnswer answer;
        int status;
        int records;
        bool asked;
    };
    const Case cases[] = {
        {"part selected, write all", false, 3, DialogAnswer::Yes, kTransferComplete, 42, true},
        {"part selected, stop", false, 3, DialogAnswer::No, kTransferCancelled, 0, true},
        {"all selected", false, 42, DialogAnswer::Yes, kTransferComplete, 42, false},
        {"same radio, no purge", true, 3, DialogAnswer::Yes, kTransferComplete, 3, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Serve();
        Page page = MakePage(kVRD21);
        for (int row = 1; row <= 40; ++row)
            FillFromDefaults(page, row);
        SelectUsedRows(page);
        ASSERT_EQ(Write(page), kTransferComplete);  // the radio holds the page
        FillFromDefaults(page, 41);
        page.grid.Set(41, TFLG, "00");  // not to be sent: it counts for nothing
        if (c.readFirst) {
            Page back = MakePage(kVRD21);
            ASSERT_EQ(Read(back), kTransferComplete);
        }
        page.grid.GetSelection().Clear();
        for (int row = 1; row <= std::min(c.lastSelected, 40); ++row)
            page.grid.GetSelection().AddRow(row);
        if (c.lastSelected > 40)  // and the guard memories: every memory to be sent
            for (int row : {page.FirstGuardRow(), page.SecondGuardRow()})
                page.grid.GetSelection().AddRow(row);
        dialogs.shown.clear();
        dialogs.answers.assign({c.answer});
        seen = RecordingProgress::Seen();
        size_t before = Sent().size();
        EXPECT_EQ(Write(page), c.status);
        EXPECT_EQ(dialogs.Showed("Erase Radio Memories"), c.asked);
        EXPECT_EQ(SentStartingWith("T143", before), c.records);
        EXPECT_EQ(RadioMemories(), 42u);
        // No shadows on the page: no shadow pass is announced.
        EXPECT_EQ(
            std::count(seen.texts.begin(), seen.texts.end(), "Sending Shadow Memory Data...."), 0);
    }
}

TEST_F(DigitalSessionTest, AnOlderRadioIsOfferedProtocolsUntilOneIsAccepted) {
    DigitalSettings settings;
    settings.protocol = 1;
    settings.firmware = "010200";
    settings.modes = 0x30;
    Serve(0, settings);
    Page page = PageToSend(kVRD21);
    dialogs.answers.push_back(DialogAnswer::Yes);  // wideband rows: send anyway
    page.grid.Set(1, MODE, "w");
    EXPECT_EQ(Write(page), kTransferComplete);
    std::vector<wxString> sent = Sent();
    ASSERT_GE(sent.size(), 3u);
    EXPECT_EQ(sent[0], WithChecksum(ProtocolHeader(0)));
    EXPECT_EQ(sent[1], WithChecksum(ProtocolHeader(1)));
    EXPECT_EQ(sent[2], WithChecksum(kReadModesRecord));
    EXPECT_EQ(page.operatingModes, 0x30);
    ASSERT_GE(dialogs.shown.size(), 2u);
    const ShownDialog& modes = dialogs.shown[dialogs.shown.size() - 2];
    ASSERT_EQ(modes.caption, "Radio Operating Modes");
    EXPECT_TRUE(modes.text.Contains("    Analog Wideband\n"));
    EXPECT_FALSE(modes.text.Contains("Narrowband"));
    EXPECT_EQ(RadioMemories(), 8u);
}

// The search for a protocol the radio takes ends after the last index a header can carry, or
// after 30 seconds when the radio is slow to refuse.
TEST_F(DigitalSessionTest, ARadioThatRefusesEveryProtocolEndsTheSearch) {
    SteadyClock realClock;
    Faults slow;
    slow.split = true;  // about 4 ms a refusal: 30 s (0.6 s on the fast clock) pass first
    struct Case {
        const char* name;
        const TransferClock* clock;
        Faults faults;
        bool everyIndex;
    };
    const Case cases[] = {{"every index", &realClock, {}, true}, {"time", &clock, slow, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DigitalSettings refusing;
        refusing.protocol = -1;
        Serve(0, refusing, c.faults);
        env.clock = c.clock;
        cancelAfter = 200000;  // a search without end would be cancelled here
        dialogs.shown.clear();
        Page page = PageToSend(kVRD21, 4);
        EXPECT_EQ(Write(page), kTransferRefused);
        long headers = SentStartingWith("T007");
        if (c.everyIndex) {
            EXPECT_EQ(headers, kLastProtocolIndex + 1);
            EXPECT_EQ(dialogs.Messages(),
                      std::vector<wxString>{"Radio rejected transfer protocols 0 to 223"});
        } else {
            EXPECT_GT(headers, 1);
            EXPECT_LT(headers, kLastProtocolIndex + 1);
        }
        EXPECT_EQ(LastSent(), "T9030000FC");
    }
}

TEST_F(DigitalSessionTest, DecliningTheOperatingModesQuestionSendsNoRow) {
    DigitalSettings settings;
    settings.modes = 0x10;  // P25 only: the analog rows would not transmit
    Serve(0, settings);
    Page page = PageToSend(kVRD21);
    dialogs.answers.push_back(DialogAnswer::No);
    EXPECT_EQ(Write(page), kTransferCancelled);
    EXPECT_EQ(RadioMemories(), 0u);
    EXPECT_EQ(LastSent(), "T9030000FC");
}

// A radio too old for the records a page needs is written nothing, and told why in one box.
TEST_F(DigitalSessionTest, ARadioTooOldForThePageIsWrittenNothing) {
    DigitalSettings old;
    old.protocol = 1;
    old.firmware = "010200";
    Serve(0, old);
    Page page = PageToSend(kVRD21B, 4);
    FillFromDefaults(page, 300);  // beyond what the older record can address
    page.grid.GetSelection().AddRow(300);
    EXPECT_EQ(Write(page), kTransferInvalidData);
    EXPECT_EQ(dialogs.Messages(),
              std::vector<wxString>{"Selected operation requires updated software in Radio"});
    EXPECT_EQ(dialogs.shown.back().caption, "Write to Radio Status");
    EXPECT_EQ(RadioMemories(), 0u);
}

TEST_F(DigitalSessionTest, TheTransferLogIsWrittenOnlyWhenItExists) {
    Serve();
    Page page = PageToSend(kVRD21, 5);
    ASSERT_EQ(Write(page), kTransferComplete);
    EXPECT_FALSE(wxFileExists(env.logPath));

    dir.Write("Lumo.log", "old contents\n");
    Page back = MakePage(kVRD21);
    ASSERT_EQ(Read(back), kTransferComplete);
    wxString log;
    ASSERT_TRUE(wxFFile(env.logPath).ReadAll(&log));
    EXPECT_FALSE(log.Contains("old contents"));
    EXPECT_TRUE(log.StartsWith("Initializing...\n>" + WithChecksum(ProtocolHeader(0))));
    EXPECT_TRUE(log.Contains("<T143"));
    EXPECT_TRUE(log.EndsWith("Transfer Complete.\n"));
    // The radio's hardware description went to its own file, named after its first line.
    wxString hardware;
    ASSERT_TRUE(wxFFile(dir.Path("Logs/LUMO-SIM.txt")).ReadAll(&hardware));
    EXPECT_TRUE(hardware.StartsWith("Date: "));
    EXPECT_TRUE(hardware.Contains("SERIAL 0001\n"));
}

TEST_F(DigitalSessionTest, AfterAReadTheSameRadioIsNotPurgedAndMarkedRowsAreErased) {
    Serve();
    Page page = MakePage(kVRD21);
    for (int row = 1; row <= 3; ++row)
        FillFromDefaults(page, row);
    SelectUsedRows(page);
    ASSERT_EQ(Write(page), kTransferComplete);
    ASSERT_EQ(RadioMemories(), 5u);
    Page back = MakePage(kVRD21);
    ASSERT_EQ(Read(back), kTransferComplete);
    ASSERT_TRUE(ParseHexFlags(back.grid.Get(2, TFLG)) & kTflgFromRadio);

    size_t before = Sent().size();
    back.grid.GetSelection().AddRow(2);  // selected: its action becomes "erase" (bits 0x03)
    back.grid.Set(2, TFLG, FormatHexFlags(ParseHexFlags(back.grid.Get(2, TFLG)) | 0x02));
    ASSERT_EQ(Write(back), kTransferComplete);
    EXPECT_EQ(SentStartingWith(WithChecksum(kPurgeRecord), before), 0);
    EXPECT_EQ(SentStartingWith(WithChecksum(encodeEraseRecord(2, 2)), before), 1);
    EXPECT_EQ(RadioMemories(), 4u);
}

TEST_F(DigitalSessionTest, CommandsCheckTheirPreconditions) {
    Page page = MakePage(kVRD21);
    FillFromDefaults(page, 1);
    RowTexts before = page.grid.GetRow(1);

    dialogs.answers.push_back(DialogAnswer::Cancel);
    EXPECT_EQ(DownloadCommand(env, page, 0, "/dev/null"), -1);
    EXPECT_EQ(page.grid.GetRow(1), before);

    EXPECT_EQ(DownloadCommand(env, page, 0, "none"), -1);
    EXPECT_EQ(dialogs.Messages().back(), "No Port selected!");
    EXPECT_EQ(page.grid.GetRow(1), before);

    EXPECT_EQ(UploadCommand(env, PlainWrite(), page, 0, "/dev/null"), -1);
    EXPECT_EQ(dialogs.Messages().back(), "No data selected!");

    Page vr19 = MakePage(kVR19);
    FillFromDefaults(vr19, 1);
    vr19.grid.GetSelection().AddRow(1);
    dialogs.shown.clear();
    EXPECT_EQ(UploadCommand(env, PlainWrite(), vr19, 0, "/dev/null"), kTransferUnsupported);
    EXPECT_EQ(dialogs.Messages(), std::vector<wxString>{"VR-19 is not currently supported!"});

    Page analog = MakePage(kVR12);
    FillFromDefaults(analog, 1);
    RowTexts analogRow = analog.grid.GetRow(1);
    // A read that fails (here: no port) leaves the page as it was.
    EXPECT_EQ(DownloadCommand(env, analog, 0, dir.Path("no-such-port")), kTransferPortError);
    EXPECT_EQ(analog.grid.GetRow(1), analogRow);
    EXPECT_EQ(dialogs.shown.back().caption, "Read from Radio Status");
    EXPECT_EQ(dialogs.shown.back().text, "Invalid COM Port (or Port in use)");
}

TEST_F(DigitalSessionTest, NothingSelectedIsReportedBeforeAnythingIsSent) {
    Serve();
    Page page = MakePage(kVRD21);
    FillFromDefaults(page, 1);
    page.grid.GetSelection().AddRow(5);  // a row without a memory
    EXPECT_EQ(Write(page), kTransferNothingSelected);
    EXPECT_EQ(dialogs.Messages(), std::vector<wxString>{"No data selected for transfer to Radio"});
    EXPECT_TRUE(Sent().empty());
}
