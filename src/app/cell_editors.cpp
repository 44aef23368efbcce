#include "cell_editors.h"

#include "edit/cell_edits.h"
#include "edit/cell_traits.h"
#include "edit/row_check.h"
#include "edit/zones.h"
#include "page_view.h"
#include "rules/frequency_rules.h"
#include "rules/text_rules.h"

#include <wx/combobox.h>
#include <wx/dcclient.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

using namespace lumo;

namespace {
wxChar KeyOf(const wxKeyEvent& event) {
    int code = event.GetUnicodeKey();
    return code == WXK_NONE ? 0 : static_cast<wxChar>(code);
}

bool IsEditingKey(const wxKeyEvent& event) {
    return event.GetKeyCode() == WXK_BACK || event.GetKeyCode() == WXK_DELETE ||
           event.GetKeyCode() == WXK_NUMPAD_DELETE;
}

void Refuse(const EditorContext& context, wxWindow* near, const wxString& reason) {
    ShowRefusal(near, reason);
    if (Dialogs* dialogs = context.dialogs ? context.dialogs() : nullptr)
        dialogs->Bell();
    else
        wxBell();
}
}  // namespace

// --- FrequencyEditor ---

FrequencyEditor::FrequencyEditor(const EditorContext& context, int band, int step)
    : wxGridCellTextEditor(FullFrequencyLength(band, step)),
      context_(context),
      band_(band),
      step_(step),
      fullLength_(FullFrequencyLength(band, step)) {
    SetValidator(FrequencyValidator(context.dialogs, band, step));
}

wxGridCellEditor* FrequencyEditor::Clone() const {
    return new FrequencyEditor(context_, band_, step_);
}

void FrequencyEditor::SetBandAndStep(int band, int step) {
    band_ = band;
    step_ = step;
    fullLength_ = FullFrequencyLength(band, step);
    SetValidator(FrequencyValidator(context_.dialogs, band, step));
}

void FrequencyEditor::BeginEdit(int row, int col, wxGrid* grid) {
    value_ = grid->GetTable()->GetValue(row, col);
    wxGridCellTextEditor::BeginEdit(row, col, grid);
}

bool FrequencyEditor::EndEdit(int, int, const wxGrid*, const wxString&, wxString* newval) {
    wxString text = Text()->GetValue();
    if (text == value_) return false;
    // A value the page cannot hold leaves the cell as it was, and says why.
    if (!CompleteFrequency({band_, step_}, text, fullLength_)) {
        ShowRefusal(Text(), FrequencyRefusal(text, {band_, step_}));
        return false;
    }
    value_ = text;
    if (newval) *newval = text;
    return true;
}

void FrequencyEditor::ApplyEdit(int row, int col, wxGrid* grid) {
    ApplyFrequencyEdit(*context_.page, row, col, value_);
    value_.clear();
    RefreshPageGrid(grid);
}

void FrequencyEditor::StartingKey(wxKeyEvent& event) {
    wxChar key = KeyOf(event);
    // A point or a letter opens the editor on the cell's text and is swallowed; a letter says
    // why.
    if ((key >= '0' && key <= '9') || IsEditingKey(event))
        wxGridCellTextEditor::StartingKey(event);
    else if (key > ' ' && key != '.')
        ShowRefusal(GetControl(), FrequencyRefusal(wxString(key), {band_, step_}));
}

// --- DigitalSquelchEditor ---

DigitalSquelchEditor::DigitalSquelchEditor(const EditorContext& context, int width, long minimum,
                                           long maximum)
    : wxGridCellTextEditor(width),
      context_(context),
      width_(width),
      minimum_(minimum),
      maximum_(maximum) {
    SetValidator(DigitalSquelchValidator(context.dialogs, minimum, maximum));
}

wxGridCellEditor* DigitalSquelchEditor::Clone() const {
    return new DigitalSquelchEditor(context_, width_, minimum_, maximum_);
}

void DigitalSquelchEditor::BeginEdit(int row, int col, wxGrid* grid) {
    value_ = grid->GetTable()->GetValue(row, col);
    wxGridCellTextEditor::BeginEdit(row, col, grid);
}

