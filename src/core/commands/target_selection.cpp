#include "commands/target_selection.h"

#include "edit/row_values.h"
#include "edit/zones.h"
#include "util/diag_log.h"

namespace lumo {

namespace {
constexpr const char* kUnit = "LumoMain";

int PreselectedRadio(const wxString& currentRadioName) {
    for (int radio = 0; radio < kRadioCount; ++radio)
        if (currentRadioName.IsSameAs(RadioChoiceLabels[radio], false)) return radio;
    return -1;
}

void ClearGuardRows(Page& page, int firstGuard, bool p25Page) {
    for (int row : {firstGuard, firstGuard + 1}) {
        if (p25Page) ReleaseZoneOfLabel(page, page.grid.Get(row, ZONE));
        page.grid.ClearRowTexts(row);
    }
}
}  // namespace

int UserSelectRadioAndBand(Dialogs& dialogs, Page& page, int pageNumber,
                           const wxString& currentRadioName) {
    ChoiceRequest radioRequest{
        "<-- Select Target Radio -->", "Radio",
        std::vector<wxString>(RadioChoiceLabels.begin(), RadioChoiceLabels.end()),
        PreselectedRadio(currentRadioName)};
    std::optional<int> radio = dialogs.Choose(radioRequest);
    if (!radio) return kSelectCancelled;
    if (*radio < 0 || *radio >= kRadioCount) return kInvalidRadio;

    int bandChoice = 0;
    if (BandChoiceCount(*radio) > 1) {
        ChoiceRequest bandRequest{"<-- Select Frequency Band -->", "Band", BandChoiceLabels(*radio),
                                  -1};
        std::optional<int> band = dialogs.Choose(bandRequest);
        if (!band) return kSelectCancelled;
        bandChoice = *band;
        if (bandChoice < 0 || bandChoice >= kBandChoiceCount || BandOf(*radio, bandChoice) < 0)
            return kInvalidBand;
    }
    LUMO_LOG(kUnit, " . UserSelect - Radio: %s Band: %s", RadioChoiceLabels[*radio],
             BandNames[BandOf(*radio, bandChoice)]);
    SetPageParameters(page, pageNumber, *radio, bandChoice);
    return kSelectOk;
}

int ChangePageTarget(Dialogs& dialogs, Page& page, int pageNumber) {
    if (dialogs.Ask("If there is data on this page,\nthis may result in invalid configuration!",
                    "Change Target?", DialogButtons::OkCancel) == DialogAnswer::Cancel)
        return kSelectCancelled;

    int oldRadio = page.params.radio, oldChoice = page.params.bandChoice;
    bool hadGuards = page.HasGuardRows(), wasP25 = page.IsP25();
    int oldFirstGuard = page.FirstGuardRow();
    GuardRows guards = SaveGuardRows(page);

    int code = UserSelectRadioAndBand(dialogs, page, pageNumber, page.strings.radioName);
    if (code == kSelectCancelled) return code;
    if (code != kSelectOk) {
        DisplayError(dialogs, code);
        return code;
    }
    if (hadGuards) ClearGuardRows(page, oldFirstGuard, wasP25);
    if (page.params.radio != oldRadio || page.params.bandChoice != oldChoice) {
        RowAdjustment change = AdjustPageRows(page, oldRadio, oldChoice);
        LUMO_LOG(kUnit, " . %s %d Rows", change.word, change.count);
    }
    SetPageDefaults(page, pageNumber);
    RestoreGuardRows(page, guards);
    // The new target's zone list may differ and its counters start from zero: count the rows
    // again, so that every zone holds exactly the rows that name it.
    RecountZoneCounters(page);
    return kSelectOk;
}

}  // namespace lumo
