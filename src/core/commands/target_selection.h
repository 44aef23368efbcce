// Choosing a page's radio and band, and changing the target of a page that keeps its data.
#pragma once

#include "edit/error_display.h"
#include "pages/page.h"

namespace lumo {

constexpr int kSelectOk = 0;
constexpr int kSelectCancelled = -10;

// Asks for radio and, for multi-band radios, band; on success sets the page's parameters.
// The radio dialog preselects the entry named like `currentRadioName`, ignoring case.
int UserSelectRadioAndBand(Dialogs& dialogs, Page& page, int pageNumber,
                           const wxString& currentRadioName);

// Asks, lets the user choose a new target and moves the page onto it, keeping its rows and
// moving its guard rows to the new guard rows. Returns the selection code; errors are shown.
int ChangePageTarget(Dialogs& dialogs, Page& page, int pageNumber);

}  // namespace lumo
