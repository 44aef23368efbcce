#include "rules/frequency_rules.h"

#include "model/catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace lumo;

namespace {
// Every prefix of the text (after its MHz digits) must be accepted by the key filter.
::testing::AssertionResult TypesDigitByDigit(const wxString& text, const FrequencyRule& rule) {
    for (size_t n = 1; n <= text.length(); ++n) {
        wxString typed = text.Left(n - 1);
        if (!FrequencyKeyAccepted(typed, typed.length(), text[n - 1], rule))
            return ::testing::AssertionFailure() << "refused at " << text.Left(n);
    }
    return ::testing::AssertionSuccess();
}

// The first position at which the key filter refuses the text, or -1.
int FirstRefusal(const wxString& text, const FrequencyRule& rule) {
    for (size_t n = 1; n <= text.length(); ++n) {
        wxString typed = text.Left(n - 1);
        if (!FrequencyKeyAccepted(typed, typed.length(), text[n - 1], rule))
            return static_cast<int>(n - 1);
    }
    return -1;
}

// The raster of a step, generated from the step itself: the fraction texts of its channels
// in one MHz. 8.33 kHz channels are named by kHz: each 25 kHz block holds the names +0, +5,
// +10 and +15 kHz. Other steps are every multiple of the step, written in tens of hertz.
std::set<wxString> Raster(int step) {
    std::set<wxString> names;
    if (step == 8333) {
        for (long block = 0; block < 1000; block += 25)
            for (long offset : {0, 5, 10, 15})
                names.insert(wxString::Format("%03ld", block + offset));
    } else {
        for (long hz = 0; hz < 1000000; hz += step)
            names.insert(wxString::Format("%05ld", hz / 10));
    }
    return names;
}

// The length of the longest prefix of the fraction that some channel shares.
size_t ViablePrefix(const wxString& fraction, const std::set<wxString>& raster) {
    size_t best = 0;
    for (const wxString& name : raster) {
        size_t n = 0;
        while (n < fraction.length() && n < name.length() && fraction[n] == name[n])
            ++n;
        best = std::max(best, n);
    }
    return best;
}

struct StepCase {
    int step;
    int band;
    long mhz;
};
}  // namespace

class StepRaster : public ::testing::TestWithParam<StepCase> {};

// Every channel of the raster inside the band is accepted digit by digit; every other text
// is refused exactly at its first digit that no channel shares, and is off the raster.
TEST_P(StepRaster, AcceptsTheRasterAndRefusesTheRestAtTheFirstWrongDigit) {
    const StepCase c = GetParam();
    FrequencyRule rule{c.band, c.step};
    std::set<wxString> raster = Raster(c.step);
    int digits = raster.begin()->length();
    wxString whole = wxString::Format("%ld.", c.mhz);
    int accepted = 0;
    // f1 is never tested: two hundreds-of-kHz digits are enough to cover every rule.
    long span = 1;
    for (int i = 1; i < digits; ++i)
        span *= 10;
    for (long f1 : {0L, 7L}) {
        for (long rest = 0; rest < span; ++rest) {
            wxString fraction = wxString::Format("%ld", rest);
            while (static_cast<int>(fraction.length()) < digits - 1)
                fraction.Prepend("0");
            fraction.Prepend(wxString::Format("%ld", f1));
            wxString text = whole + fraction;
            ASSERT_EQ(IsOnChannelRaster(text, rule), raster.count(fraction) > 0) << text;
            if (raster.count(fraction)) {
                ASSERT_TRUE(TypesDigitByDigit(text, rule));
                ++accepted;
            } else {
                ASSERT_EQ(FirstRefusal(text, rule),
                          static_cast<int>(whole.length() + ViablePrefix(fraction, raster)))
                    << text;
            }
        }
    }
    EXPECT_EQ(accepted, static_cast<int>(raster.size()) / 5) << "two of ten 100 kHz spans";
}

INSTANTIATE_TEST_SUITE_P(Steps, StepRaster,
                         ::testing::Values(StepCase{25000, 5, 150}, StepCase{12500, 5, 150},
                                           StepCase{6250, 5, 150}, StepCase{2500, 5, 150},
                                           StepCase{1250, 4, 150}, StepCase{8333, 3, 121}),
                         [](const auto& info) { return "Step" + std::to_string(info.param.step); });

TEST(FrequencySteps, EightKilohertzNamingInItsWindowOnly) {
    FrequencyRule rule{3, 8333};
    EXPECT_TRUE(IsOkFreq("118.005", rule));
    EXPECT_FALSE(IsOkFreq("118.020", rule));
    EXPECT_EQ(FirstRefusal("118.020", rule), 6);
    EXPECT_FALSE(IsOkFreq("118.045", rule));
    EXPECT_FALSE(IsOkFreq("118.0050", rule));
    EXPECT_TRUE(IsOkFreq("138.000", rule));
    EXPECT_FALSE(IsOkFreq("138.005", rule));
    EXPECT_FALSE(IsOkFreq("117.990", rule));
    FrequencyRule module{2, 8333};  // 108-138: below 118 the 25 kHz rules apply
    EXPECT_TRUE(IsOkFreq("112.025", module));
    EXPECT_FALSE(IsOkFreq("112.005", module));
}

