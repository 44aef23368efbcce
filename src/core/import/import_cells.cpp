#include "import/import_cells.h"

#include "edit/row_check.h"
#include "transfer/trecord.h"

namespace lumo {

namespace {
// Digits with one point and at most six fraction digits: a text FrequencyHz reads exactly.
bool IsPlainFrequency(const wxString& text) {
    int points = 0, fraction = 0, digits = 0;
    for (wxUniChar c : text) {
        if (c == '.') {
            ++points;
        } else if (c >= '0' && c <= '9') {
            ++digits;
            if (points) ++fraction;
        } else {
            return false;
        }
    }
    return points == 1 && fraction <= 6 && digits - fraction >= 1 && digits - fraction <= 3;
}
}  // namespace

wxString ImportedFrequency(const Page& page, const wxString& text) {
    wxString trimmed = text.Strip(wxString::both);
    if (!IsPlainFrequency(trimmed)) return trimmed;
    long hz = FrequencyHz(trimmed);
    int step = GetChannelStep(page.params.radio, page.params.band);
    wxString formatted = FrequencyText(hz, page.params.band, step);
    return FrequencyHz(formatted) == hz ? formatted : trimmed;
}

void SetToneAndCode(Page& page, Dialogs& dialogs, int row, int toneCol, const wxString& tone,
                    int codeCol, const wxString& code, const wxString& squelch) {
    page.grid.Set(row, toneCol, tone);
    CheckColumn(page, dialogs, row, toneCol, squelch);
    page.grid.Set(row, codeCol, code);
    CheckColumn(page, dialogs, row, codeCol, squelch);
}

void MarkImportedRow(Page& page, int row) {
    if (page.grid.Get(row, TFLG).empty()) page.grid.Set(row, TFLG, kDefaultTflg);
}

}  // namespace lumo
