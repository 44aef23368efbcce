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

TEST(DefaultRows, RowIndexFollowsBandExceptWhereARadioHasItsOwnRow) {
    EXPECT_EQ(DefaultRowIndex(6, 4), 4);
    EXPECT_EQ(DefaultRowIndex(7, 4), 9);
    EXPECT_EQ(DefaultRowTexts(kDefaultRowCount)[DESC], "") << "no such row";
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