bool DigitalSquelchEditor::EndEdit(int, int, const wxGrid*, const wxString&, wxString* newval) {
    wxString text = Text()->GetValue().Upper();
    if (text == value_) return false;
    value_ = NormaliseHexField(text, width_);
    if (newval) *newval = value_;
    return true;
}

void DigitalSquelchEditor::ApplyEdit(int row, int col, wxGrid* grid) {
    ApplyHexEdit(*context_.page, row, col, value_);
    value_.clear();
    RefreshPageGrid(grid);
}

void DigitalSquelchEditor::StartingKey(wxKeyEvent& event) {
    if (IsEditingKey(event) || HexKeyAccepted(KeyOf(event)))
        wxGridCellTextEditor::StartingKey(event);
    else
        Refuse(context_, GetControl(), HexRefusal(wxString(KeyOf(event))));
}

// --- LumoDescriptionEditor ---

LumoDescriptionEditor::LumoDescriptionEditor(const EditorContext& context, size_t maxChars,
                                             DescriptionSet set)
    : wxGridCellTextEditor(maxChars), context_(context), maxChars_(maxChars), set_(set) {
    SetValidator(LumoDescriptionValidator(context.dialogs, set));
}

wxGridCellEditor* LumoDescriptionEditor::Clone() const {
    return new LumoDescriptionEditor(context_, maxChars_, set_);
}

void LumoDescriptionEditor::StartingKey(wxKeyEvent& event) {
    if (IsEditingKey(event) || DescriptionKeyAccepted(KeyOf(event), set_))
        wxGridCellTextEditor::StartingKey(event);
    else
        Refuse(context_, GetControl(), DescriptionRefusal(wxString(KeyOf(event)), set_));
}

// --- LumoMemoryNumberEditor ---

LumoMemoryNumberEditor::LumoMemoryNumberEditor(const EditorContext& context, int minimum,
                                               int maximum)
    : wxGridCellNumberEditor(minimum, maximum),
      context_(context),
      minimum_(minimum),
      maximum_(maximum) {}

wxGridCellEditor* LumoMemoryNumberEditor::Clone() const {
    return new LumoMemoryNumberEditor(context_, minimum_, maximum_);
}

void LumoMemoryNumberEditor::ApplyEdit(int row, int, wxGrid* grid) {
    long number = 0;
    Dialogs* dialogs = context_.dialogs ? context_.dialogs() : nullptr;
    if (!GetValue().ToLong(&number) || !dialogs) return;
    ApplyMemoryNumberEdit(*context_.page, *dialogs, row, number);
    RefreshPageGrid(grid);
}

// --- TypingChoiceEditor ---

void TypingChoiceEditor::Create(wxWindow* parent, wxWindowID id, wxEvtHandler* evtHandler) {
    wxGridCellChoiceEditor::Create(parent, id, evtHandler);
    // Key-down, not char: a read-only combo box does not make chars of its keys.
    Combo()->Bind(wxEVT_KEY_DOWN, [this](wxKeyEvent& event) {
        wxChar key = KeyOf(event);
        if (key <= ' ' || key == 127 || event.HasModifiers())
            event.Skip();  // Return, Escape, moving about and shortcuts are the grid's
        else
            Type(key);
    });
}

void TypingChoiceEditor::BeginEdit(int row, int col, wxGrid* grid) {
    typed_.clear();
    wxGridCellChoiceEditor::BeginEdit(row, col, grid);
}

void TypingChoiceEditor::StartingKey(wxKeyEvent& event) {
    wxChar key = KeyOf(event);
    if (key > ' ' && key != 127)
        Type(key);
    else
        event.Skip();
}

void TypingChoiceEditor::Type(wxChar key) {
    wxArrayString shown = Combo()->GetStrings();
    std::vector<wxString> choices(shown.begin(), shown.end());
    // Characters that begin no choice on from what was typed start a new search.
    int index = ChoiceStartingWith(choices, typed_ + key);
    typed_ = index >= 0 ? typed_ + key : wxString(key);
    if (index < 0) index = ChoiceStartingWith(choices, typed_);
    if (index >= 0)
        Combo()->SetSelection(index);
    else
        ShowRefusal(Combo(), wxString::Format("'%s': no choice of this cell begins so", typed_));
}

