#include "model/catalogue.h"

#include <gtest/gtest.h>

using namespace lumo;

TEST(CatalogueLookup, FindBandChoiceStopsAtTheFirstUnusedEntry) {
    // {radio, band, choice}: radio 9 starts with band 5, and its third entry is -1.
    const int cases[][3] = {{17, 8, 5},  {9, 0, -1},  {9, 7, 1},
                            {16, 8, -1}, {-1, 0, -1}, {18, 0, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(FindBandChoice(c[0], c[1]), c[2]) << c[0] << " " << c[1];
}

TEST(CatalogueLookup, NameSearchesAreExactAndCaseSensitive) {
    EXPECT_EQ(FindRadioNumber("VRD-21B"), 7);
    EXPECT_EQ(FindRadioNumber("vrd-21b"), -1);
    EXPECT_EQ(FindRadioNumber("VRD-21B-V2"), -1);  // a choice label, not a name
    EXPECT_EQ(FindRadioNumber("VR-33_MNR"), 12);
    EXPECT_EQ(FindBandNumber("M6 3-BAND"), 8);
    EXPECT_EQ(FindBandNumber("FM 138-174 "), -1);
    EXPECT_EQ(FindPageTypeNumber("FMAM"), 7);
    EXPECT_EQ(FindPageTypeNumber(""), -1);
}

TEST(CatalogueLookup, GuardRowsFollowTheLastDigitOfTheRowCount) {
    EXPECT_TRUE(HasGuardRowCount(102));
    EXPECT_TRUE(HasGuardRowCount(502));
    EXPECT_FALSE(HasGuardRowCount(200));
    EXPECT_FALSE(HasGuardRowCount(500));
}

TEST(CatalogueLists, IndexedReadsHaveTheirFallbacks) {
    EXPECT_EQ(ZoneLabel(16, kRP25), "None");
    EXPECT_EQ(ZoneLabel(16, kEP25), "A");
    EXPECT_EQ(ZoneLabel(31, kEP25), "X");
    EXPECT_EQ(ZoneLabel(32, kEP25), "None");
    EXPECT_EQ(ToneChoiceText(65), "");
    EXPECT_EQ(ToneChoiceText(-1), "");
    EXPECT_EQ(ToneChoiceText(64), "OFF");
    EXPECT_EQ(CtcssText(41), "254.8");
    EXPECT_EQ(CtcssText(42), "");
}

TEST(CatalogueLists, DcsIndexOnP25PagesCountsFromTheFirstCode) {
    EXPECT_EQ(DcsText(0, false), "OFF");
    EXPECT_EQ(DcsText(0, true), "023");
    EXPECT_EQ(DcsText(82, true), "754");
    EXPECT_EQ(DcsText(83, true), "");
    EXPECT_EQ(DcsIndex("023", true), 0);
    EXPECT_EQ(DcsIndex("023", false), 1);
    EXPECT_EQ(DcsIndex("OFF", true), -1);
    EXPECT_EQ(DcsIndex("999", true), -1);
    EXPECT_EQ(DcsIndex("999", false), -1);
}

TEST(CatalogueLists, ReverseLookupsFindTheFirstExactMatch) {
    EXPECT_EQ(ToneChoiceIndex("OFF"), 0);  // first of the two
    EXPECT_EQ(ToneChoiceIndex("100.0"), 12);
    EXPECT_EQ(ToneChoiceIndex("100"), -1);
    EXPECT_EQ(CtcssIndex("67.0"), 0);
    EXPECT_EQ(CtcssIndex("OFF"), -1);
}

// A row keeps its zone when its page changes between the two P25 types, within the first 16.
TEST(CatalogueTables, ZoneListsShareTheirFirstSixteenLabels) {
    for (int zone = 0; zone < 16; ++zone)
        EXPECT_EQ(ZoneIndex(ZoneLabel(zone, kEP25), kRP25), zone);
    EXPECT_EQ(ZoneIndex("X", kEP25), 31);
    EXPECT_EQ(ZoneIndex("X", kRP25), -1);
}
