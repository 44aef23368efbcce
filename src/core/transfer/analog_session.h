// Transfers with the analog radios and the modular radio's M6 module: typed commands, one text
// line per channel, the radio's ENQ after each line written.
#pragma once

#include "pages/page.h"
#include "transfer/transfer_context.h"

#include <array>

namespace lumo {

// Mode kTransferWrite or kTransferRead; returns a TransferStatus.
int DoAnalogTransferData(TransferContext& context, Page& page, int mode);
// Types text a character at a time: 350 ms apart when slow, else 2 ms apart followed by a
// carriage return.
void SendSlow(TransferContext& context, const wxString& text, bool slow);
// The channel line of a row; 0 when built, non-zero when the row cannot be sent.
int BuildAnalogLine(const Page& page, int row, wxString& out);
// Places a received channel line in the row its number names; false when it names none. The
// row goes to `row`.
bool ReadAnalogLine(Page& page, const wxString& line, int* row = nullptr);
// "30.5" is sent as 030.5000.
wxString NormalisedAnalogFrequency(const wxString& text);

}  // namespace lumo
