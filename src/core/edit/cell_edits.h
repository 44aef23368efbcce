// What happens when an editor stores a new value in a cell: the value's companions in the row
// follow it, and a repaired cell loses its highlight.
#pragma once

#include "pages/page.h"

namespace lumo {

// A frequency: RFRQ is copied to TFRQ unless receive-only; a receive-only TFRQ becomes "n/a";
// a P25 primary's shadows follow.
void ApplyFrequencyEdit(Page& page, int row, int col, const wxString& text);
// A choice (mode, tones, codes, squelch, scan, RONL): tone and code companions, squelch values
// following MODE, RSQL copied to TSQL.
void ApplyChoiceEdit(Page& page, int row, int col, const wxString& text);
// A row holds a tone or a code, not both: on pages other than P25 a receive tone turns both
// codes "OFF", a receive code both tones, a transmit tone the transmit code and a transmit code
// the transmit tone. A cell that holds "n/a" (its band has no tones or codes) stays so.
void ExcludeToneOrCode(Page& page, int row, int col);
// A talkgroup or NAC, normalised to its width; RTGP and RNAC are copied to TTGP and TNAC.
void ApplyHexEdit(Page& page, int row, int col, const wxString& text);
// A module band on a MODX page: a frequency outside the new band is emptied and the row's tone
// and code cells take the new band's values.
void ApplyModxBandEdit(Page& page, int row, const wxString& bandName);
// The squelch choices of a P25 row follow its MODE by themselves (see EditorFor); with
// setValues, RSQL and TSQL take the values the mode starts with.
void SetSquelchEditors(Page& page, int row, const wxString& mode, bool setValues = true);
// Stores a scan-list value; the cell draws and edits as a scan list on the pages that have them.
void SetScanCell(Page& page, int row, int col, const wxString& value);
// The tone and code cells of a row on a band where they do not apply hold "n/a" ("OFF" for the
// tones of an AM 225-400 module); their editors and locks follow the band (see EditorFor).
// Rows that hold nothing stay blank.
void SetToneCodeEditors(Page& page, int row, int band);
// The same for every row of a page whose band has such cells.
void SetPageToneCodeEditors(Page& page);
// The band of a row: the page's, or the module band named in a MODX row's BAND cell.
int RowBand(const Page& page, int row);

}  // namespace lumo
