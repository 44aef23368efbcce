#include "transfer/trecord.h"
#include "rules/text_rules.h"
#include "support/page_fixtures.h"

#include <gtest/gtest.h>

#include <random>

using namespace lumo;

TEST(TRecordFrame, EraseRecordsOnlyForRowsTheProtocolKnows) {
    EXPECT_EQ(encodeEraseRecord(1, 1), "");
    EXPECT_EQ(encodeEraseRecord(5, 1), "T204000510");
    EXPECT_EQ(WithChecksum(encodeEraseRecord(5, 1)), "T204000510E6");
    EXPECT_EQ(encodeEraseRecord(231, 1), "");
    EXPECT_EQ(encodeEraseRecord(231, 2), "T204" + HexN(231, 4) + "10");
    EXPECT_EQ(encodeEraseRecord(501, 2), "");
}

TEST(TRecordFrame, RadioIdIsTheLocalTimeInSevenBytes) {
    wxDateTime when(5, wxDateTime::Dec, 2026, 21, 26, 6);
    EXPECT_EQ(SetIdRecord(when), "T20B00002120261205212606");
}

namespace {
// A used P25 row with generated values from the page's own domains.
void RandomRow(Page& page, int row, std::mt19937& random) {
    auto pick = [&](const std::vector<wxString>& list) { return list[random() % list.size()]; };
    FillFromDefaults(page, row);
    auto text = [&](const char* format, unsigned limit) {
        return wxString::Format(format, static_cast<unsigned>(random() % limit));
    };
    page.grid.Set(row, DESC, text("CH%u", 100000));
    SetCells(page, {{row, MODE, pick({"w", "n", "D"})}, {row, SCAN, pick({"Y", "N"})}});
    long khz = 136000 + static_cast<long>(random() % 38000);
    long eighth = static_cast<long>(random() % 8) * 125;
    long half = static_cast<long>(random() % 2) * 5;
    wxString freq = page.Type() == kEP25
                        ? wxString::Format("%ld.%02ld%03ld", khz / 1000, (khz % 1000) / 10, eighth)
                        : wxString::Format("%ld.%03ld%ld", khz / 1000, khz % 1000, half);
    SetCells(page, {{row, RFRQ, freq}, {row, TFRQ, freq}, {row, RSQL, pick({"x", "t", "c"})}});
    const std::vector<wxString> tones = ToneChoicesFor(true), codes = CodeChoicesFor(true);
    SetCells(page, {{row, TSQL, pick({"x", "t", "c", "-"})}, {row, RTON, pick(tones)}});
    SetCells(page, {{row, TTON, pick(tones)}, {row, RCOD, pick(codes)}, {row, TCOD, pick(codes)}});
    SetCells(page, {{row, RTGP, text("%04X", 0x10000)}, {row, TTGP, text("%04X", 0x10000)}});
    SetCells(page, {{row, RNAC, text("%03X", 0x1000)}, {row, TNAC, text("%03X", 0x1000)}});
    page.grid.Set(row, TIDC, text("%u", 10000000));
    if (page.Type() == kEP25) page.grid.Set(row, RNSV, text("%u", 16));
}

// The cells that travel unchanged in both versions.
const int kTravelling[] = {SCAN, DESC, MODE, RFRQ, TFRQ, RSQL, TSQL, RTON,
                           TTON, RCOD, TCOD, RTGP, TTGP, RNAC, TNAC};
}  // namespace

// Known asymmetries, as the protocol defines them: the shadow slots travel as zeros (the radio
// keeps its own), TFLG reads "C0", V1 writes MNUM and PRIM as "%03d" and V2 as "%d", V2
// writes TIDC with seven digits, and V1 carries a frequency as 8 characters, so the fifth
// fraction digit of a 1250 Hz channel is lost (such pages need V2).
TEST(TRecordRoundTrip, GeneratedRowsComeBackAsWritten) {
    for (int version : {1, 2}) {
        for (int radio : {6, 7}) {
            std::mt19937 random(version * 10 + radio);
            Page page = MakePage(radio);
            Page read = MakePage(radio);
            int lastRow = (radio == 7 && version == 1) ? 230 : page.LastMemoryRow();
            for (int n = 0; n < 200; ++n) {
                int row = 1 + static_cast<int>(random() % lastRow);
                RandomRow(page, row, random);
                wxString record = encodeTrecord(page, row, version);
                ASSERT_EQ(record.length(), 136u) << "T1, count, address and 64 bytes";
                ASSERT_TRUE(decodeTrecord(read, record, version));
                for (int col : kTravelling) {
                    wxString sent = page.grid.Get(row, col);
                    if (version == 1 && (col == RFRQ || col == TFRQ)) sent = sent.Left(8);
                    ASSERT_EQ(read.grid.Get(row, col), sent)
                        << "V" << version << " radio " << radio << " row " << row << " "
                        << ColumnKeys[col] << " record " << record;
                }
                EXPECT_EQ(read.grid.Get(row, ZONE), page.grid.Get(row, ZONE));
                EXPECT_EQ(read.grid.Get(row, TFLG), "C8") << "C0, counted in its zone";
                long number = 0;
                ASSERT_TRUE(ParseDecimal(read.grid.Get(row, MNUM), number));
                EXPECT_EQ(number, row);
                if (radio == 7) {
                    long nsv = 0;
                    ASSERT_TRUE(ParseDecimal(read.grid.Get(row, RNSV), nsv));
                    EXPECT_EQ(wxString::Format("%ld", nsv), page.grid.Get(row, RNSV));
                }
            }
            EXPECT_TRUE(ZoneCountersMatchRows(read));
        }
    }
}

