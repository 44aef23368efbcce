// Zone slot bookkeeping of P25 pages: 32 counters per page, at most 16 memories to a zone.
// A row whose zone has been counted carries TFLG bit 0x08, so no path counts it twice.
// The guard rows always hold the radio's last zone ("16" on RP25, "X" on EP25), whatever a
// file, an import or a radio names; the other rows leave two places of that zone to them.
#pragma once

#include "pages/page.h"

namespace lumo {

bool TakeP25ZonePosition(Page& page, int zone);
bool ReleaseP25ZonePosition(Page& page, int zone);
// Releases the slot of the zone a row's label names; a label not in the list releases nothing.
bool ReleaseZoneOfLabel(Page& page, const wxString& label);
// Places a row in the zone a file or a radio names, counting it once: row 0 and shadows get
// the label without a slot; a zone that is unknown or full leaves the row without a zone and
// uncounted, for the next check to place. The row's other TFLG bits stay.
void ApplyZoneLabel(Page& page, int row, const wxString& label);
// Gives back the slot a counted row holds (none for shadows and uncounted rows) and marks the
// row uncounted. Returns true when a slot was released.
bool ReleaseRowZone(Page& page, int row);
// The first zone of the page's list with room, or -1 when every zone is full.
int FirstNonFullZone(const Page& page);
// The zone check of the row check: gives a used row a zone and counts it once.
void CheckZone(Page& page, int row);
// Counts every counted row of the page again from its zone label (after a change of target).
// A counted row whose label has no place on the page loses its count, so the next check
// places it.
void RecountZoneCounters(Page& page);
// The zones a row may be moved to by the zone editor: every zone with room (the row's own zone
// counts as having room for it), stopping before the 32nd zone when the row scans.
std::vector<wxString> ZoneEditChoices(const Page& page, int row);
// Moves a row to the chosen zone. The old slot is given back only once the new one is taken, so
// a full zone leaves the row and every counter as they were. Returns false then.
bool ApplyZoneEdit(Page& page, int row, const wxString& chosenLabel);
// True when the row is a shadow (MFLG slot bits set).
bool IsShadowRow(const Page& page, int row);

}  // namespace lumo
