#include "transfer/analog_session.h"

#include "edit/row_check.h"
#include "rules/frequency_rules.h"
#include "rules/text_rules.h"
#include "transfer/digital_session.h"
#include "transfer/transfer_status.h"
#include "transfer/transfer_wait.h"
#include "transfer/trecord.h"
#include "util/diag_log.h"

namespace lumo {

namespace {
constexpr const char* kUnit = "LumoSerial";
constexpr wxChar kEnq = 0x05;
constexpr int kSlowKeyMs = 350;
constexpr int kFastKeyMs = 2;
constexpr int kRowReplyMs = 5000;
constexpr int kFirstEnqMs = 50;
// The radio information this build assumes for every analog radio.
constexpr int kRadioInfoRows = 200;

// Positions in the analog tone and code lists, as the line carries them.
wxString ToneField(const wxString& tone) {
    // "OFF" is entry 0 of the tone list: two digits like every other tone, so the fields after
    // it keep their places.
    if (tone == "OFF" || tone == "n/a") return "00";
    std::vector<wxString> tones = ToneChoicesFor(false);
    auto at = std::find(tones.begin(), tones.end(), tone);
    return wxString::Format("%02d", at == tones.end() ? 0 : static_cast<int>(at - tones.begin()));
}

wxString CodeField(const wxString& code) {
    return (code == "OFF" || code == "n/a") ? wxString("000") : code;
}

wxString ScanField(const wxString& scan) {
    long mask = DecimalOrZero(scan);
    if (mask == 0) return "LOCK ";
    wxString field;
    for (int list = 0; list < 5; ++list)
        field += (mask & (1L << list)) ? wxChar('1' + list) : wxChar('_');
    return field;
}

wxString ModeLetter(const wxString& mode) {
    if (mode == "n" || mode == "n/a" || mode.empty()) return "N";
    if (mode == "w") return "W";
    return mode;
}

// The memory number a line or cell names: guard names stand for the guard memories.
long MemoryNumber(const Page& page, const wxString& text) {
    if (text == "GD1") return page.Rows() - 1;
    if (text == "GD2") return page.Rows();
    return DecimalOrZero(text);
}
}  // namespace

wxString NormalisedAnalogFrequency(const wxString& text) {
    wxString whole = text.BeforeFirst('.');
    wxString fraction = text.Contains(".") ? text.AfterFirst('.') : wxString();
    while (whole.length() < 3)
        whole.Prepend("0");
    while (fraction.length() < 4)
        fraction += "0";
    return whole + "." + fraction;
}

int BuildAnalogLine(const Page& page, int row, wxString& out) {
    const CellStore& g = page.grid;
    long number = MemoryNumber(page, g.Get(row, MNUM).Strip(wxString::both));
    if (number < 1 || number > page.Rows()) return 1;
    wxString description = g.Get(row, DESC).Strip(wxString::both);
    description.Pad(9);
    wxString receive = g.Get(row, RFRQ).Strip(wxString::both);
    wxString transmit = g.Get(row, TFRQ).Strip(wxString::both);
    if (!transmit.Contains(".")) transmit = receive;  // receive-only: "n/a"
    out << wxString::Format("%03ld ", number) << description.Left(9) << " "
        << NormalisedAnalogFrequency(receive) << "RX " << NormalisedAnalogFrequency(transmit)
        << "TX CTCSS: " << ToneField(g.Get(row, RTON)) << "RX " << ToneField(g.Get(row, TTON))
        << "TX DPL: " << CodeField(g.Get(row, RCOD)) << "RX " << CodeField(g.Get(row, TCOD))
        << "TX " << ScanField(g.Get(row, SCAN)) << ModeLetter(g.Get(row, MODE));
    return 0;
}

namespace {
wxString FrequencyAt(const Page& page, const wxString& line, size_t pos) {
    wxString text = line.Mid(pos, 8).Strip(wxString::both);
    if (text.StartsWith("0")) text = line.Mid(pos + 1, 7).Strip(wxString::both);
    return PageFrequencyText(text, page.ChannelStep());
}

wxString ToneAt(const wxString& line, size_t pos) {
    long index = DecimalOrZero(line.Mid(pos, 2).Strip(wxString::both));
    return ToneChoiceText(static_cast<int>(index));
}

// A code's entry in the list; `missing` when the text is not in it.
wxString CodeAt(const wxString& line, size_t pos, const wxString& missing) {
    wxString text = line.Mid(pos, 3).Strip(wxString::both);
    if (text == "000") return "OFF";
    std::vector<wxString> codes = CodeChoicesFor(false);
    return std::find(codes.begin(), codes.end(), text) != codes.end() ? text : missing;
}
}  // namespace

bool ReadAnalogLine(Page& page, const wxString& raw, int* rowOut) {
    wxString line;
    for (wxUniChar c : raw)
        line += wxUniChar(c.GetValue() & 0x7F);
    wxString key = line.Left(3).Strip(wxString::both);
    long n = MemoryNumber(page, key);
    if (n < 1 || n > page.Rows()) return false;
    int row = static_cast<int>(n);
    CellStore& g = page.grid;
    g.Set(row, MNUM, key == "GD1" || key == "GD2" ? wxString::Format("%ld", n) : key);
    g.Set(row, DESC, line.Mid(4, 9).Strip(wxString::trailing));  // the line pads it to 9
    g.Set(row, RFRQ, FrequencyAt(page, line, 14));
    g.Set(row, TFRQ, FrequencyAt(page, line, 25));
    if (page.Type() == kMODX) {
        int band = BandOfFrequency(g.Get(row, RFRQ), kMODX);
        if (band >= 0) g.Set(row, BAND, BandNames[band]);
    }
    size_t scanAt;
    if (line.length() > 45 && line[45] == 'R') {
        g.Set(row, RTON, ToneAt(line, 43));
        g.Set(row, TTON, ToneAt(line, 48));
        long ttone = DecimalOrZero(line.Mid(48, 2).Strip(wxString::both));
        if (page.Type() == kMODX && ttone >= 1 && ttone <= 64) {
            g.Set(row, RCOD, "OFF");
            g.Set(row, TCOD, "OFF");
        } else {
            g.Set(row, RCOD, CodeAt(line, 58, wxString()));
            g.Set(row, TCOD, CodeAt(line, 64, CodeChoicesFor(false).front()));
        }
        scanAt = 70;
    } else {
        g.Set(row, RTON, "n/a");
        g.Set(row, TTON, ToneAt(line, 43));
        g.Set(row, RCOD, "n/a");
        wxString code = CodeAt(line, 53, wxString());
        g.Set(row, TCOD, code.empty() ? wxString("OFF") : code);
        scanAt = 59;
    }
    if (line.length() < scanAt + 5) {
        g.Set(row, SCAN, "0");
    } else {
        g.Set(row, SCAN, ConvertPolyLumScan(line.Mid(scanAt, 5)));
        scanAt += 5;
    }
    // Written in the case the page's mode choices use ("n"/"w" on P25 pages, "N"/"W" on others).
    bool narrow = line.Mid(std::min(scanAt, line.length())).Contains("N");
    std::vector<wxString> modes = ModeChoices(page.IsP25());
    g.Set(row, MODE, page.IsP25() ? (narrow ? "n" : "w") : (narrow ? modes[1] : modes[0]));
    g.Set(row, TFLG, wxString::Format("%0X", 0xC0));
    if (rowOut) *rowOut = row;
    return true;
}

void SendSlow(TransferContext& c, const wxString& text, bool slow) {
    for (wxUniChar ch : text) {
        c.serial->Write(wxString(ch));
        Wait(c, slow ? kSlowKeyMs : kFastKeyMs, false);
    }
    if (!slow) {
        c.serial->Write("\r");
        Wait(c, kFastKeyMs, false);
    }
}

namespace {
class AnalogSession {
  public:
    AnalogSession(TransferContext& c, Page& page, int mode) : c_(c), page_(page), mode_(mode) {}
    int Run();

