// Which editor, renderer, alignment and lock each cell of a page has. The grid's attribute
// provider asks this for every cell it draws, so a page needs no attribute objects of its own,
// and a row's editors change as soon as its MODE or BAND does.
#pragma once

#include "pages/page.h"
#include "rules/text_rules.h"

#include <cstdint>
#include <tuple>
#include <vector>

namespace lumo {

enum class EditorKind : uint8_t {
    Text,
    Frequency,
    HexField,
    Description,
    MemoryNumber,
    Choice,
    ModxBand,
    Zone,
    Scan,
    Number,
};

enum class RendererKind : uint8_t { Plain, MemoryNumber, Scan, UnitId };

enum class ChoiceList : uint8_t {
    None,
    YesNo,
    P25Modes,
    AnalogModes,
    Ctcss,
    P25Codes,
    ToneChoices,
    DcsCodes,
    RxSquelchAnalog,
    RxSquelchDigital,
    TxSquelchAnalog,
    TxSquelchDigital,
    TxSquelchShadow,
    ModuleBands3,
};

struct CellTraits {
    EditorKind editor = EditorKind::Text;
    RendererKind renderer = RendererKind::Plain;
    ChoiceList choices = ChoiceList::None;
    DescriptionSet descriptionSet = DescriptionSet::Restricted;
    bool readOnly = false;
    bool centred = false;
    bool notApplicable = false;  // shows "n/a" while the cell is empty
    int maxChars = 0;
    int band = 0;
    int step = 0;
    long minValue = 0;
    long maxValue = 0;

    // Every field, so equal keys mean equal traits; the provider shares one attribute per key.
    using KeyType = std::tuple<EditorKind, RendererKind, ChoiceList, DescriptionSet, bool, bool,
                               bool, int, int, int, long, long>;
    KeyType Key() const {
        return {editor,        renderer, choices, descriptionSet, readOnly, centred,
                notApplicable, maxChars, band,    step,           minValue, maxValue};
    }
};

std::vector<wxString> ChoicesOf(ChoiceList list);
// Typing into a choice cell: the first choice that begins with the typed characters, case
// aside; -1 when none does.
int ChoiceStartingWith(const std::vector<wxString>& choices, const wxString& typed);
CellTraits EditorFor(const Page& page, int row, int col);
// The text a cell shows on screen and on paper: its value, or the label its renderer draws
// (memory numbers, scan boxes, seven-digit unit IDs, "n/a").
wxString CellLabel(const Page& page, int row, int col);
// Brings a page's locks and "n/a" cells in line with its target: on pages other than P25 the
// MNUM, ZONE, SCAN and frequency locks left from an earlier target are removed.
void SetPageEditors(Page& page, int pageNumber);

}  // namespace lumo
