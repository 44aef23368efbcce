#include "model/catalogue.h"

#include <algorithm>

namespace lumo {

// The tables keep their hand-made layout.
// clang-format off

const std::array<const char*, kBandCount> BandNames = {
    "FM 30-50",   "FM 66-88",   "AM 108-138", "AM 118-138", "FM 136-174",
    "FM 138-174", "AM 225-400", "FM 403-512", "M6 3-BAND",
};

const std::array<const char*, kBandCount> BandDialogLabels = {
    "FM: 30-50 MHz",   "FM: 66-88 MHz",   "",
    "AM: 118-138 MHz", "",                "FM: 138-174 MHz",
    "AM: 225-400 MHz", "FM: 403-512 MHz", "M6: 3-BAND",
};

const std::array<const char*, kBandCount> BandDefaultFrequencies = {
    "30.0000",  "66.0000",  "118.0000", "118.0000", "136.0000",
    "138.0000", "225.0000", "403.0000", "31.0000",
};

// The last pair is 896-960 as the radios define it; it does not follow from the band's name.
const std::array<std::array<int, 2>, kBandCount> BandLimitsMHz = {{
    {30, 50},
    {66, 88},
    {108, 138},
    {118, 138},
    {136, 174},
    {138, 174},
    {225, 400},
    {403, 512},
    {896, 960},
}};

const std::array<const char*, kPageTypeCount> PageTypeCodes = {
    "ANFM", "RP25", "EP25", "MODX", "R19", "DAMX", "ANAM", "FMAM",
};

const std::array<const char*, 3> ModuleBands3 = {"FM 30-50", "AM 108-138", "AM 225-400"};

const std::array<const char*, 16> ZoneChoices16 = {
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16",
};
const std::array<const char*, 32> ZoneChoices32 = {
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16",
    "A", "C", "E", "F", "H", "I", "K", "L", "M", "N",  "P",  "T",  "U",  "V",  "W",  "X",
};


const std::array<const char*, 42> CtcssTones = {
    "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",
    "91.5",  "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8",
    "123.0", "127.3", "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "162.2",
    "167.9", "173.8", "179.9", "186.2", "192.8", "203.5", "210.7", "218.1", "225.7",
    "233.6", "241.8", "250.3", "206.5", "229.1", "254.8",
};

const std::array<const char*, 65> ToneChoices = {
    "OFF",   "67.0",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "162.2", "167.9", "173.8", "179.9",
    "186.2", "192.8", "203.5", "33.0",  "35.4",  "36.6",  "37.9",  "39.6",  "44.4",  "47.5",
    "49.2",  "51.2",  "53.0",  "54.9",  "56.8",  "58.8",  "63.0",  "69.3",  "150.0", "165.5",
    "171.3", "177.3", "183.5", "189.9", "196.6", "199.5", "206.5", "210.7", "218.1", "225.7",
    "229.1", "233.6", "241.8", "250.3", "OFF",
};

const std::array<const char*, 2> OffOr150Tones = {"OFF", "150.0"};

const std::array<const char*, 84> DcsCodes = {
    "OFF", "023", "025", "026", "031", "032", "043", "047", "051", "054", "065", "071",
    "072", "073", "074", "114", "115", "116", "125", "131", "132", "134", "143", "152",
    "155", "156", "162", "165", "172", "174", "205", "223", "226", "243", "244", "245",
    "251", "261", "263", "265", "271", "306", "311", "315", "331", "343", "346", "351",
    "364", "365", "371", "411", "412", "413", "423", "431", "432", "445", "464", "465",
    "466", "503", "506", "516", "532", "546", "565", "606", "612", "624", "627", "631",
    "632", "654", "662", "664", "703", "712", "723", "731", "732", "734", "743", "754",
};
// clang-format on

int GetPageType(int radio, int band) {
    const RadioFacts& facts = RadioFactsOf(radio);
    if (facts.pageType != kPageTypeOfBand) return facts.pageType;
    if (band == facts.moduleBand) return kMODX;
    return (band == 2 || band == 3 || band == 6) ? kANAM : kANFM;
}

int GetChannelStep(int radio, int band) {
    const RadioFacts& facts = RadioFactsOf(radio);
    return (band == 2 || band == 3) ? facts.airBandStep : facts.channelStep;
}

namespace {
template <size_t N>
int FindExact(const std::array<const char*, N>& table, const wxString& name) {
    for (size_t i = 0; i < N; ++i)
        if (name == table[i]) return static_cast<int>(i);
    return -1;
}

template <size_t N>
std::vector<wxString> ToStrings(const std::array<const char*, N>& table) {
    return std::vector<wxString>(table.begin(), table.end());
}

template <typename List>
wxString TextAt(const List& list, int index) {
    if (index < 0 || index >= static_cast<int>(list.size())) return wxString();
    return list[index];
}

int IndexOf(const std::vector<wxString>& list, const wxString& text) {
    auto it = std::find(list.begin(), list.end(), text);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

CatalogueLists& MutableLists() {
    static CatalogueLists lists;
    return lists;
}
}  // namespace

int FindRadioNumber(const wxString& name) {
    return FindExact(RadioNames, name);
}
int FindBandNumber(const wxString& name) {
    return FindExact(BandNames, name);
}
int FindPageTypeNumber(const wxString& code) {
    return FindExact(PageTypeCodes, code);
}

int FindBandChoice(int radio, int band) {
    const auto& choices = RadioFactsOf(radio).bandChoices;
    for (int choice = 0; choice < kBandChoiceCount; ++choice) {
        if (choices[choice].band == -1) return -1;
        if (choices[choice].band == band) return choice;
    }
    return -1;
}

bool IsP25Type(int pageType) {
    return pageType == kRP25 || pageType == kEP25;
}
bool HasGuardRowCount(int rowCount) {
    return rowCount % 10 == 2;
}

int BandOf(int radio, int bandChoice) {
    if (bandChoice < 0 || bandChoice >= kBandChoiceCount) return -1;
    return RadioFactsOf(radio).bandChoices[bandChoice].band;
}

int RowsOf(int radio, int bandChoice) {
    if (bandChoice < 0 || bandChoice >= kBandChoiceCount) return 0;
    return RadioFactsOf(radio).bandChoices[bandChoice].rows;
}

std::vector<wxString> BandChoiceLabels(int radio) {
    if (BandChoiceCount(radio) < 2) return {"Error Bad Band Config"};
    std::vector<wxString> labels;
    for (int choice = 0; choice < BandChoiceCount(radio); ++choice)
        labels.push_back(BandDialogLabels[BandOf(radio, choice)]);
    return labels;
}

const std::vector<wxString>& ZoneListForPageType(int pageType) {
    static const std::vector<wxString> zones16 = ToStrings(ZoneChoices16);
    static const std::vector<wxString> zones32 = ToStrings(ZoneChoices32);
    return pageType == kEP25 ? zones32 : zones16;
}

void InitCatalogueLists() {
    CatalogueLists& lists = MutableLists();
    lists.toneChoices = ToStrings(ToneChoices);
    lists.ctcss = ToStrings(CtcssTones);
    lists.offOr150 = ToStrings(OffOr150Tones);
    lists.dcs = ToStrings(DcsCodes);
}

const CatalogueLists& Lists() {
    return MutableLists();
}

wxString ToneChoiceText(int index) {
    return TextAt(Lists().toneChoices, index);
}
wxString CtcssText(int index) {
    return TextAt(Lists().ctcss, index);
}
wxString DcsText(int index, bool p25Page) {
    return TextAt(Lists().dcs, p25Page ? index + 1 : index);
}

wxString ZoneLabel(int index, int pageType) {
    const auto& zones = ZoneListForPageType(pageType);
    if (index < 0 || index >= static_cast<int>(zones.size())) return "None";
    return zones[index];
}

int ZoneIndex(const wxString& label, int pageType) {
    return IndexOf(ZoneListForPageType(pageType), label);
}

int ToneChoiceIndex(const wxString& text) {
    return IndexOf(Lists().toneChoices, text);
}
int CtcssIndex(const wxString& text) {
    return IndexOf(Lists().ctcss, text);
}

int DcsIndex(const wxString& text, bool p25Page) {
    int index = IndexOf(Lists().dcs, text);
    return (p25Page && index >= 0) ? index - 1 : index;
}

}  // namespace lumo