// --- LumoChoiceEditor ---

LumoChoiceEditor::LumoChoiceEditor(const EditorContext& context, const wxArrayString& choices)
    : TypingChoiceEditor(choices), context_(context) {}

wxGridCellEditor* LumoChoiceEditor::Clone() const {
    return new LumoChoiceEditor(context_, m_choices);
}

void LumoChoiceEditor::ApplyEdit(int row, int col, wxGrid* grid) {
    ApplyChoiceEdit(*context_.page, row, col, m_value);
    RefreshPageGrid(grid);
}

// --- MODXBandChoiceEditor ---

wxGridCellEditor* MODXBandChoiceEditor::Clone() const {
    return new MODXBandChoiceEditor(context_, m_choices);
}

void MODXBandChoiceEditor::ApplyEdit(int row, int, wxGrid* grid) {
    ApplyModxBandEdit(*context_.page, row, m_value);
    RefreshPageGrid(grid);
}

// --- P25ZoneEditor ---

P25ZoneEditor::P25ZoneEditor(const EditorContext& context)
    : TypingChoiceEditor(wxArrayString()), context_(context) {}

wxGridCellEditor* P25ZoneEditor::Clone() const {
    return new P25ZoneEditor(context_);
}

void P25ZoneEditor::BeginEdit(int row, int col, wxGrid* grid) {
    startZone_ = grid->GetTable()->GetValue(row, col);
    // Only zones with room are offered; the row's own zone always has room for it.
    m_choices.Clear();
    for (const wxString& zone : ZoneEditChoices(*context_.page, row))
        m_choices.Add(zone);
    Combo()->Set(m_choices);
    TypingChoiceEditor::BeginEdit(row, col, grid);
}

bool P25ZoneEditor::EndEdit(int, int, const wxGrid*, const wxString&, wxString* newval) {
    chosen_ = Combo()->GetValue();
    if (chosen_.empty()) return false;
    m_value = chosen_;
    if (newval) *newval = chosen_;
    return true;
}

void P25ZoneEditor::ApplyEdit(int row, int, wxGrid* grid) {
    ApplyZoneEdit(*context_.page, row, chosen_);
    RefreshPageGrid(grid);
}

// --- ScanlistEditor ---

wxGridActivationResult ScanlistEditor::TryActivate(int row, int col, wxGrid* grid,
                                                   const wxGridActivationSource& source) {
    Page& page = *context_.page;
    wxString value = page.grid.Get(row, col);
    int bit = -1;
    if (source.GetOrigin() == wxGridActivationSource::Key) {
        bit = ScanBitForKey(KeyOf(source.GetKeyEvent()));
    } else if (source.GetOrigin() == wxGridActivationSource::Mouse) {
        wxString boxes = ScanBoxes(value);
        if (page.grid.Get(row, MNUM).empty() || boxes.empty()) {
            if (Dialogs* dialogs = context_.dialogs ? context_.dialogs() : nullptr)
                dialogs->Message("Chan number cannot be empty!", "ERROR");
            return wxGridActivationResult::DoNothing();
        }
        // The boxes are drawn centred in the cell: the pointer's offset counts from the first.
        wxClientDC dc(grid->GetGridWindow());
        dc.SetFont(grid->GetDefaultCellFont());
        int labelWidth = dc.GetTextExtent(boxes).x;
        int boxWidth = std::max(1, labelWidth / 5);
        wxRect cell = grid->CellToRect(row, col);
        wxPoint cellOrigin = grid->CalcScrolledPosition(cell.GetTopLeft());
        int labelLeft = cellOrigin.x + (cell.width - labelWidth) / 2;
        int offset = source.GetMouseEvent().GetX() - labelLeft;
        bit = offset / boxWidth;
        if (offset < 0 || bit >= 5) return wxGridActivationResult::DoNothing();
    }
    if (bit < 0 || page.grid.Get(row, MNUM).empty()) return wxGridActivationResult::DoNothing();
    value_ = ToggleScanBit(value, bit);
    return wxGridActivationResult::DoChange(value_);
}

void ScanlistEditor::DoActivate(int row, int col, wxGrid* grid) {
    context_.page->grid.Set(row, col, value_);
    RefreshPageGrid(grid);
}
