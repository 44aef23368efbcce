// What Lumo knows of each radio, one row of data per radio: its names, its band choices and
// their rows, the page type and channel step it asks for, its default row and how it talks to
// Lumo. Every other unit asks these by radio number, so adding a radio is adding a row.
#pragma once

#include <array>

namespace lumo {

constexpr int kRadioCount = 18;
constexpr int kBandChoiceCount = 6;
// A radio's page type that the band decides, and a default row that is the band's own.
constexpr int kPageTypeOfBand = -1;
constexpr int kDefaultRowOfBand = -1;

struct BandChoiceFacts {
    int band = -1;  // -1: the radio has no such choice, nor any after it
    int rows = 0;   // memory rows, guard rows included
};

struct RadioFacts {
    const char* name;                                           // in files and logs
    const char* choiceLabel;                                    // in the target-radio choice
    std::array<BandChoiceFacts, kBandChoiceCount> bandChoices;  // in the band choice's order
    int pageType;                                               // of every band, or kPageTypeOfBand
    int moduleBand;       // the band whose page holds plug-in modules (MODX); -1 when none
    int channelStep;      // Hz
    int airBandStep;      // Hz, on the AM air bands (108-138 and 118-138 MHz)
    int defaultRow;       // index into DefaultRows, or kDefaultRowOfBand
    int pibNumber;        // the analog transfer byte sent after "rt"; 0 when none
    bool digitalSession;  // speaks T-records; the others take typed channel lines
    bool singleChannel;   // a write carries the main channel and both guards
    const char* readKey;  // the key the user presses to start a read; nullptr when none
    // Memories before the guard rows in the smaller VRD-21 layout (V1 records, VRD-21 files),
    // for a radio whose own guard rows stand further down; 0 when the layouts agree.
    int shortLayoutMemories;
};

// The radio's row; a number outside the table gives a radio without band choices on which the
// band decides everything.
const RadioFacts& RadioFactsOf(int radio);
// How many band choices the radio offers (1 for the single-band radios).
int BandChoiceCount(int radio);

extern const std::array<const char*, kRadioCount> RadioNames;
extern const std::array<const char*, kRadioCount> RadioChoiceLabels;

}  // namespace lumo
