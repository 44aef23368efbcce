#include "model/memory_record.h"

#include <gtest/gtest.h>

using namespace lumo;

TEST(DefaultRows, RowIndexFollowsBandExceptWhereARadioHasItsOwnRow) {
    EXPECT_EQ(DefaultRowIndex(6, 4), 4);
    EXPECT_EQ(DefaultRowIndex(7, 4), 9);
    EXPECT_EQ(DefaultRowTexts(kDefaultRowCount)[DESC], "") << "no such row";
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
