#include "model/radio_facts.h"

#include "model/catalogue.h"

namespace lumo {

namespace {
using Choices = std::array<BandChoiceFacts, kBandChoiceCount>;
constexpr int kByBand = kPageTypeOfBand;
constexpr int kOwnRow = kDefaultRowOfBand;

// The table keeps its hand-made layout.
// clang-format off
constexpr std::array<RadioFacts, kRadioCount> kRadios = {{
    // name, label, {band, rows}..., page type, module band, step, air-band step, default row,
    // transfer byte, digital, single channel, read key, short-layout memories
    {"VR-11", "VR-11", Choices{{{0, 122}}},
     kByBand, -1, 2500, 2500, kOwnRow, 2, false, true, nullptr, 0},
    {"VR-12", "VR-12", Choices{{{1, 122}}},
     kByBand, -1, 2500, 2500, kOwnRow, 2, false, true, nullptr, 0},
    {"VR-19", "VR-19", Choices{{{3, 6}}},
     kR19, -1, 8333, 8333, kOwnRow, 0, false, true, nullptr, 0},
    {"VR-13", "VR-13", Choices{{{5, 102}}},
     kByBand, -1, 2500, 2500, kOwnRow, 4, false, true, nullptr, 0},
    {"VR-13B", "VR-13B", Choices{{{5, 122}}},
     kByBand, -1, 2500, 2500, kOwnRow, 1, false, true, nullptr, 0},
    {"VR-14", "VR-14", Choices{{{7, 122}}},
     kByBand, -1, 2500, 2500, kOwnRow, 3, false, true, nullptr, 0},
    {"VRD-21", "VRD-21[A|B]", Choices{{{4, 232}}},
     kRP25, -1, 2500, 2500, kOwnRow, 0, true, false, nullptr, 0},
    {"VRD-21B", "VRD-21B-V2", Choices{{{4, 502}}},
     kEP25, -1, 1250, 1250, 9, 0, true, false, nullptr, 230},
    {"VRA-50", "VRA-50", Choices{{{3, 100}}},
     kDAMX, -1, 8333, 8333, 10, 0, false, false, nullptr, 0},
    {"VR-30", "VR-30", Choices{{{5, 202}, {7, 200}}},
     kByBand, -1, 2500, 2500, kOwnRow, 0, false, false, "ENTER", 0},
    {"VR-32", "VR-32", Choices{{{5, 200}, {6, 200}}},
     kByBand, -1, 2500, 2500, kOwnRow, 0, false, false, "ENTER", 0},
    {"VR-33", "VR-33", Choices{{{0, 200}, {5, 202}}},
     kByBand, -1, 2500, 2500, kOwnRow, 0, false, false, "ENTER", 0},
    {"VR-33_MNR", "VR-33MNR", Choices{{{0, 202}, {5, 200}}},
     kByBand, -1, 2500, 2500, kOwnRow, 0, false, false, "ENTER", 0},
    {"VR-35", "VR-35", Choices{{{0, 200}, {5, 200}, {7, 200}}},
     kByBand, -1, 2500, 2500, kOwnRow, 0, false, false, "ENTER", 0},
    {"VR-36", "VR-36", Choices{{{1, 200}, {5, 200}, {7, 200}}},
     kByBand, -1, 2500, 2500, kOwnRow, 0, false, false, "ENTER", 0},
    {"VR-37", "VR-37", Choices{{{1, 200}, {5, 202}}},
     kByBand, -1, 2500, 2500, kOwnRow, 0, false, false, "ENTER", 0},
    {"VRD-70", "VRD-70", Choices{{{0, 200}, {3, 200}, {5, 200}, {6, 200}, {7, 200}}},
     kByBand, -1, 2500, 8333, kOwnRow, 0, false, false, "HOME", 0},
    {"VRD-8xxx", "VRD-8xxx", Choices{{{0, 200}, {3, 200}, {5, 200}, {6, 200}, {7, 200}, {8, 500}}},
     kByBand, 8, 2500, 8333, kOwnRow, 0, false, false, nullptr, 0},
}};

// What a number outside the table gets: no band choices, the band decides the rest.
constexpr RadioFacts kNoRadio =
    {"", "", Choices{}, kByBand, -1, 2500, 2500, kOwnRow, 0, false, false, nullptr, 0};
// clang-format on

template <typename Field>
std::array<const char*, kRadioCount> Texts(Field field) {
    std::array<const char*, kRadioCount> texts{};
    for (int radio = 0; radio < kRadioCount; ++radio)
        texts[radio] = kRadios[radio].*field;
    return texts;
}
}  // namespace

const std::array<const char*, kRadioCount> RadioNames = Texts(&RadioFacts::name);
const std::array<const char*, kRadioCount> RadioChoiceLabels = Texts(&RadioFacts::choiceLabel);

const RadioFacts& RadioFactsOf(int radio) {
    return radio >= 0 && radio < kRadioCount ? kRadios[radio] : kNoRadio;
}

int BandChoiceCount(int radio) {
    int count = 0;
    for (const BandChoiceFacts& choice : RadioFactsOf(radio).bandChoices)
        if (choice.band >= 0) ++count;
    return count;
}

}  // namespace lumo
