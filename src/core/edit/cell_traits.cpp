#include "edit/cell_traits.h"

#include "edit/cell_edits.h"
#include "edit/zones.h"
#include "pages/memory_label.h"
#include "rules/frequency_rules.h"
#include "util/diag_log.h"

namespace lumo {

namespace {
constexpr const char* kUnit = "LumoEditors";

bool CentredColumn(int col) {
    switch (col) {
        case SHAD:
        case SCAN:
        case ZONE:
        case MODE:
        case RFRQ:
        case TFRQ:
        case RSQL:
        case TSQL:
        case RNSV:
        case RTON:
        case TTON:
        case RCOD:
        case TCOD:
        case RTGP:
        case TTGP:
        case RNAC:
        case TNAC:
        case BAND:
        case RONL: return true;
        default: return false;
    }
}

CellTraits Choice(ChoiceList list) {
    CellTraits traits;
    traits.editor = EditorKind::Choice;
    traits.choices = list;
    return traits;
}

CellTraits MemoryNumberSpec(const Page& page, int row) {
    CellTraits traits;
    traits.editor = EditorKind::MemoryNumber;
    traits.renderer = RendererKind::MemoryNumber;
    traits.minValue = 0;
    traits.maxValue = page.Rows();
    traits.readOnly = row == 0 || page.IsGuardRow(row);
    return traits;
}

CellTraits FrequencySpec(const Page& page, int band) {
    CellTraits traits;
    traits.editor = EditorKind::Frequency;
    traits.band = band;
    traits.step = GetChannelStep(page.params.radio, band);
    traits.maxChars = FullFrequencyLength(band, traits.step);
    return traits;
}

// An editor of a kind, locked when asked.
CellTraits Editor(EditorKind kind, bool readOnly = false) {
    CellTraits traits;
    traits.editor = kind;
    traits.readOnly = readOnly;
    return traits;
}

CellTraits DescriptionSpec(DescriptionSet set, int length) {
    CellTraits traits = Editor(EditorKind::Description);
    traits.descriptionSet = set;
    traits.maxChars = length;
    return traits;
}

// The squelch letters of a P25 row follow its MODE; a digital shadow transmits as its primary.
CellTraits SquelchSpec(const Page& page, int row, int col) {
    bool digital = page.grid.Get(row, MODE) == "D";
    if (col == RSQL)
        return Choice(digital ? ChoiceList::RxSquelchDigital : ChoiceList::RxSquelchAnalog);
    if (!digital) return Choice(ChoiceList::TxSquelchAnalog);
    return Choice(IsShadowRow(page, row) ? ChoiceList::TxSquelchShadow
                                         : ChoiceList::TxSquelchDigital);
}

CellTraits NumberSpec(long maxValue, RendererKind renderer = RendererKind::Plain) {
    CellTraits traits = Editor(EditorKind::Number);
    traits.renderer = renderer;
    traits.maxValue = maxValue;
    return traits;
}

CellTraits P25Cell(const Page& page, int row, int col) {
    bool guard = page.IsGuardRow(row);
    switch (col) {
        case MNUM: return MemoryNumberSpec(page, row);
        case SHAD: {
            CellTraits traits = Editor(EditorKind::Text, true);
            traits.maxChars = 4;
            return traits;
        }
        case SCAN: {
            CellTraits traits = Choice(ChoiceList::YesNo);
            traits.readOnly = guard;
            return traits;
        }
        case ZONE: return Editor(EditorKind::Zone, guard);
        case DESC: return DescriptionSpec(DescriptionSet::P25, 8);
        case MODE: return Choice(ChoiceList::P25Modes);
        case RFRQ:
        case TFRQ: return FrequencySpec(page, page.params.band);
        case RSQL:
        case TSQL: return SquelchSpec(page, row, col);
        case RNSV: return page.Type() == kEP25 ? NumberSpec(15) : CellTraits{};
        case RTON:
        case TTON: return Choice(ChoiceList::Ctcss);
        case RCOD:
        case TCOD: return Choice(ChoiceList::P25Codes);
        case RTGP:
        case TTGP:
        case RNAC:
        case TNAC: {
            CellTraits traits = Editor(EditorKind::HexField);
            traits.maxChars = (col == RNAC || col == TNAC) ? 3 : 4;
            return traits;
        }
        case TIDC: return NumberSpec(9999999, RendererKind::UnitId);
        default: return CellTraits{};
    }
}

// Tone, code and mode cells of a row on a band where they do not apply.
void ApplyBandLocks(const Page& page, int col, int band, CellTraits& traits) {
    bool modx = page.Type() == kMODX;
    bool tone = col == RTON || col == TTON;
    bool code = col == RCOD || col == TCOD;
    if (band == 6 && (col == MODE || code || (tone && !modx))) {
        traits.readOnly = true;
        traits.notApplicable = true;
    } else if (band == 2 && modx && (tone || code)) {
        traits.readOnly = true;
        traits.notApplicable = true;
    }
}

CellTraits OtherCell(const Page& page, int row, int col) {
    int type = page.Type();
    int band = RowBand(page, row);
    bool guard = page.IsGuardRow(row);
    CellTraits traits;
    switch (col) {
        case MNUM: return MemoryNumberSpec(page, row);
        case BAND:
            if (type == kMODX) {
                traits = Choice(ChoiceList::ModuleBands3);
                traits.editor = EditorKind::ModxBand;
            }
            return traits;
        case SCAN:
            if (type == kDAMX) return Choice(ChoiceList::YesNo);
            traits.editor = EditorKind::Scan;
            traits.renderer = RendererKind::Scan;
            traits.readOnly = guard;
            return traits;
        case DESC:
            return DescriptionSpec(DescriptionEditorSet(type), DescriptionEditorLength(type));
        case RONL: return type == kDAMX ? Choice(ChoiceList::YesNo) : traits;
        case MODE: traits = Choice(ChoiceList::AnalogModes); break;
        case RFRQ:
        case TFRQ: return FrequencySpec(page, band);
        case RCOD:
        case TCOD: traits = band == 3 ? traits : Choice(ChoiceList::DcsCodes); break;
        case RTON:
        case TTON: traits = band == 3 ? traits : Choice(ChoiceList::ToneChoices); break;
        default: return traits;
    }
    ApplyBandLocks(page, col, band, traits);
    if (guard && (col == RCOD || col == RTON)) traits.readOnly = true;
    return traits;
}
}  // namespace

std::vector<wxString> ChoicesOf(ChoiceList list) {
    switch (list) {
        case ChoiceList::None: return {};
        case ChoiceList::YesNo: return {"Y", "N"};
        case ChoiceList::P25Modes: return ModeChoices(true);
        case ChoiceList::AnalogModes: return ModeChoices(false);
        case ChoiceList::Ctcss: return ToneChoicesFor(true);
        case ChoiceList::P25Codes: return CodeChoicesFor(true);
        case ChoiceList::ToneChoices: return ToneChoicesFor(false);
        case ChoiceList::DcsCodes: return CodeChoicesFor(false);
        case ChoiceList::RxSquelchAnalog: return SquelchChoices(Direction::Receive, "n", false);
        case ChoiceList::RxSquelchDigital: return SquelchChoices(Direction::Receive, "D", false);
        case ChoiceList::TxSquelchAnalog: return SquelchChoices(Direction::Transmit, "n", false);
        case ChoiceList::TxSquelchDigital: return SquelchChoices(Direction::Transmit, "D", false);
        case ChoiceList::TxSquelchShadow: return SquelchChoices(Direction::Transmit, "D", true);
        case ChoiceList::ModuleBands3: return {ModuleBands3.begin(), ModuleBands3.end()};
    }
    return {};
}

CellTraits EditorFor(const Page& page, int row, int col) {
    CellTraits traits = page.IsP25() ? P25Cell(page, row, col) : OtherCell(page, row, col);
    traits.centred = CentredColumn(col) && (col != BAND || page.Type() == kMODX) &&
                     (col != RONL || page.Type() == kDAMX);
    traits.readOnly = traits.readOnly || page.grid.IsReadOnly(row, col);
    return traits;
}

wxString CellLabel(const Page& page, int row, int col) {
    const wxString& text = page.grid.Get(row, col);
    CellTraits traits = EditorFor(page, row, col);
    if (traits.notApplicable) return text.empty() ? wxString("n/a") : text;
    switch (traits.renderer) {
        case RendererKind::MemoryNumber: return MemoryNumberLabel(page, row, text);
        case RendererKind::Scan:
            return page.grid.Get(row, MNUM).empty() ? wxString() : ScanBoxes(text);
        case RendererKind::UnitId: {
            long number = 0;
            return ParseDecimal(text, number) ? wxString::Format("%07ld", number) : text;
        }
        case RendererKind::Plain: break;
    }
    return text;
}

void SetPageEditors(Page& page, int pageNumber) {
    LUMO_LOG(kUnit, " > SetPageEditors - Page: %i; Radio: %s; Type: %s", pageNumber,
             page.strings.radioName, page.strings.typeCode);
    if (!page.IsP25()) {
        for (int row = 0; row <= page.Rows(); ++row)
            for (int col : {MNUM, ZONE, SCAN, RFRQ, TFRQ})
                page.grid.SetReadOnly(row, col, false);
    }
    page.grid.SetReadOnly(0, MNUM, true);
    SetPageToneCodeEditors(page);
}

int ChoiceStartingWith(const std::vector<wxString>& choices, const wxString& typed) {
    if (typed.empty()) return -1;
    wxString wanted = typed.Upper();
    for (size_t i = 0; i < choices.size(); ++i)
        if (choices[i].Upper().StartsWith(wanted)) return static_cast<int>(i);
    return -1;
}

}  // namespace lumo