// Records as the radios take them, byte for byte, and what they give back.
TEST(TRecordEncoding, KnownRecords) {
    Page rp25 = MakePage(6);
    FillFromDefaults(rp25, 3);
    SetCells(rp25, {{3, DESC, "DISPATCH"}, {3, RNAC, "ABC"}, {3, TCOD, "754"}});
    rp25.grid.Set(3, SCAN, "Y");  // MFLG bit 0x08 on the line
    Page ep25 = MakePage(7);
    FillFromDefaults(ep25, 5);
    ep25.grid.Set(5, DESC, "");           // eight blanks
    ep25.grid.Set(5, MFLG, "08");         // SCAN "N" clears the bit
    ep25.grid.Set(5, RNSV, "12");         // the top digit of the receive word
    ep25.grid.Set(5, RFRQ, "150.00125");  // the page's own format, as V2 reads it back
    SetCells(ep25, {{5, TFRQ, "174.00000"}, {501, PRIM, "501"}});
    struct Known {
        const Page& page;
        int row, version;
        const char* record;
    };
    const Known known[] = {
        {rp25, 3, 1,
         "T1430003080303004449535041544348206E3133362E303030305278000101000ABC3137342E303030305478"
         "00010153029300000001000000000000000A000000000000"},
        {rp25, 3, 2,
         "T143000300080003000300004449535041544348206E081B3200527801010ABC00010A5F07805478015302"
         "93000100000001000000000000000000000000000000000000"},
        // A high row travels as row 231, with the guard bit and the last zone.
        {ep25, 501, 1,
         "T14300E780E7E7F05648462020353031206E3133362E30303030527800010100029331373"
         "42E30303030547800010101029300000001000000000000000A000000000000"},
        {ep25, 5, 2,
         "T143000500000005000500002020202020202020206E08F0D66252780101C29300010A5F07805478010102"
         "93000100000001000000000000000000000000000000000000"},
    };
    for (const Known& k : known) {
        wxString record = encodeTrecord(k.page, k.row, k.version);
        EXPECT_EQ(record, k.record) << "V" << k.version << " row " << k.row;
        Page read = MakePage(k.page.params.radio);
        ASSERT_TRUE(decodeTrecord(read, record, k.version));
        EXPECT_EQ(DecimalOrZero(read.grid.Get(k.row, MNUM)), k.row);
        for (int col : kTravelling)
            EXPECT_EQ(read.grid.Get(k.row, col), k.page.grid.Get(k.row, col))
                << "V" << k.version << " row " << k.row << " " << ColumnKeys[col];
        EXPECT_EQ(read.grid.Get(k.row, ZONE), k.page.grid.Get(k.row, ZONE));
    }
}

TEST(TRecordEncoding, RowsOutsideV1AndUnknownZones) {
    Page page = MakePage(7);
    EXPECT_EQ(encodeTrecordV1(page, 300), "") << "V1 does not reach the middle rows";
    FillFromDefaults(page, 5);
    page.grid.Set(5, ZONE, "Q");
    EXPECT_EQ(encodeTrecordV1(page, 5).Mid(14, 2), "00");
    EXPECT_EQ(encodeTrecordV2(page, 5).Mid(20, 4), "0000");
    page.grid.Set(5, DESC, "A very long name");
    EXPECT_EQ(encodeTrecordV1(page, 5).Mid(16, 16), "412076657279206C") << "cut to 8";
}

namespace {
// A V1 record of the given bytes after the address, padded with zeros to 64 bytes.
wxString V1Record(int address, const wxString& firstBytes) {
    wxString data = firstBytes;
    while (data.length() < 128)
        data += "0";
    return "T143" + HexN(address, 4) + data;
}
}  // namespace

TEST(TRecordDecoding, ShortOrBrokenRecordsAreRefusedUntouched) {
    Page page = MakePage(6);
    RowTexts before = page.grid.GetRow(1);
    wxString good = encodeTrecordV1(page, 1);
    for (const wxString& bad : {good.Left(135), good.Left(20), wxString("T1"), wxString(),
                                good.Left(60) + "ZZ" + good.Mid(62), V1Record(233, "00"),
                                wxString("T143FFFF") + good.Mid(8)}) {
        EXPECT_FALSE(decodeTrecordV1(page, bad)) << bad;
        EXPECT_FALSE(decodeTrecordV2(page, bad)) << bad;
    }
    EXPECT_EQ(page.grid.GetRow(1), before);
}
