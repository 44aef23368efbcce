// The fixed knowledge of the radio family: bands, page types and the small choice lists, and
// the lookups that join them with the radios' facts (model/radio_facts). Everything else
// addresses radios, bands and page types by number.
#pragma once

#include "model/radio_facts.h"

#include <wx/string.h>

#include <array>
#include <vector>

namespace lumo {

constexpr int kBandCount = 9;
constexpr int kPageTypeCount = 8;
constexpr int kZoneCount = 32;
constexpr int kZoneCapacity = 16;

enum PageType {
    kANFM = 0,
    kRP25 = 1,
    kEP25 = 2,
    kMODX = 3,
    kR19 = 4,
    kDAMX = 5,
    kANAM = 6,
    kFMAM = 7,
};

extern const std::array<const char*, kBandCount> BandNames;
extern const std::array<const char*, kBandCount> BandDialogLabels;  // "" for bands never offered
extern const std::array<const char*, kBandCount> BandDefaultFrequencies;
extern const std::array<std::array<int, 2>, kBandCount> BandLimitsMHz;
extern const std::array<const char*, kPageTypeCount> PageTypeCodes;

extern const std::array<const char*, 3> ModuleBands3;
extern const std::array<const char*, 16> ZoneChoices16;
extern const std::array<const char*, 32> ZoneChoices32;

extern const std::array<const char*, 42> CtcssTones;
extern const std::array<const char*, 65> ToneChoices;
extern const std::array<const char*, 2> OffOr150Tones;
extern const std::array<const char*, 84> DcsCodes;

int GetPageType(int radio, int band);
int GetChannelStep(int radio, int band);
int FindRadioNumber(const wxString& name);
int FindBandNumber(const wxString& name);
int FindPageTypeNumber(const wxString& code);
int FindBandChoice(int radio, int band);
bool IsP25Type(int pageType);
bool HasGuardRowCount(int rowCount);  // the row count ends in the digit 2

// Band and row count of a radio's band choice; -1 and 0 outside the table.
int BandOf(int radio, int bandChoice);
int RowsOf(int radio, int bandChoice);
// The labels offered for a radio's band choice, or the single "Error Bad Band Config".
std::vector<wxString> BandChoiceLabels(int radio);

// The zone labels a P25 page of this type uses: 32 on EP25 pages, 16 otherwise.
const std::vector<wxString>& ZoneListForPageType(int pageType);

// Run-time copies of the fixed lists, filled once while the main frame is built. The zone list
// is not among them: it depends on the page (see ZoneListForPageType), so switching between an
// RP25 and an EP25 page can never leave the wrong list installed.
struct CatalogueLists {
    std::vector<wxString> toneChoices;  // 65
    std::vector<wxString> ctcss;        // 42
    std::vector<wxString> offOr150;     // 2
    std::vector<wxString> dcs;          // 84
};
void InitCatalogueLists();
const CatalogueLists& Lists();

// Indexed reads with their fallbacks.
wxString ToneChoiceText(int index);                  // "" outside the list
wxString CtcssText(int index);                       // "" outside the list
wxString DcsText(int index, bool p25Page);           // P25 pages count from "023"
wxString ZoneLabel(int index, int pageType);         // "None" when not below the count
int ZoneIndex(const wxString& label, int pageType);  // -1 when not in the list
// Reverse lookups: index of an exact match, -1 when absent.
int ToneChoiceIndex(const wxString& text);
int CtcssIndex(const wxString& text);
int DcsIndex(const wxString& text, bool p25Page);

}  // namespace lumo
