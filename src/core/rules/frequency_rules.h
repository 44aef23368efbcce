// Frequency texts: decimal MHz with one to three MHz digits, a point and up to five fraction
// digits. The rules below decide what may be typed for a band and channel step, how a typed
// frequency is completed, and what the row check accepts.
#pragma once

#include <wx/string.h>

namespace lumo {

// A rule set for one band and channel step (hertz). Steps other than 8333, 1250, 2500, 6250,
// 12500 and 25000 pass every step test.
struct FrequencyRule {
    int band = 0;
    int step = 25000;
};

// The digits that complete a frequency, three rows of ten indexed by the previous digit.
extern const char* const FrequencyCompletionDigits;

// The length of a complete frequency in an editor: 7 on bands 0 and 1 and with the 8.33 kHz
// step, 9 with the 1250 Hz step, 8 otherwise.
int FullFrequencyLength(int band, int step);

// True when the text is, or can become by further typing, a frequency of the band and step.
bool IsOkFreq(const wxString& text, const FrequencyRule& rule);
// True when a complete frequency (the digits it leaves out are zeros) is a channel of the band
// and step.
bool IsOnChannelRaster(const wxString& text, const FrequencyRule& rule);
// Completes an acceptable text to its full length; false (text unchanged) when it is not.
bool CompleteFrequency(const FrequencyRule& rule, wxString& text, int fullLength);
// Receive-only frequencies: 108.000 to 117.950 MHz.
bool CheckRxOnlyFreq(const wxString& text);
// The row check: 0, or -1 no point, -2 second point, -3 too long, -4 no MHz, -5 not in band.
int CheckFrequencyText(const wxString& text, int band);
bool IsInBand(long mhz, long fraction, int band);
// The first band (ascending) that holds the frequency; band 4 counts as 5 except on P25 pages.
// -1 to -4 as CheckFrequencyText, -6 when no band holds it.
int BandOfFrequency(const wxString& text, int pageType);

// Key and paste decisions of the frequency editor: control characters and Delete pass;
// digits and the point pass when the result can still become a frequency.
bool FrequencyKeyAccepted(const wxString& text, long insertionPoint, wxChar key,
                          const FrequencyRule& rule);
bool FrequencyPasteAccepted(const wxString& text, long insertionPoint, const wxString& pasted,
                            const FrequencyRule& rule);
// Why a frequency text cannot be, or become by further typing, a frequency of the band and
// step, in words for the status bar ("250.125: outside 136-174 MHz for this page"); empty when
// it can. A key or paste the editor refuses is told by the text it would have made.
wxString FrequencyRefusal(const wxString& text, const FrequencyRule& rule);
wxString FrequencyKeyRefusal(const wxString& text, long insertionPoint, wxChar key,
                             const FrequencyRule& rule);
wxString FrequencyPasteRefusal(const wxString& text, long insertionPoint, const wxString& pasted,
                               const FrequencyRule& rule);
// The validator's answer: "'%s' contains invalid character(s)" or "".
wxString FrequencyValidationError(const wxString& text);

// Hz of a frequency text, and the text in the format of a channel step for a value in Hz.
long FrequencyHz(const wxString& text);
wxString FrequencyText(long hz, int step);
// A frequency text in the format of a page's channel step (as the frequency editor completes
// it) when it can be written so without changing its value; otherwise the text as it is, for
// the row check to judge. For frequencies from files and radios.
wxString PageFrequencyText(const wxString& text, int step);

}  // namespace lumo
