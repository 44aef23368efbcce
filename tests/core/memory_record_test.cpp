#include "model/memory_record.h"

#include <gtest/gtest.h>

using namespace lumo;

TEST(ColumnLayout, OnlyShownColumnsAreLabelled) {
    for (int type = 0; type < kPageTypeCount; ++type)
        for (int col = 0; col < kColumnCount; ++col)
            if (*ColumnHeaders[type][col] != '\0') {
                EXPECT_GT(ColumnWidths[type][col], 0)
                    << "a label on a hidden column: type " << type << " col " << col;
            }
}

TEST(ColumnLayout, FlagsAndShadowSlotsAreNeverShown) {
    for (int type = 0; type < kPageTypeCount; ++type)
        for (int col : {MFLG, PRIM, SHD0, SHD1, SHD2, SHD3, SHD4, SHD5, SHD6, TFLG})
            EXPECT_FALSE(IsColumnShown(type, col)) << "type " << type << " col " << col;
}

TEST(ColumnLayout, AnfmShowsItsTenColumnsInOrder) {
    std::vector<wxString> shown;
    for (int col = 0; col < kColumnCount; ++col)
        if (IsColumnShown(kANFM, col)) shown.push_back(ColumnHeaders[kANFM][col]);
    std::vector<wxString> expected = {"Chan", "Scan", "Desc",   "Mode", "RxFreq",
                                      "RxTn", "RxCd", "TxFreq", "TxTn", "TxCd"};
    EXPECT_EQ(shown, expected);
}

TEST(ColumnLayout, R19ShowsAnUnlabelledWideLastColumn) {
    EXPECT_EQ(ColumnWidths[kR19][RONL], 500);
    EXPECT_STREQ(ColumnHeaders[kR19][RONL], "");
    EXPECT_STREQ(ColumnHeaders[kR19][RFRQ], "Freq");
    EXPECT_EQ(ColumnWidths[kDAMX][RONL], 60);
}

TEST(DefaultRows, RowIndexFollowsBandExceptTwoRadios) {
    EXPECT_EQ(DefaultRowIndex(7, 4), 9);
    EXPECT_EQ(DefaultRowIndex(8, 3), 10);
    EXPECT_EQ(DefaultRowIndex(6, 4), 4);
    EXPECT_EQ(DefaultRowIndex(17, 8), 8);
    EXPECT_EQ(DefaultRowIndex(1, 1), 1);
}

TEST(DefaultRows, KeepTheirExactTexts) {
    RowTexts low = DefaultRowTexts(0);
    EXPECT_EQ(low[DESC], "LOW    30");
    EXPECT_EQ(low[MNUM], "0");
    EXPECT_EQ(low[TFLG], "A0");
    RowTexts p25 = DefaultRowTexts(4);
    EXPECT_EQ(p25[DESC], "VHF  136");
    EXPECT_EQ(p25[TIDC], "00000001");
    EXPECT_EQ(p25[RNSV], "");
    RowTexts ep25 = DefaultRowTexts(9);
    EXPECT_EQ(ep25[RNSV], "10");
    RowTexts vra = DefaultRowTexts(10);
    EXPECT_EQ(vra[DESC], "VHFAM118");
    EXPECT_EQ(vra[RONL], "N");
    EXPECT_EQ(vra[SCAN], "N");
    EXPECT_EQ(DefaultRowTexts(3)[RFRQ], "118.000");
    EXPECT_EQ(DefaultRowTexts(5)[DESC], "VHF   138");
}

TEST(DefaultRows, EP25RowIsTheRP25RowPlusItsSquelchValue) {
    for (int col = 0; col < kColumnCount; ++col) {
        if (col == RNSV) continue;
        EXPECT_STREQ(DefaultRows[9][col], DefaultRows[4][col]) << ColumnKeys[col];
    }
}

TEST(DefaultRows, EveryBandRowNamesItsBandAndEndsWithTheTransferFlags) {
    for (int band = 0; band < kBandCount; ++band) {
        if (band == 8) continue;  // the module page defaults to its first module band
        EXPECT_STREQ(DefaultRows[band][BAND], BandNames[band]);
    }
    for (int row = 0; row < kDefaultRowCount; ++row)
        EXPECT_STREQ(DefaultRows[row][TFLG], "A0");
}

TEST(DefaultRows, FrequenciesHaveTheirBandsLength) {
    for (int row : {2, 3, 10}) {
        EXPECT_EQ(wxString(DefaultRows[row][RFRQ]).AfterFirst('.').length(), 3u);
        EXPECT_EQ(wxString(DefaultRows[row][TFRQ]).AfterFirst('.').length(), 3u);
    }
    for (int row : {0, 1, 4, 5, 6, 7, 8, 9})
        EXPECT_EQ(wxString(DefaultRows[row][RFRQ]).AfterFirst('.').length(), 4u);
}

TEST(Flags, HexTextsReadAndWriteAsTwoDigits) {
    EXPECT_EQ(ParseHexFlags("A0"), 0xA0u);
    EXPECT_EQ(ParseHexFlags("a8"), 0xA8u);
    EXPECT_EQ(ParseHexFlags(""), 0u);
    EXPECT_EQ(ParseHexFlags("zz"), 0u);
    EXPECT_EQ(FormatHexFlags(0x08), "08");
    EXPECT_EQ(FormatHexFlags(0x1A8), "1A8");
    long value = 0;
    EXPECT_TRUE(ParseDecimal(" 007", value));
    EXPECT_EQ(value, 7);
    EXPECT_FALSE(ParseDecimal("", value));
    EXPECT_FALSE(ParseDecimal("12a", value));
    EXPECT_TRUE(ParseDecimal("-12 ", value) && value == -12);
    EXPECT_FALSE(ParseDecimal("+-1", value));
    EXPECT_FALSE(ParseDecimal("99999999999999999999", value)) << "too large for a long";
    EXPECT_TRUE(ParseHex("T1a2F", 2, 2, value) && value == 0xA2);
    EXPECT_FALSE(ParseHex("T1-2", 2, 2, value)) << "no sign in a record";
    EXPECT_FALSE(ParseHex("T1A", 2, 2, value));
}
