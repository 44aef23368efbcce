#include "edit/editor_spec.h"

#include "edit/cell_edits.h"
#include "edit/zones.h"
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

CellEditorSpec Choice(ChoiceList list) {
    CellEditorSpec spec;
    spec.editor = EditorKind::Choice;
    spec.choices = list;
    return spec;
}

CellEditorSpec MemoryNumberSpec(const Page& page, int row) {
    CellEditorSpec spec;
    spec.editor = EditorKind::MemoryNumber;
    spec.renderer = RendererKind::MemoryNumber;
    spec.minValue = 0;
    spec.maxValue = page.Rows();
    spec.readOnly = row == 0 || page.IsGuardRow(row);
    return spec;
}

CellEditorSpec FrequencySpec(const Page& page, int band) {
    CellEditorSpec spec;
    spec.editor = EditorKind::Frequency;
    spec.band = band;
    spec.step = GetChannelStep(page.params.radio, band);
    spec.maxChars = FullFrequencyLength(band, spec.step);
    return spec;
}

CellEditorSpec P25Cell(const Page& page, int row, int col) {
    bool guard = page.IsGuardRow(row);
    switch (col) {
        case MNUM: return MemoryNumberSpec(page, row);
        case SHAD: {
            CellEditorSpec spec;
            spec.maxChars = 4;
            spec.readOnly = true;
            return spec;
        }
        case SCAN: {
            CellEditorSpec spec = Choice(ChoiceList::YesNo);
            spec.readOnly = guard;
            return spec;
        }
        case ZONE: {
            CellEditorSpec spec;
            spec.editor = EditorKind::Zone;
            spec.readOnly = guard;
            return spec;
        }
        case DESC: {
            CellEditorSpec spec;
            spec.editor = EditorKind::Description;
            spec.descriptionSet = DescriptionSet::P25;
            spec.maxChars = 8;
            return spec;
        }
        case MODE: return Choice(ChoiceList::P25Modes);
        case RFRQ:
        case TFRQ: return FrequencySpec(page, page.params.band);
        case RSQL:
            return Choice(page.grid.Get(row, MODE) == "D" ? ChoiceList::RxSquelchDigital
                                                          : ChoiceList::RxSquelchAnalog);
        case TSQL:
            if (page.grid.Get(row, MODE) != "D") return Choice(ChoiceList::TxSquelchAnalog);
            return Choice(IsShadowRow(page, row) ? ChoiceList::TxSquelchShadow
                                                 : ChoiceList::TxSquelchDigital);
        case RNSV: {
            CellEditorSpec spec;
            if (page.Type() != kEP25) return spec;
            spec.editor = EditorKind::Number;
            spec.maxValue = 15;
            return spec;
        }
        case RTON:
        case TTON: return Choice(ChoiceList::Ctcss);
        case RCOD:
        case TCOD: return Choice(ChoiceList::P25Codes);
        case RTGP:
        case TTGP:
        case RNAC:
        case TNAC: {
            CellEditorSpec spec;
            spec.editor = EditorKind::HexField;
            spec.maxChars = (col == RNAC || col == TNAC) ? 3 : 4;
            return spec;
        }
        case TIDC: {
            CellEditorSpec spec;
            spec.editor = EditorKind::Number;
            spec.renderer = RendererKind::UnitId;
            spec.maxValue = 9999999;
            return spec;
        }
        default: return CellEditorSpec{};
    }
}

// Tone, code and mode cells of a row on a band where they do not apply.
void ApplyBandLocks(const Page& page, int col, int band, CellEditorSpec& spec) {
    bool modx = page.Type() == kMODX;
    bool tone = col == RTON || col == TTON;
    bool code = col == RCOD || col == TCOD;
    if (band == 6 && (col == MODE || code || (tone && !modx))) {
        spec.readOnly = true;
        spec.notApplicable = true;
    } else if (band == 2 && modx && (tone || code)) {
        spec.readOnly = true;
        spec.notApplicable = true;
    }
}

CellEditorSpec OtherCell(const Page& page, int row, int col) {
    int type = page.Type();
    int band = RowBand(page, row);
    bool guard = page.IsGuardRow(row);
    CellEditorSpec spec;
    switch (col) {
        case MNUM: return MemoryNumberSpec(page, row);
        case BAND:
            if (type == kMODX)
                spec = Choice(page.params.band == 9 ? ChoiceList::ModuleBands7
                                                    : ChoiceList::ModuleBands3);
            if (type == kMODX) spec.editor = EditorKind::ModxBand;
            return spec;
        case SCAN:
            if (type == kDAMX) return Choice(ChoiceList::YesNo);
            spec.editor = EditorKind::Scan;
            spec.renderer = RendererKind::Scan;
            spec.readOnly = guard;
            return spec;
        case DESC:
            spec.editor = EditorKind::Description;
            spec.descriptionSet = DescriptionEditorSet(type);
            spec.maxChars = DescriptionEditorLength(type);
            return spec;
        case RONL: return type == kDAMX ? Choice(ChoiceList::YesNo) : spec;
        case MODE: spec = Choice(ChoiceList::AnalogModes); break;
        case RFRQ:
        case TFRQ: return FrequencySpec(page, band);
        case RCOD:
        case TCOD: spec = band == 3 ? spec : Choice(ChoiceList::DcsCodes); break;
        case RTON:
        case TTON: spec = band == 3 ? spec : Choice(ChoiceList::ToneChoices); break;
        default: return spec;
    }
    ApplyBandLocks(page, col, band, spec);
    if (guard && (col == RCOD || col == RTON)) spec.readOnly = true;
    return spec;
}
}  // namespace

uint64_t CellEditorSpec::Key() const {
    uint64_t key = static_cast<uint64_t>(editor);
    key = key * 8 + static_cast<uint64_t>(renderer);
    key = key * 32 + static_cast<uint64_t>(choices);
    key = key * 4 + static_cast<uint64_t>(descriptionSet);
    key = key * 2 + readOnly;
    key = key * 2 + centred;
    key = key * 2 + notApplicable;
    key = key * 16 + static_cast<uint64_t>(maxChars);
    key = key * 16 + static_cast<uint64_t>(band + 1);
    key = key * 32768 + static_cast<uint64_t>(step);
    key = key * 1024 + static_cast<uint64_t>(maxValue % 1024);
    return key;
}

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
        case ChoiceList::ModuleBands7: return {ModuleBands8.begin(), ModuleBands8.begin() + 7};
    }
    return {};
}

CellEditorSpec EditorFor(const Page& page, int row, int col) {
    CellEditorSpec spec = page.IsP25() ? P25Cell(page, row, col) : OtherCell(page, row, col);
    spec.centred = CentredColumn(col) && (col != BAND || page.Type() == kMODX) &&
                   (col != RONL || page.Type() == kDAMX);
    spec.readOnly = spec.readOnly || page.grid.IsReadOnly(row, col);
    return spec;
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

}  // namespace lumo
