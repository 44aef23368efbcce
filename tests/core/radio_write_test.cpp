// Send to radio with its backup and verify, against the simulated radios on pseudo-terminals,
// and the rules by which a page and what came back from a radio or a file are compared.
#include "commands/radio_write.h"
#include "files/lumo_file.h"
#include "support/page_fixtures.h"
#include "support/simulated_radio.h"

#include <gtest/gtest.h>
#include <wx/filename.h>

#include <algorithm>

using namespace lumo;
using namespace radiosim;

namespace {
constexpr int kVR12 = 1;
constexpr int kVRD21 = 6;
constexpr int kVRD21B = 7;
constexpr int kVR35 = 13;
constexpr int kVRD70 = 16;
constexpr int kVRD8xxx = 17;

// Rows 1 to 5 of a page and its guard rows, all selected, with what a radio gives back in
// another form: blanks around a name, a receive-only channel, scan lists, guard rows without
// receive tones, a shadow on P25 pages.
Page FilledPage(int radio, int bandChoice, const char* name) {
    Page page = MakePage(radio, bandChoice);
    std::vector<int> rows = {1, 2, 3, 4, 5};
    if (page.HasGuardRows()) rows.insert(rows.end(), {page.FirstGuardRow(), page.SecondGuardRow()});
    for (int row : rows) {
        if (row == 4 && page.IsP25()) continue;
        FillFromDefaults(page, row);
        page.grid.Set(row, DESC, wxString::Format("%s %d", name, row));
        page.grid.GetSelection().AddRow(row);
    }
    page.grid.Set(2, DESC, wxString::Format(" %s", name));
    if (page.IsP25()) {
        EXPECT_EQ(MakeShadow(page, 3, 4), 4);
        page.grid.GetSelection().AddRow(4);
        return page;
    }
    SetCells(page, {{3, TFRQ, "n/a"}, {2, SCAN, "5"}});
    if (page.grid.Get(2, RTON) == "OFF") page.grid.Set(2, RTON, "100.0");
    if (page.HasGuardRows())
        for (int row : {page.FirstGuardRow(), page.SecondGuardRow()})
            for (int col : {RTON, RCOD})
                page.grid.Set(row, col, "n/a");
    return page;
}

class RadioWriteTest : public SimulatedRadioTest {
  protected:
    void SetUp() override {
        SimulatedRadioTest::SetUp();
        safety = SafetyOptionsOf({}, dir.Path("backups"));
    }
    int Send(Page& page, const SafetyOptions& options) {
        dialogs.shown.clear();
        return UploadCommand(env, options, page, 0, Port(), &result);
    }

    SafetyOptions safety;
    WriteResult result;
};
}  // namespace

// Two texts are one value when the trip between them writes it so; a data file keeps what a
// radio's records or lines would change.
TEST(RoundTripRules, TextsThatTheTripMakesOfOneValueAreTheSame) {
    struct Case {
        const char* name;
        int radio, column;
        const char* first;
        const char* second;
        Trip trip;
        bool same;
    };
    const Case cases[] = {
        {"number", kVRD21, MNUM, "007", "7", Trip::File, true},
        {"other number", kVRD21, PRIM, "007", "8", Trip::File, false},
        {"decimals", kVRD21, RFRQ, "150.0000", "150.000000", Trip::File, true},
        {"other frequency", kVRD21, RFRQ, "150.0000", "150.0125", Trip::File, false},
        {"tone off", kVR12, TTON, "64", "OFF", Trip::File, true},
        {"code off", kVR12, RCOD, "000", "OFF", Trip::File, true},
        {"hex", kVRD21, RTGP, "1a", "001A", Trip::File, true},
        {"flags", kVRD21, MFLG, "0", "00", Trip::File, true},
        {"scan flag in a record", kVRD21, MFLG, "18", "10", Trip::Radio, true},
        {"scan flag in a file", kVRD21, MFLG, "18", "10", Trip::File, false},
        {"name in a record", kVRD21, DESC, "CHANNEL 12", "CHANNEL", Trip::Radio, true},
        {"name in a file", kVRD21, DESC, "CHANNEL 12", "CHANNEL", Trip::File, false},
        {"scan lists", kVR12, SCAN, "05", "5", Trip::File, true},
        {"n/a on a line", kVR12, RTON, "n/a", "OFF", Trip::Radio, true},
        {"n/a in a file", kVR12, RTON, "n/a", "OFF", Trip::File, false},
    };
    for (const Case& c : cases) {
        Page first = MakePage(c.radio);
        FillFromDefaults(first, 1);
        Page second = first;
        first.grid.Set(1, c.column, c.first);
        second.grid.Set(1, c.column, c.second);
        EXPECT_EQ(CompareMemory(first, 1, second, 1, c.trip).empty(), c.same) << c.name;
    }
}