// On FM 136-174 at 2.5 kHz; a text without a point is not complete yet.
TEST(FrequencySteps, BandEdgesAndMalformedTexts) {
    FrequencyRule vhf{4, 2500};
    const std::pair<const char*, bool> cases[] = {
        {"174.0000", true}, {"174.0025", false}, {"174", true},
        {"175.", false},    {"135.", false},     {"150.0.", false},
        {".5", false},      {"1500.0", false},   {"150.000000", false}};
    for (const auto& [text, ok] : cases)
        EXPECT_EQ(IsOkFreq(text, vhf), ok) << text;
    EXPECT_TRUE(IsOkFreq("150.12345", FrequencyRule{4, 7000})) << "a step of no rule takes any";
}

// The end of an edit completes a text to its step's full length; a text off the band stays as it
// was, and a complete one is left alone.
TEST(FrequencyCompletion, CompletesToTheFullLengthOfTheStep) {
    struct Case {
        int band, step;
        const char* typed;
        const char* completed;
        bool accepted;
    };
    for (const Case& c :
         {Case{3, 8333, "121.5", "121.500", true}, Case{3, 8333, "121.52", "121.525", true},
          Case{3, 8333, "121.53", "121.530", true}, Case{3, 8333, "121", "121.000", true},
          Case{3, 8333, "121.525", "121.525", true}, Case{3, 8333, "140.000", "140.000", false},
          Case{5, 2500, "150.775", "150.7750", true}, Case{5, 2500, "150.7", "150.7000", true},
          Case{4, 1250, "150.001", "150.00125", true}, Case{4, 1250, "150.0012", "150.00125", true},
          Case{0, 2500, "30.5", "30.5000", true}, Case{1, 2500, "70", "70.0000", true},
          Case{5, 12500, "150.01", "150.0125", true}, Case{5, 6250, "150.01", "150.01250", true}}) {
        FrequencyRule rule{c.band, c.step};
        wxString text = c.typed;
        EXPECT_EQ(CompleteFrequency(rule, text, FullFrequencyLength(c.band, c.step)), c.accepted)
            << c.typed;
        EXPECT_EQ(text, c.completed) << c.typed;
    }
}

TEST(ReceiveOnly, FromOneHundredEightToOneHundredSeventeenNinetyFive) {
    for (const char* text : {"108.000", "117.950", "116.999"})
        EXPECT_TRUE(CheckRxOnlyFreq(text)) << text;
    for (const char* text : {"117.975", "118.000", "107.995"})
        EXPECT_FALSE(CheckRxOnlyFreq(text)) << text;
}

TEST(FrequencyCheck, CodesOfTheRowCheck) {
    const struct {
        const char* text;
        int band, code;
    } cases[] = {{"150", 5, -1},     {"150.0.0", 5, -2},  {"150.000000", 5, -3},
                 {"1500.0", 5, -3},  {".5", 5, -4},       {"150.0000  ", 5, 0},
                 {"174.0000", 5, 0}, {"174.0025", 5, -5}, {"50.5000", 4, -5},
                 {"n/a", 5, -1},     {"15a.000", 5, -5}};
    for (const auto& c : cases)
        EXPECT_EQ(CheckFrequencyText(c.text, c.band), c.code) << c.text;
}

TEST(FrequencyCheck, BandOfAFrequency) {
    EXPECT_EQ(BandOfFrequency("150.0000", kANFM), 5);
    EXPECT_EQ(BandOfFrequency("150.0000", kRP25), 4);
    EXPECT_EQ(BandOfFrequency("121.500", kANFM), 2);
    EXPECT_EQ(BandOfFrequency("50.0000", kANFM), 0);
    EXPECT_EQ(BandOfFrequency("50.0025", kANFM), -6);
    EXPECT_EQ(BandOfFrequency("910.0000", kMODX), 8);
    EXPECT_EQ(BandOfFrequency("", kANFM), -1);
}

TEST(FrequencyFilters, KeysAndPastes) {
    FrequencyRule rule{5, 2500};
    EXPECT_FALSE(FrequencyKeyAccepted("150", 3, 'a', rule));
    EXPECT_TRUE(FrequencyKeyAccepted("150", 3, 8, rule)) << "Backspace passes";
    EXPECT_TRUE(FrequencyKeyAccepted("150", 3, 127, rule)) << "Delete passes";
    EXPECT_TRUE(FrequencyKeyAccepted("50.0000", 0, '1', rule)) << "inserting at the front";
    EXPECT_FALSE(FrequencyKeyAccepted("150.0000", 0, '1', rule));
    EXPECT_TRUE(FrequencyPasteAccepted("", 0, "150.7750", rule));
    EXPECT_FALSE(FrequencyPasteAccepted("", 0, "150.7760", rule));
    EXPECT_FALSE(FrequencyPasteAccepted("", 0, "150,7750", rule));
    EXPECT_EQ(FrequencyValidationError("150.0"), "");
    EXPECT_EQ(FrequencyValidationError("15x"), "'15x' contains invalid character(s)");
}
