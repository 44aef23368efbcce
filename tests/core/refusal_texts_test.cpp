// The words the status bar gives for a refused key, paste or value.
#include "rules/frequency_rules.h"
#include "rules/text_rules.h"

#include <gtest/gtest.h>

using namespace lumo;

TEST(RefusalTexts, SayWhatIsWrongWithTheText) {
    const FrequencyRule vhf{4, 12500};  // 136-174 MHz
    const std::pair<const char*, const char*> cases[] = {
        {"250.125", "250.125: outside 136-174 MHz for this page"},
        {"174.1", "174.1: outside 136-174 MHz for this page"},
        {"13.", "13: outside 136-174 MHz for this page"},
        {"146.5x", "146.5x: a frequency holds only digits and a point"},
        {"146.5.", "146.5.: a frequency has one point"},
        {"1460.5", "1460.5: more than three digits before the point"},
        {"146.504", "146.504: not a channel of the 12.5 kHz step"},
        {"146.51", ""},  // becomes 146.5125
        {"174.000", ""},
    };
    for (const auto& [text, reason] : cases)
        EXPECT_EQ(FrequencyRefusal(text, vhf), reason) << text;
    EXPECT_EQ(FrequencyKeyRefusal("250", 3, '.', vhf), "250: outside 136-174 MHz for this page");
    EXPECT_EQ(FrequencyKeyRefusal("146", 3, '.', vhf), "");
    EXPECT_EQ(HexRefusal("G"), "'G': only the hexadecimal digits 0-9 and A-F");
    EXPECT_EQ(HexRefusal("1aF"), "");
    EXPECT_EQ(DescriptionRefusal("#", DescriptionSet::Restricted),
              "'#': a name on this page holds only letters, digits, space and + - . / : ? _");
    EXPECT_EQ(DescriptionRefusal("#", DescriptionSet::P25), "");
}
