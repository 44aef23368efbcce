// The words the status bar gives for a refused key, paste or value.
#include "rules/frequency_rules.h"
#include "rules/text_rules.h"

#include <gtest/gtest.h>

using namespace lumo;

TEST(RefusalTexts, FrequenciesSayWhatIsWrongWithTheText) {
    const FrequencyRule vhf{4, 12500}, uhf{7, 25000};
    struct Case {
        FrequencyRule rule;
        const char* text;
        const char* reason;
    } cases[] = {
        {vhf, "250.125", "250.125: outside 136-174 MHz for this page"},
        {vhf, "174.1", "174.1: outside 136-174 MHz for this page"},
        {vhf, "13.", "13: outside 136-174 MHz for this page"},
        {vhf, "146.5x", "146.5x: a frequency holds only digits and a point"},
        {vhf, "146.5.", "146.5.: a frequency has one point"},
        {vhf, ".5", ".5: the MHz come before the point"},
        {vhf, "1460.5", "1460.5: more than three digits before the point"},
        {vhf, "146.123456", "146.123456: more than five digits after the point"},
        {vhf, "146.504", "146.504: not a channel of the 12.5 kHz step"},
        {uhf, "450.01", "450.01: not a channel of the 25 kHz step"},
        {vhf, "146.5125", ""},
        {vhf, "174.000", ""},
        {vhf, "146.51", ""},  // becomes 146.5125
    };
    for (const Case& c : cases)
        EXPECT_EQ(FrequencyRefusal(c.text, c.rule), c.reason) << c.text;
}

TEST(RefusalTexts, KeysAndPastesAreToldByTheTextTheyWouldMake) {
    const FrequencyRule vhf{4, 12500};
    EXPECT_EQ(FrequencyKeyRefusal("250", 3, '.', vhf), "250: outside 136-174 MHz for this page");
    EXPECT_EQ(FrequencyKeyRefusal("146", 3, '.', vhf), "");
    EXPECT_EQ(FrequencyPasteRefusal("", 0, "250.125", vhf),
              "250.125: outside 136-174 MHz for this page");
    EXPECT_EQ(HexRefusal("G"), "'G': only the hexadecimal digits 0-9 and A-F");
    EXPECT_EQ(HexRefusal("1aF"), "");
    EXPECT_EQ(DescriptionRefusal("#", DescriptionSet::Restricted),
              "'#': a name on this page holds only letters, digits, space and + - . / : ? _");
    EXPECT_EQ(DescriptionRefusal("#", DescriptionSet::P25), "");
}
