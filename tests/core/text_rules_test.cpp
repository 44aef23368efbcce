#include "rules/text_rules.h"

#include <gtest/gtest.h>

using namespace lumo;

TEST(Descriptions, RowCheckCutsUpperCasesAndReplaces) {
    EXPECT_EQ(CheckDescriptionText("Tower #1", kANFM), "TOWER  1");
    EXPECT_EQ(CheckDescriptionText("Tower #1 and more", kRP25), "Tower #1");
    EXPECT_EQ(CheckDescriptionText("abc{def}", kRP25), "abc def ");
    EXPECT_EQ(CheckDescriptionText("a long description", kMODX), "a long de");
    EXPECT_EQ(CheckDescriptionText("Tower #1 and more", kDAMX), "Tower  1 and more");
    EXPECT_EQ(CheckDescriptionText("x", kANAM), "x");
}

TEST(Descriptions, EachSetTakesItsKeys) {
    EXPECT_TRUE(DescriptionKeyAccepted('#', DescriptionSet::Wide));
    EXPECT_TRUE(DescriptionKeyAccepted('#', DescriptionSet::P25));
    EXPECT_FALSE(DescriptionKeyAccepted('#', DescriptionSet::Restricted));
    EXPECT_FALSE(DescriptionKeyAccepted('{', DescriptionSet::P25));
    EXPECT_TRUE(DescriptionKeyAccepted('~', DescriptionSet::Wide));
    EXPECT_TRUE(DescriptionKeyAccepted(8, DescriptionSet::Restricted));
    EXPECT_FALSE(DescriptionPasteAccepted("OK#", DescriptionSet::Restricted));
    EXPECT_EQ(DescriptionValidationError("A#", DescriptionSet::Restricted),
              "'A#' contains invalid character(s)");
}

TEST(HexFields, TypedValuesArePaddedAndUpperCased) {
    EXPECT_EQ(NormaliseHexField("12345", 4), "2345");
    EXPECT_FALSE(HexKeyAccepted('g'));
    EXPECT_TRUE(HexKeyAccepted('F'));
    EXPECT_TRUE(HexKeyAccepted(127));
    EXPECT_FALSE(HexPasteAccepted("12G"));
    EXPECT_TRUE(HexFieldValid("293", 3));
    EXPECT_FALSE(HexFieldValid("12G", 3));
    EXPECT_FALSE(HexFieldValid("12", 3));
    EXPECT_EQ(HexValidationError("zz"), "'zz' contains invalid character(s)");
}

TEST(UnitIdAndSquelchValue, Limits) {
    EXPECT_EQ(CheckUnitId("", "00000001"), "0000001");
    EXPECT_EQ(CheckUnitId("9999999", "00000001"), "9999999");
    EXPECT_EQ(CheckUnitId("10000000", "00000001"), "00000001");
    EXPECT_TRUE(IsSquelchValueValid("15"));
    EXPECT_FALSE(IsSquelchValueValid("16"));
    EXPECT_FALSE(IsSquelchValueValid(""));
}

TEST(ScanLists, BoxesAndToggles) {
    EXPECT_EQ(ScanBoxes("0"), wxString(L"\u2610\u2610\u2610\u2610\u2610"));
    EXPECT_EQ(ScanBoxes("5"), wxString(L"\u2612\u2610\u2612\u2610\u2610"));
    EXPECT_EQ(ScanBoxes("32"), "");
    EXPECT_EQ(ScanBoxes(""), "");
    EXPECT_EQ(ToggleScanBit("0", ScanBitForKey('3')), "4");
    EXPECT_EQ(ToggleScanBit("4", ScanBitForKey('3')), "0");
    EXPECT_EQ(ScanBitForKey('6'), -1);
}