  private:
    int Write();
    int Read();
    bool TakeLine(wxString& line);

    TransferContext& c_;
    Page& page_;
    int mode_;
    int pib_ = 0;
    int radioRows_ = kRadioInfoRows;
    std::vector<std::pair<int, wxString>> lines_;  // the rows and channel lines of a write
};

int AnalogSession::Run() {
    pib_ = RadioFactsOf(page_.params.radio).pibNumber;
    LUMO_LOG(kUnit, " . DoTransferData: %s; PIB Num: %d; Total Rows: %d", page_.strings.radioName,
             pib_, page_.Rows());
    c_.SetStatusMessage("Initializing....");
    c_.status = kTransferRunning;
    c_.memories = c_.erased = 0;
    // With a transfer byte the radio has the page's rows; without one the assumed radio
    // information stands (the page itself keeps its rows).
    radioRows_ = pib_ != 0 ? page_.Rows() : kRadioInfoRows;
    LUMO_LOG(kUnit, "DTD Number of rows: %d, %d", radioRows_, page_.Rows());
    bool writing = mode_ == kTransferWrite;
    if (writing) {
        // Every radio gets its channel lines; a write with none to send types nothing.
        for (int row = 1; row <= page_.Rows(); ++row) {
            if (!page_.grid.GetSelection().IsRowSelected(row)) continue;
            wxString line;
            int error = BuildAnalogLine(page_, row, line);
            if (error != 0)
                LUMO_LOG(kUnit, "  Error: %04X on Row %d, Not Sent !", error, row);
            else
                lines_.emplace_back(row, line);
        }
        if (lines_.empty()) return kTransferNothingSelected;
        c_.progress->SetRange(static_cast<int>(lines_.size()));
    }
    wxString command;
    if (radioRows_ < 203)
        command = writing ? "dl\r" : "ul\r";
    else
        command = wxString::Format(writing ? "DL%3d\r" : "UL%3d\r", radioRows_);
    if (writing && radioRows_ <= 200 && page_.Rows() > 200) LUMO_LOG(kUnit, "Rows: %d", radioRows_);
    if (pib_ != 0) {
        wxString prefix = wxString::Format("rt\r%d\r", pib_);
        if (!writing) prefix += " ";
        SendSlow(c_, prefix, true);
    }
    c_.SetStatusMessage(writing ? "Sending Memory Data...." : "Receiving Memory Data....");
    LUMO_LOG(kUnit, " DTD2: %s", c_.statusMessage);
    SendSlow(c_, command, true);
    LUMO_LOG(kUnit, "DTD3:%s", command);
    return writing ? Write() : Read();
}

int AnalogSession::Write() {
    WaitFor(c_, kFirstEnqMs, kEnq);
    for (const auto& [row, line] : lines_) {
        c_.step = row;
        LUMO_LOG(kUnit, " Send>%s", line);
        c_.Log("Send>" + line + "\n");
        SendSlow(c_, line, false);
        c_.received.clear();
        int waited = WaitFor(c_, kRowReplyMs, kEnq);
        if (waited != 0) return waited;
        c_.writtenRows.push_back(row);
        c_.ShowCount(++c_.memories);
    }
    wxString end = (radioRows_ < 203 ? "300" : "END") + wxString(' ', 74);
    SendSlow(c_, end, false);
    LUMO_LOG(kUnit, " DTD5>%s", end);
    return kTransferComplete;
}

bool AnalogSession::TakeLine(wxString& line) {
    int end = c_.received.Find('\r');
    if (end == wxNOT_FOUND) return false;
    line = c_.received.Left(end).Strip(wxString::both);
    c_.received = c_.received.Mid(end + 1);
    return true;
}

int AnalogSession::Read() {
    LUMO_LOG(kUnit, "  DTD5 - Read Data from radio");
    if (const char* key = RadioFactsOf(page_.params.radio).readKey)
        c_.dialogs->Message("Close this dialog, then press " + wxString(key) + " on radio to start",
                            "Read channel data from radio");
    bool started = false;
    int lastRow = 0;
    c_.step = 0;
    for (;;) {
        int waited = WaitFor(c_, kRowReplyMs, '\r');
        if (waited == kTransferCancelled || waited == kTransferPortError) return waited;
        if (waited == kTransferTimeout) {
            LUMO_LOG(kUnit, "  DTD5B - Read - Idx1: %d, numRows: %d", lastRow, page_.Rows());
            return lastRow >= page_.Rows() - 1 ? kTransferComplete : kTransferTimeout;
        }
        wxString line;
        while (TakeLine(line)) {
            LUMO_LOG(kUnit, "Get<%s", line);
            // The end line may come first: a radio without channels sends nothing else.
            wxString head = line.Left(3);
            if (head.Contains("END") || (radioRows_ <= 200 && head.Contains("300")))
                return kTransferComplete;
            if (!started) {
                int first = line.Find("001");
                if (first == wxNOT_FOUND) continue;  // noise before the first channel
                line = line.Mid(first);
                started = true;
            }
            int row = 0;
            if (!ReadAnalogLine(page_, line, &row)) continue;
            lastRow = c_.step = row;
            ++c_.memories;
            c_.ShowCount(row);
            c_.Log("<" + line + "\n");
        }
    }
}
}  // namespace

int DoAnalogTransferData(TransferContext& context, Page& page, int mode) {
    return AnalogSession(context, page, mode).Run();
}

}  // namespace lumo