// What a radio gives back differs in form from the page (numbers, frequencies, tones, names,
// guard names): the verify passes all the same, for every kind of radio and record.
TEST_F(RadioWriteTest, EveryKindOfRadioIsBackedUpAndVerified) {
    struct Case {
        const char* name;
        int radio, bandChoice, simRows;
        const char* firmware;
    };
    const Case cases[] = {
        {"V2 records", kVRD21, 0, 0, "020100"}, {"V1 records", kVRD21, 0, 0, "010200"},
        {"502 rows", kVRD21B, 0, 0, "020100"},  {"single channel", kVR12, 0, 122, ""},
        {"key to read", kVR35, 0, 200, ""},     {"air band, key", kVRD70, 1, 200, ""},
        {"module", kVRD8xxx, 5, 500, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DigitalSettings settings;
        settings.firmware = c.firmware;
        Serve(c.simRows, settings);
        Page page = FilledPage(c.radio, c.bandChoice, "CH");
        dialogs.answers = {DialogAnswer::Yes};  // a key-press radio asks first
        ASSERT_EQ(Send(page, safety), kTransferComplete) << dialogs.shown.back().text;
        EXPECT_TRUE(result.verify.Passed()) << dialogs.shown.back().text;
        EXPECT_EQ(wxFileName(result.backupFile).GetPath(), dir.Path("backups"));
        bool asked = dialogs.shown.front().caption == "Back Up Radio";
        EXPECT_EQ(asked, RadioFactsOf(c.radio).readKey != nullptr);
    }
}

// The backup holds what the radio held before the write: sent back, it restores the radio's
// memory record for record.
TEST_F(RadioWriteTest, TheBackupRestoresTheRadioExactly) {
    Serve();
    Page old = FilledPage(kVRD21B, 0, "OLD");
    ASSERT_EQ(Send(old, PlainWrite()), kTransferComplete);
    std::map<int, std::string> before = Memory();
    Page page = FilledPage(kVRD21B, 0, "NEW");
    ASSERT_EQ(Send(page, safety), kTransferComplete);
    wxString box = "Complete: 7 memories written.\nVerified: 7 memories match\nBackup: ";
    EXPECT_EQ(dialogs.Messages().back(), box + result.backupFile);
    ASSERT_NE(Memory(), before);

    Page backup = MakePage(kVRD21);
    wxString error;
    ASSERT_EQ(OpenLumoFileAt(result.backupFile, backup, 0, &error), kFileOk) << error;
    for (int row = 1; row <= backup.Rows(); ++row)
        if (backup.IsRowUsed(row)) backup.grid.GetSelection().AddRow(row);
    ASSERT_EQ(Send(backup, PlainWrite()), kTransferComplete);
    EXPECT_EQ(Memory(), before);
}

// A radio that stores a memory wrongly: the write stands, the verify names the memory and the
// column, and marks the cell on the page.
TEST_F(RadioWriteTest, AVerifyNamesWhatTheRadioHoldsDifferently) {
    struct Case {
        const char* name;
        int radio, simRows, corrupted;
        const char* line;
        int row;
    };
    const Case cases[] = {
        {"digital", kVRD21, 0, 3, "memory 3 DESC: \"CH 3\" -> \"XH 3\"", 3},
        {"analog", kVR12, 122, 121, "memory 121 DESC: \"CH 121\" -> \"XH 121\"", 121},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DigitalSettings settings;
        settings.corruptedAddress = c.corrupted;
        Serve(c.simRows, settings);
        Page page = FilledPage(c.radio, 0, "CH");
        EXPECT_EQ(Send(page, safety), kTransferComplete);
        EXPECT_EQ(VerifyLines(result.verify), std::vector<wxString>({c.line}));
        wxString box = dialogs.Messages().back();
        EXPECT_TRUE(
            box.Contains(wxString("Verify: differences in 1 of 7 memories:\n    ") + c.line))
            << box;
        EXPECT_TRUE(box.Contains("Send the page again")) << box;
        for (int row = 1; row <= page.Rows(); ++row)
            for (int col = 0; col < kColumnCount; ++col)
                EXPECT_EQ(page.grid.Background(row, col) == kMarkColour,
                          row == c.row && col == DESC);
    }
}

// A backup that fails stops the write before anything is sent, unless the user writes anyway.
TEST_F(RadioWriteTest, AFailedBackupStopsTheWriteUnlessTheUserWritesWithoutOne) {
    struct Case {
        const char* name;
        Faults faults;
        DialogAnswer answer;
        int status;
        long records;
        const char* box;
    };
    Faults silent, garbled;
    silent.noReply = true;
    garbled.badChecksums = 2;
    const Case cases[] = {
        {"time-out", silent, DialogAnswer::No, kTransferTimeout, 0,
         "The radio could not be backed up: Timeout Error Verify Radio is in PC Download mode "
         "(3-8) and correct COM port is selected\nNothing was written to the radio."},
        {"bad records", garbled, DialogAnswer::No, kTransferChecksum, 0,
         "The radio could not be backed up: Checksum Error on channel -10\nNothing was written "
         "to the radio."},
        {"write anyway", garbled, DialogAnswer::Yes, kTransferComplete, 7,
         "Complete: 7 memories written.\nVerified: 7 memories match\nNo backup was taken."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Serve(0, {}, c.faults);
        Page page = FilledPage(kVRD21, 0, "CH");
        dialogs.answers = {c.answer};
        EXPECT_EQ(Send(page, safety), c.status);
        EXPECT_EQ(dialogs.shown.front().caption, "Backup Failed");
        EXPECT_EQ(dialogs.Messages(), std::vector<wxString>({c.box}));
        EXPECT_EQ(SentStartingWith("T143"), c.records);
        EXPECT_TRUE(result.backupFile.empty());
    }
}
